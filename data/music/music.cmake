# The background music of the superlearning presentation: calm pieces
# composed and played by qor-music into MP3/ beside the program. Included
# from data/CMakeLists.txt; the pieces are made again only when the tool
# changes.

set(QOR_MUSIC_DIR "${CMAKE_CURRENT_LIST_DIR}")

add_executable(qor-music
    "${QOR_MUSIC_DIR}/main.cpp"
    "${QOR_MUSIC_DIR}/Envelope.cpp"
    "${QOR_MUSIC_DIR}/Harmony.cpp"
    "${QOR_MUSIC_DIR}/Instrument.cpp"
    "${QOR_MUSIC_DIR}/Mastering.cpp"
    "${QOR_MUSIC_DIR}/Mp3File.cpp"
    "${QOR_MUSIC_DIR}/Piece.cpp"
    "${QOR_MUSIC_DIR}/Repertoire.cpp"
    "${QOR_MUSIC_DIR}/Room.cpp"
    "${QOR_MUSIC_DIR}/Timbre.cpp")
target_link_libraries(qor-music PRIVATE PkgConfig::SNDFILE)
set_target_properties(qor-music PROPERTIES AUTOMOC OFF)
qor_warnings(qor-music)

set(music_files "")
foreach(piece largo_in_c andante_in_g adagio_in_a_moll pastorale_in_f)
    list(APPEND music_files "${QOR_SAMPLE_ROOT}/MP3/${piece}.mp3")
endforeach()
add_custom_command(
    OUTPUT ${music_files}
    COMMAND qor-music ${music_files}
    DEPENDS qor-music
    COMMENT "Sample installation: background music in MP3/"
    VERBATIM)
list(APPEND sample_outputs ${music_files})
