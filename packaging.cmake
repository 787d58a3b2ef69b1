# A Debian package of the installed program; its dependencies come from the
# shared libraries it links, plus the serif face that stands in for Times New Roman.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvelmor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Logic exercise: a two-pan balance and three weights")
set(CPACK_PACKAGE_DESCRIPTION
    "A teaching program for the school subject of logic, in Bulgarian (Логика - везна и тежести).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Kvelmor developers <developers@kvelmor.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
