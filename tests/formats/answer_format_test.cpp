// The three output forms of one answer: the line unchanged, JSON for programs, grids for people.
#include "formats/answer_format.h"

#include <gtest/gtest.h>

#include <string>

namespace quadrelle {
namespace {

const std::string Solution = "123456789456789123789123456231674895875912364694538217317265948542897631968341572";
const std::string Other = "123456789456789123789123456231674895875912364694538217317265948542897631968341527";

std::string Format(OutputFormat format, const AnswerFields &answer)
{
    std::string out;
    AppendAnswer(out, format, answer);
    return out;
}

TEST(AnswerFormat, LinesAreWhatTheBatchSolverAlwaysWrote)
{
    const struct {
        AnswerFields answer;
        std::string line;
    } cases[] = {
        {{false, "solved", 81, Solution, {}, {}, {}, {}, {}}, "solved 81 " + Solution + "\n"},
        {{false, "invalid", 0, {}, {}, "bad-length", {}, {}, {}}, "invalid 0 bad-length\n"},
        {{true, "unique", {}, Solution, {}, {}, {}, {}, {}}, "unique " + Solution + "\n"},
        {{true, "multiple", {}, Solution, Other, {}, {}, {}, {}}, "multiple " + Solution + " " + Other + "\n"},
        {{true, "none", {}, {}, {}, {}, {}, {}, {}}, "none\n"},
        {{true, "invalid", {}, {}, {}, "bad-grid", "grid row 4 has 8 cells, not 9", {4, 1}, {}}, "invalid bad-grid\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Format(OutputFormat::Line, c.answer), c.line);
}

TEST(AnswerFormat, JsonNamesEveryPartAndEscapesText)
{
    EXPECT_EQ(Format(OutputFormat::Jsonl, {false, "solved", 81, Solution, {}, {}, {}, {3, 1}, "a \"b\".sdk"}),
        R"({"input":"a \"b\".sdk","line":3,"column":1,"status":"solved","placements":81,"grid":")" + Solution
            + "\"}\n");
    EXPECT_EQ(Format(OutputFormat::Jsonl, {true, "multiple", {}, Solution, Other, {}, {}, {1, 2}, {}}),
        R"({"line":1,"column":2,"verdict":"multiple","solutions":[")" + Solution + "\",\"" + Other + "\"]}\n");
    EXPECT_EQ(Format(OutputFormat::Jsonl, {true, "none", {}, {}, {}, {}, {}, {1, 1}, {}}),
        R"({"line":1,"column":1,"verdict":"none","solutions":[]})" "\n");
    EXPECT_EQ(Format(OutputFormat::Jsonl, {false, "invalid", 0, {}, {}, "bad-grid", "row\t\\", {9, 4}, {}}),
        R"({"line":9,"column":4,"status":"invalid","placements":0,"reason":"bad-grid","problem":"row\u0009\\"})" "\n");
}

TEST(AnswerFormat, GridsAreLaidOutInBoxesSideBySide)
{
    std::string puzzle(81, '0');
    puzzle[0] = '5';
    EXPECT_EQ(Format(OutputFormat::Grid, {false, "unsolvable", 0, puzzle, {}, {}, {}, {2, 1}, "p.sdk"}),
        "p.sdk:line 2, column 1: unsolvable, 0 placements\n"
        "+-------+-------+-------+\n"
        "| 5 . . | . . . | . . . |\n"
        "| . . . | . . . | . . . |\n"
        "| . . . | . . . | . . . |\n"
        "+-------+-------+-------+\n"
        "| . . . | . . . | . . . |\n"
        "| . . . | . . . | . . . |\n"
        "| . . . | . . . | . . . |\n"
        "+-------+-------+-------+\n"
        "| . . . | . . . | . . . |\n"
        "| . . . | . . . | . . . |\n"
        "| . . . | . . . | . . . |\n"
        "+-------+-------+-------+\n\n");
    const std::string two = Format(OutputFormat::Grid, {true, "multiple", {}, Solution, Other, {}, {}, {1, 1}, {}});
    EXPECT_EQ(two.substr(0, two.find('\n', two.find('\n') + 1) + 1),
        "line 1, column 1: multiple\n+-------+-------+-------+   +-------+-------+-------+\n");
    EXPECT_NE(two.find("| 9 6 8 | 3 4 1 | 5 7 2 |   | 9 6 8 | 3 4 1 | 5 2 7 |\n"), std::string::npos);
    EXPECT_EQ(Format(OutputFormat::Grid, {true, "invalid", {}, {}, {}, "bad-grid", "grid row 2 has 3 cells, not 9", {7, 1}, {}}),
        "line 7, column 1: invalid, bad-grid: grid row 2 has 3 cells, not 9\n\n");
}

TEST(AnswerFormat, NamesOfTheFormats)
{
    EXPECT_EQ(ParseOutputFormat("line"), OutputFormat::Line);
    EXPECT_EQ(ParseOutputFormat("jsonl"), OutputFormat::Jsonl);
    EXPECT_EQ(ParseOutputFormat("grid"), OutputFormat::Grid);
    EXPECT_EQ(ParseOutputFormat("json"), std::nullopt);
}

} // namespace
} // namespace quadrelle
