#pragma once

#include "model/runtime_error.h"
#include "model/stored_color.h"
#include "printing/page_layout.h"
#include "printing/printer_canvas.h"
#include "kit/step_runner.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace quadrelle {

// What a print reads from the window, at the moment of printing. n is a box number 0..81
// (0 the template); any of these may throw RuntimeError, reported as the step's failure.
class PrintSource {
public:
    virtual ~PrintSource() = default;
    // The window's caption: the page title.
    virtual QString Caption() const = 0;
    virtual QString PuzzleText(int n) const = 0;
    virtual StoredColor PuzzleBackColor(int n) const = 0;
    // The solution label's displayed text.
    virtual QString SolutionCaption(int n) const = 0;
    virtual StoredColor SolutionBackColor(int n) const = 0;
    virtual QString SolutionFontName() const = 0;
    virtual float SolutionFontSize() const = 0;
};

// Hands out the printer for one command; throws RuntimeError when there is none.
using PrinterTaker = std::function<std::unique_ptr<PrinterCanvas>()>;

// The system's default printer at its full resolution, on its default paper and orientation;
// throws NoPrinter() without one,
// NoPrintingSystem() when the scheduler cannot be reached. Its EndDoc throws when the queue did not take the document.
std::unique_ptr<PrinterCanvas> TakeDefaultPrinter();
RuntimeError NoPrinter();
// The CUPS scheduler at `server` did not answer.
RuntimeError NoPrintingSystem(const std::string &server);

// The two print commands' page: a title, then per pass a heading and a 9 x 9 grid of digits
// in boxes inside a double frame, laid out like text from the printer's cursor.
class PrintJob {
public:
    PrintJob(const PrintSource &source, StepRunner &runner, PrinterTaker takePrinter = TakeDefaultPrinter);

    // mode 1: the puzzle; mode 2: the puzzle, then the solution. One document per call.
    // Each step runs under its label; without a usable printer it stops after one report.
    void PrintIt(std::int32_t mode);

private:
    void DrawBox(bool cell);
    void Step(int label, const std::function<void()> &step);
    void PrintCellText(const QString &text);
    std::int32_t Scaled(double pixels) const;

    const PrintSource &source_;
    StepRunner &runner_;
    PrinterTaker takePrinter_;
    std::unique_ptr<PrinterCanvas> Printer;
    double scale_ = 1;
    PagePlan plan_;
    bool stopped_ = false;
};

} // namespace quadrelle
