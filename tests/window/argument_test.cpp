#include "grid_lines.h"
#include "keys.h"
#include "window_fixture.h"

#include "shell/open_puzzle.h"
#include "shell/puzzle_argument.h"
#include "version.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <sys/stat.h>

#include <cstdio>

using namespace quadrelle;
using namespace quadrelle::test;

// The window's command line: a puzzle or a puzzle file typed in as a user would have typed
// it, malformed arguments reported, --help and --version.
class ArgumentTest : public QObject {
    Q_OBJECT
private slots:
    void givensLookAsIfTyped_data();
    void givensLookAsIfTyped();
    void fileGivesItsFirstPuzzleLine();
    void malformedArgumentLeavesTheBoardEmpty_data();
    void malformedArgumentLeavesTheBoardEmpty();
    void onlyTheFirstPuzzleLineOfARegularFileIsRead();
    void optionsAreReadWithoutADisplay_data();
    void optionsAreReadWithoutADisplay();
};

namespace {

const QString Wikipedia
    = QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");

// Everything typing leaves behind that a user can see or the next command reads.
QStringList Snapshot(Form1 &form)
{
    QStringList boxes;
    for (int n = 1; n <= 81; ++n) {
        const PuzzleBox &box = form.txPuz(n);
        boxes << QStringLiteral("%1:%2 tag %3 model %4 colours %5/%6")
                     .arg(n)
                     .arg(box.Text(), box.Tag())
                     .arg(form.board().Cells(n - 1).Value())
                     .arg(static_cast<qint64>(box.ForeColor().Stored()))
                     .arg(static_cast<qint64>(box.BackColor().Stored()));
    }
    return boxes;
}

QByteArrayList Encoded(const QStringList &arguments)
{
    QByteArrayList encoded;
    for (const QString &argument : arguments)
        encoded << QFile::encodeName(argument);
    return encoded;
}

QStringList Texts(const std::vector<Message> &messages)
{
    QStringList texts;
    for (const Message &message : messages)
        texts << message.text;
    return texts;
}

} // namespace

void ArgumentTest::givensLookAsIfTyped_data()
{
    QTest::addColumn<QString>("puzzle");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("accepted, with deductions") << Wikipedia << QStringList {};
    QTest::newRow("dots and a comment") << QString(Wikipedia).replace('0', '.') + QStringLiteral(" # classic")
                                        << QStringList {};
    QTest::newRow("a given refused as a duplicate")
        << QStringLiteral("500000005") + QString(72, '0') << QStringList {QStringLiteral("Duplicate value in cell")};
    QTest::newRow("a given taken back after a contradiction")
        << QStringLiteral("103000009006000000700100000000600810005910360690000007000000040000090000060000002")
        << QStringList {QStringLiteral("Contradiction between cells")};
}

void ArgumentTest::givensLookAsIfTyped()
{
    QFETCH(QString, puzzle);
    QFETCH(QStringList, messages);

    WindowFixture typed;
    TypePuzzle(typed.Start(), puzzle);
    QCOMPARE(Texts(typed.boxes.shown), messages);

    WindowFixture opened;
    Form1 &form = opened.Start();
    OpenPuzzleArguments(form, opened.boxes, {puzzle.toUtf8()});
    QCOMPARE(Texts(opened.boxes.shown), messages);
    for (const Message &message : opened.boxes.shown) {
        QCOMPARE(message.title, form.AppTitle());
        QCOMPARE(message.icon, MessageIcon::None);
    }
    QCOMPARE(Snapshot(form), Snapshot(*typed.form));
    QCOMPARE(static_cast<PuzzleBox *>(form.focusWidget())->Index(),
        static_cast<PuzzleBox *>(typed.form->focusWidget())->Index());
    QVERIFY(RepeatedDigit(form).isEmpty());
}

