#include "generate/generator.h"

#include "counter/solution_count.h"
#include "generate/solution_grid.h"
#include "model/digits.h"

namespace quadrelle::generate {

namespace {

// Takes givens away from a solution grid. Most verdicts need no counter: a cell that the other
// givens force by a single keeps the solution unique, and an empty rectangle of two digits over
// two boxes lets them swap, so that the solution is no longer the only one.
class Carver {
public:
    explicit Carver(const Grid &solution) : solution_(solution), puzzle_(solution)
    {
        used_.fill(AllDigits);
        for (int cell = 0; cell < 81; ++cell)
            rowInColumn_[static_cast<std::size_t>(ColumnOf(Cell(cell)))][solution[static_cast<std::size_t>(cell)]]
                = static_cast<std::uint8_t>(RowOf(Cell(cell)));
    }

    // Takes the orbit away if the solution stays the only one.
    bool TryTake(const Orbit &orbit)
    {
        SetOrbit(orbit, false);
        if (Forced(orbit) || (!SwappableRectangle(orbit) && CountSolutions(puzzle_).solutions == 1))
            return true;
        SetOrbit(orbit, true);
        return false;
    }

    const Grid &Puzzle() const { return puzzle_; }

private:
    std::uint8_t At(int cell) const { return puzzle_[static_cast<std::size_t>(cell)]; }
    std::uint8_t SolutionAt(int cell) const { return solution_[static_cast<std::size_t>(cell)]; }

    void SetOrbit(const Orbit &orbit, bool given)
    {
        for (std::uint8_t i = 0; i < orbit.size; ++i) {
            const int cell = orbit.cells[i];
            const std::uint8_t digit = SolutionAt(cell);
            puzzle_[static_cast<std::size_t>(cell)] = given ? digit : 0;
            for (const std::uint8_t unit : UnitsOf(Cell(cell))) {
                std::uint16_t &used = used_[static_cast<std::size_t>(unit)];
                used = static_cast<std::uint16_t>(given ? used | BitOf(Digit(digit)) : used & ~BitOf(Digit(digit)));
            }
        }
    }

    // The digits the givens of an open cell's row, column and box hold.
    unsigned Seen(int cell) const
    {
        const auto &[row, column, box] = UnitsOf(Cell(cell));
        return used_[row] | used_[column] | used_[box];
    }

    bool Forced(const Orbit &orbit) const
    {
        for (std::uint8_t i = 0; i < orbit.size; ++i)
            if (!NakedSingle(orbit.cells[i]) && !HiddenSingle(orbit.cells[i]))
                return false;
        return true;
    }

    // Its peers hold all digits but one.
    bool NakedSingle(int cell) const { return IsSingle(static_cast<std::int32_t>(Seen(cell)) ^ AllDigits); }

    // Every other open cell of one of its units sees the cell's digit.
    bool HiddenSingle(int cell) const
    {
        const auto digit = static_cast<unsigned>(BitOf(Digit(SolutionAt(cell))));
        for (const std::uint8_t unit : UnitsOf(Cell(cell))) {
            bool alone = true;
            for (const std::uint8_t other : UnitCells(unit)) {
                alone = other == cell || At(other) != 0 || (Seen(other) & digit) != 0;
                if (!alone)
                    break;
            }
            if (alone)
                return true;
        }
        return false;
    }

    bool SwappableRectangle(const Orbit &orbit) const
    {
        for (std::uint8_t i = 0; i < orbit.size; ++i)
            if (SwappableRectangle(orbit.cells[i]))
                return true;
        return false;
    }

    // Cells (r, c), (r, c2), (r2, c), (r2, c2) holding a, b, b, a, all open, in two boxes.
    bool SwappableRectangle(int cell) const
    {
        const int row = RowOf(Cell(cell)), column = ColumnOf(Cell(cell));
        for (int column2 = 0; column2 < 9; ++column2) {
            const int corner = row * 9 + column2;
            if (column2 == column || At(corner) != 0)
                continue;
            const int row2 = rowInColumn_[static_cast<std::size_t>(column)][SolutionAt(corner)];
            const bool twoBoxes = (row / 3 == row2 / 3) != (column / 3 == column2 / 3);
            if (twoBoxes && SolutionAt(row2 * 9 + column2) == SolutionAt(cell) && At(row2 * 9 + column) == 0
                && At(row2 * 9 + column2) == 0)
                return true;
        }
        return false;
    }

    const Grid &solution_;
    Grid puzzle_;
    // The row of each digit in each column of the solution.
    std::array<std::array<std::uint8_t, 10>, 9> rowInColumn_ {};
    // The digits (bit d) the givens hold in each unit. A solution holds each digit once in a
    // unit, so a given taken away clears its bit.
    std::array<std::uint16_t, 27> used_ {};
};

} // namespace

Grid CarvePuzzle(const Grid &solution, Random &random, const GenerateOptions &options)
{
    Carver carver(solution);
    std::vector<Orbit> orbits = OrbitsOf(options.symmetry);
    random.Shuffle(std::span(orbits));
    for (const Orbit &orbit : orbits)
        if (!carver.TryTake(orbit) && !options.minimal)
            break;
    return carver.Puzzle();
}

GeneratedPuzzle GeneratePuzzle(
    std::uint64_t runSeed, std::uint64_t index, const GenerateOptions &options, const PuzzleFilter &keep)
{
    Random random(PuzzleSeed(runSeed, index));
    GeneratedPuzzle generated;
    for (;;) {
        generated.solution = RandomSolutionGrid(random);
        generated.puzzle = CarvePuzzle(generated.solution, random, options);
        ++generated.candidates;
        if (!keep)
            return generated;
        const bool kept = keep(generated.puzzle);
        // A filter stopped part-way may have kept what it never finished judging.
        if (options.stop != nullptr && options.stop->load()) {
            generated.abandoned = true;
            return generated;
        }
        if (kept)
            return generated;
    }
}

} // namespace quadrelle::generate
