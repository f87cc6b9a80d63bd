// The owner of the answer ring sleeps on its wake descriptor: the answer it watches, found by a
// worker while it sleeps, wakes it with the answers before it done too.
#include "batch/answer_ring.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

#include <poll.h>

namespace quadrelle {

TEST(AnswerRing, TheWatchedAnswerWakesTheOwner)
{
    constexpr std::size_t Lines = 3;
    for (const std::size_t ahead : {std::size_t {0}, Lines - 1}) {
        AnswerRing ring(8);
        for (std::size_t line = 0; line < Lines; ++line)
            ring.Put(SourcedPuzzle {}, line);
        std::promise<void> release;
        const std::shared_future<void> released = release.get_future().share();
        std::thread worker([&ring, released] {
            ring.Work([released](const PuzzleLine &) {
                released.wait();
                return Answer {};
            });
        });
        ring.Publish();
        EXPECT_TRUE(ring.Watch(ahead)) << "nothing is answered before the release";
        release.set_value();
        pollfd wake {ring.WakeFd(), POLLIN, 0};
        // Never expected to run out: only a missing wake would reach it.
        EXPECT_EQ(::poll(&wake, 1, 60'000), 1) << "ahead " << ahead;
        ring.Unwatch();
        for (std::size_t line = 0; line <= ahead; ++line) {
            ASSERT_NE(ring.Front(), nullptr) << "line " << line << ", ahead " << ahead;
            ring.Pop();
        }
        ring.Abandon();
        worker.join();
    }
}

// With one job the owner answers the lines itself: only those published, each once, and around
// the ring's end in the order they were put in.
TEST(AnswerRing, TheOwnerAnswersThePublishedLinesInOrder)
{
    AnswerRing ring(2);
    const AnswerRing::AnswerOf answerOf = [](const PuzzleLine &line) {
        Answer answer;
        answer.length = static_cast<std::uint8_t>(line.givens[0]);
        return answer;
    };
    const auto put = [&ring](int line) {
        SourcedPuzzle puzzle;
        puzzle.read.puzzle.givens[0] = static_cast<std::int8_t>(line);
        ring.Put(puzzle, 0);
    };
    put(1);
    ring.Publish();
    put(2);
    ASSERT_TRUE(ring.AnswerNext(answerOf));
    EXPECT_FALSE(ring.AnswerNext(answerOf)) << "line 2 is not published yet";
    for (int line = 3; line <= 5; ++line) {
        ring.Publish();
        ASSERT_TRUE(ring.AnswerNext(answerOf));
        ASSERT_NE(ring.Front(), nullptr);
        EXPECT_EQ(ring.Front()->answer.length, line - 2);
        ring.Pop();
        put(line);
    }
    ASSERT_NE(ring.Front(), nullptr);
    EXPECT_EQ(ring.Front()->answer.length, 4);
    ring.Pop();
    EXPECT_FALSE(ring.AnswerNext(answerOf)) << "line 5 is not published yet";
    EXPECT_EQ(ring.Front(), nullptr);
}

} // namespace quadrelle
