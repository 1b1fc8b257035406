#include "listwindow.h"
#include "dataset.h"
#include "searchbox.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ListWindow::ListWindow(const Look &look, Dataset &list, QWidget *parent) : QDialog(parent), m_list(list)
{
    setObjectName(QString::fromLatin1(look.objectName));
    setWindowTitle(look.caption);

    Label1 = new QLabel(QStringLiteral("&Поиск:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setAccessibleName(look.searchName);
    Edit1->setAccessibleDescription(look.searchHint);
    Label1->setBuddy(Edit1);
    Edit1->installEventFilter(this);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setAccessibleName(look.gridName);
    DBGrid1->setColumns(look.columns);
    DBGrid1->setDataset(&list);

    Button1 = new QPushButton(QStringLiteral("Добавить"), this);
    Button2 = new QPushButton(QStringLiteral("Изменить"), this);
    Button3 = new QPushButton(QStringLiteral("Удалить"), this);
    Button4 = new QPushButton(QStringLiteral("Выход"), this);
    Button1->setDefault(true);

    auto *search = new QHBoxLayout;
    search->addWidget(Label1);
    search->addWidget(Edit1, 1);

    extraButtons = new QHBoxLayout;
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    buttons->addLayout(extraButtons);
    buttons->addStretch();
    buttons->addWidget(Button4);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);

    connect(Button4, &QPushButton::clicked, this, &ListWindow::Button4Click);
}

void ListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void ListWindow::FormActivate()
{
    if (Edit1->isVisible())
        Edit1->setFocus();
}

bool ListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress)
        return SearchBox::handleKey(static_cast<QKeyEvent *>(event), m_list);
    return QDialog::eventFilter(watched, event);
}

void ListWindow::reject()
{
    Button4Click();
}

void ListWindow::Button4Click()
{
    done(QDialog::Rejected);
}

void ListWindow::applySearch(const QString &filter)
{
    if (filter.isEmpty()) {
        m_list.setFiltered(false);
        return;
    }
    m_list.setFilter(filter);
    m_list.setFiltered(true);
}
