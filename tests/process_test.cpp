#include "child_process.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using testing_support::ChildResult;
using testing_support::ChildSetup;
using testing_support::Connection;
using testing_support::runChild;

const std::string program = PLANET_SCANNER_PATH;
const std::string typedInput = "2\n10\n-3\n7\n";

std::string transcript(const std::string& name) {
    std::ifstream file(std::string(TRANSCRIPT_DIR) + "/" + name);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string describe(const ChildSetup& setup) {
    const std::array<const char*, 5> names{"pipe", "closed", "/dev/null", "/dev/full",
                                           "pipe without reader"};
    return std::string("input ") + names.at(static_cast<std::size_t>(setup.standardInput)) +
           ", output " + names.at(static_cast<std::size_t>(setup.standardOutput));
}

// Whatever becomes of its streams, the program exits with 0 and never writes to standard error.
TEST(Process, ExitsWithZeroAndNoErrorWhateverItsStreams) {
    const ChildSetup setups[] = {
        {typedInput, Connection::pipe, Connection::closed, {}, {}},
        {typedInput, Connection::pipe, Connection::devFull, {}, {}},
        {typedInput, Connection::pipe, Connection::pipeWithoutReader, {}, {}},
        {"", Connection::closed, Connection::closed, {}, {}},
        {"", Connection::devNull, Connection::devFull, {}, {}},
        {"", Connection::closed, Connection::pipeWithoutReader, {}, {}},
    };
    for (const ChildSetup& setup : setups) {
        const ChildResult result = runChild(program, setup);
        EXPECT_TRUE(result.exitedNormally) << describe(setup);
        EXPECT_EQ(result.exitStatus, 0) << describe(setup);
        EXPECT_EQ(result.errors, "") << describe(setup);
    }
}

// A closed standard input reads as one that has ended: a random planet.
TEST(Process, WithStandardInputClosedScansARandomPlanet) {
    const ChildResult result =
        runChild(program, {"", Connection::closed, Connection::pipe, {}, {}});
    const std::string announced =
        "QX: Vantorel\nOmrel V\n 1:Random Planet\n 2:Co-ordinates\nSelecting...\nScanning";
    ASSERT_GT(result.output.size(), announced.size()) << result.output;
    EXPECT_EQ(result.output.substr(0, announced.size()), announced);
    EXPECT_EQ(result.output.substr(result.output.size() - 2), "\n\n");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.errors, "");
}

TEST(Process, IgnoresItsArguments) {
    const ChildResult result = runChild(
        program, {typedInput, Connection::pipe, Connection::pipe, {"1", "--help", ""}, {}});
    EXPECT_EQ(result.output, transcript("typed-10_-3_7.out"));
    EXPECT_EQ(result.exitStatus, 0);
}

// No command is handed to a shell: a program called PAUSE on the PATH must never run.
TEST(Process, NeverRunsAPauseProgramFromThePath) {
    std::string directory = ::testing::TempDir() + "pause-trapXXXXXX";
    ASSERT_NE(::mkdtemp(directory.data()), nullptr);
    const std::string marker = directory + "/ran";
    for (const char* name : {"PAUSE", "pause", "sh"}) {
        const std::string path = directory + "/" + name;
        std::ofstream(path) << "#!/bin/sh\necho \"$0\" >> " << marker << "\n";
        ASSERT_EQ(::chmod(path.c_str(), 0755), 0);
    }

    const ChildResult result =
        runChild(program, {typedInput,
                           Connection::pipe,
                           Connection::pipe,
                           {},
                           {"PATH=" + directory, "SHELL=" + directory + "/sh"}});

    EXPECT_EQ(result.output, transcript("typed-10_-3_7.out"));
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(::access(marker.c_str(), F_OK), 0) << "a program on the PATH was run";
}

} // namespace
