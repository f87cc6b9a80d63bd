#include "cli/puzzle_source.h"

#include <utility>

namespace quadrelle {

PuzzleSource::PuzzleSource(
    const std::vector<std::unique_ptr<BatchInput>> &inputs, bool strict, const LineReader::ErrorReport &reportError)
    : inputs_(inputs), strict_(strict), lines_(inputs, [this, reportError](const std::string &description) {
          failed_ = true;
          reportError(description);
      })
{
}

PuzzleSource::Status PuzzleSource::Next(SourcedPuzzle &puzzle)
{
    while (ready_.empty()) {
        std::string_view piece;
        bool ends = false;
        const LineReader::Status status = lines_.Next(piece, ends);
        if (status == LineReader::Status::WouldWait) {
            reader_.Pause(found_);
            Take(input_);
            if (!ready_.empty())
                break;
            return Status::WouldWait;
        }
        if (status == LineReader::Status::End) {
            Switch(inputs_.size());
            if (ready_.empty())
                return Status::End;
            break;
        }
        Switch(lines_.CurrentInput());
        reader_.FeedPart(piece, ends, found_);
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
        reader_.Finish(found_, std::exchange(failed_, false));
        Take(input_);
    }
    input_ = input;
    reading_ = input < inputs_.size();
    if (reading_)
        reader_ = PuzzleReader({strict_, HintFromName(inputs_[input]->Path()), lines_.Converted()});
}

void PuzzleSource::Take(std::size_t input)
{
    for (ReadPuzzle &read : found_)
        ready_.push_back({std::move(read), input});
    found_.clear();
}

} // namespace quadrelle
