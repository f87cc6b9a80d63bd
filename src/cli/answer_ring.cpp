#include "answer_ring.h"

#include <algorithm>

namespace quadrelle {

AnswerRing::AnswerRing(std::size_t capacity)
    : capacity_(std::max<std::size_t>(capacity, 1)), slots_(std::make_unique<Slot[]>(capacity_))
{
}

void AnswerRing::Put(SourcedPuzzle puzzle, std::uintmax_t endOffset)
{
    Slot &slot = At(stored_++);
    slot.puzzle = std::move(puzzle);
    slot.endOffset = endOffset;
}

void AnswerRing::Publish()
{
    if (published_ == stored_)
        return;
    published_ = stored_;
    available_.store(published_, std::memory_order_release);
    available_.notify_all();
}

const AnswerRing::Slot *AnswerRing::Front() const
{
    if (taken_ == stored_)
        return nullptr;
    const Slot &slot = At(taken_);
    return slot.done.load(std::memory_order_acquire) ? &slot : nullptr;
}

void AnswerRing::Pop()
{
    // Workers touch a slot again only after it is published anew, which this store precedes.
    At(taken_++).done.store(false, std::memory_order_relaxed);
}

void AnswerRing::Abandon()
{
    abandoned_.store(true, std::memory_order_relaxed);
    available_.store(published_ | Closed, std::memory_order_release);
    available_.notify_all();
}

void AnswerRing::Work(const std::function<Answer(const PuzzleLine &)> &answerOf)
{
    while (!abandoned_.load(std::memory_order_relaxed)) {
        const std::size_t index = claimed_.fetch_add(1, std::memory_order_relaxed);
        std::size_t available = available_.load(std::memory_order_acquire);
        while (index >= (available & ~Closed)) {
            if ((available & Closed) != 0)
                return;
            available_.wait(available, std::memory_order_acquire);
            available = available_.load(std::memory_order_acquire);
        }
        Slot &slot = At(index);
        slot.answer = answerOf(slot.puzzle.read.puzzle);
        slot.done.store(true, std::memory_order_release);
    }
}

} // namespace quadrelle
