#include "Unit1.h"
#include "Unit23.h"
#include "Unit6.h"
#include "dataset.h"
#include "dbgrid.h"
#include "factory.h"
#include "messages.h"
#include "modal.h"
#include "program.h"
#include "startup.h"
#include "testdb.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

// The day sheet: the four shift lists of a date, approval, deletion with the
// hours sheet, and the date and weekend rules.
class TestDaySheet : public QObject
{
    Q_OBJECT
    TestDb db{QStringLiteral("daysheet")};
    Factory f{db};
    const QDate monday{2026, 12, 7};
    const QDate saturday{2026, 12, 12};
    int ivanov = 0, petrov = 0, abramov = 0;
    int shelf = 0, cabinet = 0;
    int cut = 0, paint = 0, cutCabinet = 0;

    void login(const QString &word)
    {
        Form23->Edit1->setText(word);
        Modal::Scope scope([](QDialog *) { return int(QDialog::Rejected); });
        Form23->Button1Click();
        Form1->FormActivate();
    }

    QStringList names(Dataset &list)
    {
        QStringList out;
        for (int row = 0; row < list.recordCount(); ++row)
            out << list.valueAt(row, QStringLiteral("fio")).toString() + QLatin1Char('/')
                    + list.valueAt(row, QStringLiteral("marka")).toString() + QLatin1Char('/')
                    + list.valueAt(row, QStringLiteral("color")).toString();
        return out;
    }

    QVariant cell(int worker, int shift, int day) { return f.hoursCell(worker, shift, QDate(2026, 12, day)); }

private Q_SLOTS:
    void initTestCase()
    {
        const int g = f.group(QStringLiteral("Стеллажи"));
        shelf = f.product(QStringLiteral("СТ-1200"), g);
        cabinet = f.product(QStringLiteral("ШМ-30"), g);
        const int cutting = f.kind(QStringLiteral("Резка"));
        const int painting = f.kind(QStringLiteral("Покраска"));
        cut = f.operation(shelf, cutting, 0, {12.5, 10});
        paint = f.operation(shelf, painting, 1, {3.3333});
        cutCabinet = f.operation(cabinet, cutting, 0, {7});
        ivanov = f.worker(QStringLiteral("Иванов Иван Иванович"));
        petrov = f.worker(QStringLiteral("Петров Пётр Петрович"));
        abramov = f.worker(QStringLiteral("Абрамов Антон Андреевич"));
    }

    void init()
    {
        Program::resetForTests();
        TForm1::setTodayForTests(monday);
        db.exec(QStringLiteral("delete from accounts_dep.smena; delete from accounts_dep.h_tabel"));
        QVERIFY(Startup::createWindows({db.name(), TestDb::socketDir()}));
    }
    void cleanup() { Startup::destroyWindows(); }

    void listsPerShiftInTheirOrder()
    {
        using P = Factory::Position;
        f.position(P{petrov, shelf, paint, monday, 1, 3.3333, 10, 0, 8, 1017});
        f.position(P{petrov, shelf, paint, monday, 1, 3.3333, 10, 0, 8, 1});
        f.position(P{petrov, cabinet, cutCabinet, monday, 1, 7, 5});
        f.position(P{ivanov, shelf, cut, monday, 1, 10, 3});
        f.position(P{abramov, shelf, cut, monday, 2, 10, 3});
        f.position(P{ivanov, cabinet, cutCabinet, monday, 2, 7, 2});
        f.position(P{abramov, cabinet, cutCabinet, monday, 3, 7, 2});
        f.position(P{ivanov, cabinet, cutCabinet, monday, 4, 7, 2, 0, 8, 0, QStringLiteral("ta")}); // hidden
        f.position(P{ivanov, cabinet, cutCabinet, monday.addDays(1), 1, 7, 2}); // another day
        login(QStringLiteral("7348"));

        QCOMPARE(names(DataModule6->Smena1),
                 (QStringList{"Иванов И.И./СТ-1200/0", "Петров П.П./СТ-1200/1", "Петров П.П./СТ-1200/1017",
                              "Петров П.П./ШМ-30/0"}));
        QCOMPARE(names(DataModule6->Smena2), (QStringList{"Абрамов А.А./СТ-1200/0", "Иванов И.И./ШМ-30/0"}));
        QCOMPARE(names(DataModule6->Smena3), QStringList{"Абрамов А.А./ШМ-30/0"});
        QCOMPARE(names(DataModule6->Smena4), QStringList{});

        // Amount, stage name and the grid's columns.
        Dataset &s1 = DataModule6->Smena1;
        QCOMPARE(s1.valueAt(1, QStringLiteral("summa")).toString(), QStringLiteral("33.33"));
        QCOMPARE(s1.valueAt(1, QStringLiteral("nmn")).toString(), QStringLiteral("Заготовки"));
        QCOMPARE(s1.valueAt(0, QStringLiteral("nmn")).toString(), QStringLiteral("Готовая продукция"));
        QCOMPARE(Form1->DBGrid2->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Фамилия И.О."));
        QCOMPARE(Form1->DBGrid2->cellText(0, QStringLiteral("vvod")), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));

        // Switching the shift rebinds the grid without a re-read.
        Form1->RadioButton3->setChecked(true);
        Form1->RadioButton3Click();
        QCOMPARE(Form1->ShiftMode, 3);
        QCOMPARE(Form1->DBGrid2->dataset(), &DataModule6->Smena3);
    }

