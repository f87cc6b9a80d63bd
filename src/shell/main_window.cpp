#include "shell/main_window.h"

#include "board/commands/puzzle_transfer.h"
#include "shell/title.h"
#include "version.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScreen>
#include <QStatusBar>

namespace quadrelle {

namespace {

// Larger than any collection people keep; a bigger file is not read into memory whole.
constexpr qint64 FileLimit = qint64(64) << 20;

QString Tr(const char *text)
{
    return QCoreApplication::translate("Quadrelle", text);
}

// The platform's keys for a standard command, or the usual ones where the platform names none
// (Quit and Save As on some).
QList<QKeySequence> Keys(QKeySequence::StandardKey standard, const QKeySequence &usual)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    return keys.isEmpty() ? QList<QKeySequence> {usual} : keys;
}

PuzzleAnalyst::Cells CellsOf(const Grid &givens)
{
    PuzzleAnalyst::Cells cells {};
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = static_cast<std::uint8_t>(givens[i]);
    return cells;
}

QString KeysOf(const QAction &action)
{
    return action.shortcut().toString(QKeySequence::NativeText);
}

} // namespace

MainWindow::MainWindow(Form1Environment environment)
    : QMainWindow(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint),
      ownDialogs_(environment.fileDialogs ? nullptr : std::make_unique<QtFileDialogs>(this)),
      dialogs_(environment.fileDialogs ? environment.fileDialogs : ownDialogs_.get()),
      form_(new Form1(std::move(environment))), guide_(*form_, analyst_, *this)
{
    setObjectName(QStringLiteral("MainWindow"));
    setCentralWidget(form_);
    // The form's size is fixed; the frame only adds the bars.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusLine"));
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    CreateMenus();

    connect(form_, &QWidget::windowTitleChanged, this, &MainWindow::UpdateTitle);
    connect(form_, &QWidget::windowIconChanged, this, &QWidget::setWindowIcon);
    changes_.setSingleShot(true);
    changes_.setInterval(0);
    connect(&changes_, &QTimer::timeout, this, &MainWindow::GivensMayHaveChanged);
    connect(form_, &Form1::PuzzleChanged, &changes_, qOverload<>(&QTimer::start));
    slowVerdict_.setSingleShot(true);
    slowVerdict_.setInterval(150);
    connect(&slowVerdict_, &QTimer::timeout, this,
        [this] { status_->setText(QCoreApplication::translate("Quadrelle", "Rating the puzzle…")); });
    connect(&analyst_, &PuzzleAnalyst::Analysed, this, &MainWindow::ShowVerdict);
    connect(&maker_, &PuzzleMaker::Made, this, &MainWindow::TypeNewPuzzle);
    connect(form_, &Form1::PuzzleChanged, &guide_, &BoardGuide::BoardChanged);
    connect(&guide_, &BoardGuide::Say, this, [this](const QString &text) {
        slowVerdict_.stop();
        status_->setText(text);
    });
    connect(&guide_, &BoardGuide::Asking, this, &MainWindow::TakeGivensAsAnalysed);
    connect(&guide_, &BoardGuide::CheckAvailable, check_, &QAction::setEnabled);
    connect(&guide_, &BoardGuide::PathArrived, this, [this] {
        // The explanation superseded a verdict still on its way: ask for it again.
        if (verdictPending_ && analysed_)
            analyst_.Analyse(CellsOf(*analysed_));
    });
    UpdateTitle();
    UpdateFileActions();
}

MainWindow::~MainWindow() = default;

