#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

namespace quadrelle {

// A named range of ratings on the default scale, both ends kept, in tenths.
struct DifficultyBand {
    const char *name;
    int lowest;
    int highest;
};

// Easy, Medium, Hard, Fiendish, Diabolical, Extreme, from the easiest.
const std::array<DifficultyBand, 6> &DifficultyBands();

// Makes a new puzzle in a band, with central symmetry and no given to spare, on a thread of its
// own. A newer request or Cancel abandons the one in progress; only the newest puzzle is
// delivered, queued to the thread this object lives in.
class PuzzleMaker : public QObject {
    Q_OBJECT
public:
    using Cells = std::array<std::uint8_t, 81>;

    explicit PuzzleMaker(QObject *parent = nullptr);
    ~PuzzleMaker() override;

    // Returns at once.
    void Make(const DifficultyBand &band, std::uint64_t seed);
    void Cancel();
    bool Busy() const { return busy_; }

signals:
    void Made(const quadrelle::PuzzleMaker::Cells &puzzle);

private:
    void Stop();

    std::shared_ptr<std::atomic<bool>> stop_;
    std::thread worker_;
    std::uint64_t request_ = 0;
    bool busy_ = false;
};

} // namespace quadrelle
