#include "cli/puzzle_source.h"

namespace quadrelle {

PuzzleSource::PuzzleSource(
    const std::vector<std::unique_ptr<BatchInput>> &inputs, bool strict, const LineReader::ErrorReport &reportError)
    : inputs_(inputs), strict_(strict), lines_(inputs, reportError)
{
}

PuzzleSource::Status PuzzleSource::Next(SourcedPuzzle &puzzle)
{
    while (ready_.empty()) {
        const LineReader::Status status = lines_.Next(line_);
        if (status == LineReader::Status::WouldWait)
            return Status::WouldWait;
        if (status == LineReader::Status::End) {
            Switch(inputs_.size());
            if (ready_.empty())
                return Status::End;
            break;
        }
        Switch(lines_.CurrentInput());
        reader_.Feed(line_, found_);
        Take(input_);
    }
    puzzle = std::move(ready_.front());
    ready_.pop_front();
    return Status::Puzzle;
}

void PuzzleSource::Switch(std::size_t input)
{
    if (reading_ && input == input_)
        return;
    if (reading_) {
        reader_.Finish(found_);
        Take(input_);
    }
    input_ = input;
    reading_ = input < inputs_.size();
    if (reading_)
        reader_ = PuzzleReader({strict_, HintFromName(inputs_[input]->Path())});
}

void PuzzleSource::Take(std::size_t input)
{
    for (ReadPuzzle &read : found_)
        ready_.push_back({std::move(read), input});
    found_.clear();
}

} // namespace quadrelle
