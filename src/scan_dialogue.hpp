#pragma once

#include "planet_traits.hpp"
#include "platform.hpp"

#include <cstdint>
#include <iostream>

// The program's whole dialogue: menu, coordinates, report, pause. One planet per run.
namespace scanner {

// The reply to the menu: 1 picks a random planet, 2 asks for coordinates, anything else scans
// 0:0:0.
using MenuChoice = std::int32_t;

// Stand-ins for the clock and the pause, so that tests can run the dialogue.
using Clock = std::uint32_t (*)();
using Pause = void (*)();

// Prompts for x, y and z in turn; a reply that can't be read leaves its coordinate as it was.
void readCoordinates(Coordinates& coordinates, std::istream& in = std::cin,
                     std::ostream& out = std::cout);

// Seeds the generator from the clock and draws x and z in -2499..2500, y in -49..50.
void selectRandomCoordinates(Coordinates& coordinates, std::ostream& out = std::cout,
                             Clock clock = clockSeed);

// Runs the scan from banner to pause and returns the exit status, which is always 0.
int runScanDialogue(std::istream& in = std::cin, std::ostream& out = std::cout,
                    Clock clock = clockSeed, Pause pause = pauseForKeyPress);

} // namespace scanner
