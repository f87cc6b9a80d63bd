// Start-up with files that fail: a skin Qt cannot parse, an oversized one, a cursor that is
// none, pipes in place of the skin, the cursor or a skin's picture; and the program started on a display that fails.
#include "keys.h"
#include "window_fixture.h"

#include "kit/colors.h"
#include "shell/skin_framework.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QProcess>
#include <QPushButton>

#include <sys/stat.h>

using namespace quadrelle;
using namespace quadrelle::test;

namespace {

void MakeFifo(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        qFatal("cannot make the pipe %s", qPrintable(path));
}

QString Report(const QString &description, int label)
{
    return description + "\r\nin Quadrelle2017/04/05.Form1.Form_Load at line " + QString::number(label) + "\r\r";
}

} // namespace

class StartupFilesTest : public QObject {
    Q_OBJECT
private slots:
    void unusableSkinIsReportedAndLeavesTheDesign_data();
    void unusableSkinIsReportedAndLeavesTheDesign();
    void skinPipeIsNotRead();
    void badCursorIsReportedAndStartUpCompletes_data();
    void badCursorIsReportedAndStartUpCompletes();
    void picturesOfTheSkinCannotBlock_data();
    void picturesOfTheSkinCannotBlock();
    void safeUrls_data();
    void safeUrls();
};

void StartupFilesTest::unusableSkinIsReportedAndLeavesTheDesign_data()
{
    QTest::addColumn<QByteArray>("skin");
    QTest::addColumn<QString>("description");
    QTest::newRow("unclosed rule") << QByteArray("QLabel { color: red") << "Invalid skin: not a style sheet";
    QTest::newRow("braces the wrong way") << QByteArray("} QWidget {") << "Invalid skin: not a style sheet";
    // Well-formed, but larger than any real style sheet: not read at all.
    QByteArray large;
    while (large.size() <= 256 * 1024)
        large += "QLabel { color: rgb(1, 2, 3) }\n";
    QTest::newRow("over 256 KiB") << large << "Skin file too large";
}

void StartupFilesTest::unusableSkinIsReportedAndLeavesTheDesign()
{
    QFETCH(QByteArray, skin);
    QFETCH(QString, description);
    WindowFixture fixture;
    fixture.WriteFile("x/o.cjs", skin);
    QElapsedTimer clock;
    clock.start();
    Form1 &form = fixture.Start();
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(fixture.boxes.shown.size(), 1u);
    QVERIFY2(fixture.boxes.shown[0].text.startsWith(Report(description, 100)), qPrintable(fixture.boxes.shown[0].text));
    CheckDesignColours(form);
}

void StartupFilesTest::skinPipeIsNotRead()
{
    // Opening a pipe for reading waits for a writer: start-up would never end.
    WindowFixture fixture;
    MakeFifo(fixture.folder.filePath("x/o.cjs"));
    Form1 &form = fixture.Start();
    QVERIFY(fixture.boxes.shown.empty());
    CheckDesignColours(form);
}

void StartupFilesTest::badCursorIsReportedAndStartUpCompletes_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("not a cursor") << false;
    // Opening it would wait for a writer.
    QTest::newRow("a pipe") << true;
}

void StartupFilesTest::badCursorIsReportedAndStartUpCompletes()
{
    QFETCH(bool, pipe);
    WindowFixture fixture;
    if (pipe)
        MakeFifo(fixture.folder.filePath("HAND-M.CUR"));
    else
        fixture.WriteFile("HAND-M.CUR", "not a cursor");
    Form1 &form = fixture.Start();
    QCOMPARE(fixture.boxes.shown.size(), 1u);
    QVERIFY(fixture.boxes.shown[0].text.startsWith(Report("Invalid picture", 108)));
    QVERIFY(!form.MouseIcon());
    QVERIFY(form.txSol(81).isVisible());
    QCOMPARE(form.lb(1).BackColor(), colors::White);
    QCOMPARE(Focus(), static_cast<QWidget *>(&form.txPuz(1)));
}

void StartupFilesTest::picturesOfTheSkinCannotBlock_data()
{
    QTest::addColumn<QByteArray>("pipeSelector");
    QTest::newRow("one control") << QByteArray("QProgressBar");
    // Matches any widget, so also one that only checks whether the sheet parses.
    QTest::newRow("every widget") << QByteArray("*");
    QTest::newRow("every QWidget") << QByteArray("QWidget");
}

