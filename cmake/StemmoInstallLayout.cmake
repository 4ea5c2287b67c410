# SPDX-License-Identifier: GPL-3.0-or-later
#
# Where the programs and the data shipped with them lie once installed, and
# the same layout inside the build tree.
#
# All three programs find the data relative to their own folder, so an
# installation works under any prefix (/usr, /opt/stemmo, a scratch root):
# bin/Stemora looks into bin/../share/stemmo. The build tree keeps every
# program one folder below build/ (build/app, build/report, build/cli), so
# build/share/stemmo serves all of them the same way.

set(STEMMO_DATA_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/stemmo")
file(RELATIVE_PATH STEMMO_DATA_FROM_BIN
    "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}"
    "${CMAKE_INSTALL_PREFIX}/${STEMMO_DATA_INSTALL_DIR}")

# Programs only other programs start (the page program of the command-line
# tool) lie off the PATH; in the build tree they lie beside their caller.
set(STEMMO_HELPER_INSTALL_DIR "${CMAKE_INSTALL_LIBEXECDIR}/stemmo")
file(RELATIVE_PATH STEMMO_HELPER_FROM_BIN
    "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}"
    "${CMAKE_INSTALL_PREFIX}/${STEMMO_HELPER_INSTALL_DIR}")

# The files an office may replace after installing: master data, help page,
# confirmation sound. The programs also carry a built-in copy of each.
set(STEMMO_SHIPPED_DATA
    "${PROJECT_SOURCE_DIR}/data/stammdaten.dat"
    "${PROJECT_SOURCE_DIR}/data/startmo.htm"
    "${PROJECT_SOURCE_DIR}/data/voicbeep.wav")

get_filename_component(STEMMO_BUILD_DATA_DIR "${CMAKE_BINARY_DIR}/app/${STEMMO_DATA_FROM_BIN}" ABSOLUTE)
foreach(file ${STEMMO_SHIPPED_DATA})
    get_filename_component(name "${file}" NAME)
    configure_file("${file}" "${STEMMO_BUILD_DATA_DIR}/${name}" COPYONLY)
endforeach()

# The release date as the metainfo and the manual page write it (JJJJ-MM-TT).
string(REGEX REPLACE "^([0-9][0-9])\\.([0-9][0-9])\\.([0-9][0-9][0-9][0-9])$" "\\3-\\2-\\1"
    STEMMO_RELEASE_ISO "${STEMMO_RELEASE_TEXT}")
if(NOT STEMMO_RELEASE_ISO MATCHES "^[0-9]+-[0-9]+-[0-9]+$")
    message(FATAL_ERROR "STEMMO_RELEASE_TEXT must read TT.MM.JJJJ, not '${STEMMO_RELEASE_TEXT}'")
endif()
