# ACTION=start: starts a wine server that stays up, and wine's background services with their
# output detached, so that later runs neither start them nor wait for them to let go of their
# output pipe. ACTION=stop: stops the server and everything running in the prefix.
# EMULATOR is the emulator command: "env WINEPREFIX=... WINEDEBUG=... <wine>".
list(POP_BACK EMULATOR wine)
get_filename_component(wine_dir ${wine} DIRECTORY)
find_program(wineserver NAMES wineserver wineserver64 HINTS ${wine_dir} REQUIRED)

if(ACTION STREQUAL "start")
    # The server goes into the background; with its output detached nothing waits for it.
    execute_process(COMMAND ${EMULATOR} ${wineserver} -p
        INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null RESULT_VARIABLE status)
    if(NOT status STREQUAL "0")
        message(FATAL_ERROR "wineserver -p failed with ${status}")
    endif()
    execute_process(COMMAND ${EMULATOR} ${wine} cmd /c exit
        INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null RESULT_VARIABLE status)
    if(NOT status STREQUAL "0")
        message(FATAL_ERROR "wine could not start its prefix: ${status}")
    endif()
else()
    execute_process(COMMAND ${EMULATOR} ${wineserver} -k)
endif()
