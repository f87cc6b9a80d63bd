#include "keys.h"
#include "window_fixture.h"

#include "model/runtime_error.h"
#include "shell/application.h"
#include "shell/home_page.h"
#include "kit/guard.h"
#include "shell/program_files.h"
#include "shell/skin_framework.h"
#include "shell/title.h"

#include <stdexcept>

using namespace quadrelle;
using namespace quadrelle::test;

// The error report and the small start-up routines, without a window.
class GuardTest : public QObject {
    Q_OBJECT
private slots:
    void failingStepsAreReportedAndSkipped();
    void reportText_data();
    void reportText();
    void escapedExceptionIsReported();
    void applicationTitle_data();
    void applicationTitle();
    void fileExists();
    void homePageAtSeven_data();
    void homePageAtSeven();
    void skinRulesAreScoped();
};

namespace {

const QString Request = ReportRequest();

class Throwing : public QObject {
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::out_of_range("Subscript out of range");
        return QObject::event(event);
    }
};

} // namespace

void GuardTest::failingStepsAreReportedAndSkipped()
{
    RecordingMessageBoxes boxes;
    Guard guard(boxes, GuardedOperation::PushButton2_Click);
    QStringList ran;
    guard.Run(100, [&] { ran << "100"; });
    guard.Run(102, [&] {
        throw Overflow();
        ran << "102";
    });
    guard.Run(104, [&] { ran << "104"; });
    guard.Run(106, [&] { throw SubscriptOutOfRange(); });
    guard.Run(108, [&] { ran << "108"; });

    QCOMPARE(ran, QStringList({"100", "104", "108"}));
    QCOMPARE(boxes.shown.size(), 2u);
    QCOMPARE(boxes.shown[0].text, "Overflow\r\nin Quadrelle2017/04/05.Form1.PushButton2_Click at line 102" + Request);
    QCOMPARE(boxes.shown[1].text,
        "Subscript out of range\r\nin Quadrelle2017/04/05.Form1.PushButton2_Click at line 106" + Request);
    QCOMPARE(boxes.shown[0].title, QStringLiteral("Application Error"));
    QCOMPARE(boxes.shown[0].icon, MessageIcon::Exclamation);
}

void GuardTest::reportText_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty description starts with the line break")
        << int(GuardedOperation::Form_Load) << ""
        << "\r\nin Quadrelle2017/04/05.Form1.Form_Load at line 140" + Request;
    QTest::newRow("activation")
        << int(GuardedOperation::Form_Activate) << "Invalid procedure call or argument"
        << "Invalid procedure call or argument\r\nin Quadrelle2017/04/05.Form1.Form_Activate at line 140" + Request;
    QTest::newRow("printing") << int(GuardedOperation::PrintIt) << "Printer error"
                              << "Printer error\r\nin Quadrelle2017/04/05.Form1.PrintIt at line 140" + Request;
}

void GuardTest::reportText()
{
    QFETCH(int, operation);
    QFETCH(QString, description);
    QFETCH(QString, expected);
    RecordingMessageBoxes boxes;
    Guard guard(boxes, GuardedOperation(operation));
    // Any std::exception counts, not just the program's own errors.
    guard.Run(140, [&] { throw std::runtime_error(description.toStdString()); });
    QCOMPARE(boxes.shown.size(), 1u);
    QCOMPARE(boxes.shown[0].text, expected);
    // Shown, the description, the location line, an empty line and the request.
    QCOMPARE(DisplayText(expected).split('\n').size(), 4);
}

void GuardTest::escapedExceptionIsReported()
{
    auto *application = dynamic_cast<Application *>(QCoreApplication::instance());
    QVERIFY(application);
    RecordingMessageBoxes boxes;
    application->SetMessageBoxes(&boxes);
    Throwing receiver;
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    application->SetMessageBoxes(nullptr);
    QCOMPARE(boxes.shown.size(), 1u);
    QCOMPARE(boxes.shown[0].title, QStringLiteral("Application Error"));
    QVERIFY(boxes.shown[0].text.startsWith("Subscript out of range\r\n"));
}

