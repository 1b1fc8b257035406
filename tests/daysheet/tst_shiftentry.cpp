#include "Unit1.h"
#include "Unit11.h"
#include "Unit23.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "dataset.h"
#include "factory.h"
#include "messages.h"
#include "modal.h"
#include "program.h"
#include "shiftentry.h"
#include "startup.h"
#include "testdb.h"
#include "unitprice.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The shift-entry dialog: pricing, the duplicate rule, validation, the row it
// writes and the hours sheet it keeps, driven as the day sheet drives it.
class TestShiftEntry : public QObject
{
    Q_OBJECT
    TestDb db{QStringLiteral("shiftentry")};
    Factory f{db};
    const QDate monday{2026, 12, 7};
    const QDate tuesday{2026, 12, 8};
    const QString allFields = QStringLiteral("Все поля должны быть заполнены!");
    int ivanov = 0, petrov = 0;
    int shelf = 0, cabinet = 0;
    int cut = 0, paint = 0, cutCabinet = 0, night = 0, weekend = 0;
    QHash<QString, int> kinds;

    void login()
    {
        Form23->Edit1->setText(QStringLiteral("7348"));
        Modal::Scope scope([](QDialog *) { return int(QDialog::Rejected); });
        Form23->Button1Click();
        Form1->FormActivate();
    }

    void selectShift(int shift)
    {
        QRadioButton *buttons[] = {Form1->RadioButton1, Form1->RadioButton2, Form1->RadioButton3, Form1->RadioButton4};
        buttons[shift - 1]->setChecked(true);
        switch (shift) {
        case 1: Form1->RadioButton1Click(); break;
        case 2: Form1->RadioButton2Click(); break;
        case 3: Form1->RadioButton3Click(); break;
        default: Form1->RadioButton4Click(); break;
        }
    }

    // The day sheet opens the dialog; `user` plays the foreman's part in it.
    void inDialog(void (TForm1::*opener)(), const std::function<void()> &user)
    {
        Modal::Scope scope([&](QDialog *d) {
            Form11->setResult(QDialog::Rejected);
            if (d == Form11)
                user();
            return d->result();
        });
        (Form1->*opener)();
    }

    void pickWorker(int id)
    {
        Modal::Scope scope([&](QDialog *d) {
            if (d != Form5 || !DataModule6->Workers.locate(QStringLiteral("id"), id))
                return int(QDialog::Rejected);
            Form5->Button2Click();
            return Form5->result();
        });
        Form11->Button3Click();
    }

    void pickOperation(int id)
    {
        Modal::Scope scope([&](QDialog *d) {
            if (d != Form4 || !DataModule6->Oper.locate(QStringLiteral("id"), id))
                return int(QDialog::Rejected);
            Form4->Button2Click();
            return Form4->result();
        });
        Form11->Button4Click();
    }

    void type(const QString &quantity, const QString &defects, const QString &hours, const QString &colour = {})
    {
        Form11->Edit3->setText(quantity);
        Form11->Edit4->setText(defects);
        Form11->Edit6->setText(hours);
        Form11->Edit5->setText(colour);
    }

    // One row of accounts_dep.smena as text, in the order the dialog writes it.
    QString row(int id)
    {
        return db.value(QStringLiteral(
                            "select concat_ws('|', w_id, i_id, o_id, cena, kol_vo, brak, to_char(data, 'DD.MM.YYYY'), "
                            "smena, color, time, to_char(vvod, 'DD.MM.YYYY HH24:MI'), ok, prize, id_doc, id_doc_item, "
                            "f_gds_qty_use, id_gds_use, id_cons_use) from accounts_dep.smena where id=%1")
                            .arg(id))
            .toString();
    }

    int lastId() { return db.value(QStringLiteral("select max(id) from accounts_dep.smena")).toInt(); }
    int positions() { return db.value(QStringLiteral("select count(*) from accounts_dep.smena")).toInt(); }

