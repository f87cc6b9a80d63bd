#include "kit/guard.h"

#include "model/runtime_error.h"

#include <QCoreApplication>

#include <new>

namespace quadrelle {

QString LocationText(GuardedOperation operation)
{
    const char *name = "";
    switch (operation) {
    case GuardedOperation::Form_Load:
        name = "Form_Load";
        break;
    case GuardedOperation::Form_Activate:
        name = "Form_Activate";
        break;
    case GuardedOperation::PushButton1_Click:
        name = "PushButton1_Click";
        break;
    case GuardedOperation::PushButton2_Click:
        name = "PushButton2_Click";
        break;
    case GuardedOperation::PushButton3_Click:
        name = "PushButton3_Click";
        break;
    case GuardedOperation::PushButton4_Click:
        name = "PushButton4_Click";
        break;
    case GuardedOperation::PrintIt:
        name = "PrintIt";
        break;
    }
    return QCoreApplication::translate("Quadrelle", "in %1 ")
        .arg(QStringLiteral("Quadrelle2017/04/05.Form1.") + QLatin1String(name));
}

QString ErrorReportText(const QString &description, const QString &location, int label)
{
    return description + QStringLiteral("\r\n") + location + QCoreApplication::translate("Quadrelle", "at line ")
        + QString::number(label) + QStringLiteral("\r\r") + SupportRequest();
}

QString SupportRequest()
{
    return QCoreApplication::translate("Quadrelle", "Please email screenshot of this message to %1")
        .arg(QLatin1String(SupportAddress));
}

// The engine has no Qt, so its descriptions are listed here for the translation tools.
[[maybe_unused]] constexpr const char *EngineDescriptions[] = {
    QT_TRANSLATE_NOOP("Quadrelle", "Subscript out of range"),
    QT_TRANSLATE_NOOP("Quadrelle", "Overflow"),
    QT_TRANSLATE_NOOP("Quadrelle", "Invalid procedure call or argument"),
};

QString ErrorTitleText()
{
    return QCoreApplication::translate("Quadrelle", ErrorTitle);
}

QString DescriptionOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeError &e) {
        return QCoreApplication::translate("Quadrelle", e.description().c_str());
    } catch (const std::bad_alloc &) {
        return QCoreApplication::translate("Quadrelle", "Out of memory");
    } catch (const std::exception &e) {
        return QCoreApplication::translate("Quadrelle", e.what());
    } catch (...) {
        return QCoreApplication::translate("Quadrelle", "Unexpected error");
    }
}

void Guard::Report(int label, const QString &description)
{
    boxes_.Show(ErrorReportText(description, location_, label), ErrorTitleText(), MessageIcon::Exclamation);
}

} // namespace quadrelle
