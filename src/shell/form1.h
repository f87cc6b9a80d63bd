#pragma once

#include "board/entry_validation.h"
#include "board/grids.h"
#include "controls.h"
#include "home_page.h"
#include "message_boxes.h"
#include "model/board.h"
#include "skin_framework.h"
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

// The window's pointer values.
enum class MousePointer { Default = 0, Hourglass = 11, Custom = 99 };

// What the window takes from outside, so tests can put in their own.
struct Form1Environment {
    // Where "HAND-M.CUR" and "x/o.cjs" are looked for.
    QString programFolder;
    // Null: modal QMessageBoxes over the window.
    MessageBoxes *messageBoxes = nullptr;
    HomePageVisit::RandomSource random;
    HomePageVisit::Opener openUrl;

    // The program's own: the executable's folder, real boxes, time-seeded dice, the browser.
    static Form1Environment Real();
};

// The main window. It creates the controls, owns the board, the search state and Updating,
// and hands each event to the part that deals with it.
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
    QPushButton &PushButton1() { return *buttons_[0]; }
    QPushButton &PushButton2() { return *buttons_[1]; }
    QPushButton &PushButton3() { return *buttons_[2]; }
    QPushButton &PushButton4() { return *buttons_[3]; }
    QProgressBar &ProgressBar1() { return *progressBar_; }
    SkinFramework &SkinFramework1() { return skin_; }
    Grids &grids() { return grids_; }

    // State shared by the commands.
    Board &board() { return board_; }
    Search &search() { return search_; }
    DigitBitTable DigitBit {};
    // While true the puzzle grid's change handler does nothing.
    bool Updating = false;

    MessageBoxes &messageBoxes() { return *boxes_; }
    // The caption of every message box that names none of its own.
    QString AppTitle() const { return appTitle_; }
    QString ProgramFolder() const { return environment_.programFolder; }

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

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateDesignControls();
    void LoadSkin();
    void LoadMouseIcon();

    Form1Environment environment_;
    std::unique_ptr<MessageBoxes> ownBoxes_;
    MessageBoxes *boxes_;
    Board board_;
    Search search_;
    Grids grids_;
    SkinFramework skin_;
    HomePageVisit homePage_;
    EntryValidation entry_;
    std::array<Label *, 2> headings_ {};
    std::array<Shape *, 20> shapes_ {};
    std::array<QPushButton *, 4> buttons_ {};
    QProgressBar *progressBar_ = nullptr;
    QString appTitle_ = QStringLiteral("Quadrelle");
    StoredColor backColor_ = colors::White;
    MousePointer pointer_ = MousePointer::Default;
    std::optional<QCursor> mouseIcon_;
    // A modal message box took the activation; getting it back is no new activation.
    bool skipActivate_ = false;
};

// The application icon in all its sizes.
QIcon ApplicationIcon();

} // namespace quadrelle
