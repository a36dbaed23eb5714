#include "platform.h"
#include "program.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString accessibleText(QWidget *widget, QAccessible::Text which)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : u"<no interface>"_s;
}

} // namespace

// What assistive technology is told about the sheet, and that keyboard focus can be seen.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::Install(); }
    void choiceBoxesSayQuestionAndChoice();
    void buttonsAndScoreLine();
    void highlightingIsSaidInWords();
    void focusIsVisibleOnTheGreyPanels();
};

void TestAccessibility::choiceBoxesSayQuestionAndChoice()
{
    Program p;
    p.startYear(0);
    for (qint32 n = 1; n <= 368; ++n) {
        const int q = (n - 1) / 4 + 1, c = (n - 1) % 4 + 1;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(p.box(n));
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::CheckBox);
        QCOMPARE(face->text(QAccessible::Name), u"問題%1 選択肢%2"_s.arg(q).arg(c));
    }
    p.tick(12, 3);
    QVERIFY(QAccessible::queryAccessibleInterface(p.choice(12, 3))->state().checked);
    QVERIFY(!QAccessible::queryAccessibleInterface(p.choice(12, 2))->state().checked);
}

void TestAccessibility::buttonsAndScoreLine()
{
    Program p;
    QCOMPARE(accessibleText(p.selectionButton(1), QAccessible::Name), u"選択して開始"_s);
    QCOMPARE(accessibleText(p.selectionButton(2), QAccessible::Name), u"終了"_s);
    QCOMPARE(accessibleText(p.year(3), QAccessible::Name), u"平成19年度"_s);
    p.startYear(0);
    const QString captions[] = {u"通常採点"_s, u"全採点"_s, u"正解表示"_s, u"回答クリア"_s};
    for (int b = 1; b <= 4; ++b) {
        QCOMPARE(QAccessible::queryAccessibleInterface(p.sheetButton(b))->role(),
                 QAccessible::Button);
        QCOMPARE(accessibleText(p.sheetButton(b), QAccessible::Name), captions[b - 1]);
    }
    p.press(1);
    // The labels' texts are their names, so the figures are read out; what they mean is the
    // description.
    QCOMPARE(accessibleText(p.label(18), QAccessible::Name), u"60問中"_s);
    QCOMPARE(accessibleText(p.label(19), QAccessible::Name), u"0"_s);
    QCOMPARE(accessibleText(p.label(19), QAccessible::Description), u"正解数"_s);
    QCOMPARE(accessibleText(p.label(21), QAccessible::Name), u"正解36問以上が合格圏内"_s);
    QCOMPARE(accessibleText(p.label(21), QAccessible::Description), u"合格の目安"_s);
    QCOMPARE(accessibleText(p.label(1), QAccessible::Name), u"平成22年度学科試験"_s);
}

void TestAccessibility::highlightingIsSaidInWords()
{
    Program p;
    p.startYear(0);
    p.press(3);
    for (qint32 n = 1; n <= 368; ++n) {
        const int q = (n - 1) / 4 + 1, c = (n - 1) % 4 + 1;
        const bool correct = c == (q - 1) % 4 + 1;
        QCOMPARE(accessibleText(p.box(n), QAccessible::Description),
                 correct ? u"正解（赤の太字で表示）"_s : QString());
    }
    p.press(3);
    QCOMPARE(accessibleText(p.box(1), QAccessible::Description), QString());
}

void TestAccessibility::focusIsVisibleOnTheGreyPanels()
{
    Program p;
    p.startYear(0);
    QVERIFY(QTest::qWaitForWindowActive(&p.form2));
    QCheckBox *box = p.choice(1, 2);
    const QImage unfocused = box->grab().toImage();
    box->setFocus(Qt::TabFocusReason);
    QVERIFY(box->hasFocus());
    const QImage focused = box->grab().toImage();
    int changed = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            changed += focused.pixel(x, y) != unfocused.pixel(x, y);
    QVERIFY2(changed >= 10, qPrintable(u"%1 pixels show the focus"_s.arg(changed)));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
