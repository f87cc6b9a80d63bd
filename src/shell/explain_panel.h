#pragma once

#include "solver/commands/puzzle_analyst.h"

#include <QDialog>

class QLabel;
class QListWidget;

namespace quadrelle {

// Explain: the solving path as a list, a step a row, beside the window and never modal. Choosing
// a row asks for that step on the board.
class ExplainPanel : public QDialog {
    Q_OBJECT
public:
    explicit ExplainPanel(QWidget *parent);

    void ShowWorking();
    void ShowPath(const BoardPath &path);
    // The puzzle changed under the list: its steps no longer fit the board.
    void ShowStale();
    QListWidget &List() { return *list_; }
    QString Note() const;

signals:
    void StepChosen(int index);
    void Closed();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QLabel *note_;
    QListWidget *list_;
};

} // namespace quadrelle
