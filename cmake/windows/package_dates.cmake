# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack before it packs: dates every file to SOURCE_DATE_EPOCH, so
# that the zip, which keeps the files' dates, is the same for the same sources.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
    execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${staged}
                            ${CPACK_TEMPORARY_INSTALL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
endif()
