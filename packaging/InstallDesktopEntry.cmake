# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the menu entry with Exec naming the program by its full path under the install prefix.
# Run by `cmake --install` (and by cpack) with VELISTA_DESKTOP_ENTRY set to the entry's source.

set(program "${CMAKE_INSTALL_PREFIX}/bin/velista")
# A path with characters the Exec key reserves is quoted, with the escapes the desktop entry format asks.
if(program MATCHES "[^A-Za-z0-9/._+-]")
  string(REPLACE "\\" "\\\\\\\\" program "${program}")
  string(REGEX REPLACE "([\"`$])" "\\\\\\\\\\1" program "${program}")
  string(REPLACE "%" "%%" program "${program}")
  set(program "\"${program}\"")
endif()
file(READ "${VELISTA_DESKTOP_ENTRY}" entry)
string(REPLACE "\nExec=velista\n" "\nExec=${program}\n" entry "${entry}")
get_filename_component(name "${VELISTA_DESKTOP_ENTRY}" NAME)
set(destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications")
message(STATUS "Installing: ${destination}/${name}")
file(WRITE "${destination}/${name}" "${entry}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${destination}/${name}")
