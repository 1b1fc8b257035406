#pragma once

#include "dataset.h"

#include <QDate>
#include <QString>
#include <optional>

// Writing one shift position (a row of accounts_dep.smena) and keeping the
// worker's hours sheet in step with it.
namespace ShiftEntry {

// An operation needs a colour when its text, upper-cased, holds this word.
inline const QString kPaintKeyword = QStringLiteral("КРАСКА");
bool needsColour(const QString &operationText);

// The message of a refused duplicate.
inline const QString kDuplicateMessage = QStringLiteral("Позиция с такими параметрами уже заведена!");

// A position as the shift-entry dialog writes it. Quantities are the texts
// typed (digits only), so that nothing is lost on the way to the server.
struct Position {
    int workerId = 0;
    int productId = 0;
    int operationId = 0;
    double unitPrice = 0; // unrounded; written rounded to 4 places
    QString quantity;     // kol_vo
    QString defects;      // brak
    QString hours;        // time
    int colour = 0;       // 0: none
    QDate date;
    int shift = 1;        // 1, 2, 3, or 4 for overtime
};

// Where a position stood: its worker, shift and day.
struct Place {
    int workerId = 0;
    int shift = 0;
    QDate date;
    bool operator==(const Place &) const = default;
};

// Checks the typed numbers before anything is written: digits only, and no
// more than their columns hold. Throws UserError with a Russian sentence.
// Returns the colour as a number ("" gives 0).
int checkNumbers(const QString &quantity, const QString &defects, const QString &hours, const QString &colour);

// The statements. exceptId > 0 makes the duplicate count leave that row out
// (a change of that row).
QString duplicateSql(const Position &p, int exceptId = 0);
QString insertSql(const Position &p, const QDate &today);
QString updateSql(const Position &p, int id, const QDate &today);

enum class Outcome { Saved, Duplicate };

// Writes the position, a new one (changeId empty) or a change of row
// changeId, and recomputes the hours-sheet cell of its worker, shift and day,
// and, for a change that moves the position, the cell it leaves. All of it is
// one transaction: an error leaves nothing behind. The hours-sheet rows of the
// workers and months concerned are locked for the whole transaction, and the
// duplicate rule is checked again under that lock, so two copies of the
// program saving the same position at once make one row.
// Throws UserError (a changed row that no longer exists) or DbError.
Outcome save(const Position &p, std::optional<int> changeId, const std::optional<Place> &previous,
             const QDate &today, const QString &connection = QString::fromLatin1(kMainConnection));

} // namespace ShiftEntry
