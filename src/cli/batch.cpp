#include "batch.h"

#include "answer.h"
#include "line_reader.h"
#include "model/puzzle_line.h"
#include "progress.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <ostream>
#include <string>
#include <thread>

namespace quadrelle {

namespace {

// Reads the next puzzles: up to the chunk size, but never waiting for input while earlier
// puzzles are unanswered (with mayWait, the first may be waited for). False once the inputs are
// done.
bool FillChunk(LineReader &reader, std::vector<PuzzleLine> &chunk, std::size_t chunkSize, bool mayWait)
{
    chunk.clear();
    std::string line;
    while (chunk.size() < std::max<std::size_t>(chunkSize, 1)) {
        switch (reader.Next(line, mayWait && chunk.empty())) {
        case LineReader::Status::End:
            return false;
        case LineReader::Status::WouldWait:
            return true;
        case LineReader::Status::Line:
            break;
        }
        const PuzzleLine parsed = ParsePuzzleLine(line);
        if (parsed.kind != PuzzleLine::Kind::Skip)
            chunk.push_back(parsed);
    }
    return true;
}

// Answers the chunk on up to options.jobs threads. The calling thread first does `meanwhile`,
// then takes part and shows progress.
void AnswerChunk(const std::vector<PuzzleLine> &chunk, std::vector<Answer> &answers, const BatchOptions &options,
    std::atomic<long> &answered, const std::function<void()> &showProgress, const std::function<void()> &meanwhile)
{
    const auto answerOf = [&options](const PuzzleLine &line) {
        switch (options.mode) {
        case BatchMode::Solve:
            break;
        case BatchMode::Count:
            return CountAnswer(line);
        case BatchMode::Rate:
            return RateAnswer(line, RateDepth::Rating);
        case BatchMode::Explain:
            return RateAnswer(line, RateDepth::AllSteps);
        case BatchMode::Hint:
            return RateAnswer(line, RateDepth::FirstStep);
        }
        return SolveAnswer(line, options.placementLimit);
    };
    answers.resize(chunk.size());
    std::atomic<std::size_t> next {0};
    const auto work = [&](bool reportsProgress) {
        for (std::size_t i = next++; i < chunk.size(); i = next++) {
            answers[i] = answerOf(chunk[i]);
            ++answered;
            if (reportsProgress)
                showProgress();
        }
    };
    const std::size_t threadCount = std::min<std::size_t>(std::max(options.jobs, 1u), chunk.size());
    std::vector<std::jthread> threads;
    for (std::size_t t = 1; t < threadCount; ++t)
        threads.emplace_back(work, false);
    meanwhile();
    work(true);
}

} // namespace

BatchCounts RunBatch(const std::vector<std::unique_ptr<BatchInput>> &inputs, std::ostream &out, std::ostream &messages,
    const BatchOptions &options)
{
    BatchCounts counts;
    ProgressBar progress(messages, options.progress, options.totalBytes);
    LineReader reader(inputs, [&](const std::string &description) {
        progress.Clear();
        messages << "quadrelle-solve: " << description << '\n' << std::flush;
        ++counts.readErrors;
    });
    std::vector<PuzzleLine> chunk, next;
    std::vector<Answer> answers;
    std::atomic<long> answered {0};

    bool more = FillChunk(reader, chunk, options.chunkSize, true);
    while (!chunk.empty()) {
        // The next chunk is read while the helpers answer this one, so that reading costs the
        // run no time of its own.
        AnswerChunk(
            chunk, answers, options, answered, [&] { progress.Update(answered, reader.BytesRead()); },
            [&] {
                if (more)
                    more = FillChunk(reader, next, options.chunkSize, false);
            });

        progress.Clear();
        for (const Answer &answer : answers) {
            out << answer.Text();
            ++counts.verdicts[static_cast<std::size_t>(answer.verdict)];
        }
        out.flush();
        if (!out) {
            counts.writeFailed = true;
            break;
        }
        if (next.empty() && more)
            more = FillChunk(reader, next, options.chunkSize, true);
        std::swap(chunk, next);
        next.clear();
    }
    progress.Clear();
    return counts;
}

BatchCounts RunBatch(
    const std::vector<std::istream *> &inputs, std::ostream &out, std::ostream &messages, const BatchOptions &options)
{
    std::vector<std::unique_ptr<BatchInput>> wrapped;
    for (std::istream *input : inputs)
        wrapped.push_back(std::make_unique<StreamInput>(*input, "input " + std::to_string(wrapped.size() + 1)));
    return RunBatch(wrapped, out, messages, options);
}

} // namespace quadrelle
