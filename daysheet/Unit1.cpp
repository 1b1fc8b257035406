#include "Unit1.h"
#include "Unit11.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit23.h"
#include "Unit18.h"
#include "dataset.h"
#include "dbgrid.h"
#include "hourssheet.h"
#include "messages.h"
#include "modal.h"
#include "program.h"
#include "versioncheck.h"
#include "waitcursor.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

TForm1 *Form1 = nullptr;

namespace {

QDate g_today;

const QString kMasterWord = QStringLiteral("truvell");

bool isApproved(const QString &ok)
{
    return ok == QLatin1String("ok") || ok == QStringLiteral("да");
}

bool isWeekend(const QDate &d)
{
    return d.dayOfWeek() >= 6;
}

} // namespace

QDate TForm1::today()
{
    return g_today.isValid() ? g_today : QDate::currentDate();
}

void TForm1::setTodayForTests(const QDate &date)
{
    g_today = date;
}

TForm1::TForm1(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Табель"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1280, 720);

    MainMenu1 = new QMenuBar(this);
    N2 = MainMenu1->addMenu(QStringLiteral("Справочники"));
    N1 = N2->addAction(QStringLiteral("Рабочие"));
    N3 = N2->addAction(QStringLiteral("Изделия"));
    N4 = N2->addAction(QStringLiteral("Цены"));
    N6 = N2->addAction(QStringLiteral("Операции"));
    N8 = N2->addAction(QStringLiteral("Ном. группы"));
    N11 = MainMenu1->addMenu(QStringLiteral("Табель"));
    N9 = N11->addAction(QStringLiteral("Табель сделка"));
    N13 = N11->addAction(QStringLiteral("Табель по сменам"));
    N14 = N11->addMenu(QStringLiteral("Табель хоз. работ"));
    N20 = N14->addAction(QStringLiteral("По людям"));
    N22 = N14->addAction(QStringLiteral("По номенклатуре"));
    N15 = N11->addMenu(QStringLiteral("Табель ср. сдельная"));
    N18 = N15->addAction(QStringLiteral("По людям"));
    N19 = N15->addAction(QStringLiteral("По номенклатуре"));
    N17 = N11->addAction(QStringLiteral("Общий табель"));
    N23 = N11->addAction(QStringLiteral("Общий табель ЗП"));
    N7 = MainMenu1->addMenu(QStringLiteral("Отчеты"));
    N10 = N7->addAction(QStringLiteral("Сводные отчеты"));
    N5 = MainMenu1->addAction(QStringLiteral("Выход"));
    // Windows that this build does not have yet stay visible but disabled.
    for (QAction *a : {N3, N4, N6, N8, N9, N13, N17, N23, N20, N22, N18, N19})
        a->setEnabled(false);

    RadioButton1 = new QRadioButton(QStringLiteral("Смена №1"), this);
    RadioButton2 = new QRadioButton(QStringLiteral("Смена №2"), this);
    RadioButton3 = new QRadioButton(QStringLiteral("Смена №3"), this);
    RadioButton4 = new QRadioButton(QStringLiteral("Переработка"), this);
    RadioButton1->setChecked(true);

    auto *dateLabel = new QLabel(QStringLiteral("&Дата:"), this);
    DateT = new QDateEdit(this);
    DateT->setCalendarPopup(true);
    DateT->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateT->setDate(today());
    dateLabel->setBuddy(DateT);
    DateT->setAccessibleName(QStringLiteral("Дата"));
    DateT->installEventFilter(this);

    CBox1 = new QCheckBox(QStringLiteral("Выходной"), this);

    auto *top = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{RadioButton1, RadioButton2, RadioButton3, RadioButton4})
        top->addWidget(w);
    top->addSpacing(24);
    top->addWidget(dateLabel);
    top->addWidget(DateT);
    top->addSpacing(12);
    top->addWidget(CBox1);
    top->addStretch();

    DBGrid2 = new DBGrid(this);
    DBGrid2->setAccessibleName(QStringLiteral("Позиции смены"));
    DBGrid2->setColumns({
        {QStringLiteral("fio"), QStringLiteral("Фамилия И.О."), 250},
        {QStringLiteral("marka"), QStringLiteral("Марка изделия"), 260},
        {QStringLiteral("vid"), QStringLiteral("Операция"), 155},
        {QStringLiteral("nmn"), QStringLiteral("Вид"), 157},
        {QStringLiteral("color"), QStringLiteral("Цвет"), 64, Qt::AlignCenter},
        {QStringLiteral("time"), QStringLiteral("Часы"), 64, Qt::AlignRight | Qt::AlignVCenter},
        {QStringLiteral("kol_vo"), QStringLiteral("Кол-во"), 57, Qt::AlignRight | Qt::AlignVCenter},
        {QStringLiteral("brak"), QStringLiteral("Брак"), 49, Qt::AlignRight | Qt::AlignVCenter},
        {QStringLiteral("summa"), QStringLiteral("Итого (р.)"), 78, Qt::AlignRight | Qt::AlignVCenter},
        {QStringLiteral("prize"), QStringLiteral("Премия (%)"), 64, Qt::AlignLeft | Qt::AlignVCenter, false},
        {QStringLiteral("ok"), QStringLiteral("OK"), 37, Qt::AlignCenter},
        {QStringLiteral("vvod"), QStringLiteral("Заведен"), 84, Qt::AlignCenter}, // a whole date
    });
    // The approval column: approved in green, the rest in red, both bold.
    DBGrid2->setCellStyle([](const Dataset &ds, int row, const QString &field, int role) -> QVariant {
        if (field != QLatin1String("ok"))
            return {};
        if (role == Qt::ForegroundRole)
            return QColor(isApproved(ds.valueAt(row, field).toString()) ? Qt::darkGreen : Qt::red);
        if (role == Qt::FontRole) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    });

    Button1 = new QPushButton(QStringLiteral("Добавить"), this);
    Button2 = new QPushButton(QStringLiteral("Изменить"), this);
    Button3 = new QPushButton(QStringLiteral("Удалить"), this);
    Button8 = new QPushButton(QStringLiteral("Обновить"), this);
    Button5 = new QPushButton(QStringLiteral("Ср.сд./хоз. работы"), this);
    Button4 = new QPushButton(QStringLiteral("Выход"), this);
    for (QPushButton *b : {Button1, Button2, Button3, Button8, Button5, Button4})
        b->setAutoDefault(false);
    Button5->setEnabled(false);

    // Keys for the foreman who works from the keyboard.
    const auto key = [this](const QKeySequence &sequence, const std::function<void()> &action, QWidget *guard) {
        auto *shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [action, guard] {
            if (guard->isEnabled())
                action();
        });
    };
    key(Qt::Key_Insert, [this] { Button1->click(); }, Button1);
    key(QKeySequence(Qt::SHIFT | Qt::Key_Insert), [this] { N21->trigger(); }, Button1);
    key(Qt::Key_F2, [this] { Button2->click(); }, Button2);
    key(Qt::Key_Delete, [this] { Button3->click(); }, Button3);
    key(Qt::Key_F5, [this] { Button8->click(); }, Button8);
    Button1->setToolTip(QStringLiteral("Новая позиция (Insert). Правая кнопка мыши или Shift+Insert — копия выбранной"));
    Button2->setToolTip(QStringLiteral("Изменить выбранную позицию (F2)"));
    Button3->setToolTip(QStringLiteral("Удалить выбранную позицию (Delete)"));
    Button8->setToolTip(QStringLiteral("Перечитать списки (F5)"));

    PopupMenu1 = new QMenu(this);
    N21 = PopupMenu1->addAction(QStringLiteral("Копия"));
    Button1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Button1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(Button1->mapToGlobal(pos)); });

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {Button1, Button2, Button3, Button8, Button5})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Button4);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(MainMenu1);
    layout->addLayout(top);
    layout->addWidget(DBGrid2, 1);
    layout->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setInterval(30000);
    updtOK = new Command(QStringLiteral("update accounts_dep.smena set ok=:ok where id=:id"));

    connect(RadioButton1, &QRadioButton::clicked, this, &TForm1::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TForm1::RadioButton2Click);
    connect(RadioButton3, &QRadioButton::clicked, this, &TForm1::RadioButton3Click);
    connect(RadioButton4, &QRadioButton::clicked, this, &TForm1::RadioButton4Click);
    connect(CBox1, &QCheckBox::clicked, this, &TForm1::CBox1Click);
    connect(CBox1, &QCheckBox::toggled, this, &TForm1::styleCheckBox);
    // The lists follow the date picker only when its calendar closes on a
    // date or Enter is pressed in it, not on every typed digit.
    connect(DateT->calendarWidget(), &QCalendarWidget::clicked, this, &TForm1::DateTChange, Qt::QueuedConnection);
    connect(DateT->calendarWidget(), &QCalendarWidget::activated, this, &TForm1::DateTChange, Qt::QueuedConnection);
    connect(DBGrid2, &QAbstractItemView::doubleClicked, this, &TForm1::DBGrid2DblClick);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(N21, &QAction::triggered, this, &TForm1::N21Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(N5, &QAction::triggered, this, &TForm1::N5Click);
    connect(N1, &QAction::triggered, this, &TForm1::N1Click);
    connect(N10, &QAction::triggered, this, &TForm1::N10Click);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    selectShift(1);
    styleCheckBox();
}

