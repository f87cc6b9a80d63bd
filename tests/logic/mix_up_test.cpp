// A cell, a digit, a unit, a digit's 0..8 index and a window's box passed for one another must not compile.

#include "logic/candidate_grid.h"
#include "logic/step.h"
#include "model/digits.h"
#include "model/positions.h"
#include "solver/propagation.h"

#include <type_traits>

namespace quadrelle::logic {

namespace {

template <class C, class D>
concept AsksGrid = requires(const CandidateGrid &grid, C cell, D digit) { grid.Has(cell, digit); };
template <class C, class D>
concept Eliminates = requires(Step &step, C cell, D digit) { step.Eliminate(cell, digit); };
template <class C> concept HasRow = requires(C cell) { RowOf(cell); };
template <class C, class D>
concept ShowsDeduced = requires(PuzzleGrid &grid, C cell, D digit) { grid.ShowDeducedDigit(cell, digit); };

static_assert(AsksGrid<int, Digit>);
static_assert(!AsksGrid<Digit, int>);
static_assert(!AsksGrid<int, int>);
static_assert(Eliminates<Cell, Digit>);
static_assert(!Eliminates<Digit, Cell>);
static_assert(!Eliminates<Cell, Cell>);
static_assert(!Eliminates<int, Digit>);
static_assert(!Eliminates<Cell, int>);
static_assert(std::is_constructible_v<Candidate, Cell, Digit>);
static_assert(!std::is_constructible_v<Candidate, Digit, Cell>);
static_assert(!std::is_constructible_v<Candidate, int, Digit>);

static_assert(HasRow<Cell>);
static_assert(!HasRow<int>);
static_assert(!HasRow<Digit>);
static_assert(!HasRow<BoxNumber>);

// The window's positions are checked where they are used, so they stay a type of their own.
static_assert(ShowsDeduced<CellIndex, Digit>);
static_assert(!ShowsDeduced<CellIndex, int>);
static_assert(!ShowsDeduced<CellIndex, Cell>);
static_assert(!ShowsDeduced<Cell, Digit>);
static_assert(!ShowsDeduced<Digit, CellIndex>);

static_assert(!std::is_convertible_v<int, Digit>);
static_assert(!std::is_convertible_v<Digit, int>);
static_assert(!std::is_convertible_v<int, Cell>);
static_assert(!std::is_convertible_v<Cell, int>);
static_assert(!std::is_convertible_v<Cell, Digit>);
static_assert(!std::is_convertible_v<Digit, Cell>);
static_assert(!std::is_convertible_v<Cell, BoxNumber>);
static_assert(!std::is_convertible_v<CellIndex, BoxNumber>);
static_assert(!std::is_convertible_v<BoxNumber, CellIndex>);

static_assert(Digit::FromIndex(0) == Digit(1));
static_assert(Digit(9).Index() == 8);
static_assert(BitOf(Digit(1)) == 2 && BitOf(Digit(9)) == 0x200);
static_assert(LowestDigit(AllDigits) == Digit(1) && CountOf(AllDigits) == 9);
static_assert(BoxNumber::Of(Cell(0)) == BoxNumber(FirstBox) && BoxNumber::Of(Cell(80)) == BoxNumber(LastBox));

} // namespace

} // namespace quadrelle::logic