void ArgumentTest::fileGivesItsFirstPuzzleLine()
{
    WindowFixture fixture;
    const QString second = QStringLiteral("1") + QString(80, '0');
    fixture.WriteFile("puzzles.txt",
        "\xEF\xBB\xBF# two puzzles\r\n\r\n   \r\n" + Wikipedia.toLatin1() + ";first\r\n" + second.toLatin1() + "\r\n");
    Form1 &form = fixture.Start();
    OpenPuzzleArguments(form, fixture.boxes, {QFile::encodeName(fixture.folder.filePath("puzzles.txt"))});
    QVERIFY(fixture.boxes.shown.empty());
    for (int p = 0; p < CellCount; ++p) {
        if (DigitAt(Wikipedia, p))
            QCOMPARE(form.board().Cells(p).Value(), DigitAt(Wikipedia, p));
    }
    QCOMPARE(form.txPuz(2).Text(), QStringLiteral("3"));
    QVERIFY(HasEntryColours(form, 2));

    // Any form the batch solver reads: here SadMan's, under its metadata, with CR LF.
    QByteArray sdk = "#ARuud\r\n";
    for (int row = 0; row < 9; ++row)
        sdk += Wikipedia.mid(row * 9, 9).replace('0', '.').toLatin1() + "\r\n";
    fixture.WriteFile("puzzle.sdk", sdk);
    const PuzzleArgument grid = ReadPuzzleArgument(QFile::encodeName(fixture.folder.filePath("puzzle.sdk")));
    QVERIFY2(grid.givens, qPrintable(grid.error));
    for (int p = 0; p < CellCount; ++p)
        QCOMPARE(int((*grid.givens)[static_cast<std::size_t>(p)]), DigitAt(Wikipedia, p));

    // A comment longer than any read buffer is skipped whole.
    fixture.WriteFile("long.txt", "#" + QByteArray(100000, 'x') + "\n" + second.toLatin1());
    const PuzzleArgument longComment = ReadPuzzleArgument(QFile::encodeName(fixture.folder.filePath("long.txt")));
    QVERIFY2(longComment.givens, qPrintable(longComment.error));
    QCOMPARE((*longComment.givens)[0], std::int8_t(1));

    // Project Euler's grids under their titles, UTF-16 as some editors save "Unicode", and an
    // OpenSudoku export on one line whose first game starts far into it.
    QByteArray euler = "Grid 01\n";
    for (int row = 0; row < 9; ++row)
        euler += Wikipedia.mid(row * 9, 9).toLatin1() + "\n";
    QByteArray utf16 = "\xFF\xFE";
    for (const char c : "# Unicode\r\n" + Wikipedia.toLatin1() + "\r\n")
        utf16.append(c).append('\0');
    const QByteArray xml = "<opensudoku><name>" + QByteArray(20000, 'n') + "</name><game data=\"" + Wikipedia.toLatin1()
        + "\"/></opensudoku>";
    for (const auto &[name, content] : {std::pair {"p096_sudoku.txt", euler}, {"unicode.txt", utf16}, {"one.opensudoku", xml}}) {
        fixture.WriteFile(name, content);
        const PuzzleArgument read = ReadPuzzleArgument(QFile::encodeName(fixture.folder.filePath(QLatin1String(name))));
        QVERIFY2(read.givens, qPrintable(QLatin1String(name) + ": " + read.error));
        for (int p = 0; p < CellCount; ++p)
            QCOMPARE(int((*read.givens)[static_cast<std::size_t>(p)]), DigitAt(Wikipedia, p));
    }
}

void ArgumentTest::malformedArgumentLeavesTheBoardEmpty_data()
{
    QTest::addColumn<QString>("file"); // written into the fixture's folder when not empty
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString puzzle80 = Wikipedia.left(80);
    QTest::newRow("short")
        << QString() << QByteArray() << QStringList {puzzle80}
        << QStringLiteral("\"%1\" is not a puzzle: it has 80 characters, a puzzle has 81.").arg(puzzle80);
    const QString letter = QString(Wikipedia).replace(16, 1, QStringLiteral("x"));
    QTest::newRow("bad character")
        << QString() << QByteArray() << QStringList {letter}
        << QStringLiteral("\"%1\" is not a puzzle: character 17 is \"x\"; a puzzle has only 1 to 9, 0 and \".\".")
               .arg(letter);
    // Shown whole when printable, by code when not, so that nothing shows as a box.
    QByteArray nul = Wikipedia.toLatin1();
    nul[16] = '\0';
    QTest::newRow("NUL") << QStringLiteral("nul.txt") << nul << QStringList {}
                         << QStringLiteral("Line 1 of \"%1\" is not a puzzle: character 17 is \"\\x00\"; a puzzle "
                                           "has only 1 to 9, 0 and \".\".");
    const QString accent = QString(Wikipedia).replace(16, 1, QStringLiteral("\u00e9"));
    QTest::newRow("UTF-8")
        << QString() << QByteArray() << QStringList {accent}
        << QStringLiteral("\"%1\" is not a puzzle: character 17 is \"\u00e9\"; a puzzle has only 1 to 9, 0 and \".\".")
               .arg(accent);
    QTest::newRow("no separator after 81") << QString() << QByteArray() << QStringList {Wikipedia + "1"}
                                           << QStringLiteral("\"%1\" is not a puzzle: it goes on after 81 characters "
                                                             "without a space, tab, comma, colon or semicolon.")
                                                  .arg(Wikipedia + "1");
    QTest::newRow("missing file") << QString() << QByteArray() << QStringList {QStringLiteral("/nonexistent/p.txt")}
                                  << QStringLiteral("Cannot read \"/nonexistent/p.txt\": No such file or directory.");
    QTest::newRow("bad first puzzle line")
        << QStringLiteral("bad.txt") << QByteArray("# first\n12345\n" + Wikipedia.toLatin1()) << QStringList {}
        << QStringLiteral("Line 2 of \"%1\" is not a puzzle: it has 5 characters, a puzzle has 81.");
    QTest::newRow("malformed grid") << QStringLiteral("bad.ss") << QByteArray("530|070|000\n600|195|000\n098|000|06\n")
                                    << QStringList {}
                                    << QStringLiteral(
                                           "Line 3 of \"%1\" is not a puzzle: grid row 3 has 8 cells, not 9.");
    QTest::newRow("no puzzle line") << QStringLiteral("empty.txt") << QByteArray("# nothing\n\n") << QStringList {}
                                    << QStringLiteral("\"%1\" holds no puzzle line.");
    QTest::newRow("two arguments") << QString() << QByteArray() << QStringList {Wikipedia, Wikipedia}
                                   << QStringLiteral("Quadrelle opens one puzzle or puzzle file at a time, not 2.");
}

