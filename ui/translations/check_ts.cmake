# SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that a shipped translation is complete: runs lupdate over the sources into a copy of
# the .ts file, so that a text marked in the sources but missing from the file turns up as
# unfinished and an entry whose text left the sources as vanished, then fails on either and on
# any empty translation.
#
#   cmake -DLUPDATE=lupdate -DTS_FILE=x_vi.ts -DSOURCES_LIST=sources.lst -DINCLUDE_DIR=src \
#         -P check_ts.cmake
#
# INCLUDE_DIR is the folder the sources' includes start from: lupdate reads the class a tr() call
# belongs to (and so its context, "kov::ui::MainWindow") from the class's header.

get_filename_component(name "${TS_FILE}" NAME)
get_filename_component(list_dir "${SOURCES_LIST}" DIRECTORY)
set(copy "${list_dir}/${name}")
file(COPY_FILE "${TS_FILE}" "${copy}")
execute_process(COMMAND "${LUPDATE}" -silent -locations none -no-ui-lines "-I${INCLUDE_DIR}"
                        "@${SOURCES_LIST}" -ts
                        "${copy}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${TS_FILE}")
endif()
file(STRINGS "${copy}" lines)
set(problems "")
set(source "")
foreach(line IN LISTS lines)
  if(line MATCHES "<source>(.*)</source>")
    set(source "${CMAKE_MATCH_1}")
  elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    string(APPEND problems "  ${CMAKE_MATCH_1}: ${source}\n")
  elseif(line MATCHES "<translation></translation>|<translation/>")
    string(APPEND problems "  empty: ${source}\n")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "${TS_FILE} is not complete (refresh it with the update_translations "
                      "target and translate):\n${problems}")
endif()
message(STATUS "${TS_FILE}: every marked text is translated")
