#include "grid_lines.h"
#include "keys.h"
#include "window_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTranslator>

using namespace quadrelle;
using namespace quadrelle::test;

// The frame's menus, driven by their keys and mnemonics with the real clipboard.
class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void formKeepsItsSizeBetweenTheBars();
    void copyGivesBackWhatWasPasted();
    void pasteTakesForumText_data();
    void pasteTakesForumText();
    void pasteRefusesWithAReason_data();
    void pasteRefusesWithAReason();
    void pasteThroughTheMenu();
    void copySolution();
    void openWalksAFileOfPuzzles();
    void openCancelledChangesNothing();
    void saveAsByName_data();
    void saveAsByName();
    void helpPages();
    void quitEndsTheProgram();
    void everyItemIsTranslated_data();
    void everyItemIsTranslated();

private:
    Form1 &form() { return *fixture_->form; }
    MainWindow &window() { return *fixture_->window; }
    std::vector<Message> &shown() { return fixture_->boxes.shown; }

    std::unique_ptr<WindowFixture> fixture_;
};

namespace {

const QString Euler1
    = QStringLiteral("003020600900305001001806400008102900700000008006708200002609500800203009005010300");
const QString Euler1Solution
    = QStringLiteral("483921657967345821251876493548132976729564138136798245372689514814253769695417382");

QString Dotted(QString line)
{
    return line.replace(QLatin1Char('0'), QLatin1Char('.'));
}

// The puzzle as a bordered grid, as forums and web pages show it.
QString BorderedGrid(const QString &line)
{
    QString grid = QStringLiteral("+-------+-------+-------+\n");
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            grid += col % 3 == 0 ? QStringLiteral("| ") : QString();
            const QChar c = line[row * 9 + col];
            grid += (c == QLatin1Char('0') ? QStringLiteral(".") : QString(c)) + QLatin1Char(' ');
        }
        grid += QStringLiteral("|\n");
        if (row % 3 == 2)
            grid += QStringLiteral("+-------+-------+-------+\n");
    }
    return grid;
}

// SadMan Sudoku's form: nine rows of nine under a '#' line.
QString SdkGrid(const QString &line)
{
    QString grid = QStringLiteral("#A Euler\n");
    for (int row = 0; row < 9; ++row)
        grid += Dotted(line.mid(row * 9, 9)) + QLatin1Char('\n');
    return grid;
}

void Shortcut(QKeySequence keys)
{
    QTest::keySequence(Focus(), keys);
}

// Opens a menu of the bar by its mnemonic and picks an item by its own.
void PickFromMenu(MainWindow &window, Qt::Key menuKey, Qt::Key itemKey)
{
    QTest::keyClick(Focus(), menuKey, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMenu *>(QApplication::activePopupWidget()), 1000);
    QTest::keyClick(QApplication::activePopupWidget(), itemKey);
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activePopupWidget(), 1000);
    Q_UNUSED(window);
}

} // namespace

void MenusTest::init()
{
    fixture_ = std::make_unique<WindowFixture>();
    fixture_->Start();
    QGuiApplication::clipboard()->clear();
}

void MenusTest::cleanup()
{
    fixture_.reset();
}

void MenusTest::formKeepsItsSizeBetweenTheBars()
{
    QCOMPARE(form().size(), QSize(768, 495));
    const QRect menu = window().menuBar()->geometry();
    const QRect status = window().statusBar()->geometry();
    QVERIFY(menu.height() > 0 && status.height() > 0);
    QCOMPARE(form().geometry().top(), menu.bottom() + 1);
    QCOMPARE(status.top(), form().geometry().bottom() + 1);
    QCOMPARE(window().size(), QSize(768, menu.height() + 495 + status.height()));
    QCOMPARE(window().minimumSize(), window().maximumSize());
    QCOMPARE(window().windowTitle(), QStringLiteral("Quadrelle Sudoku Suite"));
}

// Any givens that are part of a solution, pasted as a line, copy back as the same line.
void MenusTest::copyGivesBackWhatWasPasted()
{
    QRandomGenerator random(31);
    for (int round = 0; round < 12; ++round) {
        QString line = Euler1Solution;
        for (int p = 0; p < 81; ++p) {
            if (random.bounded(100) < 20 + 5 * round)
                line[p] = QLatin1Char('.');
        }
        QGuiApplication::clipboard()->setText(line);
        Shortcut(QKeySequence::Paste);
        QGuiApplication::clipboard()->clear();
        Shortcut(QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), line);
    }
    QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));
}

