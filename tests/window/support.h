#pragma once

#include "shell/form1.h"
#include "shell/message_boxes.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>
#include <vector>

namespace quadrelle::test {

struct Message {
    QString text;
    QString title;
    MessageIcon icon;
};

// Records every message instead of showing it; nothing modal ever happens.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    void Show(const QString &text, const QString &title, MessageIcon icon) override
    {
        shown.push_back({text, title, icon});
    }
    std::vector<Message> shown;
};

// A window over a temporary program folder, recording messages and home-page visits.
struct WindowFixture {
    QTemporaryDir folder;
    RecordingMessageBoxes boxes;
    std::vector<QUrl> opened;
    double fraction = 0.5; // n = 51: no visit
    // The installed data folder, looked in after the program folder; none by default.
    QString dataFolder;
    bool openSucceeds = true;
    std::unique_ptr<Form1> form;

    Form1 &Make()
    {
        Form1Environment environment {folder.path(), &boxes, [this] { return fraction; },
            [this](const QUrl &url) {
                opened.push_back(url);
                return openSucceeds;
            },
            dataFolder};
        form = std::make_unique<Form1>(std::move(environment));
        return *form;
    }

    // Made, loaded, shown and active, as the program starts.
    Form1 &Start()
    {
        Make().Form_Load();
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qFatal("window did not become active");
        return *form;
    }

    void WriteFile(const QString &relativePath, const QByteArray &content)
    {
        const QString path = folder.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
    }
};

// A 32 x 32 Windows cursor, written byte by byte, with the given hot spot.
inline QByteArray CursorFile(int hotX, int hotY)
{
    QByteArray bytes;
    const auto u16 = [&bytes](int v) { bytes.append(char(v & 0xFF)).append(char(v >> 8 & 0xFF)); };
    const auto u32 = [&](int v) {
        u16(v & 0xFFFF);
        u16(v >> 16 & 0xFFFF);
    };
    const int pixels = 32 * 32 * 4, mask = 32 * 4;
    u16(0);
    u16(2);
    u16(1); // cursor directory, one image
    bytes.append(char(32)).append(char(32)).append(char(0)).append(char(0));
    u16(hotX);
    u16(hotY);
    u32(40 + pixels + mask);
    u32(22); // directory entry
    u32(40);
    u32(32);
    u32(64);
    u16(1);
    u16(32);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    for (int i = 0; i < 32 * 32; ++i)
        bytes.append("\x20\x40\x80\xFF", 4); // opaque, blue-green-red
    bytes.append(QByteArray(mask, '\0'));
    return bytes;
}

inline QWidget *Focus()
{
    return QApplication::focusWidget();
}

// Types as a user does: each key goes to whichever box has the focus now.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(Focus(), key, modifiers);
}

// A mouse move without buttons, delivered the way the platform delivers it to `widget`.
inline void MoveMouse(QWidget &widget, QPoint pos = QPoint(2, 2))
{
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

} // namespace quadrelle::test
