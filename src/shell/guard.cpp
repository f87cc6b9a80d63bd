#include "guard.h"

#include "model/runtime_error.h"

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
    return QStringLiteral("in Quadrelle2017/04/05.Form1.%1 ").arg(QLatin1String(name));
}

QString ErrorReportText(const QString &description, const QString &location, int label)
{
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ") + QString::number(label)
        + QStringLiteral("\r\r") + SupportRequest();
}

QString SupportRequest()
{
    return QStringLiteral("Please email screenshot of this message to ") + QLatin1String(SupportAddress);
}

QString DescriptionOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeError &e) {
        return QString::fromStdString(e.description());
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Out of memory");
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Unexpected error");
    }
}

void Guard::Report(int label, const QString &description)
{
    boxes_.Show(ErrorReportText(description, location_, label), QLatin1String(ErrorTitle), MessageIcon::Exclamation);
}

} // namespace quadrelle
