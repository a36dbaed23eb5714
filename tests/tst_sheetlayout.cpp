#include "numbering.h"
#include "platform.h"
#include "sections.h"
#include "unit2.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Column {
    const char *parent;
    int left;
    int firstQuestion;
    int lastQuestion;
    int firstTop;
};

// Where the question boxes stand: columns 48 pixels apart from top to bottom.
constexpr Column Columns[] = {
    {"GroupBox5", 16, 1, 10, 32},   {"GroupBox5", 192, 11, 15, 32},  {"GroupBox5", 384, 16, 25, 32},
    {"GroupBox5", 560, 26, 35, 32}, {"GroupBox5", 736, 36, 45, 32},  {"GroupBox5", 912, 46, 48, 32},
    {"GroupBox5", 16, 49, 52, 528}, {"GroupBox5", 192, 53, 56, 528}, {"Panel4", 8, 57, 58, 8},
    {"Panel5", 8, 59, 63, 8},       {"Panel5", 184, 64, 67, 8},      {"Panel6", 8, 68, 73, 8},
    {"Panel6", 184, 74, 79, 8},     {"Panel7", 8, 80, 86, 8},        {"Panel7", 184, 87, 92, 8},
};

struct Placement {
    QString parent;
    QPoint topLeft;
};

Placement questionPlacement(int q)
{
    for (const Column &c : Columns)
        if (q >= c.firstQuestion && q <= c.lastQuestion)
            return {QString::fromLatin1(c.parent),
                    {c.left, c.firstTop + 48 * (q - c.firstQuestion)}};
    return {};
}

struct PanelSpec {
    const char *parent;
    QRect geometry;
    QPoint caption1;
    QPoint caption2;
};

const PanelSpec Panels[] = {
    {"GroupBox5", {6, 24, 363, 489}, {216, 344}, {224, 376}},
    {"GroupBox5", {374, 24, 715, 489}, {568, 272}, {584, 304}},
    {"GroupBox5", {6, 520, 547, 201}, {408, 80}, {408, 106}},
    {"GroupBox1", {6, 24, 363, 110}, {240, 32}, {240, 58}},
    {"GroupBox1", {6, 144, 363, 256}, {232, 208}, {232, 226}},
    {"GroupBox1", {374, 24, 363, 336}, {120, 304}, {184, 304}},
    {"GroupBox1", {742, 24, 363, 351}, {216, 304}, {224, 322}},
};

QString name(const char *prefix, int n)
{
    return QString::fromLatin1(prefix) + QString::number(n);
}

// The colour the window system actually paints at `pos` of `widget`.
QColor paintedAt(QWidget *widget, QPoint pos)
{
    const QImage image = widget->grab().toImage();
    // At a scale factor above 1 the grab has more device pixels than the widget has logical ones.
    return image.pixelColor((QPointF(pos) * image.devicePixelRatio()).toPoint());
}

} // namespace

class TestSheetLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void window();
    void header_data();
    void header();
    void scoreLineStartsEmpty();
    void everyChoiceBox();
    void questionBoxes();
    void questionBoxesLieOnTheirSectionPanel();
    void sittingsAndPanels_data();
    void sittingsAndPanels();
    void sectionInstructions();
    void coloursArePaintedExactly_data();
    void coloursArePaintedExactly();
    void keyboardOrder();
    void scrolling_data();
    void scrolling();

private:
    template <typename T> T *find(const QString &objectName) const
    {
        T *found = m_sheet->findChild<T *>(objectName);
        if (!found)
            qFatal("no %s", qPrintable(objectName));
        return found;
    }

    std::unique_ptr<TForm2> m_sheet;
};

void TestSheetLayout::initTestCase()
{
    platform::Install();
}

void TestSheetLayout::init()
{
    m_sheet = std::make_unique<TForm2>();
}

void TestSheetLayout::cleanup()
{
    m_sheet.reset();
}

