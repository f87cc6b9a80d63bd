#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace quadrelle {

// The page's boxes and frames were measured around Arial. A face with Arial's metrics is asked
// for by name where it is installed; any other face is laid out as Arial would be.

// `family`, with the installed face metric-compatible with it as the next choice, so that a
// fontconfig that sends "Arial" elsewhere still prints in Liberation Sans.
QFont LayoutFont(const QString &family);

// How text in `font` is made to take Arial's room on `device`.
struct FaceFit {
    // Advances are multiplied by it, and glyphs drawn narrower or wider to match.
    double widthFactor = 1;
    // Line height and ascent are Arial's for the size, not the face's own.
    bool arialLines = false;
};

// Identity for a face within 0.5 % of Arial's digit width and line height.
FaceFit FitToArial(const QFont &font, const QPaintDevice &device);

// Arial's line height and ascent for `font`'s size on a device of `dpi`.
double ArialLineHeight(const QFont &font, int dpi);
double ArialAscent(const QFont &font, int dpi);

} // namespace quadrelle
