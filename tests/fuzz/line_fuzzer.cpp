// One input line through the batch solver's parser and the whole pipeline, compared placement for
// placement with the plain reference search of the engine tests. A second line, when there is
// one, picks the placement budget, so that give-ups at every count get their turn and none costs
// more than a few milliseconds under the sanitizers.
#include "fuzz_check.h"
#include "reference_solver.h"

#include "model/puzzle_line.h"
#include "solver/pipeline.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace quadrelle;

namespace {

constexpr std::int32_t DefaultBudget = 4096;

std::int32_t BudgetFrom(std::string_view text)
{
    std::int32_t budget = 0;
    for (char c : text.substr(0, 4))
        budget = budget * 10 + static_cast<unsigned char>(c - '0') % 10;
    return budget == 0 ? DefaultBudget : budget;
}

int DigitOf(char c)
{
    return c >= '1' && c <= '9' ? c - '0' : 0;
}

// Every row, column and box of a complete grid holds each digit once.
bool IsCompleteSudoku(const Grid &grid)
{
    for (int unit = 0; unit < 27; ++unit) {
        int seen = 0;
        for (int k = 0; k < 9; ++k) {
            const int p = unit < 9 ? unit * 9 + k
                : unit < 18        ? k * 9 + unit - 9
                                   : ((unit - 18) / 3 * 3 + k / 3) * 9 + (unit - 18) % 3 * 3 + k % 3;
            const int d = grid[static_cast<std::size_t>(p)];
            if (d < 1 || d > 9)
                return false;
            seen |= 1 << d;
        }
        if (seen != 0x3FE)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    const std::int32_t budget = end == std::string_view::npos ? DefaultBudget : BudgetFrom(text.substr(end + 1));

    const PuzzleLine parsed = ParsePuzzleLine(line);
    if (parsed.kind != PuzzleLine::Kind::Puzzle)
        return 0;
    FUZZ_CHECK(line.size() >= 81);
    for (std::size_t p = 0; p < 81; ++p) {
        FUZZ_CHECK(line[p] == '.' || (line[p] >= '0' && line[p] <= '9'));
        FUZZ_CHECK(parsed.givens[p] == DigitOf(line[p]));
    }

    const test::ReferenceRun reference = test::ReferenceSolve(parsed.givens, budget);
    const auto result = SolvePuzzle(parsed.givens, {}, budget);
    FUZZ_CHECK(result.has_value() == reference.validGivens);
    if (!result)
        return 0;

    const Outcome expected = reference.gaveUp ? Outcome::GaveUp
        : reference.stopSearch                ? Outcome::Solved
                                              : Outcome::NoSolution;
    FUZZ_CHECK(result->outcome == expected);
    FUZZ_CHECK(result->placements == reference.searchCount);
    FUZZ_CHECK(result->placements <= budget);
    FUZZ_CHECK(result->grid == (expected == Outcome::Solved ? reference.final : reference.afterPropagation));
    if (result->outcome == Outcome::Solved) {
        FUZZ_CHECK(IsCompleteSudoku(result->grid));
        for (std::size_t p = 0; p < 81; ++p)
            FUZZ_CHECK(parsed.givens[p] == 0 || parsed.givens[p] == result->grid[p]);
    }
    return 0;
}
