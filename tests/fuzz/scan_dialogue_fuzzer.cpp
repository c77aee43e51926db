// Runs the whole dialogue over arbitrary input bytes and checks what must hold for every input:
// the report's shape, the replies read, the coordinates, the planet described, and how the
// generator was used.

#include "planet_traits.hpp"
#include "platform.hpp"
#include "scan_dialogue.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>

namespace {

constexpr std::string_view banner = "QX: Vantorel\nOmrel V\n 1:Random Planet\n 2:Co-ordinates\n";
constexpr std::string_view prompts = "Enter x:\nEnter y:\nEnter z:\n";
constexpr std::string_view selecting = "Selecting...\n";
constexpr std::string_view header = "Scanning for planets in system.\n...\nPlanet found!\n"
                                    "The planet at ";
constexpr std::string_view headerEnd = " is unnamed.\nKnown planet data:\n";
constexpr std::string_view trailer = "\n\n";

void require(bool condition, const char* what) {
    if (!condition) {
        static_cast<void>(std::fputs("invariant broken: ", stderr));
        static_cast<void>(std::fputs(what, stderr));
        static_cast<void>(std::fputs("\n", stderr));
        std::abort();
    }
}

// The clock double returns a seed taken from the input, so that random mode is explored across
// many seeds without the corpus having to carry one.
std::uint32_t clockValue = 0;
int clockReadings = 0;
std::uint32_t inputClock() {
    ++clockReadings;
    return clockValue;
}

// FNV-1a: any input byte changes the seed.
std::uint32_t hashOf(std::string_view input) {
    constexpr std::uint32_t offsetBasis = 2166136261U;
    constexpr std::uint32_t prime = 16777619U;
    std::uint32_t hash = offsetBasis;
    for (const char byte : input) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * prime;
    }
    return hash;
}

// The dialogue's output, emptied for each input; the pause double records how much of it had
// been written when it was called.
std::ostringstream dialogueOutput;
int pauses = 0;
std::size_t outputAtPause = 0;
void recordPause() {
    ++pauses;
    outputAtPause = dialogueOutput.str().size();
}

bool consume(std::string_view& text, std::string_view prefix) {
    const bool found = text.substr(0, prefix.size()) == prefix;
    if (found) {
        text.remove_prefix(prefix.size());
    }
    return found;
}

// Reads a coordinate as the header must write it: plain decimal, a minus sign only for a
// negative value, no leading zeros.
bool consumeCoordinate(std::string_view& text, std::int32_t& value) {
    const char* const end = text.data() + text.size(); // NOLINT: the end of the text's characters
    if (std::from_chars(text.data(), end, value).ec != std::errc{}) {
        return false;
    }
    return consume(text, std::to_string(value));
}

// A model of the replies as formatted stream input reads them, written from the rules rather
// than from the stream: white space skipped, an optional sign, decimal digits that must fit 32
// bits. A reply that can't be read leaves its target alone, and so does every reply after it.
class ReplyModel {
public:
    explicit ReplyModel(std::string_view input) : rest_(input) {}

    void read(std::int32_t& target) {
        if (failed_) {
            return;
        }
        while (!rest_.empty() && isWhiteSpace(rest_.front())) {
            rest_.remove_prefix(1);
        }
        bool negative = false;
        if (!rest_.empty() && (rest_.front() == '+' || rest_.front() == '-')) {
            negative = rest_.front() == '-';
            rest_.remove_prefix(1);
        }
        const std::int64_t limit = negative ? -std::int64_t{INT32_MIN} : INT32_MAX;
        std::int64_t magnitude = 0;
        bool anyDigit = false;
        while (!rest_.empty() && rest_.front() >= '0' && rest_.front() <= '9') {
            magnitude = std::min(magnitude * 10 + (rest_.front() - '0'), limit + 1);
            anyDigit = true;
            rest_.remove_prefix(1);
        }
        failed_ = !anyDigit || magnitude > limit;
        if (!failed_) {
            target = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
        }
    }

private:
    static bool isWhiteSpace(char character) {
        return std::string_view(" \t\n\v\f\r").find(character) != std::string_view::npos;
    }

    std::string_view rest_;
    bool failed_ = false;
};

bool inRange(std::int32_t value, std::int32_t lowest, std::int32_t highest) {
    return value >= lowest && value <= highest;
}

std::string descriptionOf(const scanner::PlanetTraits& traits) {
    std::ostringstream out;
    scanner::writeDescription(traits, out);
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The bytes as the characters a stream reads.
    const std::string_view input(reinterpret_cast<const char*>(data), size); // NOLINT
    std::istringstream in{std::string(input)};
    dialogueOutput.str("");
    dialogueOutput.clear();
    clockValue = hashOf(input);
    clockReadings = 0;
    pauses = 0;

    const int status = scanner::runScanDialogue(in, dialogueOutput, inputClock, recordPause);
    // Taken before anything below touches the generator.
    const std::int32_t nextDraw = scanner::drawFromGenerator();

    const std::string output = dialogueOutput.str();
    require(status == 0, "exit status is 0");
    require(pauses == 1 && outputAtPause == output.size(), "one pause, after all the output");

    std::string_view rest = output;
    require(consume(rest, banner), "the banner comes first");
    const bool typed = consume(rest, prompts);
    const bool random = !typed && consume(rest, selecting);
    require(clockReadings == (random ? 1 : 0), "the clock is read in random mode only");
    require(consume(rest, header), "the report header follows the banner and any prompts");
    require(output.find(header) == output.rfind(header), "exactly one report header");

    scanner::Coordinates coordinates;
    require(consumeCoordinate(rest, coordinates.x) && consume(rest, ":") &&
                consumeCoordinate(rest, coordinates.y) && consume(rest, ":") &&
                consumeCoordinate(rest, coordinates.z) && consume(rest, headerEnd),
            "the header shows three coordinates as x:y:z");
    if (random) {
        require(inRange(coordinates.x, -2499, 2500) && inRange(coordinates.y, -49, 50) &&
                    inRange(coordinates.z, -2499, 2500),
                "random coordinates lie in -2499..2500, -49..50, -2499..2500");
    }
    ReplyModel replies(input);
    std::int32_t choice = 1;
    replies.read(choice);
    require(typed == (choice == 2) && random == (choice == 1),
            "the menu reply selects typed coordinates, a random planet or neither");
    if (!random) {
        scanner::Coordinates expected;
        if (typed) {
            replies.read(expected.x);
            replies.read(expected.y);
            replies.read(expected.z);
        }
        require(coordinates.x == expected.x && coordinates.y == expected.y &&
                    coordinates.z == expected.z,
                "the header shows the coordinates typed, or 0:0:0 without a selection");
    }

    // Exactly three draws after seeding from the header's coordinates: the planet drawn here must
    // be the one described, and the dialogue's next draw must be the fourth.
    scanner::seedFromCoordinates(coordinates);
    const std::string expectedDescription = descriptionOf(scanner::rollTraits(coordinates));
    require(nextDraw == scanner::drawFromGenerator(), "the traits take exactly three draws");
    require(consume(rest, expectedDescription), "the sentences are those of that planet");
    const bool atOrigin = coordinates.x == 0 && coordinates.y == 0 && coordinates.z == 0;
    if (atOrigin) {
        require(expectedDescription == descriptionOf(scanner::originTraits),
                "the planet at 0:0:0 is the origin planet");
    }
    require(rest == trailer, "the trailer ends the output");
    return 0;
}
