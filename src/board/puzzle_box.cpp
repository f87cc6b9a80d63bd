#include "board/puzzle_box.h"

#include "model/digits.h"
#include "model/positions.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quadrelle {

int ArrowTarget(int n, int key)
{
    switch (key) {
    case Qt::Key_Left:
        return (n - 2 + LastBox) % LastBox + 1;
    case Qt::Key_Right:
        return n % LastBox + 1;
    case Qt::Key_Up:
        return (n - 10 + LastBox) % LastBox + 1;
    case Qt::Key_Down:
        return (n + 8) % LastBox + 1;
    default:
        return 0;
    }
}

KeyFilter FilterCharacter(QChar c)
{
    if (c == QChar(27))
        return KeyFilter::PassOn;
    if (c < QLatin1Char('1') || c > QLatin1Char('9'))
        return KeyFilter::Refuse;
    return KeyFilter::Insert;
}

PuzzleBox::PuzzleBox(int index, QWidget *parent) : StoredColorControl("QLineEdit", parent), index_(index)
{
    setObjectName(QStringLiteral("txPuz_%1").arg(index));
    setAcceptDrops(false);
    setDragEnabled(false);
    connect(this, &QLineEdit::textChanged, this, [this] {
        emit Change(index_);
        // Filled while it has the focus (a forced digit lands where the focus went): the
        // digit is selected as if the focus had just arrived.
        if (hasFocus() && !text().isEmpty())
            setSelection(0, 1);
    });
}

void PuzzleBox::TypeDigit(QChar digit)
{
    EmptyBeforeTyping();
    insert(QString(digit));
}

void PuzzleBox::EmptyBeforeTyping()
{
    // A digit typed into a filled box replaces it as a new entry, the same digit too: the
    // user typing on through a digit the propagation put there moves on with it.
    if (!text().isEmpty())
        setText(QString());
}

void PuzzleBox::CopyLookFrom(const PuzzleBox &model)
{
    setFont(model.font());
    setAlignment(model.alignment());
    setMaxLength(model.maxLength());
    setFrame(model.hasFrame());
    setCursor(model.cursor());
    CopyColorsFrom(model);
}

bool PuzzleBox::event(QEvent *event)
{
    // A line edit claims Ctrl+C, Ctrl+V and the like before the window's menus see them; a box
    // edits nothing with them, so the menus' shortcuts win and other keys arrive as before.
    if (event->type() == QEvent::ShortcutOverride) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void PuzzleBox::keyPressEvent(QKeyEvent *event)
{
    // Arrows move the focus whatever the modifiers.
    if (const int target = ArrowTarget(index_, event->key()))
        emit MoveFocus(target);

    if (event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }

    // Every other key has lost its editing effect; only its character may still arrive.
    const QString text = event->text();
    if (text.size() != 1) {
        event->accept();
        return;
    }
    switch (FilterCharacter(text.front())) {
    case KeyFilter::Refuse:
        event->accept();
        return;
    case KeyFilter::PassOn:
        event->ignore();
        return;
    case KeyFilter::Insert: {
        // A chord is a command, not an entry; Shift (some layouts' digits) and the keypad are typing.
        if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            event->accept();
            return;
        }
        EmptyBeforeTyping();
        // Without modifiers, so the digit is typed rather than taken as a shortcut.
        QKeyEvent plain(QEvent::KeyPress, event->key(), Qt::NoModifier, text);
        QLineEdit::keyPressEvent(&plain);
        event->accept();
        return;
    }
    }
}

void PuzzleBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // The digit is selected, so the next accepted one replaces it.
    setSelection(0, 1);
}

void PuzzleBox::mousePressEvent(QMouseEvent *event)
{
    // The click would put the caret after the digit, and the next one would be dropped.
    QLineEdit::mousePressEvent(event);
    setSelection(0, 1);
}

void PuzzleBox::inputMethodEvent(QInputMethodEvent *event)
{
    // Composed input is typing too: the same filter applies.
    const QString commit = event->commitString();
    if (!commit.isEmpty() && (commit.size() != 1 || FilterCharacter(commit.front()) != KeyFilter::Insert)) {
        event->accept();
        return;
    }
    if (!commit.isEmpty())
        EmptyBeforeTyping();
    QLineEdit::inputMethodEvent(event);
}

} // namespace quadrelle

namespace quadrelle {

namespace {

// Each digit's place in a 3 x 3 pattern inside the box, as pencil marks are written.
QRectF CandidateSpot(const QRect &inner, int digit)
{
    const qreal w = inner.width() / 3.0;
    const qreal h = inner.height() / 3.0;
    return QRectF(inner.left() + (digit - 1) % 3 * w, inner.top() + (digit - 1) / 3 * h, w, h);
}

QColor HighlightColor(BoxMarks::Highlight highlight)
{
    switch (highlight) {
    case BoxMarks::Highlight::Unit:
        return QColor(255, 220, 80, 90);
    case BoxMarks::Highlight::Cause:
        return QColor(90, 200, 90, 100);
    default:
        return QColor(60, 160, 255, 110);
    }
}

} // namespace

void PuzzleBox::SetMarks(const BoxMarks &marks)
{
    if (marks == marks_)
        return;
    marks_ = marks;
    update();
}

void PuzzleBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (marks_ == BoxMarks {})
        return;
    QPainter painter(this);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    if (marks_.highlight != BoxMarks::Highlight::None)
        painter.fillRect(inner, HighlightColor(marks_.highlight));
    if (!text().isEmpty())
        return;
    if (marks_.placed != 0 || marks_.earlier != 0) {
        QFont big = font();
        painter.setFont(big);
        painter.setPen(marks_.placed != 0 ? QColor(0, 128, 0) : QColor(150, 150, 150));
        painter.drawText(inner, Qt::AlignCenter, QString::number(marks_.placed != 0 ? marks_.placed : marks_.earlier));
        return;
    }
    QFont small = font();
    small.setBold(false);
    small.setPixelSize(10);
    painter.setFont(small);
    for (int digit = 1; digit <= 9; ++digit) {
        const std::int32_t bit = BitOf(Digit(digit));
        const QRectF spot = CandidateSpot(inner, digit);
        if (marks_.removed & bit) {
            painter.setPen(QPen(QColor(200, 0, 0), 1.5));
            painter.drawText(spot, Qt::AlignCenter, QString::number(digit));
            painter.drawLine(spot.bottomLeft() + QPointF(2, -2), spot.topRight() + QPointF(-2, 2));
        } else if (marks_.candidates & bit) {
            painter.setPen(QColor(90, 90, 90));
            painter.drawText(spot, Qt::AlignCenter, QString::number(digit));
        }
    }
}

} // namespace quadrelle