void ArgumentTest::malformedArgumentLeavesTheBoardEmpty()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    WindowFixture fixture;
    if (!file.isEmpty()) {
        fixture.WriteFile(file, content);
        arguments = QStringList {fixture.folder.filePath(file)};
        message = message.arg(arguments.front());
    }
    Form1 &form = fixture.Start();
    OpenPuzzleArguments(form, fixture.boxes, Encoded(arguments));
    QCOMPARE(fixture.boxes.shown.size(), std::size_t(1));
    QCOMPARE(fixture.boxes.shown[0].text, message);
    QCOMPARE(fixture.boxes.shown[0].title, form.AppTitle());
    QCOMPARE(ModelLine(form), QString(81, '0'));
    QCOMPARE(PuzzleGridLine(form), QString(81, '0'));
    QVERIFY(IsPuzzleBox(form, Focus(), 1));
}

void ArgumentTest::onlyTheFirstPuzzleLineOfARegularFileIsRead()
{
    // Each of these would hold the window: a pipe without a writer for good, 4 GB for long.
    WindowFixture fixture;
    const QByteArray folder = QFile::encodeName(fixture.folder.path());
    const QByteArray pipe = folder + "/pipe";
    QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
    QCOMPARE(ReadPuzzleArgument(pipe).error,
        QStringLiteral("Cannot read \"%1/pipe\": it is a named pipe, not a puzzle file.").arg(fixture.folder.path()));

    constexpr qint64 FourGigabytes = qint64(4) << 30;
    fixture.WriteFile("puzzle-then-hole", Wikipedia.toLatin1() + ' ');
    fixture.WriteFile("comment-then-hole", "# no newline\n#");
    for (const char *name : {"puzzle-then-hole", "comment-then-hole"})
        QVERIFY(QFile::resize(fixture.folder.filePath(QLatin1String(name)), FourGigabytes));
    const PuzzleArgument puzzle = ReadPuzzleArgument(folder + "/puzzle-then-hole");
    QVERIFY2(puzzle.givens, qPrintable(puzzle.error));
    QCOMPARE(ReadPuzzleArgument(folder + "/comment-then-hole").error,
        QStringLiteral("The first MiB of \"%1/comment-then-hole\" holds no puzzle line.").arg(fixture.folder.path()));

    // A name that is no UTF-8 (Latin-1 "cafe" with an acute e) is opened by its bytes.
    const QByteArray latin1 = folder + "/caf\xE9.txt";
    std::FILE *file = std::fopen(latin1.constData(), "w");
    QVERIFY(file);
    std::fputs(qPrintable(Wikipedia), file);
    std::fclose(file);
    Form1 &form = fixture.Start();
    OpenPuzzleArguments(form, fixture.boxes, {latin1});
    QVERIFY2(fixture.boxes.shown.empty(), qPrintable(MessageTexts(fixture.boxes.shown)));
    QCOMPARE(form.txPuz(1).Text(), QStringLiteral("5"));
}

void ArgumentTest::optionsAreReadWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // how standard output, or else standard error, starts
    const QString usage = QStringLiteral("\nUsage: quadrelle [PUZZLE | FILE]\n");
    QTest::newRow("version")
        << QStringList {"--version"} << 0
        << QStringLiteral("quadrelle %1\nCopyright (c) The Quadrelle developers\nLicense MIT").arg(Version);
    QTest::newRow("help after an operand") << QStringList {"p.txt", "-h"} << 0 << QStringLiteral("Usage: quadrelle ");
    QTest::newRow("an abbreviation, the first option decides")
        << QStringList {"--vers", "--foo"} << 0 << QStringLiteral("quadrelle %1\n").arg(Version);
    QTest::newRow("unknown long option") << QStringList {"--foo", "--help"} << 2
                                         << QStringLiteral("quadrelle: unknown option \"--foo\"") + usage;
    QTest::newRow("unknown short option")
        << QStringList {"-x"} << 2 << QStringLiteral("quadrelle: unknown option \"-x\"") + usage;
    QTest::newRow("an argument to --help")
        << QStringList {"--help=all"} << 2 << QStringLiteral("quadrelle: unknown option \"--help=all\"") + usage;
    // Taken for a file: the program goes on to look for the display.
    QTest::newRow("-- ends the options") << QStringList {"--", "--help"} << 1
                                         << QStringLiteral("quadrelle: no display found");
}

void ArgumentTest::optionsAreReadWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUADRELLE_WINDOW_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString shown = exitCode == 0 ? out : QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(shown.startsWith(output), qPrintable(shown));
    QVERIFY(exitCode == 0 || out.isEmpty());
}

int RunArgumentTest(int argc, char **argv)
{
    ArgumentTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "argument_test.moc"
