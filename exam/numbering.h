#pragma once

#include "checked.h"

#include <QString>

namespace exam {

inline constexpr qint32 QuestionCount = 92;
inline constexpr qint32 ChoiceCount = 4;
inline constexpr qint32 ChoiceBoxCount = QuestionCount * ChoiceCount; // 368

// The box of choice c (1..4) of question q (1..92): 4 × (q − 1) + c, so a question's four boxes
// are consecutive. Throws OverflowError for a question or choice outside its range.
constexpr qint32 ChoiceBoxNumber(qint32 question, qint32 choice)
{
    checkedRange(question, 1, QuestionCount);
    checkedRange(choice, 1, ChoiceCount);
    return checkedAdd(checkedMul(ChoiceCount, checkedSub(question, 1)), choice);
}

struct QuestionChoice {
    qint32 question = 0;
    qint32 choice = 0;
    bool operator==(const QuestionChoice &) const = default;
};

// The inverse of ChoiceBoxNumber for a box 1..368.
QuestionChoice BoxQuestionChoice(qint32 box);

// The object name the answer sheet gives the check box of box n: "CheckBox" + n in decimal.
QString ChoiceBoxName(qint32 box);

} // namespace exam
