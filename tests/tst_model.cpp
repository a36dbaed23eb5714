// Plays random sequences of user actions against the real windows and compares everything a user
// can see with a small model of the program written here from scratch.
//
// ORVANEL_MODEL_STEPS (default 3000) and ORVANEL_MODEL_SEED (default fixed) run it longer or
// differently; a failure prints the seed and the shortest action sequence that still fails.
#include "platform.h"
#include "program.h"
#include "reference.h"

#include <QRandomGenerator>
#include <QTest>

#include <bitset>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString Years[8] = {u"平成22年度"_s, u"平成21年度"_s, u"平成20年度"_s, u"平成19年度"_s,
                          u"平成18年度"_s, u"平成17年度"_s, u"平成16年度"_s, u"平成15年度"_s};

enum class Kind { ChooseYear, Start, ClickBox, SpaceBox, Press, CloseSheet };

struct Action {
    Kind kind;
    int arg = 0; // year index, box number or sheet button number

    QString describe() const
    {
        switch (kind) {
        case Kind::ChooseYear:
            return u"choose year %1"_s.arg(arg);
        case Kind::Start:
            return u"press 選択して開始"_s;
        case Kind::ClickBox:
            return u"click CheckBox%1"_s.arg(arg);
        case Kind::SpaceBox:
            return u"space on CheckBox%1"_s.arg(arg);
        case Kind::Press:
            return u"press Button%1 of the sheet"_s.arg(arg);
        case Kind::CloseSheet:
            return u"close the sheet"_s;
        }
        return {};
    }
};

// What a user can see, as the model predicts it.
struct Model {
    bool sheetShown = false;
    int radio = 0;
    QString heading = u"Label1"_s; // the layout's text until the sheet is first shown
    std::bitset<368> marks;
    bool highlighted = false;
    QString outOf;
    QString score = u"0"_s;
    bool passHint = false;

    // Applies an action; false when it cannot be done in this state (its window is hidden).
    bool apply(const Action &a)
    {
        switch (a.kind) {
        case Kind::ChooseYear:
            if (sheetShown)
                return false;
            radio = a.arg;
            return true;
        case Kind::Start:
            if (sheetShown)
                return false;
            sheetShown = true;
            heading = Years[radio] + u"学科試験"_s;
            clear();
            return true;
        case Kind::ClickBox:
        case Kind::SpaceBox:
            if (!sheetShown)
                return false;
            marks.flip(std::size_t(a.arg - 1));
            return true;
        case Kind::Press:
            if (!sheetShown)
                return false;
            press(a.arg);
            return true;
        case Kind::CloseSheet:
            if (!sheetShown)
                return false;
            sheetShown = false;
            return true;
        }
        return false;
    }

    void clear()
    {
        marks.reset();
        highlighted = false;
        outOf.clear();
        score = u"0"_s;
        passHint = false;
    }

    void press(int button)
    {
        const reference::Scores s = reference::score(marks, reference::shippedKey());
        switch (button) {
        case 1:
            outOf = u"60問中"_s;
            score = QString::number(s.standard);
            passHint = true;
            break;
        case 2:
            outOf = u"92問中"_s;
            score = QString::number(s.all);
            passHint = false;
            break;
        case 3:
            highlighted = !highlighted;
            break;
        case 4:
            clear();
            break;
        }
    }
};

bool isCorrectBox(int n)
{
    const int q = (n - 1) / 4 + 1;
    return (n - 1) % 4 + 1 == (q - 1) % 4 + 1;
}

// Does the action on the real windows, the way a user would.
void perform(Program &p, const Action &a)
{
    switch (a.kind) {
    case Kind::ChooseYear:
        QTest::mouseClick(p.year(a.arg), Qt::LeftButton);
        break;
    case Kind::Start:
        QTest::mouseClick(p.selectionButton(1), Qt::LeftButton);
        break;
    case Kind::ClickBox:
        QTest::mouseClick(p.box(a.arg), Qt::LeftButton);
        break;
    case Kind::SpaceBox:
        p.box(a.arg)->setFocus();
        QTest::keyClick(p.box(a.arg), Qt::Key_Space);
        break;
    case Kind::Press:
        p.press(a.arg);
        break;
    case Kind::CloseSheet:
        p.form2.close();
        break;
    }
}

