#include "printing/print_job.h"

#include "model/positions.h"
#include "model/runtime_error.h"
#include "printing/cups_queue.h"
#include "printing/page_layout.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quadrelle {

namespace {

// A box's edges on the page.
struct BoxRectangle {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
};

const QColor Black(0x00, 0x00, 0x00);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Grey(0x80, 0x80, 0x80);

// To the nearest integer, halves to the even neighbour (the default rounding mode).
std::int32_t RoundToInt32(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        throw Overflow();
    return static_cast<std::int32_t>(rounded);
}

std::int32_t Add(std::int32_t a, std::int32_t b)
{
    std::int32_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        throw Overflow();
    return sum;
}

} // namespace

RuntimeError NoPrinter()
{
    return RuntimeError(QT_TRANSLATE_NOOP("Quadrelle", "Printer error: no default printer is set up"));
}

RuntimeError NoPrintingSystem(const std::string &server)
{
    return RuntimeError(
        QCoreApplication::translate("Quadrelle", "Printer error: the printing system cannot be reached at %1")
            .arg(QString::fromStdString(server))
            .toStdString());
}

namespace {

RuntimeError DocumentRefused(const CupsQueue &queue)
{
    const char *text = queue.AcceptsJobs()
        ? QT_TRANSLATE_NOOP("Quadrelle", "Printer error: \"%1\" did not take the document")
        : QT_TRANSLATE_NOOP("Quadrelle", "Printer error: \"%1\" is not accepting jobs");
    return RuntimeError(QCoreApplication::translate("Quadrelle", text).arg(queue.Name()).toStdString());
}

} // namespace

std::unique_ptr<PrinterCanvas> TakeDefaultPrinter()
{
    // QPrinter stays "valid" without any printer and would silently write an unnamed PDF.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        // Without a scheduler there is no default printer either: tell the user which is wrong.
        const CupsScheduler scheduler;
        if (!scheduler.Reachable())
            throw NoPrintingSystem(scheduler.Address().toStdString());
        throw NoPrinter();
    }
    const CupsQueue queue(info.printerName());
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // QPrinter starts on A4 in portrait whatever the queue's own defaults are.
    printer->setPageSize(info.defaultPageSize());
    printer->setPageOrientation(queue.DefaultOrientation());
    printer->setDocName(QStringLiteral("Quadrelle"));
    auto canvas = std::make_unique<PrinterCanvas>(std::move(printer));
    // A queue that refuses the job lets the document end as if it had been printed: only
    // a job of ours that was not there before tells that the document arrived.
    canvas->SetDocumentCheck([queue, before = queue.LatestJobId()] {
        if (queue.LatestJobId() <= before)
            throw DocumentRefused(queue);
    });
    return canvas;
}

PrintJob::PrintJob(const PrintSource &source, StepRunner &runner, PrinterTaker takePrinter)
    : source_(source), runner_(runner), takePrinter_(std::move(takePrinter))
{
}

void PrintJob::Step(int label, const std::function<void()> &step)
{
    if (stopped_)
        return;
    runner_.Run(label, step);
    // One report for a printer that cannot print at all is enough.
    if (!Printer || Printer->Unusable())
        stopped_ = true;
}

std::int32_t PrintJob::Scaled(double pixels) const
{
    return RoundToInt32(pixels * scale_);
}

