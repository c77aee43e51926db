#pragma once

#include "planet_traits.hpp"

#include <ostream>

// Equality and printing for the program's records, so that tests can compare them whole.
namespace scanner {

inline bool operator==(const Coordinates& a, const Coordinates& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

inline bool operator==(const PlanetTraits& a, const PlanetTraits& b) {
    return a.habitability == b.habitability && a.mineralWealth == b.mineralWealth &&
           a.surface == b.surface;
}

inline std::ostream& operator<<(std::ostream& out, const Coordinates& c) {
    return out << c.x << ':' << c.y << ':' << c.z;
}

inline std::ostream& operator<<(std::ostream& out, const PlanetTraits& t) {
    return out << '{' << t.habitability << ", " << t.mineralWealth << ", " << t.surface << '}';
}

} // namespace scanner
