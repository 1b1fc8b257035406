#include "refbookstext.h"
#include "dataset.h"
#include "sqltext.h"

namespace Refbooks {

QString stageName(int naimen)
{
    return naimen == 0 ? QStringLiteral("Готовая продукция") : QStringLiteral("Заготовки");
}

QString operationText(const QString &marka, const QString &vid, int naimen)
{
    return marka.trimmed() + QStringLiteral("; ") + vid.trimmed() + QStringLiteral("; ") + stageName(naimen);
}

QString workerFilter(const QString &typed)
{
    if (typed.isEmpty())
        return {};
    return Dataset::likeFilter(QStringLiteral("fio"), typed);
}

QString operationFilter(const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return {};
    return Dataset::likeFilter(QStringLiteral("marka"), QStringLiteral("%") + typed);
}

QString insertWorkerSql(const QString &fio, const QString &department)
{
    return QStringLiteral("INSERT INTO accounts_dep.person (fio, s_staffpos_hl)VALUES(") + SqlText::quoted(fio)
        + QStringLiteral(", ") + SqlText::quoted(department) + QStringLiteral(")");
}

QString updateWorkerSql(int id, const QString &fio, const QString &department)
{
    return QStringLiteral("UPDATE accounts_dep.person SET fio=") + SqlText::quoted(fio)
        + QStringLiteral(", s_staffpos_hl=") + SqlText::quoted(department)
        + QStringLiteral(" where accounts_dep.person.id=") + QString::number(id);
}

QString deleteWorkerSql(int id)
{
    return QStringLiteral("delete from accounts_dep.person where id =") + QString::number(id);
}

} // namespace Refbooks