void PrintJob::PrintIt(std::int32_t mode)
{
    stopped_ = false;
    plan_ = PagePlan();
    Printer.reset();
    Step(100, [&] {
        Printer = takePrinter_();
        scale_ = Printer->Resolution() / layout::Dpi;
    });
    PrinterCanvas *p = Printer.get();

    Step(102, [&] { p->SetFontName(source_.SolutionFontName()); });
    Step(104, [&] { p->SetFontSize(source_.SolutionFontSize()); });
    Step(106, [&] { p->SetFontBold(true); });
    Step(108, [&] { p->SetForeColor(Black); });
    Step(110, [&] { p->SetScaleMode(3); });
    Step(112, [&] {
        p->SetScaleLeft(0);
        plan_ = PlanPage(*p, mode, scale_);
        p->SetZoom(plan_.zoom);
    });
    Step(114, [&] { p->Print(QString(), true); });
    Step(116, [&] { p->SetCurrentX(static_cast<float>((p->ScaleWidth() - p->TextWidth(source_.Caption())) / 2)); });
    Step(118, [&] { p->Print(source_.Caption(), true); });
    Step(120, [&] { p->SetScaleLeft(static_cast<float>(-CentredGridLeft(*p, scale_))); });

    bool blank = false;
    for (std::int32_t pass = 1; pass <= mode && !stopped_; ++pass) {
        Step(124, [&] { p->SetFontSize(source_.SolutionFontSize()); });
        Step(126, [&] { p->Print(QStringLiteral("\r\n"), true); });
        Step(128, [&] { p->SetForeColor(Black); });
        Step(130, [&] { p->SetFontBold(true); });
        if (pass == 1) {
            Step(134, [&] { p->Print(QStringLiteral("Puzzle"), false); });
        } else if (pass == 2) {
            Step(136, [&] { p->Print(QStringLiteral("\r\n"), true); });
            Step(138, [&] {
                if (plan_.breakBeforeSolution)
                    p->NewPage();
            });
            Step(142, [&] { p->Print(QStringLiteral("Solution"), false); });
        }
        Step(144, [&] { p->Print(QString(), true); });
        Step(146, [&] { DrawBox(false); });
        Step(148, [&] { p->SetFontSize(layout::DigitSize); });

        for (int n = FirstBox; n <= LastBox && !stopped_; ++n) {
            if (n % 9 == 1) {
                Step(154, [&] { p->Print(QString(), true); });
                Step(156, [&] { p->SetCurrentY(static_cast<float>(p->CurrentY() + p->TextWidth("1") / 2.4)); });
            }
            if (n % 27 == 1)
                Step(160, [&] { p->SetCurrentY(static_cast<float>(p->CurrentY() + p->TextWidth(" "))); });
            if (n % 3 == 1)
                Step(164, [&] { p->Print(QStringLiteral(" "), false); });
            Step(166, [&] { DrawBox(true); });
            Step(168, [&] { p->SetFontBold(source_.SolutionBackColor(n) == source_.SolutionBackColor(0)); });
            Step(170, [&] { p->SetForeColor(p->FontBold() ? Black : Grey); });
            if (pass == 1) {
                Step(174, [&] { p->SetFontBold(true); });
                if (mode == 1)
                    Step(178, [&] {
                        blank = source_.PuzzleBackColor(n) != source_.PuzzleBackColor(0)
                            || source_.PuzzleText(n).isEmpty();
                    });
                else
                    Step(180, [&] { blank = source_.SolutionBackColor(n) == source_.SolutionBackColor(0); });
                if (blank) {
                    Step(184, [&] { p->SetForeColor(White); });
                    Step(186, [&] { p->Print(QStringLiteral("0   "), false); });
                } else {
                    Step(188, [&] { p->SetForeColor(Black); });
                    Step(190, [&] { PrintCellText(source_.PuzzleText(n)); });
                }
            } else if (pass == 2) {
                Step(192, [&] { PrintCellText(source_.SolutionCaption(n)); });
            }
        }
    }

    Step(198, [&] { p->SetScaleLeft(0); });
    Step(200, [&] { p->EndDoc(); });
    Printer.reset();
}

// An empty text still takes a digit's width, so that the rest of the row stays in its columns.
void PrintJob::PrintCellText(const QString &text)
{
    PrinterCanvas &p = *Printer;
    if (text.isEmpty()) {
        const QColor color = p.ForeColor();
        p.SetForeColor(White);
        p.Print(QStringLiteral("0"), false);
        p.SetForeColor(color);
    } else {
        p.Print(text, false);
    }
    p.Print(QStringLiteral("   "), false);
}

void PrintJob::DrawBox(bool cell)
{
    PrinterCanvas &p = *Printer;
    const double x = static_cast<double>(p.CurrentX()) - p.ScaleLeft();
    const double y = p.CurrentY();
    BoxRectangle box;
    if (cell) {
        box.Left = RoundToInt32(x - layout::CellLeft * scale_);
        box.Top = RoundToInt32(y - layout::CellTop * scale_);
        box.Bottom = Add(box.Top, Scaled(layout::CellSide));
        box.Right = Add(box.Left, Scaled(layout::CellSide));
        p.DrawOutline(box.Left, box.Top, box.Right, box.Bottom, scale_);
        return;
    }
    box.Left = RoundToInt32(x - layout::FrameLeft * scale_);
    box.Top = RoundToInt32(y + layout::FrameTop * scale_);
    box.Bottom = Add(box.Top, Scaled(layout::FrameHeight));
    box.Right = Add(box.Left, Scaled(layout::FrameWidth));
    p.DrawOutline(box.Left, box.Top, box.Right, box.Bottom, scale_);
    const std::int32_t gap = Scaled(layout::FrameGap);
    box.Left = Add(box.Left, -gap);
    box.Top = Add(box.Top, -gap);
    box.Bottom = Add(box.Bottom, gap);
    box.Right = Add(box.Right, gap);
    p.DrawOutline(box.Left, box.Top, box.Right, box.Bottom, scale_);
}

} // namespace quadrelle
