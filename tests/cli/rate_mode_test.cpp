// quadrelle-solve --rate, --explain and --hint through the real binary.

#include "batch_solver_fixture.h"

#include <atomic>
#include <regex>
#include <thread>

using namespace quadrelle::testing;

namespace {

// Singles solve it.
const std::string Easy = "003020600900305001001806400008102900700000008006708200002609500800203009005010300";
const std::string EasySolution = "483921657967345821251876493548132976729564138136798245372689514814253769695417382";
// Needs more than singles.
const std::string Hard = "200050006010000090600801003007090600000703000900080002100000005060902010003060200";

const std::regex StepLine(R"((r[1-9]c[1-9](=|<>)[1-9] )+[A-Za-z][A-Za-z ()+-]* [0-9]+\.[0-9])");
const std::regex RatedLine(R"(rated [0-9]+\.[0-9]\+? [A-Za-z][A-Za-z ()+-]* [1-9]{81})");

} // namespace

TEST_F(BatchSolver, RateGivesScoreTechniqueAndSolutionOrTheCountVerdict)
{
    const Result r = Run({"--rate", "--jobs", "2"}, Easy + "\n" + EmptyBoard + "\n12\n" + Hard + "\n");
    EXPECT_EQ(r.exitCode, 1);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    EXPECT_TRUE(std::regex_match(lines[0], RatedLine)) << lines[0];
    EXPECT_TRUE(lines[0].starts_with("rated 1.") || lines[0].starts_with("rated 2.")) << lines[0];
    EXPECT_TRUE(lines[0].ends_with(" " + EasySolution)) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("multiple ")) << lines[1];
    EXPECT_EQ(lines[2], "invalid bad-length");
    EXPECT_TRUE(std::regex_match(lines[3], RatedLine)) << lines[3];
    EXPECT_GE(std::stod(lines[3].substr(6)), 3.0) << lines[3];
    EXPECT_NE(r.err.find("4 puzzles: 2 unique, 1 multiple, 0 none, 1 invalid"), std::string::npos) << r.err;
}

TEST_F(BatchSolver, ExplainWritesEveryStepThenTheRatingAndHintTheFirstStep)
{
    const Result explained = Run({"--explain"}, Hard + "\n" + Easy + "\n");
    const Result rated = Run({"--rate"}, Hard + "\n" + Easy + "\n");
    const Result hinted = Run({"--hint"}, Hard + "\n" + Easy + "\n");
    EXPECT_EQ(explained.exitCode, 0);

    const std::vector<std::string> lines = Lines(explained.out);
    std::vector<std::string> ratings, firstSteps;
    bool puzzleStart = true;
    for (const std::string &line : lines) {
        if (line.empty()) {
            puzzleStart = true;
            continue;
        }
        if (line.starts_with("rated ")) {
            ratings.push_back(line);
            continue;
        }
        EXPECT_TRUE(std::regex_match(line, StepLine)) << line;
        if (std::exchange(puzzleStart, false))
            firstSteps.push_back(line);
    }
    EXPECT_EQ(ratings, Lines(rated.out));
    EXPECT_EQ(firstSteps, Lines(hinted.out));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.back(), "");
    EXPECT_NE(explained.out.find("<>"), std::string::npos) << explained.out;
}

// The effort is counted, not timed: the same hard puzzles rate the same with one job or two, and
// while another thread keeps a core busy, down to the lower bounds where the effort runs out.
TEST_F(BatchSolver, RatingsDependOnThePuzzlesAloneNotOnJobsOrLoad)
{
    const std::string input = "800000000003600000070090200050007000000045700000100030001000068008500010090000400\n"
                              "000000008003000400090020060000079000000061200060502070008000500010000020405000003\n"
                              "000000002008010900500003040000109300060030080003700000040000005301070800200000000\n"
        + Hard + "\n";
    const std::vector<std::string> args {"--rate", "--effort", "0.05", "--jobs"};
    const Result alone = Run({args[0], args[1], args[2], args[3], "1"}, input);
    ASSERT_EQ(alone.exitCode, 0) << alone.err;
    EXPECT_NE(alone.out.find("+ "), std::string::npos) << "no puzzle ran out of effort:\n" << alone.out;
    EXPECT_EQ(Run({args[0], args[1], args[2], args[3], "2"}, input).out, alone.out);
    std::atomic<bool> done {false};
    std::thread busy([&] {
        unsigned long spins = 0;
        while (!done.load(std::memory_order_relaxed))
            ++spins;
        EXPECT_GT(spins, 0u);
    });
    const Result loaded = Run({args[0], args[1], args[2], args[3], "1"}, input);
    done = true;
    busy.join();
    EXPECT_EQ(loaded.out, alone.out);
    EXPECT_EQ(Run({"--rate", "--scale", "sukaku", "--jobs", "2"}, Hard + "\n").exitCode, 0);
    EXPECT_EQ(Run({"--rate", "--scale", "sudoku"}, Hard + "\n").exitCode, 2);
    EXPECT_EQ(Run({"--rate", "--effort", "0"}, Hard + "\n").exitCode, 2);
}
