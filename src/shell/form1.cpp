#include "shell/form1.h"

#include "model/positions.h"
#include "shell/install_layout.h"
#include "kit/colors.h"
#include "shell/program_files.h"
#include "shell/title.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace quadrelle {

namespace {

QFont Arial(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

struct FrameSpec {
    int index, left, top, width, height;
};

// One 3-pixel outline around each 3 x 3 box of both grids; indexes 9 and 10 do not exist.
// clang-format off
constexpr std::array<FrameSpec, 18> Frames{{
    {0, 7, 45, 126, 126},    {5, 133, 45, 123, 126},  {8, 256, 45, 123, 126},
    {1, 7, 171, 126, 123},   {4, 133, 171, 123, 123}, {7, 256, 171, 123, 123},
    {2, 7, 294, 126, 123},   {3, 133, 294, 123, 123}, {6, 256, 294, 123, 123},
    {19, 387, 45, 126, 125}, {14, 513, 45, 123, 126}, {11, 636, 45, 123, 126},
    {18, 387, 168, 126, 123}, {15, 513, 168, 123, 123}, {12, 636, 168, 123, 123},
    {17, 387, 291, 126, 125}, {16, 513, 291, 123, 125}, {13, 636, 291, 123, 125},
}};
// clang-format on

} // namespace

Form1Environment Form1Environment::Real()
{
    return {ExecutableFolder(), nullptr, HomePageVisit::TimeSeededRandom(), HomePageVisit::DesktopOpener(),
        InstalledDataFolder(ExecutableFolder())};
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {32, 48, 128, 256})
        icon.addFile(QStringLiteral(":/quadrelle/icons/quadrelle-%1.png").arg(size), QSize(size, size));
    return icon;
}

Form1::Form1(Form1Environment environment, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint),
      environment_(std::move(environment)),
      ownBoxes_(environment_.messageBoxes ? nullptr : std::make_unique<QtMessageBoxes>(this)),
      boxes_(environment_.messageBoxes ? environment_.messageBoxes : ownBoxes_.get()),
      search_(board_, [] { QCoreApplication::processEvents(); }),
      grids_(*this, updating_, [this](int n) { txPuz_Change(n); }), controls_(CreateDesignControls()),
      homePage_(environment_.random, environment_.openUrl), clearGuard_(*boxes_, GuardedOperation::PushButton1_Click),
      solveGuard_(*boxes_, GuardedOperation::PushButton2_Click), printGuard_(*boxes_, GuardedOperation::PrintIt),
      entry_(EntryContext {board_, grids_, updating_, *boxes_, appTitle_}), clear_ {board_, grids_, PushButton4(),
                                                                                clearGuard_},
      solve_ {board_, search_, grids_, ProgressBar1(), PushButton4(), *this,
          [this](MousePointer pointer) { SetPointer(pointer); }, solveGuard_, *boxes_, appTitle_,
          [] { QCoreApplication::processEvents(); }},
      print_ {grids_, *this, printGuard_}
{
}

Form1::~Form1()
{
    ShowWaitOnScreen(false);
}

