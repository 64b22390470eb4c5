# A Debian package of the program: `cpack -G DEB` in a build folder.
set(CPACK_PACKAGE_NAME eserciziario)
set(CPACK_PACKAGE_VENDOR "Eserciziario")
set(CPACK_PACKAGE_CONTACT "Eserciziario <eserciziario@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "esercizi interattivi di grammatica italiana")
set(CPACK_PACKAGE_DESCRIPTION "Analisi logica e verbi all'infinito per gli alunni: ogni \
risposta si colora di verde se è giusta e di rosso se è sbagliata. Il programma non scrive \
file, non usa la rete e non chiede alcun account.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no library dependency names it: the X11 platform plugin. The pinned
# font and Qt's Italian texts are inside the program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
