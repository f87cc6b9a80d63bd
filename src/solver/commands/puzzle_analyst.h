#pragma once

#include "logic/shown_step.h"
#include "model/geometry.h"

#include <QObject>
#include <QString>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace quadrelle {

// What the status line says about a set of givens.
struct PuzzleVerdict {
    // 0, 1, or 2 meaning "two or more".
    int solutions = 0;
    // For one solution: the score times ten, and whether it is only a lower bound.
    int tenths = 0;
    bool lowerBound = false;
    QString hardest;
    // With several solutions: the cells where two of them differ.
    std::vector<Cell> differing;
};

// A step to show on the board and its sentence; no step when there is none, and the sentence
// says why.
struct BoardHint {
    QString sentence;
    std::optional<logic::ShownStep> shown;
};

// The whole path, a hint a step; empty with the reason when there is none.
struct BoardPath {
    std::vector<BoardHint> steps;
    QString problem;
};

// The status line's sentence: "One solution · 4.2 XY-Wing".
QString DescribeVerdict(const PuzzleVerdict &verdict);

// Counts and rates givens on a thread of its own, so no keystroke waits for it. Each request
// supersedes the one before: a rating in progress is abandoned, and only the newest request's
// verdict is ever emitted, queued to the thread this object lives in.
class PuzzleAnalyst : public QObject {
    Q_OBJECT
public:
    using Cells = std::array<std::uint8_t, 81>;

    explicit PuzzleAnalyst(QObject *parent = nullptr);
    ~PuzzleAnalyst() override;

    // Each returns at once.
    void Analyse(const Cells &cells);
    // The next step a person would take in `cells` (givens and what is filled in), with the
    // candidates `removed` struck out.
    void Hint(const Cells &cells, const std::vector<logic::Candidate> &removed = {});
    // Every step from `cells` to the solution.
    void Explain(const Cells &cells);

signals:
    void Analysed(const quadrelle::PuzzleVerdict &verdict);
    void Hinted(const quadrelle::BoardHint &hint);
    void Explained(const quadrelle::BoardPath &path);

private:
    enum class Job { Verdict, Hint, Explain };
    struct Order {
        Cells cells;
        Job job = Job::Verdict;
        std::vector<logic::Candidate> removed;
    };
    void Request(Order order);
    void Work();
    void Answer(const Order &order, std::uint64_t generation);
    // Queued to this object's thread, and dropped there unless still the newest request.
    template <typename Signal, typename Value> void Deliver(std::uint64_t generation, Signal signal, Value value);
    BoardHint HintFor(const Order &order, int solutions) const;
    BoardPath PathFor(const Cells &cells, int solutions) const;
    PuzzleVerdict VerdictFor(const Cells &cells) const;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Order> pending_;
    bool quit_ = false;
    // The newest request's number; a verdict for an older one is dropped.
    std::atomic<std::uint64_t> generation_ {0};
    // Set to abandon the rating in progress.
    std::atomic<bool> stop_ {false};
    std::thread worker_;
};

} // namespace quadrelle

Q_DECLARE_METATYPE(quadrelle::PuzzleVerdict)
Q_DECLARE_METATYPE(quadrelle::BoardHint)
Q_DECLARE_METATYPE(quadrelle::BoardPath)
