#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <utility>

struct pg_conn;

// What the benchmarks share: the database they run on (from the command
// line: DATABASE SOCKET_DIR), a raw libpq connection to compare with, and a
// timer that reports the median of several runs.
namespace Bench {

struct Target {
    QString database;
    QString server;
};
Target targetFromArguments(const QStringList &arguments); // exits with usage on error

// Opens the program's own connection to the target; exits on failure.
void openProgramConnection(const Target &target);

// A libpq connection with the program's account; exits on failure.
pg_conn *rawConnection(const Target &target);

// Runs a statement with text parameters ($1, $2, ...) through libpq and
// touches every value of every row once; returns the number of rows.
int rawQuery(pg_conn *conn, const QString &sql, const QStringList &params = {});

// Named :parameters turned into $1.. for libpq, in order of first use.
QString positional(const QString &sql, QStringList *names);

// Median milliseconds of `runs` runs of the action (after one warm-up run).
double medianMs(int runs, const std::function<void()> &action);

// Median milliseconds of two actions run in turns, so that a busy machine
// weighs on both alike.
std::pair<double, double> medianPairMs(int runs, const std::function<void()> &first,
                                       const std::function<void()> &second);

// Peak resident memory of this process so far, in MiB.
double peakMemoryMiB();

} // namespace Bench