// The first difference between what the windows show and what the model predicts.
std::optional<QString> difference(Program &p, const Model &m)
{
    const auto differ = [](const QString &what, const auto &seen, const auto &expected) {
        return u"%1: shows %2, expected %3"_s.arg(what, QVariant(seen).toString(),
                                                  QVariant(expected).toString());
    };
    if (p.form1.isVisible() == m.sheetShown || p.form2.isVisible() != m.sheetShown)
        return differ(u"sheet visible"_s, p.form2.isVisible(), m.sheetShown);
    if (p.form1.radioGroup()->itemIndex() != m.radio)
        return differ(u"year"_s, p.form1.radioGroup()->itemIndex(), m.radio);
    if (p.label(1)->text() != m.heading)
        return differ(u"heading"_s, p.label(1)->text(), m.heading);
    if (p.label(18)->text() != m.outOf)
        return differ(u"Label18"_s, p.label(18)->text(), m.outOf);
    if (p.label(19)->text() != m.score)
        return differ(u"Label19"_s, p.label(19)->text(), m.score);
    if (p.label(21)->isVisibleTo(&p.form2) != m.passHint)
        return differ(u"pass hint"_s, p.label(21)->isVisibleTo(&p.form2), m.passHint);
    const QString caption = m.highlighted ? u"正解消去"_s : u"正解表示"_s;
    if (p.sheetButton(3)->text() != caption)
        return differ(u"Button3"_s, p.sheetButton(3)->text(), caption);
    for (int n = 1; n <= 368; ++n) {
        const QCheckBox *box = p.box(n);
        if (box->isChecked() != m.marks[std::size_t(n - 1)])
            return differ(u"CheckBox%1 checked"_s.arg(n), box->isChecked(),
                          m.marks[std::size_t(n - 1)]);
        const bool red = m.highlighted && isCorrectBox(n);
        const QColor ink = box->palette().color(QPalette::WindowText);
        if (ink != (red ? QColor(255, 0, 0) : QColor(0, 0, 0)) || box->font().bold() != red)
            return differ(u"CheckBox%1 highlighted"_s.arg(n), box->font().bold(), red);
    }
    return std::nullopt;
}

Action randomAction(QRandomGenerator &rng)
{
    const quint32 roll = rng.bounded(100u);
    if (roll < 6)
        return {Kind::ChooseYear, int(rng.bounded(8u))};
    if (roll < 12)
        return {Kind::Start};
    if (roll < 50)
        return {Kind::ClickBox, int(rng.bounded(1u, 369u))};
    if (roll < 70)
        return {Kind::SpaceBox, int(rng.bounded(1u, 369u))};
    if (roll < 95)
        return {Kind::Press, int(rng.bounded(1u, 5u))};
    return {Kind::CloseSheet};
}

// Replays a sequence on fresh windows; the step at which they first disagree with the model.
std::optional<std::pair<qsizetype, QString>> replay(const std::vector<Action> &actions)
{
    Program p;
    Model m;
    for (qsizetype i = 0; i < qsizetype(actions.size()); ++i) {
        if (!m.apply(actions[std::size_t(i)]))
            continue;
        perform(p, actions[std::size_t(i)]);
        if (auto diff = difference(p, m))
            return std::make_pair(i, *diff);
    }
    return std::nullopt;
}

} // namespace

class TestModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::Install(); }
    void randomUseMatchesTheModel();
};

void TestModel::randomUseMatchesTheModel()
{
    bool ok = false;
    int steps = qEnvironmentVariableIntValue("ORVANEL_MODEL_STEPS", &ok);
    if (!ok)
        steps = 3000;
    quint32 seed = quint32(qEnvironmentVariableIntValue("ORVANEL_MODEL_SEED", &ok));
    if (!ok)
        seed = 1998;

    QRandomGenerator rng(seed);
    std::vector<Action> actions;
    for (int i = 0; i < steps; ++i)
        actions.push_back(randomAction(rng));

    const auto failure = replay(actions);
    if (!failure) {
        qInfo("%d steps, seed %u: the windows matched the model after every step", steps, seed);
        return;
    }

    // Shrink: keep the failing prefix and drop every action the failure does not need.
    std::vector<Action> shortest(actions.begin(), actions.begin() + failure->first + 1);
    for (qsizetype i = qsizetype(shortest.size()) - 1; i >= 0; --i) {
        std::vector<Action> without = shortest;
        without.erase(without.begin() + i);
        if (replay(without))
            shortest = without;
    }
    QString report =
        u"seed %1, first mismatch at step %2: %3\nshortest failing sequence:\n"_s.arg(seed)
            .arg(failure->first)
            .arg(failure->second);
    for (const Action &a : shortest)
        report += u"  "_s + a.describe() + u"\n"_s;
    report += replay(shortest)->second;
    QFAIL(qPrintable(report));
}

QTEST_MAIN(TestModel)
#include "tst_model.moc"
