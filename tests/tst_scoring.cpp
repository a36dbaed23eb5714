#include "markarray.h"
#include "reference.h"
#include "scoring.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <vector>

using exam::MarkArray;

namespace {

exam::AnswerKeyTable shippedKey()
{
    exam::AnswerKeyTable key;
    exam::LoadAnswerKey(0, key);
    return key;
}

qint32 correctChoice(qint32 q)
{
    return (q - 1) % 4 + 1;
}

// A sheet that records which correct boxes the scorer announced before judging.
class SpySheet : public MarkArray {
public:
    void aboutToJudge(qint32 correctBox) override { announced.push_back(correctBox); }
    std::vector<qint32> announced;
};

} // namespace

using SheetBuilder = std::function<void(MarkArray &)>;
Q_DECLARE_METATYPE(SheetBuilder)

class TestScoring : public QObject {
    Q_OBJECT

private slots:
    void markingRule_data();
    void markingRule();
    void scoring_data();
    void scoring();
    void scoreAllResetsItsRunningCount();
    void correctBoxIsAnnouncedBeforeEachQuestion();
    void scoringChangesNoMark();
    void randomSheetsAgreeWithTheRules();
    void corruptKeyEntryIsRefused();
};

void TestScoring::markingRule_data()
{
    QTest::addColumn<quint8>("keyChoice");
    QTest::addColumn<QList<qint32>>("markedChoices");
    QTest::addColumn<quint8>("outcome");

    for (quint8 k = 1; k <= 4; ++k) {
        const QByteArray key = "key " + QByteArray::number(k);
        QTest::newRow(key + ": none") << k << QList<qint32>{} << quint8(0);
        QTest::newRow(key + ": only the correct box") << k << QList<qint32>{k} << quint8(1);
        QTest::newRow(key + ": all four") << k << QList<qint32>{1, 2, 3, 4} << quint8(0);
        for (qint32 other = 1; other <= 4; ++other) {
            if (other == k)
                continue;
            const QByteArray o = QByteArray::number(other);
            QTest::newRow(key + ": wrong box " + o + " alone")
                << k << QList<qint32>{other} << quint8(0);
            QTest::newRow(key + ": correct and " + o) << k << QList<qint32>{k, other} << quint8(0);
        }
    }
}

void TestScoring::markingRule()
{
    QFETCH(quint8, keyChoice);
    QFETCH(QList<qint32>, markedChoices);
    QFETCH(quint8, outcome);

    // Question 30 sits in the middle of the paper, so neighbouring questions' boxes are on both
    // sides; they are all marked, and must not leak into the judgement.
    constexpr qint32 q = 30;
    exam::AnswerKeyTable key = shippedKey();
    key[q] = keyChoice;
    MarkArray sheet;
    for (qint32 c = 1; c <= 4; ++c) {
        sheet.markChoice(q - 1, c);
        sheet.markChoice(q + 1, c);
    }
    for (const qint32 c : markedChoices)
        sheet.markChoice(q, c);

    QCOMPARE(exam::JudgeQuestion(q, sheet, key), outcome);
}

