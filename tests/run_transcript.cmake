# Feeds INPUT to PROGRAM and checks that its whole standard output is exactly EXPECTED.
include(${CMAKE_CURRENT_LIST_DIR}/run_program.cmake)

run_program(${INPUT} output)
file(READ ${EXPECTED} expected)
expect_same_output("${output}" "${expected}" "output for ${INPUT} differs from ${EXPECTED}")
