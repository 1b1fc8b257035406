#include "Unit15.h"
#include "Unit16.h"
#include "Unit17.h"
#include "Unit18.h"
#include "Unit20.h"
#include "Unit21.h"
#include "Unit6.h"
#include "dataset.h"
#include "testdb.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

// Every statement text the windows keep is prepared by the server against
// the real schema, so a misspelt column fails here and not at a workstation.
class TestStatements : public QObject
{
    Q_OBJECT
    TestDb db{QStringLiteral("statements")};

private Q_SLOTS:
    void prepares_data()
    {
        QTest::addColumn<QString>("sql");
        TDataModule6 dm;
        const QList<QPair<const char *, Dataset *>> datasets = {
            {"Workers", &dm.Workers}, {"Izdel", &dm.Izdel}, {"Oper", &dm.Oper}, {"Vid_oper", &dm.Vid_oper},
            {"Smena1", &dm.Smena1}, {"Smena2", &dm.Smena2}, {"Smena3", &dm.Smena3}, {"Smena4", &dm.Smena4},
        };
        for (const auto &[name, ds] : datasets)
            QTest::newRow(name) << ds->sql();
        QTest::newRow("Oper_ins") << dm.Oper_ins.sql();
        QTest::newRow("Oper_ed") << dm.Oper_ed.sql();
        QTest::newRow("Oper_del") << dm.Oper_del.sql();
        TForm15 f15;
        TForm16 f16;
        TForm17 f17;
        TForm20 f20;
        TForm21 f21;
        TForm18 f18;
        QTest::newRow("H_Tabel") << f15.H_Tabel->sql();
        QTest::newRow("t_Report by workers") << f16.t_Report->sql();
        QTest::newRow("t_Report by products") << f17.t_Report->sql();
        QTest::newRow("w_Report") << f20.w_Report->sql();
        QTest::newRow("i_Report") << f21.i_Report->sql();
        QTest::newRow("XLS_Rep") << f18.XLS_Rep->sql();
    }
    void prepares()
    {
        QFETCH(QString, sql);
        QVERIFY(!sql.isEmpty());
        QSqlQuery q(QSqlDatabase::database(QString::fromLatin1(kMainConnection)));
        QVERIFY2(q.prepare(sql), qPrintable(q.lastError().text()));
    }

    void brokenStatementIsRefused()
    {
        // Shows that preparing really asks the server.
        QSqlQuery q(QSqlDatabase::database(QString::fromLatin1(kMainConnection)));
        QVERIFY(!q.prepare(QStringLiteral("select nosuchcolumn from accounts_dep.smena")));
        QVERIFY(!q.prepare(QStringLiteral("select * from accounts_dep.smena where id=:id and nosuch=1")));
    }
};

QTEST_MAIN(TestStatements)
#include "tst_statements.moc"
