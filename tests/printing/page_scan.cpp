#include "page_scan.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quadrelle::testing {

QImage Gray(const QImage &image)
{
    return image.convertToFormat(QImage::Format_Grayscale8);
}

namespace {

bool Dark(const QImage &gray, int x, int y, int dark)
{
    return x >= 0 && y >= 0 && x < gray.width() && y < gray.height() && gray.constScanLine(y)[x] < dark;
}

// At least 90 % of the pixels of the segment are dark.
bool MostlyDarkRow(const QImage &gray, int y, int x0, int x1, int dark)
{
    int count = 0;
    for (int x = x0; x <= x1; ++x)
        count += Dark(gray, x, y, dark);
    return count * 10 >= (x1 - x0 + 1) * 9;
}

bool MostlyDarkColumn(const QImage &gray, int x, int y0, int y1, int dark)
{
    int count = 0;
    for (int y = y0; y <= y1; ++y)
        count += Dark(gray, x, y, dark);
    return count * 10 >= (y1 - y0 + 1) * 9;
}

bool Near(const QRect &a, const QRect &b, int distance)
{
    return std::abs(a.left() - b.left()) <= distance && std::abs(a.top() - b.top()) <= distance;
}

} // namespace

std::vector<QRect> FindOutlines(const QImage &gray, OutlineShape shape, int dark)
{
    std::vector<QRect> found;
    const int t = shape.tolerance;
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *line = gray.constScanLine(y);
        for (int x = 0; x < gray.width();) {
            if (line[x] >= dark) {
                ++x;
                continue;
            }
            int end = x;
            while (end < gray.width() && line[end] < dark)
                ++end;
            const int length = end - x;
            if (std::abs(length - shape.width) <= t) {
                const int right = end - 1;
                int bottom = -1;
                for (int y2 = y + shape.height - 1 + t; y2 >= y + shape.height - 1 - t; --y2) {
                    if (MostlyDarkRow(gray, y2, x + t, right - t, dark)) {
                        bottom = y2;
                        break;
                    }
                }
                const auto sideDark = [&](int column) {
                    for (int dx = 0; dx <= std::max(1, t); ++dx)
                        if (MostlyDarkColumn(gray, column + (column == x ? dx : -dx), y + t + 1, bottom - t - 1, dark))
                            return true;
                    return false;
                };
                if (bottom > y && sideDark(x) && sideDark(right)) {
                    const QRect rect(QPoint(x, y), QPoint(right, bottom));
                    const bool known = std::any_of(
                        found.begin(), found.end(), [&](const QRect &r) { return Near(r, rect, shape.merge); });
                    if (!known)
                        found.push_back(rect);
                }
            }
            x = end;
        }
    }
    std::stable_sort(found.begin(), found.end(), [&](const QRect &a, const QRect &b) {
        if (std::abs(a.top() - b.top()) > shape.height / 2)
            return a.top() < b.top();
        return a.left() < b.left();
    });
    return found;
}

int InkIn(const QImage &gray, const QRect &rect, int inset, int dark)
{
    const QRect inner = rect.adjusted(inset, inset, -inset, -inset).intersected(gray.rect());
    int count = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            count += gray.constScanLine(y)[x] < dark;
    return count;
}

int DarkestIn(const QImage &gray, const QRect &rect, int inset)
{
    const QRect inner = rect.adjusted(inset, inset, -inset, -inset).intersected(gray.rect());
    int darkest = 255;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            darkest = std::min<int>(darkest, gray.constScanLine(y)[x]);
    return darkest;
}

QRect InkBounds(const QImage &gray, const QRect &area, int dark)
{
    QRect bounds;
    const QRect inner = area.intersected(gray.rect());
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            if (gray.constScanLine(y)[x] < dark)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

std::vector<QRect> Inside(const std::vector<QRect> &boxes, const QRect &frame)
{
    std::vector<QRect> inside;
    for (const QRect &box : boxes)
        if (frame.contains(box))
            inside.push_back(box);
    return inside;
}

int Px(double pixels, int dpi)
{
    return static_cast<int>(std::nearbyint(pixels * dpi / 600.0));
}

std::vector<Grid> FindGrids(const QImage &page, int dpi, int tolerance, double zoom)
{
    const auto px = [&](double pixels) { return Px(pixels * zoom, dpi); };
    const int gap = px(15);
    const auto inner = FindOutlines(page, {px(2445), px(2430), tolerance, 2});
    const auto outer = FindOutlines(page, {px(2445) + 2 * gap, px(2430) + 2 * gap, tolerance, 2});
    const auto boxes = FindOutlines(page, {px(225), px(225), tolerance, 2});
    std::vector<Grid> grids;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        grids.push_back({inner[i], Inside(boxes, inner[i])});
        // The double frame: the outer one 15 pixels out on every side.
        const QRect expected = inner[i].adjusted(-gap, -gap, gap, gap);
        const auto near = [&](int a, int b) { return std::abs(a - b) <= tolerance; };
        if (i >= outer.size() || !near(outer[i].left(), expected.left()) || !near(outer[i].top(), expected.top())
            || !near(outer[i].right(), expected.right()) || !near(outer[i].bottom(), expected.bottom()))
            grids.back().frame = QRect();
    }
    return grids;
}

double OffCentre(const Grid &grid, const QRect &area, int gap)
{
    const QRect outer = grid.frame.adjusted(-gap, -gap, gap, gap);
    return ((outer.left() - area.left()) - (area.right() - outer.right())) / 2.0;
}

double LayoutZoom(const QImage &page, int dpi)
{
    int widest = 0;
    for (int y = 0; y < page.height(); ++y) {
        int run = 0;
        for (int x = 0; x < page.width(); ++x) {
            run = page.constScanLine(y)[x] < 160 ? run + 1 : 0;
            widest = std::max(widest, run);
        }
    }
    return widest / (2475.0 * dpi / 600);
}

QString Pattern(const QImage &page, const Grid &grid, int inset)
{
    QString pattern;
    for (const QRect &cell : grid.cells)
        pattern += InkIn(page, cell, inset) > 0 ? u'#' : u'.';
    return pattern;
}

QString Expected(const std::string &digits)
{
    QString pattern;
    for (char c : digits)
        pattern += c == '.' ? u'.' : u'#';
    return pattern;
}

} // namespace quadrelle::testing
