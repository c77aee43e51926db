# Feeds INPUT, which selects a random planet, to PROGRAM and checks the report's shape and the
# coordinates' ranges; then types those coordinates in a second run, whose output must be the
# same report with the three prompts in place of "Selecting...".
include(${CMAKE_CURRENT_LIST_DIR}/run_program.cmake)

set(banner "QX: Vantorel\nOmrel V\n 1:Random Planet\n 2:Co-ordinates\n")
set(header_pattern
    "^Scanning for planets in system\\.\n\\.\\.\\.\nPlanet found!\n"
    "The planet at (-?[0-9]+):(-?[0-9]+):(-?[0-9]+) is unnamed\\.\nKnown planet data:\n"
    "[^\n]+\n\n$")
string(CONCAT header_pattern ${header_pattern})

run_program(${INPUT} random_output)
string(LENGTH "${banner}Selecting...\n" prefix_length)
string(SUBSTRING "${random_output}" 0 ${prefix_length} prefix)
string(SUBSTRING "${random_output}" ${prefix_length} -1 random_report)
expect_same_output("${prefix}" "${banner}Selecting...\n" "random selection did not announce itself")
if(NOT random_report MATCHES "${header_pattern}")
    message(FATAL_ERROR "not a planet report:\n${random_report}")
endif()
set(x ${CMAKE_MATCH_1})
set(y ${CMAKE_MATCH_2})
set(z ${CMAKE_MATCH_3})
if(x LESS -2499 OR x GREATER 2500 OR y LESS -49 OR y GREATER 50 OR z LESS -2499 OR z GREATER 2500)
    message(FATAL_ERROR "coordinates ${x}:${y}:${z} lie outside -2499..2500, -49..50, -2499..2500")
endif()

get_filename_component(name ${INPUT} NAME_WE)
set(typed_input ${CMAKE_CURRENT_BINARY_DIR}/${name}-typed.in)
file(WRITE ${typed_input} "2\n${x}\n${y}\n${z}\n")
run_program(${typed_input} typed_output)
expect_same_output("${typed_output}" "${banner}Enter x:\nEnter y:\nEnter z:\n${random_report}"
    "typing ${x}:${y}:${z} did not give the planet that the random selection found")
