#include "testdb.h"
#include "connection.h"
#include "dataset.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString kAdmin = QStringLiteral("tabel_test_admin");

QSqlDatabase admin()
{
    if (QSqlDatabase::contains(kAdmin))
        return QSqlDatabase::database(kAdmin);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), kAdmin);
    db.setHostName(TestDb::socketDir());
    db.setPort(5432);
    db.setUserName(QStringLiteral("postgres"));
    db.setDatabaseName(QStringLiteral("postgres"));
    if (!db.open())
        qFatal("cannot reach the test cluster: %s", qPrintable(db.lastError().text()));
    return db;
}

void adminExec(const QString &sql)
{
    QSqlQuery q(admin());
    if (!q.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

} // namespace

QString TestDb::socketDir()
{
    static QString dir;
    if (dir.isEmpty()) {
        QProcess p;
        p.start(QStringLiteral("bash"), {QStringLiteral(TABEL_CLUSTER_SCRIPT), QStringLiteral("sockdir"),
                                         QStringLiteral(TABEL_TEST_CLUSTER)});
        p.waitForFinished();
        dir = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        if (dir.isEmpty())
            qFatal("no socket directory for the test cluster");
    }
    return dir;
}

TestDb::TestDb(const QString &name) : m_name(QStringLiteral("t_") + name.toLower())
{
    adminExec(QStringLiteral("drop database if exists %1 with (force)").arg(m_name));
    adminExec(QStringLiteral("create database %1 template tabel_template owner sys").arg(m_name));
    QString error;
    if (!Connection::openMainConnection(m_name, socketDir(), &error))
        qFatal("cannot open the test database: %s", qPrintable(error));
}

TestDb::~TestDb()
{
    for (const QString &c : QSqlDatabase::connectionNames())
        if (c != kAdmin)
            QSqlDatabase::database(c, false).close();
}

QString TestDb::openExtraConnection(const QString &connectionName) const
{
    QString error;
    if (!Connection::open(connectionName, Connection::connectionString(m_name, socketDir()), &error))
        qFatal("cannot open another connection: %s", qPrintable(error));
    return connectionName;
}

void TestDb::exec(const QString &sql, const QString &connection) const
{
    QSqlQuery q(QSqlDatabase::database(connection.isEmpty() ? QString::fromLatin1(kMainConnection) : connection));
    if (!q.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

QVariant TestDb::value(const QString &sql, const QString &connection) const
{
    return selectValue(sql, connection.isEmpty() ? QString::fromLatin1(kMainConnection) : connection);
}
