#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

namespace quadrelle {

// What the status line says about a set of givens.
struct PuzzleVerdict {
    // 0, 1, or 2 meaning "two or more".
    int solutions = 0;
    // For one solution: the score times ten, and whether it is only a lower bound.
    int tenths = 0;
    bool lowerBound = false;
    QString hardest;
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

    // Returns at once.
    void Analyse(const Cells &cells);

signals:
    void Analysed(const quadrelle::PuzzleVerdict &verdict);

private:
    void Work();
    void Deliver(std::uint64_t generation, const PuzzleVerdict &verdict);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Cells> pending_;
    bool quit_ = false;
    // The newest request's number; a verdict for an older one is dropped.
    std::atomic<std::uint64_t> generation_ {0};
    // Set to abandon the rating in progress.
    std::atomic<bool> stop_ {false};
    std::thread worker_;
};

} // namespace quadrelle

Q_DECLARE_METATYPE(quadrelle::PuzzleVerdict)
