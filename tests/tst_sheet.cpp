#include "platform.h"
#include "program.h"

#include "markarray.h"
#include "scoring.h"

#include <QApplication>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

qint32 correctChoice(qint32 q)
{
    return (q - 1) % 4 + 1;
}
qint32 correctBox(qint32 q)
{
    return exam::ChoiceBoxNumber(q, correctChoice(q));
}

bool looksHighlighted(const QCheckBox *box)
{
    return box->palette().color(QPalette::WindowText) == QColor(255, 0, 0) && box->font().bold();
}

bool looksPlain(const QCheckBox *box)
{
    return box->palette().color(QPalette::WindowText) == QColor(0, 0, 0) && !box->font().bold();
}

struct ScoreLine {
    QString outOf;
    QString score;
    bool passHint;
};

ScoreLine scoreLine(Program &p)
{
    return {p.label(18)->text(), p.label(19)->text(), p.label(21)->isVisible()};
}

} // namespace

class TestSheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void typicalUse();
    void showingResetsEverything();
    void scoreLine_data();
    void scoreLine();
    void scoresMatchTheExamRules();
    void highlightingShowsExactlyTheCorrectBoxes();
    void highlightingTogglesBack();
    void scoringWhileHighlighted();
    void clearingWhileHighlighted();
    void clearingKeepsHeadingAndKey();
    void markingByKeyboard();
    void overflowInAHandlerIsReportedAndTheProgramGoesOn();
};

void TestSheet::initTestCase()
{
    platform::Install();
}

void TestSheet::typicalUse()
{
    Program p;
    QVERIFY(p.year(0)->isChecked());
    p.startYear(3); // 平成19年度
    QCOMPARE(Unit1::YearIndex, 3);
    QVERIFY(!p.form1.isVisible());
    QVERIFY(p.form2.isVisible());
    QCOMPARE(p.label(1)->text(), u"平成19年度学科試験"_s);
    QCOMPARE(p.label(1)->size(), p.label(1)->sizeHint()); // refitted to the new heading
    QVERIFY(!p.label(21)->isVisible());

    // Forty right answers among the first questions and a few wrong ones.
    for (qint32 q = 1; q <= 40; ++q)
        p.tick(q, correctChoice(q));
    p.tick(41, correctChoice(41) % 4 + 1);
    p.tick(42, correctChoice(42));
    p.tick(42, correctChoice(42) % 4 + 1); // right and wrong together: no point
    QVERIFY(p.choice(1, 1)->isChecked());
    QCOMPARE(p.label(19)->text(), u"0"_s); // nothing is computed while marking

    p.press(1);
    // Section 1 counts 10 of its 15, section 2 all 25 of 16..40 capped at 15.
    QCOMPARE(p.label(18)->text(), u"60問中"_s);
    QCOMPARE(p.label(19)->text(), u"25"_s);
    QVERIFY(p.label(21)->isVisible());
    QCOMPARE(p.label(21)->text(), u"正解36問以上が合格圏内"_s);

    p.press(3);
    QCOMPARE(p.sheetButton(3)->text(), u"正解消去"_s);
    QVERIFY(looksHighlighted(p.box(368)));

    QVERIFY(p.form2.close());
    QVERIFY(p.form1.isVisible());
    QVERIFY(!p.form2.isVisible());
    QVERIFY(p.year(3)->isChecked());
}

void TestSheet::showingResetsEverything()
{
    Program p;
    p.startYear(0);
    for (qint32 box = 1; box <= 368; box += 5)
        p.box(box)->setChecked(true);
    p.press(1);
    p.press(3);
    QVERIFY(p.form2.close());

    p.startYear(7);
    QCOMPARE(p.label(1)->text(), u"平成15年度学科試験"_s);
    QCOMPARE(p.label(18)->text(), QString());
    QCOMPARE(p.label(19)->text(), u"0"_s);
    QVERIFY(!p.label(21)->isVisible());
    QCOMPARE(p.sheetButton(3)->text(), u"正解表示"_s);
    QVERIFY(!p.form2.AnswersShown);
    QCOMPARE(Unit2::Score, quint8(0));
    for (qint32 box = 1; box <= 368; ++box) {
        QVERIFY(!p.box(box)->isChecked());
        QVERIFY(looksPlain(p.box(box)));
        QCOMPARE(Unit2::ChoiceBoxes[box].data(), p.box(box));
    }
    QCOMPARE(Unit2::AnswerKey[92], quint8(4));

    // The same year again is a fresh sheet too.
    p.tick(1, 1);
    QVERIFY(p.form2.close());
    p.startYear(7);
    QVERIFY(!p.choice(1, 1)->isChecked());
}

