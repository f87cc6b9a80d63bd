#include "formats/answer_format.h"

#include <algorithm>

namespace quadrelle {

namespace {

void AppendNumber(std::string &out, std::uint64_t number)
{
    out += std::to_string(number);
}

// The length of the UTF-8 character that starts `text`, or 0 when it starts with a byte that
// begins none (overlong forms, surrogates and code points past U+10FFFF included).
std::size_t Utf8Length(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

void AppendJsonString(std::string &out, std::string_view text)
{
    constexpr char Hex[] = "0123456789abcdef";
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            const std::size_t length = Utf8Length(text.substr(i));
            if (length == 0)
                out += "\\ufffd";
            else
                out.append(text, i, length);
            i += std::max<std::size_t>(length, 1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\u00";
            out += Hex[byte >> 4];
            out += Hex[byte & 15];
        } else {
            out += c;
        }
        ++i;
    }
    out += '"';
}

void AppendTenths(std::string &out, int tenths, bool lowerBound)
{
    out += std::to_string(tenths / 10);
    out += '.';
    out += static_cast<char>('0' + tenths % 10);
    if (lowerBound)
        out += '+';
}

// The lines of `text` as JSON strings, comma-separated.
void AppendJsonLines(std::string &out, std::string_view text)
{
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (!first)
            out += ',';
        AppendJsonString(out, text.substr(0, end));
        first = false;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

void AppendLine(std::string &out, const AnswerFields &answer)
{
    out += answer.steps;
    if (answer.status == "hint")
        return;
    out += answer.status;
    if (answer.placements) {
        out += ' ';
        out += std::to_string(*answer.placements);
    }
    if (answer.tenths) {
        out += ' ';
        AppendTenths(out, *answer.tenths, answer.lowerBound);
        out += ' ';
        out += answer.technique;
    }
    for (const std::string_view part : {answer.grid, answer.second, answer.reason}) {
        if (part.empty())
            continue;
        out += ' ';
        out += part;
    }
    out += '\n';
}

void AppendJson(std::string &out, const AnswerFields &answer)
{
    out += '{';
    if (!answer.input.empty()) {
        out += "\"input\":";
        AppendJsonString(out, answer.input);
        out += ',';
    }
    out += "\"line\":";
    AppendNumber(out, answer.position.line);
    out += ",\"column\":";
    AppendNumber(out, answer.position.column);
    if (!answer.label.empty()) {
        out += ",\"label\":";
        AppendJsonString(out, answer.label);
    }
    out += answer.counting ? ",\"verdict\":" : ",\"status\":";
    AppendJsonString(out, answer.status);
    if (answer.placements) {
        out += ",\"placements\":";
        out += std::to_string(*answer.placements);
    }
    if (!answer.counting && !answer.grid.empty()) {
        out += ",\"grid\":";
        AppendJsonString(out, answer.grid);
    }
    if (answer.counting && answer.status != "invalid" && answer.status != "hint") {
        out += ",\"solutions\":[";
        if (!answer.grid.empty())
            AppendJsonString(out, answer.grid);
        if (!answer.second.empty()) {
            out += ',';
            AppendJsonString(out, answer.second);
        }
        out += ']';
    }
    if (answer.tenths) {
        // A number, and the lower bound a flag of its own, so that the line stays JSON.
        out += ",\"score\":";
        AppendTenths(out, *answer.tenths, false);
        out += answer.lowerBound ? ",\"lower_bound\":true" : ",\"lower_bound\":false";
        out += ",\"technique\":";
        AppendJsonString(out, answer.technique);
    }
    if (answer.listsSteps || !answer.steps.empty()) {
        out += ",\"steps\":[";
        AppendJsonLines(out, answer.steps);
        out += ']';
    }
    if (!answer.reason.empty()) {
        out += ",\"reason\":";
        AppendJsonString(out, answer.reason);
    }
    if (!answer.problem.empty()) {
        out += ",\"problem\":";
        AppendJsonString(out, answer.problem);
    }
    out += "}\n";
}

// Row `row` of a 9x9 layout: "| 1 2 3 | 4 . 6 | 7 8 9 |", a blank cell as '.'.
void AppendGridRow(std::string &out, std::string_view grid, std::size_t row)
{
    for (std::size_t c = 0; c < 9; ++c) {
        out += c % 3 == 0 ? "| " : "";
        const char digit = grid[row * 9 + c];
        out += digit == '0' ? '.' : digit;
        out += ' ';
    }
    out += '|';
}

// The grids side by side, with box borders.
void AppendGrids(std::string &out, std::string_view first, std::string_view second)
{
    constexpr std::string_view Border = "+-------+-------+-------+";
    const auto borders = [&] {
        out += Border;
        if (!second.empty()) {
            out += "   ";
            out += Border;
        }
        out += '\n';
    };
    for (std::size_t row = 0; row < 9; ++row) {
        if (row % 3 == 0)
            borders();
        AppendGridRow(out, first, row);
        if (!second.empty()) {
            out += "   ";
            AppendGridRow(out, second, row);
        }
        out += '\n';
    }
    borders();
}

void AppendLayout(std::string &out, const AnswerFields &answer)
{
    // Where, as the messages on standard error say it.
    out += answer.input.empty() ? "standard input" : answer.input;
    out += ':';
    AppendNumber(out, answer.position.line);
    out += ':';
    AppendNumber(out, answer.position.column);
    out += ": ";
    if (!answer.label.empty()) {
        out += answer.label;
        out += ": ";
    }
    out += answer.status;
    if (answer.placements && answer.status != "invalid") {
        out += ", ";
        out += std::to_string(*answer.placements);
        out += *answer.placements == 1 ? " placement" : " placements";
    }
    if (answer.tenths) {
        out += ", ";
        AppendTenths(out, *answer.tenths, answer.lowerBound);
        out += ' ';
        out += answer.technique;
    }
    if (!answer.reason.empty()) {
        out += ", ";
        out += answer.reason;
    }
    if (!answer.problem.empty()) {
        out += ": ";
        out += answer.problem;
    }
    out += '\n';
    if (answer.grid.size() == CellCount)
        AppendGrids(out, answer.grid, answer.second.size() == CellCount ? answer.second : std::string_view());
    out += answer.steps;
    out += '\n';
}

} // namespace

std::optional<OutputFormat> ParseOutputFormat(std::string_view name)
{
    if (name == "line")
        return OutputFormat::Line;
    if (name == "jsonl")
        return OutputFormat::Jsonl;
    if (name == "grid")
        return OutputFormat::Grid;
    return std::nullopt;
}

void AppendAnswer(std::string &out, OutputFormat format, const AnswerFields &answer)
{
    switch (format) {
    case OutputFormat::Line:
        AppendLine(out, answer);
        return;
    case OutputFormat::Jsonl:
        AppendJson(out, answer);
        return;
    case OutputFormat::Grid:
        AppendLayout(out, answer);
        return;
    }
}

void AppendPuzzle(std::string &out, OutputFormat format, std::uint64_t number, std::string_view puzzle)
{
    switch (format) {
    case OutputFormat::Line:
        out += puzzle;
        out += '\n';
        return;
    case OutputFormat::Jsonl:
        out += "{\"puzzle\":";
        AppendNumber(out, number);
        out += ",\"givens\":";
        AppendJsonString(out, puzzle);
        out += "}\n";
        return;
    case OutputFormat::Grid:
        // A comment, so that the layout reads back as puzzles.
        out += "# puzzle ";
        AppendNumber(out, number);
        out += '\n';
        AppendGrids(out, puzzle, {});
        out += '\n';
        return;
    }
}

} // namespace quadrelle
