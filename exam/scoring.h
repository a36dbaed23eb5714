#pragma once

#include "sections.h"
#include "years.h"

#include <array>

namespace exam {

// Read access to the marks of the 368 choice boxes by box number. The answer sheet reads its
// check boxes through it; tests read a plain array.
class MarkSheet {
public:
    virtual ~MarkSheet() = default;

    virtual bool isMarked(qint32 box) const = 0;

    // Called with a question's correct box just before the question is judged. The answer sheet
    // looks that box up by name here; a plain sheet has nothing to do.
    virtual void aboutToJudge(qint32 correctBox) { Q_UNUSED(correctBox); }
};

// Judges question q and applies the outcome to `count` as the examination marks: a point for
// the correct box, taken back at the first other marked box of the question.
void MarkQuestion(qint32 question, MarkSheet &sheet, const AnswerKeyTable &key, quint8 &count);

// 1 when the correct box of question q is marked and none of its other boxes is; otherwise 0.
quint8 JudgeQuestion(qint32 question, MarkSheet &sheet, const AnswerKeyTable &key);

struct StandardScoreResult {
    std::array<quint8, SectionCount> sectionCounts{};
    qint32 total = 0;
};

// Scoring by the examination's rules: each capped section counts at most its cap; out of 60.
StandardScoreResult ScoreStandard(MarkSheet &sheet, const AnswerKeyTable &key);

// Scoring over every question, out of 92. The running count is kept in `score`, which holds the
// result afterwards.
quint8 ScoreAll(MarkSheet &sheet, const AnswerKeyTable &key, quint8 &score);

} // namespace exam
