#include "batch/workers.h"

#include <algorithm>
#include <csignal>

#include <pthread.h>

namespace quadrelle {

RingWorkers::RingWorkers(std::shared_ptr<AnswerRing> ring, unsigned jobs, AnswerRing::AnswerOf answerOf)
    : ring_(std::move(ring)), jobs_(std::max(jobs, 1u)), answerOf_(std::move(answerOf))
{
}

RingWorkers::~RingWorkers()
{
    ring_->Abandon();
    for (std::thread &thread : threads_)
        thread.join();
}

void RingWorkers::StartFor(std::size_t linesInHand)
{
    while (threads_.size() < jobs_ && threads_.size() < linesInHand)
        Start();
}

void RingWorkers::LetGo()
{
    ring_->Abandon();
    for (std::thread &thread : threads_)
        thread.detach();
    threads_.clear();
}

void RingWorkers::Start()
{
    sigset_t stopSignals, previous;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, &previous);
    threads_.emplace_back([ring = ring_, answerOf = answerOf_] { ring->Work(answerOf); });
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

} // namespace quadrelle
