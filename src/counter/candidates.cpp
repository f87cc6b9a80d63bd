#include "counter/candidates.h"

#include "counter/band_layout.h"
#include "counter/lanes.h"
#include "model/geometry.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

namespace quadrelle::counting {

namespace {

// The other cells of each cell's row, column and box.
constexpr std::array<Words, 81> MakePeers()
{
    std::array<Words, 81> table {};
    for (int p = 0; p < 81; ++p)
        for (const int q : PeersOf(Cell(p)))
            table[p][q / 27] |= 1u << (q % 27);
    return table;
}
constexpr std::array<Words, 81> Peers = MakePeers();

// Each cell alone.
constexpr std::array<Words, 81> MakeCellBits()
{
    std::array<Words, 81> table {};
    for (int p = 0; p < 81; ++p)
        table[p][p / 27] = 1u << (p % 27);
    return table;
}
constexpr std::array<Words, 81> CellBits = MakeCellBits();

// Bit i of the index as byte i of the value, each byte 0 or 1.
constexpr std::array<std::uint64_t, 256> MakeSpreadBits()
{
    std::array<std::uint64_t, 256> table {};
    for (std::size_t bits = 0; bits < 256; ++bits)
        for (unsigned i = 0; i < 8; ++i)
            table[bits] |= static_cast<std::uint64_t>(bits >> i & 1) << (8 * i);
    return table;
}
constexpr std::array<std::uint64_t, 256> SpreadBits = MakeSpreadBits();

// The cells with at least one, two and three candidates.
struct CandidateCounts {
    Lanes ones, twos, threes;
};

CandidateCounts CountCandidates(const std::array<Words, 9> &digits)
{
    Lanes ones = Lanes::Bands(0), twos = ones, threes = ones;
    for (const Words &digit : digits) {
        const Lanes cells = Lanes::Load(digit);
        threes = threes | (twos & cells);
        twos = twos | (ones & cells);
        ones = ones | cells;
    }
    return {ones, twos, threes};
}

// The first open cell with the fewest candidates, from bit-sliced counts rather than a scan of
// each cell's nine digits.
int FirstWithFewest(const std::array<Words, 9> &digits, const Words &solved)
{
    const Lanes none = Lanes::Bands(0);
    std::array<Lanes, 9> atLeast {none, none, none, none, none, none, none, none, none};
    for (const Words &digit : digits) {
        const Lanes cells = Lanes::Load(digit);
        for (std::size_t k = 8; k > 0; --k)
            atLeast[k] = atLeast[k] | (atLeast[k - 1] & cells);
        atLeast[0] = atLeast[0] | cells;
    }
    const Lanes open = AndNot(Lanes::Bands(BandBits), Lanes::Load(solved));
    for (std::size_t k = 1; k < 8; ++k) {
        const Lanes exact = AndNot(atLeast[k], atLeast[k + 1]) & open;
        if (exact.IsZero())
            continue;
        Words cells;
        exact.Store(cells);
        const int band = cells[0] != 0 ? 0 : cells[1] != 0 ? 1 : 2;
        return 27 * band + std::countr_zero(cells[band]);
    }
    Words cells;
    open.Store(cells);
    const int band = cells[0] != 0 ? 0 : cells[1] != 0 ? 1 : 2;
    return 27 * band + std::countr_zero(cells[band]);
}

// Each digit's givens in band words (row-major bits: cells 0..63 in `low`, 64..80 in `high`).
// Found for all cells by byte comparisons before any is looked at, so that the open cells cost
// no branch each; anything but 1..9 is an open cell.
std::array<Words, 9> GivensOfEachDigit(const std::array<std::uint8_t, 81> &givens)
{
    std::array<Words, 9> placed;
#if defined(QUADRELLE_COUNTER_SSE2)
    __m128i chunks[5]; // a std::array would drop the type's alignment attribute
    for (std::size_t chunk = 0; chunk < 5; ++chunk)
        chunks[chunk] = _mm_loadu_si128(reinterpret_cast<const __m128i *>(givens.data() + 16 * chunk));
    for (std::size_t d = 0; d < 9; ++d) {
        const __m128i value = _mm_set1_epi8(static_cast<char>(d + 1));
        const auto holding = [&](std::size_t chunk) {
            return static_cast<std::uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunks[chunk], value)));
        };
        const std::uint64_t low = holding(0) | holding(1) << 16 | holding(2) << 32 | holding(3) << 48;
        const std::uint64_t high = holding(4) | static_cast<std::uint64_t>(givens[80] == d + 1) << 16;
#else
    for (std::size_t d = 0; d < 9; ++d) {
        std::uint64_t low = 0, high = 0;
        for (std::size_t p = 0; p < 81; ++p) {
            const std::uint64_t bit = givens[p] == d + 1 ? 1 : 0;
            if (p < 64)
                low |= bit << p;
            else
                high |= bit << (p - 64);
        }
#endif
        placed[d] = {static_cast<std::uint32_t>(low & BandBits), static_cast<std::uint32_t>(low >> 27 & BandBits),
            static_cast<std::uint32_t>((low >> 54 | high << 10) & BandBits), 0};
    }
    return placed;
}

} // namespace

