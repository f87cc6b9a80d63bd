#include "printing/page_layout.h"

#include "printing/printer_canvas.h"

#include <algorithm>
#include <cmath>

namespace quadrelle {

namespace {

// Heights in canvas coordinates at zoom 1.
struct Depths {
    double line; // of a heading
    double rows; // from a heading's next line to the top of its ninth row
    double grid; // a heading and its grid, frames or digits, whichever reach lower
};

Depths Measure(PrinterCanvas &canvas, double scale)
{
    const double line = canvas.TextHeight();
    const float size = canvas.FontSize();
    canvas.SetFontSize(layout::DigitSize);
    const double digitLine = canvas.TextHeight();
    const double rows
        = 9 * (digitLine + canvas.TextWidth(QStringLiteral("1")) / 2.4) + 3 * canvas.TextWidth(QStringLiteral(" "));
    canvas.SetFontSize(size);
    const double frames = std::round(layout::FrameTop * scale) + std::round(layout::FrameHeight * scale)
        + std::round(layout::FrameGap * scale);
    return {line, rows, line + std::max(rows + digitLine, frames)};
}

// The empty first line and the title, two line advances, then each grid; the second one starts
// four line advances below the first one's last row. A line's room below, as above the title.
double PageDepth(const Depths &depths, int grids)
{
    return 4 * depths.line + (grids - 1) * (5 * depths.line + depths.rows) + depths.grid + depths.line;
}

} // namespace

PagePlan PlanPage(PrinterCanvas &canvas, int passes, double scale)
{
    const int grids = std::clamp(passes, 1, 2);
    const Depths depths = Measure(canvas, scale);
    const double width = canvas.ScaleWidth() * canvas.Zoom();
    const double height = canvas.ScaleHeight() * canvas.Zoom();
    const double across = std::min(1.0, width / (layout::ContentWidth * scale));
    const double whole = std::min(across, height / PageDepth(depths, grids));
    if (grids == 1 || whole >= std::min(across, layout::LegibleZoom))
        return {whole, false};
    return {std::min(across, height / PageDepth(depths, 1)), true};
}

double CentredGridLeft(const PrinterCanvas &canvas, double scale)
{
    const double margin = (canvas.ScaleWidth() - layout::ContentWidth * scale) / 2;
    return margin + (layout::GridLeft - layout::ContentLeft) * scale;
}

} // namespace quadrelle
