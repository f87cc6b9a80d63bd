#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace quadrelle {

enum class MessageIcon { None, Exclamation, Question, Information, Critical };

// Every message the program shows goes through here, so tests can record instead of wait.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box with one OK button; returns when it is closed. Texts use "\r\n" and "\r"
    // for line breaks, as they are built.
    virtual void Show(const QString &text, const QString &title, MessageIcon icon) = 0;
};

// The real boxes: a modal QMessageBox over the given window.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget *parent) : parent_(parent) { }
    void Show(const QString &text, const QString &title, MessageIcon icon) override;

private:
    QWidget *parent_;
};

// The box QtMessageBoxes shows. It is no child of `over`, only kept above it, so no style
// sheet of the window reaches it.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString &text, const QString &title, MessageIcon icon, QWidget *over);

// The text as a QMessageBox shows it: each "\r\n" or lone "\r" becomes a line break.
QString DisplayText(const QString &text);

} // namespace quadrelle
