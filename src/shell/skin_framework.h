#pragma once

#include <QString>

class QWidget;

namespace quadrelle {

// The skin component: a Qt style sheet read from a skin file and applied to the main window.
class SkinFramework {
public:
    // Bits of Options().
    static constexpr int ScopeToOwnControls = 1;

    // Reads the skin; `password` is accepted for the call's form and unused. Throws
    // "Path/File access error" when the file cannot be read.
    void LoadSkin(const QString &path, const QString &password);

    int Options() const { return options_; }
    void SetOptions(int options) { options_ = options; }
    // Nothing is drawn with the skin until it is active.
    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }
    bool RepaintOnApply() const { return repaintOnApply_; }
    void SetRepaintOnApply(bool repaint) { repaintOnApply_ = repaint; }

    // Draws `window` with the skin. Throws "Skin not loaded" before LoadSkin.
    void ApplyTo(QWidget &window);

    QString StyleSheet() const { return sheet_; }

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

} // namespace quadrelle
