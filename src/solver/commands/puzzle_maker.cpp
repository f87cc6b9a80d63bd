#include "solver/commands/puzzle_maker.h"

#include "generate/generator.h"
#include "generate/rating_filter.h"
#include "logic/rating.h"
#include "solver/commands/worker_priority.h"

namespace quadrelle {

const std::array<DifficultyBand, 6> &DifficultyBands()
{
    // Cut where the ladder changes kind: hidden singles and the direct steps; naked singles,
    // pointing and claiming; subsets, fish and the XY- and XYZ-wings; unique rectangles, quads and
    // the grave; aligned exclusion and chains; multiple, dynamic and nested forcing chains.
    static const std::array<DifficultyBand, 6> bands {{
        {QT_TRANSLATE_NOOP("Quadrelle", "Easy"), 10, 20},
        {QT_TRANSLATE_NOOP("Quadrelle", "Medium"), 21, 29},
        {QT_TRANSLATE_NOOP("Quadrelle", "Hard"), 30, 44},
        {QT_TRANSLATE_NOOP("Quadrelle", "Fiendish"), 45, 61},
        {QT_TRANSLATE_NOOP("Quadrelle", "Diabolical"), 62, 79},
        {QT_TRANSLATE_NOOP("Quadrelle", "Extreme"), 80, generate::HighestRating()},
    }};
    return bands;
}

PuzzleMaker::PuzzleMaker(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<Cells>();
}

PuzzleMaker::~PuzzleMaker()
{
    Stop();
}

void PuzzleMaker::Stop()
{
    if (stop_)
        *stop_ = true;
    if (worker_.joinable())
        worker_.join();
}

void PuzzleMaker::Cancel()
{
    ++request_;
    busy_ = false;
    Stop();
}

void PuzzleMaker::Make(const DifficultyBand &band, std::uint64_t seed)
{
    Cancel();
    busy_ = true;
    const DifficultyBand range = band;
    auto stop = std::make_shared<std::atomic<bool>>(false);
    stop_ = stop;
    const std::uint64_t request = request_;
    worker_ = std::thread([this, range, stop, seed, request] {
        YieldToTheWindow();
        const bool reachesTop = range.highest >= generate::HighestRating();
        // A stopped search keeps the next candidate only to end; it is never delivered.
        const generate::PuzzleFilter keep = [&](const generate::Grid &puzzle) {
            if (*stop)
                return true;
            RatingLimits limits;
            limits.stop = stop.get();
            const Rating rating = RatePuzzle(puzzle, limits);
            if (rating.status == Rating::Status::LowerBound)
                return reachesTop && rating.tenths >= range.lowest;
            return rating.status == Rating::Status::Rated && range.lowest <= rating.tenths
                && rating.tenths <= range.highest;
        };
        const generate::GeneratedPuzzle made
            = generate::GeneratePuzzle(seed, 0, {generate::Symmetry::Central, true}, keep);
        if (*stop)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, request, puzzle = made.puzzle] {
                if (request != request_)
                    return;
                busy_ = false;
                emit Made(puzzle);
            },
            Qt::QueuedConnection);
    });
}

} // namespace quadrelle
