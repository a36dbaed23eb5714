#pragma once

// Both windows wired together as the program wires them, with helpers to reach the controls a
// user sees. Each test builds a fresh one, and the module state is reset when it goes.
#include "numbering.h"
#include "radiogroup.h"
#include "unit1.h"
#include "unit2.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

struct Program {
    Program()
    {
        Unit1::Form1 = &form1;
        Unit2::Form2 = &form2;
        form2.setAttribute(Qt::WA_QuitOnClose, false);
        form1.show();
    }
    ~Program()
    {
        Unit1::Form1 = nullptr;
        Unit2::Form2 = nullptr;
        Unit1::YearIndex = 0;
        Unit1::YearLabel.clear();
        Unit2::ChoiceBoxes = {};
        Unit2::AnswerKey = {};
        Unit2::QuestionNo = 0;
        Unit2::BoxNo = 0;
        Unit2::Score = 0;
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    template <typename T> T *on(QWidget *window, const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no %s", qPrintable(name));
        return found;
    }
    QPushButton *sheetButton(int n)
    {
        return on<QPushButton>(&form2, QStringLiteral("Button%1").arg(n));
    }
    QPushButton *selectionButton(int n)
    {
        return on<QPushButton>(&form1, QStringLiteral("Button%1").arg(n));
    }
    QLabel *label(int n) { return on<QLabel>(&form2, QStringLiteral("Label%1").arg(n)); }
    QCheckBox *box(qint32 n) { return on<QCheckBox>(&form2, exam::ChoiceBoxName(n)); }
    QCheckBox *choice(qint32 question, qint32 choice)
    {
        return box(exam::ChoiceBoxNumber(question, choice));
    }
    QRadioButton *year(int index) { return form1.radioGroup()->item(index); }

    // What a user does.
    void startYear(int index)
    {
        QTest::mouseClick(year(index), Qt::LeftButton);
        QTest::mouseClick(selectionButton(1), Qt::LeftButton);
    }
    void press(int sheetButtonNumber)
    {
        QTest::mouseClick(sheetButton(sheetButtonNumber), Qt::LeftButton);
    }
    void tick(qint32 question, qint32 c) { QTest::mouseClick(choice(question, c), Qt::LeftButton); }

    TForm1 form1;
    TForm2 form2;
};