void GuardTest::applicationTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("product name loses its third word") << QString(ProductName) << "Quadrelle Sudoku";
    QTest::newRow("short name loses exactly one word") << "a b c d"
                                                       << "a b c";
    QTest::newRow("40 characters after one pass") << QString(40, 'x') + " tail" << QString(40, 'x');
    QTest::newRow("long name loses words until 40 or fewer") << "aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee"
                                                             << "aaaaaaaaaa bbbbbbbbbb cccccccccc";
    QTest::newRow("last blank first gives empty") << " Quadrelle"
                                                  << "";
}

void GuardTest::applicationTitle()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(DeriveApplicationTitle(name), title);
    QCOMPARE(QString(ProductName).size(), 22);
    QCOMPARE(QString(ProductName).split(' ').size(), 3);
    // No blank at the first or a later pass.
    QVERIFY_THROWS_EXCEPTION(RuntimeError, DeriveApplicationTitle("Quadrelle"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, DeriveApplicationTitle(QString(41, 'y') + " z"));
}

void GuardTest::fileExists()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("HAND-M.CUR"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(FileExists(file.fileName()));
    QVERIFY(!FileExists(dir.filePath("missing")));
    QVERIFY(!FileExists(QString()));
    QVERIFY(!FileExists(QString::fromUtf16(u"a\0b", 3)));
    QVERIFY(!FileExists(QStringLiteral("::\\//??**")));
    QVERIFY(!IsOrdinaryFile(dir.path()));
}

void GuardTest::homePageAtSeven_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<bool>("opens");
    QTest::newRow("n = 1") << 0.0 << false;
    QTest::newRow("n = 7") << 0.06 << true;
    QTest::newRow("n = 7, upper end") << 0.0699 << true;
    QTest::newRow("n = 8") << 0.07 << false;
    QTest::newRow("n = 100") << 0.9999 << false;
}

void GuardTest::homePageAtSeven()
{
    QFETCH(double, fraction);
    QFETCH(bool, opens);
    QList<QUrl> opened;
    HomePageVisit visit([=] { return fraction; },
        [&](const QUrl &url) {
            opened << url;
            return true;
        });
    visit.MaybeVisit();
    QCOMPARE(opened.size(), opens ? 1 : 0);
    if (opens) {
        QCOMPARE(opened[0], QUrl(HomePageAddress));
        HomePageVisit failing([=] { return fraction; }, [](const QUrl &) { return false; });
        QVERIFY_THROWS_EXCEPTION(RuntimeError, failing.MaybeVisit());
    }
}

void GuardTest::skinRulesAreScoped()
{
    const QString sheet = "/* a skin */ QLabel, QPushButton:hover { color: red }\n"
                          "Form1 { background: gray } #Form1 QProgressBar{x:y}";
    QCOMPARE(ScopeStyleSheet(sheet, "#Form1"),
        QStringLiteral("#Form1 > QLabel, #Form1 > QPushButton:hover { color: red }\n"
                       "#Form1 { background: gray }\n"
                       "#Form1 > QProgressBar {x:y}\n"));
    QCOMPARE(ScopeStyleSheet("color: red;", "#Form1"), QStringLiteral("#Form1 { color: red; }\n"));
    QCOMPARE(ScopeStyleSheet("Form1Like { a: b }", "#Form1"), QStringLiteral("#Form1 > Form1Like { a: b }\n"));
    // A comment dropped between "url" and "(" would make a url() that SafeUrls never saw.
    QCOMPARE(ScopeStyleSheet("a { b: url/**/(c) }", "#Form1"), QStringLiteral("#Form1 > a { b: url (c) }\n"));
}

int RunGuardTest(int argc, char **argv)
{
    GuardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "guard_test.moc"
