# run_program(<input file> <output variable>): runs PROGRAM, through EMULATOR if one is given,
# with the file as its standard input, and fails unless it exits with 0 and writes nothing to
# standard error. Standard output is returned byte for byte, with Windows line ends turned into
# "\n". When WINDOWS is true, the output must end with the command interpreter's own pause
# prompt, after the whole report; the prompt is checked and removed.
function(run_program input_file output_variable)
    execute_process(
        COMMAND ${EMULATOR} ${PROGRAM}
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
    string(REPLACE "\r\n" "\n" output "${output}")
    if(WINDOWS)
        interpreter_pause_prompt(prompt)
        string(LENGTH "${output}" output_length)
        string(LENGTH "${prompt}" prompt_length)
        math(EXPR report_length "${output_length} - ${prompt_length}")
        if(report_length LESS 0)
            set(report_length 0)
        endif()
        string(SUBSTRING "${output}" ${report_length} -1 ending)
        if(NOT ending STREQUAL prompt)
            message(FATAL_ERROR "the output does not end with the pause prompt \"${prompt}\":\n"
                "${output}")
        endif()
        string(SUBSTRING "${output}" 0 ${report_length} output)
    endif()
    set(${output_variable} "${output}" PARENT_SCOPE)
endfunction()

# What the command interpreter's PAUSE writes when its input has ended (the empty input of one
# of the transcripts).
function(interpreter_pause_prompt output_variable)
    execute_process(
        COMMAND ${EMULATOR} cmd /c pause
        INPUT_FILE ${CMAKE_CURRENT_LIST_DIR}/transcripts/random-no-input.in
        OUTPUT_VARIABLE prompt
        RESULT_VARIABLE status)
    if(NOT status STREQUAL "0" OR prompt STREQUAL "")
        message(FATAL_ERROR "the command interpreter's PAUSE did not run (status ${status})")
    endif()
    string(REPLACE "\r\n" "\n" prompt "${prompt}")
    set(${output_variable} "${prompt}" PARENT_SCOPE)
endfunction()

function(expect_same_output actual expected what)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${what}\n--- expected ---\n${expected}--- actual ---\n${actual}---")
    endif()
endfunction()
