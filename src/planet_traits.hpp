#pragma once

#include <cstdint>
#include <iostream>

// A planet is made from its coordinates alone: the generator is seeded with their sum and the
// traits are drawn from it, so the same coordinates always give the same planet.
namespace scanner {

struct Coordinates {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t z = 0;
};

// Each trait lies in 1 to 100.
struct PlanetTraits {
    std::int32_t habitability = 0;
    std::int32_t mineralWealth = 0;
    std::int32_t surface = 0;
};

// The planet at 0:0:0 is always this one.
inline constexpr PlanetTraits originTraits{99, 30, 70};

// Seeds the generator with the coordinate sum, wrapped to 32 bits.
void seedFromCoordinates(const Coordinates& coordinates);

// Draws the three traits; call it right after seedFromCoordinates with the same coordinates.
PlanetTraits rollTraits(const Coordinates& coordinates);

// Writes one sentence per trait, back to back, with nothing before, between or after them.
void writeDescription(const PlanetTraits& traits, std::ostream& out = std::cout);

} // namespace scanner
