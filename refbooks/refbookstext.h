#pragma once

#include <QString>

// Texts of the reference books: statements on workers, the pickers' search
// filters and the operation text the shift-entry dialog shows.
namespace Refbooks {

// "Готовая продукция" for stage 0, "Заготовки" for any other.
QString stageName(int naimen);

// "<mark>; <kind of operation>; <stage name>", each part trimmed.
QString operationText(const QString &marka, const QString &vid, int naimen);

// Client-side filters of the search boxes: workers whose name begins with
// the text, operations whose product mark contains it. Empty when the
// filter is to be switched off.
QString workerFilter(const QString &typed);
QString operationFilter(const QString &typed);

// Statements on accounts_dep.person; names and captions as quoted literals.
QString insertWorkerSql(const QString &fio, const QString &department);
QString updateWorkerSql(int id, const QString &fio, const QString &department);
QString deleteWorkerSql(int id);

} // namespace Refbooks
