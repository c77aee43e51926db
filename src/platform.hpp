#pragma once

#include <cstdint>

// The few services the program takes from its platform, made to behave the same everywhere.
namespace scanner {

// The pseudo-random generator: a linear congruential generator with process-wide state, the same
// one the Windows C runtime uses behind srand and rand, so that a seed yields the same draws on
// every system and compiler.
void seedGenerator(std::uint32_t seed);
std::int32_t drawFromGenerator(); // 0 to 32767

// The calendar time in seconds, modulo 2^32, for seeding the random selection.
std::uint32_t clockSeed();

// Keeps the console open until a key is pressed. Call it with standard output flushed.
void pauseForKeyPress();

// A reader that goes away must not kill the program: writes then simply fail.
void ignoreBrokenPipe();

} // namespace scanner