template <typename Slot>
QAction *MainWindow::AddAction(QMenu *menu, const char *text, const QList<QKeySequence> &keys, Slot slot)
{
    QAction *action = menu->addAction(Tr(text));
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::CreateMenus()
{
    QMenu *file = menuBar()->addMenu(Tr(QT_TRANSLATE_NOOP("Quadrelle", "&File")));
    open_ = AddAction(file, QT_TRANSLATE_NOOP("Quadrelle", "&Open…"), Keys(QKeySequence::Open, Qt::CTRL | Qt::Key_O),
        &MainWindow::OpenPuzzleFile);
    next_ = AddAction(file, QT_TRANSLATE_NOOP("Quadrelle", "&Next Puzzle"), {QKeySequence(Qt::Key_PageDown)},
        [this] { ShowPuzzle(current_ + 1); });
    previous_ = AddAction(file, QT_TRANSLATE_NOOP("Quadrelle", "P&revious Puzzle"), {QKeySequence(Qt::Key_PageUp)},
        [this] { ShowPuzzle(current_ - 1); });
    saveAs_ = AddAction(file, QT_TRANSLATE_NOOP("Quadrelle", "Save Puzzle &As…"),
        Keys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S), &MainWindow::SavePuzzleAs);
    file->addSeparator();
    print_ = AddAction(file, QT_TRANSLATE_NOOP("Quadrelle", "&Print Puzzle"),
        Keys(QKeySequence::Print, Qt::CTRL | Qt::Key_P), &MainWindow::PrintPuzzle);
    AddAction(file, QT_TRANSLATE_NOOP("Quadrelle", "Print &Solution"), {}, &MainWindow::PrintSolution);
    file->addSeparator();
    quit_ = AddAction(
        file, QT_TRANSLATE_NOOP("Quadrelle", "&Quit"), Keys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q), &QWidget::close);

    QMenu *edit = menuBar()->addMenu(Tr(QT_TRANSLATE_NOOP("Quadrelle", "&Edit")));
    copyPuzzle_ = AddAction(edit, QT_TRANSLATE_NOOP("Quadrelle", "&Copy Puzzle"),
        Keys(QKeySequence::Copy, Qt::CTRL | Qt::Key_C), &MainWindow::CopyPuzzle);
    copySolution_ = AddAction(edit, QT_TRANSLATE_NOOP("Quadrelle", "Copy &Solution"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, &MainWindow::CopySolution);
    paste_ = AddAction(edit, QT_TRANSLATE_NOOP("Quadrelle", "&Paste Puzzle"),
        Keys(QKeySequence::Paste, Qt::CTRL | Qt::Key_V), &MainWindow::PastePuzzle);
    edit->addSeparator();
    AddAction(edit, QT_TRANSLATE_NOOP("Quadrelle", "C&lear"), {}, &MainWindow::ClearPuzzle);

    QMenu *puzzle = menuBar()->addMenu(Tr(QT_TRANSLATE_NOOP("Quadrelle", "&Puzzle")));
    newPuzzle_ = AddAction(puzzle, QT_TRANSLATE_NOOP("Quadrelle", "&New Puzzle"),
        Keys(QKeySequence::New, Qt::CTRL | Qt::Key_N), [this] { NewPuzzle(lastBand_); });
    QMenu *bands = puzzle->addMenu(Tr(QT_TRANSLATE_NOOP("Quadrelle", "New Puzzle &At")));
    for (std::size_t i = 0; i < DifficultyBands().size(); ++i) {
        const DifficultyBand &band = DifficultyBands()[i];
        const QLocale locale;
        // "&1 Easy (1.0 to 2.0)": numbered, as names share first letters in every language.
        QAction *action = bands->addAction(
            Tr(QT_TRANSLATE_NOOP("Quadrelle", "&%1 %2 (%3 to %4)"))
                .arg(QString::number(i + 1), Tr(band.name), locale.toString(band.lowest / 10.0, 'f', 1),
                    locale.toString(std::min(band.highest, 120) / 10.0, 'f', 1)));
        connect(action, &QAction::triggered, this, [this, i] { NewPuzzle(static_cast<int>(i)); });
        bandActions_.push_back(action);
    }
    cancelNew_ = AddAction(puzzle, QT_TRANSLATE_NOOP("Quadrelle", "&Stop Making the Puzzle"),
        {QKeySequence(Qt::Key_Escape)}, &MainWindow::CancelNewPuzzle);
    cancelNew_->setEnabled(false);
    puzzle->addSeparator();
    hint_ = AddAction(
        puzzle, QT_TRANSLATE_NOOP("Quadrelle", "&Hint"), {QKeySequence(Qt::CTRL | Qt::Key_H)}, &MainWindow::ShowHint);
    showCandidates_ = AddAction(puzzle, QT_TRANSLATE_NOOP("Quadrelle", "Show &Candidates"),
        {QKeySequence(Qt::CTRL | Qt::Key_M)}, [this] { guide_.ShowCandidates(showCandidates_->isChecked()); });
    showCandidates_->setCheckable(true);
    explain_ = AddAction(puzzle, QT_TRANSLATE_NOOP("Quadrelle", "&Explain…"), {QKeySequence(Qt::CTRL | Qt::Key_E)},
        [this] { guide_.Explain(); });
    check_ = AddAction(puzzle, QT_TRANSLATE_NOOP("Quadrelle", "Chec&k Where Solutions Differ"),
        {QKeySequence(Qt::CTRL | Qt::Key_K)}, [this] { guide_.Check(); });
    check_->setEnabled(false);

    QMenu *help = menuBar()->addMenu(Tr(QT_TRANSLATE_NOOP("Quadrelle", "&Help")));
    AddAction(help, QT_TRANSLATE_NOOP("Quadrelle", "&Keys"), Keys(QKeySequence::HelpContents, Qt::Key_F1),
        &MainWindow::ShowKeys);
    AddAction(help, QT_TRANSLATE_NOOP("Quadrelle", "&About Quadrelle"), {}, &MainWindow::ShowAbout);
}

