#pragma once

#include "batch/answer_ring.h"

#include <memory>
#include <thread>
#include <vector>

namespace quadrelle {

// The threads that answer a ring's lines, started as the lines in hand need them, up to `jobs`.
// Stop signals (SIGINT, SIGTERM) are blocked in them: they go to the owner's thread, whose waits
// they cut short.
class RingWorkers {
public:
    RingWorkers(std::shared_ptr<AnswerRing> ring, unsigned jobs, AnswerRing::AnswerOf answerOf);
    RingWorkers(const RingWorkers &) = delete;
    RingWorkers &operator=(const RingWorkers &) = delete;
    // Every line is answered by now, unless the run ended early: then only those in hand are.
    ~RingWorkers();

    void StartFor(std::size_t linesInHand);
    // Ends the run without waiting for the lines in hand; the ring outlives it for the workers
    // that hold one.
    void LetGo();

private:
    void Start();

    std::shared_ptr<AnswerRing> ring_;
    unsigned jobs_;
    AnswerRing::AnswerOf answerOf_;
    std::vector<std::thread> threads_;
};

} // namespace quadrelle
