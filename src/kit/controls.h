#pragma once

#include "model/stored_color.h"

#include <QLabel>
#include <QString>
#include <QWidget>

namespace quadrelle {

// The style sheet that paints a control in its stored colours.
QString ColorSheet(const char *type, StoredColor fore, StoredColor back);

// A control whose text and background colours are stored values. They are painted through
// the control's own style sheet, which wins over any skin rule, so what is stored shows.
template <class Widget> class StoredColorControl : public Widget {
public:
    StoredColor ForeColor() const { return fore_; }
    // A style sheet is parsed and the control re-polished on every change: skip those that change nothing.
    void SetForeColor(StoredColor color)
    {
        if (color == fore_)
            return;
        fore_ = color;
        Restyle();
    }
    StoredColor BackColor() const { return back_; }
    void SetBackColor(StoredColor color)
    {
        if (color == back_)
            return;
        back_ = color;
        Restyle();
    }

protected:
    // styleType: the Qt class name the style sheet's rule selects.
    StoredColorControl(const char *styleType, QWidget *parent) : Widget(parent), styleType_(styleType) { Restyle(); }

    void CopyColorsFrom(const StoredColorControl &model)
    {
        fore_ = model.fore_;
        back_ = model.back_;
        Restyle();
    }

private:
    void Restyle() { this->setStyleSheet(ColorSheet(styleType_, fore_, back_)); }

    const char *styleType_;
    StoredColor fore_ = colors::WindowText;
    StoredColor back_ = colors::WindowBackground;
};

// A label with the window's stored colours: the headings `lb` and the solution cells `txSol`.
class Label : public StoredColorControl<QLabel> {
    Q_OBJECT
public:
    // `name` is the control array's name, as the skin's recolouring walk matches it.
    Label(const QString &name, int index, QWidget *parent);

    QString Name() const { return name_; }
    int Index() const { return index_; }

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    // Every look property of `model` (font, alignment, border, colours); not text or place.
    void CopyLookFrom(const Label &model);

private:
    QString name_;
    int index_;
};

// A rectangle outline drawn on the window beneath the cells; mouse events pass through it.
class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(int index, int borderWidth, QWidget *parent);
    int Index() const { return index_; }
    int BorderWidth() const { return borderWidth_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int index_;
    int borderWidth_;
};

} // namespace quadrelle
