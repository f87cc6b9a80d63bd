#include "keys.h"
#include "window_fixture.h"

#include "model/runtime_error.h"
#include "kit/guard.h"
#include "shell/open_puzzle.h"
#include "shell/translations.h"

#include <QFile>
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

    // What the reader and the system say about a file reaches the window in its language too.
    void messagesAboutFilesSpeakTheSystemLanguage()
    {
        QVERIFY(InstallTranslations(*QCoreApplication::instance()));
        WindowFixture fixture;
        fixture.WriteFile(QStringLiteral("j_trunc.sdk"), QByteArray("53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n"));
        fixture.WriteFile(QStringLiteral("first.sdk"), QByteArray("53..x....\n6..195...\n"));
        Form1 &form = fixture.Start();
        const QString truncated = fixture.folder.filePath(QStringLiteral("j_trunc.sdk"));
        const QString first = fixture.folder.filePath(QStringLiteral("first.sdk"));
        const QString missing = fixture.folder.filePath(QStringLiteral("fehlt.sdk"));
        for (const QString &file : {truncated, first, missing})
            OpenPuzzleArguments(form, fixture.boxes, {QFile::encodeName(file)});
        QCOMPARE(MessageTexts(fixture.boxes.shown),
            QStringLiteral("Quadrelle Sudoku: Zeile 1 von \"%1\" ist kein Rätsel: das Raster endet nach 5 Zeilen; ein "
                           "Raster hat 9. | Quadrelle Sudoku: Zeile 1, Spalte 5 von \"%2\" ist kein Rätsel: "
                           "Rasterzeile 1: „x“ ist weder eine Ziffer noch ein Leerfeld. | Quadrelle Sudoku: \"%3\" "
                           "kann nicht gelesen werden: Datei oder Verzeichnis nicht gefunden.")
                .arg(truncated, first, missing));
    }
};

int RunLocaleTest(int argc, char **argv)
{
    LocaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "locale_test.moc"
