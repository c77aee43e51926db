#include "child_process.hpp"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

// POSIX leaves declaring it to the program.
extern char** environ; // NOLINT(readability-redundant-declaration)

namespace testing_support {

namespace {

struct Pipe {
    int readEnd = -1;
    int writeEnd = -1;
};

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

Pipe makePipe() {
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC) != 0) {
        fail("pipe2");
    }
    return {ends[0], ends[1]};
}

void closeIfOpen(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// The descriptor the child gets for a stream, or -1 for none. Everything is opened close-on-exec
// before fork, so that the child only has to put its three streams in place.
int openFor(Connection connection, Pipe& pipe, int openFlags) {
    switch (connection) {
    case Connection::pipe:
    case Connection::pipeWithoutReader:
        pipe = makePipe();
        return openFlags == O_RDONLY ? pipe.readEnd : pipe.writeEnd;
    case Connection::devNull:
        return ::open("/dev/null", openFlags | O_CLOEXEC);
    case Connection::devFull:
        return ::open("/dev/full", openFlags | O_CLOEXEC);
    case Connection::closed:
        return -1;
    }
    return -1;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (std::string& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Appends what the descriptor has to give, and closes it at its end.
void readInto(int& fd, std::string& text) {
    std::array<char, 4096> chunk{};
    const ssize_t got = ::read(fd, chunk.data(), chunk.size());
    if (got > 0) {
        text.append(chunk.data(), static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
        closeIfOpen(fd);
    }
}

// Collects both outputs at once, so that neither pipe can fill up and block the child.
void collect(int& outputFd, std::string& output, int& errorFd, std::string& errors) {
    while (outputFd >= 0 || errorFd >= 0) {
        std::array<pollfd, 2> watched{{{outputFd, POLLIN, 0}, {errorFd, POLLIN, 0}}};
        const int ready = ::poll(watched.data(), watched.size(), 10000);
        if (ready == 0) {
            throw std::runtime_error("child wrote nothing and did not finish within 10 s");
        }
        if (ready < 0 && errno != EINTR) {
            fail("poll");
        }
        // poll leaves revents at 0 for a descriptor already closed (-1).
        if (watched[0].revents != 0) {
            readInto(outputFd, output);
        }
        if (watched[1].revents != 0) {
            readInto(errorFd, errors);
        }
    }
}

} // namespace

ChildResult runChild(const std::string& program, const ChildSetup& setup) {
    // A child that stops reading must not kill the test with SIGPIPE.
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));

    Pipe inputPipe;
    Pipe outputPipe;
    const int childInput = openFor(setup.standardInput, inputPipe, O_RDONLY);
    const int childOutput = openFor(setup.standardOutput, outputPipe, O_WRONLY);
    Pipe errorPipe = makePipe();
    if (setup.standardOutput == Connection::pipeWithoutReader) {
        closeIfOpen(outputPipe.readEnd);
    }

    std::vector<std::string> argumentStrings{program};
    argumentStrings.insert(argumentStrings.end(), setup.arguments.begin(), setup.arguments.end());
    std::vector<std::string> environmentStrings = setup.environment;
    std::vector<char*> argv = pointersTo(argumentStrings);
    std::vector<char*> envp = pointersTo(environmentStrings);

    const pid_t child = ::fork();
    if (child < 0) {
        fail("fork");
    }
    if (child == 0) {
        // The program must meet SIGPIPE as a fresh process would, not as ignored by the test.
        static_cast<void>(std::signal(SIGPIPE, SIG_DFL));
        // Out of the way first, in case a source is itself one of 0, 1 and 2; dup2 then clears
        // close-on-exec on the three it places.
        std::array<int, 3> sources{childInput, childOutput, errorPipe.writeEnd};
        for (int& source : sources) {
            if (source >= 0) {
                source = ::fcntl(source, F_DUPFD_CLOEXEC, 10);
            }
        }
        for (int fd = 0; fd < 3; ++fd) {
            const int source = sources.at(static_cast<std::size_t>(fd));
            if (source >= 0) {
                ::dup2(source, fd);
            } else {
                ::close(fd);
            }
        }
        ::execve(program.c_str(), argv.data(), setup.environment.empty() ? environ : envp.data());
        const char message[] = "exec failed\n";
        static_cast<void>(::write(STDERR_FILENO, message, sizeof message - 1));
        ::_exit(127);
    }

    for (const int fd : {childInput, childOutput, errorPipe.writeEnd}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    if (inputPipe.writeEnd >= 0) {
        static_cast<void>(::write(inputPipe.writeEnd, setup.input.data(), setup.input.size()));
        closeIfOpen(inputPipe.writeEnd);
    }

    ChildResult result;
    collect(outputPipe.readEnd, result.output, errorPipe.readEnd, result.errors);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitedNormally = WIFEXITED(status);
    result.exitStatus = result.exitedNormally ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace testing_support
