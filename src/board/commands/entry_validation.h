#pragma once

#include <QString>

namespace quadrelle {

class Board;
class Grids;
class MessageBoxes;

// What the entry validation works on.
struct EntryContext {
    Board &board;
    Grids &grids;
    // While set, changes of the puzzle grid are the program's own and are left alone.
    const bool &updating;
    MessageBoxes &boxes;
    // The refusals' caption.
    const QString &appTitle;
};

// Keeps the model in step with the puzzle grid as the user types, and refuses a digit that
// repeats one of its row, column or box, or that leaves some cell without a candidate.
class EntryValidation {
public:
    explicit EntryValidation(const EntryContext &context) : context_(context) { }

    // The text of puzzle box n changed, by the user or by the program.
    void txPuz_Change(int n);
    // Tells the user why, then empties box n (which runs its change handler again).
    void RejectEntry(int n, const QString &message);

private:
    void TakeBackDeductionsOf(int n);

    EntryContext context_;
};

} // namespace quadrelle
