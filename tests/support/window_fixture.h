#pragma once

// The real window over a temporary program folder, with every message recorded instead of
// shown, so that nothing modal ever waits for a person.

#include "shell/form1.h"
#include "kit/message_boxes.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>
#include <optional>
#include <vector>

namespace quadrelle::test {

struct Message {
    QString text;
    QString title;
    MessageIcon icon;
    // The pointer the screen showed while the message was up: the application's override
    // cursor, if any.
    std::optional<Qt::CursorShape> screenPointer;
};

// Records every message instead of showing it.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    void Show(const QString &text, const QString &title, MessageIcon icon) override
    {
        const QCursor *pointer = QGuiApplication::overrideCursor();
        shown.push_back({text, title, icon, pointer ? std::optional(pointer->shape()) : std::nullopt});
    }
    std::vector<Message> shown;
};

// "title: text" of each message, joined by " | ": for failure output.
QString MessageTexts(const std::vector<Message> &shown);

// What every error report ends with: the blank lines and the request for a screenshot.
QString ReportRequest();

// Answers each file dialog with the next name queued, or cancels when none is left.
class QueuedFileDialogs final : public FileDialogs {
public:
    QString OpenFileName(const QString &title, const QString &filter) override { return Next(title, filter); }
    QString SaveFileName(const QString &title, const QString &filter) override { return Next(title, filter); }
    QStringList names;
    QStringList filters;

private:
    QString Next(const QString &, const QString &filter)
    {
        filters << filter;
        return names.isEmpty() ? QString() : names.takeFirst();
    }
};

// The program's window over a temporary program folder, recording messages and home-page
// visits: the form inside its frame.
struct WindowFixture {
    QTemporaryDir folder;
    RecordingMessageBoxes boxes;
    std::vector<QUrl> opened;
    double fraction = 0.5; // n = 51: no visit
    // The installed data folder, looked in after the program folder; none by default.
    QString dataFolder;
    bool openSucceeds = true;
    QueuedFileDialogs files;
    std::unique_ptr<MainWindow> window;
    // The frame's central widget.
    Form1 *form = nullptr;

    Form1 &Make();
    // Made, loaded, shown and active, as the program starts.
    Form1 &Start();
    void WriteFile(const QString &relativePath, const QByteArray &content);
};

// The window as it looks without any skin: white window and headings, solution cells in the
// system window colour, no style sheet, and the grids built.
void CheckDesignColours(Form1 &form);

// A 32 x 32 Windows cursor, written byte by byte, with the given hot spot.
QByteArray CursorFile(int hotX, int hotY);

} // namespace quadrelle::test
