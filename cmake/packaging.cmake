# What an install holds, and the packages CPack makes of it: a .tar.gz and a .deb on Linux, a
# .zip on Windows. Packages land in <build tree>/packages.
if(WIN32)
    # A Windows user unpacks the program and its README side by side.
    install(TARGETS planet-scanner RUNTIME DESTINATION .)
    install(FILES README.md DESTINATION .)
    set(CPACK_GENERATOR ZIP)
else()
    install(TARGETS planet-scanner)
    install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
    install(FILES share/man/man6/planet-scanner.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    # Started from a desktop menu, the program opens in a terminal, whose window the pause
    # keeps open until a key is pressed.
    install(FILES share/applications/planet-scanner.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    set(CPACK_GENERATOR TGZ DEB)
endif()

# planet-scanner-<version>-<system>-<processor>, such as planet-scanner-1.0.0-linux-x86_64; the
# .deb has the same name.
string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" CPACK_SYSTEM_NAME)
set(package_file_name ${PROJECT_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_PACKAGE_FILE_NAME ${package_file_name})
set(CPACK_PACKAGE_CONTACT "planet-scanner developers <planet-scanner@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_PACKAGE_DESCRIPTION "An interactive console program that asks for three integer
coordinates, or picks them at random, and reports the planet found there: its
habitability, its mineral wealth and its surface. The same coordinates always
give the same planet, on every system.")
include(CPack)
