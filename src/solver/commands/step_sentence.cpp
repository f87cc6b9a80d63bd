#include "solver/commands/step_sentence.h"

#include "logic/geometry.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <map>

namespace quadrelle {

namespace {

// The ladder's names and its steps', for the translations; the ladder itself stays free of Qt.
[[maybe_unused]] constexpr const char *TechniqueNames[] = {
    QT_TRANSLATE_NOOP("Quadrelle", "Hidden Single (box)"),
    QT_TRANSLATE_NOOP("Quadrelle", "Hidden Single (line)"),
    QT_TRANSLATE_NOOP("Quadrelle", "Direct Pointing"),
    QT_TRANSLATE_NOOP("Quadrelle", "Direct Claiming"),
    QT_TRANSLATE_NOOP("Quadrelle", "Direct Hidden Pair"),
    QT_TRANSLATE_NOOP("Quadrelle", "Naked Single"),
    QT_TRANSLATE_NOOP("Quadrelle", "Direct Hidden Triple"),
    QT_TRANSLATE_NOOP("Quadrelle", "Pointing"),
    QT_TRANSLATE_NOOP("Quadrelle", "Claiming"),
    QT_TRANSLATE_NOOP("Quadrelle", "Naked Pair"),
    QT_TRANSLATE_NOOP("Quadrelle", "X-Wing"),
    QT_TRANSLATE_NOOP("Quadrelle", "Hidden Pair"),
    QT_TRANSLATE_NOOP("Quadrelle", "Naked Triple"),
    QT_TRANSLATE_NOOP("Quadrelle", "Swordfish"),
    QT_TRANSLATE_NOOP("Quadrelle", "Hidden Triple"),
    QT_TRANSLATE_NOOP("Quadrelle", "Turbot Fish"),
    QT_TRANSLATE_NOOP("Quadrelle", "XY-Wing"),
    QT_TRANSLATE_NOOP("Quadrelle", "XYZ-Wing"),
    QT_TRANSLATE_NOOP("Quadrelle", "Unique Rectangle"),
    QT_TRANSLATE_NOOP("Quadrelle", "Naked Quad"),
    QT_TRANSLATE_NOOP("Quadrelle", "Jellyfish"),
    QT_TRANSLATE_NOOP("Quadrelle", "Hidden Quad"),
    QT_TRANSLATE_NOOP("Quadrelle", "Three Strong Links"),
    QT_TRANSLATE_NOOP("Quadrelle", "WXYZ-Wing"),
    QT_TRANSLATE_NOOP("Quadrelle", "Bivalue Universal Grave"),
    QT_TRANSLATE_NOOP("Quadrelle", "Aligned Pair Exclusion"),
    QT_TRANSLATE_NOOP("Quadrelle", "VWXYZ-Wing"),
    QT_TRANSLATE_NOOP("Quadrelle", "Forcing Chains and Cycles"),
    QT_TRANSLATE_NOOP("Quadrelle", "Aligned Triple Exclusion"),
    QT_TRANSLATE_NOOP("Quadrelle", "Nishio Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Multiple Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Dynamic Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Dynamic Forcing Chains (+)"),
    QT_TRANSLATE_NOOP("Quadrelle", "Nested Forcing Chains"),
    // The names the steps of some rungs take instead of the rung's.
    QT_TRANSLATE_NOOP("Quadrelle", "Bidirectional Cycle"),
    QT_TRANSLATE_NOOP("Quadrelle", "Bivalue Universal Grave type 1"),
    QT_TRANSLATE_NOOP("Quadrelle", "Bivalue Universal Grave type 2"),
    QT_TRANSLATE_NOOP("Quadrelle", "Bivalue Universal Grave type 3"),
    QT_TRANSLATE_NOOP("Quadrelle", "Bivalue Universal Grave type 4"),
    QT_TRANSLATE_NOOP("Quadrelle", "Cell Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Contradiction Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Double Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Region Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Dynamic Cell Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Dynamic Contradiction Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Dynamic Double Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Dynamic Region Forcing Chains"),
    QT_TRANSLATE_NOOP("Quadrelle", "Dynamic Cell Forcing Chains (+)"),
    QT_TRANSLATE_NOOP("Quadrelle", "Dynamic Contradiction Forcing Chains (+)"),
    QT_TRANSLATE_NOOP("Quadrelle", "Dynamic Double Forcing Chains (+)"),
    QT_TRANSLATE_NOOP("Quadrelle", "Dynamic Region Forcing Chains (+)"),
    QT_TRANSLATE_NOOP("Quadrelle", "Forcing Chain"),
    QT_TRANSLATE_NOOP("Quadrelle", "Unique Loop type 1"),
    QT_TRANSLATE_NOOP("Quadrelle", "Unique Loop type 2"),
    QT_TRANSLATE_NOOP("Quadrelle", "Unique Loop type 3"),
    QT_TRANSLATE_NOOP("Quadrelle", "Unique Loop type 4"),
    QT_TRANSLATE_NOOP("Quadrelle", "Unique Rectangle type 1"),
    QT_TRANSLATE_NOOP("Quadrelle", "Unique Rectangle type 2"),
    QT_TRANSLATE_NOOP("Quadrelle", "Unique Rectangle type 3"),
    QT_TRANSLATE_NOOP("Quadrelle", "Unique Rectangle type 4"),
    QT_TRANSLATE_NOOP("Quadrelle", "X-Chain"),
    QT_TRANSLATE_NOOP("Quadrelle", "X-Cycle"),
    QT_TRANSLATE_NOOP("Quadrelle", "Y-Cycle"),
};

QString CellName(Cell cell)
{
    return QString::fromStdString(logic::CellName(cell));
}

QString UnitName(int unit)
{
    if (unit < 9)
        return QCoreApplication::translate("Quadrelle", "row %1").arg(unit + 1);
    if (unit < 18)
        return QCoreApplication::translate("Quadrelle", "column %1").arg(unit - 8);
    return QCoreApplication::translate("Quadrelle", "box %1").arg(unit - 17);
}

// "3 from r1c2, r1c5; 7 from r2c2", digits in order.
QString Removals(const std::vector<logic::Candidate> &eliminations)
{
    std::map<int, QStringList> cellsOf;
    for (const logic::Candidate &c : eliminations)
        cellsOf[c.digit.Value()] << CellName(c.cell);
    QStringList parts;
    for (const auto &[digit, cells] : cellsOf)
        parts << QCoreApplication::translate("Quadrelle", "%1 from %2").arg(digit).arg(cells.join(QStringLiteral(", ")));
    return parts.join(QStringLiteral("; "));
}

QString Placements(const std::vector<logic::Candidate> &placements)
{
    QStringList parts;
    for (const logic::Candidate &c : placements)
        parts << QStringLiteral("%1=%2").arg(CellName(c.cell)).arg(c.digit.Value());
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString TechniqueName(std::string_view technique)
{
    return QCoreApplication::translate("Quadrelle", std::string(technique).c_str());
}

QString ScoreOf(int tenths)
{
    return QLocale().toString(tenths / 10.0, 'f', 1);
}

QString StepSentence(const logic::ShownStep &shown)
{
    const logic::Step &step = shown.step;
    const int unit = shown.focus.unit;
    if (step.technique.starts_with("Hidden Single") && unit >= 0) {
        const logic::Candidate placed = step.placements.front();
        return QCoreApplication::translate("Quadrelle", "Hidden single in %1: %2 can only be %3")
            .arg(UnitName(unit), CellName(placed.cell))
            .arg(placed.digit.Value());
    }
    if (step.technique == "Naked Single" && step.placements.size() == 1) {
        const logic::Candidate placed = step.placements.front();
        return QCoreApplication::translate("Quadrelle", "Naked single: %1 can only be %2")
            .arg(CellName(placed.cell))
            .arg(placed.digit.Value());
    }
    const QString name = TechniqueName(step.technique);
    if (step.eliminations.empty())
        return QCoreApplication::translate("Quadrelle", "%1: %2").arg(name, Placements(step.placements));
    if (step.placements.empty() && unit >= 0)
        return QCoreApplication::translate("Quadrelle", "%1 in %2: removes %3")
            .arg(name, UnitName(unit), Removals(step.eliminations));
    if (step.placements.empty())
        return QCoreApplication::translate("Quadrelle", "%1: removes %2").arg(name, Removals(step.eliminations));
    return QCoreApplication::translate("Quadrelle", "%1: %2, and removes %3")
        .arg(name, Placements(step.placements), Removals(step.eliminations));
}

} // namespace quadrelle
