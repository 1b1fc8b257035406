#include "dataset.h"
#include "dberror.h"
#include "sqltext.h"
#include "testdb.h"

#include <QTest>

// The data layer the windows stand on: parameters, the static cursor, the
// record number, locate and the client-side filter.
class TestDataset : public QObject
{
    Q_OBJECT
    TestDb db{QStringLiteral("dataset")};

private Q_SLOTS:
    void initTestCase()
    {
        db.exec(QStringLiteral("create temp table names(id int, fio text, naimen int, price numeric(12,4))"));
        db.exec(QStringLiteral("insert into names values (1, 'Иванов И.И.', 0, 12.5), (2, 'Иваненко П.П.', 1, 3.3333),"
                               " (3, 'Петров А.А.', 0, 0.1), (4, 'О''Нил Д.', 1, 7), (5, null, 0, null)"));
    }

    void parameterNames_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("plain") << "select * from t where a=:a and b<:B" << QStringList{"a", "B"};
        QTest::newRow("twice") << "where d < :d or (d = :d and t < :t)" << QStringList{"d", "t"};
        QTest::newRow("cast") << "select :n::int, x::numeric" << QStringList{"n"};
        QTest::newRow("quoted") << "to_date(:d, 'DD.MM.YYYY HH24:MI:SS')" << QStringList{"d"};
        QTest::newRow("comment") << "select 1 -- :not\n, :yes" << QStringList{"yes"};
    }
    void parameterNames()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, names);
        QCOMPARE(::parameterNames(sql), names);
    }

    void valuesBecomeLiterals_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date") << QVariant(QDate(2026, 12, 7)) << "select :v::date::text" << "2026-12-07";
        QTest::newRow("text with quote") << QVariant(QStringLiteral("О'Нил \\ д")) << "select :v" << "О'Нил \\ д";
        QTest::newRow("negative after minus") << QVariant(-5) << "select 1-:v" << "6";
        QTest::newRow("double") << QVariant(2.9628) << "select :v::text" << "2.9628";
        QTest::newRow("null") << QVariant() << "select coalesce(:v::text, 'пусто')" << "пусто";
        QTest::newRow("quoted name untouched") << QVariant(1) << "select to_char(:v, '99') || ':v'" << "  1:v";
    }
    void valuesBecomeLiterals()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        Dataset ds(sql);
        ds.setParam(QStringLiteral("v"), value);
        ds.open();
        QCOMPARE(ds.valueAt(0, 0).toString(), expected);
    }

    void unboundParameterIsAnError()
    {
        // A missing value must not turn silently into NULL.
        Dataset ds(QStringLiteral("select * from names where id=:id and fio=:fio"));
        ds.setParam(QStringLiteral("id"), 1);
        QVERIFY_THROWS_EXCEPTION(DbError, ds.open());
        QVERIFY(!ds.isOpen());
    }

    void readsRowsExactly()
    {
        Dataset ds(QStringLiteral("select id, fio, price from names where naimen=:n order by id"));
        ds.setParam(QStringLiteral("n"), 1);
        ds.open();
        QCOMPARE(ds.recordCount(), 2);
        QCOMPARE(ds.recNo(), 1);
        QCOMPARE(ds.text(QStringLiteral("PRICE")), QStringLiteral("3.3333")); // exact, any letter case
        ds.next();
        QCOMPARE(ds.intValue(QStringLiteral("id")), 4);
        ds.next(); // stays on the last row
        QCOMPARE(ds.recNo(), 2);
        ds.setRecNo(99);
        QCOMPARE(ds.recNo(), 2);
        ds.close();
        QCOMPARE(ds.recNo(), 0);
        QVERIFY(!ds.value(QStringLiteral("id")).isValid());
    }

    void locate()
    {
        Dataset ds(QStringLiteral("select id, fio, price from names order by id"));
        ds.open();
        QVERIFY(ds.locate(QStringLiteral("id"), 3));
        QCOMPARE(ds.recNo(), 3);
        QVERIFY(ds.locate(QStringLiteral("price"), 7)); // numeric text "7.0000" equals 7
        QCOMPARE(ds.intValue(QStringLiteral("id")), 4);
        QVERIFY(!ds.locate(QStringLiteral("id"), 42));
        QCOMPARE(ds.recNo(), 4);
    }

    void filter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("begins") << Dataset::likeFilter("fio", "Иван") << QList<int>{1, 2};
        QTest::newRow("any case") << Dataset::likeFilter("fio", "иван") << QList<int>{1, 2};
        QTest::newRow("contains") << "fio like '%ов%'" << QList<int>{1, 3};
        QTest::newRow("quote") << Dataset::likeFilter("fio", "О'Н") << QList<int>{4};
        QTest::newRow("equal") << "naimen=0" << QList<int>{1, 3, 5};
        QTest::newRow("and") << "naimen=0 and fio like 'П%'" << QList<int>{3};
        QTest::newRow("nothing") << Dataset::likeFilter("fio", "Я") << QList<int>{};
        QTest::newRow("unknown field") << "nosuch=1" << QList<int>{};
    }
    void filter()
    {
        QFETCH(QString, filter);
        QFETCH(QList<int>, ids);
        Dataset ds(QStringLiteral("select id, fio, naimen from names order by id"));
        ds.open();
        ds.setFilter(filter);
        ds.setFiltered(true);
        QList<int> got;
        for (int row = 0; row < ds.recordCount(); ++row)
            got << ds.valueAt(row, QStringLiteral("id")).toInt();
        QCOMPARE(got, ids);
        QCOMPARE(ds.recNo(), ids.isEmpty() ? 0 : 1);
        ds.setFiltered(false);
        QCOMPARE(ds.recordCount(), 5);
    }

    void quotedLiteralsKeepTheirMeaning()
    {
        const QString nasty = QStringLiteral("x'); drop table names; --\\");
        QCOMPARE(db.value(QStringLiteral("select ") + SqlText::quoted(nasty)).toString(), nasty);
        QCOMPARE(db.value(QStringLiteral("select count(*) from names")).toInt(), 5);
    }

    void transactionRollsBackOnError()
    {
        try {
            Transaction tx;
            Command(QStringLiteral("insert into names(id) values (10)")).execute();
            Command(QStringLiteral("insert into nosuchtable values (1)")).execute();
            tx.commit();
            QFAIL("the second statement must fail");
        } catch (const DbError &) {
        }
        QCOMPARE(db.value(QStringLiteral("select count(*) from names where id=10")).toInt(), 0);
    }
};

QTEST_MAIN(TestDataset)
#include "tst_dataset.moc"
