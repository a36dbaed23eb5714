#include "years.h"

namespace exam {

static constexpr bool isYearIndex(qint32 yearIndex)
{
    return yearIndex >= 0 && yearIndex < YearCount;
}

std::optional<QStringView> YearLabelFor(qint32 yearIndex)
{
    if (!isYearIndex(yearIndex))
        return std::nullopt;
    return YearLabels[std::size_t(yearIndex)];
}

void LoadAnswerKey(qint32 yearIndex, AnswerKeyTable &key)
{
    if (isYearIndex(yearIndex))
        key = YearKeys[std::size_t(yearIndex)];
}

} // namespace exam