    void approvalToggles_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("not approved") << "7348" << "no" << "ok" << "no";
        QTest::newRow("да counts as approved") << "7348" << "да" << "no" << "ok";
        QTest::newRow("storekeeper") << "gelvo" << "no" << "ok" << "no";
        QTest::newRow("master cannot") << "truvell" << "no" << "no" << "no";
    }
    void approvalToggles()
    {
        QFETCH(QString, word);
        QFETCH(QString, start);
        QFETCH(QString, first);
        QFETCH(QString, second);
        using P = Factory::Position;
        f.position(P{ivanov, shelf, cut, monday, 1, 10, 3});
        const int id = f.position(P{petrov, shelf, cut, monday, 1, 10, 3, 0, 8, 0, start});
        login(word);
        DataModule6->Smena1.setRecNo(2);
        const auto status = [&] { return db.value(QStringLiteral("select ok from accounts_dep.smena where id=%1").arg(id)).toString(); };
        Form1->DBGrid2DblClick();
        QCOMPARE(status(), first);
        QCOMPARE(DataModule6->Smena1.recNo(), 2); // stays on the row
        QCOMPARE(DataModule6->Smena1.text(QStringLiteral("ok")), first);
        const QVariant colour = Form1->DBGrid2->model()->data(
            Form1->DBGrid2->model()->index(1, 10), Qt::ForegroundRole);
        QCOMPARE(colour.value<QColor>(), QColor(first == QLatin1String("ok") ? Qt::darkGreen : Qt::red));
        Form1->DBGrid2DblClick();
        QCOMPARE(status(), second);
    }

    void deleteKeepsTheHoursSheet()
    {
        using P = Factory::Position;
        // Two positions on the 7th, one on the 8th.
        const int first = f.position(P{ivanov, shelf, cut, monday, 1, 10, 3, 0, 5});
        f.position(P{ivanov, cabinet, cutCabinet, monday, 1, 7, 2, 0, 3});
        f.position(P{ivanov, cabinet, cutCabinet, monday.addDays(1), 1, 7, 2, 0, 8});
        db.exec(QStringLiteral("insert into accounts_dep.h_tabel(w_id, smena, month, year, d7, d8) values(%1, 1, 12, 2026, 8, 8)").arg(ivanov));
        login(QStringLiteral("7348"));
        Msg::Recorder boxes;

        // Declined: nothing changes.
        boxes.answers = {Msg::No};
        QVERIFY(DataModule6->Smena1.locate(QStringLiteral("id"), first));
        Form1->Button3Click();
        QCOMPARE(boxes.boxes.last().text, QStringLiteral("Удалить позицию из списка?"));
        QCOMPARE(boxes.boxes.last().caption, QStringLiteral("Удаление"));
        QCOMPARE(DataModule6->Smena1.recordCount(), 2);
        QCOMPARE(cell(ivanov, 1, 7).toInt(), 8);

        // One of two: the other's hours remain.
        QVERIFY(DataModule6->Smena1.locate(QStringLiteral("id"), first));
        Form1->Button3Click();
        QCOMPARE(DataModule6->Smena1.recordCount(), 1);
        QCOMPARE(cell(ivanov, 1, 7).toInt(), 3);

        // The last one: the day is empty, the 8th survives.
        Form1->Button3Click();
        QCOMPARE(DataModule6->Smena1.recordCount(), 0);
        QVERIFY(cell(ivanov, 1, 7).isNull());
        QCOMPARE(cell(ivanov, 1, 8).toInt(), 8);
        QCOMPARE(db.value(QStringLiteral("select count(*) from accounts_dep.h_tabel")).toInt(), 1);

        // Nothing to delete on an empty list.
        boxes.clear();
        Form1->Button3Click();
        QVERIFY(boxes.boxes.isEmpty());
    }

    void deleteFollowsThePositionNotThePicker()
    {
        using P = Factory::Position;
        f.position(P{ivanov, shelf, cut, monday, 1, 10, 3, 0, 5});
        db.exec(QStringLiteral("insert into accounts_dep.h_tabel(w_id, smena, month, year, d7, d9) values(%1, 1, 12, 2026, 5, 4)").arg(ivanov));
        login(QStringLiteral("7348"));
        Msg::Recorder boxes;
        Form1->DateT->setDate(monday.addDays(2)); // typed, not yet confirmed
        Form1->Button3Click();
        QVERIFY(cell(ivanov, 1, 7).isNull());
        QCOMPARE(cell(ivanov, 1, 9).toInt(), 4);
    }

    void failedDeleteLeavesEverything()
    {
        using P = Factory::Position;
        const int id = f.position(P{ivanov, shelf, cut, monday, 1, 10, 3, 0, 5});
        db.exec(QStringLiteral("insert into accounts_dep.h_tabel(w_id, smena, month, year, d7) values(%1, 1, 12, 2026, 5)").arg(ivanov));
        login(QStringLiteral("7348"));
        Msg::Recorder boxes;
        // The hours-sheet step fails after the delete has run.
        db.exec(QStringLiteral("alter table accounts_dep.h_tabel add constraint no_nulls check (d7 is not null) not valid"));
        QVERIFY_THROWS_EXCEPTION(std::exception, Form1->Button3Click());
        db.exec(QStringLiteral("alter table accounts_dep.h_tabel drop constraint no_nulls"));
        QCOMPARE(db.value(QStringLiteral("select count(*) from accounts_dep.smena where id=%1").arg(id)).toInt(), 1);
        QCOMPARE(cell(ivanov, 1, 7).toInt(), 5);
    }

    void activationAndWeekendBox()
    {
        using P = Factory::Position;
        f.position(P{ivanov, shelf, cut, saturday, 1, 10, 3});
        TForm1::setTodayForTests(saturday);
        login(QStringLiteral("7348"));
        QCOMPARE(Form1->DateT->date(), saturday);
        QVERIFY(Form1->CBox1->isChecked());
        QCOMPARE(DataModule6->Smena1.recordCount(), 1);

        // A weekday picked in the calendar unchecks the box and re-reads.
        Form1->DateT->setDate(monday);
        Form1->DateTChange();
        QVERIFY(!Form1->CBox1->isChecked());
        QCOMPARE(DataModule6->Smena1.recordCount(), 0);
        Form1->DateT->setDate(saturday);
        Form1->DateTKeyPress();
        QVERIFY(Form1->CBox1->isChecked());

        // Back from another window: today again; a box checked by hand on a
        // weekday stays checked.
        TForm1::setTodayForTests(monday);
        Form1->CBox1->setChecked(true);
        Form1->FormActivate();
        QCOMPARE(Form1->DateT->date(), monday);
        QVERIFY(Form1->CBox1->isChecked());
        QCOMPARE(DataModule6->Smena1.param(QStringLiteral("data")).toDate(), monday);
    }
};

QTEST_MAIN(TestDaySheet)
#include "tst_daysheet.moc"
