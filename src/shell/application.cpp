#include "shell/application.h"

#include "kit/guard.h"

namespace quadrelle {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
}

QString UnguardedErrorText(const QString &description)
{
    return description + QStringLiteral("\r\nin Quadrelle2017/04/05.Form1\r\r") + SupportRequest();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString text = UnguardedErrorText(DescriptionOf(std::current_exception()));
        if (boxes_) {
            boxes_->Show(text, ErrorTitleText(), MessageIcon::Exclamation);
        } else {
            QtMessageBoxes(activeWindow()).Show(text, ErrorTitleText(), MessageIcon::Exclamation);
        }
        return false;
    }
}

} // namespace quadrelle
