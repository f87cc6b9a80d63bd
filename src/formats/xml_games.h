#pragma once

#include "formats/read_puzzle.h"

#include <string_view>
#include <vector>

namespace quadrelle {

// The `data` attribute of each <game> element in an OpenSudoku file, one line at a time; a
// tag may run over several lines.
class XmlGames {
public:
    void Scan(std::string_view line, std::uint64_t lineNumber, std::vector<ReadPuzzle> &found);
    void Reset() { inGameTag_ = false; }

private:
    // Reads the rest of an open <game ...> tag from `from`; returns where it ends (npos: not here).
    std::size_t ScanTag(
        std::string_view line, std::size_t from, std::uint64_t lineNumber, std::vector<ReadPuzzle> &found);

    bool inGameTag_ = false;
};

} // namespace quadrelle
