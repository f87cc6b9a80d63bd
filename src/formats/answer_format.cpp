#include "formats/answer_format.h"

namespace quadrelle {

namespace {

void AppendNumber(std::string &out, std::uint64_t number)
{
    out += std::to_string(number);
}

void AppendJsonString(std::string &out, std::string_view text)
{
    constexpr char Hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += Hex[byte >> 4];
            out += Hex[byte & 15];
        } else {
            out += c;
        }
    }
    out += '"';
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
    out += answer.status;
    if (answer.placements) {
        out += ' ';
        out += std::to_string(*answer.placements);
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
    if (!answer.score.empty()) {
        out += ",\"score\":";
        out += answer.score;
        out += ",\"technique\":";
        AppendJsonString(out, answer.technique);
    }
    if (!answer.steps.empty()) {
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
    if (!answer.input.empty()) {
        out += answer.input;
        out += ':';
    }
    out += "line ";
    AppendNumber(out, answer.position.line);
    out += ", column ";
    AppendNumber(out, answer.position.column);
    out += ": ";
    out += answer.status;
    if (answer.placements && answer.status != "invalid") {
        out += ", ";
        out += std::to_string(*answer.placements);
        out += *answer.placements == 1 ? " placement" : " placements";
    }
    if (!answer.score.empty()) {
        out += ", ";
        out += answer.score;
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
