# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A Debian package of the installed program; its dependencies come from the
# shared libraries it links, plus the serif face that stands in for Times New Roman.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvelmor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logic exercise: a two-pan balance and three weights")
# Debian's extended description: lines under 80 characters.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A teaching program for the school subject of logic, in Bulgarian"
    "(Логика - везна и тежести). It asks which masses a balance with two pans"
    "can weigh with three weights, when a weight may go on either pan."
    "Pupils put weights on the left or the right pan and see the measured mass"
    "as an expression such as 9 - 6 + 1 = 4, and choose which three of the"
    "values 1 to 9 serve as weights. It works with the keyboard alone and with"
    "a screen reader.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Kvelmor developers <developers@kvelmor.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
# Stripping keeps the compiler's .comment notes, which Debian leaves out.
install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND objcopy --remove-section=.comment
                                "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/kvelmor" COMMAND_ERROR_IS_FATAL ANY)
    endif()
]])
include(CPack)
