#include "Unit4.h"
#include "Unit1.h"
#include "Unit11.h"
#include "Unit6.h"
#include "dbgrid.h"
#include "modal.h"
#include "refbookstext.h"
#include "searchbox.h"
#include "sqltext.h"
#include "unitprice.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm4 *Form4 = nullptr;

namespace {
const QString kNotYet = QStringLiteral("Правка операций и цен появится в следующей версии программы");
}

TForm4::TForm4(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Операции"));

    Label1 = new QLabel(QStringLiteral("&Поиск:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setAccessibleName(QStringLiteral("Поиск по марке"));
    Edit1->setAccessibleDescription(QStringLiteral("Часть марки изделия; стрелки вверх и вниз выбирают строку"));
    Label1->setBuddy(Edit1);
    Edit1->installEventFilter(this);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setAccessibleName(QStringLiteral("Операции"));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    DBGrid1->setColumns({
        {QStringLiteral("MARKA"), QStringLiteral("Марка"), 300},
        {QStringLiteral("s_caption"), QStringLiteral("Ном. гр. "), 300},
        {QStringLiteral("VID"), QStringLiteral("Опреция"), 243},
        {QStringLiteral("cena"), QStringLiteral("Цена (min)"), 74, right},
        {QStringLiteral("nmn"), QStringLiteral("Вид"), 139},
        {QStringLiteral("id"), QStringLiteral("id"), 64, left, false},
        {QStringLiteral("i_id"), QStringLiteral("i_id"), 64, left, false},
        {QStringLiteral("oper_vid"), QStringLiteral("oper_vid"), 64, left, false},
        {QStringLiteral("norma"), QStringLiteral("Нормы (шт.)"), 76, right},
    });
    DBGrid1->setDataset(&DataModule6->Oper);

    Button1 = new QPushButton(QStringLiteral("Добавить"), this);
    Button2 = new QPushButton(QStringLiteral("Изменить"), this);
    Button3 = new QPushButton(QStringLiteral("Удалить"), this);
    Button5 = new QPushButton(QStringLiteral("Excel"), this);
    CheckBox1 = new QCheckBox(QStringLiteral("Цены"), this);
    Button4 = new QPushButton(QStringLiteral("Выход"), this);
    Button1->setDefault(true);
    // The export and the price switch belong to the list mode's editing.
    for (QWidget *w : std::initializer_list<QWidget *>{Button5, CheckBox1}) {
        w->setEnabled(false);
        w->setToolTip(kNotYet);
    }

    auto *search = new QHBoxLayout;
    search->addWidget(Label1);
    search->addWidget(Edit1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    buttons->addSpacing(16);
    buttons->addWidget(Button5);
    buttons->addWidget(CheckBox1);
    buttons->addStretch();
    buttons->addWidget(Button4);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);

    setTabOrder(Edit1, DBGrid1);
    setTabOrder(DBGrid1, Button2);
    setTabOrder(Button2, Button4);

    // Fixed size: the visible columns and the grid's frame and scroll bar.
    setFixedSize(1190, 560);

    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &TForm4::Button4Click);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &TForm4::DBGrid1DblClick);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm4::Edit1Change);
}

void TForm4::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TForm4::FormActivate()
{
    if (Edit1->isVisible())
        Edit1->setFocus();
}

bool TForm4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress)
        return SearchBox::handleKey(static_cast<QKeyEvent *>(event), DataModule6->Oper);
    return QDialog::eventFilter(watched, event);
}

void TForm4::reject()
{
    Button4Click();
}

void TForm4::Button4Click()
{
    done(QDialog::Rejected);
}

void TForm4::Edit1Change()
{
    Dataset &oper = DataModule6->Oper;
    const QString filter = Refbooks::operationFilter(Edit1->text());
    if (filter.isEmpty()) {
        oper.setFiltered(false);
        return;
    }
    oper.setFilter(filter);
    oper.setFiltered(true);
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
