#include "batch/answer_ring.h"

#include <algorithm>

namespace quadrelle {

AnswerRing::AnswerRing(std::size_t capacity)
    : capacity_(std::max<std::size_t>(capacity, 1)),
      blocks_(std::make_unique<std::unique_ptr<Slot[]>[]>((capacity_ + BlockSize - 1) / BlockSize))
{
}

void AnswerRing::Put(SourcedPuzzle puzzle, std::uintmax_t endOffset)
{
    std::unique_ptr<Slot[]> &block = blocks_[stored_ % capacity_ / BlockSize];
    if (!block)
        block = std::make_unique<Slot[]>(BlockSize);
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

bool AnswerRing::Watch(std::size_t ahead)
{
    for (const std::size_t index : {taken_ + ahead, taken_}) {
        // Paired with the worker's store of `done` and load of `watched_`: one of the two sees
        // the other's store, so either the owner finds the answer done or the worker rings.
        watched_.store(index, std::memory_order_seq_cst);
        if (!At(index).done.load(std::memory_order_seq_cst))
            return true;
    }
    Unwatch();
    return false;
}

void AnswerRing::Unwatch()
{
    watched_.store(Unwatched, std::memory_order_relaxed);
    doorbell_.Clear();
}

void AnswerRing::Work(const AnswerOf &answerOf)
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
        AnswerAt(index, answerOf);
    }
}

bool AnswerRing::AnswerNext(const AnswerOf &answerOf)
{
    const std::size_t index = claimed_.load(std::memory_order_relaxed);
    if (index >= published_)
        return false;
    claimed_.store(index + 1, std::memory_order_relaxed);
    AnswerAt(index, answerOf);
    return true;
}

void AnswerRing::AnswerAt(std::size_t index, const AnswerOf &answerOf)
{
    Slot &slot = At(index);
    slot.answer = answerOf(slot.puzzle.read.puzzle);
    slot.done.store(true, std::memory_order_seq_cst);
    if (watched_.load(std::memory_order_seq_cst) == index)
        doorbell_.Ring();
}

} // namespace quadrelle
