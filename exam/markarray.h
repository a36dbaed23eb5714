#pragma once

#include "scoring.h"

#include <bitset>

namespace exam {

// A mark sheet held in memory: the marks of boxes 1..368 as bits.
class MarkArray : public MarkSheet {
public:
    bool isMarked(qint32 box) const override
    {
        return marks.test(std::size_t(checkedRange(box, 1, ChoiceBoxCount) - 1));
    }
    void mark(qint32 box, bool on = true)
    {
        marks.set(std::size_t(checkedRange(box, 1, ChoiceBoxCount) - 1), on);
    }
    void markChoice(qint32 question, qint32 choice) { mark(ChoiceBoxNumber(question, choice)); }

    std::bitset<ChoiceBoxCount> marks;
};

} // namespace exam