void TestSheetLayout::window()
{
    QCOMPARE(m_sheet->windowTitle(), u"回答用紙"_s);
    QVERIFY(!m_sheet->isVisible()); // built hidden
    QCOMPARE(m_sheet->pos(), QPoint(210, 115));
    // The design size, unless the screen is smaller (the offscreen one is).
    QCOMPARE(m_sheet->size(),
             QSize(1070, 651).boundedTo(m_sheet->screen()->availableGeometry().size()));
    QCOMPARE(m_sheet->font().family(), u"ＭＳ Ｐゴシック"_s);
    QCOMPARE(m_sheet->font().pixelSize(), 12);
    QVERIFY(m_sheet->maximumSize().width() > 2000); // sizeable
    // The stand-in font must be installed, or every caption renders in some fallback.
    QVERIFY2(QFontInfo(m_sheet->font()).family().contains(u"IPAPGothic"_s) ||
                 QFontInfo(m_sheet->font()).family().contains(u"Noto Sans CJK JP"_s),
             qPrintable(QFontInfo(m_sheet->font()).family()));
}

void TestSheetLayout::header_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QRect>("geometry"); // empty size: auto-sized, only the position counts
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pixels");

    QTest::newRow("Label1") << u"Label1"_s << QRect(8, 8, 0, 0) << u"Label1"_s << 16;
    QTest::newRow("Label2") << u"Label2"_s << QRect(8, 32, 0, 0)
                            << u"全92問中 60問を選択し、解答して下さい。"_s << 12;
    QTest::newRow("Label3") << u"Label3"_s << QRect(8, 48, 0, 0)
                            << u"選択問題の解答数が、指定数を超えた場合は減点となります。"_s << 12;
    QTest::newRow("Button1") << u"Button1"_s << QRect(336, 8, 65, 33) << u"通常採点"_s << 12;
    QTest::newRow("Button2") << u"Button2"_s << QRect(416, 8, 65, 33) << u"全採点"_s << 12;
    QTest::newRow("Button3") << u"Button3"_s << QRect(512, 8, 65, 33) << u"正解表示"_s << 12;
    QTest::newRow("Button4") << u"Button4"_s << QRect(336, 48, 145, 33) << u"回答クリア"_s << 12;
    QTest::newRow("Label18") << u"Label18"_s << QRect(600, 48, 0, 0) << QString() << 16;
    QTest::newRow("Label19") << u"Label19"_s << QRect(662, 47, 26, 19) << u"0"_s << 19;
    QTest::newRow("Label20") << u"Label20"_s << QRect(696, 48, 0, 0) << u"問正解"_s << 16;
    QTest::newRow("Label21") << u"Label21"_s << QRect(768, 48, 0, 0) << u"正解36問以上が合格圏内"_s
                             << 16;
}

void TestSheetLayout::header()
{
    QFETCH(QString, object);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(int, pixels);

    QWidget *widget = find<QWidget>(object);
    QCOMPARE(widget->parentWidget(), m_sheet->findChild<QScrollArea *>()->widget());
    QCOMPARE(widget->pos(), geometry.topLeft());
    if (geometry.size().isEmpty()) { // auto-sized: fits its text
        auto *label = qobject_cast<QLabel *>(widget);
        QVERIFY(label);
        QCOMPARE(label->size(), label->sizeHint());
    } else {
        QCOMPARE(widget->size(), geometry.size());
    }
    const QString text = qobject_cast<QLabel *>(widget)
                             ? qobject_cast<QLabel *>(widget)->text()
                             : qobject_cast<QPushButton *>(widget)->text();
    QCOMPARE(text, caption);
    QCOMPARE(widget->font().pixelSize(), pixels);
    QCOMPARE(widget->font().family(), u"ＭＳ Ｐゴシック"_s);
    QVERIFY(!widget->font().bold());
}

void TestSheetLayout::scoreLineStartsEmpty()
{
    m_sheet->show(); // Label21 is hidden in the layout itself, not only by showing
    auto *figure = find<QLabel>(u"Label19"_s);
    QVERIFY(find<QLabel>(u"Label18"_s)->text().isEmpty());
    QVERIFY(find<QLabel>(u"Label18"_s)->isVisible());
    QVERIFY(!find<QLabel>(u"Label21"_s)->isVisible());
    QCOMPARE(figure->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(figure->alignment() & Qt::AlignRight);
    QCOMPARE(figure->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Window));
}

