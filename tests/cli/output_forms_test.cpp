// Every mode's answers in the three output forms: each jsonl line through a JSON parser, and the
// same values as the line form gives, which the forms take from one typed answer.

#include "batch_solver_fixture.h"

#include <nlohmann/json.hpp>

#include <regex>

using namespace quadrelle::testing;
using nlohmann::json;

namespace {

const std::string Unique = "003020600900305001001806400008102900700000008006708200002609500800203009005010300";
const std::string Solution = "483921657967345821251876493548132976729564138136798245372689514814253769695417382";

// A bit of every verdict: puzzles that need hard steps, one with two solutions, a complete grid,
// bad lines and a malformed grid.
std::string MixedInput(const std::optional<fs::path> &datasets)
{
    std::string text = Unique + "\n" + EmptyBoard + "\n" + Solution + "\n12\n" + std::string(80, '1') + "x\n";
    text += "11" + Unique.substr(2) + "\n53..7....\n6..195...\n\n";
    if (datasets) {
        const std::vector<std::string> top95 = Lines(ReadFile(*datasets / "magictour_top95.txt"));
        for (std::size_t i = 30; i < 35; ++i)
            text += top95[i] + "\n";
        text += Lines(ReadFile(*datasets / "plb_hard20.txt"))[11] + "\n";
    }
    return text;
}

std::string Score(const json &answer)
{
    std::ostringstream text;
    const int tenths = static_cast<int>(std::lround(answer.at("score").get<double>() * 10));
    text << tenths / 10 << '.' << tenths % 10 << (answer.at("lower_bound").get<bool>() ? "+" : "");
    return text.str();
}

// The line form of one jsonl answer, rebuilt from its fields.
std::string LineOf(const json &answer)
{
    std::string steps;
    for (const json &step : answer.value("steps", json::array()))
        steps += step.get<std::string>() + "\n";
    const std::string verdict = answer.at("verdict");
    if (verdict == "hint")
        return steps;
    std::string line = verdict;
    if (answer.contains("score"))
        line += " " + Score(answer) + " " + answer.at("technique").get<std::string>();
    for (const json &solution : answer.value("solutions", json::array()))
        line += " " + solution.get<std::string>();
    if (answer.contains("reason"))
        line += " " + answer.at("reason").get<std::string>();
    return steps + line + "\n";
}

} // namespace

TEST_F(BatchSolver, EveryModesJsonLinesParseAndSayWhatTheLineFormSays)
{
    const std::string input = MixedInput(Datasets());
    bool lowerBound = false;
    for (const std::vector<std::string> &mode : {std::vector<std::string> {"--count"}, {"--rate", "--effort", "0.01"},
             {"--explain", "--effort", "0.01"}, {"--hint", "--effort", "0.01"}}) {
        SCOPED_TRACE(mode.front());
        const bool explaining = mode.front() == "--explain";
        std::vector<std::string> jsonArgs = mode;
        jsonArgs.insert(jsonArgs.end(), {"--format", "jsonl"});
        const Result lines = Run(mode, input);
        const Result jsonl = Run(jsonArgs, input);
        EXPECT_EQ(lines.exitCode, 1);
        std::string rebuilt;
        for (const std::string &text : Lines(jsonl.out)) {
            json answer;
            ASSERT_NO_THROW(answer = json::parse(text)) << text;
            ASSERT_TRUE(answer.at("line").is_number_unsigned()) << text;
            if (answer.contains("score")) {
                EXPECT_TRUE(answer.at("score").is_number()) << text;
                lowerBound = lowerBound || answer.at("lower_bound").get<bool>();
            }
            // An explanation lists its steps, none for a complete grid.
            if (explaining && answer.at("verdict") == "rated") {
                EXPECT_TRUE(answer.at("steps").is_array()) << text;
            }
            rebuilt += LineOf(answer) + (explaining ? "\n" : "");
        }
        EXPECT_EQ(rebuilt, lines.out);
    }
    if (Datasets()) {
        EXPECT_TRUE(lowerBound) << "no rating ran out of effort";
    }
    const Result solved = Run({"--format", "jsonl"}, input);
    for (const std::string &text : Lines(solved.out))
        EXPECT_NO_THROW(json::parse(text).at("placements").get<int>()) << text;
}

// Each puzzle's explanation ends with a blank line, whatever its verdict, so that a reader can
// split the output at blank lines.
TEST_F(BatchSolver, ExplanationsAreSeparatedByABlankLineEach)
{
    const std::string input = Unique + "\n" + EmptyBoard + "\n12\n" + Solution + "\n";
    const Result r = Run({"--explain"}, input);
    std::vector<std::string> puzzles {""};
    for (const std::string &line : Lines(r.out)) {
        if (line.empty())
            puzzles.emplace_back();
        else
            puzzles.back() += line + "\n";
    }
    ASSERT_EQ(puzzles.size(), 5u) << r.out;
    EXPECT_NE(puzzles[0].find("\nrated "), std::string::npos) << puzzles[0];
    EXPECT_TRUE(puzzles[1].starts_with("multiple ")) << puzzles[1];
    EXPECT_EQ(puzzles[2], "invalid bad-length\n");
    EXPECT_EQ(puzzles[3], "rated 0.0 Givens " + Solution + "\n");
    EXPECT_EQ(puzzles[4], "");
}

// Each hint keeps every move in each form, those that remove candidates too.
TEST_F(BatchSolver, HintsKeepEveryMoveInEachForm)
{
    const auto datasets = Datasets();
    if (!datasets)
        GTEST_SKIP() << "puzzle collections not found: set QUADRELLE_DATASETS to the datasets folder";
    const std::string top95 = (*datasets / "magictour_top95.txt").string();
    const std::vector<std::string> lines = Lines(Run({"--hint", top95}).out);
    const std::vector<std::string> jsonl = Lines(Run({"--hint", "--format", "jsonl", top95}).out);
    const std::string grids = Run({"--hint", "--format", "grid", top95}).out;
    ASSERT_EQ(lines.size(), 95u);
    ASSERT_EQ(jsonl.size(), 95u);
    int removals = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const json hint = json::parse(jsonl[i]);
        EXPECT_EQ(hint.at("verdict"), "hint") << jsonl[i];
        EXPECT_EQ(hint.at("steps"), json::array({lines[i]})) << jsonl[i];
        EXPECT_NE(grids.find("\n" + lines[i] + "\n"), std::string::npos) << lines[i];
        removals += std::regex_search(lines[i], std::regex("<>[1-9] r[1-9]c[1-9]<>")) ? 1 : 0;
    }
    EXPECT_GT(removals, 0) << "no hint removes two candidates or more";
}

// Any file name is still a JSON string: stray bytes become U+FFFD, and a backslash, a quote and a
// control character are escaped.
TEST_F(BatchSolver, AFileNameThatIsNotUtf8StaysJson)
{
    const fs::path file = File("lat\xe9-\xc3\xa9 \\ \"q\"\t.sdk", Unique + "\n");
    const json answer = json::parse(Run({"--count", "--format", "jsonl", file.string()}).out);
    EXPECT_EQ(answer.at("input"), (dir / "lat\xef\xbf\xbd-\xc3\xa9 \\ \"q\"\t.sdk").string());
}
