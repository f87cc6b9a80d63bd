#pragma once

#include "board/box_marks.h"
#include "kit/controls.h"

#include <QLineEdit>
#include <QString>

namespace quadrelle {

// The box an arrow key leads to from box n (1..81), wrapping around the board; 0 for any
// other key.
int ArrowTarget(int n, int key);

// Only "1" to "9" get into a box from the keyboard; Escape passes on without inserting.
enum class KeyFilter { Insert, Refuse, PassOn };
KeyFilter FilterCharacter(QChar c);

// One entry box of the puzzle grid. Keys: arrows ask for the focus to move, every key but
// Delete loses its editing effect, and only the digits 1 to 9 are typed in.
class PuzzleBox : public StoredColorControl<QLineEdit> {
    Q_OBJECT
public:
    PuzzleBox(int index, QWidget *parent);

    int Index() const { return index_; }

    QString Text() const { return text(); }
    // Runs the change handler, as any change of the text does.
    void SetText(const QString &text) { setText(text); }
    // The digit as a key press enters it: a new entry, whatever the box held.
    void TypeDigit(QChar digit);
    // Empty, or the box number of the entry whose deductions filled this box.
    QString Tag() const { return tag_; }
    void SetTag(const QString &tag) { tag_ = tag; }

    // Every look property of `model` (font, alignment, maximum length, colours, pointer);
    // not text, tag, place or visibility.
    void CopyLookFrom(const PuzzleBox &model);

    const BoxMarks &Marks() const { return marks_; }
    // Repaints only when they differ.
    void SetMarks(const BoxMarks &marks);

signals:
    // The text changed, whoever changed it.
    void Change(int index);
    // An arrow key asks for the focus to go to box `target`.
    void MoveFocus(int target);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void EmptyBeforeTyping();

    int index_;
    QString tag_;
    BoxMarks marks_;
};

} // namespace quadrelle
