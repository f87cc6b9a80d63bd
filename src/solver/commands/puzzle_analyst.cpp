#include "solver/commands/puzzle_analyst.h"

#include "counter/solution_count.h"
#include "logic/rating.h"
#include "solver/commands/puzzle_maker.h"
#include "solver/commands/step_sentence.h"
#include "solver/commands/worker_priority.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace quadrelle {

QString DescribeVerdict(const PuzzleVerdict &verdict)
{
    switch (verdict.solutions) {
    case 0:
        return QCoreApplication::translate("Quadrelle", "No solution");
    case 1:
        break;
    default:
        return QCoreApplication::translate("Quadrelle", "Several solutions");
    }
    // A full grid leaves nothing to rate.
    if (verdict.hardest.isEmpty())
        return QCoreApplication::translate("Quadrelle", "One solution");
    const QString score = QLocale().toString(verdict.tenths / 10.0, 'f', 1);
    const QString hardest = TechniqueName(verdict.hardest.toStdString());
    QString sentence = verdict.lowerBound
        ? QCoreApplication::translate("Quadrelle", "One solution · at least %1 %2").arg(score, hardest)
        : QCoreApplication::translate("Quadrelle", "One solution · %1 %2").arg(score, hardest);
    for (const DifficultyBand &band : DifficultyBands()) {
        if (band.lowest <= verdict.tenths && verdict.tenths <= band.highest)
            sentence += QStringLiteral(" · ") + QCoreApplication::translate("Quadrelle", band.name);
    }
    return sentence;
}

PuzzleAnalyst::PuzzleAnalyst(QObject *parent) : QObject(parent), worker_([this] { Work(); })
{
    qRegisterMetaType<PuzzleVerdict>();
    qRegisterMetaType<BoardHint>();
    qRegisterMetaType<BoardPath>();
}

PuzzleAnalyst::~PuzzleAnalyst()
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        stop_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void PuzzleAnalyst::Analyse(const Cells &cells)
{
    Request({cells, Job::Verdict, {}});
}

void PuzzleAnalyst::Hint(const Cells &cells, const std::vector<logic::Candidate> &removed)
{
    Request({cells, Job::Hint, removed});
}

void PuzzleAnalyst::Explain(const Cells &cells)
{
    Request({cells, Job::Explain, {}});
}

void PuzzleAnalyst::Request(Order order)
{
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(order);
        ++generation_;
        stop_ = true;
    }
    wake_.notify_one();
}

void PuzzleAnalyst::Work()
{
    YieldToTheWindow();
    for (;;) {
        Order order;
        std::uint64_t generation = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || pending_; });
            if (quit_)
                return;
            order = std::move(*pending_);
            pending_.reset();
            generation = generation_;
            stop_ = false;
        }
        Answer(order, generation);
    }
}

void PuzzleAnalyst::Answer(const Order &order, std::uint64_t generation)
{
    switch (order.job) {
    case Job::Verdict: {
        const PuzzleVerdict verdict = VerdictFor(order.cells);
        if (!stop_)
            Deliver(generation, &PuzzleAnalyst::Analysed, verdict);
        return;
    }
    case Job::Hint: {
        const BoardHint hint = HintFor(order, CountSolutions(order.cells).solutions);
        if (!stop_)
            Deliver(generation, &PuzzleAnalyst::Hinted, hint);
        return;
    }
    case Job::Explain: {
        const BoardPath path = PathFor(order.cells, CountSolutions(order.cells).solutions);
        if (!stop_)
            Deliver(generation, &PuzzleAnalyst::Explained, path);
        return;
    }
    }
}

template <typename Signal, typename Value>
void PuzzleAnalyst::Deliver(std::uint64_t generation, Signal signal, Value value)
{
    QMetaObject::invokeMethod(
        this,
        [this, generation, signal, value] {
            if (generation == generation_)
                emit(this->*signal)(value);
        },
        Qt::QueuedConnection);
}

PuzzleVerdict PuzzleAnalyst::VerdictFor(const Cells &cells) const
{
    PuzzleVerdict verdict;
    const SolutionCount count = CountSolutions(cells);
    verdict.solutions = count.solutions;
    if (count.solutions == 2) {
        for (int cell = 0; cell < 81; ++cell)
            if (count.first[cell] != count.second[cell])
                verdict.differing.emplace_back(cell);
    }
    if (verdict.solutions != 1)
        return verdict;
    RatingLimits limits;
    limits.stop = &stop_;
    const Rating rating = RatePuzzle(cells, limits);
    verdict.tenths = rating.tenths;
    verdict.lowerBound = rating.status == Rating::Status::LowerBound;
    verdict.hardest = QString::fromUtf8(rating.hardest.data(), static_cast<qsizetype>(rating.hardest.size()));
    return verdict;
}

namespace {

// Why there is no step to show, or an empty text when there may be one.
QString NoStepBecause(int solutions)
{
    if (solutions == 0)
        return QCoreApplication::translate("Quadrelle", "No hint: the puzzle has no solution.");
    if (solutions > 1)
        return QCoreApplication::translate("Quadrelle", "No hint: the puzzle has several solutions.");
    return {};
}

} // namespace

BoardHint PuzzleAnalyst::HintFor(const Order &order, int solutions) const
{
    if (const QString why = NoStepBecause(solutions); !why.isEmpty())
        return {why, std::nullopt};
    RatingLimits limits;
    limits.stop = &stop_;
    std::optional<logic::ShownStep> shown = logic::NextStep(order.cells, order.removed, limits);
    if (!shown) {
        const bool full = std::find(order.cells.begin(), order.cells.end(), 0) == order.cells.end();
        return {full ? QCoreApplication::translate("Quadrelle", "The puzzle is solved.")
                     : QCoreApplication::translate("Quadrelle", "No hint: no step found within the effort."),
            std::nullopt};
    }
    return {StepSentence(*shown), std::move(shown)};
}

BoardPath PuzzleAnalyst::PathFor(const Cells &cells, int solutions) const
{
    BoardPath path;
    path.problem = NoStepBecause(solutions);
    if (!path.problem.isEmpty())
        return path;
    RatingLimits limits;
    limits.stop = &stop_;
    for (logic::ShownStep &shown : logic::StepsToSolve(cells, limits)) {
        QString sentence = StepSentence(shown);
        path.steps.push_back({std::move(sentence), std::move(shown)});
    }
    if (path.steps.empty())
        path.problem = QCoreApplication::translate("Quadrelle", "The puzzle is solved.");
    return path;
}

} // namespace quadrelle
