#include "Unit5.h"
#include "Unit11.h"
#include "Unit2.h"
#include "Unit6.h"
#include "dbgrid.h"
#include "messages.h"
#include "modal.h"
#include "refbookstext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent)
    : ListWindow({"Form5", QStringLiteral("Список рабочих"), QStringLiteral("Поиск по ФИО"),
                  QStringLiteral("Первые буквы фамилии; стрелки вверх и вниз выбирают строку"),
                  QStringLiteral("Список рабочих"),
                  {
                      {QStringLiteral("fio"), QStringLiteral("ФИО"), 300},
                      {QStringLiteral("s_staffpos_hl"), QStringLiteral("Должность"), 300},
                  }},
                 DataModule6->Workers, parent)
{
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
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &TForm5::Button2Click);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm5::Edit1Change);
}

void TForm5::Edit1Change()
{
    applySearch(Refbooks::workerFilter(Edit1->text()));
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