    QVariant cell(int worker, int day, int shift = 1) { return f.hoursCell(worker, shift, QDate(2026, 12, day)); }

private Q_SLOTS:
    void initTestCase()
    {
        const int g = f.group(QStringLiteral("Стеллажи"));
        shelf = f.product(QStringLiteral("СТ-1200"), g);
        cabinet = f.product(QStringLiteral("ШМ-30"), g);
        for (const QString &name : {QStringLiteral("Резка"), QStringLiteral("Покраска"), QStringLiteral("КРАСКА эмалью"),
                                    QStringLiteral("подкраска кистью")})
            kinds.insert(name, f.kind(name));
        cut = f.operation(shelf, kinds[QStringLiteral("Резка")], 0, {12.5, 10, 11});
        paint = f.operation(shelf, kinds[QStringLiteral("Покраска")], 1, {5});
        cutCabinet = f.operation(cabinet, kinds[QStringLiteral("Резка")], 0, {7});
        night = f.operation(cabinet, kinds[QStringLiteral("КРАСКА эмалью")], 0, {3.3333});
        weekend = f.operation(cabinet, kinds[QStringLiteral("подкраска кистью")], 1, {1.2345});
        ivanov = f.worker(QStringLiteral("Иванов Иван Иванович"));
        petrov = f.worker(QStringLiteral("Петров Пётр Петрович"));
    }

    void init()
    {
        Program::resetForTests();
        TForm1::setTodayForTests(monday);
        db.exec(QStringLiteral("delete from accounts_dep.smena; delete from accounts_dep.h_tabel"));
        QVERIFY(Startup::createWindows({db.name(), TestDb::socketDir()}));
        login();
    }
    void cleanup() { Startup::destroyWindows(); }

    void unitPrice_data()
    {
        QTest::addColumn<double>("base");
        QTest::addColumn<bool>("dayOff");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("written");
        QTest::newRow("first shift") << 10.0 << false << 1 << "10";
        QTest::newRow("second shift") << 12.5 << false << 2 << "12.5";
        QTest::newRow("third shift") << 10.0 << false << 3 << "12";
        QTest::newRow("overtime") << 10.0 << false << 4 << "15";
        QTest::newRow("day off") << 10.0 << true << 1 << "20";
        QTest::newRow("day off, third shift") << 10.0 << true << 3 << "24";
        QTest::newRow("day off, overtime") << 10.0 << true << 4 << "30";
        QTest::newRow("3.99996 is written 4") << 3.3333 << false << 3 << "4";
        QTest::newRow("weekend night") << 1.2345 << true << 3 << "2.9628";
    }
    void unitPrice()
    {
        QFETCH(double, base);
        QFETCH(bool, dayOff);
        QFETCH(int, shift);
        QFETCH(QString, written);
        QCOMPARE(UnitPrice::priceText(UnitPrice::withFactors(base, dayOff, shift)), written);
    }

