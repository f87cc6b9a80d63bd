#include "solver/commands/puzzle_analyst.h"

#include "counter/solution_count.h"
#include "logic/rating.h"

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
    return verdict.lowerBound
        ? QCoreApplication::translate("Quadrelle", "One solution · at least %1 %2").arg(score, verdict.hardest)
        : QCoreApplication::translate("Quadrelle", "One solution · %1 %2").arg(score, verdict.hardest);
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
    {
        std::lock_guard lock(mutex_);
        pending_ = cells;
        ++generation_;
        stop_ = true;
    }
    wake_.notify_one();
}

void PuzzleAnalyst::Work()
{
    for (;;) {
        Cells cells;
        std::uint64_t generation = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || pending_; });
            if (quit_)
                return;
            cells = *pending_;
            pending_.reset();
            generation = generation_;
            stop_ = false;
        }
        PuzzleVerdict verdict;
        verdict.solutions = CountSolutions(cells).solutions;
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

void PuzzleAnalyst::Deliver(std::uint64_t generation, const PuzzleVerdict &verdict)
{
    if (generation == generation_)
        emit Analysed(verdict);
}

} // namespace quadrelle
