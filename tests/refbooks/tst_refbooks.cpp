#include "Unit1.h"
#include "Unit11.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "dataset.h"
#include "dbgrid.h"
#include "factory.h"
#include "messages.h"
#include "modal.h"
#include "program.h"
#include "startup.h"
#include "testdb.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

// Typed characters of any alphabet (QTest::keyClicks knows only ASCII).
static void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

// The worker and operation pickers and the workers book.
class TestRefbooks : public QObject
{
    Q_OBJECT
    TestDb db{QStringLiteral("refbooks")};
    Factory f{db};
    const QDate monday{2026, 12, 7};
    int ivanov = 0, ivanenko = 0, petrov = 0;
    int shelf = 0, cut = 0, paint = 0;

    QStringList column(Dataset &list, const QString &field)
    {
        QStringList out;
        for (int row = 0; row < list.recordCount(); ++row)
            out << list.valueAt(row, field).toString();
        return out;
    }

    // Runs `user` while the window is shown (modally, through the test hook).
    void whileShown(QDialog *window, const std::function<void()> &open, const std::function<void()> &user)
    {
        Modal::Scope scope([&](QDialog *d) {
            d->setResult(QDialog::Rejected);
            if (d == window)
                user();
            return d->result();
        });
        open();
    }

    QString fioOf(int id)
    {
        return db.value(QStringLiteral("select fio from accounts_dep.person where id=%1").arg(id)).toString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        const int g = f.group(QStringLiteral("Шкафы"));
        shelf = f.product(QStringLiteral("СТ-1200"), g);
        const int cutting = f.kind(QStringLiteral("Резка"));
        const int painting = f.kind(QStringLiteral("Покраска"));
        cut = f.operation(shelf, cutting, 0, {12.5, 10, 11});
        paint = f.operation(shelf, painting, 1, {5});
        for (const QString &mark : {QStringLiteral("ШМ-30"), QStringLiteral("30-А"), QStringLiteral("СТ-1300"),
                                    QStringLiteral("Д'Арт\\5")})
            f.operation(f.product(mark, g), cutting, 0, {1});
        f.operation(f.product(QStringLiteral("Без цены"), g), cutting, 0, {}); // not offered
        db.exec(QStringLiteral("insert into cmn_department.department(s_caption) values('Сборочный цех'), ('Цех ''Покраска'''), "
                               "('Склад')"));
        db.exec(QStringLiteral("insert into hrms_staffpos.staffpos(s_caption) values('Сборщик'), ('Маляр'), ('Кладовщик')"));
        db.exec(QStringLiteral("insert into adm_role.roles(s_name, s_caption) values('m', 'Мастер'), ('b', 'Бухгалтер')"));
    }

    void init()
    {
        Program::resetForTests();
        TForm1::setTodayForTests(monday);
        db.exec(QStringLiteral("delete from accounts_dep.smena; delete from accounts_dep.person"));
        ivanov = f.worker(QStringLiteral("Иванов Иван Иванович"));
        ivanenko = f.worker(QStringLiteral("Иваненко Пётр Павлович"));
        petrov = f.worker(QStringLiteral("Петров Антон Сергеевич   "));
        f.worker(QStringLiteral("О'Нил Дэн"));
        f.worker(QStringLiteral("Слэш\\Бэк Борис"));
        // No login here: it ends the program's event loops when the day sheet
        // closes, and the keyboard test needs real modal loops.
        QVERIFY(Startup::createWindows({db.name(), TestDb::socketDir()}));
        for (int shift = 1; shift <= 4; ++shift)
            DataModule6->shiftList(shift).setParam(QStringLiteral("ok"), QStringLiteral("ta"));
    }
    void cleanup() { Startup::destroyWindows(); }

