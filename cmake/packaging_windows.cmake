# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program for Windows as a teacher gets it: an installer for one user,
# which needs no administrator rights, and a zip to run from anywhere. Both
# hold the one executable, the GPL and the notices of everything linked into
# it; beside them goes the complete source of all of it. Made only where
# what they must say is given: scripts/windows gives it all.
set(KVELMOR_QT_NOTICES "" CACHE FILEPATH "Notices of the static Qt and the libraries it bundles")
set(KVELMOR_QT_BUILD_INFO "" CACHE FILEPATH "Where the static Qt's sources are and how it was built")
set(KVELMOR_QT_SOURCE "" CACHE PATH "The source of that Qt as built, to go beside the packages")
set(KVELMOR_RUNTIME_NOTICES /usr/share/doc/mingw-w64-x86-64-dev/copyright
    /usr/share/doc/gcc-mingw-w64-base/copyright
    CACHE STRING "The notices of the compiler's runtime linked into the program")
set(missing "")
foreach(file IN LISTS KVELMOR_QT_NOTICES KVELMOR_QT_BUILD_INFO KVELMOR_QT_SOURCE KVELMOR_RUNTIME_NOTICES)
    if(NOT EXISTS "${file}")
        list(APPEND missing "'${file}'")
    endif()
endforeach()
if(missing OR NOT KVELMOR_QT_SOURCE)
    list(JOIN missing ", " missing)
    message(STATUS "No installer and zip: they need KVELMOR_QT_NOTICES, KVELMOR_QT_BUILD_INFO, "
                   "KVELMOR_QT_SOURCE and KVELMOR_RUNTIME_NOTICES; not found: ${missing}")
    return()
endif()

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${KVELMOR_QT_NOTICES} ${KVELMOR_QT_BUILD_INFO} ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)

# Text files for Notepad: CRLF line ends. Each part is a file by its full
# path, or the text itself.
function(write_windows_text target)
    set(text "")
    foreach(part IN LISTS ARGN)
        if(IS_ABSOLUTE "${part}")
            if(NOT EXISTS "${part}")
                message(FATAL_ERROR "${target} needs ${part}, which is not there")
            endif()
            file(READ "${part}" part)
        endif()
        string(APPEND text "${part}\n")
    endforeach()
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE "${target}" "${text}")
endfunction()

find_package(Git QUIET)
set(commit "")
if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse HEAD WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(commit)
    execute_process(COMMAND ${GIT_EXECUTABLE} diff-index --quiet HEAD -- WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    RESULT_VARIABLE changed ERROR_QUIET)
    if(changed)
        set(commit " (commit ${commit}, with changes not yet committed)")
    else()
        set(commit " (commit ${commit})")
    endif()
endif()
set(windows_dir ${PROJECT_BINARY_DIR}/windows)
write_windows_text(${windows_dir}/COPYING.txt ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
file(GLOB qt_source RELATIVE ${KVELMOR_QT_SOURCE} ${KVELMOR_QT_SOURCE}/*)
list(SORT qt_source)
list(JOIN qt_source "\n  " qt_source_list)
write_windows_text(${windows_dir}/NOTICES.txt
    "kvelmor ${PROJECT_VERSION} is free software under the GNU General Public License, version 3 or
later (COPYING.txt).

Its complete source, and that of everything built into kvelmor.exe, comes with this program in the
folder kvelmor-${PROJECT_VERSION}-windows-x64-source beside the installer and the zip:
  kvelmor-${PROJECT_VERSION}-source.tar.gz, this program's source tree${commit};
  ${qt_source_list},
  Debian's source package of the Qt built in (see below).
Whoever passes on the installer or the zip passes on that folder with it. To build the same program
again, on Debian 12 or 13 with the same qt6-base: unpack kvelmor-${PROJECT_VERSION}-source.tar.gz and
run scripts/windows in it; it builds this Qt from the same source, which it fetches from Debian's
archive (or unpack Debian's source package here with dpkg-source -x and follow the build below).

kvelmor.exe has these linked into it, each under the licence that follows:
- Qt, with the libraries it bundles (zlib, libpng, HarfBuzz, PCRE2 and others),
- the runtime of MinGW-w64 (its C runtime and winpthreads) and of GCC (libstdc++, libgcc),
  from Debian's packages mingw-w64-x86-64-dev and gcc-mingw-w64-x86-64-posix-runtime.
"
    ${KVELMOR_QT_BUILD_INFO}
    "
================================ Qt ================================
"
    ${KVELMOR_QT_NOTICES}
    "
================================ The compiler's runtime: MinGW-w64 and GCC ================================
"
    ${KVELMOR_RUNTIME_NOTICES})

# What the packages hold, in this order.
install(TARGETS kvelmor RUNTIME DESTINATION .)
install(FILES ${windows_dir}/COPYING.txt ${windows_dir}/NOTICES.txt DESTINATION .)
set(installed kvelmor.exe COPYING.txt NOTICES.txt)
# The installer lists each file itself, rather than a folder's listing,
# whose order differs between machines.
set(CPACK_NSIS_KVELMOR_INSTALL "")
set(CPACK_NSIS_KVELMOR_DELETE "")
foreach(file IN LISTS installed)
    string(APPEND CPACK_NSIS_KVELMOR_INSTALL "  !insertmacro InstallFile ${file}\n")
    string(APPEND CPACK_NSIS_KVELMOR_DELETE "  !insertmacro DeleteFile ${file}\n")
endforeach()

set(CPACK_GENERATOR NSIS64)
set(CPACK_PACKAGE_NAME kvelmor)
set(CPACK_PACKAGE_VENDOR "The Kvelmor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME kvelmor-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY kvelmor)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
set(CPACK_STRIP_FILES ON)
# The name of the Start-menu entry and of the program in the installer.
set(CPACK_NSIS_DISPLAY_NAME "Логика - везна и тежести")
set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/resources/pictures/hamburger.ico)
set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_LIST_DIR}/windows/makensis_utf8)
# The installer's script is our own (cmake/windows/NSIS.template.in):
# CPack's installs for all users, which needs an administrator.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/windows)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/windows/package_normalise.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/windows/portable_zip.cmake
    ${CMAKE_CURRENT_LIST_DIR}/windows/corresponding_source.cmake)
set(CPACK_KVELMOR_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_KVELMOR_QT_SOURCE ${KVELMOR_QT_SOURCE})
include(CPack)
