#include "counter/solution_count.h"

#include "counter/candidates.h"

namespace quadrelle {

using counting::Candidates;
using counting::Guess;

namespace {

// One level of the search: the candidates before its guess, and the guess.
struct Level {
    Candidates candidates;
    Guess guess;
};

} // namespace

SolutionCount CountSolutions(const std::array<std::uint8_t, 81> &cells)
{
    SolutionCount result;
    // Each guess fixes a cell, so 81 guesses at most lie on the way to any leaf.
    std::array<Level, 82> levels;
    if (!levels[0].candidates.Start(cells)) {
        result.repeatedGiven = true;
        return result;
    }
    int top = 0;
    bool alive = levels[0].candidates.Propagate();
    for (;;) {
        if (alive) {
            Level &level = levels[static_cast<std::size_t>(top)];
            if (!level.candidates.Solved()) {
                level.guess = level.candidates.ChooseGuess();
                Level &next = levels[static_cast<std::size_t>(top + 1)];
                next.candidates = level.candidates;
                alive = next.candidates.Place(level.guess.cell, level.guess.digit) && next.candidates.Propagate();
                ++top;
                ++result.guesses;
                continue;
            }
            level.candidates.Write(result.solutions == 0 ? result.first : result.second);
            if (++result.solutions == 2)
                return result;
        }
        // A dead end or a solution: the parent goes on without its guess.
        if (top == 0)
            return result;
        --top;
        Level &parent = levels[static_cast<std::size_t>(top)];
        parent.candidates.Remove(parent.guess.cell, parent.guess.digit);
        alive = parent.candidates.Propagate();
    }
}

} // namespace quadrelle
