#include "Unit5.h"
#include "Unit11.h"
#include "Unit2.h"
#include "Unit6.h"
#include "dbgrid.h"
#include "messages.h"
#include "modal.h"
#include "refbookstext.h"
#include "searchbox.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Список рабочих"));

    Label1 = new QLabel(QStringLiteral("&Поиск:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setAccessibleName(QStringLiteral("Поиск по ФИО"));
    Edit1->setAccessibleDescription(QStringLiteral("Первые буквы фамилии; стрелки вверх и вниз выбирают строку"));
    Label1->setBuddy(Edit1);
    Edit1->installEventFilter(this);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setAccessibleName(QStringLiteral("Список рабочих"));
    DBGrid1->setColumns({
        {QStringLiteral("fio"), QStringLiteral("ФИО"), 300},
        {QStringLiteral("s_staffpos_hl"), QStringLiteral("Должность"), 300},
    });
    DBGrid1->setDataset(&DataModule6->Workers);

    Button1 = new QPushButton(QStringLiteral("Добавить"), this);
    Button2 = new QPushButton(QStringLiteral("Изменить"), this);
    Button3 = new QPushButton(QStringLiteral("Удалить"), this);
    Button4 = new QPushButton(QStringLiteral("Выход"), this);
    Button1->setDefault(true);

    auto *search = new QHBoxLayout;
    search->addWidget(Label1);
    search->addWidget(Edit1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    buttons->addStretch();
    buttons->addWidget(Button4);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);

    setTabOrder(Edit1, DBGrid1);
    setTabOrder(DBGrid1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);

    // Fixed size: the two columns and the grid's frame and scroll bar.
    setFixedSize(660, 480);

    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm5::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm5::Button4Click);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &TForm5::Button2Click);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm5::Edit1Change);
}

void TForm5::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TForm5::FormActivate()
{
    if (Edit1->isVisible())
        Edit1->setFocus();
}

bool TForm5::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress)
        return SearchBox::handleKey(static_cast<QKeyEvent *>(event), DataModule6->Workers);
    return QDialog::eventFilter(watched, event);
}

void TForm5::reject()
{
    Button4Click();
}

void TForm5::Button4Click()
{
    done(QDialog::Rejected);
}

void TForm5::Edit1Change()
{
    Dataset &workers = DataModule6->Workers;
    const QString filter = Refbooks::workerFilter(Edit1->text());
    if (filter.isEmpty()) {
        workers.setFiltered(false);
        return;
    }
    workers.setFilter(filter);
    workers.setFiltered(true);
}

void TForm5::OpenList()
{
    Tag = 0;
    DataModule6->Workers.open();
    Button2->setDefault(false);
    Button2->setText(QStringLiteral("Изменить"));
    Button1->setDefault(true);
    Button1->show();
    Button3->show();
}

int TForm5::ShowPicking(int mode)
{
    Tag = mode;
    Dataset &workers = DataModule6->Workers;
    workers.open();
    Button2->setText(QStringLiteral("Выбрать"));
    Button2->setDefault(true);
    Button2->show();
    Button3->hide();
    Button1->hide();
    Edit1->show();
    Edit1->clear();
    Edit1Change(); // an empty box: no filter, whatever the box held before
    const int result = Modal::show(this);
    workers.close();
    return result;
}

void TForm5::Button1Click()
{
    if (Tag != 0)
        return;
    Form2->Edit1->clear();
    Form2->setWindowTitle(QStringLiteral("Заведение данных нового работника"));
    Form2->Tag = 1;
    Form2->reopenLists();
    Modal::show(Form2);
    DataModule6->Workers.reopen();
}

void TForm5::Button2Click()
{
    if (Tag != 0) {
        pick();
        return;
    }
    Dataset &workers = DataModule6->Workers;
    if (workers.isEmpty())
        return; // nobody to change
    const int row = workers.recNo();
    Form2->setWindowTitle(QStringLiteral("Изменение данных работника"));
    Form2->Tag = 2;
    Form2->reopenLists();
    Form2->Edit1->setText(workers.text(QStringLiteral("fio")).trimmed());
    Form2->EditedWorkerId = workers.intValue(QStringLiteral("id"));
    Modal::show(Form2);
    workers.reopen();
    if (!workers.isEmpty())
        workers.setRecNo(row);
}

void TForm5::Button3Click()
{
    if (Tag != 0)
        return;
    Dataset &workers = DataModule6->Workers;
    if (workers.isEmpty())
        return; // nobody to delete
    if (!Msg::ask(QStringLiteral("Удалить работника?"), QStringLiteral("Удаление")))
        return;
    const int row = workers.recNo();
    Form2->cmd_person.setSql(Refbooks::deleteWorkerSql(workers.intValue(QStringLiteral("id"))));
    Form2->cmd_person.execute();
    workers.reopen();
    if (!workers.isEmpty())
        workers.setRecNo(row);
}

void TForm5::pick()
{
    Dataset &workers = DataModule6->Workers;
    if (!workers.isEmpty()) {
        const int id = workers.intValue(QStringLiteral("id"));
        const QString fio = workers.text(QStringLiteral("fio")).trimmed();
        if (Tag == 1) {
            Form11->Edit1->setText(fio);
            Form11->WorkerId = id;
        } else if (Tag == 24 && PickReceiver24) {
            PickReceiver24(id, fio);
        }
    }
    done(QDialog::Accepted);
}
