#pragma once

#include "model/stored_color.h"

#include <QLabel>
#include <QString>
#include <QWidget>

namespace quadrelle {

// The colours of a cell or heading go into the widget's own style sheet, which wins over any
// skin rule, so what is stored is what shows.
QString ColorSheet(const char *type, StoredColor fore, StoredColor back);

// A label with the window's stored colours: the headings `lb` and the solution cells `txSol`.
class Label : public QLabel {
    Q_OBJECT
public:
    // `name` is the control array's name, as the skin's recolouring walk matches it.
    Label(const QString &name, int index, QWidget *parent);

    QString Name() const { return name_; }
    int Index() const { return index_; }

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    StoredColor ForeColor() const { return fore_; }
    void SetForeColor(StoredColor color);
    StoredColor BackColor() const { return back_; }
    void SetBackColor(StoredColor color);

    // Every look property of `model` (font, alignment, border, colours); not text or place.
    void CopyLookFrom(const Label &model);

private:
    void Restyle();

    QString name_;
    int index_;
    StoredColor fore_ = StoredColor::System(StoredColor::SystemIndex::WindowText);
    StoredColor back_ = StoredColor::System(StoredColor::SystemIndex::WindowBackground);
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
