#pragma once

#include "logic/step.h"
#include "model/board.h"

#include <vector>

namespace quadrelle {

class Grids;

// Show Candidates: the digits each empty box may still hold, from the board's rows, columns and
// boxes less what applied steps struck out. Struck candidates stay struck while digits are only
// added, since a step's removal stays true then; once a digit goes or changes they are dropped.
class CandidateView {
public:
    CandidateView(const Board &board, Grids &grids) : board_(board), grids_(grids) { }

    bool Shown() const { return shown_; }
    void SetShown(bool shown);
    void Strike(const std::vector<logic::Candidate> &candidates);
    const std::vector<logic::Candidate> &Struck() const { return struck_; }
    // After any change of the board.
    void Refresh();

private:
    const Board &board_;
    Grids &grids_;
    bool shown_ = false;
    std::vector<logic::Candidate> struck_;
    // The digits when the first candidate was struck.
    Grid struckOn_ {};
};

} // namespace quadrelle
