#pragma once

#include "model/cell_set.h"
#include "model/digits.h"

#include <array>

namespace quadrelle::logic {

// The places of each digit on which a search that looks at that digit alone last found nothing.
// Between two steps of a solve most digits keep their places, so most such searches would only
// repeat one that failed. A search keeps one of these a thread; what it remembers is a fact about
// the places, so it never changes a result.
class BarrenDigits {
public:
    bool Known(Digit digit, const CellSet &places) const { return known_[digit.Index()] && places_[digit.Index()] == places; }
    void Remember(Digit digit, const CellSet &places)
    {
        places_[digit.Index()] = places;
        known_[digit.Index()] = true;
    }

private:
    std::array<CellSet, 9> places_ {};
    std::array<bool, 9> known_ {};
};

} // namespace quadrelle::logic
