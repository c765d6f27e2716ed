# The pictures of the superlearning presentation: the abstract picture set of
# its Techno mode in Techno/ and, beside it, the settings dialog's preview
# picture vorschau.jpg (which the presentation leaves out), drawn by
# qor-pictures. Included from
# data/CMakeLists.txt; the pictures are drawn again only when the tool
# changes.

set(QOR_PICTURES_DIR "${CMAKE_CURRENT_LIST_DIR}")

add_executable(qor-pictures
    "${QOR_PICTURES_DIR}/main.cpp"
    "${QOR_PICTURES_DIR}/AbstractPicture.cpp"
    "${QOR_PICTURES_DIR}/Palette.cpp"
    "${QOR_PICTURES_DIR}/SoftShapes.cpp")
target_link_libraries(qor-pictures PRIVATE Qt6::Gui)
set_target_properties(qor-pictures PROPERTIES AUTOMOC OFF)
qor_warnings(qor-pictures)

set(preview_file "${QOR_SAMPLE_ROOT}/Techno/vorschau.jpg")
set(picture_files "")
foreach(number 01 02 03 04 05 06 07 08 09 10 11 12 13 14)
    list(APPEND picture_files "${QOR_SAMPLE_ROOT}/Techno/bild${number}.jpg")
endforeach()
add_custom_command(
    OUTPUT "${preview_file}" ${picture_files}
    COMMAND qor-pictures --preview "${preview_file}" ${picture_files}
    DEPENDS qor-pictures
    COMMENT "Sample installation: pictures and vorschau.jpg in Techno/"
    VERBATIM)
list(APPEND sample_outputs "${preview_file}" ${picture_files})
