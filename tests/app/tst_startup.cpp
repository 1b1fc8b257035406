#include "Unit1.h"
#include "Unit23.h"
#include "Unit6.h"
#include "connection.h"
#include "messages.h"
#include "program.h"
#include "startup.h"
#include "testdb.h"
#include "versioncheck.h"

#include <QTest>
#include <QTimer>

// Connecting from the command line, ending on an unreachable server, and the
// build stamp the copies of the program leave in the database.
class TestStartup : public QObject
{
    Q_OBJECT
    TestDb db{QStringLiteral("startup")};

private Q_SLOTS:
    void init()
    {
        Program::resetForTests();
        QVERIFY(Connection::openMainConnection(db.name(), TestDb::socketDir()));
        db.exec(QStringLiteral("delete from accounts_dep.ver"));
    }

    void arguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("server");
        const QString builtIn = Connection::builtInServer();
        QTest::newRow("none") << QStringList{} << "kesh_erp" << builtIn;
        QTest::newRow("first only") << QStringList{"other"} << "kesh_erp" << builtIn;
        QTest::newRow("second empty") << QStringList{"other", ""} << "kesh_erp" << builtIn;
        QTest::newRow("both") << QStringList{"plant2", "db-server.local"} << "plant2" << "db-server.local";
        QTest::newRow("first empty") << QStringList{"", "db1"} << "" << "db1";
        QTest::newRow("extra ignored") << QStringList{"a", "b", "c"} << "a" << "b";
    }
    void arguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, database);
        QFETCH(QString, server);
        const QString cs = Connection::connectionStringFromArguments(args);
        QVERIFY(cs.startsWith(QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=") + database + QStringLiteral(";SERVER=")
                              + server + QStringLiteral(";PORT=5432;UID=sys;PWD=")));
        QVERIFY(cs.contains(QStringLiteral(";SSLmode=allow;ReadOnly=0;Protocol=7.4;")));
        QVERIFY(cs.endsWith(QStringLiteral("D6=-101;OptionalErrors=0;XaOpt=1")));
        const Connection::Target t = Connection::parse(cs);
        QCOMPARE(t.database, database);
        QCOMPARE(t.server, server);
    }

    void unreachableServerEndsTheProgram()
    {
        Msg::Recorder boxes;
        QVERIFY(!Startup::createWindows({db.name(), QStringLiteral("/nonexistent/tabel-socket")}));
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].text, QStringLiteral("Подключение к БД отсутсвует!!!"));
        QCOMPARE(boxes.boxes[0].caption, QStringLiteral("Ошибка!"));
        QVERIFY(boxes.boxes[0].icon == Msg::Icon::Error);
        QVERIFY(Program::endRequested());
        QVERIFY(Form23 == nullptr); // the login window is never made
        Startup::destroyWindows();
    }

    void connectsWithBothArguments()
    {
        Msg::Recorder boxes;
        QVERIFY(Startup::createWindows({db.name(), TestDb::socketDir()}));
        QVERIFY(Form23 != nullptr);
        QVERIFY(!Form23->isVisible());
        QVERIFY(Form1->Timer1->isActive());
        QCOMPARE(Form1->Timer1->interval(), 30000);
        QVERIFY(boxes.boxes.isEmpty());
        Startup::destroyWindows();
    }

    void versionCheck_data()
    {
        QTest::addColumn<bool>("hasRow");
        QTest::addColumn<int>("dbDate");
        QTest::addColumn<int>("dbTime");
        QTest::addColumn<int>("afterDate");
        QTest::addColumn<int>("afterTime");
        QTest::addColumn<bool>("tooOld");
        // The build is 20240402.76444.
        QTest::newRow("empty table") << false << 0 << 0 << 20240402 << 76444 << false;
        QTest::newRow("older date") << true << 20240101 << 99999 << 20240402 << 76444 << false;
        QTest::newRow("older time") << true << 20240402 << 76443 << 20240402 << 76444 << false;
        QTest::newRow("same") << true << 20240402 << 76444 << 20240402 << 76444 << false;
        QTest::newRow("later time") << true << 20240402 << 76445 << 20240402 << 76445 << true;
        QTest::newRow("later date") << true << 20240403 << 0 << 20240403 << 0 << true;
    }
    void versionCheck()
    {
        QFETCH(bool, hasRow);
        QFETCH(int, dbDate);
        QFETCH(int, dbTime);
        QFETCH(int, afterDate);
        QFETCH(int, afterTime);
        QFETCH(bool, tooOld);
        if (hasRow)
            db.exec(QStringLiteral("insert into accounts_dep.ver(d, t, delim) values(%1, %2, ',')").arg(dbDate).arg(dbTime));
        const VersionCheckResult r = checkVersion({20240402, 76444}, QString::fromLatin1(kMainConnection));
        QCOMPARE(r.tooOld, tooOld);
        QCOMPARE(db.value(QStringLiteral("select count(*) from accounts_dep.ver")).toInt(), 1);
        QCOMPARE(db.value(QStringLiteral("select d from accounts_dep.ver")).toInt(), afterDate);
        QCOMPARE(db.value(QStringLiteral("select t from accounts_dep.ver")).toInt(), afterTime);
        QCOMPARE(r.delimiter, hasRow ? QStringLiteral(",") : QString());
        QCOMPARE(db.value(QStringLiteral("select delim from accounts_dep.ver")).toString(), hasRow ? QStringLiteral(",") : QString());
    }

    void tooOldBuildEndsWithinFiveSeconds()
    {
        Msg::Recorder boxes;
        QVERIFY(Startup::createWindows({db.name(), TestDb::socketDir()}));
        db.exec(QStringLiteral("insert into accounts_dep.ver(d, t, delim) values(99991231, 0, '.')"));
        boxes.onShow = [](const Msg::Recorder::Box &) {
            // The five-second end is already running while the box waits.
            QVERIFY(Form23->Timer1->isActive());
            QCOMPARE(Form23->Timer1->interval(), 5000);
        };
        Form1->Timer1Timer();
        QCOMPARE(boxes.texts(), QStringList{"Версия программы не соответсвует БД! Запустите программу через 5 мин."});
        QCOMPARE(boxes.boxes[0].caption, QStringLiteral("Ошибка"));
        QVERIFY(Program::endRequested());
        QCOMPARE(DataModule6->DbDelim, QStringLiteral("."));
        Startup::destroyWindows();
    }

    void loginCaptionShowsTheBuild()
    {
        Msg::Recorder boxes;
        QVERIFY(Startup::createWindows({db.name(), TestDb::socketDir()}));
        Form23->FormActivate();
        const BuildStamp b = currentBuildStamp();
        QCOMPARE(Form23->windowTitle(), QStringLiteral("Авторизация (build: %1.%2)").arg(b.date).arg(b.time));
        QVERIFY(boxes.boxes.isEmpty());
        QCOMPARE(db.value(QStringLiteral("select d from accounts_dep.ver")).toInt(), b.date);
        Startup::destroyWindows();
    }

    void replaceDecimalSeparator_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("comma") << "12,5" << "12.5";
        QTest::newRow("point") << "12.5" << "12.5";
        QTest::newRow("whole") << "12" << "12";
        QTest::newRow("first comma only") << "1,2,3" << "1.2,3";
    }
    void replaceDecimalSeparator()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        TDataModule6 dm;
        dm.DbDelim = QStringLiteral(".");
        QCOMPARE(dm.ReplaceDecimalSeparator(in), out);
    }

    void checkDuplicate()
    {
        Msg::Recorder boxes;
        TDataModule6 dm;
        QVERIFY(!dm.CheckDuplicate(QStringLiteral("select 0 as cnt"), QStringLiteral("Есть")));
        QVERIFY(boxes.boxes.isEmpty());
        QVERIFY(!dm.Control.isOpen());
        QVERIFY(dm.CheckDuplicate(QStringLiteral("select 3 as cnt"), QStringLiteral("Есть")));
        QCOMPARE(boxes.texts(), QStringList{"Есть"});
        QVERIFY(!dm.Control.isOpen());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
