#include "Unit23.h"
#include "Unit1.h"
#include "Unit6.h"
#include "dataset.h"
#include "dbgrid.h"
#include "messages.h"
#include "modal.h"
#include "program.h"
#include "versioncheck.h"
#include "Unit18.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

TForm23 *Form23 = nullptr;

TForm23::TForm23(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(QStringLiteral("Авторизация"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    Edit1 = new QLineEdit(this);
    Edit1->setEchoMode(QLineEdit::Password);
    auto *label = new QLabel(QStringLiteral("&Пароль:"), this);
    label->setBuddy(Edit1);
    Edit1->setAccessibleName(QStringLiteral("Пароль"));

    Button1 = new QPushButton(QStringLiteral("Вход"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setAutoDefault(false);

    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(Edit1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    setMinimumWidth(340);

    Timer1 = new QTimer(this);
    Timer1->setInterval(5000);
    Timer1->setSingleShot(true);

    connect(Button1, &QPushButton::clicked, this, &TForm23::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm23::Button2Click);
    connect(Timer1, &QTimer::timeout, this, &TForm23::Timer1Timer);
}

TForm23::Role TForm23::roleOf(const QString &entry)
{
    const QString e = entry.trimmed();
    if (e == QLatin1String("63570142") || e == QLatin1String("7348"))
        return Role::FullAccess;
    if (e == QLatin1String("vilgut"))
        return Role::PayrollOffice;
    if (e == QLatin1String("truvell"))
        return Role::Master;
    if (e == QLatin1String("gelvo"))
        return Role::Storekeeper;
    return Role::None;
}

void TForm23::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
}

void TForm23::FormActivate()
{
    runVersionCheck();
    setWindowTitle(QStringLiteral("Авторизация (build: %1.%2)").arg(Form1->BuildDate).arg(Form1->BuildTime));
}

void TForm23::runVersionCheck()
{
    const BuildStamp build = currentBuildStamp();
    Form1->BuildDate = build.date;
    Form1->BuildTime = build.time;
    const VersionCheckResult result = checkVersion(build, QString::fromLatin1(kMainConnection));
    DataModule6->DbDelim = result.delimiter;
    if (result.tooOld) {
        // The program ends five seconds from now, answered or not.
        Timer1->start();
        Msg::error(QStringLiteral("Версия программы не соответсвует БД! Запустите программу через 5 мин."));
        Program::requestEnd();
    }
}

void TForm23::applyRights(Role role)
{
    TForm1 *f = Form1;
    // The timesheets are for the access codes only.
    f->N11->menuAction()->setEnabled(role == Role::FullAccess);
    auto disable = [](const std::initializer_list<QWidget *> &widgets) {
        for (QWidget *w : widgets)
            w->setEnabled(false);
    };
    auto disableReports = [] {
        for (QWidget *w : std::initializer_list<QWidget *>{Form18->Button1, Form18->Button2, Form18->Button4, Form18->Button6})
            w->setEnabled(false);
    };
    switch (role) {
    case Role::PayrollOffice:
        disable(std::initializer_list<QWidget *>{f->Button1, f->Button2, f->Button3, f->RadioButton1, f->RadioButton2, f->RadioButton3,
                 f->RadioButton4, f->CBox1, f->Button8, f->DBGrid2, f->DateT});
        f->N2->menuAction()->setEnabled(false);
        break;
    case Role::Master:
        disable(std::initializer_list<QWidget *>{f->Button2, f->Button3});
        f->N2->menuAction()->setEnabled(false);
        disableReports();
        break;
    case Role::Storekeeper:
        disable(std::initializer_list<QWidget *>{f->Button1, f->Button2, f->Button3});
        f->N2->menuAction()->setEnabled(false);
        disableReports();
        Form18->RadioGroup1->setItemIndex(1);
        Form18->RadioGroup1->setEnabled(false);
        break;
    case Role::FullAccess:
    case Role::None:
        break;
    }
}

void TForm23::Button1Click()
{
    const QString entry = Edit1->text().trimmed();
    const Role role = roleOf(entry);
    Form1->ShiftMode = 1;
    Form1->RoleText = entry;
    // Positions marked "ta" are never listed, whatever the role.
    for (int shift = 1; shift <= 4; ++shift)
        DataModule6->shiftList(shift).setParam(QStringLiteral("ok"), QStringLiteral("ta"));
    applyRights(role);
    if (role == Role::None) {
        Msg::error(QStringLiteral("Введены неверные данные."));
        return;
    }
    work();
}

void TForm23::work()
{
    hide();
    Modal::show(Form1);
    close();
    Program::requestEnd();
}

void TForm23::Button2Click()
{
    close();
    Program::requestEnd();
}

void TForm23::reject()
{
    Button2Click();
}

void TForm23::Timer1Timer()
{
    Program::requestEnd();
}
