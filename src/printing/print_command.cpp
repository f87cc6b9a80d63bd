#include "print_command.h"

#include "print_job.h"
#include "shell/form1.h"
#include "shell/guard.h"

namespace quadrelle {

namespace {

// The window's grids as the page reads them.
class WindowPrintSource final : public PrintSource {
public:
    explicit WindowPrintSource(Form1 &form) : form_(form) { }

    QString Caption() const override { return form_.windowTitle(); }
    QString PuzzleText(int n) const override { return form_.txPuz(n).Text(); }
    StoredColor PuzzleBackColor(int n) const override { return form_.txPuz(n).BackColor(); }
    QString SolutionCaption(int n) const override { return form_.txSol(n).Caption(); }
    StoredColor SolutionBackColor(int n) const override { return form_.txSol(n).BackColor(); }
    QString SolutionFontName() const override { return form_.txSol(0).font().family(); }
    float SolutionFontSize() const override { return static_cast<float>(form_.txSol(0).font().pointSizeF()); }

private:
    Form1 &form_;
};

} // namespace

void PrintCommand(Form1 &form, std::int32_t mode)
{
    const WindowPrintSource source(form);
    Guard guard(form.messageBoxes(), GuardedOperation::PrintIt);
    PrintJob(source, guard).PrintIt(mode);
}

} // namespace quadrelle