void MenusTest::pasteTakesForumText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a line with zeros") << Euler1;
    QTest::newRow("a line and a comment") << Dotted(Euler1) + QStringLiteral(" # Project Euler, grid 01\n");
    QTest::newRow("a bordered grid") << QStringLiteral("Today's puzzle:\n\n") + BorderedGrid(Euler1);
    QTest::newRow("an .sdk file") << SdkGrid(Euler1);
    QTest::newRow("CR LF line ends") << BorderedGrid(Euler1).replace("\n", "\r\n");
}

void MenusTest::pasteTakesForumText()
{
    QFETCH(QString, text);
    TypeAt(form(), 5, '9');
    QGuiApplication::clipboard()->setText(text);
    Shortcut(QKeySequence::Paste);
    QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));
    QGuiApplication::clipboard()->clear();
    Shortcut(QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), Dotted(Euler1));
    // The givens as typed, with what they force.
    QCOMPARE(PuzzleGridLine(form()), Euler1Solution);
}

void MenusTest::pasteRefusesWithAReason_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("nothing") << "nothing"
                             << "empty";
    QTest::newRow("an image") << "image"
                              << "picture";
    QTest::newRow("prose") << "prose"
                           << "no puzzle";
    QTest::newRow("blank") << "blank"
                           << "blank";
    QTest::newRow("80 digits") << "short"
                               << "no puzzle";
    QTest::newRow("a grid of 8 rows") << "rows"
                                      << "no puzzle";
}

void MenusTest::pasteRefusesWithAReason()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TypeAt(form(), 5, '9');
    QClipboard &clipboard = *QGuiApplication::clipboard();
    if (kind == "image") {
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(Qt::blue);
        clipboard.setImage(image);
    } else if (kind == "prose") {
        clipboard.setText("Sudoku is a logic puzzle.");
    } else if (kind == "blank") {
        clipboard.setText(" \n\t\n");
    } else if (kind == "short") {
        clipboard.setText(Euler1.left(80));
    } else if (kind == "rows") {
        clipboard.setText(BorderedGrid(Euler1).section('\n', 0, 9));
    }
    Shortcut(QKeySequence::Paste);
    QCOMPARE(shown().size(), std::size_t(1));
    QVERIFY2(shown().front().text.contains(reason), qPrintable(shown().front().text));
    QCOMPARE(shown().front().title, form().AppTitle());
    QString unchanged(81, QLatin1Char('0'));
    unchanged[4] = QLatin1Char('9');
    QCOMPARE(PuzzleGridLine(form()), unchanged);
}

void MenusTest::pasteThroughTheMenu()
{
    QGuiApplication::clipboard()->setText(Euler1);
    PickFromMenu(window(), Qt::Key_E, Qt::Key_P);
    QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));
    QCOMPARE(PuzzleGridLine(form()), Euler1Solution);
}

void MenusTest::copySolution()
{
    Shortcut(window().CopySolutionAction().shortcut());
    QCOMPARE(shown().size(), std::size_t(1));
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    shown().clear();
    TypePuzzle(form(), "000000010400000000020000000000050407008000300001090000300400200050100000000806000");
    Click(form().PushButton2());
    Shortcut(window().CopySolutionAction().shortcut());
    QCOMPARE(QGuiApplication::clipboard()->text(), SolutionGridLine(form()));
    QVERIFY(!SolutionGridLine(form()).contains('0'));
}

void MenusTest::openWalksAFileOfPuzzles()
{
    QString content;
    const QStringList puzzles {Euler1,
        "000000010400000000020000000000050407008000300001090000300400200050100000000806000",
        "200050006010000090600801003007090600000703000900080002100000005060902010003060200"};
    for (const QString &puzzle : puzzles)
        content += BorderedGrid(puzzle) + "\n";
    fixture_->WriteFile("three.sdk", content.toUtf8());
    fixture_->files.names << fixture_->folder.filePath("three.sdk");
    Shortcut(QKeySequence::Open);
    QVERIFY2(fixture_->files.filters.value(0).contains("*.sdk"), qPrintable(fixture_->files.filters.value(0)));
    QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));
    const auto showsPuzzle = [&](int i) {
        QGuiApplication::clipboard()->clear();
        Shortcut(QKeySequence::Copy);
        return QGuiApplication::clipboard()->text() == Dotted(puzzles[i])
            && window().windowTitle()
            == QStringLiteral("three.sdk — puzzle %1 of 3 — Quadrelle Sudoku Suite").arg(i + 1);
    };
    QVERIFY2(showsPuzzle(0), qPrintable(window().windowTitle()));
    QVERIFY(!window().PreviousAction().isEnabled());
    Press(Qt::Key_PageDown);
    QVERIFY(showsPuzzle(1));
    Press(Qt::Key_PageDown);
    QVERIFY(showsPuzzle(2));
    QVERIFY(!window().NextAction().isEnabled());
    Press(Qt::Key_PageDown);
    QVERIFY(showsPuzzle(2));
    Press(Qt::Key_PageUp);
    QVERIFY(showsPuzzle(1));
    QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));

    // A paste leaves the file.
    QGuiApplication::clipboard()->setText(Euler1);
    Shortcut(QKeySequence::Paste);
    QCOMPARE(window().windowTitle(), QStringLiteral("Quadrelle Sudoku Suite"));
    QVERIFY(!window().NextAction().isEnabled());
}

