#include "Unit11.h"
#include "Unit1.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "dberror.h"
#include "errordisplay.h"
#include "messages.h"
#include "refbookstext.h"
#include "unitprice.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QKeyEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TForm11 *Form11 = nullptr;

namespace {

QChar userDecimalPoint()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

QString shown(double value)
{
    return UnitPrice::roundedText(value, 4, userDecimalPoint());
}

// A whole number read from the database as text ("12", "12.000000") as the
// user would type it; anything else is left for the check on saving.
QString wholeNumberText(const QString &text)
{
    QString t = text.trimmed();
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        const QString fraction = t.mid(point + 1);
        if (fraction.count(QLatin1Char('0')) == fraction.size())
            t.truncate(point);
    }
    return t;
}

} // namespace

TForm11::TForm11(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Заведение новой позиции (11)"));

    GroupBox1 = new QGroupBox(QStringLiteral("Закрыто мастером"), this);
    auto newLabel = [this](const QString &text) { return new QLabel(text, GroupBox1); };
    auto newEdit = [this](const QString &name) {
        auto *e = new QLineEdit(GroupBox1);
        e->setAccessibleName(name);
        return e;
    };

    Label1 = newLabel(QStringLiteral("ФИО"));
    Edit1 = newEdit(QStringLiteral("ФИО"));
    Button3 = new QPushButton(QStringLiteral("..."), GroupBox1);
    Button3->setAccessibleName(QStringLiteral("Выбрать работника"));
    Button3->setToolTip(QStringLiteral("Выбрать работника из списка"));
    Label2 = newLabel(QStringLiteral("Операция"));
    Edit2 = newEdit(QStringLiteral("Операция"));
    Button4 = new QPushButton(QStringLiteral("..."), GroupBox1);
    Button4->setAccessibleName(QStringLiteral("Выбрать операцию"));
    Button4->setToolTip(QStringLiteral("Выбрать операцию из списка"));
    for (QPushButton *b : {Button3, Button4})
        b->setFixedWidth(32);
    for (QLineEdit *e : {Edit1, Edit2}) {
        // Filled by the pickers only; a click opens the picker.
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setCursor(Qt::PointingHandCursor);
        e->installEventFilter(this);
    }

    Label3 = newLabel(QStringLiteral("&Кол-во"));
    Edit3 = newEdit(QStringLiteral("Кол-во"));
    Label4 = newLabel(QStringLiteral("&Брак"));
    Edit4 = newEdit(QStringLiteral("Брак"));
    Edit4->setText(QStringLiteral("0"));
    Label5 = newLabel(QStringLiteral("&Время"));
    Edit6 = newEdit(QStringLiteral("Время"));
    Edit6->setText(QStringLiteral("0"));
    Label6 = newLabel(QStringLiteral("&Цвет"));
    Edit5 = newEdit(QStringLiteral("Цвет"));
    // Whole non-negative numbers: digits only, typed or pasted.
    auto *digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (QLineEdit *e : {Edit3, Edit4, Edit6, Edit5}) {
        e->setValidator(digits);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setMaximumWidth(110);
    }
    Edit3->installEventFilter(this);
    Edit6->installEventFilter(this);

    Label7 = newLabel(QStringLiteral("&Дата"));
    DTimeP = new QDateEdit(GroupBox1);
    DTimeP->setCalendarPopup(true);
    DTimeP->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DTimeP->setAccessibleName(QStringLiteral("Дата"));
    DTimeP->installEventFilter(this);

    Label8 = newLabel(QStringLiteral("Цена база"));
    Edit8 = newEdit(QStringLiteral("Цена база"));
    Label9 = newLabel(QStringLiteral("Цена итог"));
    Edit7 = newEdit(QStringLiteral("Цена итог"));
    Label10 = newLabel(QStringLiteral("Сумма"));
    Edit9 = newEdit(QStringLiteral("Сумма"));
    for (QLineEdit *e : {Edit8, Edit7, Edit9}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus); // shown, copied, never typed: not on the Tab road
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QPalette shade = e->palette();
        shade.setColor(QPalette::Base, shade.color(QPalette::Window));
        e->setPalette(shade);
        e->setMaximumWidth(110);
    }

    const std::pair<QLabel *, QWidget *> buddies[] = {
        {Label1, Edit1}, {Label2, Edit2}, {Label3, Edit3}, {Label4, Edit4}, {Label5, Edit6},
        {Label6, Edit5}, {Label7, DTimeP}, {Label8, Edit8}, {Label9, Edit7}, {Label10, Edit9},
    };
    for (const auto &[label, field] : buddies)
        label->setBuddy(field);

    auto *grid = new QGridLayout(GroupBox1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 5);
    grid->addWidget(Button3, 0, 6);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Edit2, 1, 1, 1, 5);
    grid->addWidget(Button4, 1, 6);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(Edit3, 2, 1);
    grid->addWidget(Label4, 2, 2);
    grid->addWidget(Edit4, 2, 3);
    grid->addWidget(Label5, 2, 4);
    grid->addWidget(Edit6, 2, 5);
    grid->addWidget(Label6, 3, 0);
    grid->addWidget(Edit5, 3, 1);
    grid->addWidget(Label7, 3, 2);
    grid->addWidget(DTimeP, 3, 3);
    grid->addWidget(Label8, 4, 0);
    grid->addWidget(Edit8, 4, 1);
    grid->addWidget(Label9, 4, 2);
    grid->addWidget(Edit7, 4, 3);
    grid->addWidget(Label10, 4, 4);
    grid->addWidget(Edit9, 4, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);

    Button1 = new QPushButton(QStringLiteral("Запись"), this);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button1->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    setMinimumWidth(600);

    // The foreman's road: worker, operation, quantity, defects, hours,
    // colour, date, save.
    setTabOrder(Button3, Button4);
    setTabOrder(Button4, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, Edit6);
    setTabOrder(Edit6, Edit5);
    setTabOrder(Edit5, DTimeP);
    setTabOrder(DTimeP, Button1);
    setTabOrder(Button1, Button2);

    setColourEnabled(false);

    connect(Button1, &QPushButton::clicked, this, &TForm11::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TForm11::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm11::Button4Click);
}