void TestScoring::scoring_data()
{
    QTest::addColumn<SheetBuilder>("build");
    QTest::addColumn<qint32>("standard");
    QTest::addColumn<qint32>("all");
    QTest::addColumn<QList<int>>("sectionCounts"); // empty: not checked

    const auto correctRange = [](qint32 first, qint32 last) {
        return [=](MarkArray &s) {
            for (qint32 q = first; q <= last; ++q)
                s.markChoice(q, correctChoice(q));
        };
    };

    QTest::newRow("blank sheet") << SheetBuilder([](MarkArray &) {}) << 0 << 0
                                 << QList<int>{0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("every box marked") << SheetBuilder([](MarkArray &s) { s.marks.set(); }) << 0 << 0
                                      << QList<int>{0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("full marks") << SheetBuilder(correctRange(1, 92)) << 60 << 92
                                << QList<int>{10, 15, 5, 2, 6, 12, 10};
    QTest::newRow("twenty correct among 16-48")
        << SheetBuilder(correctRange(16, 35)) << 15 << 20 << QList<int>{0, 15, 0, 0, 0, 0, 0};
    QTest::newRow("compulsory sections only") << SheetBuilder([=](MarkArray &s) {
        correctRange(57, 58)(s);
        correctRange(68, 79)(s);
    }) << 14 << 14 << QList<int>{0, 0, 0, 2, 0, 12, 0};
    QTest::newRow("choice 1 everywhere") << SheetBuilder([](MarkArray &s) {
        for (qint32 q = 1; q <= 92; ++q)
            s.markChoice(q, 1);
    }) << 23 << 23 << QList<int>{4, 8, 2, 1, 2, 3, 3};
    QTest::newRow("correct everywhere, one extra wrong mark in question 1")
        << SheetBuilder([=](MarkArray &s) {
               correctRange(1, 92)(s);
               s.markChoice(1, 2);
           })
        << 60 << 91 << QList<int>{10, 15, 5, 2, 6, 12, 10};
    QTest::newRow("cap reached exactly in section 1")
        << SheetBuilder(correctRange(1, 10)) << 10 << 10 << QList<int>{10, 0, 0, 0, 0, 0, 0};
    QTest::newRow("one under the cap in section 7")
        << SheetBuilder(correctRange(80, 88)) << 9 << 9 << QList<int>{0, 0, 0, 0, 0, 0, 9};
}

void TestScoring::scoring()
{
    QFETCH(SheetBuilder, build);
    QFETCH(qint32, standard);
    QFETCH(qint32, all);
    QFETCH(QList<int>, sectionCounts);

    MarkArray sheet;
    build(sheet);
    const exam::AnswerKeyTable key = shippedKey();

    const exam::StandardScoreResult result = exam::ScoreStandard(sheet, key);
    QCOMPARE(result.total, standard);
    for (qsizetype i = 0; i < sectionCounts.size(); ++i)
        QCOMPARE(int(result.sectionCounts[std::size_t(i)]), sectionCounts[i]);

    quint8 score = 0;
    QCOMPARE(int(exam::ScoreAll(sheet, key, score)), all);
    QCOMPARE(int(score), all);
}

void TestScoring::scoreAllResetsItsRunningCount()
{
    MarkArray sheet;
    sheet.markChoice(1, 1);
    quint8 score = 200; // left over from an earlier run
    QCOMPARE(exam::ScoreAll(sheet, shippedKey(), score), quint8(1));
    QCOMPARE(score, quint8(1));
}

void TestScoring::correctBoxIsAnnouncedBeforeEachQuestion()
{
    const exam::AnswerKeyTable key = shippedKey();
    std::vector<qint32> expected;
    for (qint32 q = 1; q <= 92; ++q)
        expected.push_back(exam::ChoiceBoxNumber(q, key[q]));
    QCOMPARE(expected.front(), 1);
    QCOMPARE(expected[1], 6);
    QCOMPARE(expected.back(), 368);

    SpySheet standard;
    exam::ScoreStandard(standard, key);
    QVERIFY(standard.announced == expected);

    SpySheet all;
    quint8 score = 0;
    exam::ScoreAll(all, key, score);
    QVERIFY(all.announced == expected);
}

void TestScoring::scoringChangesNoMark()
{
    MarkArray sheet;
    for (qint32 box = 1; box <= 368; box += 3)
        sheet.mark(box);
    const auto before = sheet.marks;
    quint8 score = 0;
    exam::ScoreStandard(sheet, shippedKey());
    exam::ScoreAll(sheet, shippedKey(), score);
    QCOMPARE(sheet.marks, before);
}

void TestScoring::randomSheetsAgreeWithTheRules()
{
    QRandomGenerator rng(20101);
    for (int round = 0; round < 4000; ++round) {
        // Vary the density so that sparse, typical and crowded sheets all occur, and vary the
        // key so that the rule is not only checked against the shipped pattern.
        const quint32 density = rng.bounded(1u, 100u);
        exam::AnswerKeyTable key;
        for (qint32 q = 1; q <= 92; ++q)
            key[q] = quint8(round % 2 ? correctChoice(q) : qint32(rng.bounded(1u, 5u)));
        // Often mark exactly the correct box, so that caps are actually reached.
        std::bitset<368> marks;
        std::array<int, 92> plainKey{};
        MarkArray sheet;
        for (qint32 q = 1; q <= 92; ++q) {
            plainKey[std::size_t(q - 1)] = key[q];
            const bool answerRight = rng.bounded(100u) < density;
            for (qint32 c = 1; c <= 4; ++c) {
                const bool on = answerRight ? c == key[q] : rng.bounded(100u) < density / 3;
                marks[std::size_t((q - 1) * 4 + c - 1)] = on;
                sheet.mark((q - 1) * 4 + c, on);
            }
        }
        const reference::Scores expected = reference::score(marks, plainKey);
        quint8 score = 0;
        const qint32 standard = exam::ScoreStandard(sheet, key).total;
        const qint32 all = exam::ScoreAll(sheet, key, score);
        if (standard != expected.standard || all != expected.all)
            QFAIL(qPrintable(QStringLiteral("round %1: standard %2 (expected %3), all %4 "
                                            "(expected %5)")
                                 .arg(round)
                                 .arg(standard)
                                 .arg(expected.standard)
                                 .arg(all)
                                 .arg(expected.all)));
    }
}

void TestScoring::corruptKeyEntryIsRefused()
{
    // A key entry outside 1..4 would address a box of another question; scoring stops instead.
    exam::AnswerKeyTable key = shippedKey();
    key[40] = 5;
    MarkArray sheet;
    QVERIFY_THROWS_EXCEPTION(exam::OverflowError, exam::ScoreStandard(sheet, key));
    quint8 score = 0;
    QVERIFY_THROWS_EXCEPTION(exam::OverflowError, exam::ScoreAll(sheet, key, score));
}

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
