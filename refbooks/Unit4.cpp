#include "Unit4.h"
#include "Unit1.h"
#include "Unit11.h"
#include "Unit6.h"
#include "dbgrid.h"
#include "modal.h"
#include "refbookstext.h"
#include "sqltext.h"
#include "unitprice.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm4 *Form4 = nullptr;

namespace {
const QString kNotYet = QStringLiteral("Правка операций и цен появится в следующей версии программы");
}

TForm4::TForm4(QWidget *parent)
    : ListWindow({"Form4", QStringLiteral("Операции"), QStringLiteral("Поиск по марке"),
                  QStringLiteral("Часть марки изделия; стрелки вверх и вниз выбирают строку"), QStringLiteral("Операции"),
                  {
                      {QStringLiteral("MARKA"), QStringLiteral("Марка"), 300},
                      {QStringLiteral("s_caption"), QStringLiteral("Ном. гр. "), 300},
                      {QStringLiteral("VID"), QStringLiteral("Опреция"), 243},
                      {QStringLiteral("cena"), QStringLiteral("Цена (min)"), 74, Qt::AlignRight | Qt::AlignVCenter},
                      {QStringLiteral("nmn"), QStringLiteral("Вид"), 139},
                      {QStringLiteral("id"), QStringLiteral("id"), 64, Qt::AlignLeft | Qt::AlignVCenter, false},
                      {QStringLiteral("i_id"), QStringLiteral("i_id"), 64, Qt::AlignLeft | Qt::AlignVCenter, false},
                      {QStringLiteral("oper_vid"), QStringLiteral("oper_vid"), 64, Qt::AlignLeft | Qt::AlignVCenter, false},
                      {QStringLiteral("norma"), QStringLiteral("Нормы (шт.)"), 76, Qt::AlignRight | Qt::AlignVCenter},
                  }},
                 DataModule6->Oper, parent)
{
    Button5 = new QPushButton(QStringLiteral("Excel"), this);
    CheckBox1 = new QCheckBox(QStringLiteral("Цены"), this);
    // The export and the price switch belong to the list mode's editing.
    for (QWidget *w : std::initializer_list<QWidget *>{Button5, CheckBox1}) {
        w->setEnabled(false);
        w->setToolTip(kNotYet);
    }

    extraButtons->addSpacing(16);
    extraButtons->addWidget(Button5);
    extraButtons->addWidget(CheckBox1);

    setTabOrder(Edit1, DBGrid1);
    setTabOrder(DBGrid1, Button2);
    setTabOrder(Button2, Button4);

    // Fixed size: the visible columns and the grid's frame and scroll bar.
    setFixedSize(1190, 560);

    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &TForm4::DBGrid1DblClick);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm4::Edit1Change);
}

void TForm4::Edit1Change()
{
    applySearch(Refbooks::operationFilter(Edit1->text()));
}

void TForm4::setListButtons(bool listMode)
{
    // Adding, changing and deleting operations come with the price book.
    for (QPushButton *b : {Button1, Button2, Button3}) {
        b->setEnabled(!listMode);
        b->setToolTip(listMode ? kNotYet : QString());
    }
}

void TForm4::OpenList()
{
    Tag = 0;
    DataModule6->Oper.open();
    Button2->setDefault(false);
    Button2->setText(QStringLiteral("Изменить"));
    Button1->setDefault(true);
    Button1->show();
    Button3->show();
    setListButtons(true);
}

int TForm4::ShowPicking(int operationId)
{
    Tag = 1;
    Dataset &oper = DataModule6->Oper;
    // Read afresh: prices may have changed since the list was last shown.
    oper.close();
    oper.open();
    Button2->setText(QStringLiteral("Выбрать"));
    Button2->setDefault(true);
    Button1->hide();
    Button3->hide();
    setListButtons(false);
    Edit1->show();
    Edit1->clear();
    Edit1Change();
    if (operationId > 0)
        oper.locate(QStringLiteral("id"), operationId);
    else
        oper.first();
    const int result = Modal::show(this);
    Button2->setDefault(false);
    oper.setFiltered(false);
    oper.close();
    return result;
}

void TForm4::Button2Click()
{
    if (Tag == 1)
        pick();
}

void TForm4::DBGrid1DblClick()
{
    if (Tag == 1)
        pick();
}

void TForm4::pick()
{
    Dataset &oper = DataModule6->Oper;
    if (!oper.isEmpty()) {
        TForm11 *dialog = Form11;
        dialog->ProductId = oper.intValue(QStringLiteral("i_id"));
        dialog->OperationId = oper.intValue(QStringLiteral("id"));
        const double base = oper.doubleValue(QStringLiteral("cena"));
        dialog->BasePrice = base;
        dialog->UnitPrice = UnitPrice::withFactors(base, Form1->CBox1->isChecked(), Form1->ShiftMode);

        Dataset &control = DataModule6->Control;
        control.close();
        control.clearSql();
        control.addSql(QStringLiteral("select marka from accounts_dep.izdel where id=") + QString::number(dialog->ProductId));
        control.open();
        const QString marka = control.text(QStringLiteral("marka"));
        control.close();
        dialog->Edit2->setText(Refbooks::operationText(marka, oper.text(QStringLiteral("VID")),
                                                       oper.intValue(QStringLiteral("NAIMEN"))));
    }
    done(QDialog::Accepted);
}
