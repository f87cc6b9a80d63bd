#include "solver/commands/puzzle_analyst.h"

#include "counter/solution_count.h"
#include "logic/explain.h"
#include "logic/rating.h"
#include "solver/commands/puzzle_maker.h"
#include "solver/commands/worker_priority.h"

#include <QCoreApplication>
#include <QLocale>

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
    QString sentence = verdict.lowerBound
        ? QCoreApplication::translate("Quadrelle", "One solution · at least %1 %2").arg(score, verdict.hardest)
        : QCoreApplication::translate("Quadrelle", "One solution · %1 %2").arg(score, verdict.hardest);
    for (const DifficultyBand &band : DifficultyBands()) {
        if (band.lowest <= verdict.tenths && verdict.tenths <= band.highest)
            sentence += QStringLiteral(" · ") + QCoreApplication::translate("Quadrelle", band.name);
    }
    return sentence;
}

PuzzleAnalyst::PuzzleAnalyst(QObject *parent) : QObject(parent), worker_([this] { Work(); })
{
    qRegisterMetaType<PuzzleVerdict>();
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
    Request(cells, Job::Verdict);
}

void PuzzleAnalyst::Hint(const Cells &cells)
{
    Request(cells, Job::Hint);
}

void PuzzleAnalyst::Request(const Cells &cells, Job job)
{
    {
        std::lock_guard lock(mutex_);
        pending_ = cells;
        pendingJob_ = job;
        ++generation_;
        stop_ = true;
    }
    wake_.notify_one();
}

void PuzzleAnalyst::Work()
{
    YieldToTheWindow();
    for (;;) {
        Cells cells;
        Job job = Job::Verdict;
        std::uint64_t generation = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || pending_; });
            if (quit_)
                return;
            cells = *pending_;
            pending_.reset();
            job = pendingJob_;
            generation = generation_;
            stop_ = false;
        }
        PuzzleVerdict verdict;
        verdict.solutions = CountSolutions(cells).solutions;
        if (job == Job::Hint) {
            const QString sentence = HintFor(cells, verdict.solutions, stop_);
            if (stop_)
                continue;
            QMetaObject::invokeMethod(
                this,
                [this, generation, sentence] {
                    if (generation == generation_)
                        emit Hinted(sentence);
                },
                Qt::QueuedConnection);
            continue;
        }
        if (verdict.solutions == 1) {
            RatingLimits limits;
            limits.stop = &stop_;
            const Rating rating = RatePuzzle(cells, limits);
            if (stop_)
                continue;
            verdict.tenths = rating.tenths;
            verdict.lowerBound = rating.status == Rating::Status::LowerBound;
            verdict.hardest = QString::fromUtf8(rating.hardest.data(), static_cast<qsizetype>(rating.hardest.size()));
        }
        QMetaObject::invokeMethod(
            this, [this, generation, verdict] { Deliver(generation, verdict); }, Qt::QueuedConnection);
    }
}

QString PuzzleAnalyst::HintFor(const Cells &cells, int solutions, const std::atomic<bool> &stop)
{
    if (solutions == 0)
        return QCoreApplication::translate("Quadrelle", "No hint: the puzzle has no solution.");
    if (solutions > 1)
        return QCoreApplication::translate("Quadrelle", "No hint: the puzzle has several solutions.");
    RatingLimits limits;
    limits.stop = &stop;
    // "r4c7=3 Hidden Single (box) 1.2", or the rating line when nothing is left to do.
    const QString line = QString::fromStdString(DescribePuzzle(cells, ExplainDepth::FirstStep, limits)).trimmed();
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    if (line.startsWith(QLatin1String("rated ")) || space < 0)
        return QCoreApplication::translate("Quadrelle", "The puzzle is solved.");
    return QCoreApplication::translate("Quadrelle", "Hint · %1: %2").arg(line.mid(space + 1), line.left(space));
}

void PuzzleAnalyst::Deliver(std::uint64_t generation, const PuzzleVerdict &verdict)
{
    if (generation == generation_)
        emit Analysed(verdict);
}

} // namespace quadrelle
