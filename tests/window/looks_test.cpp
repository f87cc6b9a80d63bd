#include "keys.h"
#include "window_fixture.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>

using namespace quadrelle;
using namespace quadrelle::test;

namespace {

double Luminance(QColor color)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

// The strongest contrast between the widget's background (sampled inside its border) and any
// pixel of its text: about 1 when the text cannot be told from its ground.
double TextContrast(QWidget &widget)
{
    const QImage image = widget.grab().toImage();
    const double ground = Luminance(image.pixelColor(3, 3));
    double best = 1.0;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            const double ink = Luminance(image.pixelColor(x, y));
            best = std::max(best, (std::max(ink, ground) + 0.05) / (std::min(ink, ground) + 0.05));
        }
    }
    return best;
}

QPalette DarkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    palette.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    palette.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    palette.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    return palette;
}

} // namespace

// The window on a dark desktop theme: Fusion with a dark palette.
class LooksTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void headingsReadable();
    void everyDigitReadable();

private:
    QPalette lightPalette_;
    std::unique_ptr<WindowFixture> fixture_;
};

void LooksTest::initTestCase()
{
    lightPalette_ = QApplication::palette();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkPalette());
    fixture_ = std::make_unique<WindowFixture>();
    fixture_->Start();
}

void LooksTest::cleanupTestCase()
{
    fixture_.reset();
    QApplication::setPalette(lightPalette_);
}

void LooksTest::headingsReadable()
{
    Form1 &form = *fixture_->form;
    QVERIFY2(TextContrast(form.lb(0)) >= 3.0, "Puzzle heading");
    QVERIFY2(TextContrast(form.lb(1)) >= 3.0, "Solution heading");
}

void LooksTest::everyDigitReadable()
{
    // A typed given, a deduced digit and the solved grid, each in its own colours.
    Form1 &form = *fixture_->form;
    TypePuzzle(form, QStringLiteral("12345678.") + QString(72, QLatin1Char('.')));
    QCOMPARE(form.txPuz(9).text(), QStringLiteral("9"));
    QVERIFY2(TextContrast(form.txPuz(1)) >= 3.0, "typed given");
    QVERIFY2(TextContrast(form.txPuz(9)) >= 3.0, "deduced digit");
    Click(form.PushButton2());
    QTRY_COMPARE_WITH_TIMEOUT(form.txSol(81).text().isEmpty(), false, 2000);
    QVERIFY2(TextContrast(form.txSol(1)) >= 3.0, "given in the solution");
    QVERIFY2(TextContrast(form.txSol(81)) >= 3.0, "solved digit");
}

int RunLooksTest(int argc, char **argv)
{
    LooksTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "looks_test.moc"
