# The Debian package: everything `cmake --install` puts under the prefix,
# installed under /usr. dpkg-shlibdeps works out the libraries it needs
# (Qt 6, the C++ runtime) from the programs themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hyetoscope)
set(CPACK_PACKAGE_VENDOR "Hyetoscope")
set(CPACK_PACKAGE_CONTACT "Hyetoscope maintainers <hyetoscope@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Companion program of a rain-gauge data logger")
set(CPACK_PACKAGE_DESCRIPTION
  "Downloads the recorded rainfall of the logger over a serial line, shows it as a\n bar chart, exports it as text and prints the chart and rainfall record sheets.\n hyetoscope-cli does the same batch work from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# TKCom1 and Logstore1 come with the package: the programs' run path
# ($ORIGIN/../lib) lets dpkg-shlibdeps find them in the staging tree.
# The texts are Japanese: a font that has them, and the MIME database tools.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipaexfont-gothic | fonts-noto-cjk, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
