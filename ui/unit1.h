#pragma once

#include "ui_unit1.h"

#include <QString>
#include <QWidget>

class RadioGroup;

// The exam selection window, the program's main window: pick a past year, open the answer sheet
// for it, or end the program.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    RadioGroup *radioGroup() const { return m_radioGroup; }

private:
    void FormCreate();
    void Button1Click();
    void Button2Click();

    Ui::TForm1 ui;
    RadioGroup *m_radioGroup = nullptr;
};

// The selection the answer sheet reads when it is shown.
namespace Unit1 {
extern TForm1 *Form1;
extern qint32 YearIndex;
extern QString YearLabel;
} // namespace Unit1
