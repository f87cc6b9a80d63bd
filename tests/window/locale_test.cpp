#include "keys.h"
#include "window_fixture.h"

#include "model/runtime_error.h"
#include "shell/guard.h"
#include "shell/translations.h"

#include <QDir>
#include <QPushButton>
#include <QStyle>
#include <QTranslator>

using namespace quadrelle;
using namespace quadrelle::test;

// The window in the language of the system locale, which CTest sets to German, and every
// shipped language's captions in the space the window gives them.
class LocaleTest : public QObject {
    Q_OBJECT
private slots:
    void windowSpeaksTheSystemLanguage();
    void captionsFitInEveryLanguage();
};

void LocaleTest::windowSpeaksTheSystemLanguage()
{
    QVERIFY(InstallTranslations(*QCoreApplication::instance()));
    WindowFixture fixture;
    Form1 &form = fixture.Start();
    QCOMPARE(form.lb(0).Caption(), QStringLiteral("Rätsel"));
    QCOMPARE(form.lb(1).Caption(), QStringLiteral("Lösung"));
    QCOMPARE(form.PushButton1().text(), QStringLiteral("Leeren"));
    QCOMPARE(form.PushButton2().text(), QStringLiteral("Lösung suchen"));
    QCOMPARE(form.PushButton3().text(), QStringLiteral("Rätsel drucken"));
    QCOMPARE(form.PushButton4().text(), QStringLiteral("Lösung drucken"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Quadrelle Sudoku Suite"));

    TypeAt(form, 2, '5');
    TypeAt(form, 1, '5');
    QCOMPARE(fixture.boxes.shown.size(), std::size_t(1));
    QCOMPARE(fixture.boxes.shown[0].text, QStringLiteral("Doppelter Wert in der Zelle"));
    QCOMPARE(fixture.boxes.shown[0].title, QStringLiteral("Quadrelle Sudoku"));

    // The error report: fixed wording translated, the engine's description too, the
    // location and the address as they are.
    Guard guard(fixture.boxes, GuardedOperation::PushButton2_Click);
    guard.Run(102, [] { throw Overflow(); });
    QCOMPARE(fixture.boxes.shown.size(), std::size_t(2));
    QCOMPARE(fixture.boxes.shown[1].title, QStringLiteral("Anwendungsfehler"));
    QCOMPARE(fixture.boxes.shown[1].text,
        QStringLiteral("Überlauf\r\nin Quadrelle2017/04/05.Form1.PushButton2_Click in Zeile 102\r\r"
                       "Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1")
            .arg(QLatin1String(SupportAddress)));
}

void LocaleTest::captionsFitInEveryLanguage()
{
    const QStringList languages = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")});
    QVERIFY(languages.contains(QStringLiteral("quadrelle_de.qm")));
    QVERIFY(languages.contains(QStringLiteral("quadrelle_fr.qm")));
    for (const QString &language : languages) {
        QTranslator translator;
        QVERIFY(translator.load(language, QStringLiteral(":/i18n")));
        QCoreApplication::installTranslator(&translator);
        WindowFixture fixture;
        Form1 &form = fixture.Start();
        for (QPushButton *button : {&form.PushButton1(), &form.PushButton2(), &form.PushButton3(), &form.PushButton4()}) {
            // Room for the frame on either side.
            const int room = button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= room,
                qPrintable(language + QStringLiteral(": ") + button->text()));
        }
        for (int i = 0; i < 2; ++i) {
            Label &heading = form.lb(i);
            QVERIFY2(heading.fontMetrics().horizontalAdvance(heading.Caption()) <= heading.contentsRect().width(),
                qPrintable(language + QStringLiteral(": ") + heading.Caption()));
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

int RunLocaleTest(int argc, char **argv)
{
    LocaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "locale_test.moc"
