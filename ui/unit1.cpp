#include "unit1.h"

#include "platform.h"
#include "radiogroup.h"
#include "unit2.h"

#include "years.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QScreen>

namespace Unit1 {
TForm1 *Form1 = nullptr;
qint32 YearIndex = 0;
QString YearLabel;
} // namespace Unit1

using namespace Unit1;

TForm1::TForm1(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    m_radioGroup = new RadioGroup(ui.RadioGroup1, exam::YearLabels,
                                  ui.RadioGroup1->property("columns").toInt());
    platform::ApplyStoredLook(this);

    // A dialog frame: fixed size, a close box, no minimise or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    if (const QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());

    // Keyboard order: the start button, the year (arrows move within it), the exit button.
    QWidget *previous = ui.Button1;
    for (int i = 0; i < m_radioGroup->count(); ++i) {
        QWidget::setTabOrder(previous, m_radioGroup->item(i));
        previous = m_radioGroup->item(i);
    }
    QWidget::setTabOrder(previous, ui.Button2);

    connect(ui.Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ui.Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    FormCreate();
}

void TForm1::FormCreate()
{
    m_radioGroup->setItemIndex(0);
}

void TForm1::Button1Click()
{
    platform::Guarded(this, [this] {
        YearIndex = m_radioGroup->itemIndex();
        // The label comes from the fixed table, not from the radio button's text.
        if (const auto label = exam::YearLabelFor(YearIndex))
            YearLabel = label->toString();
        if (Unit2::Form2)
            Unit2::Form2->show(); // resets the sheet for the year chosen above
        hide();
    });
}

void TForm1::Button2Click()
{
    close();
}
