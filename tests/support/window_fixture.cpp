#include "window_fixture.h"

#include "kit/colors.h"
#include "kit/guard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace quadrelle::test {

QString MessageTexts(const std::vector<Message> &shown)
{
    QStringList texts;
    for (const Message &message : shown)
        texts << message.title + ": " + message.text;
    return texts.join(" | ");
}

QString ReportRequest()
{
    return QStringLiteral("\r\rPlease email screenshot of this message to ") + QLatin1String(SupportAddress);
}

Form1 &WindowFixture::Make()
{
    Form1Environment environment {folder.path(), &boxes, [this] { return fraction; },
        [this](const QUrl &url) {
            opened.push_back(url);
            return openSucceeds;
        },
        dataFolder, &files};
    window = std::make_unique<MainWindow>(std::move(environment));
    form = &window->form();
    return *form;
}

Form1 &WindowFixture::Start()
{
    Make().Form_Load();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("window did not become active");
    return *form;
}

void WindowFixture::WriteFile(const QString &relativePath, const QByteArray &content)
{
    const QString path = folder.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

void CheckDesignColours(Form1 &form)
{
    QCOMPARE(form.BackColor(), colors::White);
    QCOMPARE(form.lb(0).BackColor(), colors::White);
    QCOMPARE(form.lb(1).BackColor(), colors::White);
    QCOMPARE(form.txSol(0).BackColor(), colors::WindowBackground);
    QCOMPARE(form.txSol(81).BackColor(), colors::WindowBackground);
    QCOMPARE(form.txPuz(81).BackColor(), colors::White);
    QVERIFY(form.styleSheet().isEmpty());
    QVERIFY(form.txPuz(81).isVisible());
}

QByteArray CursorFile(int hotX, int hotY)
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

} // namespace quadrelle::test
