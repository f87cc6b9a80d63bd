#pragma once

#include "logic/shown_step.h"

#include <QString>

#include <string_view>

namespace quadrelle {

// A technique of the ladder by its name in the window's language.
QString TechniqueName(std::string_view technique);

// What a person is told about a step: "Hidden single in box 5: r4c7 can only be 3".
QString StepSentence(const logic::ShownStep &shown);

// "1.2", in the window's locale.
QString ScoreOf(int tenths);

} // namespace quadrelle
