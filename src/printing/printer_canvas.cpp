#include "printing/printer_canvas.h"

#include "model/runtime_error.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QStringList>
#include <QTransform>

#include <algorithm>

namespace quadrelle {

namespace {
constexpr float DefaultFontSize = 10;

RuntimeError PrinterError()
{
    return RuntimeError(QT_TRANSLATE_NOOP("Quadrelle", "Printer error"));
}
} // namespace

PrinterCanvas::PrinterCanvas(QPaintDevice &device) : device_(&device), fontSize_(DefaultFontSize)
{
    font_.setPointSizeF(fontSize_);
    FontChanged();
}

PrinterCanvas::PrinterCanvas(std::unique_ptr<QPaintDevice> owned) : PrinterCanvas(*owned)
{
    owned_ = std::move(owned);
}

PrinterCanvas::~PrinterCanvas()
{
    // A document never ended is still handed over, as the printer would at the program's end.
    if (painter_.isActive())
        painter_.end();
}

void PrinterCanvas::SetFontName(const QString &name)
{
    QFont font = LayoutFont(name);
    font.setPointSizeF(fontSize_);
    font.setBold(font_.bold());
    font_ = font;
    FontChanged();
}

void PrinterCanvas::SetFontSize(float points)
{
    if (!(points > 0))
        throw InvalidArgument();
    fontSize_ = points;
    font_.setPointSizeF(points);
    FontChanged();
}

void PrinterCanvas::SetFontBold(bool bold)
{
    font_.setBold(bold);
    FontChanged();
}

void PrinterCanvas::FontChanged()
{
    fit_ = FitToArial(font_, *device_);
    if (painter_.isActive())
        painter_.setFont(font_);
}

void PrinterCanvas::SetForeColor(QColor color)
{
    foreColor_ = color;
    if (painter_.isActive())
        painter_.setPen(foreColor_);
}

void PrinterCanvas::SetScaleMode(int mode)
{
    if (mode != 3)
        throw RuntimeError(QT_TRANSLATE_NOOP("Quadrelle", "Invalid property value"));
}

float PrinterCanvas::ScaleWidth() const
{
    return static_cast<float>(device_->width() / zoom_);
}

float PrinterCanvas::ScaleHeight() const
{
    return static_cast<float>(device_->height() / zoom_);
}

void PrinterCanvas::SetZoom(double zoom)
{
    if (!(zoom > 0 && zoom <= 1))
        throw InvalidArgument();
    zoom_ = zoom;
}

double PrinterCanvas::TextWidth(const QString &text) const
{
    return QFontMetricsF(font_, device_).horizontalAdvance(text) * fit_.widthFactor;
}

double PrinterCanvas::TextHeight() const
{
    if (fit_.arialLines)
        return ArialLineHeight(font_, device_->logicalDpiY());
    return QFontMetricsF(font_, device_).lineSpacing();
}

double PrinterCanvas::Ascent() const
{
    if (fit_.arialLines)
        return ArialAscent(font_, device_->logicalDpiY());
    return QFontMetricsF(font_, device_).ascent();
}

int PrinterCanvas::Resolution() const
{
    return device_->logicalDpiX();
}

QPainter &PrinterCanvas::Painter()
{
    if (unusable_)
        throw PrinterError();
    if (!painter_.isActive()) {
        if (!painter_.begin(device_)) {
            unusable_ = true;
            throw PrinterError();
        }
        pages_ = 1;
        painter_.setTransform(QTransform::fromScale(zoom_, zoom_));
        painter_.setRenderHint(QPainter::TextAntialiasing);
        painter_.setFont(font_);
        painter_.setPen(foreColor_);
    }
    return painter_;
}

void PrinterCanvas::DrawLine(const QString &piece)
{
    QPainter &painter = Painter();
    if (piece.isEmpty())
        return;
    painter.setPen(foreColor_);
    const QPointF baseline(currentX_ - scaleLeft_, currentY_ + Ascent());
    if (fit_.widthFactor == 1) {
        painter.drawText(baseline, piece);
    } else {
        painter.save();
        painter.translate(baseline);
        painter.scale(fit_.widthFactor, 1);
        painter.drawText(QPointF(0, 0), piece);
        painter.restore();
    }
    currentX_ = static_cast<float>(currentX_ + TextWidth(piece));
}

void PrinterCanvas::Print(const QString &text, bool endLine)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList pieces = normalized.split(u'\n');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        DrawLine(pieces[i]);
        if (i + 1 < pieces.size() || endLine) {
            currentX_ = 0;
            currentY_ = static_cast<float>(currentY_ + TextHeight());
        }
    }
}

void PrinterCanvas::DrawOutline(
    std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, double width)
{
    QPainter &painter = Painter();
    if (right <= left || bottom <= top)
        return;
    // Thinner lines vanish: viewers draw a fraction of a pixel as a faint grey.
    const double line = std::min({std::max(width, 1 / zoom_), (right - left) / 2.0, (bottom - top) / 2.0});
    // Filled strips hit exactly the outermost pixels on any device, unlike pens.
    const QColor frame = Qt::black;
    const QRectF box(left, top, right - left, bottom - top);
    painter.fillRect(QRectF(box.left(), box.top(), box.width(), line), frame);
    painter.fillRect(QRectF(box.left(), box.bottom() - line, box.width(), line), frame);
    painter.fillRect(QRectF(box.left(), box.top(), line, box.height()), frame);
    painter.fillRect(QRectF(box.right() - line, box.top(), line, box.height()), frame);
}

void PrinterCanvas::NewPage()
{
    auto *paged = dynamic_cast<QPagedPaintDevice *>(device_);
    if (!paged)
        throw PrinterError();
    Painter();
    if (!paged->newPage())
        throw PrinterError();
    ++pages_;
    currentX_ = 0;
    currentY_ = 0;
}

void PrinterCanvas::EndDoc()
{
    const bool started = painter_.isActive();
    currentX_ = 0;
    currentY_ = 0;
    if (!started)
        return;
    if (!painter_.end())
        throw PrinterError();
    // A refused document still ends as if all were well.
    if (documentCheck_)
        documentCheck_();
}

} // namespace quadrelle