void TForm11::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TForm11::FormActivate()
{
    Button3->setFocus();
}

bool TForm11::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        ErrorDisplay::guard([&] {
            if (watched == Edit1)
                Button3Click();
            else
                Button4Click();
        });
        return true;
    }
    if (watched == DTimeP && event->type() == QEvent::KeyPress) {
        // Tab leaves the date for the next field instead of walking its day,
        // month and year; the arrows still reach them.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            focusNextPrevChild(key == Qt::Key_Tab);
            return true;
        }
    }
    if ((watched == Edit3 || watched == Edit6) && event->type() == QEvent::FocusOut)
        Edit6Exit();
    return QDialog::eventFilter(watched, event);
}

void TForm11::setColourEnabled(bool on)
{
    if (!on)
        Edit5->clear();
    Edit5->setEnabled(on);
    Label6->setEnabled(on);
}

void TForm11::OpenNew(const QDate &date)
{
    DTimeP->setDate(date);
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    Edit5->clear();
    Edit4->setText(QStringLiteral("0"));
    Edit6->setText(QStringLiteral("0"));
    // What an earlier, cancelled use showed is no longer true.
    Edit7->clear();
    Edit8->clear();
    Edit9->clear();
    setColourEnabled(false);
    BasePrice.reset();
    m_rowId = 0;
    m_rowOperationId = 0;
    m_rowPlace.reset();
    setWindowTitle(QStringLiteral("Заведение новой позиции (11)"));
    DialogMode = 1;
}

void TForm11::OpenChange(const Dataset &row)
{
    setWindowTitle(QStringLiteral("Изменение данных о позиции (11)"));
    DialogMode = 2;
    fillFromRow(row);
}

void TForm11::OpenCopy(const Dataset &row)
{
    setWindowTitle(QStringLiteral("Изменение данных о позиции (11)"));
    DialogMode = 3;
    fillFromRow(row);
}

