#pragma once

#include "printing/layout_face.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QPaintDevice;

namespace quadrelle {

// A printer as a text document: a cursor, a font and a colour, over any paint device (the
// default printer, or an image or PDF file in tests). Coordinates are device pixels divided by
// the zoom, with (0, 0) at the top-left of the printable area; scale x = x + ScaleLeft. The zoom
// shrinks the whole page, text included, onto paper narrower than the layout.
// The document starts with the first output and ends with EndDoc. Failures throw RuntimeError.
class PrinterCanvas {
public:
    explicit PrinterCanvas(QPaintDevice &device);
    explicit PrinterCanvas(std::unique_ptr<QPaintDevice> owned);
    ~PrinterCanvas();
    PrinterCanvas(const PrinterCanvas &) = delete;
    PrinterCanvas &operator=(const PrinterCanvas &) = delete;

    QString FontName() const { return font_.family(); }
    // Another face than Arial's metrics is laid out as Arial would be (layout_face.h).
    void SetFontName(const QString &name);
    float FontSize() const { return fontSize_; }
    // Points; > 0.
    void SetFontSize(float points);
    bool FontBold() const { return font_.bold(); }
    void SetFontBold(bool bold);
    QColor ForeColor() const { return foreColor_; }
    void SetForeColor(QColor color);

    // Only 3 (device pixels) is supported.
    void SetScaleMode(int mode);
    float ScaleLeft() const { return scaleLeft_; }
    void SetScaleLeft(float left) { scaleLeft_ = left; }
    // The printable area in coordinates.
    float ScaleWidth() const;
    float ScaleHeight() const;
    double Zoom() const { return zoom_; }
    // 0 < zoom <= 1; set before the first output.
    void SetZoom(double zoom);

    float CurrentX() const { return currentX_; }
    void SetCurrentX(float x) { currentX_ = x; }
    float CurrentY() const { return currentY_; }
    void SetCurrentY(float y) { currentY_ = y; }

    double TextWidth(const QString &text) const;
    // Height of one line of the current font.
    double TextHeight() const;
    // Dots per inch of the device.
    int Resolution() const;

    // Draws text at the cursor and moves the cursor past it; CR LF (or LF) inside the text
    // ends a line. endLine ends the line afterwards: x := 0, y += TextHeight().
    void Print(const QString &text, bool endLine);
    // `width` wide but never thinner than one device pixel, on the outermost pixels of
    // [left, right) x [top, bottom).
    void DrawOutline(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, double width);
    // Only on a paged device (printer, PDF); the cursor goes to the top-left.
    void NewPage();
    int PageCount() const { return pages_; }
    // Ends the document and hands it over; then runs the document check, whose exception
    // tells that the document did not arrive.
    void EndDoc();
    void SetDocumentCheck(std::function<void()> check) { documentCheck_ = std::move(check); }

    // True once the device refused to start a document: nothing more can be printed.
    bool Unusable() const { return unusable_; }

private:
    QPainter &Painter();
    void DrawLine(const QString &piece);
    void FontChanged();
    double Ascent() const;

    std::unique_ptr<QPaintDevice> owned_;
    QPaintDevice *device_;
    QPainter painter_;
    QFont font_;
    FaceFit fit_;
    float fontSize_;
    QColor foreColor_ = Qt::black;
    double zoom_ = 1;
    std::function<void()> documentCheck_;
    float scaleLeft_ = 0;
    float currentX_ = 0;
    float currentY_ = 0;
    int pages_ = 0;
    bool unusable_ = false;
};

} // namespace quadrelle
