#pragma once

#include "kit/message_boxes.h"
#include "kit/step_runner.h"

#include <QString>

#include <exception>
#include <functional>

namespace quadrelle {

// The seven operations whose steps are guarded, each named in its report by its location.
enum class GuardedOperation {
    Form_Load,
    Form_Activate,
    PushButton1_Click,
    PushButton2_Click,
    PushButton3_Click,
    PushButton4_Click,
    PrintIt,
};

// "in Quadrelle2017/04/05.Form1.<operation> ", trailing blank included.
QString LocationText(GuardedOperation operation);

// The support address the report asks the user to write to.
inline constexpr char SupportAddress[] = "support@quadrelle.org";

// The report's text: description, location, step label, then the request for a screenshot.
QString ErrorReportText(const QString &description, const QString &location, int label);

// The report's last line: the request for a screenshot, with the support address.
QString SupportRequest();

// The description a caught exception is reported by.
QString DescriptionOf(std::exception_ptr error);

// Runs the steps of one guarded operation. A step that throws is reported in one
// "Application Error" box and abandoned; the operation goes on with its next step.
class Guard final : public StepRunner {
public:
    Guard(MessageBoxes &boxes, GuardedOperation operation) : boxes_(boxes), location_(LocationText(operation)) { }

    // Runs step() under `label`; returns false when it failed and was reported.
    bool Run(int label, const std::function<void()> &step) override
    {
        try {
            step();
            return true;
        } catch (...) {
            Report(label, DescriptionOf(std::current_exception()));
            return false;
        }
    }

private:
    void Report(int label, const QString &description);

    MessageBoxes &boxes_;
    QString location_;
};

inline constexpr char ErrorTitle[] = QT_TRANSLATE_NOOP("Quadrelle", "Application Error");

// The report's title in the user's language.
QString ErrorTitleText();

} // namespace quadrelle
