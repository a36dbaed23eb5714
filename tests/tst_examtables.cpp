#include "numbering.h"
#include "sections.h"
#include "years.h"

#include <QTest>

#include <set>

using namespace Qt::StringLiterals;

// The examination as the program knows it: numbering, sections, years and keys.
class TestExamTables : public QObject {
    Q_OBJECT

private slots:
    void boxNumbers_data();
    void boxNumbers();
    void numberingIsABijection();
    void boxNames_data();
    void boxNames();
    void outOfRangeNumbersAreRefused();
    void sectionsCoverThePaper();
    void sectionOfEveryQuestion();
    void sittings();
    void yearLabels_data();
    void yearLabels();
    void loadKeyForEveryYear();
    void loadKeyOutsideTheYearsChangesNothing_data();
    void loadKeyOutsideTheYearsChangesNothing();
};

void TestExamTables::boxNumbers_data()
{
    QTest::addColumn<qint32>("question");
    QTest::addColumn<qint32>("choice");
    QTest::addColumn<qint32>("box");

    QTest::newRow("first") << 1 << 1 << 1;
    QTest::newRow("q1 c4") << 1 << 4 << 4;
    QTest::newRow("q2 c1") << 2 << 1 << 5;
    QTest::newRow("first of the afternoon") << 57 << 1 << 225;
    QTest::newRow("last") << 92 << 4 << 368;
}

void TestExamTables::boxNumbers()
{
    QFETCH(qint32, question);
    QFETCH(qint32, choice);
    QFETCH(qint32, box);
    QCOMPARE(exam::ChoiceBoxNumber(question, choice), box);
    QCOMPARE(exam::BoxQuestionChoice(box), (exam::QuestionChoice{question, choice}));
}

void TestExamTables::numberingIsABijection()
{
    std::set<qint32> seen;
    for (qint32 q = 1; q <= exam::QuestionCount; ++q) {
        for (qint32 c = 1; c <= exam::ChoiceCount; ++c) {
            const qint32 box = exam::ChoiceBoxNumber(q, c);
            QVERIFY(box >= 1 && box <= exam::ChoiceBoxCount);
            QVERIFY2(seen.insert(box).second, qPrintable(QString::number(box)));
            QCOMPARE(exam::BoxQuestionChoice(box), (exam::QuestionChoice{q, c}));
        }
    }
    QCOMPARE(qint32(seen.size()), 368);
}

void TestExamTables::boxNames_data()
{
    QTest::addColumn<qint32>("box");
    QTest::addColumn<QString>("name");
    QTest::newRow("1") << 1 << u"CheckBox1"_s;
    QTest::newRow("9") << 9 << u"CheckBox9"_s;
    QTest::newRow("10") << 10 << u"CheckBox10"_s;
    QTest::newRow("57") << 57 << u"CheckBox57"_s;
    QTest::newRow("100") << 100 << u"CheckBox100"_s;
    QTest::newRow("368") << 368 << u"CheckBox368"_s;
}

void TestExamTables::boxNames()
{
    QFETCH(qint32, box);
    QFETCH(QString, name);
    QCOMPARE(exam::ChoiceBoxName(box), name);
}

void TestExamTables::outOfRangeNumbersAreRefused()
{
    QVERIFY_THROWS_EXCEPTION(exam::OverflowError, exam::ChoiceBoxNumber(0, 1));
    QVERIFY_THROWS_EXCEPTION(exam::OverflowError, exam::ChoiceBoxNumber(93, 1));
    QVERIFY_THROWS_EXCEPTION(exam::OverflowError, exam::ChoiceBoxNumber(1, 0));
    QVERIFY_THROWS_EXCEPTION(exam::OverflowError, exam::ChoiceBoxNumber(1, 5));
    QVERIFY_THROWS_EXCEPTION(exam::OverflowError, exam::BoxQuestionChoice(0));
    QVERIFY_THROWS_EXCEPTION(exam::OverflowError, exam::BoxQuestionChoice(369));
}

