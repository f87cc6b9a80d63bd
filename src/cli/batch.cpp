#include "cli/batch.h"

#include "batch/answer.h"
#include "cli/answer_fields.h"
#include "batch/answer_ring.h"
#include "batch/workers.h"
#include "cli/progress.h"
#include "cli/puzzle_source.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <ostream>
#include <string>

#include <poll.h>
#include <time.h>

namespace quadrelle {

namespace {

Answer AnswerOf(const PuzzleLine &line, BatchMode mode, std::int32_t placementLimit, const RatingLimits &rating)
{
    switch (mode) {
    case BatchMode::Solve:
        break;
    case BatchMode::Count:
        return CountAnswer(line);
    case BatchMode::Rate:
        return RateAnswer(line, RateDepth::Rating, rating);
    case BatchMode::Explain:
        return RateAnswer(line, RateDepth::AllSteps, rating);
    case BatchMode::Hint:
        return RateAnswer(line, RateDepth::FirstStep, rating);
    }
    return SolveAnswer(line, placementLimit);
}

AnswerRing::AnswerOf AnswerFunction(const BatchOptions &options)
{
    return [mode = options.mode, limit = options.placementLimit, rating = options.rating](
               const PuzzleLine &line) { return AnswerOf(line, mode, limit, rating); };
}

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The longest the owner sleeps before it looks at the stop flag and the progress bar again; an
// answer, input or a signal wakes it sooner.
constexpr milliseconds LongestWait(100);
// How often it looks for answers when the system gave it no descriptor to be woken by.
constexpr milliseconds AnswerPoll(2);
// Answers are flushed at most this often while more are on their way.
constexpr milliseconds FlushEvery(20);
// Lines put in before workers are told, so that they start while a big file is still read.
constexpr std::size_t PublishEvery = 256;

// Read after each answer: a few times cheaper than the steady clock, and its ticks of a few
// milliseconds are fine grained enough for a budget of FlushEvery.
milliseconds CoarseNow()
{
#ifdef CLOCK_MONOTONIC_COARSE
    constexpr clockid_t Coarse = CLOCK_MONOTONIC_COARSE;
#else
    constexpr clockid_t Coarse = CLOCK_MONOTONIC;
#endif
    timespec now {};
    clock_gettime(Coarse, &now);
    return std::chrono::duration_cast<milliseconds>(
        std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
}

// One job needs no second thread, whose hand-offs cost as much as counting an easy puzzle.
bool AnswersOnOwnThread(const BatchOptions &options)
{
    return options.jobs <= 1;
}

// One job reads no further ahead than it answers at a time, so that each line is answered while
// it is still in the cache and the same few slots serve the whole run.
std::size_t RingSize(const BatchOptions &options)
{
    return AnswersOnOwnThread(options) ? std::min(options.readAhead, PublishEvery) : options.readAhead;
}

// One run on the calling thread: reads ahead, hands lines to the workers (or with one job
// answers them itself), writes the answers in order and shows progress, until the inputs end,
// a write fails or a stop is asked for.
class BatchRun {
public:
    BatchRun(const std::vector<std::unique_ptr<BatchInput>> &inputs, std::ostream &out, std::ostream &messages,
        const BatchOptions &options)
        : out_(out), messages_(messages), options_(options), progress_(messages, options.progress, options.totalBytes),
          inputs_(inputs),
          source_(inputs, options.strict, [this](const std::string &description) { ReportReadError(description); }),
          ring_(std::make_shared<AnswerRing>(RingSize(options))), workers_(ring_, options.jobs, AnswerFunction(options)),
          answerOf_(AnswersOnOwnThread(options) ? AnswerFunction(options) : nullptr)
    {
    }

    BatchCounts Run()
    {
        for (;;) {
            const bool stopping = options_.stopRequested && options_.stopRequested();
            if (!stopping) {
                ReadAhead();
                AnswerInHand();
            }
            WriteFinished(stopping);
            if (!out_) {
                counts_.writeFailed = true;
                break;
            }
            if (stopping) {
                counts_.stopped = true;
                break;
            }
            if (inputEnded_ && ring_->InFlight() == 0)
                break;
            Wait();
        }
        progress_.Clear();
        if (counts_.stopped)
            workers_.LetGo();
        return counts_;
    }

private:
    // Said once the answers of the lines before the failure are out, so that a terminal shows
    // them in reading order.
    void ReportReadError(const std::string &description)
    {
        ++counts_.readErrors;
        pendingErrors_.push_back({ring_->Stored(), "quadrelle-solve: " + description + '\n'});
    }

    void SayErrorsUpTo(std::size_t answered)
    {
        while (!pendingErrors_.empty() && pendingErrors_.front().linesBefore <= answered) {
            progress_.Clear();
            out_.flush();
            messages_ << pendingErrors_.front().message << std::flush;
            pendingErrors_.pop_front();
        }
    }

    void ReadAhead()
    {
        waitingForInput_ = false;
        // One for the whole batch: each line's is written over in full, and clearing a new one
        // for each line costs more than handing it on.
        SourcedPuzzle puzzle;
        while (!inputEnded_ && ring_->HasRoom()) {
            const PuzzleSource::Status status = source_.Next(puzzle);
            if (status == PuzzleSource::Status::End)
                inputEnded_ = true;
            if (status != PuzzleSource::Status::Puzzle) {
                waitingForInput_ = status == PuzzleSource::Status::WouldWait;
                break;
            }
            ring_->Put(std::move(puzzle), source_.BytesTaken());
            if (ring_->Unpublished() >= PublishEvery)
                Publish();
        }
        Publish();
    }

    void Publish()
    {
        ring_->Publish();
        if (!answerOf_)
            workers_.StartFor(ring_->InFlight());
    }

    // The lines are answered a flush's time at most before the owner looks at its other duties.
    void AnswerInHand()
    {
        if (!answerOf_)
            return;
        const milliseconds start = CoarseNow();
        while (ring_->AnswerNext(answerOf_) && CoarseNow() - start < FlushEvery) { }
    }

    // One answer in the form asked for. Where a grid is malformed is said on the messages too,
    // unless the answer says it already.
    void Write(const AnswerRing::Slot &slot)
    {
        const ReadPuzzle &read = slot.puzzle.read;
        const std::string problem = read.Malformed() ? FaultText(read.fault) : std::string();
        if (options_.format == OutputFormat::Line) {
            out_ << slot.answer.steps << slot.answer.Text();
        } else {
            AnswerFields fields = FieldsOf(slot.answer);
            fields.position = slot.puzzle.read.position;
            fields.problem = problem;
            fields.label = read.label;
            fields.input = inputs_[slot.puzzle.input]->Path();
            text_.clear();
            AppendAnswer(text_, options_.format, fields);
            out_ << text_;
        }
        if (problem.empty() || options_.format != OutputFormat::Line)
            return;
        const std::string_view input = inputs_[slot.puzzle.input]->Path();
        progress_.Clear();
        out_.flush();
        const FilePosition at = slot.puzzle.read.position;
        messages_ << "quadrelle-solve: " << (input.empty() ? "standard input" : input) << ':' << at.line << ':'
                  << at.column << ": " << problem << '\n'
                  << std::flush;
    }

    // Writes the answers that are next in order; flushes them unless more follow very soon.
    void WriteFinished(bool stopping)
    {
        while (const AnswerRing::Slot *slot = ring_->Front()) {
            SayErrorsUpTo(ring_->Taken());
            Write(*slot);
            ++counts_.verdicts[static_cast<std::size_t>(slot->answer.verdict)];
            bytesAnswered_ = slot->endOffset;
            ring_->Pop();
            unflushed_ = true;
        }
        SayErrorsUpTo(stopping ? ring_->Stored() : ring_->Taken());
        if (ring_->InFlight() == 0)
            bytesAnswered_ = source_.BytesTaken();
        const auto now = Clock::now();
        // Nothing in flight is a reason only when no more input is ready: else the owner answering
        // its own lines would flush each small batch, and a file take many short writes.
        const bool idle = ring_->InFlight() == 0 && (waitingForInput_ || inputEnded_);
        if (unflushed_ && (stopping || idle || now - lastFlush_ >= FlushEvery)) {
            if (options_.outputBesideProgress)
                progress_.Clear();
            out_.flush();
            lastFlush_ = now;
            unflushed_ = false;
        }
        progress_.Update(counts_.total(), bytesAnswered_);
    }

    // Until a batch of answers is done (as many as are in flight, at most a share of the
    // read-ahead, so that the workers never run dry), the input brings more, a signal comes or
    // unflushed answers are due. Waking for each answer would cost more than finding it.
    void Wait()
    {
        if (ring_->HasRoom() && !inputEnded_ && !waitingForInput_)
            return; // more to read at once
        if (answerOf_ && ring_->Unclaimed() > 0)
            return; // more to answer at once
        const bool watching = ring_->InFlight() > 0;
        const std::size_t ahead
            = watching ? std::min({ring_->InFlight(), options_.readAhead / 4 + 1, PublishEvery}) - 1 : 0;
        if (watching && !ring_->Watch(ahead))
            return;
        std::array<pollfd, 2> events {};
        nfds_t count = 0;
        if (watching)
            events[count++] = {ring_->WakeFd(), POLLIN, 0};
        if (waitingForInput_)
            events[count++] = {source_.ReadyFd(), POLLIN, 0};
        ::poll(events.data(), count, static_cast<int>(WaitLimit(watching, ahead > 0).count()));
        if (watching)
            ring_->Unwatch();
    }

    // Answers found while it waits for those after them are written at the next flush at the latest.
    milliseconds WaitLimit(bool watching, bool watchingAhead) const
    {
        milliseconds limit = watchingAhead ? FlushEvery : LongestWait;
        if (watching && ring_->WakeFd() < 0)
            limit = AnswerPoll;
        if (unflushed_) {
            const auto due = std::chrono::ceil<milliseconds>(lastFlush_ + FlushEvery - Clock::now());
            limit = std::clamp(due, milliseconds(0), limit);
        }
        return limit;
    }

    std::ostream &out_;
    std::ostream &messages_;
    const BatchOptions &options_;
    BatchCounts counts_;
    ProgressBar progress_;
    const std::vector<std::unique_ptr<BatchInput>> &inputs_;
    PuzzleSource source_;
    std::shared_ptr<AnswerRing> ring_;
    RingWorkers workers_;
    // Set when the owner answers the lines itself.
    const AnswerRing::AnswerOf answerOf_;
    struct PendingError {
        std::size_t linesBefore;
        std::string message;
    };
    std::deque<PendingError> pendingErrors_;
    std::string text_;
    bool inputEnded_ = false;
    bool waitingForInput_ = false;
    bool unflushed_ = false;
    std::uintmax_t bytesAnswered_ = 0;
    Clock::time_point lastFlush_ = Clock::now();
};

} // namespace

BatchCounts RunBatch(const std::vector<std::unique_ptr<BatchInput>> &inputs, std::ostream &out, std::ostream &messages,
    const BatchOptions &options)
{
    return BatchRun(inputs, out, messages, options).Run();
}

BatchCounts RunBatch(
    const std::vector<std::istream *> &inputs, std::ostream &out, std::ostream &messages, const BatchOptions &options)
{
    std::vector<std::unique_ptr<BatchInput>> wrapped;
    for (std::istream *input : inputs)
        wrapped.push_back(std::make_unique<StreamInput>(*input, "input " + std::to_string(wrapped.size() + 1)));
    return BatchRun(wrapped, out, messages, options).Run();
}

} // namespace quadrelle
