#pragma once

#include <QString>
#include <QVariant>

// A database of its own for one test program, made from the template that
// the test fixture loads with the schema (and nothing else). The program's
// connection (kMainConnection) is opened on it exactly as the program opens
// it from its two command-line arguments.
class TestDb
{
public:
    // Drops a leftover database of the same name, creates it from the
    // template and opens the main connection on it.
    explicit TestDb(const QString &name);
    ~TestDb();

    QString name() const { return m_name; }
    static QString socketDir(); // the private cluster's socket directory

    // Opens another connection to the same database (for concurrency tests).
    QString openExtraConnection(const QString &connectionName) const;

    // Runs statements (several separated by ';' allowed); fails the test on error.
    void exec(const QString &sql, const QString &connection = {}) const;
    // First column of the first row, or an invalid QVariant.
    QVariant value(const QString &sql, const QString &connection = {}) const;

private:
    QString m_name;
};
