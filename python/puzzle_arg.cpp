#include "python/puzzle_arg.h"

#include <array>
#include <cassert>
#include <cstdio>
#include <optional>
#include <string_view>

namespace py = pybind11;

namespace quadrelle::python {

namespace {

constexpr auto Cells = static_cast<std::size_t>(CellCount);

struct Text {
    std::string_view bytes;
    // From a str: positions count characters, not UTF-8 bytes.
    bool unicode = false;
};

std::optional<Text> TextOf(py::handle object)
{
    PyObject *o = object.ptr();
    if (PyUnicode_Check(o)) {
        Py_ssize_t size = 0;
        const char *data = PyUnicode_AsUTF8AndSize(o, &size);
        if (data == nullptr)
            throw py::error_already_set();
        return Text {{data, static_cast<std::size_t>(size)}, true};
    }
    if (PyBytes_Check(o))
        return Text {{PyBytes_AS_STRING(o), static_cast<std::size_t>(PyBytes_GET_SIZE(o))}, false};
    if (PyByteArray_Check(o))
        return Text {{PyByteArray_AS_STRING(o), static_cast<std::size_t>(PyByteArray_GET_SIZE(o))}, false};
    return std::nullopt;
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// 1-based, in characters for a str.
std::size_t ColumnOf(const Text &text, std::size_t offset)
{
    if (!text.unicode)
        return offset + 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset; ++i)
        column += !IsContinuation(static_cast<unsigned char>(text.bytes[i]));
    return column;
}

std::size_t LengthOf(const Text &text)
{
    return ColumnOf(text, text.bytes.size()) - 1;
}

// The character as a person would type it in Python: 'x', '\x00', 'é'.
std::string Shown(const Text &text, std::size_t offset)
{
    const auto byte = static_cast<unsigned char>(text.bytes[offset]);
    if (byte >= 0x20 && byte < 0x7F)
        return std::string("'") + static_cast<char>(byte) + "'";
    if (text.unicode && byte >= 0x80) {
        std::size_t end = offset + 1;
        while (end < text.bytes.size() && IsContinuation(static_cast<unsigned char>(text.bytes[end])))
            ++end;
        return "'" + std::string(text.bytes.substr(offset, end - offset)) + "'";
    }
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "'\\x%02x'", byte);
    return escaped;
}

bool IsCell(char c)
{
    return c == '.' || (c >= '0' && c <= '9');
}

[[noreturn]] void RaiseBadLine(const Text &text, std::string_view reason)
{
    std::string message(reason);
    if (reason == "bad-character") {
        std::size_t at = 0;
        while (at < text.bytes.size() && IsCell(text.bytes[at]))
            ++at;
        message += ": " + Shown(text, at) + " at column " + std::to_string(ColumnOf(text, at));
    } else {
        message += ": " + std::to_string(LengthOf(text)) + " characters";
        // The reader counts bytes: a character beyond ASCII takes several.
        if (LengthOf(text) != text.bytes.size())
            message += " (" + std::to_string(text.bytes.size()) + " bytes in UTF-8)";
        if (text.bytes.size() > Cells)
            message += ", and no space, tab, comma, colon or semicolon after the 81st";
        else
            message += ", not 81";
    }
    throw py::value_error(message);
}

PuzzleLine PuzzleOfText(const Text &text)
{
    PuzzleLine line = ParsePuzzleLine(text.bytes);
    if (line.kind == PuzzleLine::Kind::Skip)
        throw py::value_error("bad-length: a blank or '#' line holds no puzzle");
    if (line.kind == PuzzleLine::Kind::Invalid)
        RaiseBadLine(text, line.reason);
    return line;
}

PuzzleLine PuzzleOfSequence(py::handle object)
{
    const Py_ssize_t size = PySequence_Size(object.ptr());
    if (size < 0)
        throw py::error_already_set();
    if (static_cast<std::size_t>(size) != Cells)
        throw py::value_error("bad-length: " + std::to_string(size) + " cells, not 81");
    std::array<long long, Cells> cells {};
    for (std::size_t p = 0; p < Cells; ++p) {
        const py::object item = py::reinterpret_steal<py::object>(PySequence_GetItem(object.ptr(), static_cast<Py_ssize_t>(p)));
        if (!item)
            throw py::error_already_set();
        const py::object index = py::reinterpret_steal<py::object>(PyNumber_Index(item.ptr()));
        if (!index) {
            PyErr_Clear();
            throw py::type_error("a cell is an integer 0-9, not " + std::string(py::str(py::type::handle_of(item).attr("__name__"))));
        }
        int overflow = 0;
        const long long value = PyLong_AsLongLongAndOverflow(index.ptr(), &overflow);
        cells[p] = overflow != 0 ? -1 : value;
    }
    return PuzzleOfCells(cells.data(), cells.size());
}

} // namespace

PuzzleLine PuzzleOfCells(const long long *cells, std::size_t count)
{
    assert(cells != nullptr || count == 0);
    if (count != Cells)
        throw py::value_error("bad-length: " + std::to_string(count) + " cells, not 81");
    PuzzleLine line;
    line.kind = PuzzleLine::Kind::Puzzle;
    for (std::size_t p = 0; p < Cells; ++p) {
        if (cells[p] < 0 || cells[p] > 9)
            throw py::value_error("bad-character: " + std::to_string(cells[p]) + " at cell " + std::to_string(p + 1));
        line.givens[p] = static_cast<std::int8_t>(cells[p]);
    }
    return line;
}

PuzzleLine PuzzleOf(py::handle object)
{
    if (const std::optional<Text> text = TextOf(object))
        return PuzzleOfText(*text);
    if (!object.is_none() && PySequence_Check(object.ptr()))
        return PuzzleOfSequence(object);
    throw py::type_error("a puzzle is a str or bytes of 81 cells, or 81 integers 0-9; not "
        + std::string(py::str(py::type::handle_of(object).attr("__name__"))));
}

std::string RepeatedDigitText(const Grid &givens)
{
    const auto sharesUnit = [](std::size_t a, std::size_t b) {
        return a / 9 == b / 9 || a % 9 == b % 9 || (a / 27 == b / 27 && a % 9 / 3 == b % 9 / 3);
    };
    const auto cellName = [](std::size_t p) { return "r" + std::to_string(p / 9 + 1) + "c" + std::to_string(p % 9 + 1); };
    for (std::size_t a = 0; a < Cells; ++a)
        for (std::size_t b = a + 1; b < Cells; ++b)
            if (givens[a] != 0 && givens[a] == givens[b] && sharesUnit(a, b))
                return "repeated-digit: " + std::to_string(givens[a]) + " at " + cellName(a) + " and " + cellName(b);
    return "repeated-digit";
}

} // namespace quadrelle::python
