#include "scan_dialogue.hpp"

namespace scanner {

namespace {

constexpr MenuChoice randomPlanetChoice = 1;
constexpr MenuChoice typedCoordinatesChoice = 2;

// A random coordinate is draw % span - offset: x and z lie in -2499..2500, y in -49..50.
constexpr std::int32_t xzSpan = 5000;
constexpr std::int32_t xzOffset = 2499;
constexpr std::int32_t ySpan = 100;
constexpr std::int32_t yOffset = 49;

// Reads one integer reply into target, but only if it can be read: on failure operator>> would
// store 0 or a limit, and the target must keep its preset value instead. A failure stays: every
// later read fails at once.
void readReply(std::istream& in, std::ostream& out, std::int32_t& target) {
    out.flush(); // the prompt must be visible while the program waits
    std::int32_t reply = 0;
    if (in >> reply) {
        target = reply;
    }
}

} // namespace

void readCoordinates(Coordinates& coordinates, std::istream& in, std::ostream& out) {
    out << "Enter x:\n";
    readReply(in, out, coordinates.x);
    out << "Enter y:\n";
    readReply(in, out, coordinates.y);
    out << "Enter z:\n";
    readReply(in, out, coordinates.z);
}

void selectRandomCoordinates(Coordinates& coordinates, std::ostream& out, Clock clock) {
    out << "Selecting...\n";
    seedGenerator(clock());
    coordinates.x = drawFromGenerator() % xzSpan - xzOffset;
    coordinates.y = drawFromGenerator() % ySpan - yOffset;
    coordinates.z = drawFromGenerator() % xzSpan - xzOffset;
}

int runScanDialogue(std::istream& in, std::ostream& out, Clock clock, Pause pause) {
    ignoreBrokenPipe();
    out << "QX: Vantorel\nOmrel V\n 1:Random Planet\n 2:Co-ordinates\n";
    MenuChoice choice = randomPlanetChoice;
    readReply(in, out, choice);

    Coordinates coordinates;
    if (choice == typedCoordinatesChoice) {
        readCoordinates(coordinates, in, out);
    }
    if (choice == randomPlanetChoice) {
        selectRandomCoordinates(coordinates, out, clock);
    }

    seedFromCoordinates(coordinates);
    out << "Scanning for planets in system.\n...\nPlanet found!\nThe planet at " << coordinates.x
        << ':' << coordinates.y << ':' << coordinates.z << " is unnamed.\nKnown planet data:\n";
    writeDescription(rollTraits(coordinates), out);
    out << "\n\n" << std::flush; // the whole report is on screen before the pause
    pause();
    return 0;
}

} // namespace scanner
