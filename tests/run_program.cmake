# run_program(<input file> <output variable>): runs PROGRAM with the file as its standard input,
# and fails unless it exits with 0 and writes nothing to standard error. Standard output is
# returned byte for byte.
function(run_program input_file output_variable)
    execute_process(
        COMMAND ${PROGRAM}
        INPUT_FILE ${input_file}
        OUTPUT_VARIABLE output
        ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    if(NOT status STREQUAL "0")
        message(FATAL_ERROR "exit status ${status} for ${input_file}, expected 0")
    endif()
    if(NOT errors STREQUAL "")
        message(FATAL_ERROR "standard error was not empty for ${input_file}:\n${errors}")
    endif()
    set(${output_variable} "${output}" PARENT_SCOPE)
endfunction()

function(expect_same_output actual expected what)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${what}\n--- expected ---\n${expected}--- actual ---\n${actual}---")
    endif()
endfunction()