QString MainWindow::StatusText() const
{
    return status_->text();
}

void MainWindow::CenterOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::UpdateTitle()
{
    const QString title = form_->windowTitle();
    if (fileName_.isEmpty())
        setWindowTitle(title);
    else if (puzzles_.size() == 1)
        setWindowTitle(QCoreApplication::translate("Quadrelle", "%1 — %2").arg(fileName_, title));
    else
        setWindowTitle(QCoreApplication::translate("Quadrelle", "%1 — puzzle %2 of %3 — %4")
                           .arg(fileName_)
                           .arg(current_ + 1)
                           .arg(static_cast<qsizetype>(puzzles_.size()))
                           .arg(title));
}

void MainWindow::UpdateFileActions()
{
    next_->setEnabled(current_ + 1 < static_cast<int>(puzzles_.size()));
    previous_->setEnabled(current_ > 0 && !puzzles_.empty());
}

void MainWindow::Tell(const QString &text, MessageIcon icon)
{
    form_->Boxes().Show(text, form_->AppTitle(), icon);
}

void MainWindow::OpenPuzzleFile()
{
    const QString filter
        = QCoreApplication::translate("Quadrelle", "Puzzle files (*.sdk *.sdm *.ss *.txt *.csv *.opensudoku *.xml)")
        + QStringLiteral(";;") + QCoreApplication::translate("Quadrelle", "All files (*)");
    const QString path = dialogs_->OpenFileName(QCoreApplication::translate("Quadrelle", "Open Puzzle"), filter);
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Tell(QCoreApplication::translate("Quadrelle", "Cannot read %1: %2.").arg(name, file.errorString()));
        return;
    }
    const QByteArray text = file.read(FileLimit);
    if (file.error() != QFileDevice::NoError) {
        Tell(QCoreApplication::translate("Quadrelle", "Cannot read %1: %2.").arg(name, file.errorString()));
        return;
    }
    const PuzzlesInText read = ReadPuzzlesIn(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (read.puzzles.empty()) {
        Tell(QCoreApplication::translate("Quadrelle", "%1: %2").arg(name, read.problem));
        return;
    }
    fileName_ = name;
    puzzles_ = read.puzzles;
    ShowPuzzle(0);
}

void MainWindow::ShowPuzzle(int index)
{
    if (index < 0 || index >= static_cast<int>(puzzles_.size()))
        return;
    current_ = index;
    form_->PushButton1_Click();
    EnterGivens(form_->grids(), puzzles_[static_cast<std::size_t>(index)]);
    UpdateTitle();
    UpdateFileActions();
}

void MainWindow::SavePuzzleAs()
{
    const QString filter = QCoreApplication::translate("Quadrelle", "Puzzle line (*.txt *.sdm)") + QStringLiteral(";;")
        + QCoreApplication::translate("Quadrelle", "SadMan Sudoku (*.sdk)");
    const QString path = dialogs_->SaveFileName(QCoreApplication::translate("Quadrelle", "Save Puzzle As"), filter);
    if (path.isEmpty())
        return;
    const Grid givens = EnteredGivens(form_->grids());
    const bool sdk = path.endsWith(QStringLiteral(".sdk"), Qt::CaseInsensitive);
    const std::string content = sdk ? SdkGridOf(givens) : PuzzleLineOf(givens) + '\n';
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content.data(), static_cast<qint64>(content.size())) < 0
        || !file.commit())
        Tell(QCoreApplication::translate("Quadrelle", "Cannot write %1: %2.")
                 .arg(QFileInfo(path).fileName(), file.errorString()));
}

void MainWindow::CopyPuzzle()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(PuzzleLineOf(EnteredGivens(form_->grids()))));
}

void MainWindow::CopySolution()
{
    const std::string solution = SolutionLineOf(form_->grids());
    if (solution.empty()) {
        Tell(QCoreApplication::translate("Quadrelle", "There is no solution to copy yet: Start Solving finds it."),
            MessageIcon::Information);
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(solution));
}

void MainWindow::PastePuzzle()
{
    const ClipboardPuzzle pasted = PuzzleOnClipboard(QGuiApplication::clipboard()->mimeData());
    if (!pasted.givens) {
        Tell(pasted.problem);
        return;
    }
    EnterPuzzleOfNoFile(*pasted.givens);
}

