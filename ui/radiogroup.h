#pragma once

#include <QObject>
#include <QStringView>

#include <span>

class QButtonGroup;
class QGroupBox;
class QRadioButton;

// A framed group of exclusive choices whose selected index is what matters, laid out in columns
// that fill top to bottom. The items are the group box's radio buttons; the index of the checked
// one is the button group's checked id (-1 while none is checked).
class RadioGroup : public QObject {
    Q_OBJECT

public:
    RadioGroup(QGroupBox *frame, std::span<const QStringView> items, int columns);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton *item(int index) const;
    int count() const;

private:
    QGroupBox *m_frame;
    QButtonGroup *m_buttons;
};
