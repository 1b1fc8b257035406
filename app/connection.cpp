#include "connection.h"
#include "dataset.h"
#include "buildconfig.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Connection {
namespace {
// The database account's password; the factory's databases know the
// program by it.
constexpr char16_t kPassword[] = u"pelvuxa";
}

QString builtInDatabase() { return QStringLiteral("kesh_erp"); }
QString builtInServer() { return QStringLiteral(TABEL_DEFAULT_SERVER); }
int port() { return 5432; }
QString account() { return QStringLiteral("sys"); }

QString connectionString(const QString &database, const QString &server)
{
    return QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=") + database + QStringLiteral(";SERVER=") + server
        + QStringLiteral(";PORT=5432;UID=sys;PWD=") + QString::fromUtf16(kPassword) + QStringLiteral(";SSLmode=allow;")
        + QStringLiteral("ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;"
                         "Fetch=100;UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;")
        + QStringLiteral("Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;"
                         "BoolsAsChar=1;Parse=0;ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;")
        + QStringLiteral("TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;"
                         "D6=-101;OptionalErrors=0;XaOpt=1");
}

QString connectionStringFromArguments(const QStringList &arguments)
{
    const QString server = arguments.value(1);
    if (server.isEmpty())
        return connectionString(builtInDatabase(), builtInServer());
    return connectionString(arguments.value(0), server);
}

Target parse(const QString &cs)
{
    Target t;
    for (const QString &part : cs.split(QLatin1Char(';'))) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = part.left(eq).trimmed().toUpper();
        if (key == QLatin1String("DATABASE"))
            t.database = part.mid(eq + 1);
        else if (key == QLatin1String("SERVER"))
            t.server = part.mid(eq + 1);
    }
    return t;
}

bool open(const QString &connectionName, const QString &cs, QString *error)
{
    const Target target = parse(cs);
    {
        QSqlDatabase db = QSqlDatabase::contains(connectionName) ? QSqlDatabase::database(connectionName, false)
                                                                 : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        db.close();
        db.setDatabaseName(target.database);
        db.setHostName(target.server);
        db.setPort(port());
        db.setUserName(account());
        db.setPassword(QString::fromUtf16(kPassword));
        db.setConnectOptions(QStringLiteral("sslmode=allow;connect_timeout=10;application_name=tabel"));
        if (!db.open()) {
            if (error)
                *error = db.lastError().text();
            return false;
        }
        // Text literals are made by doubling quotes only; make sure the
        // server reads backslashes in them as ordinary characters.
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("set standard_conforming_strings to on"))
            || !q.exec(QStringLiteral("set datestyle to 'ISO, DMY'"))) {
            if (error)
                *error = q.lastError().text();
            db.close();
            return false;
        }
    }
    return true;
}

bool openMainConnection(const QString &database, const QString &server, QString *error)
{
    return open(QString::fromLatin1(kMainConnection), connectionString(database, server), error);
}

} // namespace Connection
