#include "printing/commands/print_command.h"

#include "board/grids.h"
#include "printing/print_job.h"

namespace quadrelle {

namespace {

// The window's grids as the page reads them.
class WindowPrintSource final : public PrintSource {
public:
    explicit WindowPrintSource(const PrintContext &context) : grids_(context.grids), window_(context.window) { }

    QString Caption() const override { return window_.windowTitle(); }
    QString PuzzleText(int n) const override { return grids_.txPuz(n).Text(); }
    StoredColor PuzzleBackColor(int n) const override { return grids_.txPuz(n).BackColor(); }
    QString SolutionCaption(int n) const override { return grids_.txSol(n).Caption(); }
    StoredColor SolutionBackColor(int n) const override { return grids_.txSol(n).BackColor(); }
    QString SolutionFontName() const override { return grids_.txSol(0).font().family(); }
    float SolutionFontSize() const override { return static_cast<float>(grids_.txSol(0).font().pointSizeF()); }

private:
    const Grids &grids_;
    const QWidget &window_;
};

} // namespace

void PrintCommand(const PrintContext &context, std::int32_t mode)
{
    const WindowPrintSource source(context);
    PrintJob(source, context.guard).PrintIt(mode);
}

} // namespace quadrelle
