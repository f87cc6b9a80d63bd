// The batch solver answers exactly the puzzles the file reader finds, in order, whatever the
// lines look like: long ones, XML on one line across many read buffers, grids with titles and
// faults, line ends of every kind.
#include "cli/batch.h"
#include "formats/puzzle_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace quadrelle {
namespace {

const std::string Puzzle = "003020600900305001001806400008102900700000008006708200002609500800203009005010300";

std::string Grid(const std::string &puzzle)
{
    std::string text;
    for (std::size_t row = 0; row < 9; ++row)
        text += puzzle.substr(row * 9, 9) + "\n";
    return text;
}

// A text of randomly chosen parts, each a form people keep puzzles in or a way it goes wrong.
std::string RandomText(std::mt19937 &random)
{
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    std::string text = pick(4) == 0 ? "\xEF\xBB\xBF" : "";
    if (pick(3) == 0) {
        text += "<opensudoku>";
        for (std::size_t games = pick(2000); games > 0; --games)
            text += pick(50) == 0 ? "<!-- <game data=\"" + Puzzle + "\"/> -->" : "<game data=\"" + Puzzle + "\" note=\"\"/>";
        return text + (pick(4) == 0 ? "" : "</opensudoku>\n");
    }
    const std::string ends[] = {"\n", "\r\n", "\r"};
    for (std::size_t parts = 1 + pick(40); parts > 0; --parts) {
        std::string part;
        switch (pick(8)) {
        case 0: part = Puzzle; break;
        case 1: part = Puzzle + " " + std::string(pick(200000), 'x'); break;
        case 2: part = std::string(pick(3000), pick(2) == 0 ? ' ' : '1') + "z"; break;
        case 3: part = "Grid 0" + std::to_string(pick(9)) + "\n" + Grid(Puzzle); break;
        case 4: part = Grid(Puzzle).erase(pick(81), 1); break;
        case 5: part = "12"; break;
        case 6: part = "#" + std::string(pick(1000), 'c'); break;
        default: part = ""; break;
        }
        for (char &c : part)
            if (c == '\n' && pick(3) == 0)
                c = '\r';
        text += part + ends[pick(3)];
    }
    return text;
}

TEST(BatchAndReader, TheBatchAnswersExactlyThePuzzlesTheReaderFindsInOrder)
{
    std::mt19937 random(30);
    for (int round = 0; round < 150; ++round) {
        const std::string text = RandomText(random);
        const std::vector<ReadPuzzle> read = ReadPuzzles(text);
        std::istringstream input(text);
        std::ostringstream out, messages;
        BatchOptions options;
        options.mode = BatchMode::Count;
        options.jobs = 1 + static_cast<unsigned>(round % 2);
        const BatchCounts counts = RunBatch({&input}, out, messages, options);

        std::istringstream answers(out.str());
        std::string answer;
        for (std::size_t i = 0; i < read.size(); ++i) {
            ASSERT_TRUE(std::getline(answers, answer)) << "round " << round << ": answer " << i << " is missing";
            const bool invalid = read[i].puzzle.kind == PuzzleLine::Kind::Invalid;
            ASSERT_EQ(answer.starts_with("invalid " + std::string(read[i].puzzle.reason)), invalid)
                << "round " << round << ", answer " << i << ": " << answer;
        }
        EXPECT_FALSE(std::getline(answers, answer)) << "round " << round << ": more answers than puzzles";
        EXPECT_EQ(counts.total(), static_cast<long>(read.size())) << "round " << round;
    }
}

} // namespace
} // namespace quadrelle
