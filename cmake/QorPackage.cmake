# The Debian package: `cpack -G DEB` in a built build folder (make package)
# packs what `cmake --install` installs, below /usr. dpkg-shlibdeps (package
# dpkg-dev) finds the libraries the program links; the fonts it draws its
# pages with are named here, as no library reveals them.
set(CPACK_PACKAGE_NAME qor-spanisch)
set(CPACK_PACKAGE_VENDOR "qor spanisch")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Spanisch-Vokabeltrainer für Deutschsprachige")
# Lines of a Debian description stay below 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Vokabeltraining als Auswahl, zum Eintippen und in Lückensätzen mit\n"
    "Bewertung für jeden Benutzer, Vokabel-Editor, Wörterbuch Deutsch-Spanisch\n"
    "und Spanisch-Deutsch, Verbtrainer, Sprachlabor mit Aufnahme der eigenen\n"
    "Stimme, Superlearning mit Musik, Vokabel-Bingo und Karteikarten zum Drucken.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "qor spanisch maintainers <maintainers@users.noreply.c-seed-693e0a6c.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
include(CPack)
