#include "radiogroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

RadioGroup::RadioGroup(QGroupBox *frame, std::span<const QStringView> items, int columns)
    : QObject(frame)
    , m_frame(frame)
    , m_buttons(new QButtonGroup(this))
{
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 2, 8, 2);
    grid->setSpacing(0);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < int(items.size()); ++i) {
        auto *button = new QRadioButton(items[std::size_t(i)].toString(), frame);
        m_buttons->addButton(button, i);
        grid->addWidget(button, i % rows, i / rows);
    }
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c, 1);
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = m_buttons->button(index))
        button->setChecked(true);
}

QRadioButton *RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton *>(m_buttons->button(index));
}

int RadioGroup::count() const
{
    return int(m_buttons->buttons().size());
}
