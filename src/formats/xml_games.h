#pragma once

#include "formats/read_puzzle.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct XML_ParserStruct;

namespace quadrelle {

// The `data` attribute of each <game> element in an OpenSudoku file, through a streaming XML
// parser: fed any pieces of the file, it holds no more than the tag it is in, and comments, CDATA
// and entities mean what XML says. A file that is not well-formed is reported once, where it
// breaks, and read no further.
class XmlGames {
public:
    // firstLine: the file's line where the XML starts. utf8: the bytes are UTF-8 whatever the
    // declaration says (the file was converted on the way in).
    XmlGames(std::uint64_t firstLine, bool utf8);
    XmlGames(XmlGames &&) noexcept;
    XmlGames &operator=(XmlGames &&) noexcept;
    ~XmlGames();

    // Parsed a block at a time: a parser call for each short line costs more than the line.
    void Feed(std::string_view bytes, std::vector<ReadPuzzle> &found);
    // Parses what waits for a full block, so that the games fed so far are found.
    void Flush(std::vector<ReadPuzzle> &found);
    // The input ended: an element left open is a fault.
    void Finish(std::vector<ReadPuzzle> &found);

private:
    struct State;
    void Parse(std::string_view bytes, bool last, std::vector<ReadPuzzle> &found);

    std::unique_ptr<XML_ParserStruct, void (*)(XML_ParserStruct *)> parser_;
    std::unique_ptr<State> state_;
    std::string pending_;
    // How many of the document's first two bytes the parser has had.
    std::size_t head_ = 0;
};

} // namespace quadrelle
