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

    // Each returns at once.
    void Analyse(const Cells &cells);
    // The next step a person would take in `cells` (givens and what is filled in), as a sentence.
    void Hint(const Cells &cells);

signals:
    void Analysed(const quadrelle::PuzzleVerdict &verdict);
    void Hinted(const QString &sentence);

private:
    enum class Job { Verdict, Hint };
    void Request(const Cells &cells, Job job);
    void Work();
    void Deliver(std::uint64_t generation, const PuzzleVerdict &verdict);
    static QString HintFor(const Cells &cells, int solutions, const std::atomic<bool> &stop);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Cells> pending_;
    Job pendingJob_ = Job::Verdict;
    bool quit_ = false;
    // The newest request's number; a verdict for an older one is dropped.
    std::atomic<std::uint64_t> generation_ {0};
    // Set to abandon the rating in progress.
    std::atomic<bool> stop_ {false};
    std::thread worker_;
};

} // namespace quadrelle

Q_DECLARE_METATYPE(quadrelle::PuzzleVerdict)
