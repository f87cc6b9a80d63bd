#pragma once

#include <QString>

class QWidget;

namespace quadrelle {

// The skin component: a Qt style sheet read from a skin file and applied to the main window.
class SkinFramework {
public:
    // Bits of Options().
    static constexpr int ScopeToOwnControls = 1;

    // Style sheets are far smaller; a larger file is not read.
    static constexpr qint64 MaxSkinBytes = 256 * 1024;
    // Pictures the skin names by url(); larger ones are left out.
    static constexpr qint64 MaxPictureBytes = 8 * 1024 * 1024;

    // Reads the skin; `password` is accepted for the call's form and unused. Throws
    // "Path/File access error" when the file cannot be read, "Skin file too large" over
    // MaxSkinBytes, "Invalid skin: not a style sheet" when Qt cannot parse it as narrowed to a
    // window's controls. A url() that does not name a regular file (relative ones from the
    // skin's folder) is left out before anything draws with the sheet.
    void LoadSkin(const QString &path, const QString &password);

    int Options() const { return options_; }
    void SetOptions(int options) { options_ = options; }
    // Nothing is drawn with the skin until it is active.
    void SetActive(bool active) { active_ = active; }
    void SetRepaintOnApply(bool repaint) { repaintOnApply_ = repaint; }

    // Draws `window` with the skin. Throws "Skin not loaded" before LoadSkin.
    void ApplyTo(QWidget &window);

private:
    QString sheet_;
    bool loaded_ = false;
    int options_ = 0;
    bool active_ = false;
    bool repaintOnApply_ = false;
};

// Rewrites every rule so that it matches only the window's direct children, or the window
// itself for a selector "Form1" or `windowSelector` (with pseudo-states). Message boxes are
// no children of the window, so they keep their look.
QString ScopeStyleSheet(const QString &sheet, const QString &windowSelector);

// Whether Qt's style sheet parser takes the sheet (it drops one it cannot parse, with a warning).
bool StyleSheetParses(const QString &sheet);

// Every url() pointed at an absolute path when it names a regular file of at most maxBytes
// (relative ones from `folder`), and emptied when not: a pipe or device would block, and a
// huge picture would stall, whoever draws with the sheet.
QString SafeUrls(const QString &sheet, const QString &folder, qint64 maxBytes);

} // namespace quadrelle
