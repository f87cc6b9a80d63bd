#pragma once

// Depth-first search over the board model.
//
// Each step picks the empty cell with the fewest candidates (a candidate mask is the AND of
// the cell's row, column and box masks), tries its candidates in rising order and recurses;
// a failed branch empties the cell again. Ties keep the previous choice while it is still
// empty, otherwise the lowest position wins. The scan covers only LowCell..HighCell, the
// range in which empty cells may lie. Every placement counts against a budget (999,999 unless
// the owner lowers it, as fuzzing does); reaching it gives up with the trial digits left on
// the board. The same puzzle therefore always takes the same placements and gives the same
// outcome.

#include "model/board.h"

#include <array>
#include <cstdint>
#include <functional>

namespace quadrelle {

struct SearchState {
    std::int32_t SearchCount = 0;
    bool StopSearch = false;
    bool GaveUp = false;
    std::int32_t CurrentCell = 0;
    std::int32_t LowCell = 0;
    std::int32_t HighCell = 80;
    std::int32_t ChosenMask = 0;
};

using DigitBitTable = std::array<std::int32_t, 9>;

// DigitBit(d - 1) = 2^d.
constexpr DigitBitTable MakeDigitBit()
{
    DigitBitTable table {};
    for (int d = 1; d <= 9; ++d)
        table[static_cast<std::size_t>(d - 1)] = BitOf(Digit(d));
    return table;
}

// Lets the owner process pending events during a long search.
using EventHook = std::function<void()>;

class Search {
public:
    static constexpr std::int32_t DefaultPlacementLimit = 999'999;
    static constexpr std::int32_t EventInterval = 8192;

    // placementLimit >= 1, else std::invalid_argument.
    explicit Search(Board &board, EventHook hook = {}, std::int32_t placementLimit = DefaultPlacementLimit);

    SearchState &State() { return state_; }
    const SearchState &State() const { return state_; }

    // The state a search starts from.
    void Initialise() { state_ = SearchState {}; }
    // TryCell(PickNextCell()) from the current state.
    void Run() { TryCell(PickNextCell()); }

    int PickNextCell();
    // p must be the position PickNextCell just returned, with ChosenMask as it left it.
    void TryCell(int p);

private:
    Board &board_;
    EventHook hook_;
    std::int32_t placementLimit_;
    SearchState state_;
};

} // namespace quadrelle
