#include "record_comparison.hpp"
#include "scan_dialogue.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using scanner::Coordinates;

const std::string banner = "QX: Vantorel\nOmrel V\n 1:Random Planet\n 2:Co-ordinates\n";
const std::string prompts = "Enter x:\nEnter y:\nEnter z:\n";
const std::string selecting = "Selecting...\n";

std::string report(const std::string& coordinates, const std::string& description) {
    return "Scanning for planets in system.\n...\nPlanet found!\nThe planet at " + coordinates +
           " is unnamed.\nKnown planet data:\n" + description + "\n\n";
}

const std::string originPlanet = "The planet is earthlike and lovely,with modest amounts of "
                                 "minerals.There are several techtonic plates and continents";
const std::string planetOfSeed14 = "The planet is uncomfortable but habitable to humans, with "
                                   "modest amounts of minerals.The planet is covered in seas, "
                                   "with little land.";

// Doubles for the clock and the pause, which are plain functions; they report through these.
int clockReadings = 0;
std::uint32_t clockSeedValue = 0;
std::uint32_t fixedClock() {
    ++clockReadings;
    return clockSeedValue;
}

int pauses = 0;
void countPause() {
    ++pauses;
}

std::string runDialogue(const std::string& input, std::uint32_t clockSeed = 14) {
    clockReadings = 0;
    clockSeedValue = clockSeed;
    pauses = 0;
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(scanner::runScanDialogue(in, out, fixedClock, countPause), 0);
    EXPECT_EQ(pauses, 1);
    return out.str();
}

// Clock seed 14 draws the coordinates -2415:-24:1693.
TEST(ScanDialogue, MenuReplySelectsThePath) {
    const std::string randomPlanet =
        banner + selecting +
        report("-2415:-24:1693", "The planet is habitable with only simple support, with "
                                 "plentiful resources.The planet is mostly plains with many "
                                 "small, isolated lowlands.");
    const std::string noSelection = banner + report("0:0:0", originPlanet);
    struct Case {
        const char* input;
        std::string output;
        int clockReadings;
    };
    const Case cases[] = {
        {"1\n", randomPlanet, 1},
        {"letters\n", randomPlanet, 1},
        {"", randomPlanet, 1},
        {"2147483648\n", randomPlanet, 1},
        {"0\n", noSelection, 0},
        {"3\n", noSelection, 0},
        {"-1\n", noSelection, 0},
        {"2 10 -3 7\n", banner + prompts + report("10:-3:7", planetOfSeed14), 0},
        {"2\nletters\n5\n6\n", banner + prompts + report("0:0:0", originPlanet), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(runDialogue(c.input), c.output) << "input \"" << c.input << '"';
        EXPECT_EQ(clockReadings, c.clockReadings) << "input \"" << c.input << '"';
    }
}

TEST(ScanDialogue, RandomPlanetAtTheOriginIsTheOriginPlanet) {
    // Clock seed 406495770 draws the remainders 2499, 49 and 2499.
    EXPECT_EQ(runDialogue("1\n", 406495770), banner + selecting + report("0:0:0", originPlanet));
}

TEST(SelectRandomCoordinates, DrawsXThenYThenZFromTheClockSeed) {
    struct Case {
        std::uint32_t clockSeed;
        Coordinates expected;
    };
    const Case cases[] = {
        {0, {-2461, -30, -1261}},
        {14, {-2415, -24, 1693}},
        {1765432100, {-458, -22, -1851}},
        {4294967295U, {-2464, -10, 875}},
    };
    for (const Case& c : cases) {
        clockSeedValue = c.clockSeed;
        Coordinates drawn{7, 8, 9};
        std::ostringstream out;
        scanner::selectRandomCoordinates(drawn, out, fixedClock);
        EXPECT_EQ(out.str(), selecting);
        EXPECT_EQ(drawn, c.expected) << "clock seed " << c.clockSeed;
    }
}

// The coordinates start at 7:8:9 so that a failed read that overwrote its target would show.
TEST(ReadCoordinates, KeepsWhatCannotBeReadAndStopsAtTheFirstFailure) {
    struct Case {
        const char* input;
        Coordinates expected;
    };
    const Case cases[] = {
        {"10\n-3\n7\n", {10, -3, 7}},
        {"10 -3 7", {10, -3, 7}},
        {"\t\v\f\r\n 10\r\n\r\n-3\t7", {10, -3, 7}},
        {"+10 -0 007", {10, 0, 7}},
        {"2147483647 -2147483648 0", {2147483647, -2147483647 - 1, 0}},
        {"12abc 4 4", {12, 8, 9}},
        {"1.5 2 3", {1, 8, 9}},
        {"0x1F 2 3", {0, 8, 9}},
        {"letters 5 6", {7, 8, 9}},
        {"5 letters 6", {5, 8, 9}},
        {"2147483648 1 1", {7, 8, 9}},
        {"-2147483649 1 1", {7, 8, 9}},
        {"99999999999999999999 1 1", {7, 8, 9}},
        {"+ 5 6 7", {7, 8, 9}},
        {"--5 6 7", {7, 8, 9}},
        {"\xff\xfe 1 2", {7, 8, 9}},
        {"", {7, 8, 9}},
        {"5", {5, 8, 9}},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.input);
        std::ostringstream out;
        Coordinates read{7, 8, 9};
        scanner::readCoordinates(read, in, out);
        EXPECT_EQ(out.str(), prompts) << "input \"" << c.input << '"';
        EXPECT_EQ(read, c.expected) << "input \"" << c.input << '"';
    }
}

