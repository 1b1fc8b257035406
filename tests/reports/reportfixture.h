#pragma once

// A small factory month for the report tests: November 2026, three workers,
// three products in two nomenclature groups, painting with primer and a RAL
// colour, defects, maintenance work and average piecework by day and night,
// hours-sheet rows, and positions just outside the period on both sides.

#include "factory.h"
#include "testdb.h"

#include <QDate>

struct ReportFixture
{
    static QDate from() { return QDate(2026, 11, 1); }
    static QDate to() { return QDate(2026, 12, 1); }

    int groupFrames = 0, groupRamps = 0;
    int ivanov = 0, petrov = 0, sidorov = 0;

    explicit ReportFixture(const TestDb &db)
    {
        Factory f(db);
        groupFrames = f.group(QStringLiteral("Каркасы"));
        groupRamps = f.group(QStringLiteral("Рамы"));
        const int welding = f.kind(QStringLiteral("Сварка"));
        const int painting = f.kind(QStringLiteral("Покраска"));
        const int kr100 = f.product(QStringLiteral("КР-100"), groupFrames, 0.5);
        const int kr200 = f.product(QStringLiteral("КР-200"), groupFrames, 1.25);
        const int rm1 = f.product(QStringLiteral("РМ-1"), groupRamps, 2);
        const int o1 = f.operation(kr100, welding, 0, {10.15});
        const int o2 = f.operation(kr100, painting, 1, {2.5});
        const int o3 = f.operation(rm1, welding, 0, {7.333});
        const int o4 = f.operation(kr200, welding, 1, {1.05});
        const int o5 = f.operation(rm1, painting, 0, {4});
        ivanov = f.worker(QStringLiteral("Иванов Иван Иванович"));
        petrov = f.worker(QStringLiteral("Петров Петр Петрович"));
        sidorov = f.worker(QStringLiteral("Сидоров Сидор"));

        const auto pos = [&](int w, int p, int o, double price, int qty, int defects, int hours, int colour, int day,
                             int month = 11) {
            Factory::Position x;
            x.worker = w;
            x.product = p;
            x.operation = o;
            x.price = price;
            x.quantity = qty;
            x.defects = defects;
            x.hours = hours;
            x.colour = colour;
            x.day = QDate(2026, month, day);
            f.position(x);
        };
        pos(ivanov, kr100, o1, 10.15, 20, 2, 8, 0, 3);
        pos(ivanov, kr100, o1, 10.15, 10, 0, 4, 0, 4);
        pos(ivanov, kr100, o2, 2.5, 30, 1, 6, 1, 5);
        pos(ivanov, rm1, o3, 7.333, 7, 0, 8, 0, 5);
        pos(petrov, kr100, o2, 2.5, 12, 0, 8, 1017, 10);
        pos(petrov, kr200, o4, 1.05, 100, 5, 8, 0, 11);
        pos(petrov, rm1, o5, 4, 3, 0, 2, 1017, 30);
        pos(sidorov, kr200, o4, 1.05, 9, 0, 0, 0, 12);
        pos(ivanov, kr100, o1, 10.15, 99, 0, 8, 0, 1, 12);  // on the "по" date
        pos(petrov, rm1, o3, 7.333, 5, 0, 8, 0, 31, 10);    // the day before

        const auto work = [&](int w, int kind, int group, int day, int hours, const char *price, int night, int month = 11) {
            db.exec(QStringLiteral("insert into accounts_dep.fatigue(id_p, id_o, id_nom, d_date, i_mnth, i_year, i_smena, "
                                   "cnt, price, i_holiday, i_night) values(%1, %2, %3, '2026-%4-%5', %4, 2026, 1, %6, "
                                   "%7, 0, %8)")
                        .arg(w)
                        .arg(kind)
                        .arg(group)
                        .arg(month)
                        .arg(day)
                        .arg(hours)
                        .arg(QLatin1String(price))
                        .arg(night));
        };
        work(ivanov, 7777, groupFrames, 6, 8, "150.5", 0);
        work(ivanov, 7777, groupFrames, 7, 4, "180.25", 1);
        work(ivanov, 7778, groupRamps, 8, 3, "200", 0);
        work(petrov, 7778, groupFrames, 9, 5, "123.45", 1);
        work(petrov, 7777, groupRamps, 1, 8, "100", 0, 12); // next month

        const auto hours = [&](int w, int shift, int type, const QString &days, int month = 11) {
            QStringList columns, values;
            for (const QString &pair : days.split(QLatin1Char(','))) {
                columns << QStringLiteral("d") + pair.section(QLatin1Char('='), 0, 0);
                values << pair.section(QLatin1Char('='), 1, 1);
            }
            db.exec(QStringLiteral("insert into accounts_dep.h_tabel(w_id, month, year, smena, i_type, %1) "
                                   "values(%2, %3, 2026, %4, %5, %6)")
                        .arg(columns.join(QLatin1Char(',')))
                        .arg(w)
                        .arg(month)
                        .arg(shift)
                        .arg(type)
                        .arg(values.join(QLatin1Char(','))));
        };
        hours(ivanov, 1, 0, QStringLiteral("3=8,4=4"));
        hours(ivanov, 2, 0, QStringLiteral("5=14"));
        hours(ivanov, 0, 7777, QStringLiteral("6=8,7=4"));
        hours(petrov, 1, 0, QStringLiteral("10=8,11=8,30=2"));
        hours(sidorov, 1, 0, QStringLiteral("12=0"));
        hours(ivanov, 1, 0, QStringLiteral("1=8"), 12);
    }
};
