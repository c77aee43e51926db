#include "planet_traits.hpp"

#include "platform.hpp"

#include <array>
#include <cstddef>
#include <string_view>

namespace scanner {

namespace {

// One row of a trait's table: the values from lowest to highest, both inclusive, and the sentence.
struct TraitBand {
    std::int32_t lowest;
    std::int32_t highest;
    std::string_view sentence;
};

constexpr std::size_t bandsPerTrait = 5;
constexpr std::int32_t highestTraitValue = 100; // trait values lie in 1 to 100

using TraitTable = std::array<TraitBand, bandsPerTrait>;

// The sentences stand exactly as the reports print them, spacing and punctuation included.
constexpr TraitTable habitabilityBands{{
    {1, 34, "The planet is horribly toxic, "},
    {35, 64, "The planet is barren with very little potable water, "},
    {65, 84, "The planet is habitable with only simple support, "},
    {85, 94, "The planet is uncomfortable but habitable to humans, "},
    {95, 100, "The planet is earthlike and lovely,"},
}};

constexpr TraitTable mineralWealthBands{{
    {1, 14, "and almost completely devoid of rare minerals."},
    {15, 39, "with modest amounts of minerals."},
    {40, 59, "of average mineral wealth."},
    {60, 84, "with plentiful resources."},
    {85, 100, "but colonists may be more interested in the vast mineral wealth instead."},
}};

constexpr TraitTable surfaceBands{{
    {1, 19, "The dominant features of the surface are the large craters."},
    {20, 39, "There is only one large continent."},
    {40, 59, "The planet is mostly plains with many small, isolated lowlands."},
    {60, 79, "There are several techtonic plates and continents"},
    {80, 100, "The planet is covered in seas, with little land."},
}};

// Every trait value must select exactly one band.
constexpr bool coversOneToHundredInOrder(const TraitTable& table) {
    std::int32_t next = 1;
    for (const TraitBand& band : table) {
        if (band.lowest != next || band.highest < band.lowest) {
            return false;
        }
        next = band.highest + 1;
    }
    return next == highestTraitValue + 1;
}
static_assert(coversOneToHundredInOrder(habitabilityBands));
static_assert(coversOneToHundredInOrder(mineralWealthBands));
static_assert(coversOneToHundredInOrder(surfaceBands));

std::string_view sentenceFor(const TraitTable& table, std::int32_t value) {
    for (const TraitBand& band : table) {
        if (value <= band.highest) {
            return band.sentence;
        }
    }
    return table.back().sentence;
}

std::int32_t drawTraitValue() {
    return drawFromGenerator() % highestTraitValue + 1;
}

} // namespace

void seedFromCoordinates(const Coordinates& coordinates) {
    // Unsigned arithmetic wraps exactly as two's complement does, without signed overflow.
    seedGenerator(static_cast<std::uint32_t>(coordinates.x) +
                  static_cast<std::uint32_t>(coordinates.y) +
                  static_cast<std::uint32_t>(coordinates.z));
}

PlanetTraits rollTraits(const Coordinates& coordinates) {
    // A braced list is evaluated left to right: habitability, mineral wealth, surface.
    const PlanetTraits drawn{drawTraitValue(), drawTraitValue(), drawTraitValue()};
    const bool atOrigin = coordinates.x == 0 && coordinates.y == 0 && coordinates.z == 0;
    return atOrigin ? originTraits : drawn;
}

void writeDescription(const PlanetTraits& traits, std::ostream& out) {
    out << sentenceFor(habitabilityBands, traits.habitability)
        << sentenceFor(mineralWealthBands, traits.mineralWealth)
        << sentenceFor(surfaceBands, traits.surface);
}

} // namespace scanner
