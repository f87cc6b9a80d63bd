#include "page_scan.h"

#include "model/runtime_error.h"
#include "printing/printer_canvas.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace quadrelle;
using namespace quadrelle::testing;

namespace {

QImage WhitePage(int dpi, QSize size = QSize(1200, 900))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

} // namespace

class PrinterCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void cursorFollowsPrintedText()
    {
        QImage image = WhitePage(300);
        PrinterCanvas canvas(image);
        canvas.SetFontName("Liberation Sans");
        canvas.SetFontSize(12);
        const double width = canvas.TextWidth("Puzzle");
        const double line = canvas.TextHeight();
        QVERIFY(width > 0 && line > 0);

        canvas.Print("Puzzle", false);
        QCOMPARE(canvas.CurrentX(), static_cast<float>(width));
        QCOMPARE(canvas.CurrentY(), 0.0f);
        canvas.Print(QString(), true);
        QCOMPARE(canvas.CurrentX(), 0.0f);
        QCOMPARE(canvas.CurrentY(), static_cast<float>(line));
        // A CR LF inside the text ends a line, and so does the print itself.
        canvas.Print("\r\n", true);
        QCOMPARE(canvas.CurrentY(), static_cast<float>(3 * line));
        canvas.Print("a\r\nbc", false);
        QCOMPARE(canvas.CurrentY(), static_cast<float>(4 * line));
        QCOMPARE(canvas.CurrentX(), static_cast<float>(canvas.TextWidth("bc")));
        canvas.EndDoc();
    }

    void fontSizeFollowsResolution()
    {
        QImage low = WhitePage(300), high = WhitePage(600);
        PrinterCanvas a(low), b(high);
        for (PrinterCanvas *c : {&a, &b}) {
            c->SetFontName("Liberation Sans");
            c->SetFontSize(22);
        }
        QCOMPARE(a.Resolution(), 300);
        QCOMPARE(b.Resolution(), 600);
        QVERIFY(qAbs(b.TextWidth("0   ") / a.TextWidth("0   ") - 2.0) < 0.05);
    }

    void scaleLeftMovesTheTextRight()
    {
        QImage image = WhitePage(300);
        {
            PrinterCanvas canvas(image);
            canvas.SetFontSize(20);
            canvas.SetScaleLeft(-400);
            canvas.SetCurrentY(100);
            canvas.Print("H", true);
            QCOMPARE(canvas.CurrentX(), 0.0f);
            canvas.EndDoc();
        }
        const QRect ink = InkBounds(Gray(image), image.rect());
        QVERIFY2(ink.left() >= 400 && ink.left() < 420, qPrintable(QString::number(ink.left())));
        QVERIFY(ink.top() >= 100);
    }

    void colourAndBoldApplyToLaterText()
    {
        QImage image = WhitePage(300);
        {
            PrinterCanvas canvas(image);
            canvas.SetFontSize(30);
            canvas.SetForeColor(QColor(0x80, 0x80, 0x80));
            canvas.Print("8", false);
            canvas.SetForeColor(Qt::black);
            canvas.SetFontBold(true);
            QVERIFY(canvas.FontBold());
            canvas.Print("   8", true);
            canvas.EndDoc();
        }
        const QImage gray = Gray(image);
        const QRect grey(0, 0, 150, 200), black(150, 0, 400, 200);
        QCOMPARE(DarkestIn(gray, grey, 0), 0x80);
        QVERIFY(DarkestIn(gray, black, 0) < 40);
        QVERIFY(InkIn(gray, black, 0, 200) > InkIn(gray, grey, 0, 200));
    }

    // Line width in coordinates, never under one device pixel, also on a page shrunk to fit; on
    // the outermost pixels of the box, nothing inside or outside it.
    void outlineWidth_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("width");
        QTest::addColumn<QRect>("drawn"); // device pixels
        QTest::addColumn<int>("thickness");
        QTest::newRow("one pixel") << 1.0 << 1.0 << QRect(10, 20, 30, 40) << 1;
        QTest::newRow("two pixels") << 1.0 << 2.0 << QRect(10, 20, 30, 40) << 2;
        QTest::newRow("half a pixel") << 1.0 << 0.5 << QRect(10, 20, 30, 40) << 1;
        QTest::newRow("shrunk to a fifth") << 0.2 << 1.0 << QRect(2, 4, 6, 8) << 1;
        QTest::newRow("shrunk to half, four wide") << 0.5 << 4.0 << QRect(5, 10, 15, 20) << 2;
    }

    void outlineWidth()
    {
        QFETCH(double, zoom);
        QFETCH(double, width);
        QFETCH(QRect, drawn);
        QFETCH(int, thickness);
        QImage image = WhitePage(1200, QSize(100, 100));
        {
            PrinterCanvas canvas(image);
            canvas.SetZoom(zoom);
            canvas.DrawOutline(10, 20, 40, 60, width);
            canvas.EndDoc();
        }
        const QImage gray = Gray(image);
        QCOMPARE(InkBounds(gray, gray.rect()), drawn);
        const QRect hole = drawn.adjusted(thickness, thickness, -thickness, -thickness);
        for (int y = drawn.top(); y <= drawn.bottom(); ++y)
            for (int x = drawn.left(); x <= drawn.right(); ++x)
                QVERIFY2((qGray(gray.pixel(x, y)) < 128) != hole.contains(x, y),
                    qPrintable(QString("%1, %2").arg(x).arg(y)));
    }

    void zoomShrinksTheWholePage()
    {
        QImage full = WhitePage(300), half = WhitePage(300);
        for (QImage *image : {&full, &half}) {
            PrinterCanvas canvas(*image);
            canvas.SetZoom(image == &half ? 0.5 : 1);
            QCOMPARE(canvas.ScaleWidth(), image == &half ? 2400.0f : 1200.0f);
            canvas.SetFontName("Liberation Sans");
            canvas.SetFontSize(40);
            canvas.SetCurrentX(200);
            canvas.SetCurrentY(100);
            canvas.Print("8", true);
            canvas.EndDoc();
        }
        const QRect big = InkBounds(Gray(full), full.rect());
        const QRect small = InkBounds(Gray(half), half.rect());
        QVERIFY(std::abs(small.height() * 2 - big.height()) <= 2);
        QVERIFY(std::abs(small.left() * 2 - big.left()) <= 2);
    }

    void refusedSettingsThrow()
    {
        QImage image = WhitePage(300);
        PrinterCanvas canvas(image);
        canvas.SetScaleMode(3);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, canvas.SetScaleMode(1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, canvas.SetFontSize(0));
        // An image has a single page.
        QVERIFY_THROWS_EXCEPTION(RuntimeError, canvas.NewPage());
    }

    void pagesOfAPdf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("pages.pdf");
        {
            PrinterCanvas canvas(std::make_unique<QPdfWriter>(path));
            canvas.Print("one", true);
            QCOMPARE(canvas.PageCount(), 1);
            canvas.NewPage();
            QCOMPARE(canvas.PageCount(), 2);
            QCOMPARE(canvas.CurrentY(), 0.0f);
            canvas.Print("two", true);
            canvas.EndDoc();
        }
        QVERIFY(QFileInfo(path).size() > 0);
    }

    void deviceThatCannotStartIsUnusable()
    {
        // As a QPrinter without any printer: all looks fine until the document starts.
        PrinterCanvas canvas(std::make_unique<QPdfWriter>("/nonexistent/folder/page.pdf"));
        QVERIFY(!canvas.Unusable());
        QVERIFY_THROWS_EXCEPTION(RuntimeError, canvas.Print(QString(), true));
        QVERIFY(canvas.Unusable());
        QVERIFY_THROWS_EXCEPTION(RuntimeError, canvas.Print("x", false));
    }
};

QTEST_MAIN(PrinterCanvasTest)
#include "printer_canvas_test.moc"