bool Candidates::Start(const std::array<std::uint8_t, 81> &givens)
{
    const std::array<Words, 9> placed = GivensOfEachDigit(givens);
    Lanes given = Lanes::Bands(0);
    for (const Words &cells : placed)
        given = given | Lanes::Load(cells);
    const Lanes open = AndNot(Lanes::Bands(BandBits), given);
    for (std::size_t d = 0; d < 9; ++d) {
        // The rows, columns and boxes the digit's givens see; a given among them repeats it.
        Lanes seen = Lanes::Bands(0);
        for (std::size_t band = 0; band < 3; ++band)
            for (std::uint32_t left = placed[d][band]; left != 0; left &= left - 1)
                seen = seen | Lanes::Load(Peers[27 * band + static_cast<std::size_t>(std::countr_zero(left))]);
        const Lanes cells = Lanes::Load(placed[d]);
        if (!(seen & cells).IsZero())
            return false;
        (AndNot(open, seen) | cells).Store(digits_[d]);
    }
    given.Store(solved_);
    dirty_ = AllDigits;
    return true;
}

bool Candidates::Place(int cell, Digit digit)
{
    assert(IsCell(cell));
    return Take(cell, digit.Index());
}

// Forced inline here and on the propagation's other steps: their calls, once for each single
// and each digit narrowed, cost several percent of the count.
[[gnu::always_inline]] inline bool Candidates::Take(int cell, int digit)
{
    const auto band = static_cast<std::size_t>(cell / 27);
    const auto shift = static_cast<unsigned>(cell % 27);
    Words &board = digits_[digit];
    if ((board[band] >> shift & 1) == 0)
        return false;
    // Whole boards written back: a word stored alone stalls the next whole-board read of it.
    const Lanes bit = Lanes::Load(CellBits[cell]);
    std::uint32_t narrowed = 0;
    for (std::size_t d = 0; d < 9; ++d) {
        narrowed |= (digits_[d][band] >> shift & 1) << (d + 1);
        AndNot(Lanes::Load(digits_[d]), bit).Store(digits_[d]);
    }
    // The cell keeps its digit, which its row, column and box lose.
    (AndNot(Lanes::Load(board), Lanes::Load(Peers[cell])) | bit).Store(board);
    (Lanes::Load(solved_) | bit).Store(solved_);
    dirty_ |= narrowed | 2u << digit;
    return true;
}

void Candidates::Remove(int cell, Digit digit)
{
    assert(IsCell(cell));
    Words &board = digits_[static_cast<std::size_t>(digit.Index())];
    AndNot(Lanes::Load(board), Lanes::Load(CellBits[cell])).Store(board);
    dirty_ |= static_cast<std::uint32_t>(BitOf(digit));
}

bool Candidates::Solved() const
{
    return (solved_[0] & solved_[1] & solved_[2]) == BandBits;
}

bool Candidates::Propagate()
{
    const Lanes all = Lanes::Bands(BandBits);
    for (;;) {
        const CandidateCounts counts = CountCandidates(digits_);
        if (!(counts.ones ^ all).IsZero())
            return false;
        const Lanes singles = AndNot(all, counts.twos | Lanes::Load(solved_));
        if (!singles.IsZero()) {
            Words cells;
            singles.Store(cells);
            PlaceNakedSingles(cells);
            continue;
        }
        if (dirty_ == 0) {
            // Where a cell is down to two candidates the search has a good guess: the segments
            // are worth their cost only where it has none.
            const Lanes pairs = AndNot(counts.twos, counts.threes | Lanes::Load(solved_));
            pairs.Store(pairs_);
            if (Solved() || !pairs.IsZero())
                return true;
            if (!ApplyTriads())
                return false;
            if (dirty_ == 0)
                return true;
            continue;
        }
        // One digit at a time: what it fixes is cheaper to follow through naked singles first.
        while (dirty_ != 0) {
            const int d = LowestDigit(static_cast<std::int32_t>(dirty_)).Index();
            dirty_ &= dirty_ - 1;
            bool fixed = false;
            if (!ReduceDigit(d, fixed))
                return false;
            if (fixed)
                break;
        }
    }
}

