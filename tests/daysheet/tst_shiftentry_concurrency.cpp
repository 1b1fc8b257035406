#include "connection.h"
#include "dataset.h"
#include "dberror.h"
#include "factory.h"
#include "shiftentry.h"
#include "testdb.h"

#include <QSqlDatabase>
#include <QTest>
#include <QThread>

// Several copies of the program saving positions of the same worker and
// month at the same moment: one hours-sheet row per worker, shift and month,
// every day cell the sum of that day's positions, and no position twice.
class TestShiftEntryConcurrency : public QObject
{
    Q_OBJECT
    TestDb db{QStringLiteral("shiftentry_concurrency")};
    Factory f{db};
    int worker = 0, product = 0, operation = 0;
    const QDate today{2026, 12, 11};

    // Position i of 50: 25 days of December, two colours a day, 1 to 7 hours.
    ShiftEntry::Position position(int i) const
    {
        ShiftEntry::Position p;
        p.workerId = worker;
        p.productId = product;
        p.operationId = operation;
        p.unitPrice = 10;
        p.quantity = QStringLiteral("3");
        p.defects = QStringLiteral("0");
        p.hours = QString::number(1 + i % 7);
        p.colour = i / 25;
        p.date = QDate(2026, 12, 1 + i % 25);
        p.shift = 1;
        return p;
    }

    // A copy of the program: a connection of its own, saving positions.
    class Copy : public QThread
    {
    public:
        Copy(const TestShiftEntryConcurrency *test, QString name, QList<int> which)
            : m_test(test), m_name(std::move(name)), m_which(std::move(which))
        {
        }
        int saved = 0;
        int duplicates = 0;
        QStringList errors;

    protected:
        void run() override
        {
            if (!Connection::open(m_name, Connection::connectionString(m_test->db.name(), TestDb::socketDir()))) {
                errors << QStringLiteral("no connection");
                return;
            }
            for (int i : m_which) {
                try {
                    if (ShiftEntry::save(m_test->position(i), std::nullopt, std::nullopt, m_test->today, m_name)
                        == ShiftEntry::Outcome::Saved)
                        ++saved;
                    else
                        ++duplicates;
                } catch (const DbError &e) {
                    errors << e.message();
                }
            }
            QSqlDatabase::database(m_name, false).close();
            QSqlDatabase::removeDatabase(m_name);
        }

    private:
        const TestShiftEntryConcurrency *m_test;
        QString m_name;
        QList<int> m_which;
    };

    void checkHoursSheet()
    {
        QCOMPARE(db.value(QStringLiteral("select count(*) from accounts_dep.h_tabel")).toInt(), 1);
        for (int day = 1; day <= 31; ++day) {
            const QVariant cellValue = db.value(QStringLiteral("select d%1 from accounts_dep.h_tabel").arg(day));
            const QVariant sum = db.value(
                QStringLiteral("select sum(time) from accounts_dep.smena where data=make_date(2026, 12, %1)").arg(day));
            QCOMPARE(cellValue.isNull(), sum.isNull());
            QCOMPARE(cellValue.toInt(), sum.toInt());
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        const int g = f.group(QStringLiteral("Шкафы"));
        product = f.product(QStringLiteral("ШМ-30"), g);
        operation = f.operation(product, f.kind(QStringLiteral("Сварка")), 0, {10});
        worker = f.worker(QStringLiteral("Сидоров Семён Семёнович"));
    }

    void init() { db.exec(QStringLiteral("delete from accounts_dep.smena; delete from accounts_dep.h_tabel")); }

    void twoCopiesSaveTheSamePositions()
    {
        QList<int> all;
        for (int i = 0; i < 50; ++i)
            all << i;
        Copy a(this, QStringLiteral("copy_a"), all);
        Copy b(this, QStringLiteral("copy_b"), all);
        a.start();
        b.start();
        QVERIFY(a.wait(60000));
        QVERIFY(b.wait(60000));
        QCOMPARE(a.errors + b.errors, QStringList{});
        QCOMPARE(a.saved + b.saved, 50);
        QCOMPARE(a.duplicates + b.duplicates, 50);
        QCOMPARE(db.value(QStringLiteral("select count(*) from accounts_dep.smena")).toInt(), 50);
        checkHoursSheet();
    }

    void saveWaitsForTheOtherCopy()
    {
        // Another copy is in the middle of saving a position of the same
        // worker and month: it holds the month and has written its row.
        const QString other = db.openExtraConnection(QStringLiteral("other"));
        db.exec(QStringLiteral("begin"), other);
        db.exec(QStringLiteral("select pg_advisory_xact_lock(%1, 202612)").arg(worker), other);
        db.exec(QStringLiteral("insert into accounts_dep.smena(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, ok) "
                               "values(%1, %2, %3, 10, 1, 0, make_date(2026, 12, 3), 1, 9, 4, 'no')")
                    .arg(worker)
                    .arg(product)
                    .arg(operation),
                other);
        db.exec(QStringLiteral("insert into accounts_dep.h_tabel(w_id, smena, month, year, d3) values(%1, 1, 12, 2026, 4)").arg(worker),
                other);

        Copy copy(this, QStringLiteral("copy_c"), {2}); // the 3rd, 3 hours
        copy.start();
        QVERIFY(!copy.wait(500));
        QCOMPARE(db.value(QStringLiteral("select count(*) from pg_locks where locktype='advisory' and not granted")).toInt(), 1);
        db.exec(QStringLiteral("commit"), other);
        QVERIFY(copy.wait(30000));
        QCOMPARE(copy.errors, QStringList{});
        QCOMPARE(copy.saved, 1);
        QCOMPARE(db.value(QStringLiteral("select d3 from accounts_dep.h_tabel")).toInt(), 7);
        checkHoursSheet();
    }
};

QTEST_MAIN(TestShiftEntryConcurrency)
#include "tst_shiftentry_concurrency.moc"
