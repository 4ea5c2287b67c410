# SPDX-License-Identifier: GPL-3.0-or-later
#
# What `cmake --install` puts where, and the Debian package built from it
# by `cpack -G DEB` (scripts/package.sh).

install(TARGETS Stemora Stemprint stemmo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS stemmo_pages RUNTIME DESTINATION ${STEMMO_HELPER_INSTALL_DIR})
install(FILES ${STEMMO_SHIPPED_DATA} DESTINATION ${STEMMO_DATA_INSTALL_DIR})

# Menu entries, icons and the software-centre description.
set(STEMMO_DESKTOP_FILES
    "${PROJECT_SOURCE_DIR}/data/desktop/org.stemmo.Stemora.desktop"
    "${PROJECT_SOURCE_DIR}/data/desktop/org.stemmo.Stemprint.desktop")
install(FILES ${STEMMO_DESKTOP_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${PROJECT_SOURCE_DIR}/data/icons/stemora.svg" "${PROJECT_SOURCE_DIR}/data/icons/stemprint.svg"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The metainfo names the release of project() and its date.
set(STEMMO_METAINFO "${CMAKE_BINARY_DIR}/data/org.stemmo.Stemora.metainfo.xml")
configure_file("${PROJECT_SOURCE_DIR}/data/desktop/org.stemmo.Stemora.metainfo.xml.in" "${STEMMO_METAINFO}" @ONLY)
install(FILES "${STEMMO_METAINFO}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the bash completion are written by stemmo_manual from
# the command table that `stemmo help` prints, so the three never disagree.
set(STEMMO_MANPAGE "${CMAKE_BINARY_DIR}/data/stemmo.1")
set(STEMMO_COMPLETION "${CMAKE_BINARY_DIR}/data/stemmo.bash-completion")
# Installed compressed, as Debian keeps manual pages.
find_program(STEMMO_GZIP gzip REQUIRED)
add_custom_command(
    OUTPUT "${STEMMO_MANPAGE}" "${STEMMO_MANPAGE}.gz" "${STEMMO_COMPLETION}"
    COMMAND stemmo_manual man "${STEMMO_MANPAGE}"
    COMMAND ${STEMMO_GZIP} -9nkf "${STEMMO_MANPAGE}"
    COMMAND stemmo_manual bash-completion "${STEMMO_COMPLETION}"
    DEPENDS stemmo_manual
    COMMENT "Manual page and bash completion of stemmo"
    VERBATIM)
add_custom_target(stemmo_docs ALL DEPENDS "${STEMMO_MANPAGE}" "${STEMMO_MANPAGE}.gz" "${STEMMO_COMPLETION}")
install(FILES "${STEMMO_MANPAGE}.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES "${STEMMO_COMPLETION}" DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    RENAME stemmo)

# Debian wants the licence as the package's copyright file.
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/stemmo RENAME copyright)

# The package: stemmo_<version>_amd64.deb, its library dependencies found by
# dpkg-shlibdeps from the installed programs.
set(CPACK_PACKAGE_NAME "stemmo")
set(CPACK_PACKAGE_VENDOR "Stemmo")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rundholz aufnehmen, konvertieren und drucken")
set(CPACK_PACKAGE_DESCRIPTION
    "Stemora nimmt gefälltes Rundholz in Holzlisten auf (Kubatur, Stärkeklassen, Lose,
Austauschdateien für Forstprogramme und Handgeräte). Stemprint druckt die Listen
und schreibt sie als PDF oder Word-Dokument; stemmo erledigt dasselbe auf der
Befehlszeile.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_CONTACT "Stemmo <stemmo@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the SVG plugins draw
# the program icons, the translations make Qt's standard dialogs German.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")
# Opening documents, the help page and folders goes through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")
include(CPack)

if(BUILD_TESTING)
    # What the desktop and the software centre read must pass their checkers.
    find_program(STEMMO_DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
    find_program(STEMMO_APPSTREAMCLI appstreamcli REQUIRED)
    add_test(NAME desktop_files COMMAND ${STEMMO_DESKTOP_FILE_VALIDATE} ${STEMMO_DESKTOP_FILES})
    add_test(NAME metainfo COMMAND ${STEMMO_APPSTREAMCLI} validate --no-net "${STEMMO_METAINFO}")
    add_test(NAME manpage COMMAND "${PROJECT_SOURCE_DIR}/scripts/check-manpage.sh" "${STEMMO_MANPAGE}")
    add_test(NAME spdx_lines COMMAND "${PROJECT_SOURCE_DIR}/scripts/spdx.sh" --check)
    set_tests_properties(desktop_files metainfo manpage spdx_lines PROPERTIES TIMEOUT 60)
endif()
