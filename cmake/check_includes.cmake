# SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Refuses a room's source that includes a header of a room it may not use.
#
#   cmake -DROOM=deal -DALLOWED="cards|settle|search" -DROOMS="cards|settle|..." \
#         -DFILES="a.cpp|b.h" [-DSTAMP=file] -P check_includes.cmake
#
# (The lists are joined by "|", as a build command passes them, or by ";".)
# A quoted include whose first folder is one of ROOMS must name ROOM itself or one of ALLOWED:
# the rooms' libraries link only in the arrows' direction, and so may their includes. Any other
# include (the system's, Qt's, a library's) is not this check's business.
cmake_minimum_required(VERSION 3.25)
foreach(list ALLOWED ROOMS FILES)
  string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
set(allowed ${ROOM} ${ALLOWED})
set(faults "")
foreach(file IN LISTS FILES)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "\"([^\"/]+)/[^\"]*\"" included "${line}")
    set(room "${CMAKE_MATCH_1}")
    if(room IN_LIST ROOMS AND NOT room IN_LIST allowed)
      string(STRIP "${line}" line)
      string(APPEND faults "${file}: ${line}: ${ROOM}/ may include only ${allowed}\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes against the direction of the rooms:\n${faults}")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
