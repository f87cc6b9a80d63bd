#pragma once

#include <QImage>
#include <QRect>

#include <QString>

#include <string>
#include <vector>

namespace quadrelle::testing {

// Reading a printed page back: outlines of boxes and frames, and ink inside them.
// Images are 8-bit grey; "dark" is any value below the threshold.

QImage Gray(const QImage &image);

struct OutlineShape {
    int width;
    int height;
    int tolerance; // on either size, in pixels
    int merge; // outlines whose top-left corners lie this close count once
};

// Rectangle outlines of the given shape, top to bottom, then left to right.
std::vector<QRect> FindOutlines(const QImage &gray, OutlineShape shape, int dark = 160);

// Dark pixels inside rect, shrunk by inset on every side.
int InkIn(const QImage &gray, const QRect &rect, int inset, int dark = 160);
int DarkestIn(const QImage &gray, const QRect &rect, int inset);
// Bounding box of the dark pixels within area (null when there are none).
QRect InkBounds(const QImage &gray, const QRect &area, int dark = 160);

// The outlines lying inside frame, row-major.
std::vector<QRect> Inside(const std::vector<QRect> &boxes, const QRect &frame);

// The print's layout, found on a page printed at dpi dots per inch.

// The layout's pixel counts at a resolution, rounded as the print rounds them.
int Px(double pixels, int dpi);

struct Grid {
    QRect frame; // the inner one; null when the outer one is not 15 pixels around it
    std::vector<QRect> cells;
};

// Grids top to bottom. tolerance: 0 for a page drawn directly, 1 or more once rendered from a PDF.
// zoom: the factor by which the page was scaled down to fit the paper.
std::vector<Grid> FindGrids(const QImage &page, int dpi, int tolerance = 0, double zoom = 1);

// How far the middle of the grid's outer frame stands right of the middle of `area` (left of it
// when negative), in pixels; gap: the pixels between the two frames.
double OffCentre(const Grid &grid, const QRect &area, int gap);

// The factor by which the layout was shrunk onto the page: the widest outline (the outer
// frame) against its width at full size.
double LayoutZoom(const QImage &page, int dpi);

// One character per cell, row-major: '#' for ink, '.' for none.
QString Pattern(const QImage &page, const Grid &grid, int inset = 2);
// The pattern of 81 digits, '.' standing for empty.
QString Expected(const std::string &digits);

} // namespace quadrelle::testing
