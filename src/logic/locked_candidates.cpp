#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

namespace quadrelle::logic {

namespace {

// Where a box and a line cross, as positions along each.
struct CrossPlaces {
    std::uint16_t inBox;
    std::uint16_t inLine;
};

constexpr CrossPlaces PlacesOfCrossing(int box, int line)
{
    const int b = box - BoxUnit(0);
    if (line < ColumnUnit(0))
        return {static_cast<std::uint16_t>(0x7 << 3 * (line % 3)), static_cast<std::uint16_t>(0x7 << 3 * (b % 3))};
    const int column = line - ColumnUnit(0);
    return {static_cast<std::uint16_t>(0x49 << column % 3), static_cast<std::uint16_t>(0x7 << 3 * (b / 3))};
}

inline constexpr std::array<CrossPlaces, Crossings.size()> CrossingPlaces = [] {
    std::array<CrossPlaces, Crossings.size()> places {};
    for (std::size_t i = 0; i < Crossings.size(); ++i)
        places[i] = PlacesOfCrossing(Crossings[i].box, Crossings[i].line);
    return places;
}();

// A digit whose places in `within` all lie in `along` leaves the rest of `along`. The direct form
// counts only where that leaves the digit a single place in a unit of the same kind as `within`,
// which it then takes.
bool Locked(const CandidateGrid &grid, bool boxFirst, bool direct, Step &step)
{
    for (const Digit digit : EveryDigit) {
        for (std::size_t c = 0; c < Crossings.size(); ++c) {
            const Crossing &crossing = Crossings[c];
            const CrossPlaces cross = CrossingPlaces[c];
            const int within = boxFirst ? crossing.box : crossing.line;
            const int along = boxFirst ? crossing.line : crossing.box;
            const std::uint16_t inside = grid.PlacesIn(within, digit);
            if (inside == 0 || (inside & ~(boxFirst ? cross.inBox : cross.inLine)) != 0)
                continue;
            const std::uint16_t removed = grid.PlacesIn(along, digit) & ~(boxFirst ? cross.inLine : cross.inBox);
            if (removed == 0)
                continue;
            for (int i = 0; i < 9; ++i)
                if (removed >> i & 1)
                    step.Eliminate(Cell(UnitCells(along)[i]), digit);
            if (!direct || TakeRevealedSingle(grid, UnitsLike(within), step))
                return true;
            step.eliminations.clear();
        }
    }
    return false;
}

} // namespace

bool FindPointing(const CandidateGrid &grid, Step &step) { return Locked(grid, true, false, step); }
bool FindClaiming(const CandidateGrid &grid, Step &step) { return Locked(grid, false, false, step); }
bool FindDirectPointing(const CandidateGrid &grid, Step &step) { return Locked(grid, true, true, step); }
bool FindDirectClaiming(const CandidateGrid &grid, Step &step) { return Locked(grid, false, true, step); }

} // namespace quadrelle::logic
