#include "checked.h"

#include <QTest>

#include <limits>

using exam::OverflowError;

// The checked operations must give the exact result up to the bound of their type and refuse
// the first value past it.
class TestChecked : public QObject {
    Q_OBJECT

private slots:
    void unsignedByte_data();
    void unsignedByte();
    void signed32_data();
    void signed32();
    void narrowing();
    void ranges();
    void oneBasedIndexing();
};

void TestChecked::unsignedByte_data()
{
    QTest::addColumn<char>("op");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("expected"); // -1: must throw

    QTest::newRow("add to the bound") << '+' << 254 << 1 << 255;
    QTest::newRow("add past the bound") << '+' << 255 << 1 << -1;
    QTest::newRow("add zero at the bound") << '+' << 255 << 0 << 255;
    QTest::newRow("subtract to zero") << '-' << 1 << 1 << 0;
    QTest::newRow("subtract below zero") << '-' << 0 << 1 << -1;
    QTest::newRow("multiply to the bound") << '*' << 85 << 3 << 255;
    QTest::newRow("multiply past the bound") << '*' << 64 << 4 << -1;
}

void TestChecked::unsignedByte()
{
    QFETCH(char, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, expected);

    const auto run = [&] {
        const auto x = quint8(a), y = quint8(b);
        switch (op) {
        case '+':
            return exam::checkedAdd(x, y);
        case '-':
            return exam::checkedSub(x, y);
        default:
            return exam::checkedMul(x, y);
        }
    };
    if (expected < 0)
        QVERIFY_THROWS_EXCEPTION(OverflowError, run());
    else
        QCOMPARE(int(run()), expected);
}

void TestChecked::signed32_data()
{
    QTest::addColumn<char>("op");
    QTest::addColumn<qint32>("a");
    QTest::addColumn<qint32>("b");
    QTest::addColumn<bool>("overflows");

    constexpr qint32 max = std::numeric_limits<qint32>::max();
    constexpr qint32 min = std::numeric_limits<qint32>::min();
    QTest::newRow("add to max") << '+' << max - 1 << 1 << false;
    QTest::newRow("add past max") << '+' << max << 1 << true;
    QTest::newRow("subtract to min") << '-' << min + 1 << 1 << false;
    QTest::newRow("subtract past min") << '-' << min << 1 << true;
    QTest::newRow("multiply past max") << '*' << max / 2 + 1 << 2 << true;
    QTest::newRow("multiply to min") << '*' << min / 2 << 2 << false;
}

void TestChecked::signed32()
{
    QFETCH(char, op);
    QFETCH(qint32, a);
    QFETCH(qint32, b);
    QFETCH(bool, overflows);

    const auto run = [&] {
        switch (op) {
        case '+':
            return exam::checkedAdd(a, b);
        case '-':
            return exam::checkedSub(a, b);
        default:
            return exam::checkedMul(a, b);
        }
    };
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(OverflowError, run());
    } else {
        const qint64 wide = op == '+' ? qint64(a) + b : op == '-' ? qint64(a) - b : qint64(a) * b;
        QCOMPARE(qint64(run()), wide);
    }
}

void TestChecked::narrowing()
{
    QCOMPARE(exam::checkedNarrow<quint8>(255), quint8(255));
    QCOMPARE(exam::checkedNarrow<quint8>(0), quint8(0));
    QVERIFY_THROWS_EXCEPTION(OverflowError, exam::checkedNarrow<quint8>(256));
    QVERIFY_THROWS_EXCEPTION(OverflowError, exam::checkedNarrow<quint8>(-1));
}

void TestChecked::ranges()
{
    QCOMPARE(exam::checkedRange(1, 1, 4), 1);
    QCOMPARE(exam::checkedRange(4, 1, 4), 4);
    QVERIFY_THROWS_EXCEPTION(OverflowError, exam::checkedRange(0, 1, 4));
    QVERIFY_THROWS_EXCEPTION(OverflowError, exam::checkedRange(5, 1, 4));
}

void TestChecked::oneBasedIndexing()
{
    exam::OneBasedArray<int, 3> a;
    a[1] = 10;
    a[3] = 30;
    QCOMPARE(a.items[0], 10);
    QCOMPARE(a.items[2], 30);
    QVERIFY_THROWS_EXCEPTION(OverflowError, a[0]);
    QVERIFY_THROWS_EXCEPTION(OverflowError, a[4]);
    QVERIFY_THROWS_EXCEPTION(OverflowError, a[-1]);
}

QTEST_GUILESS_MAIN(TestChecked)
#include "tst_checked.moc"
