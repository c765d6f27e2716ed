# Sample recordings: the Spanish words of the sample libraries, spoken by
# espeak-ng into wave/vokabeln/ of the sample installation, the sentences of
# the language lab's phrase data at normal and at slow speed into the folders
# their references name (wave/LA/...), and the sound database s_w.qor that
# names them ("XS:\vokabeln\...", "XS:\LA\...") together with the hand-made
# entries of sound/s_w.txt. Included from data/CMakeLists.txt; the
# tool re-speaks only words whose text changed (its state file remembers what
# each recording says), so a rebuild after a library edit takes moments.

set(QOR_RECORDINGS_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(QOR_PHRASE_SOURCE "${PROJECT_SOURCE_DIR}/resources/lab/phrases.txt")

add_library(qor_recordings_core STATIC
    "${QOR_RECORDINGS_DIR}/SampleRecordings.cpp"
    "${QOR_RECORDINGS_DIR}/WaveCompression.cpp")
target_include_directories(qor_recordings_core PUBLIC "${QOR_RECORDINGS_DIR}")
target_link_libraries(qor_recordings_core PUBLIC qor_platform PRIVATE PkgConfig::SNDFILE)
qor_warnings(qor_recordings_core)

add_executable(qor-recordings "${QOR_RECORDINGS_DIR}/main.cpp")
target_link_libraries(qor-recordings PRIVATE qor_recordings_core qor_sound qor_pack_core)
qor_warnings(qor-recordings)

find_program(QOR_ESPEAK_NG espeak-ng)
if(QOR_ESPEAK_NG)
    set(espeak_option --espeak "${QOR_ESPEAK_NG}")
else()
    set(espeak_option "")
    message(WARNING "espeak-ng not found: the sample installation gets no recordings")
endif()

file(GLOB_RECURSE recording_libraries CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/Vokabeln (S)/*.asc")
list(SORT recording_libraries)

add_custom_command(
    OUTPUT "${QOR_SAMPLE_ROOT}/s_w.qor"
    COMMAND qor-recordings
        --wave-dir "${QOR_SAMPLE_ROOT}/wave"
        --folder vokabeln
        --state "${CMAKE_CURRENT_BINARY_DIR}/recordings.state"
        --database "${QOR_SAMPLE_ROOT}/s_w.qor"
        --base "${CMAKE_CURRENT_SOURCE_DIR}/sound/s_w.txt"
        --phrases "${QOR_PHRASE_SOURCE}"
        --voice es
        ${espeak_option}
        ${recording_libraries}
    DEPENDS qor-recordings ${recording_libraries} "${CMAKE_CURRENT_SOURCE_DIR}/sound/s_w.txt"
        "${QOR_PHRASE_SOURCE}"
    COMMENT "Sample installation: recordings and s_w.qor"
    VERBATIM)
list(APPEND sample_outputs "${QOR_SAMPLE_ROOT}/s_w.qor")