void TestSheet::scoreLine_data()
{
    QTest::addColumn<QList<int>>("presses");
    QTest::addColumn<QString>("outOf");
    QTest::addColumn<QString>("score");
    QTest::addColumn<bool>("passHint");

    // On a sheet with every correct box ticked.
    QTest::newRow("shown") << QList<int>{} << QString() << u"0"_s << false;
    QTest::newRow("standard") << QList<int>{1} << u"60問中"_s << u"60"_s << true;
    QTest::newRow("all") << QList<int>{2} << u"92問中"_s << u"92"_s << false;
    QTest::newRow("standard then all") << QList<int>{1, 2} << u"92問中"_s << u"92"_s << false;
    QTest::newRow("all then standard") << QList<int>{2, 1} << u"60問中"_s << u"60"_s << true;
    QTest::newRow("standard then clear") << QList<int>{1, 4} << QString() << u"0"_s << false;
    QTest::newRow("all then clear") << QList<int>{2, 4} << QString() << u"0"_s << false;
    QTest::newRow("clear then standard") << QList<int>{4, 1} << u"60問中"_s << u"0"_s << true;
    QTest::newRow("highlighting keeps the line")
        << QList<int>{1, 3, 3} << u"60問中"_s << u"60"_s << true;
    QTest::newRow("standard twice") << QList<int>{1, 1} << u"60問中"_s << u"60"_s << true;
}

void TestSheet::scoreLine()
{
    QFETCH(QList<int>, presses);
    QFETCH(QString, outOf);
    QFETCH(QString, score);
    QFETCH(bool, passHint);

    Program p;
    p.startYear(2);
    for (qint32 q = 1; q <= 92; ++q)
        p.box(correctBox(q))->setChecked(true);
    for (const int button : presses)
        p.press(button);

    const ScoreLine line = ::scoreLine(p);
    QCOMPARE(line.outOf, outOf);
    QCOMPARE(line.score, score);
    QCOMPARE(line.passHint, passHint);
    QCOMPARE(p.label(18)->size(), p.label(18)->sizeHint());
}

void TestSheet::scoresMatchTheExamRules()
{
    // Random sheets ticked on the window score exactly as the exam library scores the same marks.
    Program p;
    p.startYear(4);
    QRandomGenerator rng(4242);
    for (int round = 0; round < 25; ++round) {
        exam::MarkArray marks;
        for (qint32 box = 1; box <= 368; ++box) {
            const bool on = rng.bounded(3u) == 0 ||
                            (rng.bounded(2u) == 0 && box == correctBox((box - 1) / 4 + 1));
            p.box(box)->setChecked(on);
            marks.mark(box, on);
        }
        exam::AnswerKeyTable key;
        exam::LoadAnswerKey(4, key);
        quint8 all = 0;
        exam::ScoreAll(marks, key, all);
        p.press(1);
        QCOMPARE(p.label(19)->text(), QString::number(exam::ScoreStandard(marks, key).total));
        p.press(2);
        QCOMPARE(p.label(19)->text(), QString::number(all));
        QCOMPARE(Unit2::Score, all);
    }
}

void TestSheet::highlightingShowsExactlyTheCorrectBoxes()
{
    Program p;
    p.startYear(0);
    p.press(3);
    QVERIFY(p.form2.AnswersShown);
    QCOMPARE(p.sheetButton(3)->text(), u"正解消去"_s);
    QStringList red;
    for (qint32 box = 1; box <= 368; ++box) {
        QCheckBox *b = p.box(box);
        QVERIFY(!b->isChecked()); // highlighting never marks
        if (looksHighlighted(b))
            red << b->objectName();
        else
            QVERIFY(looksPlain(b));
    }
    QCOMPARE(red.size(), 92);
    QCOMPARE(red.mid(0, 5), (QStringList{u"CheckBox1"_s, u"CheckBox6"_s, u"CheckBox11"_s,
                                         u"CheckBox16"_s, u"CheckBox17"_s}));
    QCOMPARE(red.last(), u"CheckBox368"_s);
    for (qint32 q = 1; q <= 92; ++q)
        QVERIFY(red.contains(exam::ChoiceBoxName(correctBox(q))));
}