void StartupFilesTest::picturesOfTheSkinCannotBlock()
{
    QFETCH(QByteArray, pipeSelector);
    WindowFixture fixture;
    MakeFifo(fixture.folder.filePath("x/pipe.png"));
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(fixture.folder.filePath("x/red.png")));
    fixture.WriteFile("x/o.cjs",
        pipeSelector + " { background-image: url(" + fixture.folder.filePath("x/pipe.png").toUtf8()
            + ") }\n"
              "QLabel { background-image: url('/dev/zero') }\n"
              "QPushButton { background-image: url(\"red.png\") }\n");
    Form1 &form = fixture.Start();
    QVERIFY(fixture.boxes.shown.empty());
    // Drawing the window loads every picture the sheet names.
    QVERIFY(!form.grab().isNull());
    const QString sheet = form.styleSheet();
    QVERIFY2(!sheet.contains("pipe.png") && !sheet.contains("/dev/zero"), qPrintable(sheet));
    QVERIFY2(sheet.contains("url(\"" + fixture.folder.filePath("x/red.png") + "\")"), qPrintable(sheet));
    QCOMPARE(form.PushButton2().grab().toImage().pixelColor(150, 13), QColor(Qt::red));
}

void StartupFilesTest::safeUrls_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("safe"); // FOLDER stands for the folder
    QTest::newRow("relative, unquoted") << "a { image: url(small.png) }"
                                        << "a { image: url(\"FOLDER/small.png\") }";
    QTest::newRow("absolute, single quotes, spaces") << "a { image: URL( 'FOLDER/small.png' ) }"
                                                     << "a { image: url(\"FOLDER/small.png\") }";
    QTest::newRow("missing") << "a{image:url(none.png)}"
                             << "a{image:url(\"\")}";
    QTest::newRow("a directory") << "a{image:url(.)}"
                                 << "a{image:url(\"\")}";
    QTest::newRow("a device") << "a{image:url(/dev/zero)}"
                              << "a{image:url(\"\")}";
    QTest::newRow("larger than allowed") << "a{image:url(big.png)}"
                                         << "a{image:url(\"\")}";
    QTest::newRow("an escape") << "a{image:url(\"sma\\6c l.png\")}"
                               << "a{image:url(\"\")}";
    QTest::newRow("two, the rest kept") << "a { x: url(small.png) url(none) ; color: red }"
                                        << "a { x: url(\"FOLDER/small.png\") url(\"\") ; color: red }";
}

void StartupFilesTest::safeUrls()
{
    QFETCH(QString, sheet);
    QFETCH(QString, safe);
    QTemporaryDir folder;
    QFile small(folder.filePath("small.png")), big(folder.filePath("big.png"));
    QVERIFY(small.open(QIODevice::WriteOnly) && small.write(QByteArray(100, 'x')) == 100);
    QVERIFY(big.open(QIODevice::WriteOnly) && big.write(QByteArray(101, 'x')) == 101);
    small.close();
    big.close();
    sheet.replace("FOLDER", folder.path());
    QCOMPARE(SafeUrls(sheet, folder.path(), 100), safe.replace("FOLDER", folder.path()));
}

// The program itself, on displays that fail: a message and exit code 1, never Qt's abort.
class DisplayTest : public QObject {
    Q_OBJECT
private slots:
    void failingDisplayIsReported_data();
    void failingDisplayIsReported();
};

namespace {

// An X display number with neither socket nor lock file.
int UnusedDisplay()
{
    for (int n = 170;; ++n)
        if (!QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)) && !QFile::exists(QString("/tmp/.X%1-lock").arg(n)))
            return n;
}

} // namespace

void DisplayTest::failingDisplayIsReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("none") << "none"
                          << "no display found";
    QTest::newRow("nobody there") << "absent"
                                  << "cannot connect to the display :N";
    // A server that takes the connection and never answers: Qt would wait for ever.
    QTest::newRow("silent server") << "silent"
                                   << "the display :N does not answer";
}

void DisplayTest::failingDisplayIsReported()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    const int display = UnusedDisplay();
    message.replace(":N", ":" + QString::number(display));
    QLocalServer silent;
    if (kind != "none")
        environment.insert("DISPLAY", ":" + QString::number(display));
    if (kind == "silent") {
        // Listening without ever accepting: the connection waits in the backlog.
        const QString socket = QString("/tmp/.X11-unix/X%1").arg(display);
        if (!QDir().mkpath("/tmp/.X11-unix"))
            QSKIP("no /tmp/.X11-unix");
        silent.setSocketOptions(QLocalServer::WorldAccessOption);
        QVERIFY2(silent.listen(socket), qPrintable(silent.errorString()));
    }

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QUADRELLE_WINDOW_PROGRAM, {});
    QVERIFY(program.waitForFinished(20000));
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(errors.startsWith("quadrelle: " + message + "; to run it without one: xvfb-run -a "), qPrintable(errors));
}

int RunStartupFilesTest(int argc, char **argv)
{
    StartupFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

int RunDisplayTest(int argc, char **argv)
{
    DisplayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_files_test.moc"
