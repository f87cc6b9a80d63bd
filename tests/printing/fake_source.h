#pragma once

#include "model/runtime_error.h"
#include "model/stored_color.h"
#include "printing/print_job.h"

#include <array>
#include <set>
#include <string>

namespace quadrelle::testing {

// Templates' backgrounds: they look alike on screen but differ as stored values.
inline constexpr StoredColor EntryBack = colors::White;
inline constexpr StoredColor SolutionBack = colors::WindowBackground;

// The two grids as the window would hold them, from 81-character strings ('.' for empty).
class FakeSource : public PrintSource {
public:
    // givens: typed by the user; deduced: filled into the puzzle grid by the propagation;
    // solution: the solution grid's captions (givens take the puzzle's colours, as a solve does).
    FakeSource(const std::string &givens, const std::string &deduced, const std::string &solution)
    {
        puzzleBack.fill(EntryBack);
        solutionBack.fill(SolutionBack);
        for (int n = 1; n <= 81; ++n) {
            const char given = givens[n - 1], found = deduced[n - 1], solved = solution[n - 1];
            if (given != '.')
                puzzleText[n] = QString(QChar(given));
            else if (found != '.') {
                puzzleText[n] = QString(QChar(found));
                puzzleBack[n] = SolutionBack;
            }
            if (solved != '.')
                solutionCaption[n] = QString(QChar(solved));
            if (!puzzleText[n].isEmpty())
                solutionBack[n] = puzzleBack[n];
        }
    }

    QString Caption() const override { return Read("Caption", 0, caption); }
    QString PuzzleText(int n) const override { return Read("PuzzleText", n, puzzleText.at(n)); }
    StoredColor PuzzleBackColor(int n) const override { return Read("PuzzleBackColor", n, puzzleBack.at(n)); }
    QString SolutionCaption(int n) const override { return Read("SolutionCaption", n, solutionCaption.at(n)); }
    StoredColor SolutionBackColor(int n) const override { return Read("SolutionBackColor", n, solutionBack.at(n)); }
    QString SolutionFontName() const override { return Read("SolutionFontName", 0, fontName); }
    float SolutionFontSize() const override { return Read("SolutionFontSize", 0, fontSize); }

    QString caption = QStringLiteral("Quadrelle Sudoku Solver");
    QString fontName = QStringLiteral("Liberation Sans");
    float fontSize = 9.75f;
    std::array<QString, 82> puzzleText;
    std::array<StoredColor, 82> puzzleBack;
    std::array<QString, 82> solutionCaption;
    std::array<StoredColor, 82> solutionBack;
    // Reads that throw, as "Caption" or "PuzzleText:5".
    std::set<std::string> failing;
    mutable int reads = 0;

private:
    template <class T> T Read(const std::string &member, int n, const T &value) const
    {
        ++reads;
        if (failing.count(member) || failing.count(member + ":" + std::to_string(n)))
            throw RuntimeError("Test failure in " + member);
        return value;
    }
};

inline const std::string Givens = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
inline const std::string NoneDeduced(81, '.');
inline const std::string Solution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
inline const std::string NotSolved(81, '.');

} // namespace quadrelle::testing