void TestSheet::highlightingTogglesBack()
{
    Program p;
    p.startYear(0);
    p.tick(3, 3);
    p.press(3);
    p.press(3);
    QVERIFY(!p.form2.AnswersShown);
    QCOMPARE(p.sheetButton(3)->text(), u"正解表示"_s);
    for (qint32 box = 1; box <= 368; ++box)
        QVERIFY(looksPlain(p.box(box)));
    QVERIFY(p.choice(3, 3)->isChecked()); // marks untouched
    p.press(3);
    QVERIFY(looksHighlighted(p.choice(3, 3)));
}

void TestSheet::scoringWhileHighlighted()
{
    Program p;
    p.startYear(1);
    QRandomGenerator rng(99);
    for (qint32 box = 1; box <= 368; ++box)
        p.box(box)->setChecked(rng.bounded(2u) == 0 || box % 7 == 0);
    p.press(1);
    const QString standardPlain = p.label(19)->text();
    p.press(2);
    const QString allPlain = p.label(19)->text();

    p.press(3);
    p.press(1);
    QCOMPARE(p.label(19)->text(), standardPlain);
    p.press(2);
    QCOMPARE(p.label(19)->text(), allPlain);
    QVERIFY(p.form2.AnswersShown); // scoring leaves the highlighting alone
    QVERIFY(looksHighlighted(p.box(1)));
}

void TestSheet::clearingWhileHighlighted()
{
    Program p;
    p.startYear(0);
    for (qint32 q = 1; q <= 92; ++q)
        p.tick(q, 1);
    p.press(2);
    p.press(3);
    p.press(4);
    QVERIFY(!p.form2.AnswersShown);
    QCOMPARE(p.sheetButton(3)->text(), u"正解表示"_s);
    for (qint32 box = 1; box <= 368; ++box) {
        QVERIFY(!p.box(box)->isChecked());
        QVERIFY(looksPlain(p.box(box)));
    }
    QCOMPARE(p.label(19)->text(), u"0"_s);
    QCOMPARE(Unit2::Score, quint8(0));
}

void TestSheet::clearingKeepsHeadingAndKey()
{
    Program p;
    p.startYear(6);
    const exam::AnswerKeyTable key = Unit2::AnswerKey;
    p.press(4);
    QCOMPARE(p.label(1)->text(), u"平成16年度学科試験"_s);
    QVERIFY(Unit2::AnswerKey == key);
}

void TestSheet::markingByKeyboard()
{
    Program p;
    p.startYear(0);
    QVERIFY(QTest::qWaitForWindowActive(&p.form2));
    QCheckBox *box = p.choice(5, 1); // first in the keyboard order
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(box->isChecked());
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), p.choice(5, 2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(p.choice(5, 2)->isChecked());
    // Enter on a focused button runs it.
    p.sheetButton(2)->setFocus();
    QTest::keyClick(p.sheetButton(2), Qt::Key_Return);
    QCOMPARE(p.label(18)->text(), u"92問中"_s);
}

void TestSheet::overflowInAHandlerIsReportedAndTheProgramGoesOn()
{
    Program p;
    p.startYear(0);
    p.tick(1, 1);
    // A key entry no key can hold sends scoring past the bounds of a choice number.
    Unit2::AnswerKey[30] = 200;

    QString reported;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        reported = box->text();
        box->accept();
    });
    p.press(2);
    QVERIFY2(reported.startsWith(u"整数オーバーフローが発生しました。"_s), qPrintable(reported));
    QVERIFY(p.form2.isVisible());

    // The sheet still works once the key is sound again.
    exam::LoadAnswerKey(0, Unit2::AnswerKey);
    p.press(2);
    QCOMPARE(p.label(19)->text(), u"1"_s);
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