void TestExamTables::sectionsCoverThePaper()
{
    qint32 next = 1, count = 0, quota = 0, capped = 0;
    for (const exam::Section &s : exam::SectionTable) {
        QCOMPARE(s.firstQuestion, next); // no gap, no overlap
        QVERIFY(s.lastQuestion >= s.firstQuestion);
        QVERIFY(s.quota <= s.count());
        // A cap, where there is one, is the quota; a section without one is answered whole.
        if (s.cap) {
            QCOMPARE(qint32(*s.cap), s.quota);
            capped += s.quota;
        } else {
            QCOMPARE(s.quota, s.count());
        }
        next = s.lastQuestion + 1;
        count += s.count();
        quota += s.quota;
    }
    QCOMPARE(next, 93);
    QCOMPARE(count, 92);
    QCOMPARE(quota, 60);
    QCOMPARE(capped, 46); // 60 less the 14 compulsory questions
    QVERIFY(!exam::SectionTable[3].cap && !exam::SectionTable[5].cap);
}

void TestExamTables::sectionOfEveryQuestion()
{
    const qint32 starts[] = {1, 16, 49, 57, 59, 68, 80, 93};
    for (qint32 s = 0; s < exam::SectionCount; ++s)
        for (qint32 q = starts[s]; q < starts[s + 1]; ++q)
            QCOMPARE(exam::SectionOf(q), s);
    QCOMPARE(exam::SectionOf(0), -1);
    QCOMPARE(exam::SectionOf(93), -1);
}

void TestExamTables::sittings()
{
    for (const exam::Section &s : exam::SectionTable) {
        const auto &sitting = exam::SittingTable[s.sitting == exam::Sitting::Morning ? 0 : 1];
        QVERIFY(s.firstQuestion >= sitting.firstQuestion);
        QVERIFY(s.lastQuestion <= sitting.lastQuestion);
    }
    QCOMPARE(exam::SittingTable[0].lastQuestion + 1, exam::SittingTable[1].firstQuestion);
}

void TestExamTables::yearLabels_data()
{
    QTest::addColumn<qint32>("index");
    QTest::addColumn<QString>("label"); // null: no label
    QTest::newRow("newest") << 0 << u"平成22年度"_s;
    QTest::newRow("3") << 3 << u"平成19年度"_s;
    QTest::newRow("oldest") << 7 << u"平成15年度"_s;
    QTest::newRow("past the end") << 8 << QString();
    QTest::newRow("negative") << -1 << QString();
    QTest::newRow("far away") << std::numeric_limits<qint32>::min() << QString();
}

void TestExamTables::yearLabels()
{
    QFETCH(qint32, index);
    QFETCH(QString, label);
    const auto found = exam::YearLabelFor(index);
    QCOMPARE(found.has_value(), !label.isNull());
    if (found)
        QCOMPARE(found->toString(), label);
}

void TestExamTables::loadKeyForEveryYear()
{
    for (qint32 year = 0; year < exam::YearCount; ++year) {
        exam::AnswerKeyTable key;
        exam::LoadAnswerKey(year, key);
        QCOMPARE(key[1], quint8(1));
        QCOMPARE(key[2], quint8(2));
        QCOMPARE(key[92], quint8(4));
        for (qint32 q = 1; q <= exam::QuestionCount; ++q)
            QCOMPARE(key[q], quint8((q - 1) % 4 + 1));
    }
}

void TestExamTables::loadKeyOutsideTheYearsChangesNothing_data()
{
    QTest::addColumn<qint32>("index");
    QTest::newRow("8") << 8;
    QTest::newRow("-1") << -1;
    QTest::newRow("max") << std::numeric_limits<qint32>::max();
}

void TestExamTables::loadKeyOutsideTheYearsChangesNothing()
{
    QFETCH(qint32, index);

    exam::AnswerKeyTable zeroFilled;
    exam::LoadAnswerKey(index, zeroFilled);
    QCOMPARE(zeroFilled, exam::AnswerKeyTable{});

    exam::AnswerKeyTable loaded;
    exam::LoadAnswerKey(2, loaded);
    loaded[7] = 1; // something no shipped key holds, so a reload would show
    const exam::AnswerKeyTable before = loaded;
    exam::LoadAnswerKey(index, loaded);
    QCOMPARE(loaded, before);
}

QTEST_GUILESS_MAIN(TestExamTables)
#include "tst_examtables.moc"
