#include "messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace Msg {
namespace {

class BoxService : public Service
{
public:
    Button show(const QString &text, const QString &caption, int buttons, Icon icon) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(caption);
        box.setText(text);
        switch (icon) {
        case Icon::Error: box.setIcon(QMessageBox::Critical); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
        }
        struct Choice { Button button; QMessageBox::ButtonRole role; const char16_t *label; };
        const Choice choices[] = {
            {Yes, QMessageBox::YesRole, u"Да"},
            {No, QMessageBox::NoRole, u"Нет"},
            {Ok, QMessageBox::AcceptRole, u"OK"},
            {Cancel, QMessageBox::RejectRole, u"Отмена"},
        };
        QHash<QAbstractButton *, Button> map;
        for (const Choice &c : choices) {
            if (buttons & c.button) {
                QPushButton *b = box.addButton(QString::fromUtf16(c.label), c.role);
                map.insert(b, c.button);
                if (map.size() == 1)
                    box.setDefaultButton(b);
            }
        }
        box.exec();
        return map.value(box.clickedButton(), (buttons & No) ? No : (buttons & Cancel) ? Cancel : Ok);
    }
};

BoxService g_boxes;
Service *g_service = &g_boxes;

} // namespace

Service &service()
{
    return *g_service;
}

Service *setService(Service *service)
{
    Service *previous = g_service;
    g_service = service ? service : &g_boxes;
    return previous;
}

Button Recorder::show(const QString &text, const QString &caption, int buttons, Icon icon)
{
    boxes.append({text, caption, buttons, icon});
    if (onShow)
        onShow(boxes.last());
    if (!(buttons & (Yes | No)))
        return Ok;
    if (answers.isEmpty())
        return Yes;
    return answers.takeFirst();
}

QStringList Recorder::texts() const
{
    QStringList out;
    for (const Box &b : boxes)
        out << b.text;
    return out;
}

} // namespace Msg