    void workerSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("beginning") << "Ив" << QStringList{"Иваненко Пётр Павлович", "Иванов Иван Иванович"};
        QTest::newRow("any letter case") << "иванов" << QStringList{"Иванов Иван Иванович"};
        QTest::newRow("not inside") << "ван" << QStringList{};
        QTest::newRow("quote") << "О'Н" << QStringList{"О'Нил Дэн"};
        QTest::newRow("backslash") << "Слэш\\" << QStringList{"Слэш\\Бэк Борис"};
        QTest::newRow("empty: all") << "" << QStringList{"Иваненко Пётр Павлович", "Иванов Иван Иванович", "О'Нил Дэн",
                                                         "Петров Антон Сергеевич   ", "Слэш\\Бэк Борис"};
    }
    void workerSearch()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, names);
        whileShown(Form5, [] { Form5->ShowPicking(1); }, [&] {
            Form5->Edit1->setText(QStringLiteral("x"));
            Form5->Edit1->setText(typed);
            QCOMPARE(column(DataModule6->Workers, QStringLiteral("fio")), names);
            QCOMPARE(Form5->DBGrid1->model()->rowCount(), names.size());
        });
    }

    void operationSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("anywhere in the mark") << "30" << QStringList{"30-А", "СТ-1300", "ШМ-30"};
        QTest::newRow("quote") << "'" << QStringList{"Д'Арт\\5"};
        QTest::newRow("backslash") << "т\\5" << QStringList{"Д'Арт\\5"};
        QTest::newRow("spaces: all") << "  " << QStringList{"30-А", "Д'Арт\\5", "СТ-1200", "СТ-1200", "СТ-1300", "ШМ-30"};
        QTest::newRow("nothing") << "zz" << QStringList{};
    }
    void operationSearch()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, marks);
        whileShown(Form4, [] { Form4->ShowPicking(0); }, [&] {
            Form4->Edit1->setText(typed);
            QCOMPARE(column(DataModule6->Oper, QStringLiteral("marka")), marks);
        });
        QVERIFY(!DataModule6->Oper.isFiltered()); // switched off when the pick returns
    }

    void searchBoxKeys()
    {
        whileShown(Form5, [] { Form5->ShowPicking(1); }, [&] {
            Dataset &workers = DataModule6->Workers;
            QTest::keyClick(Form5->Edit1, Qt::Key_Down);
            QTest::keyClick(Form5->Edit1, Qt::Key_Down);
            QCOMPARE(workers.recNo(), 3);
            QTest::keyClick(Form5->Edit1, Qt::Key_Up);
            QCOMPARE(workers.recNo(), 2);
            type(Form5->Edit1, QStringLiteral("Иван"));
            QCOMPARE(workers.recordCount(), 2);
            // Cursor keys and Delete do nothing in the box; Backspace edits.
            QTest::keyClick(Form5->Edit1, Qt::Key_Left);
            QTest::keyClick(Form5->Edit1, Qt::Key_Delete);
            QCOMPARE(Form5->Edit1->text(), QStringLiteral("Иван"));
            QTest::keyClick(Form5->Edit1, Qt::Key_Backspace);
            QCOMPARE(Form5->Edit1->text(), QStringLiteral("Ива"));
            QTest::keyClick(Form5->Edit1, Qt::Key_Down);
            Form5->Button2Click();
        });
        QCOMPARE(Form11->Edit1->text(), QStringLiteral("Иванов Иван Иванович"));
        QCOMPARE(Form11->WorkerId, ivanov);
    }

    void workerPick()
    {
        // Picking mode 1: the name trimmed and the id into the shift-entry dialog.
        whileShown(Form5, [] { Form5->ShowPicking(1); }, [&] {
            QVERIFY(Form5->Button1->isHidden());
            QVERIFY(Form5->Button3->isHidden());
            QCOMPARE(Form5->Button2->text(), QStringLiteral("Выбрать"));
            QVERIFY(Form5->Button2->isDefault());
            QCOMPARE(Form5->DBGrid1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ФИО"));
            QCOMPARE(Form5->DBGrid1->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Должность"));
            QCOMPARE(Form5->DBGrid1->columnWidth(0), 300);
            QCOMPARE(Form5->DBGrid1->columnWidth(1), 300);
            QVERIFY(DataModule6->Workers.locate(QStringLiteral("id"), petrov));
            Form5->Button2Click();
        });
        QCOMPARE(Form11->Edit1->text(), QStringLiteral("Петров Антон Сергеевич"));
        QCOMPARE(Form11->WorkerId, petrov);
        QVERIFY(!DataModule6->Workers.isOpen());

        // An empty list hands nothing back; a box left from before is cleared
        // by the next opening.
        whileShown(Form5, [] { Form5->ShowPicking(1); }, [&] {
            QVERIFY(Form5->Edit1->text().isEmpty());
            Form5->Edit1->setText(QStringLiteral("Яковлев"));
            QVERIFY(DataModule6->Workers.isEmpty());
            Form5->Button2Click();
        });
        QCOMPARE(Form11->WorkerId, petrov);
        QCOMPARE(Form11->Edit1->text(), QStringLiteral("Петров Антон Сергеевич"));

        // Picking mode 24 hands the worker to whoever listens for it.
        int pickedId = 0;
        QString pickedName;
        Form5->PickReceiver24 = [&](int id, const QString &fio) {
            pickedId = id;
            pickedName = fio;
        };
        whileShown(Form5, [] { Form5->ShowPicking(24); }, [&] {
            QVERIFY(DataModule6->Workers.locate(QStringLiteral("id"), ivanenko));
            Form5->Button2Click();
        });
        QCOMPARE(pickedId, ivanenko);
        QCOMPARE(pickedName, QStringLiteral("Иваненко Пётр Павлович"));
        QCOMPARE(Form11->WorkerId, petrov);
    }

    void operationPicker()
    {
        Form11->OpenNew(monday);
        whileShown(Form4, [] { Form11->Button4Click(); }, [&] {
            DBGrid *grid = Form4->DBGrid1;
            QStringList titles, hidden;
            QList<int> widths;
            for (int c = 0; c < grid->model()->columnCount(); ++c) {
                const QString title = grid->model()->headerData(c, Qt::Horizontal).toString();
                if (grid->isColumnHidden(c)) {
                    hidden << title;
                    continue;
                }
                titles << title;
                widths << grid->columnWidth(c);
            }
            QCOMPARE(titles, (QStringList{"Марка", "Ном. гр. ", "Опреция", "Цена (min)", "Вид", "Нормы (шт.)"}));
            // The set widths, widened where the bold title would not fit.
            const QList<int> set{300, 300, 243, 74, 139, 76};
            QFont bold = grid->horizontalHeader()->font();
            bold.setBold(true);
            for (int c = 0; c < set.size(); ++c)
                QCOMPARE(widths[c], std::max(set[c], QFontMetrics(bold).horizontalAdvance(titles[c]) + 12));
            QCOMPARE(hidden, (QStringList{"id", "i_id", "oper_vid"}));
            QCOMPARE(DataModule6->Oper.recNo(), 1); // a new position starts on the first operation
            QVERIFY(!Form4->Button1->isVisibleTo(Form4));
            QVERIFY(!Form4->Button3->isVisibleTo(Form4));
            QVERIFY(DataModule6->Oper.locate(QStringLiteral("id"), cut));
            const int row = DataModule6->Oper.recNo() - 1;
            QCOMPARE(grid->cellText(row, QStringLiteral("cena")), QStringLiteral("10"));
            QCOMPARE(grid->cellText(row, QStringLiteral("norma")), QStringLiteral("3"));
            QCOMPARE(grid->cellText(row, QStringLiteral("s_caption")), QStringLiteral("Шкафы"));
            Form4->DBGrid1DblClick();
        });
        QCOMPARE(Form11->OperationId, cut);
        QCOMPARE(Form11->Edit2->text(), QStringLiteral("СТ-1200; Резка; Готовая продукция"));

        // Everything filtered out: nothing handed back.
        whileShown(Form4, [] { Form11->Button4Click(); }, [&] {
            Form4->Edit1->setText(QStringLiteral("нет такой"));
            Form4->Button2Click();
        });
        QCOMPARE(Form11->OperationId, cut);
        QCOMPARE(Form11->Edit2->text(), QStringLiteral("СТ-1200; Резка; Готовая продукция"));

        // Changing a position: the list starts on that position's operation.
        f.position(Factory::Position{ivanov, shelf, paint, monday, 1, 5, 2});
        Form1->FormActivate();
        Form11->OpenChange(DataModule6->Smena1);
        whileShown(Form4, [] { Form11->Button4Click(); }, [&] {
            QCOMPARE(DataModule6->Oper.intValue(QStringLiteral("id")), paint);
        });
    }

    void operationListMode()
    {
        Form4->OpenList();
        for (QWidget *w : std::initializer_list<QWidget *>{Form4->Button1, Form4->Button2, Form4->Button3, Form4->Button5,
                                                           Form4->CheckBox1}) {
            QVERIFY(!w->isEnabled());
            QVERIFY(!w->toolTip().isEmpty());
        }
        QCOMPARE(Form4->Button2->text(), QStringLiteral("Изменить"));
        DataModule6->Oper.close();
    }

    void keyboardPickers()
    {
        // The real window and keys: the search box has the focus, Enter picks,
        // Esc leaves without a pick.
        Form11->OpenNew(monday);
        QTimer::singleShot(0, [] {
            QVERIFY(QTest::qWaitForWindowActive(Form5));
            type(QApplication::focusWidget(), QStringLiteral("Пет"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(Form5->ShowPicking(1), int(QDialog::Accepted));
        QCOMPARE(Form11->WorkerId, petrov);

        QTimer::singleShot(0, [] {
            QVERIFY(QTest::qWaitForWindowActive(Form4));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1200"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        });
        QCOMPARE(Form4->ShowPicking(0), int(QDialog::Accepted));
        QCOMPARE(Form11->OperationId, cut); // "Покраска", then "Резка"; Down went to the second

        QTimer::singleShot(0, [] {
            QVERIFY(QTest::qWaitForWindowActive(Form5));
            type(QApplication::focusWidget(), QStringLiteral("Ив"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(Form5->ShowPicking(1), int(QDialog::Rejected));
        QCOMPARE(Form11->WorkerId, petrov);
    }

    void workersBook()
    {
        Msg::Recorder boxes;
        whileShown(Form5, [] { Form1->N1Click(); }, [&] {
            Dataset &workers = DataModule6->Workers;
            QCOMPARE(Form5->Tag, 0);
            QVERIFY(!Form5->Button1->isHidden());
            QVERIFY(!Form5->Button3->isHidden());
            QCOMPARE(Form5->Button2->text(), QStringLiteral("Изменить"));
            QVERIFY(!Form5->Button2->isDefault());

            // Add: a name of spaces is refused; a name is stored trimmed and
            // as typed, with the department shown in the list.
            workers.setRecNo(3);
            whileShown(Form2, [] { Form5->Button1Click(); }, [&] {
                QCOMPARE(Form2->windowTitle(), QStringLiteral("Заведение данных нового работника"));
                QVERIFY(Form2->Edit1->text().isEmpty());
                QCOMPARE(Form2->LCB_department->count(), 3);
                QCOMPARE(Form2->LCB_staffpos->count(), 3);
                QCOMPARE(Form2->LCB_roles->count(), 2);
                Form2->Edit1->setText(QStringLiteral("   "));
                Form2->Button1Click();
                QCOMPARE(boxes.texts(), QStringList{"ФИО нужно заполнить!"});
                QCOMPARE(Form2->result(), int(QDialog::Rejected));
                Form2->Edit1->setText(QStringLiteral("  Д'Артаньян \\ Шарль  "));
                Form2->LCB_department->setCurrentIndex(1);
                Form2->Button1Click();
            });
            QCOMPARE(workers.recNo(), 1);
            const int added = db.value(QStringLiteral("select max(id) from accounts_dep.person")).toInt();
            QCOMPARE(fioOf(added), QStringLiteral("Д'Артаньян \\ Шарль"));
            QCOMPARE(db.value(QStringLiteral("select s_staffpos_hl from accounts_dep.person where id=%1").arg(added)).toString(),
                     QStringLiteral("Цех 'Покраска'"));
            QVERIFY(workers.locate(QStringLiteral("id"), added));

            // Change: the row number stays; the department list keeps the
            // entry chosen before.
            workers.setRecNo(4);
            const int changed = workers.intValue(QStringLiteral("id"));
            whileShown(Form2, [] { Form5->Button2Click(); }, [&] {
                QCOMPARE(Form2->windowTitle(), QStringLiteral("Изменение данных работника"));
                QCOMPARE(Form2->Edit1->text(), fioOf(changed).trimmed());
                QCOMPARE(Form2->LCB_department->currentText(), QStringLiteral("Цех 'Покраска'"));
                Form2->Edit1->setText(QStringLiteral("Ёлкин Ёж"));
                Form2->Button1Click();
            });
            QCOMPARE(workers.recNo(), 4);
            QCOMPARE(fioOf(changed), QStringLiteral("Ёлкин Ёж"));

            // Delete asks first; the row number stays, or the last row.
            const int count = workers.recordCount();
            boxes.clear();
            boxes.answers = {Msg::No};
            Form5->Button3Click();
            QCOMPARE(boxes.boxes.last().text, QStringLiteral("Удалить работника?"));
            QCOMPARE(boxes.boxes.last().caption, QStringLiteral("Удаление"));
            QCOMPARE(workers.recordCount(), count);
            workers.setRecNo(2);
            const int deleted = workers.intValue(QStringLiteral("id"));
            Form5->Button3Click();
            QCOMPARE(workers.recordCount(), count - 1);
            QCOMPARE(workers.recNo(), 2);
            QVERIFY(fioOf(deleted).isEmpty());
            workers.last();
            Form5->Button3Click();
            QCOMPARE(workers.recNo(), count - 2);

            // Nothing to change or delete in an empty list.
            Form5->Edit1->setText(QStringLiteral("Нет такого"));
            boxes.clear();
            whileShown(Form2, [] { Form5->Button2Click(); }, [] { QFAIL("the dialog must not open"); });
            Form5->Button3Click();
            QVERIFY(boxes.boxes.isEmpty());
            Form5->Edit1->clear();
        });
        QVERIFY(!DataModule6->Workers.isOpen());
    }

    void addedWorkerIsEverywhere()
    {
        // A worker added in the book is listed by the picker and, with a
        // position, in the day sheet.
        Form2->Tag = 1;
        Form2->reopenLists();
        Form2->Edit1->setText(QStringLiteral("Новиков Олег Игоревич"));
        Form2->Button1Click();
        const int added = db.value(QStringLiteral("select max(id) from accounts_dep.person")).toInt();
        whileShown(Form5, [] { Form5->ShowPicking(1); }, [&] {
            QVERIFY(DataModule6->Workers.locate(QStringLiteral("id"), added));
            Form5->Button2Click();
        });
        QCOMPARE(Form11->WorkerId, added);
        f.position(Factory::Position{added, shelf, cut, monday, 1, 10, 2});
        Form1->FormActivate();
        QVERIFY(DataModule6->Smena1.locate(QStringLiteral("w_id"), added));
        QCOMPARE(DataModule6->Smena1.text(QStringLiteral("fio")), QStringLiteral("Новиков О.И."));
    }

    void mouseWheelStepsTheFocusedList()
    {
        Form2->reopenLists();
        Form2->show();
        QVERIFY(QTest::qWaitForWindowActive(Form2));
        Form2->LCB_staffpos->setCurrentIndex(0);
        Form2->LCB_roles->setCurrentIndex(0);
        Form2->LCB_staffpos->setFocus();
        QVERIFY(Form2->LCB_staffpos->hasFocus());
        const auto wheel = [](QWidget *over, int dy) {
            QWheelEvent e(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, dy), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(over, &e);
        };
        wheel(Form2->GroupBox1, -120); // down, anywhere in the dialog
        QCOMPARE(Form2->LCB_staffpos->currentIndex(), 1);
        wheel(Form2->LCB_roles, -120); // over another list: still the focused one
        QCOMPARE(Form2->LCB_staffpos->currentIndex(), 2);
        QCOMPARE(Form2->LCB_roles->currentIndex(), 0);
        wheel(Form2->Edit1, 120);
        QCOMPARE(Form2->LCB_staffpos->currentIndex(), 1);
        Form2->Edit1->setFocus();
        wheel(Form2->GroupBox1, -120); // no list has the focus
        QCOMPARE(Form2->LCB_staffpos->currentIndex(), 1);
        Form2->hide();
    }
};

QTEST_MAIN(TestRefbooks)
#include "tst_refbooks.moc"