TForm1::~TForm1()
{
    delete updtOK;
}

bool TForm1::FormCreate(const QStringList &arguments)
{
    if (!DataModule6)
        DataModule6 = new TDataModule6(this);
    QString error;
    if (!DataModule6->connectDatabase(arguments, &error)) {
        Msg::service().show(QStringLiteral("Подключение к БД отсутсвует!!!"), QStringLiteral("Ошибка!"), Msg::Ok,
                            Msg::Icon::Error);
        Program::requestEnd();
        return false;
    }
    DBGrid2->setDataset(&DataModule6->Smena1);
    if (!Form23)
        Form23 = new TForm23;
    Timer1->start();
    return true;
}

void TForm1::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_firstShow) {
        m_firstShow = false;
        FormActivate();
    }
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DateT && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            DateTKeyPress();
            return true; // Enter here re-reads the lists, it does not press a button
        }
    }
    return QDialog::eventFilter(watched, event);
}

int TForm1::showChild(QDialog *window)
{
    const int result = Modal::show(window);
    FormActivate();
    return result;
}

Dataset &TForm1::listOfShift() const
{
    return DataModule6->shiftList(ShiftMode);
}

void TForm1::closeShiftLists()
{
    for (int shift = 1; shift <= 4; ++shift) {
        Dataset &list = DataModule6->shiftList(shift);
        list.close();
        list.setFiltered(false);
    }
}

