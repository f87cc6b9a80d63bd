// Blocks that look like grids but are not: each reported once, where the fault is, and the
// reading goes on with what follows.
#include "formats/puzzle_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quadrelle {
namespace {

constexpr const char *Row = "53..7....\n";
const std::string Rows8 = std::string(Row) + Row + Row + Row + Row + Row + Row + Row;
const std::string Grid9 = Rows8 + Row;
const std::string Line = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n";

struct Case {
    const char *name;
    std::string text;
    // What is read, in order: "puzzle", or "L:C problem" for a malformed block.
    std::vector<std::string> expected;
};

std::string Describe(const ReadPuzzle &read)
{
    if (read.puzzle.kind == PuzzleLine::Kind::Puzzle)
        return "puzzle";
    return std::to_string(read.position.line) + ":" + std::to_string(read.position.column) + " "
        + (read.Malformed() ? FaultText(read.fault) : std::string(read.puzzle.reason));
}

TEST(Malformed, EachFaultIsReportedWhereItIsAndReadingGoesOn)
{
    const Case cases[] = {
        {"a short row", Row + std::string(Row) + Row + "53..7...\n" + Row + Row + Row + Row + Row + Grid9,
            {"4:1 grid row 4 has 8 cells, not 9", "puzzle"}},
        {"a long row", std::string(Row) + "  5 3 . . 7 . . . . 1\n" + Rows8.substr(10) + Grid9, {"2:3 grid row 2 has 10 cells, not 9", "puzzle"}},
        {"a letter", Row + std::string("53..x....\n") + Row + Row + Row + Row + Row + Row + Row + Line,
            {"2:5 grid row 2: \"x\" is neither a digit nor a blank", "puzzle"}},
        {"the input ends", "# five rows\n" + std::string(Row) + Row + Row + Row + Row, {"2:1 the grid ends after 5 rows; a grid has 9"}},
        {"a line puzzle comes", std::string(Row) + Line, {"1:1 the grid ends after 1 row; a grid has 9", "puzzle"}},
        {"a blank line inside a band", Row + std::string(Row) + Row + Row + "\n" + Grid9,
            {"5:1 a blank line after grid row 4 of 9", "puzzle"}},
        {"a border inside a band", Row + std::string(Row) + "---+---+---\n" + Grid9,
            {"3:1 a box border after grid row 2 of 9", "puzzle"}},
        {"a blank line ends a broken grid", Row + std::string("53.\n") + Row + "\n" + Grid9,
            {"2:1 grid row 2 has 3 cells, not 9", "puzzle"}},
        {"blank lines and borders between bands", Row + std::string(Row) + Row + "\n" + Row + Row + Row + "-+-\n" + Row + Row + Row,
            {"puzzle"}},
        {"a line of other length stays a bad line", "123\n" + Line, {"1:1 bad-length", "puzzle"}},
        {"a bad character stays a bad line", Line.substr(0, 40) + "x" + Line.substr(41), {"1:1 bad-character"}},
        {"short opensudoku data", "<opensudoku>\n <game data=\"123\"/>\n <game data=\"" + Line.substr(0, 81) + "x\"/>\n</opensudoku>\n",
            {"2:14 bad-length", "3:14 bad-length"}},
        {"a game in progress is no puzzle, a line still is", "[Puzzle]\n" + Grid9 + "[State]\n" + Grid9 + Line,
            {"puzzle", "puzzle"}},
        {"a csv row that is no puzzle", "puzzle,solution\n12,34\n" + Line, {"2:1 bad-length", "puzzle"}},
        // A fault in the first row is the grid's, once, not a bad line and then a short grid.
        {"a short first row", "#A\n53..7...\n" + Rows8 + Line, {"2:1 grid row 1 has 8 cells, not 9", "puzzle"}},
        {"a long first row", "53..7....1\n" + Rows8, {"1:1 grid row 1 has 10 cells, not 9"}},
        {"a letter in the first row", "53..x....\n" + Rows8 + "\n" + Grid9,
            {"1:5 grid row 1: \"x\" is neither a digit nor a blank", "puzzle"}},
        {"a border inside a band, the grid's rest after it", Row + std::string(Row) + "---+---+---\n" + Rows8.substr(10) + "\n" + Grid9,
            {"3:1 a box border after grid row 2 of 9", "puzzle"}},
        {"a title above each grid", "Grid 01\n" + Grid9 + "Grid 02\n" + Grid9, {"puzzle", "puzzle"}},
        {"a short line above a line stays a bad line", "12\n" + Line, {"1:1 bad-length", "puzzle"}},
        // XML as XML: comments hold no games, entities and CDATA mean what they say.
        {"a game in a comment", "<opensudoku><!-- <game data=\"" + Line.substr(0, 81) + "\"/> --><game data=\"&#53;"
                + Line.substr(1, 80) + "\"/></opensudoku>\n",
            {"puzzle"}},
        {"a game in CDATA", "<opensudoku><note><![CDATA[<game data=\"" + Line.substr(0, 81) + "\"/>]]></note></opensudoku>",
            {}},
        {"a cut XML file", "<opensudoku>\n<game data=\"" + Line.substr(0, 81) + "\"/>\n",
            {"puzzle", "2:96 the XML is not well-formed: no element found"}},
        {"XML broken part-way", "<opensudoku>\n<game data=\"" + Line.substr(0, 81) + "\"/>\n<game data=x/>\n<game data=\""
                + Line.substr(0, 81) + "\"/></opensudoku>\n",
            {"puzzle", "3:12 the XML is not well-formed: not well-formed (invalid token)"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> described;
        for (const ReadPuzzle &read : ReadPuzzles(c.text))
            described.push_back(Describe(read));
        EXPECT_EQ(described, c.expected);
    }
}

TEST(Malformed, ATitleLineLabelsTheGridBelowIt)
{
    const std::vector<ReadPuzzle> read = ReadPuzzles("Grid 01\n" + Grid9 + "  Grid 02  \n" + Grid9);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].label, "Grid 01");
    EXPECT_EQ(read[0].position, (FilePosition {2, 1}));
    EXPECT_EQ(read[1].label, "Grid 02");
}

// Any text read in pieces of any size, long lines cut anywhere, gives what it gives read whole.
TEST(Malformed, PiecesOfAnySizeReadAsTheWholeText)
{
    std::string oneLine = "<opensudoku>";
    for (int i = 0; i < 300; ++i)
        oneLine += "<game data=\"" + Line.substr(0, 81) + "\" note=\"" + std::string(static_cast<std::size_t>(i), 'n') + "\"/>";
    oneLine += "</opensudoku>";
    const std::string texts[] = {oneLine, "#A\n53..7...\n" + Rows8 + "Grid 01\n" + Grid9 + Line + std::string(2000, ' ') + "x\n" + Line};
    for (const std::string &text : texts) {
        const std::vector<ReadPuzzle> whole = ReadPuzzles(text);
        for (const std::size_t size : {std::size_t {1}, std::size_t {7}, std::size_t {600}, std::size_t {4096}}) {
            PuzzleReader reader;
            std::vector<ReadPuzzle> pieces;
            for (std::string_view rest = text; !rest.empty();) {
                const std::size_t end = std::min(rest.find('\n'), size);
                reader.FeedPart(rest.substr(0, end), end < rest.size() && rest[end] == '\n', pieces);
                rest.remove_prefix(std::min(rest.size(), end < rest.size() && rest[end] == '\n' ? end + 1 : end));
            }
            reader.Finish(pieces);
            ASSERT_EQ(pieces.size(), whole.size()) << size;
            for (std::size_t i = 0; i < whole.size(); ++i) {
                EXPECT_EQ(Describe(pieces[i]), Describe(whole[i])) << size << " " << i;
                EXPECT_EQ(pieces[i].position, whole[i].position) << size << " " << i;
            }
        }
    }
    EXPECT_EQ(ReadPuzzles(oneLine).size(), 300u);
}

// Columns count bytes in every form, after letters of two bytes in XML too.
TEST(Malformed, XmlPositionsCountBytes)
{
    const std::string tail = "<name>\xC3\xA9\xC3\xA9</name><game data=\"" + Line.substr(0, 81) + "\"/>";
    for (const std::string &head : {std::string("<opensudoku>"), std::string("<opensudoku>\n")}) {
        const std::string text = head + tail + "</opensudoku>\n";
        const std::vector<ReadPuzzle> read = ReadPuzzles(text);
        ASSERT_EQ(read.size(), 1u);
        const std::size_t lineStart = text.rfind('\n', text.find("data")) + 1;
        EXPECT_EQ(read[0].position.column, text.find(Line.substr(0, 81)) - lineStart + 1) << head;
    }
}

// Where a line starts depends on no guess of the parser's: a NUL at the start is not UTF-16
// without its mark, and a value that opens a line, after LF, CR LF or CR alone, is on that line.
TEST(Malformed, XmlPositionsNameTheReadersLines)
{
    const std::vector<ReadPuzzle> nul = ReadPuzzles(std::string("<\0o\npensudoku>\n", 15));
    ASSERT_EQ(nul.size(), 1u);
    EXPECT_EQ(nul[0].fault.kind, ReadFault::Kind::BadXml);
    EXPECT_EQ(nul[0].position, (FilePosition {1, 2}));
    for (const std::string lineEnd : {"\n", "\r\n", "\r"}) {
        const std::string text = "<opensudoku>" + lineEnd + "<game data=\"" + lineEnd + Line.substr(0, 81) + "\"/>"
            + lineEnd + "</opensudoku>" + lineEnd;
        const std::vector<ReadPuzzle> read = ReadPuzzles(text);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].position, (FilePosition {3, 1})) << Describe(read[0]);
    }
}

TEST(Malformed, ByteOrderMarkAndControlBytesAreNamed)
{
    const std::vector<ReadPuzzle> read = ReadPuzzles("\xEF\xBB\xBF" + std::string(Row) + "53..\x01....\n" + Rows8.substr(10));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(Describe(read[0]), "2:5 grid row 2: byte 0x01 is neither a digit nor a blank");
}

} // namespace
} // namespace quadrelle
