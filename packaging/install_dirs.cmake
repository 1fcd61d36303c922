# SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Where the game's files go when installed, beside GNUInstallDirs' folders. Included by every
# folder that installs a program or the card library or needs to know where they go (each
# folder its own copy of the variables that are not cached).
include(GNUInstallDirs)

# Debian keeps games apart from the other programs, in games/ beside bin/.
set(KOVARIN_INSTALL_GAMEDIR "games" CACHE PATH "Folder of the game and the engine tool")

# The card library is the game's own, not the system's: it goes in a folder of its own that the
# system's loader does not search, so it needs neither a version nor ldconfig. On Debian that is
# the multiarch library folder also when GNUInstallDirs chose plain lib (any prefix but /usr).
if(CMAKE_INSTALL_LIBDIR STREQUAL "lib" AND CMAKE_LIBRARY_ARCHITECTURE)
  set(kovarin_libdir "lib/${CMAKE_LIBRARY_ARCHITECTURE}")
else()
  set(kovarin_libdir "${CMAKE_INSTALL_LIBDIR}")
endif()
set(KOVARIN_INSTALL_CARDSDIR "${kovarin_libdir}/kovarin32"
    CACHE PATH "Folder of the game's own card library")
unset(kovarin_libdir)

# The card library's folder as seen from the game's: the installed game finds it there.
foreach(kovarin_dir GAMEDIR CARDSDIR)
  if(IS_ABSOLUTE "${KOVARIN_INSTALL_${kovarin_dir}}")
    set(kovarin_full_${kovarin_dir} "${KOVARIN_INSTALL_${kovarin_dir}}")
  else()
    set(kovarin_full_${kovarin_dir} "${CMAKE_INSTALL_PREFIX}/${KOVARIN_INSTALL_${kovarin_dir}}")
  endif()
endforeach()
file(RELATIVE_PATH KOVARIN_CARDSDIR_FROM_GAMEDIR "${kovarin_full_GAMEDIR}" "${kovarin_full_CARDSDIR}")
unset(kovarin_full_GAMEDIR)
unset(kovarin_full_CARDSDIR)
