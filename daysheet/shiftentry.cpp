#include "shiftentry.h"
#include "dberror.h"
#include "hourssheet.h"
#include "sqltext.h"
#include "unitprice.h"

#include <algorithm>
#include <utility>

namespace ShiftEntry {
namespace {

QString n(int v)
{
    return QString::number(v);
}

QString typed(const QString &text)
{
    return text.trimmed();
}

bool allDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Whether a string of digits is at most max.
bool atMost(const QString &digits, qint64 max)
{
    qsizetype i = 0;
    while (i + 1 < digits.size() && digits[i] == u'0')
        ++i;
    const QString significant = digits.mid(i);
    if (significant.size() > 18)
        return false;
    return significant.toLongLong() <= max;
}

void checkField(const QString &text, const QString &title, qint64 max, bool mayBeEmpty)
{
    if (text.isEmpty() && mayBeEmpty)
        return;
    if (!allDigits(text))
        throw UserError(QStringLiteral("В поле «%1» допускаются только цифры.").arg(title));
    if (!atMost(text, max))
        throw UserError(QStringLiteral("Слишком большое число в поле «%1»: не более %2.").arg(title).arg(max));
}

QString whereSame(const Position &p)
{
    return QStringLiteral(" where w_id=") + n(p.workerId) + QStringLiteral(" and o_id=") + n(p.operationId)
        + QStringLiteral(" and i_id=") + n(p.productId) + QStringLiteral(" and data=to_date('") + SqlText::date(p.date)
        + QStringLiteral("', 'DD.MM.YYYY') and smena=") + n(p.shift);
}

} // namespace

bool needsColour(const QString &operationText)
{
    return operationText.toUpper().contains(kPaintKeyword);
}

int checkNumbers(const QString &quantity, const QString &defects, const QString &hours, const QString &colour)
{
    // kol_vo is numeric: any whole number fits, but a quantity beyond what a
    // factory can count is a typing slip.
    checkField(typed(quantity), QStringLiteral("Кол-во"), 999999999999999LL, false);
    checkField(typed(defects), QStringLiteral("Брак"), 32767, false);    // smallint
    checkField(typed(hours), QStringLiteral("Время"), 2147483647, false); // integer
    const QString c = typed(colour);
    checkField(c, QStringLiteral("Цвет"), 2147483647, true); // integer
    return c.isEmpty() ? 0 : c.toInt();
}

QString duplicateSql(const Position &p, int exceptId)
{
    QString sql = QStringLiteral("select count(id) as cnt from accounts_dep.SMENA") + whereSame(p);
    if (exceptId > 0)
        sql += QStringLiteral(" and id<>") + n(exceptId);
    return sql + QStringLiteral(" and color=") + n(p.colour);
}

QString insertSql(const Position &p, const QDate &today)
{
    return QStringLiteral("insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, "
                          "vvod,ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(")
        + n(p.workerId) + QStringLiteral(", ") + n(p.productId) + QStringLiteral(", ") + n(p.operationId)
        + QStringLiteral(", ") + UnitPrice::priceText(p.unitPrice) + QStringLiteral(",") + typed(p.quantity)
        + QStringLiteral(", ") + typed(p.defects) + QStringLiteral(", to_date('") + SqlText::date(p.date)
        + QStringLiteral("', 'DD.MM.YYYY HH24:MI:SS'), ") + n(p.shift) + QStringLiteral(", ") + n(p.colour)
        + QStringLiteral(", ") + typed(p.hours) + QStringLiteral(", '") + SqlText::date(today)
        + QStringLiteral("', 'no', 0, 0, 0, 0, 0, 0)");
}

QString updateSql(const Position &p, int id, const QDate &today)
{
    return QStringLiteral("update accounts_dep.SMENA set w_id=") + n(p.workerId) + QStringLiteral(", i_id=")
        + n(p.productId) + QStringLiteral(", o_id=") + n(p.operationId) + QStringLiteral(", cena=")
        + UnitPrice::priceText(p.unitPrice) + QStringLiteral(", kol_vo=") + typed(p.quantity)
        + QStringLiteral(", brak=") + typed(p.defects) + QStringLiteral(", data=to_date('") + SqlText::date(p.date)
        + QStringLiteral("', 'DD.MM.YYYY'), smena=") + n(p.shift) + QStringLiteral(", color=") + n(p.colour)
        + QStringLiteral(", time=") + typed(p.hours) + QStringLiteral(", vvod='") + SqlText::date(today)
        + QStringLiteral("', prize=0, id_doc=0, id_doc_item=0, f_gds_qty_use=0, id_gds_use=0, id_cons_use=0 where id=")
        + n(id);
}

Outcome save(const Position &p, std::optional<int> changeId, const std::optional<Place> &previous, const QDate &today,
             const QString &connection)
{
    // Nothing typed reaches the statement unchecked.
    checkNumbers(p.quantity, p.defects, p.hours, QString::number(p.colour));

    const Place here{p.workerId, p.shift, p.date};
    const bool moves = previous && previous->workerId > 0 && previous->date.isValid() && !(*previous == here);

    Transaction tx(connection);
    QVector<HoursSheet::WorkerMonth> months{{p.workerId, p.date}};
    if (moves)
        months.append({previous->workerId, previous->date});
    HoursSheet::lockWorkerMonths(months, connection);

    // Another copy may have saved the same position since the user's check.
    if (selectValue(duplicateSql(p, changeId.value_or(0)), connection).toInt() > 0)
        return Outcome::Duplicate;

    Command write(changeId ? updateSql(p, *changeId, today) : insertSql(p, today));
    write.setConnectionName(connection);
    if (write.execute() == 0 && changeId)
        throw UserError(QStringLiteral("Позиция не найдена: её удалили в другой копии программы. Список будет перечитан."));

    HoursSheet::updateDayCell(p.workerId, p.shift, p.date, connection);
    if (moves)
        HoursSheet::updateDayCell(previous->workerId, previous->shift, previous->date, connection);
    tx.commit();
    return Outcome::Saved;
}

} // namespace ShiftEntry