void TestSheetLayout::everyChoiceBox()
{
    const QList<QCheckBox *> all = m_sheet->findChildren<QCheckBox *>();
    QCOMPARE(all.size(), 368);
    for (int n = 1; n <= 368; ++n) {
        const int q = (n - 1) / 4 + 1;
        const int c = (n - 1) % 4 + 1;
        auto *box = find<QCheckBox>(name("CheckBox", n));
        auto *question = qobject_cast<QGroupBox *>(box->parentWidget());
        QVERIFY(question);
        QCOMPARE(question->title(), u"問題"_s + QString::number(q));
        QCOMPARE(box->text(), QString::number(c));
        QCOMPARE(box->geometry(), QRect(8 + 40 * (c - 1), 16, 33, 17));
        QVERIFY(!box->isChecked());
        QCOMPARE(box->font().pixelSize(), 15);
        QVERIFY(!box->font().bold());
        QCOMPARE(box->palette().color(QPalette::WindowText),
                 QApplication::palette().color(QPalette::WindowText));
    }
}

void TestSheetLayout::questionBoxes()
{
    for (int q = 1; q <= 92; ++q) {
        const Placement expected = questionPlacement(q);
        auto *box = find<QCheckBox>(name("CheckBox", 4 * (q - 1) + 1))->parentWidget();
        QCOMPARE(box->parentWidget()->objectName(), expected.parent);
        QCOMPARE(box->geometry(), QRect(expected.topLeft, QSize(169, 41)));
        QCOMPARE(box->palette().color(QPalette::Window), QColor(128, 128, 128));
        QCOMPARE(box->font().pixelSize(), 15);
    }
}

void TestSheetLayout::questionBoxesLieOnTheirSectionPanel()
{
    for (int q = 1; q <= 92; ++q) {
        const int section = exam::SectionOf(q);
        QWidget *panel = find<QWidget>(name("Panel", section + 1));
        QWidget *box = find<QCheckBox>(name("CheckBox", 4 * (q - 1) + 1))->parentWidget();
        // Compare in the coordinates of the panel, whoever the box's parent is.
        const QRect onPanel(box->mapTo(panel->window(), QPoint()) -
                                panel->mapTo(panel->window(), QPoint()),
                            box->size());
        QVERIFY2(panel->rect().contains(onPanel),
                 qPrintable(u"question %1 at %2,%3"_s.arg(q).arg(onPanel.x()).arg(onPanel.y())));
        if (box->parentWidget() != panel) // morning boxes are drawn over the panel, not under it
            QVERIFY(box->parentWidget()->children().indexOf(box) >
                    box->parentWidget()->children().indexOf(panel));
    }
    // Question 31 is the example of a box over a panel it is not a child of.
    QWidget *q31 = find<QCheckBox>(u"CheckBox121"_s)->parentWidget();
    QCOMPARE(q31->pos(), QPoint(560, 272));
    QCOMPARE(q31->parentWidget()->objectName(), u"GroupBox5"_s);
}

void TestSheetLayout::sittingsAndPanels_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("fill");

    QTest::newRow("morning") << u"GroupBox5"_s << u"ClientArea"_s << QRect(8, 88, 1113, 729)
                             << QColor(192, 192, 192);
    QTest::newRow("afternoon") << u"GroupBox1"_s << u"ClientArea"_s << QRect(8, 832, 1113, 409)
                               << QColor(192, 192, 192);
    for (int i = 0; i < 7; ++i)
        QTest::newRow(qPrintable(name("Panel", i + 1)))
            << name("Panel", i + 1) << QString::fromLatin1(Panels[i].parent) << Panels[i].geometry
            << QColor(128, 128, 128);
}

void TestSheetLayout::sittingsAndPanels()
{
    QFETCH(QString, object);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QColor, fill);

    QWidget *widget = find<QWidget>(object);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->autoFillBackground());
    QCOMPARE(widget->palette().color(QPalette::Window), fill);
    QCOMPARE(widget->font().pixelSize(), 15);
    if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        const exam::SittingInfo &sitting = exam::SittingTable[object == u"GroupBox5"_s ? 0 : 1];
        QCOMPARE(group->title(), sitting.caption.toString());
    } else {
        auto *frame = qobject_cast<QFrame *>(widget);
        QCOMPARE(frame->frameShape(), QFrame::Panel);
        QCOMPARE(frame->frameShadow(), QFrame::Raised);
    }
}