void TForm11::fillFromRow(const Dataset &row)
{
    UnitPrice = row.doubleValue(QStringLiteral("cena"));
    Edit7->setText(shown(UnitPrice));
    Edit9->setText(shown(row.doubleValue(QStringLiteral("kol_vo")) * UnitPrice));
    const QDate date = row.value(QStringLiteral("data")).toDate();
    DTimeP->setDate(date);
    Edit1->setText(row.text(QStringLiteral("fio")).trimmed());
    Edit2->setText(Refbooks::operationText(row.text(QStringLiteral("marka")), row.text(QStringLiteral("vid")),
                                           row.intValue(QStringLiteral("naimen"))));
    Edit3->setText(wholeNumberText(row.text(QStringLiteral("kol_vo"))));
    Edit4->setText(wholeNumberText(row.text(QStringLiteral("brak"))));
    WorkerId = row.intValue(QStringLiteral("w_id"));
    ProductId = row.intValue(QStringLiteral("i_id"));
    OperationId = row.intValue(QStringLiteral("o_id"));
    Edit6->setText(QString::number(row.intValue(QStringLiteral("time"))));
    // The same rule as on saving: the whole operation text decides.
    const bool colour = ShiftEntry::needsColour(Edit2->text());
    setColourEnabled(colour);
    if (colour)
        Edit5->setText(QString::number(row.intValue(QStringLiteral("color"))));
    // The base price is known again once the operation is picked.
    BasePrice.reset();
    Edit8->clear();

    m_rowId = row.intValue(QStringLiteral("id"));
    m_rowOperationId = OperationId;
    m_rowPlace = ShiftEntry::Place{WorkerId, row.intValue(QStringLiteral("smena")), date};
}

void TForm11::Button3Click()
{
    Form5->ShowPicking(1);
    if (!Edit1->text().isEmpty())
        Button4->setFocus();
}

void TForm11::Button4Click()
{
    const int result = Form4->ShowPicking(DialogMode == 1 ? 0 : m_rowOperationId);
    setColourEnabled(ShiftEntry::needsColour(Edit2->text()));
    Edit6Exit();
    if (result == QDialog::Accepted && !Edit2->text().isEmpty()) {
        Edit3->setFocus();
        Edit3->selectAll();
    }
}

void TForm11::Edit6Exit()
{
    if (Edit6->text().isEmpty())
        Edit6->setText(QStringLiteral("0"));
    if (Edit3->text().isEmpty())
        Edit3->setText(QStringLiteral("0"));
    Edit7->setText(shown(UnitPrice));
    Edit8->setText(BasePrice ? shown(*BasePrice) : QString());
    Edit9->setText(shown(Edit3->text().toDouble() * UnitPrice));
}

void TForm11::Button1Click()
{
    try {
        save();
    } catch (const UserError &e) {
        Msg::error(e.message());
    } catch (const DbError &e) {
        // Nothing of the save is left behind; the dialog stays open.
        ErrorDisplay::show(e);
    }
}

void TForm11::save()
{
    const bool colourNeeded = ShiftEntry::needsColour(Edit2->text());
    if (Edit1->text().trimmed().isEmpty() || Edit2->text().trimmed().isEmpty() || Edit3->text().trimmed().isEmpty()
        || Edit4->text().trimmed().isEmpty() || Edit6->text().trimmed().isEmpty()
        || (colourNeeded && Edit5->text().trimmed().isEmpty())) {
        Msg::error(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    ShiftEntry::Position p;
    p.colour = ShiftEntry::checkNumbers(Edit3->text(), Edit4->text(), Edit6->text(), Edit5->text());
    p.workerId = WorkerId;
    p.productId = ProductId;
    p.operationId = OperationId;
    p.unitPrice = UnitPrice;
    p.quantity = Edit3->text().trimmed();
    p.defects = Edit4->text().trimmed();
    p.hours = Edit6->text().trimmed();
    p.date = DTimeP->date();
    p.shift = Form1->ShiftMode;
    const QDate today = TForm1::today();

    const bool change = DialogMode == 2;
    const int exceptId = change ? m_rowId : 0;
    if (DataModule6->CheckDuplicate(ShiftEntry::duplicateSql(p, exceptId), ShiftEntry::kDuplicateMessage))
        return;
    const ShiftEntry::Outcome outcome = change ? ShiftEntry::save(p, m_rowId, m_rowPlace, today)
                                               : ShiftEntry::save(p, std::nullopt, std::nullopt, today);
    if (outcome == ShiftEntry::Outcome::Duplicate) {
        Msg::error(ShiftEntry::kDuplicateMessage);
        return;
    }

    // The day sheet shows the saved position, on the same row number.
    Dataset &list = DataModule6->shiftList(Form1->ShiftMode);
    const int row = list.recNo();
    list.reopen();
    if (!list.isEmpty() && row >= 1)
        list.setRecNo(row);
    // The shift timesheet reads its monthly lists again when next shown.
    DataModule6->H_Tabel_1.close();
    DataModule6->H_Tabel_2.close();
    DataModule6->H_Tabel_3.close();

    for (QLineEdit *e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9})
        e->clear();
    accept();
}
