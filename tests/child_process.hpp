#pragma once

#include <string>
#include <vector>

// Runs a program as a child process with chosen standard streams, for tests of the real
// executable. POSIX only.
namespace testing_support {

// How one of the child's standard streams is connected.
enum class Connection {
    pipe,              // to the test: input is written to it, output is collected from it
    closed,            // no file descriptor at all
    devNull,           // /dev/null
    devFull,           // /dev/full: every write fails with "no space left"
    pipeWithoutReader, // a pipe whose reading end is already closed: writes raise SIGPIPE
};

struct ChildSetup {
    std::string input;
    Connection standardInput = Connection::pipe;
    Connection standardOutput = Connection::pipe;
    std::vector<std::string> arguments;   // after the program's own name
    std::vector<std::string> environment; // empty: the test's own
};

struct ChildResult {
    bool exitedNormally = false;
    int exitStatus = -1;
    std::string output; // standard output, when it is a pipe
    std::string errors; // standard error, always a pipe
};

ChildResult runChild(const std::string& program, const ChildSetup& setup);

} // namespace testing_support