void TestSheetLayout::sectionInstructions()
{
    for (int i = 0; i < 7; ++i) {
        QWidget *panel = find<QWidget>(name("Panel", i + 1));
        QList<QLabel *> labels = panel->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(labels.size(), 2);
        // Captions are the labels Label4..Label17, two a panel in panel order.
        QCOMPARE(labels[0]->objectName(), name("Label", 4 + 2 * i));
        QCOMPARE(labels[1]->objectName(), name("Label", 5 + 2 * i));
        QCOMPARE(labels[0]->text(), exam::SectionTable[std::size_t(i)].instruction1.toString());
        QCOMPARE(labels[1]->text(), exam::SectionTable[std::size_t(i)].instruction2.toString());
        QCOMPARE(labels[0]->pos(), Panels[i].caption1);
        QCOMPARE(labels[1]->pos(), Panels[i].caption2);
        QCOMPARE(labels[0]->font().pixelSize(), 15);
    }
}

void TestSheetLayout::coloursArePaintedExactly_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("colour");

    // Points that no child covers: silver between panels, grey on an empty part of a panel.
    QTest::newRow("morning group") << u"GroupBox5"_s << QPoint(1100, 600) << QColor(192, 192, 192);
    QTest::newRow("afternoon group")
        << u"GroupBox1"_s << QPoint(1109, 390) << QColor(192, 192, 192);
    QTest::newRow("panel 2") << u"Panel2"_s << QPoint(700, 450) << QColor(128, 128, 128);
    QTest::newRow("panel 6") << u"Panel6"_s << QPoint(20, 320) << QColor(128, 128, 128);
    QTest::newRow("question box") << u"QuestionBox1"_s << QPoint(150, 30) << QColor(128, 128, 128);
}

void TestSheetLayout::coloursArePaintedExactly()
{
    QFETCH(QString, object);
    QFETCH(QPoint, where);
    QFETCH(QColor, colour);
    m_sheet->show();
    QCOMPARE(paintedAt(find<QWidget>(object), where), colour);
}

void TestSheetLayout::keyboardOrder()
{
    QStringList expected;
    const auto addQuestion = [&](int q) {
        for (int c = 1; c <= 4; ++c)
            expected << name("CheckBox", 4 * (q - 1) + c);
    };
    for (int q = 5; q <= 56; ++q)
        addQuestion(q);
    for (int q = 1; q <= 4; ++q)
        addQuestion(q);
    expected << u"Button1"_s << u"Button2"_s << u"Button3"_s << u"Button4"_s;
    for (int q = 57; q <= 92; ++q)
        addQuestion(q);

    QStringList chain;
    QWidget *w = find<QWidget>(expected.first());
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w->objectName() != expected.first() && chain.size() <= expected.size());
    QCOMPARE(chain, expected);
}

void TestSheetLayout::scrolling_data()
{
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");

    QTest::newRow("design size") << QSize(1070, 651) << true << true;
    QTest::newRow("wide enough") << QSize(1140, 651) << false << true;
    QTest::newRow("tall enough") << QSize(900, 1260) << true << false;
    QTest::newRow("everything fits") << QSize(1140, 1260) << false << false;
}

void TestSheetLayout::scrolling()
{
    QFETCH(QSize, windowSize);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);

    m_sheet->resize(windowSize);
    m_sheet->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_sheet.get()));
    auto *area = m_sheet->findChild<QScrollArea *>();
    QCOMPARE(area->widget()->size(), QSize(1121, 1241));
    QTRY_COMPARE(area->horizontalScrollBar()->isVisible(), horizontal);
    QCOMPARE(area->verticalScrollBar()->isVisible(), vertical);
    QVERIFY(area->horizontalScrollBar()->hasTracking());
    QVERIFY(area->verticalScrollBar()->hasTracking());

    // The afternoon group comes into view by scrolling down.
    QWidget *afternoon = find<QWidget>(u"GroupBox1"_s);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    const QRect visible = area->viewport()->rect();
    const QPoint top = afternoon->mapTo(area->viewport(), QPoint(0, 0));
    QVERIFY2(visible.contains(top), qPrintable(u"%1,%2"_s.arg(top.x()).arg(top.y())));
}

QTEST_MAIN(TestSheetLayout)
#include "tst_sheetlayout.moc"
