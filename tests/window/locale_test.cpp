#include "keys.h"
#include "window_fixture.h"

#include "model/runtime_error.h"
#include "shell/kit/guard.h"
#include "shell/translations.h"

#include <QPushButton>

using namespace quadrelle;
using namespace quadrelle::test;

// The window under the German locale CTest sets.
class LocaleTest : public QObject {
    Q_OBJECT
private slots:
    void windowSpeaksTheSystemLanguage()
    {
        QVERIFY(InstallTranslations(*QCoreApplication::instance()));
        WindowFixture fixture;
        Form1 &form = fixture.Start();
        const QStringList captions {form.lb(0).Caption(), form.lb(1).Caption(), form.PushButton1().text(),
            form.PushButton2().text(), form.PushButton3().text(), form.PushButton4().text()};
        QCOMPARE(
            captions, QStringList({"Rätsel", "Lösung", "Leeren", "Lösung suchen", "Rätsel drucken", "Lösung drucken"}));

        TypeAt(form, 2, '5');
        TypeAt(form, 1, '5');
        // The error report keeps its location and address; the engine's description is translated too.
        Guard(fixture.boxes, GuardedOperation::PushButton2_Click).Run(102, [] { throw Overflow(); });
        QCOMPARE(MessageTexts(fixture.boxes.shown),
            QStringLiteral("Quadrelle Sudoku: Doppelter Wert in der Zelle | Anwendungsfehler: Überlauf\r\n"
                           "in Quadrelle2017/04/05.Form1.PushButton2_Click in Zeile 102\r\r"
                           "Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1")
                .arg(QLatin1String(SupportAddress)));
    }
};

int RunLocaleTest(int argc, char **argv)
{
    LocaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "locale_test.moc"