TEST(ReadCoordinates, FailureConsumesNothingMore) {
    std::istringstream in("5 letters 6 7");
    std::ostringstream out;
    Coordinates read;
    scanner::readCoordinates(read, in, out);
    in.clear();
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "letters 6 7");
}

// Output that, like a terminal's, shows only what has been flushed.
class Screen : public std::stringbuf {
public:
    std::string shown;

protected:
    int sync() override {
        shown = str();
        return 0;
    }
};

// Input that hands out one line at a time, as a terminal does, and notes what the screen showed
// each time the program had to wait for another line.
class Keyboard : public std::streambuf {
public:
    Keyboard(std::vector<std::string> lines, const Screen& screen)
        : lines_(std::move(lines)), screen_(screen) {}

    [[nodiscard]] const std::vector<std::string>& shownWhileWaiting() const {
        return shownWhileWaiting_;
    }

protected:
    int_type underflow() override {
        if (next_ == lines_.size()) {
            return traits_type::eof();
        }
        shownWhileWaiting_.push_back(screen_.shown);
        std::string& line = lines_[next_++];
        setg(line.data(), line.data(), line.data() + line.size()); // NOLINT: the get area's end
        return traits_type::to_int_type(line.front());
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    const Screen& screen_;
    std::vector<std::string> shownWhileWaiting_;
};

// The screen of the test below, which the pause double looks at.
Screen screen;
std::string shownAtPause;
void notePause() {
    shownAtPause = screen.shown;
}

TEST(ScanDialogue, ShowsEachPromptBeforeWaitingAndTheWholeReportBeforeThePause) {
    Keyboard keyboard({"2\n", "10\n", "-3\n", "7\n"}, screen);
    std::istream in(&keyboard);
    std::ostream out(&screen);

    scanner::runScanDialogue(in, out, fixedClock, notePause);

    const std::vector<std::string> expectedWhileWaiting = {
        banner,
        banner + "Enter x:\n",
        banner + "Enter x:\nEnter y:\n",
        banner + prompts,
    };
    EXPECT_EQ(keyboard.shownWhileWaiting(), expectedWhileWaiting);
    EXPECT_EQ(shownAtPause, banner + prompts + report("10:-3:7", planetOfSeed14));
}

} // namespace
