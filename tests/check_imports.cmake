cmake_minimum_required(VERSION 3.25)
# Fails unless the Windows executable PROGRAM imports DLLs that come with Windows only: the C++
# runtime, libgcc and winpthreads must be linked in, not needed beside it. OBJDUMP reads its
# import table.
set(system_dlls KERNEL32.dll msvcrt.dll)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "no import table found in ${PROGRAM}")
endif()
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    message(STATUS "imports ${dll}")
    if(NOT dll IN_LIST system_dlls)
        message(FATAL_ERROR "${PROGRAM} imports ${dll}, which is not part of Windows")
    endif()
endforeach()