[[gnu::always_inline]] inline void Candidates::PlaceNakedSingles(const Words &singles)
{
    // Each single's digit read from four bit planes of the digit numbers rather than a scan.
    const auto board = [this](std::size_t d) { return Lanes::Load(digits_[d]); };
    Words plane0, plane1, plane2, plane3;
    (board(1) | board(3) | board(5) | board(7)).Store(plane0);
    (board(2) | board(3) | board(6) | board(7)).Store(plane1);
    (board(4) | board(5) | board(6) | board(7)).Store(plane2);
    board(8).Store(plane3);
    std::uint32_t narrowed = 0;
    for (int b = 0; b < 3; ++b) {
        for (std::uint32_t left = singles[b]; left != 0; left &= left - 1) {
            const int shift = std::countr_zero(left);
            const int d = static_cast<int>((plane0[b] >> shift & 1) | (plane1[b] >> shift & 1) << 1
                | (plane2[b] >> shift & 1) << 2 | (plane3[b] >> shift & 1) << 3);
            // Two singles of a digit that see each other take it from each other, and the count
            // that follows finds both cells empty: no check here holds up the next single.
            Words &digit = digits_[d];
            const auto cell = static_cast<std::size_t>(27 * b + shift);
            AndNot(Lanes::Load(digit), Lanes::Load(Peers[cell])).Store(digit);
            narrowed |= 2u << d;
        }
    }
    // Kept in locals until the end: a store to a member word could alias the boards.
    (Lanes::Load(solved_) | Lanes::Load(singles)).Store(solved_);
    dirty_ |= narrowed;
}

[[gnu::always_inline]] inline bool Candidates::ReduceDigit(int digit, bool &fixed)
{
    Words &board = digits_[digit];
    const Lanes solved = Lanes::Load(solved_);
    const Lanes cells = Lanes::Load(board);
    if (AndNot(cells, solved).IsZero())
        return true;
    // Locked candidates: within a band the digit keeps the segments of some choice of one per
    // row and box, then within a stack the column segments of some choice of one per band and
    // column. Worked out in the lanes, with no table to look up: a lookup's round trip through
    // memory was the longest wait of a reduction.
    const Lanes segments = SegmentsInAChoice(SegmentFlags(cells));
    Lanes bands = cells & SegmentCells(segments);
    if (bands.AnyBandZero())
        return false;
    const Lanes columns = ColumnsInAChoice(ColumnFlags(bands));
    const std::uint32_t stacks = columns.AcrossBands().First();
    if ((stacks & 07) == 0 || (stacks & 070) == 0 || (stacks & 0700) == 0)
        return false;
    bands = bands & ColumnCells(columns);
    bands.Store(board);
    // Cells alone in their row, box or column.
    const Lanes above = bands.Down<9>(), twoAbove = bands.Down<18>();
    const Lanes doubled = ((bands & above) | (bands & twoAbove) | (above & twoAbove)) & Lanes::Bands(511);
    const Lanes alone = (bands & Lanes::Bands(511)).SingleOrEmpty() | (bands & Lanes::Bands(511u << 9)).SingleOrEmpty()
        | (bands & Lanes::Bands(511u << 18)).SingleOrEmpty() | (bands & Lanes::Bands(BoxCells(0))).SingleOrEmpty()
        | (bands & Lanes::Bands(BoxCells(1))).SingleOrEmpty() | (bands & Lanes::Bands(BoxCells(2))).SingleOrEmpty();
    const Lanes lone = AndNot(columns.AcrossBands(), doubled.AcrossBands() | columns.InTwoBands());
    const Lanes hidden = AndNot(alone | (bands & ColumnCells(lone)), solved);
    if (hidden.IsZero())
        return true;
    fixed = true;
    Words found;
    hidden.Store(found);
    for (int b = 0; b < 3; ++b)
        for (std::uint32_t left = found[b]; left != 0; left &= left - 1)
            if (!Take(27 * b + std::countr_zero(left), digit))
                return false;
    return true;
}

namespace {

// Hardware popcount is not in the x86-64 baseline, and the open cells a pair sees are counted
// a dozen times a guess: the instruction, where the processor has it, saves a few percent of a
// count.
#if defined(QUADRELLE_COUNTER_SSE2) && defined(__GNUC__) && defined(__x86_64__) && !defined(__POPCNT__) \
    && !defined(QUADRELLE_COUNTER_NO_POPCOUNT)
#define QUADRELLE_COUNTER_POPCNT_DISPATCH 1
const bool HardwarePopcount = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("popcnt") != 0;
}();
#endif

struct LaneCount {
    int operator()(Lanes x) const { return x.CountBits(); }
};

