#include "shell/explain_panel.h"

#include "solver/commands/step_sentence.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace quadrelle {

ExplainPanel::ExplainPanel(QWidget *parent)
    : QDialog(parent, Qt::Tool), note_(new QLabel(this)), list_(new QListWidget(this))
{
    setObjectName(QStringLiteral("ExplainPanel"));
    setModal(false);
    setWindowTitle(QCoreApplication::translate("Quadrelle", "Solving Path"));
    note_->setWordWrap(true);
    list_->setObjectName(QStringLiteral("ExplainSteps"));
    list_->setAccessibleName(QCoreApplication::translate("Quadrelle", "Steps"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(list_);
    resize(460, 495);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit StepChosen(row);
    });
}

QString ExplainPanel::Note() const
{
    return note_->text();
}

void ExplainPanel::ShowWorking()
{
    list_->clear();
    note_->setText(QCoreApplication::translate("Quadrelle", "Working out the steps…"));
}

void ExplainPanel::ShowPath(const BoardPath &path)
{
    list_->clear();
    if (!path.problem.isEmpty()) {
        note_->setText(path.problem);
        return;
    }
    note_->setText(QCoreApplication::translate("Quadrelle", "Steps: %1. Choose one to see it on the board.")
                       .arg(static_cast<qsizetype>(path.steps.size())));
    int number = 0;
    for (const BoardHint &hint : path.steps) {
        list_->addItem(QCoreApplication::translate("Quadrelle", "%1. %2 (%3)")
                           .arg(++number)
                           .arg(hint.sentence, ScoreOf(hint.shown ? hint.shown->step.tenths : 0)));
    }
    list_->setFocus();
}

void ExplainPanel::ShowStale()
{
    if (list_->count() == 0)
        return;
    list_->clear();
    note_->setText(QCoreApplication::translate("Quadrelle", "The puzzle changed: choose Explain again."));
}

void ExplainPanel::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    emit Closed();
}

} // namespace quadrelle
