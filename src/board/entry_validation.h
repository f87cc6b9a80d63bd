#pragma once

#include <QString>

namespace quadrelle {

class Form1;

// Keeps the model in step with the puzzle grid as the user types, and refuses a digit that
// repeats one of its row, column or box, or that leaves some cell without a candidate.
class EntryValidation {
public:
    explicit EntryValidation(Form1 &form) : form_(form) { }

    // The text of puzzle box n changed, by the user or by the program.
    void txPuz_Change(int n);
    // Tells the user why, then empties box n (which runs its change handler again).
    void RejectEntry(int n, const QString &message);

private:
    void TakeBackDeductionsOf(int n);

    Form1 &form_;
};

} // namespace quadrelle
