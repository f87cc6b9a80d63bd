#pragma once

#include "batch/answer.h"
#include "formats/answer_format.h"

namespace quadrelle {

// The parts of a typed answer for the output forms; the views point into `answer`.
AnswerFields FieldsOf(const Answer &answer);

} // namespace quadrelle
