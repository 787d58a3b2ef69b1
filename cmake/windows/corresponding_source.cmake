# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack after the installer and the zip: beside them, in a folder of
# its own, the complete source of what they hold, as the GPL asks of whoever
# passes them on: this program's source tree as an archive, and Debian's
# source package of the Qt built in. The archive is the same bytes for the
# same sources: names sorted, one date (SOURCE_DATE_EPOCH), no owners.
set(out "${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}-source")
file(REMOVE_RECURSE "${out}")
file(MAKE_DIRECTORY "${out}")
set(date 0)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(date $ENV{SOURCE_DATE_EPOCH})
endif()
set(name kvelmor-${CPACK_PACKAGE_VERSION})
execute_process(
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/../source_archive.sh "${CPACK_KVELMOR_SOURCE_DIR}" ${name}
            "${out}/${name}-source.tar.gz" ${date}
    COMMAND_ERROR_IS_FATAL ANY)
file(GLOB qt_source "${CPACK_KVELMOR_QT_SOURCE}/*")
file(COPY ${qt_source} DESTINATION "${out}")
message(STATUS "- source: ${out} written.")
