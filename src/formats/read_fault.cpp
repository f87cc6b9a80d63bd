#include "formats/read_puzzle.h"

namespace quadrelle {

namespace {

std::string Printable(unsigned char byte)
{
    if (byte >= 0x20 && byte < 0x7F)
        return std::string("\"") + static_cast<char>(byte) + '"';
    constexpr char Hex[] = "0123456789ABCDEF";
    return std::string("byte 0x") + Hex[byte >> 4] + Hex[byte & 15];
}

} // namespace

std::string FaultText(const ReadFault &fault)
{
    const std::string row = std::to_string(fault.row);
    switch (fault.kind) {
    case ReadFault::Kind::None:
        break;
    case ReadFault::Kind::BadCharacter:
        return "grid row " + row + ": " + Printable(fault.byte) + " is neither a digit nor a blank";
    case ReadFault::Kind::CellCount:
        return "grid row " + row + " has " + std::to_string(fault.cells) + " cells, not 9";
    case ReadFault::Kind::GapInBand:
        return std::string(fault.blank ? "a blank line" : "a box border") + " after grid row " + row + " of 9";
    case ReadFault::Kind::EndsEarly:
        return "the grid ends after " + row + (fault.row == 1 ? " row" : " rows") + "; a grid has 9";
    case ReadFault::Kind::BadXml:
        return std::string("the XML is not well-formed: ") + fault.what;
    }
    return {};
}

} // namespace quadrelle
