#include "scoring.h"

namespace exam {

void MarkQuestion(qint32 question, MarkSheet &sheet, const AnswerKeyTable &key, quint8 &count)
{
    const qint32 correctBox = ChoiceBoxNumber(question, key[question]);
    sheet.aboutToJudge(correctBox);
    if (!sheet.isMarked(correctBox))
        return;

    count = checkedAdd<quint8>(count, 1);
    const qint32 firstBox = ChoiceBoxNumber(question, 1);
    for (qint32 box = firstBox; box < checkedAdd(firstBox, ChoiceCount); ++box) {
        if (box != correctBox && sheet.isMarked(box)) {
            count = checkedSub<quint8>(count, 1);
            return;
        }
    }
}

quint8 JudgeQuestion(qint32 question, MarkSheet &sheet, const AnswerKeyTable &key)
{
    quint8 outcome = 0;
    MarkQuestion(question, sheet, key, outcome);
    return outcome;
}

StandardScoreResult ScoreStandard(MarkSheet &sheet, const AnswerKeyTable &key)
{
    StandardScoreResult result;
    // The sections follow one another through the paper, so this visits questions 1 to 92 in order.
    for (std::size_t s = 0; s < SectionTable.size(); ++s) {
        const Section &section = SectionTable[s];
        quint8 &count = result.sectionCounts[s];
        for (qint32 q = section.firstQuestion; q <= section.lastQuestion; ++q) {
            MarkQuestion(q, sheet, key, count);
            // Capped after every question, so a section never holds more than its cap.
            if (section.cap && count > *section.cap)
                count = *section.cap;
        }
    }
    for (const quint8 count : result.sectionCounts)
        result.total = checkedAdd<qint32>(result.total, count);
    return result;
}

quint8 ScoreAll(MarkSheet &sheet, const AnswerKeyTable &key, quint8 &score)
{
    score = 0;
    for (qint32 q = 1; q <= QuestionCount; ++q)
        MarkQuestion(q, sheet, key, score);
    return score;
}

} // namespace exam
