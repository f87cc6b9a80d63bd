#pragma once

#include "cli/batch.h"
#include "formats/answer_format.h"

#include <string_view>

namespace quadrelle {

// The parts of an answer as the line form writes it (`text`, with any steps before it), for
// the other output forms. The views point into `text`.
AnswerFields FieldsOf(std::string_view text, BatchMode mode);

} // namespace quadrelle
