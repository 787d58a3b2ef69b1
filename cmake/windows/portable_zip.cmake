# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack after it made the installer: the same files, in a folder of
# their own, as a zip to run from anywhere. Made here rather than by CPack's
# archive generator, which packs in the order the file system lists them and
# keeps the builder's user and time zone; this one packs in sorted order,
# without owners or Unix times, with its times in UTC, so that the same
# sources give the same bytes on any machine.
get_filename_component(staged_parent "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" DIRECTORY)
get_filename_component(folder "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" NAME)
file(GLOB_RECURSE files RELATIVE "${staged_parent}" "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(SORT files)
set(zip "${CPACK_PACKAGE_DIRECTORY}/${folder}.zip")
file(REMOVE "${zip}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -D -q "${zip}" ${files}
                WORKING_DIRECTORY "${staged_parent}" COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "- package: ${zip} generated.")
