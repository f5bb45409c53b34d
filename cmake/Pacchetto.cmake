# The Debian package of the program (make deb): the three programs, the
# default program folder in /usr/share/ludomatic, the menu entry and the
# icon. The libraries come from dpkg-shlibdeps; the packages listed here are
# those Qt loads at run time (the platform plugin, the SVG icons, its Italian
# dialogs) and the font the slip labels print in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ludomatic)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sistemi per il concorso Totogol")
set(CPACK_PACKAGE_DESCRIPTION "Sviluppo, condizionamento, riduzione, stampa su schedina, dettatura e \
spoglio di sistemi per il concorso Totogol, con l'archivio dei concorsi e le sue statistiche.")
set(CPACK_PACKAGE_CONTACT "Sviluppatori di Ludomatic <ludomatic@localhost>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")
set(CPACK_STRIP_FILES ON)
include(CPack)
