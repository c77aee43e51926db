#include "platform.hpp"

#include <ctime>

#ifdef _WIN32
#include <cstdlib>
#else
#include <array>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <iostream>

#include <termios.h>
#include <unistd.h>
#endif

namespace scanner {

namespace {
constexpr std::uint32_t generatorMultiplier = 214013;
constexpr std::uint32_t generatorIncrement = 2531011;
// A draw is bits 16 to 30 of the state.
constexpr unsigned drawShift = 16;
constexpr std::uint32_t drawMask = 0x7FFF;
// Process-wide, like the C runtime's. Until seeded, the generator behaves as if seeded with 1.
std::uint32_t generatorState = 1; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
} // namespace

void seedGenerator(std::uint32_t seed) {
    generatorState = seed;
}

std::int32_t drawFromGenerator() {
    generatorState = generatorState * generatorMultiplier + generatorIncrement;
    return static_cast<std::int32_t>((generatorState >> drawShift) & drawMask);
}

std::uint32_t clockSeed() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

#ifdef _WIN32

void pauseForKeyPress() {
    static_cast<void>(std::system("PAUSE"));
}

void ignoreBrokenPipe() {}

#else

// There is no PAUSE command here, and no command is ever handed to a shell: the program waits for
// the key itself, and only when a person can press one.
void pauseForKeyPress() {
    termios saved{};
    if (tcgetattr(STDIN_FILENO, &saved) != 0) {
        return; // standard input is not a terminal: scripted and piped runs do not wait
    }
    termios oneKey = saved;
    // Unechoed and unbuffered; Ctrl-C, Ctrl-Z, Ctrl-S and the like arrive as keys, so pressing
    // them ends the pause instead of killing or stopping the program with the terminal raw.
    oneKey.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG | IEXTEN);
    oneKey.c_iflag &= ~static_cast<tcflag_t>(IXON);
    oneKey.c_cc[VMIN] = 1;
    oneKey.c_cc[VTIME] = 0;
    // The terminal is switched before the prompt shows, and TCSAFLUSH drops what was typed until
    // then: a key pressed once the prompt is visible always ends the pause, and only such a key.
    if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &oneKey) != 0) {
        return;
    }
    std::cout << "Press any key to continue . . . " << std::flush;

    // A key may send several bytes (an arrow sends three); one read takes what has arrived, and
    // restoring with TCSAFLUSH drops the rest, so nothing is left over for the shell.
    constexpr std::size_t keyBufferSize = 32; // more than any one key sends
    std::array<char, keyBufferSize> key{};
    while (read(STDIN_FILENO, key.data(), key.size()) < 0 && errno == EINTR) {
    }
    static_cast<void>(tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved));
    std::cout << '\n' << std::flush;
}

void ignoreBrokenPipe() {
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
}

#endif

} // namespace scanner
