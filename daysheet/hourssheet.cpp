#include "hourssheet.h"

#include <algorithm>

namespace HoursSheet {
namespace {

QString n(int v)
{
    return QString::number(v);
}

QString rowCondition(int workerId, int shift, const QDate &day)
{
    return QStringLiteral(" where w_id=") + n(workerId) + QStringLiteral(" and smena=") + n(shift)
        + QStringLiteral(" and month=") + n(day.month()) + QStringLiteral(" and year=") + n(day.year());
}

} // namespace

std::optional<int> positionHours(int workerId, int shift, const QDate &day, const QString &connection)
{
    Dataset control;
    control.setConnectionName(connection);
    control.addSql(QStringLiteral("select sum(time) as tim from accounts_dep.smena where w_id=") + n(workerId)
                   + QStringLiteral(" and smena=") + n(shift) + QStringLiteral(" and data=to_date('")
                   + day.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral("', 'DD.MM.YYYY') group by w_id, smena, data"));
    control.open();
    if (control.isEmpty())
        return std::nullopt;
    return control.intValue(QStringLiteral("tim"));
}

void lockWorkerMonths(const QVector<WorkerMonth> &months, const QString &connection)
{
    QVector<std::pair<int, int>> keys;
    for (const WorkerMonth &m : months)
        keys.append({m.workerId, m.day.year() * 100 + m.day.month()});
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const auto &[worker, month] : keys)
        selectValue(QStringLiteral("select pg_advisory_xact_lock(") + n(worker) + QStringLiteral(", ") + n(month)
                        + QStringLiteral(")"),
                    connection);
}

void updateDayCell(int workerId, int shift, const QDate &day, const QString &connection)
{
    // One writer at a time per worker and month, so that two copies saving
    // at once never make a second row nor write a stale sum.
    lockWorkerMonths({{workerId, day}}, connection);

    Dataset control;
    control.setConnectionName(connection);
    control.addSql(QStringLiteral("select count(w_id) as cnt from accounts_dep.h_tabel") + rowCondition(workerId, shift, day));
    control.open();
    const int rows = control.intValue(QStringLiteral("cnt"));
    control.close();

    const std::optional<int> hours = positionHours(workerId, shift, day, connection);
    const QString cell = QStringLiteral("d") + n(day.day());

    Command write;
    write.setConnectionName(connection);
    if (rows != 0) {
        write.setSql(QStringLiteral("update accounts_dep.h_tabel set ") + cell + QLatin1Char('=')
                     + (hours ? n(*hours) : QStringLiteral("NULL")) + rowCondition(workerId, shift, day));
    } else if (hours) {
        write.setSql(QStringLiteral("insert into accounts_dep.h_tabel(smena, w_id, month, year, ") + cell
                     + QStringLiteral(") values(") + n(shift) + QStringLiteral(", ") + n(workerId) + QStringLiteral(", ")
                     + n(day.month()) + QStringLiteral(", ") + n(day.year()) + QStringLiteral(", ") + n(*hours)
                     + QStringLiteral(")"));
    } else {
        return; // no row and nothing to record
    }
    write.execute();
}

} // namespace HoursSheet
