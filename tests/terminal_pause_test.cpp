#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

const std::string program = PLANET_SCANNER_PATH;
const std::string pausePrompt = "Press any key to continue . . . ";

// The program with a pseudo-terminal as its controlling terminal and all three streams; the test
// types on the master side and keeps the terminal open to look at its settings.
class TerminalSession {
public:
    TerminalSession() : master_(::posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            ADD_FAILURE() << "no pseudo-terminal: " << std::strerror(errno);
            return;
        }
        const std::string terminalName = ::ptsname(master_);
        terminal_ = ::open(terminalName.c_str(), O_RDWR | O_NOCTTY);
        ::tcgetattr(terminal_, &initialSettings_);
        child_ = ::fork();
        if (child_ == 0) {
            ::setsid();
            const int controlling = ::open(terminalName.c_str(), O_RDWR);
            for (int fd = 0; fd < 3; ++fd) {
                ::dup2(controlling, fd);
            }
            static_cast<void>(std::signal(SIGPIPE, SIG_DFL));
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }

    ~TerminalSession() {
        if (child_ > 0 && !exited_) {
            ::kill(child_, SIGKILL);
            ::waitpid(child_, nullptr, 0);
        }
        ::close(terminal_);
        ::close(master_);
    }

    TerminalSession(const TerminalSession&) = delete;
    TerminalSession(TerminalSession&&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;
    TerminalSession& operator=(TerminalSession&&) = delete;

    void type(const std::string& keys) const {
        static_cast<void>(::write(master_, keys.data(), keys.size()));
    }

    // Everything the terminal has shown, once it shows the text (or after five seconds).
    const std::string& screenOnceItShows(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (screen_.find(text) == std::string::npos &&
               std::chrono::steady_clock::now() < deadline) {
            readFromTerminal(100);
        }
        return screen_;
    }

    // Whatever else arrives within a short while.
    const std::string& screenAfterAWhile() {
        while (readFromTerminal(200)) {
        }
        return screen_;
    }

    // True if the program ended within the time; a stopped program counts as not ended.
    bool exitsWithin(std::chrono::milliseconds time) {
        if (exited_) {
            return true;
        }
        const auto deadline = std::chrono::steady_clock::now() + time;
        while (std::chrono::steady_clock::now() < deadline) {
            const pid_t done = ::waitpid(child_, &status_, WNOHANG | WUNTRACED);
            if (done == child_) {
                exited_ = !WIFSTOPPED(status_);
                return exited_;
            }
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    [[nodiscard]] bool exitedWithZero() const {
        return exited_ && WIFEXITED(status_) && WEXITSTATUS(status_) == 0;
    }

    [[nodiscard]] termios settings() const {
        termios now{};
        ::tcgetattr(terminal_, &now);
        return now;
    }

    [[nodiscard]] const termios& initialSettings() const { return initialSettings_; }

    // Input that nobody has read yet, as a shell started after the program would get it.
    [[nodiscard]] std::string unreadInput() const {
        termios peek = settings();
        peek.c_lflag &= ~static_cast<tcflag_t>(ICANON);
        peek.c_cc[VMIN] = 0;
        peek.c_cc[VTIME] = 0;
        ::tcsetattr(terminal_, TCSANOW, &peek);
        char left[64];
        const ssize_t got = ::read(terminal_, left, sizeof left);
        return got > 0 ? std::string(left, static_cast<std::size_t>(got)) : std::string();
    }

private:
    bool readFromTerminal(int timeoutMs) {
        pollfd watched{master_, POLLIN, 0};
        if (::poll(&watched, 1, timeoutMs) <= 0) {
            return false;
        }
        char chunk[4096];
        const ssize_t got = ::read(master_, chunk, sizeof chunk);
        if (got <= 0) {
            return false;
        }
        screen_.append(chunk, static_cast<std::size_t>(got));
        return true;
    }

    int master_ = -1;
    int terminal_ = -1;
    pid_t child_ = -1;
    int status_ = 0;
    bool exited_ = false;
    termios initialSettings_{};
    std::string screen_;
};

bool sameSettings(const termios& left, const termios& right) {
    return left.c_iflag == right.c_iflag && left.c_oflag == right.c_oflag &&
           left.c_cflag == right.c_cflag && left.c_lflag == right.c_lflag &&
           std::memcmp(left.c_cc, right.c_cc, sizeof left.c_cc) == 0;
}

// The terminal turns each "\n" the program writes into "\r\n" and echoes what is typed.
const std::string banner = "QX: Vantorel\r\nOmrel V\r\n 1:Random Planet\r\n 2:Co-ordinates\r\n";
const std::string typedReplies = "2 10 -3 7\n";
const std::string screenAtPause =
    banner + "2 10 -3 7\r\n" + "Enter x:\r\nEnter y:\r\nEnter z:\r\n" +
    "Scanning for planets in system.\r\n...\r\nPlanet found!\r\n"
    "The planet at 10:-3:7 is unnamed.\r\nKnown planet data:\r\n"
    "The planet is uncomfortable but habitable to humans, with modest amounts of minerals."
    "The planet is covered in seas, with little land.\r\n\r\n" +
    pausePrompt;

struct Key {
    const char* name;
    const char* bytes; // cppcheck-suppress unusedStructMember ; read through GetParam()
};

void PrintTo(const Key& key, std::ostream* out) {
    *out << key.name;
}

class PauseOnATerminal : public ::testing::TestWithParam<Key> {};

// Any key ends the pause, keys that would signal or stop the program included; it is not echoed,
// the terminal is left exactly as it was, and nothing of the key is left over for the shell.
TEST_P(PauseOnATerminal, WaitsForOneKeyAndRestoresTheTerminal) {
    TerminalSession session;
    session.screenOnceItShows(banner);
    session.type(typedReplies);
    EXPECT_EQ(session.screenOnceItShows(pausePrompt), screenAtPause);

    const termios paused = session.settings();
    EXPECT_EQ(paused.c_lflag & static_cast<tcflag_t>(ICANON | ECHO | ISIG), 0U);
    EXPECT_FALSE(session.exitsWithin(300ms)) << "the pause did not wait for a key";

    session.type(GetParam().bytes);
    ASSERT_TRUE(session.exitsWithin(5s)) << "the key did not end the pause";
    EXPECT_TRUE(session.exitedWithZero());
    EXPECT_EQ(session.screenAfterAWhile(), screenAtPause + "\r\n");
    EXPECT_TRUE(sameSettings(session.settings(), session.initialSettings()));
    EXPECT_EQ(session.unreadInput(), "");
}

INSTANTIATE_TEST_SUITE_P(Keys, PauseOnATerminal,
                         ::testing::Values(Key{"Letter", "x"}, Key{"Enter", "\n"},
                                           Key{"UpArrow", "\x1b[A"}, Key{"CtrlC", "\x03"},
                                           Key{"CtrlZ", "\x1a"}, Key{"CtrlBackslash", "\x1c"},
                                           Key{"CtrlS", "\x13"}, Key{"CtrlD", "\x04"}),
                         [](const ::testing::TestParamInfo<Key>& key) { return key.param.name; });

// Keys typed before the prompt appeared do not count: a stray line after the replies does not
// end the pause.
TEST(PauseOnATerminalAfterTypeAhead, StillWaitsForAKeyPressedAfterThePrompt) {
    TerminalSession session;
    session.screenOnceItShows(banner);
    session.type(typedReplies + "\n");
    session.screenOnceItShows(pausePrompt);
    EXPECT_FALSE(session.exitsWithin(300ms)) << "type-ahead ended the pause";
    session.type("x");
    ASSERT_TRUE(session.exitsWithin(5s));
    EXPECT_TRUE(session.exitedWithZero());
    EXPECT_TRUE(sameSettings(session.settings(), session.initialSettings()));
}

} // namespace
