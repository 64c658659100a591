# Installing like a desktop program (`cmake --install build --prefix <dir>`) and
# the Debian package (`cpack -G DEB` in the build folder, or scripts/package).
#
#   bin/yrn, bin/yrn-tool
#   share/halverin-yrn/        the report template and "YRN Help Files"; the program
#                              copies them into the per-user data folder on first start
#   share/applications/        halverin-yrn.desktop
#   share/icons/hicolor/       the icon, scalable and in PNG sizes
#   share/man/man1/            yrn.1.gz, yrn-tool.1.gz
#   share/doc/halverin-yrn/    copyright, changelog.gz
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(packaged ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS yrn yrn-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/YRN_TEMPLATE.RTF DESTINATION ${YRN_DATA_DIR})
install(DIRECTORY "${CMAKE_SOURCE_DIR}/resources/YRN Help Files" DESTINATION ${YRN_DATA_DIR}
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${packaging}/halverin-yrn.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/icons/halverin-yrn.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${packaging}/icons/halverin-yrn-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME halverin-yrn.png)
endforeach()

# Manual pages and the changelog are installed compressed, as Debian wants them;
# gzip -n keeps the archives free of time stamps, so that builds are reproducible.
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(source yrn.1 yrn-tool.1 changelog)
    add_custom_command(OUTPUT ${packaged}/${source}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${packaged}
        COMMAND ${GZIP} -9nc ${packaging}/${source} > ${packaged}/${source}.gz
        DEPENDS ${packaging}/${source}
        VERBATIM)
    list(APPEND compressed ${packaged}/${source}.gz)
endforeach()
add_custom_target(yrn_packaging_files ALL DEPENDS ${compressed})
install(FILES ${packaged}/yrn.1.gz ${packaged}/yrn-tool.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/copyright ${packaged}/changelog.gz ${CMAKE_SOURCE_DIR}/docs/database.md
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/halverin-yrn)

# The Debian package. Its dependencies are found from the executables (the Qt 6
# runtime libraries), plus the plugins Qt loads at run time: the platform
# plugins and the SQLite driver of the export.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME halverin-yrn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Halverin Drug Court")
set(CPACK_PACKAGE_CONTACT "Halverin Drug Court YRN developers <yrn@halverin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "intake interview and client report for a drug-court program")
# The synopsis is the summary above; CPack indents these lines and marks the
# empty one as a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "An interviewer sits with a client and works through the standardized intake
interview section by section. The program enables and disables follow-up
questions by earlier answers, checks numbers against fixed ranges, keeps each
client's answers in a client folder of plain-text section files and writes a
narrative report about the client from an RTF template.

yrn-tool writes reports without a window, exports the answers of all
clients to CSV or SQLite for statistics, and keeps a court-wide PostgreSQL
database of every site's clients current.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, libreoffice-writer | abiword, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
