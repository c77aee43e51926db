#include "platform.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

using scanner::drawFromGenerator;
using scanner::seedGenerator;

// The draws the Windows C runtime's rand gives after srand with the same seed.
TEST(Generator, DrawsTheReferenceSequence) {
    struct Case {
        std::uint32_t seed;
        std::array<std::int32_t, 3> draws;
    };
    const Case cases[] = {
        {14, {84, 27125, 9192}},
        {0, {38, 7719, 21238}},
        {4294967295U, {35, 29739, 3374}},
    };
    for (const Case& c : cases) {
        seedGenerator(c.seed);
        for (const std::int32_t expected : c.draws) {
            EXPECT_EQ(drawFromGenerator(), expected) << "seed " << c.seed;
        }
    }
}

#ifdef _WIN32
// Why the program has a generator of its own: it draws what the Windows C runtime's srand and
// rand draw, so that every other system finds the same planets.
TEST(Generator, DrawsWhatTheWindowsRuntimeDraws) {
    constexpr std::uint32_t seedsFromZero = 10000;
    constexpr std::uint32_t spreadSeeds = 10000;
    constexpr std::uint32_t spreadStep = 429497; // about 2^32 / 10000
    constexpr int drawsPerSeed = 8;
    std::array<std::uint32_t, seedsFromZero + spreadSeeds + 1> seeds{};
    for (std::uint32_t i = 0; i < seedsFromZero; ++i) {
        seeds.at(i) = i;
    }
    for (std::uint32_t i = 0; i < spreadSeeds; ++i) {
        seeds.at(seedsFromZero + i) = seedsFromZero + i * spreadStep;
    }
    seeds.back() = 4294967295U;
    for (const std::uint32_t seed : seeds) {
        seedGenerator(seed);
        std::srand(seed);
        for (int draw = 0; draw < drawsPerSeed; ++draw) {
            ASSERT_EQ(drawFromGenerator(), std::rand()) << "seed " << seed << ", draw " << draw;
        }
    }
}
#endif

} // namespace
