#include "test_support.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace quadrelle::test {

Grid ParseGrid(std::string_view text)
{
    if (text.size() != CellCount)
        throw std::invalid_argument("a grid has 81 characters: " + std::string(text));
    Grid grid {};
    for (std::size_t p = 0; p < text.size(); ++p) {
        const char c = text[p];
        if (c >= '1' && c <= '9')
            grid[p] = static_cast<std::int8_t>(c - '0');
        else if (c != '0' && c != '.')
            throw std::invalid_argument("not a grid: " + std::string(text));
    }
    return grid;
}

std::array<std::uint8_t, 81> ToCells(const Grid &grid)
{
    std::array<std::uint8_t, 81> cells {};
    for (std::size_t p = 0; p < cells.size(); ++p)
        cells[p] = static_cast<std::uint8_t>(grid[p]);
    return cells;
}

std::string GridString(const Grid &grid)
{
    std::string text;
    for (const auto d : grid)
        text += static_cast<char>('0' + d);
    return text;
}

void Load(Board &board, const Grid &grid)
{
    for (int p = 0; p < CellCount; ++p)
        board.Cells(p).SetValue(grid[static_cast<std::size_t>(p)]);
}

bool IsValidCompletion(const Grid &puzzle, const Grid &solution)
{
    for (std::size_t p = 0; p < CellCount; ++p) {
        if (solution[p] < 1 || solution[p] > 9)
            return false;
        if (puzzle[p] != 0 && puzzle[p] != solution[p])
            return false;
    }
    for (int unit = 0; unit < 9; ++unit) {
        int row = 0, col = 0, box = 0;
        for (int i = 0; i < 9; ++i) {
            row |= 1 << solution[static_cast<std::size_t>(unit * 9 + i)];
            col |= 1 << solution[static_cast<std::size_t>(i * 9 + unit)];
            const int r = unit / 3 * 3 + i / 3, c = unit % 3 * 3 + i % 3;
            box |= 1 << solution[static_cast<std::size_t>(r * 9 + c)];
        }
        if (row != 0x3FE || col != 0x3FE || box != 0x3FE)
            return false;
    }
    return true;
}

bool GroupsInStep(const Board &board)
{
    std::array<int, UnitCount> taken {};
    for (int p = 0; p < CellCount; ++p) {
        const int d = board.Cells(p).Value();
        if (d == 0)
            continue;
        for (int g : {p / 9, 9 + p % 9, 18 + p / 27 * 3 + p % 9 / 3})
            taken[static_cast<std::size_t>(g)] |= 1 << d;
    }
    for (int g = 0; g < UnitCount; ++g) {
        const int free = 0x3FE & ~taken[static_cast<std::size_t>(g)];
        if (board.Groups(g).Mask() != free)
            return false;
        for (int d = 1; d <= 9; ++d)
            if (board.Groups(g).IsAvailable(d) != ((free >> d & 1) != 0))
                return false;
    }
    return true;
}

std::optional<std::filesystem::path> DatasetFolder()
{
    const char *env = std::getenv("QUADRELLE_DATASETS");
    if (env == nullptr || *env == '\0')
        return std::nullopt;
    std::filesystem::path folder(env);
    std::error_code ec;
    if (!std::filesystem::exists(folder / "cap_stress_7.txt", ec))
        return std::nullopt;
    return folder;
}

std::vector<std::string> ReadLines(const std::filesystem::path &file)
{
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<Grid> ReadPuzzles(const std::filesystem::path &file, std::size_t count, std::size_t step)
{
    std::vector<Grid> puzzles;
    const std::vector<std::string> lines = ReadLines(file);
    for (std::size_t i = 0; i < lines.size() && puzzles.size() < count; i += step)
        puzzles.push_back(ParseGrid(std::string_view(lines[i]).substr(0, CellCount)));
    return puzzles;
}

} // namespace quadrelle::test
