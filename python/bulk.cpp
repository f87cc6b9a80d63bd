#include "python/bulk.h"

#include "batch/workers.h"
#include "python/puzzle_arg.h"

#include <pybind11/numpy.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>
#include <memory>
#include <thread>

#include <poll.h>

namespace py = pybind11;

namespace quadrelle::python {

namespace {

// As in the batch tool: lines handed to the workers in batches, and enough in flight that a slow
// puzzle holds no thread back.
constexpr std::size_t PublishEvery = 256;
constexpr std::size_t RingSize = 8192;

// The rows of an integer NumPy array of shape (n, 81), read in place whatever their type and
// strides; anything else is iterated as Python objects.
class ArrayRows {
public:
    static std::optional<ArrayRows> Of(py::handle object)
    {
        // A NumPy array exists only once NumPy is imported: the module never imports it itself.
        if (PyDict_GetItemString(PyImport_GetModuleDict(), "numpy") == nullptr)
            return std::nullopt;
        if (!py::isinstance<py::array>(object))
            return std::nullopt;
        auto array = py::reinterpret_borrow<py::array>(object);
        const char kind = array.dtype().kind();
        if (array.ndim() != 2 || (kind != 'i' && kind != 'u'))
            return std::nullopt;
        // Read in place in the machine's byte order only; another is converted once.
        if (array.dtype().byteorder() == '>')
            array = py::array_t<long long, py::array::c_style | py::array::forcecast>::ensure(object);
        if (!array)
            throw py::error_already_set();
        return ArrayRows(std::move(array));
    }

    // The next row's cells; false after the last.
    bool Next(std::array<long long, 81> &cells, std::size_t &count)
    {
        if (row_ >= array_.shape(0))
            return false;
        count = static_cast<std::size_t>(array_.shape(1));
        const auto *base = static_cast<const char *>(array_.data()) + row_ * array_.strides(0);
        for (std::size_t p = 0; p < std::min<std::size_t>(count, cells.size()); ++p)
            cells[p] = CellAt(base + static_cast<py::ssize_t>(p) * array_.strides(1));
        ++row_;
        return true;
    }

private:
    explicit ArrayRows(py::array array)
        : array_(std::move(array)), signed_(array_.dtype().kind() == 'i'), size_(array_.itemsize())
    {
    }

    template <typename T> static long long Load(const char *at)
    {
        T value;
        std::memcpy(&value, at, sizeof value);
        return static_cast<long long>(value);
    }

    long long CellAt(const char *at) const
    {
        switch (size_) {
        case 1:
            return signed_ ? Load<std::int8_t>(at) : Load<std::uint8_t>(at);
        case 2:
            return signed_ ? Load<std::int16_t>(at) : Load<std::uint16_t>(at);
        case 4:
            return signed_ ? Load<std::int32_t>(at) : Load<std::uint32_t>(at);
        default:
            // Beyond any cell: a value that does not fit is as bad as any other.
            return signed_ ? Load<std::int64_t>(at) : static_cast<long long>(std::min<std::uint64_t>(Load<std::uint64_t>(at), 10));
        }
    }

    py::array array_;
    bool signed_;
    py::ssize_t size_;
    py::ssize_t row_ = 0;
};

// The puzzles of the argument, one at a time, with their index for the messages.
class PuzzleFeed {
public:
    explicit PuzzleFeed(py::handle puzzles)
    {
        if (PyUnicode_Check(puzzles.ptr()) || PyBytes_Check(puzzles.ptr()) || PyByteArray_Check(puzzles.ptr()))
            throw py::type_error("the bulk calls take an iterable of puzzles; for one puzzle use count, rate or solve");
        rows_ = ArrayRows::Of(puzzles);
        if (!rows_)
            iterator_ = py::iter(puzzles);
    }

