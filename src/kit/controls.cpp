#include "kit/controls.h"

#include "kit/colors.h"

#include <QPainter>

namespace quadrelle {

QString ColorSheet(const char *type, StoredColor fore, StoredColor back)
{
    const auto [text, background] = LegibleColors(fore, back);
    return QStringLiteral("%1 { color: %2; background-color: %3; border: 1px solid black; padding: 0px; }")
        .arg(QLatin1String(type), text.name(QColor::HexRgb), background.name(QColor::HexRgb));
}

Label::Label(const QString &name, int index, QWidget *parent)
    : StoredColorControl("QLabel", parent), name_(name), index_(index)
{
    setObjectName(QStringLiteral("%1_%2").arg(name).arg(index));
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
}

void Label::CopyLookFrom(const Label &model)
{
    setFont(model.font());
    setAlignment(model.alignment());
    setFrameStyle(model.frameStyle());
    setFocusPolicy(model.focusPolicy());
    CopyColorsFrom(model);
}

Shape::Shape(int index, int borderWidth, QWidget *parent) : QWidget(parent), index_(index), borderWidth_(borderWidth)
{
    setObjectName(QStringLiteral("sh_%1").arg(index));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent *)
{
    // The outline lies inside the rectangle, as wide as the border.
    QPainter painter(this);
    const QRect r = rect();
    const int w = borderWidth_;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), Qt::black);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), Qt::black);
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), Qt::black);
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), Qt::black);
}

} // namespace quadrelle