void MenusTest::openCancelledChangesNothing()
{
    TypeAt(form(), 1, '5');
    Shortcut(QKeySequence::Open);
    fixture_->WriteFile("none.txt", "no puzzle here\n");
    fixture_->files.names << fixture_->folder.filePath("none.txt") << fixture_->folder.filePath("missing.sdk");
    Shortcut(QKeySequence::Open);
    Shortcut(QKeySequence::Open);
    QCOMPARE(shown().size(), std::size_t(2));
    QVERIFY2(shown()[0].text.startsWith("none.txt: "), qPrintable(shown()[0].text));
    QVERIFY2(shown()[1].text.startsWith("Cannot read missing.sdk: "), qPrintable(shown()[1].text));
    QCOMPARE(PuzzleGridLine(form()).left(2), QStringLiteral("50"));
}

void MenusTest::saveAsByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("content");
    QTest::newRow("a puzzle line") << "mine.txt" << Dotted(Euler1) + "\n";
    QString grid;
    for (int row = 0; row < 9; ++row)
        grid += Dotted(Euler1).mid(row * 9, 9) + "\n";
    QTest::newRow(".sdk") << "mine.SDK" << grid;
}

void MenusTest::saveAsByName()
{
    QFETCH(QString, name);
    QFETCH(QString, content);
    QGuiApplication::clipboard()->setText(Euler1);
    Shortcut(QKeySequence::Paste);
    fixture_->files.names << fixture_->folder.filePath(name);
    Shortcut(window().SaveAsAction().shortcut());
    QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));
    QFile saved(fixture_->folder.filePath(name));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), content);
    // What was saved opens again.
    fixture_->files.names << saved.fileName();
    Click(form().PushButton1());
    Shortcut(QKeySequence::Open);
    QCOMPARE(PuzzleGridLine(form()), Euler1Solution);
}

void MenusTest::helpPages()
{
    Shortcut(QKeySequence::HelpContents);
    PickFromMenu(window(), Qt::Key_H, Qt::Key_A);
    QCOMPARE(shown().size(), std::size_t(2));
    QVERIFY2(shown()[0].text.contains("Page Down"), qPrintable(shown()[0].text));
    QVERIFY2(shown()[1].text.contains(QRegularExpression("version \\d+\\.\\d+")), qPrintable(shown()[1].text));
    QVERIFY(shown()[1].text.contains("MIT"));
}

void MenusTest::quitEndsTheProgram()
{
    QSignalSpy unloaded(&form(), &Form1::Unloaded);
    QCOMPARE(window().QuitAction().shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    Shortcut(window().QuitAction().shortcut());
    QCOMPARE(unloaded.size(), 1);
}

namespace {

// Each menu's title and the text of every item in it, in menu order.
QStringList MenuTexts(MainWindow &window)
{
    QStringList texts;
    for (QAction *menu : window.menuBar()->actions()) {
        texts << menu->text();
        for (QAction *item : menu->menu()->actions()) {
            if (!item->isSeparator())
                texts << item->text();
        }
    }
    return texts;
}

} // namespace

void MenusTest::everyItemIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
}

void MenusTest::everyItemIsTranslated()
{
    QFETCH(QString, language);
    const QStringList english = MenuTexts(window());
    QTranslator translator;
    QVERIFY(translator.load(":/i18n/quadrelle_" + language + ".qm"));
    QCoreApplication::installTranslator(&translator);
    WindowFixture translated;
    translated.Start();
    const QStringList texts = MenuTexts(*translated.window);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(texts.size(), english.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        QVERIFY2(texts[i] != english[i], qPrintable(english[i]));
    // Each menu's mnemonics differ, so Alt and a letter reach one item.
    for (QAction *menu : translated.window->menuBar()->actions()) {
        QSet<QChar> keys;
        for (QAction *item : menu->menu()->actions()) {
            const qsizetype amp = item->text().indexOf('&');
            if (amp < 0)
                continue;
            const QChar key = item->text()[amp + 1].toLower();
            QVERIFY2(!keys.contains(key), qPrintable(item->text()));
            keys.insert(key);
        }
    }
}

int RunMenusTest(int argc, char **argv)
{
    MenusTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "menus_test.moc"
