#include "numbering.h"

#include "checked.h"

using namespace Qt::StringLiterals;

namespace exam {

QuestionChoice BoxQuestionChoice(qint32 box)
{
    const qint32 zeroBased = checkedSub(checkedRange(box, 1, ChoiceBoxCount), 1);
    return {zeroBased / ChoiceCount + 1, zeroBased % ChoiceCount + 1};
}

QString ChoiceBoxName(qint32 box)
{
    return u"CheckBox"_s + QString::number(box);
}

} // namespace exam