    void roundingHalfToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half down to even 0") << 0.00005 << "0";
        QTest::newRow("half up to even 2") << 0.00015 << "0.0002";
        QTest::newRow("half stays even 2") << 0.00025 << "0.0002";
        QTest::newRow("as shown, not as stored") << 1.00015 << "1.0002";
        QTest::newRow("more than half") << 1.234451 << "1.2345";
        QTest::newRow("carry") << 99.99995 << "100";
        QTest::newRow("binary noise") << 0.1 + 0.2 << "0.3";
        QTest::newRow("trailing zeros") << 123456.78905 << "123456.789";
        QTest::newRow("tiny") << 1e-9 << "0";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void roundingHalfToEven()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(UnitPrice::roundedText(value), text);
    }

    void operationPickPrices_data()
    {
        QTest::addColumn<int>("shift");
        QTest::addColumn<bool>("dayOff");
        QTest::addColumn<QString>("unitPrice");
        QTest::addColumn<QString>("amount"); // 3 pieces
        QTest::newRow("first shift") << 1 << false << "10" << "30";
        QTest::newRow("third shift") << 3 << false << "12" << "36";
        QTest::newRow("overtime") << 4 << false << "15" << "45";
        QTest::newRow("day off") << 1 << true << "20" << "60";
    }
    void operationPickPrices()
    {
        QFETCH(int, shift);
        QFETCH(bool, dayOff);
        QFETCH(QString, unitPrice);
        QFETCH(QString, amount);
        selectShift(shift);
        Form1->CBox1->setChecked(dayOff);
        Form11->OpenNew(monday);
        pickOperation(cut);
        QCOMPARE(Form11->Edit2->text(), QStringLiteral("СТ-1200; Резка; Готовая продукция"));
        QCOMPARE(Form11->ProductId, shelf);
        QCOMPARE(Form11->OperationId, cut);
        QCOMPARE(Form11->Edit8->text(), QStringLiteral("10")); // the smallest price record
        QCOMPARE(Form11->Edit7->text(), unitPrice);
        QCOMPARE(Form11->Edit3->text(), QStringLiteral("0")); // filled in by the refresh
        Form11->Edit3->setText(QStringLiteral("3"));
        Form11->Edit6Exit();
        QCOMPARE(Form11->Edit9->text(), amount);
    }

    void newPositionAndTheHoursSheet()
    {
        Msg::Recorder boxes;
        inDialog(&TForm1::Button1Click, [&] {
            QCOMPARE(Form11->windowTitle(), QStringLiteral("Заведение новой позиции (11)"));
            QCOMPARE(Form11->DialogMode, 1);
            QCOMPARE(Form11->DTimeP->date(), monday);
            QCOMPARE(Form11->Edit4->text(), QStringLiteral("0"));
            QCOMPARE(Form11->Edit6->text(), QStringLiteral("0"));
            pickWorker(ivanov);
            QCOMPARE(Form11->Edit1->text(), QStringLiteral("Иванов Иван Иванович"));
            pickOperation(cut);
            type(QStringLiteral("12"), QStringLiteral("1"), QStringLiteral("5"));
            Form11->Button1Click();
        });
        QVERIFY(boxes.boxes.isEmpty());
        const int first = lastId();
        QCOMPARE(row(first), QStringLiteral("%1|%2|%3|10|12|1|07.12.2026|1|0|5|07.12.2026 00:00|no|0|0|0|0|0|0")
                                 .arg(ivanov)
                                 .arg(shelf)
                                 .arg(cut));
        QVERIFY(Form11->Edit1->text().isEmpty()); // a saved dialog starts empty
        QCOMPARE(DataModule6->Smena1.recordCount(), 1);
        // The month's row is created with only that day.
        QCOMPARE(cell(ivanov, 7).toInt(), 5);
        QCOMPARE(db.value(QStringLiteral("select concat_ws('|', i_type, i_night, num_nonnulls(d1, d2, d3, d4, d5, d6, d7, "
                                         "d8, d9, d10, d11, d12, d13, d14, d15, d16, d17, d18, d19, d20, d21, d22, d23, "
                                         "d24, d25, d26, d27, d28, d29, d30, d31)) from accounts_dep.h_tabel"))
                     .toString(),
                 QStringLiteral("0|0|1"));

        // A second position of the same day: the cell holds both.
        inDialog(&TForm1::Button1Click, [&] {
            pickWorker(ivanov);
            pickOperation(paint);
            type(QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("1017"));
            Form11->Button1Click();
        });
        QVERIFY(boxes.boxes.isEmpty());
        QCOMPARE(positions(), 2);
        QCOMPARE(cell(ivanov, 7).toInt(), 8);
        QCOMPARE(db.value(QStringLiteral("select count(*) from accounts_dep.h_tabel")).toInt(), 1);
        QCOMPARE(db.value(QStringLiteral("select color from accounts_dep.smena where o_id=%1").arg(paint)).toInt(), 1017);
    }

    void duplicateRules()
    {
        using P = Factory::Position;
        Msg::Recorder boxes;
        const auto saveNew = [&](int operation, const QString &colour) {
            inDialog(&TForm1::Button1Click, [&] {
                pickWorker(ivanov);
                pickOperation(operation);
                type(QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("2"), colour);
                Form11->Button1Click();
            });
        };
        const int existing = f.position(P{ivanov, shelf, cut, monday, 1, 10, 3, 0, 2});
        saveNew(cut, {});
        QCOMPARE(boxes.texts(), QStringList{ShiftEntry::kDuplicateMessage});
        QCOMPARE(boxes.boxes.last().caption, QStringLiteral("Ошибка"));
        QCOMPARE(Form11->Edit3->text(), QStringLiteral("3")); // the dialog stays open with the input
        QCOMPARE(positions(), 1);

        // The colour tells positions apart.
        boxes.clear();
        saveNew(paint, QStringLiteral("1"));
        saveNew(paint, QStringLiteral("2"));
        QVERIFY(boxes.boxes.isEmpty());
        saveNew(paint, QStringLiteral("2"));
        QCOMPARE(boxes.texts(), QStringList{ShiftEntry::kDuplicateMessage});
        QCOMPARE(positions(), 3);

        // A change that touches nothing passes (its own row is left out) and
        // rewrites the row: today's date, no bonus, no links, the mark kept.
        db.exec(QStringLiteral("update accounts_dep.smena set ok='ok', prize=7, id_doc=5, id_doc_item=6, f_gds_qty_use=1.5, "
                               "id_gds_use=8, id_cons_use=9, vvod='01.01.2020' where id=%1")
                    .arg(existing));
        Form1->Button8Click();
        QVERIFY(DataModule6->Smena1.locate(QStringLiteral("id"), existing));
        const int rowNumber = DataModule6->Smena1.recNo();
        boxes.clear();
        inDialog(&TForm1::Button2Click, [&] {
            QCOMPARE(Form11->windowTitle(), QStringLiteral("Изменение данных о позиции (11)"));
            QCOMPARE(Form11->Edit7->text(), QStringLiteral("10"));
            QCOMPARE(Form11->Edit9->text(), QStringLiteral("30"));
            Form11->Button1Click();
        });
        QVERIFY(boxes.boxes.isEmpty());
        QCOMPARE(row(existing), QStringLiteral("%1|%2|%3|10|3|0|07.12.2026|1|0|2|07.12.2026 00:00|ok|0|0|0|0|0|0")
                                    .arg(ivanov)
                                    .arg(shelf)
                                    .arg(cut));
        QCOMPARE(DataModule6->Smena1.recNo(), rowNumber);

        // A change into another position's place is refused.
        const int other = f.position(P{ivanov, cabinet, cutCabinet, monday, 1, 7, 1, 0, 1});
        Form1->Button8Click();
        QVERIFY(DataModule6->Smena1.locate(QStringLiteral("id"), other));
        inDialog(&TForm1::Button2Click, [&] {
            pickOperation(cut);
            Form11->Button1Click();
        });
        QCOMPARE(boxes.texts(), QStringList{ShiftEntry::kDuplicateMessage});
        QCOMPARE(db.value(QStringLiteral("select o_id from accounts_dep.smena where id=%1").arg(other)).toInt(), cutCabinet);

        // A copy is filled like a change; unchanged it is a duplicate, on
        // another day it is a new position.
        boxes.clear();
        QVERIFY(DataModule6->Smena1.locate(QStringLiteral("id"), existing));
        inDialog(&TForm1::N21Click, [&] {
            QCOMPARE(Form11->DialogMode, 3);
            QCOMPARE(Form11->windowTitle(), QStringLiteral("Изменение данных о позиции (11)"));
            QCOMPARE(Form11->Edit1->text(), QStringLiteral("Иванов И.И."));
            QCOMPARE(Form11->Edit2->text(), QStringLiteral("СТ-1200; Резка; Готовая продукция"));
            Form11->Button1Click();
            QCOMPARE(boxes.texts(), QStringList{ShiftEntry::kDuplicateMessage});
            Form11->DTimeP->setDate(tuesday);
            Form11->Button1Click();
        });
        QCOMPARE(Form11->DialogMode, 0);
        QCOMPARE(row(lastId()), QStringLiteral("%1|%2|%3|10|3|0|08.12.2026|1|0|2|07.12.2026 00:00|no|0|0|0|0|0|0")
                                    .arg(ivanov)
                                    .arg(shelf)
                                    .arg(cut));
        QCOMPARE(db.value(QStringLiteral("select ok from accounts_dep.smena where id=%1").arg(existing)).toString(),
                 QStringLiteral("ok"));
        QCOMPARE(cell(ivanov, 8).toInt(), 2);
    }

    void validation_data()
    {
        QTest::addColumn<bool>("worker");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("defects");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("message");
        const QString all = allFields;
        QTest::newRow("no worker") << false << "cut" << "1" << "0" << "1" << "" << all;
        QTest::newRow("no operation") << true << "" << "1" << "0" << "1" << "" << all;
        QTest::newRow("no quantity") << true << "cut" << "" << "0" << "1" << "" << all;
        QTest::newRow("no defects") << true << "cut" << "1" << " " << "1" << "" << all;
        QTest::newRow("no hours") << true << "cut" << "1" << "0" << "" << "" << all;
        QTest::newRow("paint without colour") << true << "paint" << "1" << "0" << "1" << "" << all;
        QTest::newRow("defects beyond smallint") << true << "cut" << "40000" << "32768" << "1" << ""
                                                 << "Слишком большое число в поле «Брак»: не более 32767.";
        QTest::newRow("hours beyond integer") << true << "cut" << "1" << "0" << "2147483648" << ""
                                              << "Слишком большое число в поле «Время»: не более 2147483647.";
        QTest::newRow("colour beyond integer") << true << "paint" << "1" << "0" << "1" << "99999999999"
                                               << "Слишком большое число в поле «Цвет»: не более 2147483647.";
        QTest::newRow("absurd quantity") << true << "cut" << "1000000000000000" << "0" << "1" << ""
                                         << "Слишком большое число в поле «Кол-во»: не более 999999999999999.";
    }
    void validation()
    {
        QFETCH(bool, worker);
        QFETCH(QString, operation);
        QFETCH(QString, quantity);
        QFETCH(QString, defects);
        QFETCH(QString, hours);
        QFETCH(QString, colour);
        QFETCH(QString, message);
        Msg::Recorder boxes;
        inDialog(&TForm1::Button1Click, [&] {
            if (worker)
                pickWorker(petrov);
            if (!operation.isEmpty())
                pickOperation(operation == QLatin1String("cut") ? cut : paint);
            type(quantity, defects, hours, colour);
            Form11->Button1Click();
        });
        QCOMPARE(boxes.texts(), QStringList{message});
        QCOMPARE(boxes.boxes.first().caption, QStringLiteral("Ошибка"));
        QCOMPARE(Form11->Edit3->text(), quantity); // nothing lost
        QCOMPARE(positions(), 0);
        QCOMPARE(db.value(QStringLiteral("select count(*) from accounts_dep.h_tabel")).toInt(), 0);
    }

    void colourRule_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("needsColour");
        QTest::newRow("Покраска") << "Покраска" << true;
        QTest::newRow("КРАСКА") << "КРАСКА эмалью" << true;
        QTest::newRow("краска") << "подкраска кистью" << true;
        QTest::newRow("Резка") << "Резка" << false;
    }
    void colourRule()
    {
        QFETCH(QString, kind);
        QFETCH(bool, needsColour);
        const QHash<QString, int> operationOf{{QStringLiteral("Покраска"), paint},
                                              {QStringLiteral("КРАСКА эмалью"), night},
                                              {QStringLiteral("подкраска кистью"), weekend},
                                              {QStringLiteral("Резка"), cut}};
        Msg::Recorder boxes;
        inDialog(&TForm1::Button1Click, [&] {
            pickWorker(ivanov);
            Form11->Edit5->setText(QStringLiteral("5"));
            pickOperation(operationOf[kind]);
            QCOMPARE(Form11->Edit5->isEnabled(), needsColour);
            QCOMPARE(Form11->Label6->isEnabled(), needsColour);
            QCOMPARE(Form11->Edit5->text(), needsColour ? QStringLiteral("5") : QString());
            type(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"), needsColour ? QStringLiteral("7") : QString());
            Form11->Button1Click();
        });
        QVERIFY(boxes.boxes.isEmpty());
        QCOMPARE(db.value(QStringLiteral("select color from accounts_dep.smena")).toInt(), needsColour ? 7 : 0);
        // Opening it again for a change shows the colour box the same way.
        Form1->Button8Click();
        inDialog(&TForm1::Button2Click, [&] {
            QCOMPARE(Form11->Edit5->isEnabled(), needsColour);
            QCOMPARE(Form11->Edit5->text(), needsColour ? QStringLiteral("7") : QString());
        });
    }

    void digitsOnly()
    {
        Form11->OpenNew(monday);
        for (QLineEdit *edit : {Form11->Edit3, Form11->Edit4, Form11->Edit6}) {
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("1x2-3,5 "));
            QCOMPARE(edit->text(), QStringLiteral("1235"));
            QTest::keyClick(edit, Qt::Key_Backspace);
            QCOMPARE(edit->text(), QStringLiteral("123"));
        }
    }

    void moveRecomputesBothCells()
    {
        using P = Factory::Position;
        // Ivanov: 5 hours on the 7th; Petrov: 2 hours there already.
        const int moved = f.position(P{ivanov, shelf, cut, monday, 1, 10, 3, 0, 5});
        f.position(P{petrov, cabinet, cutCabinet, monday, 1, 7, 1, 0, 2});
        db.exec(QStringLiteral("insert into accounts_dep.h_tabel(w_id, smena, month, year, d7) values(%1, 1, 12, 2026, 5), "
                               "(%2, 1, 12, 2026, 2)")
                    .arg(ivanov)
                    .arg(petrov));
        Form1->Button8Click();
        Msg::Recorder boxes;

        // To another worker: Ivanov's day is empty again, Petrov's holds both.
        QVERIFY(DataModule6->Smena1.locate(QStringLiteral("id"), moved));
        inDialog(&TForm1::Button2Click, [&] {
            pickWorker(petrov);
            Form11->Button1Click();
        });
        QVERIFY(boxes.boxes.isEmpty());
        QVERIFY(cell(ivanov, 7).isNull());
        QCOMPARE(cell(petrov, 7).toInt(), 7);

        // To another day.
        QVERIFY(DataModule6->Smena1.locate(QStringLiteral("id"), moved));
        inDialog(&TForm1::Button2Click, [&] {
            Form11->DTimeP->setDate(tuesday);
            Form11->Button1Click();
        });
        QCOMPARE(cell(petrov, 7).toInt(), 2);
        QCOMPARE(cell(petrov, 8).toInt(), 5);
        QCOMPARE(db.value(QStringLiteral("select count(*) from accounts_dep.h_tabel")).toInt(), 2);
    }

    void failedSaveLeavesNothing()
    {
        Msg::Recorder boxes;
        // The hours-sheet step fails after the position has been written.
        db.exec(QStringLiteral("alter table accounts_dep.h_tabel add constraint few_hours check (d7 < 100)"));
        inDialog(&TForm1::Button1Click, [&] {
            pickWorker(ivanov);
            pickOperation(cut);
            type(QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("150"));
            Form11->Button1Click();
        });
        db.exec(QStringLiteral("alter table accounts_dep.h_tabel drop constraint few_hours"));
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY(boxes.boxes.first().text.contains(QStringLiteral("few_hours")));
        QCOMPARE(positions(), 0);
        QCOMPARE(Form11->Edit6->text(), QStringLiteral("150")); // still open with the input

        // A change of a position that another copy has deleted meanwhile.
        using P = Factory::Position;
        const int gone = f.position(P{ivanov, shelf, cut, monday, 1, 10, 3, 0, 5});
        Form1->Button8Click();
        QVERIFY(DataModule6->Smena1.locate(QStringLiteral("id"), gone));
        boxes.clear();
        inDialog(&TForm1::Button2Click, [&] {
            db.exec(QStringLiteral("delete from accounts_dep.smena"));
            Form11->Button1Click();
        });
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY(boxes.boxes.first().text.startsWith(QStringLiteral("Позиция не найдена")));
        QCOMPARE(db.value(QStringLiteral("select count(*) from accounts_dep.h_tabel")).toInt(), 0);
    }

    void keyboardRoad()
    {
        // Tab goes the foreman's way; Enter saves; Esc cancels.
        Form11->OpenNew(monday);
        Form11->show();
        QVERIFY(QTest::qWaitForWindowActive(Form11));
        QCOMPARE(QApplication::focusWidget(), Form11->Button3);
        const QList<QWidget *> road{Form11->Button4, Form11->Edit3, Form11->Edit4, Form11->Edit6,
                                    Form11->DTimeP,  Form11->Button1, Form11->Button2, Form11->Button3};
        for (QWidget *next : road) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY2(focus == next || focus->parentWidget() == next,
                     qPrintable(focus->metaObject()->className() + QStringLiteral(" ") + focus->accessibleName()));
        }
        Msg::Recorder boxes;
        Form11->Edit6->setFocus();
        QTest::keyClick(Form11->Edit6, Qt::Key_Return);
        QCOMPARE(boxes.texts(), QStringList{allFields});
        QTest::keyClick(Form11->Edit6, Qt::Key_Escape);
        QVERIFY(!Form11->isVisible());
        QCOMPARE(positions(), 0);
    }
};

QTEST_MAIN(TestShiftEntry)
#include "tst_shiftentry.moc"
