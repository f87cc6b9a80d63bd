#pragma once

#include "board/commands/clear_command.h"
#include "board/commands/entry_validation.h"
#include "board/grids.h"
#include "model/board.h"
#include "printing/commands/print_command.h"
#include "shell/home_page.h"
#include "kit/controls.h"
#include "kit/file_dialogs.h"
#include "kit/guard.h"
#include "kit/message_boxes.h"
#include "kit/mouse_pointer.h"
#include "shell/skin_framework.h"
#include "solver/commands/solve_command.h"
#include "solver/search.h"

#include <QCursor>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QProgressBar;
class QPushButton;

namespace quadrelle {

// What the window takes from outside, so tests can put in their own.
struct Form1Environment {
    // Where "HAND-M.CUR" and "x/o.cjs" are looked for: the program's folder first, then the
    // installed data folder (may be empty).
    QString programFolder;
    // Null: modal QMessageBoxes over the window.
    MessageBoxes *messageBoxes = nullptr;
    HomePageVisit::RandomSource random;
    HomePageVisit::Opener openUrl;
    QString dataFolder = {};
    // Null: the real file dialogs.
    FileDialogs *fileDialogs = nullptr;

    // The program's own: the executable's folder, real boxes, time-seeded dice, the browser.
    static Form1Environment Real();
};

// The main window. It creates the controls, owns the board, the search state and Updating,
// and hands each event to the part that deals with it, each with a context of just what
// that part uses.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Form1Environment environment, QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up: skin, caption, icon, title, pointer, home page, grids and model.
    void Form_Load();
    // Focus into box 1.
    void Form_Activate();
    void CenterOnScreen();

    // The controls. Index arguments outside the array throw "Subscript out of range".
    PuzzleBox &txPuz(int n) { return grids_.txPuz(n); }
    Label &txSol(int n) { return grids_.txSol(n); }
    Label &lb(int n);
    Shape &sh(int n);
    QPushButton &PushButton1() { return *controls_.buttons[0]; }
    QPushButton &PushButton2() { return *controls_.buttons[1]; }
    QPushButton &PushButton3() { return *controls_.buttons[2]; }
    QPushButton &PushButton4() { return *controls_.buttons[3]; }
    QProgressBar &ProgressBar1() { return *controls_.progressBar; }
    SkinFramework &SkinFramework1() { return skin_; }
    Grids &grids() { return grids_; }

    Board &board() { return board_; }
    // While true the puzzle grid's change handler does nothing.
    bool Updating() const { return updating_; }
    const DigitBitTable &DigitBit() const { return digitBit_; }

    // Where the window's messages go.
    MessageBoxes &Boxes() { return *boxes_; }

    // The caption of every message box that names none of its own.
    QString AppTitle() const { return appTitle_; }

    StoredColor BackColor() const { return backColor_; }
    void SetBackColor(StoredColor color);
    MousePointer Pointer() const { return pointer_; }
    void SetPointer(MousePointer pointer);
    // The hand picture, when start-up found one.
    const std::optional<QCursor> &MouseIcon() const { return mouseIcon_; }

    // Event handlers.
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void txPuz_Change(int n);
    void Form_MouseMove();
    void PushButton_MouseMove();

signals:
    // The window was closed: the program ends.
    void Unloaded();
    // A box of the puzzle grid changed, by a key or by the program.
    void PuzzleChanged();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The design-time controls beside the grids.
    struct DesignControls {
        std::array<Label *, 2> headings {};
        QProgressBar *progressBar = nullptr;
        std::array<QPushButton *, 4> buttons {};
        std::array<Shape *, 20> shapes {};
    };

    // The window's own look, then its controls in design order.
    DesignControls CreateDesignControls();
    void LoadSkin();
    void LoadMouseIcon();
    QString ProgramFile(const QString &relativePath) const;
    void ShowWaitOnScreen(bool wait);

    Form1Environment environment_;
    std::unique_ptr<MessageBoxes> ownBoxes_;
    MessageBoxes *boxes_;
    bool updating_ = false;
    DigitBitTable digitBit_ {};
    QString appTitle_ = QStringLiteral("Quadrelle");
    StoredColor backColor_ = colors::White;
    MousePointer pointer_ = MousePointer::Default;
    // Whether SetPointer has set the cursors yet.
    bool pointerSet_ = false;
    // Whether this window holds the application's wait cursor.
    bool waitOnScreen_ = false;
    std::optional<QCursor> mouseIcon_;
    // A modal message box took the activation; getting it back is no new activation.
    bool skipActivate_ = false;

    Board board_;
    Search search_;
    Grids grids_;
    DesignControls controls_;
    SkinFramework skin_;
    HomePageVisit homePage_;

    Guard clearGuard_;
    Guard solveGuard_;
    Guard printGuard_;
    EntryValidation entry_;
    ClearContext clear_;
    SolveContext solve_;
    PrintContext print_;
};

// The application icon in all its sizes.
QIcon ApplicationIcon();

} // namespace quadrelle
