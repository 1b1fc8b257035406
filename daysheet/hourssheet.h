#pragma once

#include "dataset.h"

#include <QDate>
#include <optional>

// Upkeep of the monthly hours sheet (accounts_dep.h_tabel): the day cell of
// a worker's shift row holds the hours of all the worker's positions of that
// shift and day.
namespace HoursSheet {

// Hours of the worker's positions of a shift and day; nothing when there is
// no position.
std::optional<int> positionHours(int workerId, int shift, const QDate &day,
                                 const QString &connection = QString::fromLatin1(kMainConnection));

// Makes the day cell of the worker's shift row of that month agree with the
// positions: their hours, or empty when none is left. Creates the month's
// row when the worker has hours and no row yet. Serialised per worker and
// month across every copy of the program; run it in the same transaction as
// the change of the positions.
void updateDayCell(int workerId, int shift, const QDate &day,
                   const QString &connection = QString::fromLatin1(kMainConnection));

} // namespace HoursSheet
