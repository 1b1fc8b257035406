#include "versioncheck.h"
#include "buildconfig.h"
#include "dataset.h"

BuildStamp currentBuildStamp()
{
    return {TABEL_BUILD_DATE, TABEL_BUILD_TIME};
}

namespace {

struct Row {
    bool exists = false;
    BuildStamp stamp;
    QString delimiter;
};

Row readFirstRow(const QString &connection)
{
    Dataset ver(QStringLiteral("select d, t, delim from accounts_dep.ver limit 1"));
    ver.setConnectionName(connection);
    ver.open();
    Row row;
    row.exists = !ver.isEmpty();
    if (row.exists) {
        row.stamp = {ver.intValue(QStringLiteral("d")), ver.intValue(QStringLiteral("t"))};
        row.delimiter = ver.text(QStringLiteral("delim"));
    }
    return row;
}

} // namespace

VersionCheckResult checkVersion(const BuildStamp &build, const QString &connection)
{
    const Row before = readFirstRow(connection);
    VersionCheckResult result;
    result.delimiter = before.delimiter;

    if (!before.exists) {
        Command insert(QStringLiteral("insert into accounts_dep.ver(d, t, delim) select :d::int, :t::int, '' "
                                      "where not exists (select 1 from accounts_dep.ver)"));
        insert.setConnectionName(connection);
        insert.setParam(QStringLiteral("d"), build.date);
        insert.setParam(QStringLiteral("t"), build.time);
        insert.execute();
    } else if (build.newerThan(before.stamp)) {
        // Only ever raises the stamp: another copy may have posted a newer
        // one since we read it.
        Command update(QStringLiteral(
            "update accounts_dep.ver set d=:d, t=:t where ctid=(select ctid from accounts_dep.ver limit 1) "
            "and (d < :d or (d = :d and t < :t))"));
        update.setConnectionName(connection);
        update.setParam(QStringLiteral("d"), build.date);
        update.setParam(QStringLiteral("t"), build.time);
        update.execute();
    }

    const Row after = readFirstRow(connection);
    result.database = after.stamp;
    result.tooOld = after.exists && after.stamp.newerThan(build);
    return result;
}