// A puzzle from elsewhere than a file: the file's puzzles are put aside, the board cleared and
// the givens typed in.
void MainWindow::EnterPuzzleOfNoFile(const Grid &givens)
{
    fileName_.clear();
    puzzles_.clear();
    current_ = 0;
    UpdateTitle();
    UpdateFileActions();
    form_->PushButton1_Click();
    EnterGivens(form_->grids(), givens);
}

void MainWindow::ClearPuzzle()
{
    form_->PushButton1_Click();
}

void MainWindow::PrintPuzzle()
{
    form_->PushButton3_Click();
}

void MainWindow::PrintSolution()
{
    // As the button: there is nothing to print until a solve has filled the solution grid.
    if (form_->PushButton4().isEnabled())
        form_->PushButton4_Click();
}

void MainWindow::ShowKeys()
{
    Tell(QCoreApplication::translate("Quadrelle",
             "1 to 9: enter a digit; Delete: empty the box\r"
             "Arrow keys: move between the boxes; Tab, Shift+Tab: move through the window\r"
             "%1: open a puzzle file; Page Down, Page Up: its next and previous puzzle\r"
             "%2: save the puzzle; %3: print the puzzle\r"
             "%4: copy the puzzle; %5: copy the solution; %6: paste a puzzle\r"
             "Ctrl+H: a hint on the board, Ctrl+H again applies it; Ctrl+M: show the candidates\r"
             "Ctrl+E: explain the solving path; Ctrl+K: where two solutions differ; Ctrl+N: a new puzzle, Esc stops it\r"
             "Alt and an underlined letter: a menu\r"
             "%7: quit")
             .arg(KeysOf(*open_), KeysOf(*saveAs_), KeysOf(*print_), KeysOf(*copyPuzzle_), KeysOf(*copySolution_),
                 KeysOf(*paste_), KeysOf(*quit_)),
        MessageIcon::Information);
}

void MainWindow::ShowAbout()
{
    Tell(QCoreApplication::translate("Quadrelle", "%1, version %2\r\rSolves, counts and rates Sudoku puzzles.\r\r%3")
             .arg(Tr(ProductName), QString::fromLatin1(Version),
                 QString::fromLatin1(Licence).trimmed().replace(QLatin1Char('\n'), QLatin1Char('\r'))),
        MessageIcon::Information);
}

void MainWindow::NewPuzzle(int band)
{
    lastBand_ = band;
    NewPuzzleIn(DifficultyBands().at(static_cast<std::size_t>(band)));
}

void MainWindow::NewPuzzleIn(const DifficultyBand &band)
{
    maker_.Make(band, QRandomGenerator::global()->generate64());
    cancelNew_->setEnabled(true);
    slowVerdict_.stop();
    status_->setText(QCoreApplication::translate("Quadrelle", "Making a new %1 puzzle…  %2 stops.")
                         .arg(Tr(band.name), cancelNew_->shortcut().toString(QKeySequence::NativeText)));
}

void MainWindow::CancelNewPuzzle()
{
    if (!maker_.Busy())
        return;
    maker_.Cancel();
    cancelNew_->setEnabled(false);
    status_->setText(QCoreApplication::translate("Quadrelle", "No new puzzle: stopped."));
    analysed_.reset();
}

void MainWindow::TypeNewPuzzle(const PuzzleMaker::Cells &puzzle)
{
    cancelNew_->setEnabled(false);
    Grid givens {};
    for (std::size_t i = 0; i < givens.size(); ++i)
        givens[i] = static_cast<std::int8_t>(puzzle[i]);
    EnterPuzzleOfNoFile(givens);
    form_->txPuz(1).setFocus();
}

void MainWindow::ShowHint()
{
    guide_.Hint();
}

// A change just made is taken as analysed, so that its verdict does not supersede what is asked
// for now; the next change asks for a verdict again.
void MainWindow::TakeGivensAsAnalysed()
{
    changes_.stop();
    analysed_ = EnteredGivens(form_->grids());
}

void MainWindow::GivensMayHaveChanged()
{
    const Grid givens = EnteredGivens(form_->grids());
    if (analysed_ == givens)
        return;
    analysed_ = givens;
    if (givens == Grid {}) {
        // Nothing typed yet: "several solutions" would only be noise.
        analyst_.Analyse(CellsOf(givens));
        slowVerdict_.stop();
        status_->clear();
        return;
    }
    analyst_.Analyse(CellsOf(givens));
    verdictPending_ = true;
    slowVerdict_.start();
}

void MainWindow::ShowVerdict(const PuzzleVerdict &verdict)
{
    slowVerdict_.stop();
    verdictPending_ = false;
    guide_.SetDiffering(verdict.differing);
    if (analysed_ == Grid {})
        return;
    status_->setText(DescribeVerdict(verdict));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The form says the program ends.
    form_->close();
    event->accept();
}

} // namespace quadrelle