Form1::DesignControls Form1::CreateDesignControls()
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(768, 495);
    setFont(Arial(9));
    setMouseTracking(true);
    SetBackColor(colors::White);

    // The templates came first (tab indexes 0 and 1); the rest follows in design order.
    DesignControls controls;
    const char *headings[] = {QT_TRANSLATE_NOOP("Quadrelle", "Puzzle"), QT_TRANSLATE_NOOP("Quadrelle", "Solution")};
    for (int i = 0; i < 2; ++i) {
        auto *label = new Label(QStringLiteral("lb"), i, this);
        label->setGeometry(i == 0 ? 8 : 388, 8, 371, 26);
        label->setFont(Arial(14.25));
        label->SetCaption(QCoreApplication::translate("Quadrelle", headings[i]));
        controls.headings[static_cast<std::size_t>(i)] = label;
    }

    auto *progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar->setGeometry(8, 425, 752, 27);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    // No button: moving over it shows the arrow again.
    progressBar->setMouseTracking(true);
    progressBar->installEventFilter(this);
    controls.progressBar = progressBar;

    const char *captions[] = {QT_TRANSLATE_NOOP("Quadrelle", "Clear"), QT_TRANSLATE_NOOP("Quadrelle", "Start Solving"),
        QT_TRANSLATE_NOOP("Quadrelle", "Print Puzzle"), QT_TRANSLATE_NOOP("Quadrelle", "Print Solution")};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(QCoreApplication::translate("Quadrelle", captions[i]), this);
        button->setObjectName(QStringLiteral("PushButton%1").arg(i + 1));
        button->setGeometry(8 + 192 * i, 460, i == 3 ? 176 : 184, 27);
        button->setFont(Arial(11.25));
        button->setAutoDefault(false);
        button->setMouseTracking(true);
        button->installEventFilter(this);
        controls.buttons[static_cast<std::size_t>(i)] = button;
    }
    connect(controls.buttons[0], &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(controls.buttons[1], &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(controls.buttons[2], &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(controls.buttons[3], &QPushButton::clicked, this, &Form1::PushButton4_Click);

    // Created before the cells, so they lie beneath them.
    for (const FrameSpec &f : Frames) {
        auto *shape = new Shape(f.index, 3, this);
        shape->setGeometry(f.left, f.top, f.width, f.height);
        controls.shapes[static_cast<std::size_t>(f.index)] = shape;
    }
    return controls;
}

Label &Form1::lb(int n)
{
    CheckSubscript(n, 0, 1);
    return *controls_.headings[static_cast<std::size_t>(n)];
}

Shape &Form1::sh(int n)
{
    CheckSubscript(n, 0, 19);
    Shape *shape = controls_.shapes[static_cast<std::size_t>(n)];
    if (!shape)
        throw SubscriptOutOfRange();
    return *shape;
}

void Form1::Form_Load()
{
    Guard guard(*boxes_, GuardedOperation::Form_Load);
    guard.Run(100, [&] { LoadSkin(); });
    guard.Run(102, [&] { setWindowTitle(QCoreApplication::translate("Quadrelle", ProductName)); });
    guard.Run(104, [&] { setWindowIcon(ApplicationIcon()); });
    guard.Run(106, [&] { appTitle_ = DeriveApplicationTitle(QCoreApplication::translate("Quadrelle", ProductName)); });
    guard.Run(108, [&] { LoadMouseIcon(); });
    guard.Run(110, [&] { homePage_.MaybeVisit(); });
    // Positions are pixels already: there is no coordinate unit to switch.
    guard.Run(120, [&] { digitBit_ = MakeDigitBit(); });
    for (int n = FirstBox; n <= LastBox; ++n) {
        guard.Run(130, [&] { grids_.CreatePuzzleBox(n); });
        guard.Run(132, [&] { grids_.CreateSolutionLabel(n); });
    }
    for (int g = 0; g <= 26; ++g)
        guard.Run(140, [&] { board_.CreateGroup(g); });
    for (int i = 0; i <= 80; ++i)
        guard.Run(150, [&] { board_.CreateCell(i); });
    guard.Run(178, [&] { lb(0).SetBackColor(colors::White); });
    guard.Run(180, [&] { lb(1).SetBackColor(colors::White); });
}

void Form1::LoadSkin()
{
    const QString path = ProgramFile(QStringLiteral("x/o.cjs"));
    if (!IsOrdinaryFile(path))
        return;
    // Read first: a skin that cannot be used leaves the design colours as they are.
    skin_.LoadSkin(path, QString());
    SetBackColor(colors::ButtonFace);
    // Every label but the headings; the cells do not exist yet, so this reaches txSol(0).
    for (Label *label : findChildren<Label *>(Qt::FindDirectChildrenOnly)) {
        if (label->Name() != QLatin1String("lb"))
            label->SetBackColor(colors::ButtonFace);
    }
    skin_.SetOptions(skin_.Options() | SkinFramework::ScopeToOwnControls);
    skin_.SetActive(true);
    skin_.SetRepaintOnApply(true);
    skin_.ApplyTo(*this);
}

void Form1::LoadMouseIcon()
{
    const QString path = ProgramFile(QStringLiteral("HAND-M.CUR"));
    if (FileExists(path))
        mouseIcon_ = LoadCursorFile(path);
}

QString Form1::ProgramFile(const QString &relativePath) const
{
    return FindProgramFile({environment_.programFolder, environment_.dataFolder}, relativePath);
}

void Form1::Form_Activate()
{
    Guard guard(*boxes_, GuardedOperation::Form_Activate);
    guard.Run(100, [&] { txPuz(1).setFocus(Qt::ActiveWindowFocusReason); });
}

void Form1::CenterOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Form1::SetBackColor(StoredColor color)
{
    backColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, Resolve(color));
    setPalette(p);
    setAutoFillBackground(true);
}

void Form1::SetPointer(MousePointer pointer)
{
    // Every mouse move lands here: set the cursors only when the pointer changes.
    if (pointerSet_ && pointer == pointer_)
        return;
    pointerSet_ = true;
    pointer_ = pointer;
    switch (pointer) {
    case MousePointer::Default:
        setCursor(Qt::ArrowCursor);
        break;
    case MousePointer::Hourglass:
        setCursor(Qt::WaitCursor);
        break;
    case MousePointer::Custom:
        setCursor(mouseIcon_ ? *mouseIcon_ : QCursor(Qt::ArrowCursor));
        break;
    }
    ShowWaitOnScreen(pointer == MousePointer::Hourglass);
    // The boxes have their own arrow; the hourglass must show over them too.
    const QCursor boxCursor = pointer == MousePointer::Hourglass ? QCursor(Qt::WaitCursor) : txPuz(0).cursor();
    for (PuzzleBox *box : findChildren<PuzzleBox *>(Qt::FindDirectChildrenOnly)) {
        if (box->Index() != 0)
            box->setCursor(boxCursor);
    }
}

void Form1::ShowWaitOnScreen(bool wait)
{
    // Qt shows the arrow over a disabled window whatever its cursor; only an application
    // override shows the hourglass while the solve has the window disabled.
    if (wait == waitOnScreen_)
        return;
    waitOnScreen_ = wait;
    if (wait)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void Form1::Form_MouseMove()
{
    if (pointer_ != MousePointer::Hourglass)
        SetPointer(MousePointer::Default);
}

void Form1::PushButton_MouseMove()
{
    if (pointer_ != MousePointer::Hourglass)
        SetPointer(MousePointer::Custom);
}

void Form1::PushButton1_Click()
{
    ClearCommand(clear_);
}

void Form1::PushButton2_Click()
{
    SolveCommand(solve_);
}

void Form1::PushButton3_Click()
{
    Guard guard(*boxes_, GuardedOperation::PushButton3_Click);
    guard.Run(100, [&] { PrintCommand(print_, 1); });
}

void Form1::PushButton4_Click()
{
    Guard guard(*boxes_, GuardedOperation::PushButton4_Click);
    guard.Run(100, [&] { PrintCommand(print_, 2); });
}

void Form1::txPuz_Change(int n)
{
    entry_.txPuz_Change(n);
    emit PuzzleChanged();
}

bool Form1::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (!skipActivate_)
            Form_Activate();
        skipActivate_ = false;
        break;
    case QEvent::WindowDeactivate: {
        // Back from a message box or from another program is no activation: the focus
        // stays where it was.
        const QWidget *next = QApplication::activeWindow();
        skipActivate_ = next == nullptr || qobject_cast<const QMessageBox *>(next) != nullptr;
        break;
    }
    default:
        break;
    }
    return QWidget::event(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        // A disabled button sees the move too; only one that can be pressed shows the hand.
        const auto *button = qobject_cast<QPushButton *>(watched);
        if (button && button->isEnabled())
            PushButton_MouseMove();
        else if (button || qobject_cast<QProgressBar *>(watched))
            Form_MouseMove();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a child arrive here too when the child does not track the mouse.
    if (!childAt(event->position().toPoint()))
        Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit Unloaded();
}

} // namespace quadrelle
