#include "batch.h"

#include "progress.h"
#include "puzzle_line.h"
#include "solver/pipeline.h"

#include <algorithm>
#include <atomic>
#include <istream>
#include <ostream>
#include <string>
#include <thread>

namespace quadrelle {

namespace {

// Enough to classify any line (81 cells and a separator); the rest is read, not kept.
constexpr std::size_t KeptLineLength = 128;

class LineReader {
public:
    explicit LineReader(const std::vector<std::istream *> &inputs) : inputs_(inputs) { }

    // The next line, cut to KeptLineLength characters plus the first non-blank one after them.
    bool Next(std::string &line)
    {
        line.clear();
        while (current_ < inputs_.size()) {
            std::streambuf *buffer = inputs_[current_]->rdbuf();
            bool sawAny = false;
            for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
                ++bytesRead_;
                sawAny = true;
                if (c == '\n')
                    return true;
                if (line.size() < KeptLineLength) {
                    line.push_back(static_cast<char>(c));
                } else if (line.size() == KeptLineLength && c != ' ' && c != '\t' && c != '\r') {
                    // One character of the tail is enough to keep a line of blanks and text from reading as blank.
                    line.push_back(static_cast<char>(c));
                }
            }
            ++current_;
            if (sawAny)
                return true;
        }
        return false;
    }

    std::uintmax_t BytesRead() const { return bytesRead_; }

private:
    const std::vector<std::istream *> &inputs_;
    std::size_t current_ = 0;
    std::uintmax_t bytesRead_ = 0;
};

const char *StatusName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Solved:
        return "solved";
    case Outcome::GaveUp:
        return "gave-up";
    case Outcome::NoSolution:
        break;
    }
    return "unsolvable";
}

std::string GridText(const Grid &grid)
{
    std::string text(CellCount, '0');
    for (int p = 0; p < CellCount; ++p)
        text[static_cast<std::size_t>(p)] = static_cast<char>('0' + grid[static_cast<std::size_t>(p)]);
    return text;
}

struct Answer {
    std::string text;
    BatchCounts counts;
};

Answer Solve(const PuzzleLine &line)
{
    Answer answer;
    if (line.kind == PuzzleLine::Kind::Invalid) {
        answer.text = "invalid 0 " + std::string(line.reason);
        answer.counts.invalid = 1;
        return answer;
    }
    const std::optional<SolveResult> result = SolvePuzzle(line.givens);
    if (!result) {
        answer.text = "invalid 0 repeated-digit";
        answer.counts.invalid = 1;
        return answer;
    }
    answer.text = std::string(StatusName(result->outcome)) + ' ' + std::to_string(result->placements) + ' '
        + GridText(result->grid);
    switch (result->outcome) {
    case Outcome::Solved:
        answer.counts.solved = 1;
        break;
    case Outcome::NoSolution:
        answer.counts.unsolvable = 1;
        break;
    case Outcome::GaveUp:
        answer.counts.gaveUp = 1;
        break;
    }
    return answer;
}

void Add(BatchCounts &into, const BatchCounts &counts)
{
    into.solved += counts.solved;
    into.unsolvable += counts.unsolvable;
    into.gaveUp += counts.gaveUp;
    into.invalid += counts.invalid;
}

} // namespace

BatchCounts RunBatch(const std::vector<std::istream *> &inputs, std::ostream &out, std::ostream &progressOut,
    const BatchOptions &options)
{
    LineReader reader(inputs);
    ProgressBar progress(progressOut, options.progress, options.totalBytes);
    BatchCounts counts;
    std::vector<PuzzleLine> chunk;
    std::vector<Answer> answers;
    std::string line;
    std::atomic<long> solvedSoFar {0};

    bool more = true;
    while (more) {
        chunk.clear();
        while (chunk.size() < options.chunkSize && (more = reader.Next(line))) {
            PuzzleLine parsed = ParsePuzzleLine(line);
            if (parsed.kind != PuzzleLine::Kind::Skip)
                chunk.push_back(parsed);
        }
        answers.assign(chunk.size(), Answer {});

        std::atomic<std::size_t> next {0};
        const auto work = [&](bool reportsProgress) {
            for (std::size_t i = next++; i < chunk.size(); i = next++) {
                answers[i] = Solve(chunk[i]);
                ++solvedSoFar;
                if (reportsProgress)
                    progress.Update(solvedSoFar, reader.BytesRead());
            }
        };
        const std::size_t threadCount = std::min<std::size_t>(options.jobs, chunk.size());
        std::vector<std::jthread> threads;
        for (std::size_t t = 1; t < threadCount; ++t)
            threads.emplace_back(work, false);
        work(true);
        threads.clear(); // joins

        progress.Clear();
        for (const Answer &answer : answers) {
            out << answer.text << '\n';
            Add(counts, answer.counts);
        }
        out.flush();
    }
    progress.Clear();
    return counts;
}

} // namespace quadrelle
