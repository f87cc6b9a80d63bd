#include "kit/message_boxes.h"

#include <QMessageBox>
#include <QWindow>

namespace quadrelle {

namespace {

QMessageBox::Icon ToQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString DisplayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

std::unique_ptr<QMessageBox> MakeMessageBox(const QString &text, const QString &title, MessageIcon icon, QWidget *over)
{
    auto box = std::make_unique<QMessageBox>(ToQt(icon), title, DisplayText(text), QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    if (over && over->window()->windowHandle()) {
        box->winId();
        box->windowHandle()->setTransientParent(over->window()->windowHandle());
    }
    return box;
}

void QtMessageBoxes::Show(const QString &text, const QString &title, MessageIcon icon)
{
    MakeMessageBox(text, title, icon, parent_)->exec();
}

} // namespace quadrelle
