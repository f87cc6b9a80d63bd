#pragma once

namespace quadrelle {

class PrinterCanvas;

// The page's fixed pixel counts, drawn for a 600 dpi printer; every one follows the resolution.
namespace layout {
constexpr double Dpi = 600;
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
// The outer frame is the widest thing below the title.
constexpr double ContentLeft = GridLeft - FrameLeft - FrameGap;
constexpr double ContentWidth = FrameWidth + 2 * FrameGap;
// Shrinking further would leave digits too small to read: a second sheet is better then.
constexpr double LegibleZoom = 0.7;
} // namespace layout

// How the layout goes onto the paper.
struct PagePlan {
    double zoom = 1;
    bool breakBeforeSolution = false;
};

// Both grids on one sheet, shrunk as far as it takes, unless that would go below the legible
// zoom and below what the width needs already; then the solution goes onto a sheet of its own.
// Measured before the first output in the canvas's current font (the headings') and at the
// digits' size; `scale` is device dots per layout pixel; `passes` is PrintIt's mode.
PagePlan PlanPage(PrinterCanvas &canvas, int passes, double scale);

// The grids' offset from the printable area's left edge, in the zoomed canvas's coordinates,
// that centres the outer frames across the printable area.
double CentredGridLeft(const PrinterCanvas &canvas, double scale);

} // namespace quadrelle
