#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The month-end files without the windows:
//
//   tabel report <workers|products|workers-detailed|products-detailed>
//         --from DD.MM.YYYY --to DD.MM.YYYY [--kind all|finished|blanks]
//         --pdf FILE [--db NAME --server ADDRESS]
//   tabel export products --from DD.MM.YYYY --to DD.MM.YYYY
//         [--kind all|finished|blanks] --xlsx FILE [--db NAME --server ADDRESS]
//
// The same layouts and export as the summary reports window; "--to" is not
// included in the period. Without --server the program's built-in database
// is used, as when the program is started without its two arguments.
// Needs a QGuiApplication (or QApplication). The arguments start with
// "report" or "export". Returns 0 on success; otherwise a message in
// Russian has gone to the error output and the result is 1 (a failure while
// working) or 2 (wrong arguments).
int runReportBatch(const QStringList &arguments);

// The same with the way to the database given (tests).
using BatchConnector = std::function<bool(const QString &database, const QString &server, QString *error)>;
int runReportBatch(const QStringList &arguments, const BatchConnector &connect);
