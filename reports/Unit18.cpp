#include "Unit18.h"
#include "dataset.h"
#include "excelwriter.h"
#include "modal.h"
#include "periodreports.h"
#include "radiogroup.h"
#include "reportform.h"
#include "waitcursor.h"

#include <QDateEdit>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm18 *Form18 = nullptr;

namespace {

QDateEdit *datePicker(QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setCalendarPopup(true);
    return edit;
}

// A framed group whose caption is bold while its contents are not.
void boldCaption(QGroupBox *box)
{
    QFont bold = box->font();
    bold.setBold(true);
    QFont plain = box->font();
    box->setFont(bold);
    for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setFont(plain);
}

} // namespace

TForm18::TForm18(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Отчеты (8)"));

    RadioGroup1 = new RadioGroup(QStringLiteral("Вид продукции"),
                                 {QStringLiteral("Все"), QStringLiteral("Готовая продукция"), QStringLiteral("Заготовки")},
                                 this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);
    boldCaption(RadioGroup1);

    GroupBox1 = new QGroupBox(QStringLiteral("Период отбора"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Label1 = new QLabel(QStringLiteral("с"), GroupBox1);
    DTPicker1 = datePicker(GroupBox1);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setAccessibleName(QStringLiteral("Период отбора с"));
    Label1->setBuddy(DTPicker1);
    Label2 = new QLabel(QStringLiteral("по"), GroupBox1);
    DTPicker2 = datePicker(GroupBox1);
    DTPicker2->setObjectName(QStringLiteral("DTPicker2"));
    DTPicker2->setAccessibleName(QStringLiteral("Период отбора по"));
    Label2->setBuddy(DTPicker2);
    auto *period = new QGridLayout(GroupBox1);
    period->addWidget(Label1, 0, 0);
    period->addWidget(DTPicker1, 0, 1);
    period->addWidget(Label2, 0, 2);
    period->addWidget(DTPicker2, 0, 3);
    boldCaption(GroupBox1);

    const auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    Button4 = button("Button4", QStringLiteral("Отчет по рабочим"));
    Button2 = button("Button2", QStringLiteral("Отчет по продукции"));
    Button1 = button("Button1", QStringLiteral("Детальный отчет по рабочим"));
    Button3 = button("Button3", QStringLiteral("Детальный отчет по продукции"));
    Button6 = button("Button6", PeriodReports::progressCaption(0, 0));
    Button6->setAccessibleName(QStringLiteral("Выгрузка в Excel"));
    Button5 = button("Button5", QStringLiteral("Выход"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addWidget(GroupBox1);
    for (QPushButton *b : {Button4, Button2, Button1, Button3, Button6, Button5})
        layout->addWidget(b);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    XLS_Rep = new Dataset(PeriodReports::productExportSql(), this);
    XLS_Rep->setObjectName(QStringLiteral("XLS_Rep"));

    connect(Button1, &QPushButton::clicked, this, &TForm18::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm18::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm18::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm18::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm18::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm18::Button6Click);
}

QDate TForm18::periodStart(const QDate &today)
{
    if (today.month() == 1)
        return QDate(today.year() - 1, 12, 1);
    return QDate(today.year(), today.month() - 1, 1);
}

QDate TForm18::periodEnd(const QDate &today)
{
    return QDate(today.year(), today.month(), 1);
}

int TForm18::showForDate(const QDate &today)
{
    DTPicker1->setDate(periodStart(today));
    DTPicker2->setDate(periodEnd(today));
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    return Modal::show(this);
}

void TForm18::runReport(int kind)
{
    const PeriodReports::ReportRun r = PeriodReports::report(PeriodReports::Kind(kind));
    struct Closer {
        Dataset *query;
        ~Closer() { query->close(); }
    } closer{r.query};
    {
        WaitCursor wait;
        PeriodReports::prepare(r, DTPicker1->date(), DTPicker2->date(), RadioGroup1->itemIndex());
    }
    r.form->preview(this);
    r.form->releasePages();
}

void TForm18::Button1Click()
{
    runReport(int(PeriodReports::Kind::WorkersDetailed));
}

void TForm18::Button2Click()
{
    runReport(int(PeriodReports::Kind::Products));
}

void TForm18::Button3Click()
{
    runReport(int(PeriodReports::Kind::ProductsDetailed));
}

void TForm18::Button4Click()
{
    runReport(int(PeriodReports::Kind::Workers));
}

void TForm18::Button5Click()
{
    reject();
}

void TForm18::Button6Click()
{
    ExcelWriter &writer = sharedExcelWriter();
    writer.setDocumentName(QStringLiteral("Отчет по продукции"));
    WaitCursor wait;
    QElapsedTimer shown;
    shown.start();
    PeriodReports::exportProducts(*XLS_Rep, writer, DTPicker1->date(), DTPicker2->date(), RadioGroup1->itemIndex(),
                                  [this, &shown](const QString &caption) {
                                      Button6->setText(caption);
                                      // Let the user see the count go up without
                                      // slowing a long export down.
                                      if (shown.elapsed() >= 100) {
                                          Button6->repaint();
                                          shown.restart();
                                      }
                                  });
}
