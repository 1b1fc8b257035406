// Saving a new shift position on a busy day of the factory-sized database:
// the shift-entry dialog's whole save (duplicate check, transaction with the
// hours-sheet upkeep, re-read of the day's list) with its number of round
// trips to the server, next to the same statements sent straight through
// libpq, and the plans of the statements.
#include "Unit1.h"
#include "Unit11.h"
#include "Unit6.h"
#include "benchsupport.h"
#include "dataset.h"
#include "hourssheet.h"
#include "messages.h"
#include "shiftentry.h"
#include "sqltext.h"
#include "startup.h"

#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <vector>
#include <dlfcn.h>
#include <libpq-fe.h>

// Every statement the Qt driver sends goes through PQsendQuery or PQexec
// (which calls PQsendQuery itself), one round trip each; the executable
// exports both in front of libpq and counts them once.
namespace {
bool g_counting = false;
int g_roundTrips = 0;
thread_local bool t_inExec = false;
}

extern "C" PGresult *PQexec(PGconn *conn, const char *query)
{
    using Fn = PGresult *(*)(PGconn *, const char *);
    static const Fn next = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "PQexec"));
    if (g_counting)
        ++g_roundTrips;
    t_inExec = true;
    PGresult *result = next(conn, query);
    t_inExec = false;
    return result;
}

extern "C" int PQsendQuery(PGconn *conn, const char *query)
{
    using Fn = int (*)(PGconn *, const char *);
    static const Fn next = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "PQsendQuery"));
    if (g_counting && !t_inExec)
        ++g_roundTrips;
    return next(conn, query);
}

