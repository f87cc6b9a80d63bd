#pragma once

#include "model/board.h"
#include "shell/board_guide.h"
#include "shell/form1.h"
#include "kit/file_dialogs.h"
#include "solver/commands/puzzle_analyst.h"
#include "solver/commands/puzzle_maker.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

class QAction;
class QLabel;

namespace quadrelle {

// The frame around the window's form: the form as its central widget, unchanged, a menu bar
// above it and a status line below. The frame only wires: each menu item runs the command of
// the layer that owns it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `environment.fileDialogs` null: real file dialogs over the window.
    explicit MainWindow(Form1Environment environment);
    ~MainWindow() override;

    Form1 &form() { return *form_; }
    // What the status line says now.
    QString StatusText() const;
    void CenterOnScreen();
    PuzzleAnalyst &Analyst() { return analyst_; }

    // The menu items, by what they do, for the keys and for tests.
    QAction &OpenAction() { return *open_; }
    QAction &NextAction() { return *next_; }
    QAction &PreviousAction() { return *previous_; }
    QAction &SaveAsAction() { return *saveAs_; }
    QAction &CopyPuzzleAction() { return *copyPuzzle_; }
    QAction &CopySolutionAction() { return *copySolution_; }
    QAction &PasteAction() { return *paste_; }
    QAction &QuitAction() { return *quit_; }
    QAction &HintAction() { return *hint_; }
    QAction &NewPuzzleAction() { return *newPuzzle_; }
    QAction &CancelNewPuzzleAction() { return *cancelNew_; }
    QAction &ShowCandidatesAction() { return *showCandidates_; }
    QAction &ExplainAction() { return *explain_; }
    QAction &CheckAction() { return *check_; }
    // Null until Explain is first chosen.
    ExplainPanel *Explanation() { return guide_.Panel(); }
    // The band's item of the New Puzzle submenu.
    QAction &BandAction(int band) { return *bandActions_.at(static_cast<std::size_t>(band)); }
    PuzzleMaker &Maker() { return maker_; }

    void OpenPuzzleFile();
    void ShowPuzzle(int index);
    void SavePuzzleAs();
    void CopyPuzzle();
    void CopySolution();
    void PastePuzzle();
    // The next step on the board, or, when one is shown, that step applied.
    void ShowHint();
    // band: an index into DifficultyBands().
    void NewPuzzle(int band);
    void NewPuzzleIn(const DifficultyBand &band);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateMenus();
    template <typename Slot>
    QAction *AddAction(QMenu *menu, const char *text, const QList<QKeySequence> &keys, Slot slot);
    void UpdateTitle();
    void UpdateFileActions();
    void GivensMayHaveChanged();
    void ShowVerdict(const PuzzleVerdict &verdict);
    void TakeGivensAsAnalysed();
    void TypeNewPuzzle(const PuzzleMaker::Cells &puzzle);
    void CancelNewPuzzle();
    void Tell(const QString &text, MessageIcon icon = MessageIcon::Exclamation);
    void ShowKeys();
    void ShowAbout();
    void PrintPuzzle();
    void PrintSolution();
    void ClearPuzzle();
    void EnterPuzzleOfNoFile(const Grid &givens);

    std::unique_ptr<QtFileDialogs> ownDialogs_;
    FileDialogs *dialogs_;
    Form1 *form_;
    QLabel *status_ = nullptr;
    PuzzleAnalyst analyst_;
    // Gathers the changes of one entry (a digit and its deductions) into one request.
    QTimer changes_;
    // The verdict is not back yet after this long: say it is being worked on.
    QTimer slowVerdict_;
    std::optional<Grid> analysed_;
    // A verdict was asked for and not delivered yet: an explanation asked since superseded it.
    bool verdictPending_ = false;
    BoardGuide guide_;

    // The puzzles of the file opened last, and which is shown; empty after a paste.
    QString fileName_;
    std::vector<Grid> puzzles_;
    int current_ = 0;

    QAction *open_ = nullptr;
    QAction *next_ = nullptr;
    QAction *previous_ = nullptr;
    QAction *saveAs_ = nullptr;
    QAction *copyPuzzle_ = nullptr;
    QAction *copySolution_ = nullptr;
    QAction *paste_ = nullptr;
    QAction *print_ = nullptr;
    QAction *quit_ = nullptr;
    QAction *hint_ = nullptr;
    QAction *newPuzzle_ = nullptr;
    QAction *cancelNew_ = nullptr;
    QAction *showCandidates_ = nullptr;
    QAction *explain_ = nullptr;
    QAction *check_ = nullptr;
    std::vector<QAction *> bandActions_;
    PuzzleMaker maker_;
    // Ctrl+N makes another of these.
    int lastBand_ = 0;
};

} // namespace quadrelle