void TForm1::openShiftLists(const QDate &date)
{
    for (int shift = 1; shift <= 4; ++shift) {
        Dataset &list = DataModule6->shiftList(shift);
        list.close();
        list.setParam(QStringLiteral("data"), date);
        list.open();
    }
}

void TForm1::FormActivate()
{
    const QDate d = today();
    DateT->setDate(d);
    if (isWeekend(d))
        CBox1->setChecked(true);
    closeShiftLists();
    openShiftLists(d);
}

void TForm1::DateTChange()
{
    WaitCursor wait;
    const QDate d = DateT->date();
    openShiftLists(d);
    CBox1->setChecked(isWeekend(d));
    DBGrid2->setFocus();
}

void TForm1::DateTKeyPress()
{
    DateTChange();
}

void TForm1::CBox1Click()
{
    styleCheckBox();
}

void TForm1::styleCheckBox()
{
    CBox1->setStyleSheet(CBox1->isChecked() ? QStringLiteral("QCheckBox { background-color: red; font-weight: bold; }")
                                            : QString());
}

void TForm1::selectShift(int shift)
{
    QRadioButton *buttons[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    if (DataModule6)
        DBGrid2->setDataset(&DataModule6->shiftList(shift));
    for (int i = 0; i < 4; ++i)
        buttons[i]->setStyleSheet(i + 1 == shift
                                      ? QStringLiteral("QRadioButton { background-color: green; font-weight: bold; }")
                                      : QString());
    ShiftMode = shift;
}

void TForm1::RadioButton1Click()
{
    if (RadioButton1->isChecked())
        selectShift(1);
}

void TForm1::RadioButton2Click()
{
    if (RadioButton2->isChecked())
        selectShift(2);
}

void TForm1::RadioButton3Click()
{
    if (RadioButton3->isChecked())
        selectShift(3);
}

void TForm1::RadioButton4Click()
{
    if (RadioButton4->isChecked())
        selectShift(4);
}

void TForm1::Button8Click()
{
    WaitCursor wait;
    for (int shift = 1; shift <= 4; ++shift)
        DataModule6->shiftList(shift).close();
    for (int shift = 1; shift <= 4; ++shift)
        DataModule6->shiftList(shift).open();
}

void TForm1::DBGrid2DblClick()
{
    if (RoleText == kMasterWord)
        return;
    CurrentShiftQuery = &listOfShift();
    Dataset &list = *CurrentShiftQuery;
    if (list.isEmpty())
        return;
    const bool approved = isApproved(list.text(QStringLiteral("ok")));
    updtOK->setParam(QStringLiteral("ok"), approved ? QStringLiteral("no") : QStringLiteral("ok"));
    updtOK->setParam(QStringLiteral("id"), list.intValue(QStringLiteral("id")));
    updtOK->execute();
    const int row = list.recNo();
    list.reopen();
    list.setRecNo(row);
}

void TForm1::Button1Click()
{
    CurrentShiftQuery = &listOfShift();
    Form11->OpenNew(DateT->date());
    showChild(Form11);
}

void TForm1::Button2Click()
{
    CurrentShiftQuery = &listOfShift();
    Dataset &list = *CurrentShiftQuery;
    const int row = list.recNo();
    if (list.isEmpty())
        return;
    Form11->OpenChange(list);
    showChild(Form11);
    list.setRecNo(row);
}

void TForm1::N21Click()
{
    CurrentShiftQuery = &listOfShift();
    Dataset &list = *CurrentShiftQuery;
    if (list.isEmpty())
        return; // nothing to copy
    Form11->OpenCopy(list);
    showChild(Form11);
    Form11->DialogMode = 0;
}

void TForm1::Button3Click()
{
    Dataset &list = listOfShift();
    if (list.isEmpty())
        return;
    const int id = list.intValue(QStringLiteral("id"));
    // The upkeep follows the deleted position itself, whatever the date
    // picker shows now.
    const int workerId = list.intValue(QStringLiteral("w_id"));
    const int shift = list.intValue(QStringLiteral("smena"));
    const QDate day = list.value(QStringLiteral("data")).toDate();

    if (!Msg::ask(QStringLiteral("Удалить позицию из списка?"), QStringLiteral("Удаление"))) {
        list.reopen();
        return;
    }
    {
        Transaction tx;
        HoursSheet::lockWorkerMonths({{workerId, day}});
        DataModule6->DelSmena.setSql(QStringLiteral("delete from accounts_dep.smena where id=") + QString::number(id));
        DataModule6->DelSmena.execute();
        HoursSheet::updateDayCell(workerId, shift, day);
        tx.commit();
    }
    list.reopen();
}

void TForm1::Button4Click()
{
    done(QDialog::Rejected);
}

void TForm1::N5Click()
{
    done(QDialog::Rejected);
}

void TForm1::Timer1Timer()
{
    if (Form23)
        Form23->runVersionCheck();
}

void TForm1::N1Click()
{
    Form5->OpenList();
    showChild(Form5);
    DataModule6->Workers.close();
}

void TForm1::N10Click()
{
    Form18->showForDate(today());
    FormActivate();
}
