# Fails unless every C and C++ source in the tree is formatted as .clang-format says.
# Run with -DSOURCE_DIR=<the project's top directory>.
file(GLOB_RECURSE sources
    ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.hpp
    ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.hpp
    ${SOURCE_DIR}/bench/*.c)
execute_process(COMMAND clang-format --dry-run -Werror ${sources} RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "these sources need clang-format (see above)")
endif()
