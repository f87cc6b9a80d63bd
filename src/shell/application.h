#pragma once

#include "kit/message_boxes.h"

#include <QApplication>

namespace quadrelle {

// The program's QApplication. An exception that escapes an event handler is shown in the
// "Application Error" box instead of ending the program inside Qt's event loop.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);

    // The boxes that report escaped exceptions; null means real ones over the active window.
    void SetMessageBoxes(MessageBoxes *boxes) { boxes_ = boxes; }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    MessageBoxes *boxes_ = nullptr;
};

// The report for an exception that no guarded operation caught.
QString UnguardedErrorText(const QString &description);

} // namespace quadrelle
