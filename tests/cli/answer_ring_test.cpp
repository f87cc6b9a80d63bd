// The owner of the answer ring sleeps on its wake descriptor: the answer it watches, found by a
// worker while it sleeps, wakes it with the answers before it done too.
#include "cli/answer_ring.h"

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

} // namespace quadrelle
