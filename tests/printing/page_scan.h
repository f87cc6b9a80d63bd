#pragma once

#include <QImage>
#include <QRect>

#include <vector>

namespace quadrelle::testing {

// Reading a printed page back: outlines of boxes and frames, and ink inside them.
// Images are 8-bit grey; "dark" is any value below the threshold.

QImage Gray(const QImage &image);

struct OutlineShape {
    int width;
    int height;
    int tolerance; // on either size, in pixels
    int merge;     // outlines whose top-left corners lie this close count once
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

} // namespace quadrelle::testing
