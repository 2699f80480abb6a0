# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it packs: stops with a clear message when the locale cannot hold the help pages'
# Cyrillic file names, instead of libarchive's "Can't lstat" in the middle of the package.

set(locale "$ENV{LC_ALL}")
if(locale STREQUAL "")
  set(locale "$ENV{LC_CTYPE}")
endif()
if(locale STREQUAL "")
  set(locale "$ENV{LANG}")
endif()
string(TOLOWER "${locale}" locale)
if(NOT locale MATCHES "utf-?8")
  message(FATAL_ERROR
    "cpack needs a UTF-8 locale for the help pages' Cyrillic file names, and the locale is "
    "'${locale}'. Run it as\n  LC_ALL=C.UTF-8 cpack -G DEB\nor build the target deb: "
    "cmake --build build/release --target deb")
endif()
