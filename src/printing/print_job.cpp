#include "printing/print_job.h"

#include "model/runtime_error.h"
#include "printing/cups_queue.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quadrelle {

namespace {

// The layout was drawn for a 600 dpi printer; every pixel count follows the resolution.
constexpr double LayoutDpi = 600;
constexpr double GridLeft = 1200;
constexpr float DigitSize = 22;
constexpr double CellSide = 225;
constexpr double CellLeft = 60;
constexpr double CellTop = 15;
constexpr double FrameWidth = 2445;
constexpr double FrameHeight = 2430;
constexpr double FrameLeft = 45;
constexpr double FrameTop = 240;
constexpr double FrameGap = 15;
// The outer frame's right edge: the layout's width from the printable area's left edge.
constexpr double LayoutRight = GridLeft - FrameLeft + FrameWidth + FrameGap;

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
    return RuntimeError("Printer error: no default printer is set up");
}

namespace {

RuntimeError DocumentRefused(const CupsQueue &queue)
{
    const std::string name = queue.Name().toStdString();
    if (!queue.AcceptsJobs())
        return RuntimeError("Printer error: \"" + name + "\" is not accepting jobs");
    return RuntimeError("Printer error: \"" + name + "\" did not take the document");
}

} // namespace

std::unique_ptr<PrinterCanvas> TakeDefaultPrinter()
{
    // QPrinter stays "valid" without any printer and would silently write an unnamed PDF.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw NoPrinter();
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
    Printer.reset();
    Step(100, [&] {
        Printer = takePrinter_();
        scale_ = Printer->Resolution() / LayoutDpi;
        // Paper narrower than the layout takes the whole page scaled down.
        Printer->SetZoom(std::min(1.0, Printer->ScaleWidth() / (LayoutRight * scale_)));
    });
    PrinterCanvas *p = Printer.get();

    Step(102, [&] { p->SetFontName(source_.SolutionFontName()); });
    Step(104, [&] { p->SetFontSize(source_.SolutionFontSize()); });
    Step(106, [&] { p->SetFontBold(true); });
    Step(108, [&] { p->SetForeColor(Black); });
    Step(110, [&] { p->SetScaleMode(3); });
    Step(112, [&] { p->SetScaleLeft(0); });
    Step(114, [&] { p->Print(QString(), true); });
    Step(116, [&] { p->SetCurrentX(static_cast<float>((p->ScaleWidth() - p->TextWidth(source_.Caption())) / 2)); });
    Step(118, [&] { p->Print(source_.Caption(), true); });
    Step(120, [&] { p->SetScaleLeft(static_cast<float>(-GridLeft * scale_)); });

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
            Step(138, [&] { StartPageIfGridOverruns(); });
            Step(142, [&] { p->Print(QStringLiteral("Solution"), false); });
        }
        Step(144, [&] { p->Print(QString(), true); });
        Step(146, [&] { DrawBox(false); });
        Step(148, [&] { p->SetFontSize(DigitSize); });

        for (int n = 1; n <= 81 && !stopped_; ++n) {
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

// The solution grid goes whole onto a new page when it would pass the bottom; the first
// grid always stays with the title.
void PrintJob::StartPageIfGridOverruns()
{
    PrinterCanvas &p = *Printer;
    const double headingDepth = p.TextHeight();

    const float size = p.FontSize();
    p.SetFontSize(DigitSize);
    const double rowPitch = p.TextHeight() + p.TextWidth("1") / 2.4;
    const double rowsDepth = 9 * rowPitch + 3 * p.TextWidth(" ") + p.TextHeight();
    p.SetFontSize(size);

    const double frameDepth = Scaled(FrameTop) + Scaled(FrameHeight) + Scaled(FrameGap);
    if (p.CurrentY() + headingDepth + std::max(rowsDepth, frameDepth) > p.ScaleHeight())
        p.NewPage();
}

void PrintJob::DrawBox(bool cell)
{
    PrinterCanvas &p = *Printer;
    const double x = static_cast<double>(p.CurrentX()) - p.ScaleLeft();
    const double y = p.CurrentY();
    if (cell) {
        BoxRect.Left = RoundToInt32(x - CellLeft * scale_);
        BoxRect.Top = RoundToInt32(y - CellTop * scale_);
        BoxRect.Bottom = Add(BoxRect.Top, Scaled(CellSide));
        BoxRect.Right = Add(BoxRect.Left, Scaled(CellSide));
        p.DrawOutline(BoxRect.Left, BoxRect.Top, BoxRect.Right, BoxRect.Bottom, scale_);
        return;
    }
    BoxRect.Left = RoundToInt32(x - FrameLeft * scale_);
    BoxRect.Top = RoundToInt32(y + FrameTop * scale_);
    BoxRect.Bottom = Add(BoxRect.Top, Scaled(FrameHeight));
    BoxRect.Right = Add(BoxRect.Left, Scaled(FrameWidth));
    p.DrawOutline(BoxRect.Left, BoxRect.Top, BoxRect.Right, BoxRect.Bottom, scale_);
    const std::int32_t gap = Scaled(FrameGap);
    BoxRect.Left = Add(BoxRect.Left, -gap);
    BoxRect.Top = Add(BoxRect.Top, -gap);
    BoxRect.Bottom = Add(BoxRect.Bottom, gap);
    BoxRect.Right = Add(BoxRect.Right, gap);
    p.DrawOutline(BoxRect.Left, BoxRect.Top, BoxRect.Right, BoxRect.Bottom, scale_);
}

} // namespace quadrelle
