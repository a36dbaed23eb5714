#pragma once

#include <QStringView>

#include <array>
#include <optional>

namespace exam {

enum class Sitting { Morning, Afternoon };

// The two sittings in which the paper is taken; the answer sheet frames each in a group with
// its caption.
struct SittingInfo {
    Sitting sitting;
    qint32 firstQuestion;
    qint32 lastQuestion;
    QStringView caption;
};

inline constexpr std::array<SittingInfo, 2> SittingTable{{
    {Sitting::Morning, 1, 56, u"午前の部　（制限時間 2時間20分）"},
    {Sitting::Afternoon, 57, 92, u"午後の部　（制限時間 2時間10分）"},
}};

// An answer section: the candidate answers `quota` of its questions; standard scoring counts at
// most `cap` correct answers from it. Compulsory sections have no cap.
struct Section {
    Sitting sitting;
    qint32 firstQuestion;
    qint32 lastQuestion;
    qint32 quota;
    std::optional<quint8> cap;
    QStringView instruction1;
    QStringView instruction2;

    constexpr qint32 count() const { return lastQuestion - firstQuestion + 1; }
    constexpr bool holds(qint32 question) const
    {
        return question >= firstQuestion && question <= lastQuestion;
    }
};

inline constexpr qint32 SectionCount = 7;

inline constexpr std::array<Section, SectionCount> SectionTable{{
    {Sitting::Morning, 1, 15, 10, 10, u"15問のうち10問を", u"選択して解答"},
    {Sitting::Morning, 16, 48, 15, 15, u"33問のうち15問を", u"選択して解答"},
    {Sitting::Morning, 49, 56, 5, 5, u"8問のうち5問を", u"選択して解答"},
    {Sitting::Afternoon, 57, 58, 2, std::nullopt, u"2問題は、", u"全問解答"},
    {Sitting::Afternoon, 59, 67, 6, 6, u"9問のうち6問を", u"選択して解答"},
    {Sitting::Afternoon, 68, 79, 12, std::nullopt, u"12問題は", u"全問解答"},
    {Sitting::Afternoon, 80, 92, 10, 10, u"13問のうち10問を", u"選択して解答"},
}};

// Index into SectionTable of the section that holds question q, or -1 for a number that is no
// question.
constexpr qint32 SectionOf(qint32 question)
{
    for (qint32 i = 0; i < SectionCount; ++i)
        if (SectionTable[std::size_t(i)].holds(question))
            return i;
    return -1;
}

} // namespace exam
