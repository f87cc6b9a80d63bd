#include "generator.h"

#include "counter/solution_count.h"
#include "solution_grid.h"

#include <bit>

namespace quadrelle::generate {

namespace {

void SetOrbit(Grid &puzzle, const Orbit &orbit, const Grid &from)
{
    for (std::uint8_t i = 0; i < orbit.size; ++i)
        puzzle[orbit.cells[i]] = from[orbit.cells[i]];
}

// A cell whose peers hold the eight other digits can only be the one it had, so the solution
// stays the only one without asking the counter; most early removals are of that kind.
bool Forced(const Grid &puzzle, const Orbit &orbit)
{
    for (std::uint8_t i = 0; i < orbit.size; ++i)
        if (std::popcount(SeenDigits(puzzle, orbit.cells[i])) != 8)
            return false;
    return true;
}

bool StaysUnique(const Grid &puzzle, const Orbit &orbit)
{
    return Forced(puzzle, orbit) || CountSolutions(puzzle).solutions == 1;
}

} // namespace

Grid CarvePuzzle(const Grid &solution, Random &random, const GenerateOptions &options)
{
    static const Grid Empty {};
    Grid puzzle = solution;
    std::vector<Orbit> orbits = OrbitsOf(options.symmetry);
    random.Shuffle(std::span(orbits));
    for (const Orbit &orbit : orbits) {
        SetOrbit(puzzle, orbit, Empty);
        if (StaysUnique(puzzle, orbit))
            continue;
        SetOrbit(puzzle, orbit, solution);
        if (!options.minimal)
            break;
    }
    return puzzle;
}

GeneratedPuzzle GeneratePuzzle(
    std::uint64_t runSeed, std::uint64_t index, const GenerateOptions &options, const PuzzleFilter &keep)
{
    Random random(PuzzleSeed(runSeed, index));
    GeneratedPuzzle generated;
    do {
        generated.solution = RandomSolutionGrid(random);
        generated.puzzle = CarvePuzzle(generated.solution, random, options);
        ++generated.candidates;
    } while (keep && !keep(generated.puzzle));
    return generated;
}

} // namespace quadrelle::generate
