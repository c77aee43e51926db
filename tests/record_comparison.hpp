#pragma once

#include "planet_traits.hpp"

#include <ostream>

// Equality and printing for the program's records, so that tests can compare them whole.
namespace scanner {

inline bool operator==(const Coordinates& left, const Coordinates& right) {
    return left.x == right.x && left.y == right.y && left.z == right.z;
}

inline bool operator==(const PlanetTraits& left, const PlanetTraits& right) {
    return left.habitability == right.habitability && left.mineralWealth == right.mineralWealth &&
           left.surface == right.surface;
}

inline std::ostream& operator<<(std::ostream& out, const Coordinates& coordinates) {
    return out << coordinates.x << ':' << coordinates.y << ':' << coordinates.z;
}

inline std::ostream& operator<<(std::ostream& out, const PlanetTraits& traits) {
    return out << '{' << traits.habitability << ", " << traits.mineralWealth << ", "
               << traits.surface << '}';
}

} // namespace scanner
