#pragma once

#include "testdb.h"

#include <QDate>

// Small pieces of a factory for tests: workers, products, operations with
// prices and shift positions, written straight into the database.
class Factory
{
public:
    explicit Factory(const TestDb &db) : m_db(db) {}

    int group(const QString &caption);
    int kind(const QString &name); // a kind of operation
    int product(const QString &mark, int groupId, double massa = 1.0);
    // An operation with its price records; the base price is the smallest.
    int operation(int productId, int kindId, int stage, const QList<double> &prices);
    int worker(const QString &fio, const QString &position = QStringLiteral("Сборщик"));

    struct Position {
        int worker = 0;
        int product = 0;
        int operation = 0;
        QDate day;
        int shift = 1;
        double price = 1;
        int quantity = 1;
        int defects = 0;
        int hours = 8;
        int colour = 0;
        QString ok = QStringLiteral("no");
    };
    int position(const Position &p);

    // The day cell of a worker's shift row of the hours sheet (null when
    // empty or when there is no row).
    QVariant hoursCell(int worker, int shift, const QDate &day) const;

private:
    int insert(const QString &sql);
    const TestDb &m_db;
};
