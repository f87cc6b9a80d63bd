#pragma once

#include <QString>

class QWidget;

namespace quadrelle {

// Every file name the program asks a person for goes through here, so tests can answer
// instead of wait. An empty name means the person cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // `filter` as QFileDialog takes it: "Puzzles (*.sdk *.txt);;All files (*)".
    virtual QString OpenFileName(const QString &title, const QString &filter) = 0;
    virtual QString SaveFileName(const QString &title, const QString &filter) = 0;
};

// The real dialogs, modal over the given window.
class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget *parent) : parent_(parent) { }
    QString OpenFileName(const QString &title, const QString &filter) override;
    QString SaveFileName(const QString &title, const QString &filter) override;

private:
    QWidget *parent_;
};

} // namespace quadrelle
