#include "Unit1.h"
#include "Unit18.h"
#include "Unit23.h"
#include "Unit6.h"
#include "dbgrid.h"
#include "messages.h"
#include "modal.h"
#include "program.h"
#include "startup.h"
#include "testdb.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The login words and what each role may use in the day sheet.
class TestLogin : public QObject
{
    Q_OBJECT
    TestDb db{QStringLiteral("login")};
    QList<QDialog *> shown;

    // Logs in with a word; the day sheet "closes" at once.
    void login(const QString &word)
    {
        Form23->Edit1->setText(word);
        Modal::Scope scope([this](QDialog *d) {
            shown << d;
            return int(QDialog::Rejected);
        });
        Form23->Button1Click();
    }

private Q_SLOTS:
    void init()
    {
        Program::resetForTests();
        shown.clear();
        QVERIFY(Startup::createWindows({db.name(), TestDb::socketDir()}));
    }
    void cleanup() { Startup::destroyWindows(); }

    void words_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("role");
        using R = TForm23::Role;
        QTest::newRow("code 8") << "63570142" << int(R::FullAccess);
        QTest::newRow("code 4") << "7348" << int(R::FullAccess);
        QTest::newRow("payroll") << "vilgut" << int(R::PayrollOffice);
        QTest::newRow("master") << "truvell" << int(R::Master);
        QTest::newRow("master blanks") << "  truvell \t" << int(R::Master);
        QTest::newRow("master upper") << "Truvell" << int(R::None);
        QTest::newRow("storekeeper") << "gelvo" << int(R::Storekeeper);
        QTest::newRow("empty") << "" << int(R::None);
        QTest::newRow("code part") << "734" << int(R::None);
    }
    void words()
    {
        QFETCH(QString, entry);
        QFETCH(int, role);
        QCOMPARE(int(TForm23::roleOf(entry)), role);
    }

    void rights_data()
    {
        QTest::addColumn<QString>("word");
        // add, change, delete, shifts, weekend, refresh, list, date, books menu, timesheet menu
        QTest::addColumn<QString>("enabled");
        // summary reports: by workers, by products, detailed by workers, detailed by products, export, kind
        QTest::addColumn<QString>("reports");
        QTest::addColumn<int>("kind");
        QTest::newRow("full access") << "7348" << "1111111111" << "111111" << 0;
        QTest::newRow("payroll office") << "vilgut" << "0000000000" << "111111" << 0;
        QTest::newRow("master") << "truvell" << "1001111100" << "000101" << 0;
        QTest::newRow("storekeeper") << "gelvo" << "0001111100" << "000100" << 1;
    }
    void rights()
    {
        QFETCH(QString, word);
        QFETCH(QString, enabled);
        QFETCH(QString, reports);
        QFETCH(int, kind);
        Msg::Recorder boxes;
        login(QStringLiteral(" ") + word + QStringLiteral(" "));
        QCOMPARE(shown, QList<QDialog *>{Form1});
        QVERIFY(boxes.boxes.isEmpty());
        QVERIFY(Program::endRequested()); // closing the day sheet ends the program
        TForm1 *f = Form1;
        const bool states[] = {f->Button1->isEnabled(), f->Button2->isEnabled(), f->Button3->isEnabled(),
                               f->RadioButton1->isEnabled() && f->RadioButton4->isEnabled(), f->CBox1->isEnabled(),
                               f->Button8->isEnabled(), f->DBGrid2->isEnabled(), f->DateT->isEnabled(),
                               f->N2->menuAction()->isEnabled(), f->N11->menuAction()->isEnabled()};
        QString got;
        for (bool s : states)
            got += s ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(got, enabled);
        const bool reportStates[] = {Form18->Button4->isEnabled(), Form18->Button2->isEnabled(), Form18->Button1->isEnabled(),
                                     Form18->Button3->isEnabled(), Form18->Button6->isEnabled(),
                                     Form18->RadioGroup1->isEnabled()};
        got.clear();
        for (bool s : reportStates)
            got += s ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(got, reports);
        QCOMPARE(Form18->RadioGroup1->itemIndex(), kind);
        QVERIFY(Form18->Button5->isEnabled());
        // Always usable.
        QVERIFY(f->N7->menuAction()->isEnabled() && f->N5->isEnabled() && f->Button4->isEnabled());
        QCOMPARE(f->RoleText, word);
        QCOMPARE(f->ShiftMode, 1);
        for (int shift = 1; shift <= 4; ++shift)
            QCOMPARE(DataModule6->shiftList(shift).param(QStringLiteral("ok")).toString(), QStringLiteral("ta"));
    }

    void refusedThenAccepted()
    {
        Msg::Recorder boxes;
        login(QStringLiteral("TRUVELL"));
        QVERIFY(shown.isEmpty());
        QCOMPARE(boxes.texts(), QStringList{"Введены неверные данные."});
        QCOMPARE(boxes.boxes[0].caption, QStringLiteral("Ошибка"));
        QVERIFY(!Form1->N11->menuAction()->isEnabled());
        QVERIFY(!Program::endRequested());
        login(QStringLiteral("63570142"));
        QCOMPARE(shown, QList<QDialog *>{Form1});
        QVERIFY(Form1->N11->menuAction()->isEnabled());
    }

    void cancelEndsTheProgram()
    {
        Form23->reject(); // Esc, "Отмена" or the close box
        QVERIFY(Program::endRequested());
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
