// Opening the day sheet of a busy date: the four shift lists through the
// program's data layer next to the same statements straight through libpq.
#include "Unit6.h"
#include "benchsupport.h"
#include "connection.h"
#include "dataset.h"

#include <QCoreApplication>
#include <QDate>
#include <cstdio>
#include <libpq-fe.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Bench::Target target = Bench::targetFromArguments(QCoreApplication::arguments().mid(1));
    Bench::openProgramConnection(target);
    PGconn *raw = Bench::rawConnection(target);

    const QDate busy = selectValue(QStringLiteral(
        "select data from accounts_dep.smena group by data order by count(*) desc, data desc limit 1")).toDate();
    const int positions = selectValue(QStringLiteral("select count(*) from accounts_dep.smena")).toInt();
    std::printf("positions in the database: %d; busiest date: %s\n", positions, qPrintable(busy.toString(Qt::ISODate)));

    TDataModule6 dm;
    const int runs = 51;
    double programTotal = 0, rawTotal = 0;
    std::printf("%-8s %6s %12s %12s %7s\n", "list", "rows", "program ms", "libpq ms", "ratio");
    for (int shift = 1; shift <= 4; ++shift) {
        Dataset &list = dm.shiftList(shift);
        list.setParam(QStringLiteral("data"), busy);
        list.setParam(QStringLiteral("ok"), QStringLiteral("ta"));
        QStringList names;
        const QString sql = Bench::positional(shiftListSql(shift), &names);
        const auto [program, direct] = Bench::medianPairMs(
            runs,
            [&] {
                list.close();
                list.open();
            },
            [&] { Bench::rawQuery(raw, sql, {busy.toString(Qt::ISODate), QStringLiteral("ta")}); });
        std::printf("Smena%-3d %6d %12.2f %12.2f %7.2f\n", shift, list.recordCount(), program, direct, program / direct);
        programTotal += program;
        rawTotal += direct;
    }
    std::printf("%-8s %6s %12.2f %12.2f %7.2f\n", "all four", "", programTotal, rawTotal, programTotal / rawTotal);
    PQfinish(raw);
    return 0;
}
