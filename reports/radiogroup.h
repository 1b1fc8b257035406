#pragma once

#include <QGroupBox>
#include <QStringList>
#include <QVector>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons of which one is chosen, addressed by the
// chosen item's number (0 for the first, -1 for none).
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    QStringList items() const { return m_items; }
    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton *button(int index) const { return m_buttons.value(index); }

Q_SIGNALS:
    void itemIndexChanged(int index);

private:
    QStringList m_items;
    QVector<QRadioButton *> m_buttons;
    QButtonGroup *m_group;
};
