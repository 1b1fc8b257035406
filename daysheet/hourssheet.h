#pragma once

#include "dataset.h"

#include <QDate>
#include <QVector>
#include <optional>

// Upkeep of the monthly hours sheet (accounts_dep.h_tabel): the day cell of
// a worker's shift row holds the hours of all the worker's positions of that
// shift and day.
namespace HoursSheet {

// Hours of the worker's positions of a shift and day; nothing when there is
// no position.
std::optional<int> positionHours(int workerId, int shift, const QDate &day,
                                 const QString &connection = QString::fromLatin1(kMainConnection));

// Takes, until the end of the caller's transaction, the lock that keeps the
// hours-sheet rows of these workers and months to one writer at a time across
// every copy of the program. Locks are taken in one order, so two copies
// locking the same pair never wait on each other in a circle.
struct WorkerMonth {
    int workerId = 0;
    QDate day; // any day of the month
};
void lockWorkerMonths(const QVector<WorkerMonth> &months,
                      const QString &connection = QString::fromLatin1(kMainConnection));

// Makes the day cell of the worker's shift row of that month agree with the
// positions: their hours, or empty when none is left. Creates the month's
// row when the worker has hours and no row yet. Takes the worker's month lock
// (a no-op when the caller holds it already); run it in the same transaction
// as the change of the positions, and take the lock before that change.
void updateDayCell(int workerId, int shift, const QDate &day,
                   const QString &connection = QString::fromLatin1(kMainConnection));

} // namespace HoursSheet
