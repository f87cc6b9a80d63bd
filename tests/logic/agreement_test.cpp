// The ratings against published ones, each collection on the scale it was rated on: a technique
// scored off the scale, or a step taken out of the reference's order, shows as a drop here.

#include "logic/rating.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

using namespace quadrelle;

namespace {

struct Published {
    std::array<std::uint8_t, 81> cells {};
    int tenths = 0;
};

// The puzzle is the first field of 81 characters, the rating the last field.
std::optional<Published> Parse(const std::string &line)
{
    std::istringstream fields(line);
    std::string field, puzzle, last;
    while (fields >> field) {
        if (puzzle.empty() && field.size() == 81)
            puzzle = field;
        last = field;
    }
    if (puzzle.empty() || last == puzzle)
        return std::nullopt;
    Published published;
    for (int cell = 0; cell < 81; ++cell)
        published.cells[cell] = static_cast<std::uint8_t>(puzzle[cell] >= '1' && puzzle[cell] <= '9' ? puzzle[cell] - '0' : 0);
    published.tenths = static_cast<int>(std::lround(std::stod(last) * 10));
    return published;
}

struct Agreement {
    int rated = 0, sameBand = 0, exact = 0;
    // Published score -> puzzles, and those we gave exactly.
    std::map<int, std::pair<int, int>> byScore;
};

Agreement Measure(const std::filesystem::path &file, Scale scale, std::size_t sample)
{
    const std::vector<std::string> lines = test::ReadLines(file);
    Agreement agreement;
    EXPECT_FALSE(lines.empty()) << file;
    for (std::size_t i = 0; i < lines.size(); i += std::max<std::size_t>(1, lines.size() / sample)) {
        const std::optional<Published> published = Parse(lines[i]);
        EXPECT_TRUE(published) << lines[i];
        if (!published)
            continue;
        const Rating rating = RatePuzzle(published->cells, {scale});
        EXPECT_EQ(rating.status, Rating::Status::Rated) << lines[i];
        ++agreement.rated;
        agreement.sameBand += std::min(rating.tenths / 10, 9) == std::min(published->tenths / 10, 9);
        agreement.exact += rating.tenths == published->tenths;
        auto &[count, exact] = agreement.byScore[published->tenths];
        ++count;
        exact += rating.tenths == published->tenths;
    }
    return agreement;
}

// Every published score that comes up a few times must come out most of those times: a
// technique the ladder lacks shows as a score that never does.
void ExpectEveryScoreReached(const Agreement &agreement)
{
    for (const auto &[tenths, counts] : agreement.byScore)
        if (counts.first >= 5) {
            EXPECT_GE(counts.second * 2, counts.first) << "published " << tenths / 10 << '.' << tenths % 10 << ": "
                                                       << counts.second << " of " << counts.first << " exact";
        }
}

} // namespace

TEST(RatingAgreement, TheSudokuExchangeBankOnSukakuExplainersScale)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const Agreement diabolical
        = Measure(folder / "originals" / "sudoku_exchange_diabolical.orig.txt", Scale::SukakuExplainer, test::Slice(300));
    // On the first 2,000 lines: 100 % the same band, 99.5 % exactly.
    EXPECT_GE(diabolical.sameBand, diabolical.rated * 99 / 100);
    EXPECT_GE(diabolical.exact, diabolical.rated * 97 / 100);
    const Agreement bank = Measure(folder / "ratings" / "sukaku_bank_sample.txt", Scale::SukakuExplainer, test::Slice(300));
    // On the whole sample: 98.9 % the same band, 98.4 % exactly.
    EXPECT_GE(bank.sameBand, bank.rated * 97 / 100);
    EXPECT_GE(bank.exact, bank.rated * 96 / 100);
    ExpectEveryScoreReached(bank);
}

TEST(RatingAgreement, ForumListsOnSudokuExplainersScale)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const Agreement se = Measure(folder / "ratings" / "se_controlled_bias_sample.txt", Scale::SudokuExplainer, test::Slice(400));
    // On the whole sample: 99.8 % the same band, 99.8 % exactly.
    EXPECT_GE(se.sameBand, se.rated * 99 / 100);
    EXPECT_GE(se.exact, se.rated * 98 / 100);
    ExpectEveryScoreReached(se);
}
