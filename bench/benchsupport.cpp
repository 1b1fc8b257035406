#include "benchsupport.h"
#include "connection.h"
#include "dataset.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <libpq-fe.h>
#include <vector>

namespace Bench {

Target targetFromArguments(const QStringList &arguments)
{
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: %s DATABASE SOCKET_DIR\n", qPrintable(arguments.value(0)));
        std::exit(2);
    }
    return {arguments[0], arguments[1]};
}

void openProgramConnection(const Target &target)
{
    QString error;
    if (!Connection::openMainConnection(target.database, target.server, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        std::exit(1);
    }
}

pg_conn *rawConnection(const Target &target)
{
    const QByteArray info = QStringLiteral("dbname=%1 host=%2 port=5432 user=sys password=pelvuxa")
                                .arg(target.database, target.server)
                                .toUtf8();
    PGconn *conn = PQconnectdb(info.constData());
    if (PQstatus(conn) != CONNECTION_OK) {
        std::fprintf(stderr, "libpq: %s\n", PQerrorMessage(conn));
        std::exit(1);
    }
    return conn;
}

QString positional(const QString &sql, QStringList *names)
{
    *names = parameterNames(sql);
    QString out = sql;
    // Longest names first so that :data1 is not taken for :data.
    QStringList byLength = *names;
    std::sort(byLength.begin(), byLength.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &name : byLength) {
        const QString dollar = QStringLiteral("$%1").arg(names->indexOf(name) + 1);
        qsizetype at = 0;
        while ((at = out.indexOf(QLatin1Char(':') + name, at)) >= 0) {
            if (at > 0 && out[at - 1] == QLatin1Char(':')) { // a cast
                at += name.size() + 1;
                continue;
            }
            out.replace(at, name.size() + 1, dollar);
            at += dollar.size();
        }
    }
    return out;
}

int rawQuery(pg_conn *conn, const QString &sql, const QStringList &params)
{
    const QByteArray text = sql.toUtf8();
    std::vector<QByteArray> values;
    std::vector<const char *> pointers;
    for (const QString &p : params)
        values.push_back(p.toUtf8());
    for (const QByteArray &v : values)
        pointers.push_back(v.constData());
    PGresult *res = PQexecParams(conn, text.constData(), int(pointers.size()), nullptr, pointers.data(), nullptr,
                                 nullptr, 0);
    if (PQresultStatus(res) != PGRES_TUPLES_OK && PQresultStatus(res) != PGRES_COMMAND_OK) {
        std::fprintf(stderr, "libpq: %s\n", PQresultErrorMessage(res));
        std::exit(1);
    }
    const int rows = PQntuples(res);
    const int cols = PQnfields(res);
    // Touch every value once, as the least any client must do.
    volatile std::size_t bytes = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            bytes = bytes + std::size_t(PQgetlength(res, r, c)) + std::size_t(*PQgetvalue(res, r, c));
    PQclear(res);
    return rows;
}

double medianMs(int runs, const std::function<void()> &action)
{
    action();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        action();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::pair<double, double> medianPairMs(int runs, const std::function<void()> &first,
                                       const std::function<void()> &second)
{
    first();
    second();
    std::vector<double> a, b;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        first();
        a.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        second();
        b.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return {a[a.size() / 2], b[b.size() / 2]};
}

double peakMemoryMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QStringList lines = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (line.startsWith(QLatin1String("VmHWM:")))
            return line.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty).section(QLatin1Char(' '), 0, 0).toDouble() / 1024.0;
    return 0;
}

} // namespace Bench
