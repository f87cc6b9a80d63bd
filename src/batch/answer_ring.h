#pragma once

#include "batch/answer.h"
#include "batch/doorbell.h"
#include "batch/sourced_puzzle.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace quadrelle {

// Puzzle lines on their way from the reader to the output. One thread (the owner) puts lines in
// and takes answers out, both in input order; workers claim lines one at a time and answer them
// in any order. The owner takes an answer as soon as it and every one before it are done, and
// puts a line in only once the answer `capacity` lines before it has been taken. Slots are made
// a block at a time as lines first reach them, so a short run costs little memory.
class AnswerRing {
public:
    struct Slot {
        SourcedPuzzle puzzle;
        Answer answer;
        // Input bytes up to the end of this line, for the share of the input answered.
        std::uintmax_t endOffset = 0;
        std::atomic<bool> done {false};
    };

    explicit AnswerRing(std::size_t capacity);

    // Owner: room for another line.
    bool HasRoom() const { return stored_ - taken_ < capacity_; }
    // Owner: lines put in whose answers are not taken yet.
    std::size_t InFlight() const { return stored_ - taken_; }
    std::size_t Unpublished() const { return stored_ - published_; }
    // Owner, when no worker runs (a waiting worker claims ahead): lines published, not yet answered.
    std::size_t Unclaimed() const { return published_ - claimed_.load(std::memory_order_relaxed); }
    // Owner: lines put in, and answers taken, since the start.
    std::size_t Stored() const { return stored_; }
    std::size_t Taken() const { return taken_; }
    // Owner, only with room: the line is seen by workers from the next Publish on.
    void Put(SourcedPuzzle puzzle, std::uintmax_t endOffset);
    void Publish();
    // Owner: the next answer in order once it is done, else null; Pop frees its slot.
    const Slot *Front() const;
    void Pop();
    // Owner: workers end after the line in hand, leaving the rest unanswered.
    void Abandon();
    // Owner, with more than `ahead` lines in flight: the wake descriptor turns readable once the
    // answer `ahead` lines after the next in order is done, or the next one if that one is done
    // already. False when the next answer is done: there is something to take, and nothing rings.
    bool Watch(std::size_t ahead);
    // Owner, after waking: no more rings until the next watch.
    void Unwatch();
    int WakeFd() const { return doorbell_.Fd(); }

    using AnswerOf = std::function<Answer(const PuzzleLine &)>;
    // Worker: answers lines until the ring is abandoned.
    void Work(const AnswerOf &answerOf);
    // Owner, when no worker runs: answers the next published line; false when none is left.
    bool AnswerNext(const AnswerOf &answerOf);

private:
    // Set in `available_` by Abandon, so that waiting workers wake and see it with the count.
    static constexpr std::size_t Closed = std::size_t {1} << (sizeof(std::size_t) * 8 - 1);

    // Not watching: no line has this index.
    static constexpr std::size_t Unwatched = ~std::size_t {0};
    static constexpr std::size_t BlockSize = 64;

    void AnswerAt(std::size_t index, const AnswerOf &answerOf);

    Slot &At(std::size_t index) const
    {
        const std::size_t place = index % capacity_;
        return blocks_[place / BlockSize][place % BlockSize];
    }

    std::size_t capacity_;
    // Made by the owner before the lines in them are published, so workers see them.
    std::unique_ptr<std::unique_ptr<Slot[]>[]> blocks_;
    Doorbell doorbell_;
    std::size_t stored_ = 0;
    std::size_t published_ = 0;
    std::size_t taken_ = 0;
    alignas(64) std::atomic<std::size_t> available_ {0};
    alignas(64) std::atomic<std::size_t> claimed_ {0};
    std::atomic<bool> abandoned_ {false};
    alignas(64) std::atomic<std::size_t> watched_ {Unwatched};
};

} // namespace quadrelle
