#include "cli/answer_fields.h"

namespace quadrelle {

AnswerFields FieldsOf(const Answer &answer)
{
    AnswerFields fields;
    fields.counting = answer.placements < 0;
    fields.status = answer.status;
    if (answer.placements >= 0)
        fields.placements = answer.placements;
    fields.grid = answer.GridText(0);
    fields.second = answer.GridText(1);
    fields.reason = answer.reason;
    if (answer.tenths >= 0)
        fields.tenths = answer.tenths;
    fields.lowerBound = answer.lowerBound;
    fields.technique = answer.technique;
    fields.steps = answer.steps;
    fields.listsSteps = answer.listsSteps;
    return fields;
}

} // namespace quadrelle
