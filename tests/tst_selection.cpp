#include "platform.h"
#include "program.h"

#include "years.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QTest>

using namespace Qt::StringLiterals;

// The exam selection window: how it looks, what a choice of year sets, and the way to the sheet
// and back.
class TestSelection : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void window();
    void controls_data();
    void controls();
    void yearsInTwoColumns();
    void firstYearIsSelectedAtStart();
    void startingWithoutTouchingTheYear();
    void choosingAYear_data();
    void choosingAYear();
    void noYearSelectedKeepsTheLabel();
    void closingTheSheetReturnsWithTheChoiceKept();
    void exitClosesTheMainWindow();
    void keyboardOrder();
};

void TestSelection::initTestCase()
{
    platform::Install();
}

void TestSelection::window()
{
    Program p;
    QCOMPARE(p.form1.windowTitle(), u"Orvanel"_s);
    QCOMPARE(p.form1.size(), QSize(442, 310));
    QCOMPARE(p.form1.minimumSize(), p.form1.maximumSize()); // fixed frame
    const Qt::WindowFlags flags = p.form1.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    const QRect screen = p.form1.screen()->geometry();
    // Centred as a whole; the frame the window system adds may shift it by its own size.
    const QPoint off = p.form1.frameGeometry().center() - screen.center();
    const QSize frame = p.form1.frameGeometry().size() - p.form1.size();
    QVERIFY2(qAbs(off.x()) <= frame.width() + 1 && qAbs(off.y()) <= frame.height() + 1,
             qPrintable(u"off by %1,%2"_s.arg(off.x()).arg(off.y())));
    QCOMPARE(p.form1.font().family(), u"ＭＳ Ｐゴシック"_s);
    QCOMPARE(p.form1.font().pixelSize(), 12);
    QVERIFY(p.form1.isVisible());
    QVERIFY(!p.form2.isVisible());
}

void TestSelection::controls_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pixels");

    QTest::newRow("radio group") << u"RadioGroup1"_s << QRect(40, 40, 361, 193) << u"過去問題"_s
                                 << 19;
    QTest::newRow("start") << u"Button1"_s << QRect(40, 248, 161, 49) << u"選択して開始"_s << 21;
    QTest::newRow("exit") << u"Button2"_s << QRect(232, 248, 169, 49) << u"終了"_s << 21;
}

void TestSelection::controls()
{
    QFETCH(QString, object);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(int, pixels);

    Program p;
    QWidget *widget = p.on<QWidget>(&p.form1, object);
    QCOMPARE(widget->geometry(), geometry);
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(group->title(), caption);
    else
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), caption);
    QCOMPARE(widget->font().pixelSize(), pixels);
    QCOMPARE(widget->font().family(), u"ＭＳ Ｐゴシック"_s);
}

void TestSelection::yearsInTwoColumns()
{
    Program p;
    QCOMPARE(p.form1.radioGroup()->count(), 8);
    for (int i = 0; i < 8; ++i) {
        QRadioButton *item = p.year(i);
        QCOMPARE(item->text(), exam::YearLabels[std::size_t(i)].toString());
        QCOMPARE(item->font().pixelSize(), 19);
        QVERIFY(item->isVisible());
        QVERIFY(item->parentWidget()->rect().contains(item->geometry()));
        // Left column holds 0..3, right column 4..7, each filled top to bottom.
        const int row = i % 4, column = i / 4;
        QRadioButton *sameRowLeft = p.year(row);
        QCOMPARE(item->y(), sameRowLeft->y());
        if (column == 1)
            QVERIFY(item->x() > sameRowLeft->x() + sameRowLeft->width() / 2);
        if (row > 0)
            QVERIFY(item->y() > p.year(i - 1)->y());
    }
}

void TestSelection::firstYearIsSelectedAtStart()
{
    Program p;
    QVERIFY(p.year(0)->isChecked());
    QCOMPARE(p.form1.radioGroup()->itemIndex(), 0);
}

void TestSelection::startingWithoutTouchingTheYear()
{
    Program p;
    QTest::mouseClick(p.selectionButton(1), Qt::LeftButton);
    QCOMPARE(Unit1::YearIndex, 0);
    QCOMPARE(Unit1::YearLabel, u"平成22年度"_s);
    QVERIFY(p.form2.isVisible());
    QVERIFY(!p.form1.isVisible());
    QCOMPARE(p.label(1)->text(), u"平成22年度学科試験"_s);
}

void TestSelection::choosingAYear_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 8; ++i)
        QTest::newRow(qPrintable(exam::YearLabels[std::size_t(i)].toString())) << i;
}

void TestSelection::choosingAYear()
{
    QFETCH(int, index);
    Program p;
    p.startYear(index);
    const QString label = exam::YearLabels[std::size_t(index)].toString();
    QCOMPARE(Unit1::YearIndex, index);
    QCOMPARE(Unit1::YearLabel, label);
    QCOMPARE(p.label(1)->text(), label + u"学科試験"_s);
    QVERIFY(p.form2.isVisible());
    QVERIFY(!p.form1.isVisible());
}

void TestSelection::noYearSelectedKeepsTheLabel()
{
    // A radio group can be left with nothing checked only by the program, never by a click;
    // starting then keeps the label and key of the last year.
    Program p;
    p.startYear(5);
    p.form2.close();
    auto *group = p.year(0)->group();
    group->setExclusive(false);
    p.year(5)->setChecked(false);
    group->setExclusive(true);
    QTest::mouseClick(p.selectionButton(1), Qt::LeftButton);
    QCOMPARE(Unit1::YearIndex, -1);
    QCOMPARE(Unit1::YearLabel, u"平成17年度"_s);
    QCOMPARE(Unit2::AnswerKey[92], quint8(4));
}

void TestSelection::closingTheSheetReturnsWithTheChoiceKept()
{
    Program p;
    p.startYear(6);
    QVERIFY(p.form2.close());
    QVERIFY(p.form1.isVisible());
    QVERIFY(!p.form2.isVisible());
    QVERIFY(p.year(6)->isChecked());
    QCOMPARE(p.form1.radioGroup()->itemIndex(), 6);
}

void TestSelection::exitClosesTheMainWindow()
{
    Program p;
    QTest::mouseClick(p.selectionButton(2), Qt::LeftButton);
    QVERIFY(!p.form1.isVisible());
    QVERIFY(!p.form2.isVisible());
}

void TestSelection::keyboardOrder()
{
    Program p;
    p.form1.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.form1));
    p.selectionButton(1)->setFocus();
    QCOMPARE(QApplication::focusWidget(), p.selectionButton(1));
    QTest::keyClick(&p.form1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), p.year(0)); // the selected year, not the first
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), p.year(1));
    QVERIFY(p.year(1)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), p.selectionButton(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), p.selectionButton(1));
    // Enter on the start button opens the sheet for the year chosen by keyboard.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(Unit1::YearIndex, 1);
    QVERIFY(p.form2.isVisible());
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