struct WordCount {
    [[gnu::always_inline]] int operator()(Lanes x) const
    {
        Words words;
        x.Store(words);
        std::uint64_t low;
        std::memcpy(&low, words.data(), sizeof low);
        return std::popcount(low) + std::popcount(words[2]);
    }
};

// What the build's own target counts with best.
#if defined(__POPCNT__)
using BuiltCount = WordCount;
#else
using BuiltCount = LaneCount;
#endif

template <typename Count>
[[gnu::always_inline]] inline Guess PickGuess(
    const std::array<Words, 9> &digits, const Words &solvedCells, const Words &pairBands, Count count)
{
    const Lanes solved = Lanes::Load(solvedCells);
    // Of the two-candidate cells, the one that sees the most open cells: its guess, right or
    // wrong, reaches furthest. Ranked by a key, the count above the cell's distance from the end
    // so that ties go to the first cell: a maximum with no branch on each cell.
    int best = -1;
    for (int b = 0; b < 3; ++b) {
        for (std::uint32_t pairs = pairBands[b]; pairs != 0; pairs &= pairs - 1) {
            const int p = 27 * b + std::countr_zero(pairs);
            const int open = count(AndNot(Lanes::Load(Peers[p]), solved));
            best = std::max(best, open << 7 | (127 - p));
        }
    }
    const int cell = best < 0 ? FirstWithFewest(digits, solvedCells) : 127 - (best & 127);
    // Of its digits, the one with the most candidates among the cell's peers first, the lowest of
    // equals: placing it removes the most, so its branch settles soonest, and on a puzzle with
    // several solutions it reaches them with fewer guesses (a tenth fewer on such collections).
    // The cell's digits gathered with no branch on each: which of them it holds is a guess's
    // coin toss, and the processor would mispredict it.
    const Lanes peers = Lanes::Load(Peers[cell]);
    const auto band = static_cast<std::size_t>(cell / 27);
    const auto shift = static_cast<unsigned>(cell % 27);
    std::uint32_t held = 0;
    for (std::size_t d = 0; d < 9; ++d)
        held |= (digits[d][band] >> shift & 1) << (d + 1);
    Guess guess {cell, Digit {}};
    for (int most = -1; held != 0; held &= held - 1) {
        const Digit d = LowestDigit(static_cast<std::int32_t>(held));
        const int removed = count(Lanes::Load(digits[static_cast<std::size_t>(d.Index())]) & peers);
        if (removed > most) {
            most = removed;
            guess.digit = d;
        }
    }
    return guess;
}

#if defined(QUADRELLE_COUNTER_POPCNT_DISPATCH)
[[gnu::target("popcnt")]] Guess PickGuessWithPopcount(
    const std::array<Words, 9> &digits, const Words &solved, const Words &pairs)
{
    return PickGuess(digits, solved, pairs, WordCount {});
}
#endif

} // namespace

Guess Candidates::ChooseGuess() const
{
#if defined(QUADRELLE_COUNTER_POPCNT_DISPATCH)
    if (HardwarePopcount)
        return PickGuessWithPopcount(digits_, solved_, pairs_);
#endif
    return PickGuess(digits_, solved_, pairs_, BuiltCount {});
}

void Candidates::Write(std::array<char, 81> &grid) const
{
    // Each cell's digit in binary, a board a bit; then eight cells at a time, each bit of a board
    // spread to its cell's byte. No branch depends on where the digits are.
    std::array<Lanes, 4> bits {Lanes::Bands(0), Lanes::Bands(0), Lanes::Bands(0), Lanes::Bands(0)};
    for (std::size_t d = 0; d < 9; ++d)
        for (std::size_t k = 0; k < bits.size(); ++k)
            if (((d + 1) >> k & 1) != 0)
                bits[k] = bits[k] | Lanes::Load(digits_[d]);
    std::array<Words, 4> planes;
    for (std::size_t k = 0; k < bits.size(); ++k)
        bits[k].Store(planes[k]);
    for (std::size_t band = 0; band < 3; ++band) {
        for (unsigned shift = 0; shift < 27; shift += 8) {
            std::uint64_t cells = 0x3030303030303030; // '0' in each byte
            for (std::size_t k = 0; k < planes.size(); ++k)
                cells |= SpreadBits[planes[k][band] >> shift & 0xFF] << k;
            // Byte i to cell i; one store where the machine's byte order allows.
            char *const out = grid.data() + 27 * band + shift;
            if (std::endian::native == std::endian::little && shift + 8 <= 27) {
                std::memcpy(out, &cells, 8);
                continue;
            }
            for (unsigned i = 0; i < std::min(8u, 27 - shift); ++i)
                out[i] = static_cast<char>(cells >> (8 * i));
        }
    }
}

} // namespace quadrelle::counting
