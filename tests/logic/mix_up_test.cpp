// A cell, a digit and a digit's 0..8 index passed for one another must not compile.

#include "logic/candidate_grid.h"
#include "logic/step.h"
#include "model/digits.h"
#include "model/positions.h"

#include <type_traits>

namespace quadrelle::logic {

namespace {

template <class C, class D>
concept AsksGrid = requires(const CandidateGrid &grid, C cell, D digit) { grid.Has(cell, digit); };
template <class C, class D>
concept Eliminates = requires(Step &step, C cell, D digit) { step.Eliminate(cell, digit); };

static_assert(AsksGrid<int, Digit>);
static_assert(!AsksGrid<Digit, int>);
static_assert(!AsksGrid<int, int>);
static_assert(Eliminates<int, Digit>);
static_assert(!Eliminates<Digit, int>);
static_assert(!Eliminates<int, int>);

static_assert(!std::is_convertible_v<int, Digit>);
static_assert(!std::is_convertible_v<Digit, int>);
static_assert(!std::is_convertible_v<CellIndex, BoxNumber>);
static_assert(!std::is_convertible_v<BoxNumber, CellIndex>);

static_assert(Digit::FromIndex(0) == Digit(1));
static_assert(Digit(9).Index() == 8);
static_assert(BitOf(Digit(1)) == 2 && BitOf(Digit(9)) == 0x200);
static_assert(LowestDigit(AllDigits) == Digit(1) && CountOf(AllDigits) == 9);

} // namespace

} // namespace quadrelle::logic
