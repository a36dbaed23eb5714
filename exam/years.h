#pragma once

#include "checked.h"
#include "numbering.h"

#include <QStringView>

#include <array>
#include <optional>

namespace exam {

inline constexpr qint32 YearCount = 8;

// The past papers on offer, newest first; the index is what the selection window stores.
inline constexpr std::array<QStringView, YearCount> YearLabels{
    u"平成22年度", u"平成21年度", u"平成20年度", u"平成19年度",
    u"平成18年度", u"平成17年度", u"平成16年度", u"平成15年度",
};

// The label of year index 0..7; nothing for any other index.
std::optional<QStringView> YearLabelFor(qint32 yearIndex);

// A key: the correct choice (1..4) of each question 1..92.
using AnswerKeyTable = OneBasedArray<quint8, QuestionCount>;

namespace detail {
constexpr AnswerKeyTable shippedKey()
{
    // Every year's key as published with the program: choices cycle 1, 2, 3, 4 down the paper.
    AnswerKeyTable key;
    for (qint32 q = 1; q <= QuestionCount; ++q)
        key[q] = quint8((q - 1) % ChoiceCount + 1);
    return key;
}
} // namespace detail

inline constexpr std::array<AnswerKeyTable, YearCount> YearKeys{
    detail::shippedKey(), detail::shippedKey(), detail::shippedKey(), detail::shippedKey(),
    detail::shippedKey(), detail::shippedKey(), detail::shippedKey(), detail::shippedKey(),
};

// Copies the key of year index 0..7 into `key`; any other index leaves `key` as it was.
void LoadAnswerKey(qint32 yearIndex, AnswerKeyTable &key);

} // namespace exam
