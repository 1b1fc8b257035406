#pragma once

#include <QString>
#include <QStringList>

// The program's connection: built from its two command-line arguments (the
// database name and the server address) or the built-in settings, in the
// form of an ODBC connection string, which other tools of the factory read
// too, then mapped onto the PostgreSQL client.
namespace Connection {

// The fixed parts of the connection.
QString builtInDatabase();   // "kesh_erp"
QString builtInServer();     // chosen when the program is built
int port();                  // 5432
QString account();           // "sys"

// The whole connection string for a database on a server.
QString connectionString(const QString &database, const QString &server);

// The string the program uses for its command-line arguments (without the
// program name): both only when the second is present and not empty.
QString connectionStringFromArguments(const QStringList &arguments);

// The DATABASE= and SERVER= values of a connection string.
struct Target {
    QString database;
    QString server;
};
Target parse(const QString &connectionString);

// Opens a connection under the given name (kMainConnection for the
// program's own). A server that is a folder is taken as the directory of
// the server's Unix socket. False with the reason on failure.
bool open(const QString &connectionName, const QString &connectionString, QString *error = nullptr);

// The program's own connection to a database on a server.
bool openMainConnection(const QString &database, const QString &server, QString *error = nullptr);

} // namespace Connection

// Shorthand used by the batch reports.
inline bool openMainConnection(const QString &database, const QString &server, QString *error)
{
    return Connection::openMainConnection(database, server, error);
}
