#include "logic/step_focus.h"

#include "logic/candidate_grid.h"
#include "model/cell_set.h"

#include <bit>
#include <string_view>
#include <vector>

namespace quadrelle::logic {

namespace {

bool Named(const Step &step, std::string_view part)
{
    return step.technique.find(part) != std::string_view::npos;
}

CellSet RemovedCells(const Step &step)
{
    CellSet cells;
    for (const Candidate &c : step.eliminations)
        cells.Set(c.cell.Index());
    return cells;
}

// Every cell of `cells` sees every cell of `seen`.
bool SeesAll(const CellSet &cells, const CellSet &seen)
{
    bool all = true;
    cells.ForEach([&](int cell) { all = all && (Peers[cell] & seen) == seen; });
    return all;
}

// A box is named before a line, as the ladder looks in boxes first.
constexpr std::array<int, 27> UnitOrder = [] {
    std::array<int, 27> order {};
    for (int i = 0; i < 27; ++i)
        order[i] = (i + 18) % 27;
    return order;
}();

StepFocus HiddenSingle(const CandidateGrid &grid, const Step &step)
{
    const Candidate placed = step.placements.front();
    for (const int unit : UnitOrder)
        if (UnitSets[unit].Has(placed.cell.Index()) && (UnitSets[unit] & grid.CellsOf(placed.digit)).Count() == 1)
            return {unit, CellSet::Of(placed.cell.Index())};
    return {};
}

// The digit's places in a unit, outside the removals, all see every removal.
StepFocus Locked(const CandidateGrid &grid, const Step &step)
{
    const DigitMask digits = RemovedDigits(step);
    if (CountOf(digits) != 1)
        return {};
    const Digit digit = LowestDigit(digits);
    const CellSet removed = RemovedCells(step);
    for (const int unit : UnitOrder) {
        const CellSet places = UnitSets[unit] & grid.CellsOf(digit);
        if (places.Count() >= 2 && (places & removed).Empty() && SeesAll(removed, places))
            return {unit, places};
    }
    return {};
}

// `size` cells of `pool` whose candidates together are `size` digits, the removed ones among them.
bool FindSubset(const CandidateGrid &grid, const std::vector<int> &pool, std::size_t from, int size,
    DigitMask removed, CellSet chosen, DigitMask digits, CellSet &found)
{
    if (chosen.Count() == size) {
        if (CountOf(digits) != size || (digits & removed) != removed)
            return false;
        found = chosen;
        return true;
    }
    for (std::size_t i = from; i < pool.size(); ++i) {
        const DigitMask more = static_cast<DigitMask>(digits | grid.Candidates(pool[i]));
        if (CountOf(more) <= size
            && FindSubset(grid, pool, i + 1, size, removed, chosen | CellSet::Of(pool[i]), more, found))
            return true;
    }
    return false;
}

// `size` cells of a unit holding `size` digits between them, the removed ones, seen by every
// removal.
StepFocus NakedSubset(const CandidateGrid &grid, const Step &step, int size)
{
    const DigitMask digits = RemovedDigits(step);
    const CellSet removed = RemovedCells(step);
    // The unit of the removals first: a pair in a row and a box may clear either.
    std::vector<int> units;
    for (const int unit : UnitOrder)
        if ((UnitSets[unit] & removed) == removed)
            units.push_back(unit);
    units.insert(units.end(), UnitOrder.begin(), UnitOrder.end());
    for (const int unit : units) {
        std::vector<int> pool;
        (UnitSets[unit] & grid.Open() & ~removed).ForEach([&](int cell) {
            if (CountOf(grid.Candidates(cell)) <= size && SeesAll(removed, CellSet::Of(cell)))
                pool.push_back(cell);
        });
        CellSet subset;
        if (FindSubset(grid, pool, 0, size, digits, {}, 0, subset))
            return {unit, subset};
    }
    return {};
}

// `size` digits, none removed, whose places in a unit are `size` cells, the removals' among them.
StepFocus HiddenSubset(const CandidateGrid &grid, const Step &step, int size)
{
    const DigitMask removedDigits = RemovedDigits(step);
    const CellSet removed = RemovedCells(step);
    for (const int unit : UnitOrder) {
        if ((UnitSets[unit] & removed) != removed)
            continue;
        for (std::int32_t kept = 0; kept <= AllDigits; kept += 2) {
            if (CountOf(kept) != size || (kept & removedDigits) != 0)
                continue;
            CellSet places;
            bool everyDigitHolds = true;
            for (std::int32_t m = kept; m; m &= m - 1) {
                const CellSet own = UnitSets[unit] & grid.CellsOf(LowestDigit(m));
                everyDigitHolds = everyDigitHolds && !own.Empty();
                places |= own;
            }
            if (everyDigitHolds && places.Count() == size && (places & removed) == removed)
                return {unit, places};
        }
    }
    return {};
}

// The lines of the other kind (columns for rows) that `cells` lie in, as a mask of nine.
unsigned CrossLines(const CellSet &cells, int base)
{
    unsigned lines = 0;
    cells.ForEach([&](int cell) { lines |= 1u << (base == 0 ? ColumnOf(Cell(cell)) : RowOf(Cell(cell))); });
    return lines;
}

// `size` base lines of one kind (rows from 0, columns from 9), free of removals, whose places of
// the digit lie in `size` lines of the other kind, the lines of every removal.
StepFocus Fish(const CandidateGrid &grid, const Step &step, int size)
{
    const DigitMask digits = RemovedDigits(step);
    if (CountOf(digits) != 1)
        return {};
    const Digit digit = LowestDigit(digits);
    const CellSet removed = RemovedCells(step);
    for (const int base : {0, 9}) {
        const unsigned covers = CrossLines(removed, base);
        for (unsigned bases = 0; bases < 512; ++bases) {
            if (std::popcount(bases) != size)
                continue;
            CellSet corners;
            bool everyLineHolds = true;
            for (unsigned m = bases; m; m &= m - 1) {
                const CellSet places = UnitSets[base + std::countr_zero(m)] & grid.CellsOf(digit);
                everyLineHolds = everyLineHolds && !places.Empty();
                corners |= places;
            }
            const unsigned crossed = CrossLines(corners, base);
            if (everyLineHolds && (corners & removed).Empty() && std::popcount(crossed) == size
                && (crossed & covers) == covers)
                return {-1, corners};
        }
    }
    return {};
}

} // namespace

StepFocus FocusOf(const CandidateGrid &grid, const Step &step)
{
    if (Named(step, "Hidden Single") && step.placements.size() == 1)
        return HiddenSingle(grid, step);
    if (step.eliminations.empty())
        return {};
    if (Named(step, "Pointing") || Named(step, "Claiming"))
        return Locked(grid, step);
    if (Named(step, "Naked Pair"))
        return NakedSubset(grid, step, 2);
    if (Named(step, "Naked Triple"))
        return NakedSubset(grid, step, 3);
    if (Named(step, "Naked Quad"))
        return NakedSubset(grid, step, 4);
    if (Named(step, "Hidden Pair"))
        return HiddenSubset(grid, step, 2);
    if (Named(step, "Hidden Triple"))
        return HiddenSubset(grid, step, 3);
    if (Named(step, "Hidden Quad"))
        return HiddenSubset(grid, step, 4);
    if (Named(step, "X-Wing"))
        return Fish(grid, step, 2);
    if (Named(step, "Swordfish"))
        return Fish(grid, step, 3);
    if (Named(step, "Jellyfish"))
        return Fish(grid, step, 4);
    return {};
}

} // namespace quadrelle::logic
