#pragma once

#include "componentindex.h"
#include "ui_unit2.h"

#include "years.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;

// The answer sheet: 92 questions of four choice boxes each, scored by the examination's rules or
// over every question, with the correct answers shown on demand.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    // Whether the correct answers are highlighted.
    bool AnswersShown = false;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow();
    void FormClose();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    void resetAnswers();
    // Looks up box n by name into ChoiceBoxes[n] and returns it.
    QCheckBox *lookUpBox(qint32 box);
    void setHighlighted(QCheckBox *box, bool highlighted);

    Ui::TForm2 ui;
    ComponentIndex m_components{this};
};

// The sheet's module state. It outlives any one showing: the boxes found by name, the key of the
// year being answered, the counters of the scans over questions and boxes, and the running count
// of all-question scoring.
namespace Unit2 {
extern TForm2 *Form2;
extern exam::OneBasedArray<QPointer<QCheckBox>, exam::ChoiceBoxCount> ChoiceBoxes;
extern exam::AnswerKeyTable AnswerKey;
extern quint8 QuestionNo;
extern qint32 BoxNo;
extern quint8 Score;
} // namespace Unit2
