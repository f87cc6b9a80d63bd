#pragma once

#include "batch/sourced_puzzle.h"
#include "cli/batch_input.h"
#include "cli/line_reader.h"
#include "formats/puzzle_reader.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace quadrelle {

// The puzzles of the batch inputs in turn, each input read in whatever form it holds them, or
// only as lines when strict. What a line completes is handed on at once, so that input typed
// at a terminal is answered as it comes.
class PuzzleSource {
public:
    enum class Status { Puzzle, WouldWait, End };

    PuzzleSource(const std::vector<std::unique_ptr<BatchInput>> &inputs, bool strict,
        const LineReader::ErrorReport &reportError);

    // Never waits for input that has not come yet: says WouldWait instead.
    Status Next(SourcedPuzzle &puzzle);
    int ReadyFd() const { return lines_.ReadyFd(); }
    std::uintmax_t BytesTaken() const { return lines_.BytesTaken(); }

private:
    // The reader of `input` from its first line on; what the previous input left unfinished
    // is reported first.
    void Switch(std::size_t input);
    void Take(std::size_t input);

    const std::vector<std::unique_ptr<BatchInput>> &inputs_;
    bool strict_;
    LineReader lines_;
    PuzzleReader reader_;
    std::size_t input_ = 0;
    bool reading_ = false;
    // The input being read failed part-way.
    bool failed_ = false;
    std::vector<ReadPuzzle> found_;
    std::deque<SourcedPuzzle> ready_;
};

} // namespace quadrelle