    bool Next(PuzzleLine &line)
    {
        try {
            if (rows_) {
                std::size_t count = 0;
                if (!rows_->Next(cells_, count))
                    return false;
                line = PuzzleOfCells(cells_.data(), count);
            } else {
                py::object item = py::reinterpret_steal<py::object>(PyIter_Next(iterator_.ptr()));
                if (!item) {
                    if (PyErr_Occurred())
                        throw py::error_already_set();
                    return false;
                }
                line = PuzzleOf(item);
            }
        } catch (const py::value_error &error) {
            throw py::value_error("puzzle " + std::to_string(index_) + ": " + error.what());
        } catch (const py::type_error &error) {
            throw py::type_error("puzzle " + std::to_string(index_) + ": " + error.what());
        }
        ++index_;
        return true;
    }

private:
    std::optional<ArrayRows> rows_;
    py::iterator iterator_;
    std::array<long long, 81> cells_ {};
    std::size_t index_ = 0;
};

// One bulk call on the calling thread: reads puzzles into the ring, lets the workers (or with one
// job the calling thread) answer them, and converts the answers in order as they are done.
class OrderedRun {
public:
    OrderedRun(unsigned jobs, const AnswerRing::AnswerOf &answerOf, const Convert &convert)
        : ring_(std::make_shared<AnswerRing>(jobs <= 1 ? PublishEvery : RingSize)), jobs_(std::max(jobs, 1u)),
          answerOf_(answerOf), convert_(convert)
    {
        if (jobs_ > 1)
            workers_.emplace(ring_, jobs_, answerOf_);
    }
    OrderedRun(const OrderedRun &) = delete;
    OrderedRun &operator=(const OrderedRun &) = delete;
    // On an error too: the workers end after the puzzle in hand, without the interpreter's lock.
    ~OrderedRun()
    {
        py::gil_scoped_release release;
        workers_.reset();
    }

    py::list Run(PuzzleFeed &feed)
    {
        py::list results;
        for (;;) {
            ReadAhead(feed);
            AnswerOnOwnThread();
            TakeFinished(results);
            if (ended_ && ring_->InFlight() == 0)
                return results;
            if (PyErr_CheckSignals() != 0)
                throw py::error_already_set();
            if (workers_ && (ended_ || !ring_->HasRoom()))
                Wait();
        }
    }

private:
    void ReadAhead(PuzzleFeed &feed)
    {
        PuzzleLine line;
        while (!ended_ && ring_->HasRoom()) {
            if (!feed.Next(line)) {
                ended_ = true;
                break;
            }
            SourcedPuzzle puzzle;
            puzzle.read.puzzle = line;
            ring_->Put(std::move(puzzle), 0);
            if (ring_->Unpublished() >= PublishEvery)
                Publish();
        }
        Publish();
    }

    void Publish()
    {
        ring_->Publish();
        if (workers_)
            workers_->StartFor(ring_->InFlight());
    }

    // One job needs no second thread, whose hand-offs cost as much as counting an easy puzzle.
    void AnswerOnOwnThread()
    {
        if (workers_)
            return;
        py::gil_scoped_release release;
        while (ring_->AnswerNext(answerOf_)) { }
    }

    void TakeFinished(py::list &results)
    {
        while (const AnswerRing::Slot *slot = ring_->Front()) {
            if (slot->answer.verdict == Verdict::Invalid) {
                try {
                    RaiseInvalid(slot->answer, slot->puzzle.read.puzzle);
                } catch (const py::value_error &error) {
                    throw py::value_error("puzzle " + std::to_string(ring_->Taken()) + ": " + error.what());
                }
            }
            results.append(convert_(slot->answer));
            ring_->Pop();
        }
    }

    // Until a share of the answers in flight is done, or long enough to look for a stop.
    void Wait()
    {
        if (ring_->InFlight() == 0)
            return;
        const std::size_t ahead = std::min(ring_->InFlight(), PublishEvery) - 1;
        if (!ring_->Watch(ahead))
            return;
        {
            py::gil_scoped_release release;
            pollfd event {ring_->WakeFd(), POLLIN, 0};
            ::poll(&event, event.fd < 0 ? 0 : 1, event.fd < 0 ? 2 : 100);
        }
        ring_->Unwatch();
    }

    std::shared_ptr<AnswerRing> ring_;
    unsigned jobs_;
    const AnswerRing::AnswerOf &answerOf_;
    const Convert &convert_;
    // None with one job: the calling thread answers.
    std::optional<RingWorkers> workers_;
    bool ended_ = false;
};

} // namespace

void RaiseInvalid(const Answer &answer, const PuzzleLine &line)
{
    assert(answer.verdict == Verdict::Invalid);
    if (answer.reason == "repeated-digit")
        throw py::value_error(RepeatedDigitText(line.givens));
    throw py::value_error(std::string(answer.reason));
}

py::list AnswerMany(
    py::handle puzzles, std::optional<unsigned> jobs, const AnswerRing::AnswerOf &answerOf, const Convert &convert)
{
    PuzzleFeed feed(puzzles);
    const unsigned threads = jobs.value_or(std::max(std::thread::hardware_concurrency(), 1u));
    OrderedRun run(threads, answerOf, convert);
    return run.Run(feed);
}

} // namespace quadrelle::python
