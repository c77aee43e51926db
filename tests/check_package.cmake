# Unpacks PACKAGE (a .deb, .tar.gz or .zip that cpack made) into a scratch root, checks that it
# holds what an install should, and runs the program from it with INPUT piped in: its output
# must be exactly EXPECTED. EMULATOR and WINDOWS are as for run_program; the program run is the
# one unpacked, not PROGRAM.
include(${CMAKE_CURRENT_LIST_DIR}/run_program.cmake)

get_filename_component(package_name ${PACKAGE} NAME)
set(root ${CMAKE_CURRENT_BINARY_DIR}/unpacked/${package_name})
file(REMOVE_RECURSE ${root})
file(MAKE_DIRECTORY ${root})

if(package_name MATCHES "\\.deb$")
    execute_process(COMMAND dpkg-deb -x ${PACKAGE} ${root} RESULT_VARIABLE status)
    set(prefix ${root}/usr)
else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${PACKAGE}
        WORKING_DIRECTORY ${root} RESULT_VARIABLE status)
    string(REGEX REPLACE "\\.(tar\\.gz|zip)$" "" top_directory ${package_name})
    set(prefix ${root}/${top_directory})
endif()
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "could not unpack ${PACKAGE}")
endif()

if(WINDOWS)
    set(expected_files planet-scanner.exe README.md)
else()
    set(expected_files bin/planet-scanner share/doc/planet-scanner/README.md
        share/man/man6/planet-scanner.6 share/applications/planet-scanner.desktop)
endif()
foreach(file IN LISTS expected_files)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "${package_name} lacks ${file}")
    endif()
endforeach()

list(GET expected_files 0 program_path)
set(PROGRAM ${prefix}/${program_path})
run_program(${INPUT} output)
file(READ ${EXPECTED} expected)
expect_same_output("${output}" "${expected}" "the program installed from ${package_name}")

if(NOT WINDOWS)
    # The man page must render, and without a single warning from groff.
    execute_process(COMMAND man --warnings=w -l ${prefix}/share/man/man6/planet-scanner.6
        OUTPUT_VARIABLE page ERROR_VARIABLE warnings RESULT_VARIABLE status)
    if(NOT status STREQUAL "0" OR NOT warnings STREQUAL "" OR NOT page MATCHES "planet-scanner")
        message(FATAL_ERROR "the man page did not render cleanly (${status}):\n${warnings}")
    endif()

    file(READ ${prefix}/share/applications/planet-scanner.desktop entry)
    if(NOT entry MATCHES "\nExec=planet-scanner\n" OR NOT entry MATCHES "\nTerminal=true\n")
        message(FATAL_ERROR "the desktop entry must start planet-scanner in a terminal")
    endif()
    execute_process(COMMAND desktop-file-validate ${prefix}/share/applications/planet-scanner.desktop
        OUTPUT_VARIABLE findings ERROR_VARIABLE findings RESULT_VARIABLE status)
    if(NOT status STREQUAL "0" OR NOT findings STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate (desktop-file-utils) failed: ${status}\n"
            "${findings}")
    endif()
endif()
