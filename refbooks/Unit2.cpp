#include "Unit2.h"
#include "messages.h"
#include "refbookstext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *parent)
    : QDialog(parent)
    , department(QStringLiteral("select * from cmn_department.department order by id"))
    , staffpos(QStringLiteral("select * from hrms_staffpos.staffpos order by id"))
    , roles(QStringLiteral("select * from adm_role.roles order by id"))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Работники"));

    GroupBox1 = new QGroupBox(QStringLiteral("Данные о работнике"), this);
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setMaxLength(254);
    LCB_department = new QComboBox(GroupBox1);
    LCB_staffpos = new QComboBox(GroupBox1);
    LCB_roles = new QComboBox(GroupBox1);

    auto *form = new QFormLayout(GroupBox1);
    auto addRow = [&](const QString &label, QWidget *field) {
        auto *l = new QLabel(label, GroupBox1);
        l->setBuddy(field);
        field->setAccessibleName(QString(label).remove(QLatin1Char('&')));
        form->addRow(l, field);
    };
    addRow(QStringLiteral("&ФИО"), Edit1);
    addRow(QStringLiteral("П&одразделение"), LCB_department);
    addRow(QStringLiteral("&Должность"), LCB_staffpos);
    addRow(QStringLiteral("&Роль"), LCB_roles);
    for (QComboBox *box : {LCB_department, LCB_staffpos, LCB_roles}) {
        box->setMaxVisibleItems(10);
        box->setMinimumWidth(320);
        box->setFocusPolicy(Qt::StrongFocus); // the wheel steps only the list that has the focus
    }

    Button1 = new QPushButton(QStringLiteral("Записать"), this);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button1->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The wheel anywhere in the dialog, over a list or not, goes to the
    // dialog's own handling.
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);

    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TForm2::FormActivate()
{
    Edit1->setFocus();
}

void TForm2::refill(QComboBox *box, Dataset &table)
{
    const QVariant chosen = box->currentData();
    box->clear();
    for (int row = 0; row < table.recordCount(); ++row)
        box->addItem(table.valueAt(row, QStringLiteral("s_caption")).toString(), table.valueAt(row, QStringLiteral("id")));
    // A lookup list keeps its key: the entry chosen before, if still there.
    box->setCurrentIndex(chosen.isValid() ? box->findData(chosen) : -1);
}

void TForm2::reopenLists()
{
    staffpos.reopen();
    roles.reopen();
    department.reopen();
    refill(LCB_staffpos, staffpos);
    refill(LCB_roles, roles);
    refill(LCB_department, department);
}

void TForm2::Button1Click()
{
    const QString fio = Edit1->text().trimmed();
    if (fio.isEmpty()) {
        Msg::error(QStringLiteral("ФИО нужно заполнить!"));
        return;
    }
    const QString shown = LCB_department->currentIndex() >= 0 ? LCB_department->currentText() : QString();
    cmd_person.setSql(Tag == 1 ? Refbooks::insertWorkerSql(fio, shown)
                               : Refbooks::updateWorkerSql(EditedWorkerId, fio, shown));
    cmd_person.execute();
    accept();
}

void TForm2::stepFocusedList(int key)
{
    for (QComboBox *box : {LCB_roles, LCB_staffpos, LCB_department}) {
        if (box->hasFocus()) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(box, &press);
        }
    }
}

void TForm2::FormMouseWheelDown()
{
    stepFocusedList(Qt::Key_Down);
}

void TForm2::FormMouseWheelUp()
{
    stepFocusedList(Qt::Key_Up);
}

// The wheel anywhere in the dialog steps the list that has the focus by one
// entry; a list without the focus is not turned by it.
void TForm2::wheelEvent(QWheelEvent *event)
{
    const int dy = event->angleDelta().y();
    if (dy < 0)
        FormMouseWheelDown();
    else if (dy > 0)
        FormMouseWheelUp();
    event->accept();
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
