#include "unit2.h"

#include "platform.h"
#include "unit1.h"

#include "scoring.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QScreen>
#include <QShowEvent>

using namespace Qt::StringLiterals;

namespace Unit2 {
TForm2 *Form2 = nullptr;
exam::OneBasedArray<QPointer<QCheckBox>, exam::ChoiceBoxCount> ChoiceBoxes;
exam::AnswerKeyTable AnswerKey;
quint8 QuestionNo = 0;
qint32 BoxNo = 0;
quint8 Score = 0;
} // namespace Unit2

using namespace Unit2;

namespace {

// Looks box n up by its name into ChoiceBoxes[n]: the one way the sheet reaches a choice box.
QCheckBox *lookUpChoiceBox(const ComponentIndex &components, qint32 box)
{
    ChoiceBoxes[box] = components.require<QCheckBox>(exam::ChoiceBoxName(box));
    return ChoiceBoxes[box];
}

// The marks as the sheet's check boxes hold them. Before a question is judged its correct box is
// looked up afresh; the other boxes are read as the last full scan found them.
class CheckBoxSheet : public exam::MarkSheet {
public:
    explicit CheckBoxSheet(const ComponentIndex &components)
        : m_components(components)
    {
    }

    bool isMarked(qint32 box) const override
    {
        const QCheckBox *checkBox = ChoiceBoxes[box];
        if (!checkBox)
            throw std::logic_error("choice box " + std::to_string(box) + " was never looked up");
        return checkBox->isChecked();
    }

    void aboutToJudge(qint32 correctBox) override { lookUpChoiceBox(m_components, correctBox); }

private:
    const ComponentIndex &m_components;
};

} // namespace

TForm2::TForm2(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    platform::ApplyStoredLook(this);

    // Where the sheet first appears; at its design size, unless the screen is smaller.
    move(210, 115);
    if (const QScreen *screen = this->screen())
        resize(size().boundedTo(screen->availableGeometry().size()));

    // Screen readers name each box by its question and choice; its caption alone is just a digit.
    for (qint32 box = 1; box <= exam::ChoiceBoxCount; ++box) {
        const auto [question, choice] = exam::BoxQuestionChoice(box);
        m_components.require<QCheckBox>(exam::ChoiceBoxName(box))
            ->setAccessibleName(u"問題%1 選択肢%2"_s.arg(question).arg(choice));
    }

    connect(ui.Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(ui.Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(ui.Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
    connect(ui.Button4, &QPushButton::clicked, this, &TForm2::Button4Click);
}

void TForm2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window restored from the task bar is shown again by the window system; only a showing by
    // the program starts a fresh sheet.
    if (!event->spontaneous())
        FormShow();
}

void TForm2::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept(); // hidden, not destroyed: the next showing resets it
}

QCheckBox *TForm2::lookUpBox(qint32 box)
{
    return lookUpChoiceBox(m_components, box);
}

// Plain is black and regular. Highlighted is red and bold, so that it does not rest on colour
// alone, and says so in words to screen readers. The tick is left as it is either way.
void TForm2::setHighlighted(QCheckBox *box, bool highlighted)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText,
                     highlighted ? platform::HighlightedChoiceText : platform::PlainChoiceText);
    box->setPalette(palette);
    QFont font = box->font();
    font.setBold(highlighted);
    box->setFont(font);
    box->setAccessibleDescription(highlighted ? u"正解（赤の太字で表示）"_s : QString());
}

// What showing and clearing the sheet have in common, in their order: highlighting off, no score,
// and every box found afresh by name, made plain and unticked.
void TForm2::resetAnswers()
{
    AnswersShown = false;
    Score = 0;
    ui.Button3->setText(u"正解表示"_s);
    platform::SetCaption(ui.Label19, u"0"_s);
    platform::SetCaption(ui.Label18, QString());
    for (BoxNo = 1; BoxNo <= exam::ChoiceBoxCount; BoxNo = exam::checkedAdd<qint32>(BoxNo, 1)) {
        QCheckBox *box = lookUpBox(BoxNo);
        setHighlighted(box, false);
        box->setChecked(false);
    }
}

void TForm2::FormShow()
{
    platform::Guarded(this, [this] {
        ui.Label21->hide();
        platform::SetCaption(ui.Label1, Unit1::YearLabel + u"学科試験"_s);
        resetAnswers();
        exam::LoadAnswerKey(Unit1::YearIndex, AnswerKey);
    });
}

void TForm2::Button1Click()
{
    platform::Guarded(this, [this] {
        platform::SetCaption(ui.Label18, u"60問中"_s);
        CheckBoxSheet sheet(m_components);
        const exam::StandardScoreResult result = exam::ScoreStandard(sheet, AnswerKey);
        platform::SetCaption(ui.Label19, QString::number(result.total));
        ui.Label21->show();
    });
}

void TForm2::Button2Click()
{
    platform::Guarded(this, [this] {
        ui.Label21->hide();
        platform::SetCaption(ui.Label18, u"92問中"_s);
        CheckBoxSheet sheet(m_components);
        exam::ScoreAll(sheet, AnswerKey, Score);
        platform::SetCaption(ui.Label19, QString::number(Score));
    });
}

void TForm2::Button3Click()
{
    platform::Guarded(this, [this] {
        if (!AnswersShown) {
            AnswersShown = true;
            ui.Button3->setText(u"正解消去"_s);
            for (QuestionNo = 1; QuestionNo <= exam::QuestionCount;
                 QuestionNo = exam::checkedAdd<quint8>(QuestionNo, 1))
                setHighlighted(lookUpBox(exam::ChoiceBoxNumber(QuestionNo, AnswerKey[QuestionNo])),
                               true);
        } else {
            AnswersShown = false;
            ui.Button3->setText(u"正解表示"_s);
            for (BoxNo = 1; BoxNo <= exam::ChoiceBoxCount;
                 BoxNo = exam::checkedAdd<qint32>(BoxNo, 1))
                setHighlighted(lookUpBox(BoxNo), false);
        }
    });
}

void TForm2::Button4Click()
{
    platform::Guarded(this, [this] {
        ui.Label21->hide();
        resetAnswers(); // the heading and the key stay
    });
}

void TForm2::FormClose()
{
    platform::Guarded(this, [] {
        if (Unit1::Form1)
            Unit1::Form1->show();
    });
}
