# The Debian package, built by `cpack -G DEB` from the install tree
# (scripts/package builds it in Release with an empty web host).

set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR "The Quillet developers")
set(CPACK_PACKAGE_CONTACT "Quillet developers <${QUILLET_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pop-up English-Portuguese dictionary")
# Lines of at most 80 characters; an empty line becomes the control file's " .".
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A one-row bar stays above the other windows: select a word in any program"
  "and press Ctrl+C, or type it into the bar, and the translation appears in"
  "the bar itself. Inflected words are reduced to base forms, a details window"
  "shows the dictionary's note and speaks the word, and each user's own"
  "dictionary overrides the installed one."
  ""
  "The English-Portuguese and Portuguese-English dictionaries are built from"
  "FreeDict. The package also holds quillet-dict, which builds further"
  "dictionaries.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quillet)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plug-ins are loaded at run time, out of dpkg-shlibdeps' sight: Qt's X11
# platform plug-in is in libqt6gui6, which the binary links; speech needs a
# voice plug-in, and flite's works without a speech server.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-speech-flite-plugin)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_GENERATOR DEB)
include(CPack)
