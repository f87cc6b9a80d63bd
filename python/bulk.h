#pragma once

// The bulk calls: the batch tool's ordered ring of answers, fed from any Python iterable.

#include "batch/answer.h"
#include "batch/answer_ring.h"

#include <pybind11/pybind11.h>

#include <functional>
#include <optional>

namespace quadrelle::python {

// A valid puzzle's answer as the Python value handed back.
using Convert = std::function<pybind11::object(const Answer &answer)>;

// Answers every puzzle of `puzzles` (an iterable of what PuzzleOf takes, or a NumPy array of
// shape (n, 81) of integers) on `jobs` threads, none meaning one per core, and returns the
// converted answers in input order. The worker threads never touch the interpreter, whose lock
// the calling thread holds only to read puzzles and make results. Throws ValueError for the first
// bad puzzle, naming its index.
pybind11::list AnswerMany(pybind11::handle puzzles, std::optional<unsigned> jobs, const AnswerRing::AnswerOf &answerOf,
    const Convert &convert);

// Raises ValueError for the invalid answer of `line`: the batch tool's reason and where it lies.
[[noreturn]] void RaiseInvalid(const Answer &answer, const PuzzleLine &line);

} // namespace quadrelle::python