namespace {

QString plan(PGconn *raw, const QString &sql)
{
    PGresult *res = PQexec(raw, (QStringLiteral("explain (costs off) ") + sql).toUtf8().constData());
    QString out;
    for (int r = 0; r < PQntuples(res); ++r)
        out += QStringLiteral("    ") + QString::fromUtf8(PQgetvalue(res, r, 0)) + QLatin1Char('\n');
    PQclear(res);
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const Bench::Target target = Bench::targetFromArguments(QCoreApplication::arguments().mid(1));
    if (!Startup::createWindows({target.database, target.server}))
        return 1;
    PGconn *raw = Bench::rawConnection(target);
    Msg::Recorder boxes; // a refused save would show a box; none may

    // The busiest day, a worker of its first shift and an operation.
    const QDate day = selectValue(QStringLiteral(
        "select data from accounts_dep.smena group by data order by count(*) desc, data desc limit 1")).toDate();
    const int worker = selectValue(QStringLiteral("select w_id from accounts_dep.smena where data=to_date('%1', 'DD.MM.YYYY') "
                                                  "and smena=1 order by w_id limit 1")
                                       .arg(SqlText::date(day)))
                           .toInt();
    const int operation = selectValue(QStringLiteral("select o_id from accounts_dep.norm order by o_id limit 1")).toInt();
    const int product = selectValue(QStringLiteral("select i_id from accounts_dep.oper where id=%1").arg(operation)).toInt();
    // Positions of the bench carry colours from 800000 on; an interrupted run
    // may have left some.
    const auto cleanUp = [&](int fromId) {
        Transaction tx;
        Command(QStringLiteral("delete from accounts_dep.smena where id>%1 and color>=800000").arg(fromId)).execute();
        HoursSheet::updateDayCell(worker, 1, day);
        tx.commit();
    };
    cleanUp(0);
    const int positions = selectValue(QStringLiteral("select count(*) from accounts_dep.smena")).toInt();
    const int before = selectValue(QStringLiteral("select coalesce(max(id), 0) from accounts_dep.smena")).toInt();

    Form1->ShiftMode = 1;
    for (int shift = 1; shift <= 4; ++shift) {
        DataModule6->shiftList(shift).setParam(QStringLiteral("data"), day);
        DataModule6->shiftList(shift).setParam(QStringLiteral("ok"), QStringLiteral("ta"));
    }
    Dataset &list = DataModule6->Smena1;
    list.open();
    std::printf("positions in the database: %d; day %s, shift 1: %d positions; worker %d, operation %d\n", positions,
                qPrintable(SqlText::date(day)), list.recordCount(), worker, operation);

    // Every save is a new position: another colour each time.
    int colour = 900000;
    const int runs = 40;
    int saves = 0;
    g_roundTrips = 0;
    const double program = Bench::medianMs(runs, [&] {
        Form11->OpenNew(day);
        Form11->WorkerId = worker;
        Form11->ProductId = product;
        Form11->OperationId = operation;
        Form11->UnitPrice = 12.345;
        Form11->Edit1->setText(QStringLiteral("bench"));
        Form11->Edit2->setText(QStringLiteral("bench"));
        Form11->Edit3->setText(QStringLiteral("5"));
        Form11->Edit4->setText(QStringLiteral("0"));
        Form11->Edit6->setText(QStringLiteral("1"));
        Form11->Edit5->setText(QString::number(++colour));
        Form11->setResult(QDialog::Rejected);
        g_counting = true;
        Form11->Button1Click();
        g_counting = false;
        if (Form11->result() == QDialog::Accepted)
            ++saves;
    });
    const double roundTrips = double(g_roundTrips) / (runs + 1);

    // Its two parts: the save with its checks, and the re-read of the list.
    int trips = 0;
    const double saveOnly = Bench::medianMs(runs, [&] {
        ShiftEntry::Position q;
        q.workerId = worker;
        q.productId = product;
        q.operationId = operation;
        q.unitPrice = 12.345;
        q.quantity = QStringLiteral("5");
        q.defects = QStringLiteral("0");
        q.hours = QStringLiteral("1");
        q.colour = ++colour;
        q.date = day;
        q.shift = 1;
        g_roundTrips = 0;
        g_counting = true;
        DataModule6->CheckDuplicate(ShiftEntry::duplicateSql(q), ShiftEntry::kDuplicateMessage);
        ShiftEntry::save(q, std::nullopt, std::nullopt, QDate::currentDate());
        g_counting = false;
        trips = g_roundTrips;
    });
    int listTrips = 0;
    const double reread = Bench::medianMs(runs, [&] {
        g_roundTrips = 0;
        g_counting = true;
        const int row = list.recNo();
        list.reopen();
        list.setRecNo(row);
        g_counting = false;
        listTrips = g_roundTrips;
    });

    // The same statements straight through libpq.
    ShiftEntry::Position p;
    p.workerId = worker;
    p.productId = product;
    p.operationId = operation;
    p.unitPrice = 12.345;
    p.quantity = QStringLiteral("5");
    p.defects = QStringLiteral("0");
    p.hours = QStringLiteral("1");
    p.date = day;
    p.shift = 1;
    const QString where = QStringLiteral(" where w_id=%1 and smena=1 and month=%2 and year=%3").arg(worker).arg(day.month()).arg(day.year());
    const QString lock = QStringLiteral("select pg_advisory_xact_lock(%1, %2)").arg(worker).arg(day.year() * 100 + day.month());
    QStringList listParams;
    const QString listSql = Bench::positional(shiftListSql(1), &listParams);
    int rawStatements = 0;
    const double directSave = Bench::medianMs(runs, [&] {
        p.colour = ++colour;
        const QStringList statements{
            ShiftEntry::duplicateSql(p), QStringLiteral("begin"), lock, ShiftEntry::duplicateSql(p),
            ShiftEntry::insertSql(p, QDate::currentDate()), lock,
            QStringLiteral("select count(w_id) as cnt from accounts_dep.h_tabel") + where,
            QStringLiteral("select sum(time) as tim from accounts_dep.smena where w_id=%1 and smena=1 and "
                           "data=to_date('%2', 'DD.MM.YYYY') group by w_id, smena, data")
                .arg(worker)
                .arg(SqlText::date(day)),
            QStringLiteral("update accounts_dep.h_tabel set d%1=d%1+1").arg(day.day()) + where, QStringLiteral("commit")};
        for (const QString &s : statements)
            Bench::rawQuery(raw, s);
        rawStatements = int(statements.size());
    });
    const double directList = Bench::medianMs(runs, [&] {
        Bench::rawQuery(raw, listSql, {day.toString(Qt::ISODate), QStringLiteral("ta")});
    });
    // The list's own time in the server.
    QString literalList = shiftListSql(1);
    literalList.replace(QStringLiteral(":data"), QStringLiteral("'%1'").arg(day.toString(Qt::ISODate)))
        .replace(QStringLiteral(":ok"), QStringLiteral("'ta'"));
    std::vector<double> serverTimes;
    for (int i = 0; i < runs; ++i) {
        PGresult *res = PQexec(raw, (QStringLiteral("explain (analyze, timing off) ") + literalList).toUtf8().constData());
        for (int r = 0; r < PQntuples(res); ++r) {
            const QString line = QString::fromUtf8(PQgetvalue(res, r, 0));
            if (line.startsWith(QStringLiteral("Execution Time:")))
                serverTimes.push_back(line.section(QLatin1Char(' '), 2, 2).toDouble());
        }
        PQclear(res);
    }
    std::sort(serverTimes.begin(), serverTimes.end());
    const double serverList = serverTimes.empty() ? 0 : serverTimes[serverTimes.size() / 2];

    std::printf("%-40s %10s %12s\n", "", "median ms", "round trips");
    std::printf("%-40s %10.2f %12.1f\n", "save through the dialog", program, roundTrips);
    std::printf("%-40s %10.2f %12d\n", "  the save, its checks and upkeep", saveOnly, trips);
    std::printf("%-40s %10.2f %12d\n", "  the list re-read", reread, listTrips);
    std::printf("%-40s %10.2f %12d\n", "the same statements through libpq", directSave + directList, rawStatements + 1);
    std::printf("%-40s %10.2f %12d\n", "  the save's statements", directSave, rawStatements);
    std::printf("%-40s %10.2f %12d\n", "  the list", directList, 1);
    std::printf("%-40s %10.2f\n", "  the list's execution in the server", serverList);
    std::printf("saved %d of %d; message boxes: %d\n", saves, runs + 1, int(boxes.boxes.size()));
    if (!boxes.boxes.isEmpty())
        std::printf("  first: %s\n", qPrintable(boxes.boxes.first().text));

    // The plans: every statement of a save reaches its rows through an index.
    p.colour = 1;
    const QStringList explained{
        ShiftEntry::duplicateSql(p),
        ShiftEntry::duplicateSql(p, 1),
        ShiftEntry::updateSql(p, before, QDate::currentDate()),
        QStringLiteral("select count(w_id) as cnt from accounts_dep.h_tabel") + where,
        QStringLiteral("select sum(time) as tim from accounts_dep.smena where w_id=%1 and smena=1 and "
                       "data=to_date('%2', 'DD.MM.YYYY') group by w_id, smena, data")
            .arg(worker)
            .arg(SqlText::date(day)),
        QStringLiteral("update accounts_dep.h_tabel set d%1=8").arg(day.day()) + where,
    };
    bool wholeScan = false;
    for (const QString &s : explained) {
        const QString text = plan(raw, s);
        wholeScan = wholeScan || text.contains(QStringLiteral("Seq Scan on smena"))
            || text.contains(QStringLiteral("Seq Scan on h_tabel"));
        std::printf("\n%s\n%s", qPrintable(s), qPrintable(text));
    }
    std::printf("\nwhole scan of smena or h_tabel: %s\n", wholeScan ? "YES" : "no");

    // Leave the database as it was.
    cleanUp(before);
    PQfinish(raw);
    Startup::destroyWindows();
    return 0;
}
