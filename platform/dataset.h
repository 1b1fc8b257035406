#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <QHash>
#include <memory>

struct pg_result;

// The rows of one statement as the server sent them: kept as they are and
// turned into values only when a value is asked for.
class ResultRows
{
public:
    explicit ResultRows(pg_result *result = nullptr);
    ~ResultRows();
    ResultRows(const ResultRows &) = delete;
    ResultRows &operator=(const ResultRows &) = delete;

    int rowCount() const;
    int columnCount() const;
    int affectedRows() const; // of an insert, update or delete
    QString columnName(int column) const;
    // Integers as int or qlonglong, dates as QDate, timestamps as QDateTime,
    // booleans as bool, numeric and floating columns as exact decimal text,
    // everything else as text; NULL as a null QVariant.
    QVariant value(int row, int column) const;
    QString text(int row, int column) const;
    bool isNull(int row, int column) const;

private:
    pg_result *m_result;
};

// The name of the program's one database connection.
inline constexpr const char *kMainConnection = "ADO_DB";

// A query that reads every row of its result when it is opened (a static
// cursor) and then serves them from memory: a current row with a 1-based
// record number, locate by field value and a client-side filter over the rows
// already read. SQL text may carry named parameters (:name); every name used in
// the text must have a value before open(), or open() fails.
//
// Numeric and floating columns come back as exact decimal strings
// ("12.3400"), so money is never rounded on the way in.
class Dataset : public QObject
{
    Q_OBJECT
public:
    explicit Dataset(QObject *parent = nullptr);
    Dataset(const QString &sql, QObject *parent = nullptr);

    // Which connection to run on (the program's own by default).
    void setConnectionName(const QString &name) { m_connection = name; }
    QString connectionName() const { return m_connection; }

    void setSql(const QString &sql);
    QString sql() const { return m_sql; }
    void clearSql() { setSql(QString()); }
    void addSql(const QString &line);

    void setParam(const QString &name, const QVariant &value);
    QVariant param(const QString &name) const { return m_params.value(name.toLower()); }

    void open();   // throws DbError
    void close();
    void reopen() { close(); open(); }
    bool isOpen() const { return m_open; }

    // Rows as the filter lets them through.
    int recordCount() const { return int(m_visible.size()); }
    bool isEmpty() const { return m_visible.isEmpty(); }
    int recNo() const { return m_current + 1; } // 0 when empty or closed
    void setRecNo(int recNo);                   // clamped to the rows there are
    void first() { setRecNo(1); }
    void last() { setRecNo(recordCount()); }
    void next();
    void prior();
    bool isFirst() const { return m_current <= 0; }
    bool isLast() const { return m_current >= recordCount() - 1; }

    QStringList fieldNames() const { return m_fields; }
    int fieldIndex(const QString &field) const; // -1 when absent; case-insensitive
    bool hasField(const QString &field) const { return fieldIndex(field) >= 0; }

    // Values of the current row; an invalid QVariant when there is none.
    QVariant value(const QString &field) const;
    QString text(const QString &field) const { return value(field).toString(); }
    int intValue(const QString &field) const { return value(field).toInt(); }
    double doubleValue(const QString &field) const { return value(field).toDouble(); }
    bool isNull(const QString &field) const;

    // Values of a row by its 0-based place among the visible rows.
    QVariant valueAt(int row, int column) const;
    QVariant valueAt(int row, const QString &field) const;

    // Moves to the first visible row whose field equals the value (compared as
    // text, numbers by value); false and no move when there is none.
    bool locate(const QString &field, const QVariant &value);

    // Client-side filter: conditions "field like 'pattern'" ('%' or '*' any
    // text, case-insensitive), "field = value", "field <> value", joined by
    // "and". Quotes inside a pattern are doubled, as in SQL.
    void setFilter(const QString &filter);
    QString filter() const { return m_filter; }
    void setFiltered(bool on);
    bool isFiltered() const { return m_filtered; }
    // "field like '<text>%'" with the text's quotes doubled.
    static QString likeFilter(const QString &field, const QString &pattern);

Q_SIGNALS:
    void rowsReset();             // opened, closed or filtered
    void currentChanged(int recNo);

private:
    struct Condition {
        int column = -1;
        enum Kind { Like, Equal, NotEqual } kind = Equal;
        QString value;
    };

    void applyFilter();
    bool matches(int row, const QVector<Condition> &conds) const;
    QVector<Condition> parseFilter() const;

    QString m_connection = QString::fromLatin1(kMainConnection);
    QString m_sql;
    QHash<QString, QVariant> m_params;
    bool m_open = false;
    QStringList m_fields;
    std::shared_ptr<const ResultRows> m_rows;
    int rowTotal() const { return m_rows ? m_rows->rowCount() : 0; }
    QVector<int> m_visible;
    int m_current = -1;
    QString m_filter;
    bool m_filtered = false;
};

// A statement that returns no rows; the same parameters as Dataset.
class Command
{
public:
    explicit Command(const QString &sql = {}) : m_sql(sql) {}

    void setConnectionName(const QString &name) { m_connection = name; }
    void setSql(const QString &sql) { m_sql = sql; }
    QString sql() const { return m_sql; }
    void setParam(const QString &name, const QVariant &value) { m_params.insert(name.toLower(), value); }

    // Runs the statement; the number of rows it touched. Throws DbError.
    int execute();

private:
    QString m_connection = QString::fromLatin1(kMainConnection);
    QString m_sql;
    QHash<QString, QVariant> m_params;
};

// Runs one statement on a connection and hands back the first column of its
// first row (invalid when no row). Throws DbError.
QVariant selectValue(const QString &sql, const QString &connection = QString::fromLatin1(kMainConnection));

// The names of the :parameters of a statement, in order of first use, outside
// quoted text, comments and "::" casts.
QStringList parameterNames(const QString &sql);

// The statement with every :parameter replaced by its value as a literal
// (text quoted, dates in ISO form, numbers with "."). One round trip instead
// of prepare, execute and deallocate. Throws DbError for a name without a
// value: it would otherwise silently become NULL.
QString withParameters(const QString &sql, const QHash<QString, QVariant> &params);

// Work that must happen together or not at all. Rolled back when destroyed
// without commit(), so an exception between the statements undoes them.
class Transaction
{
public:
    explicit Transaction(const QString &connection = QString::fromLatin1(kMainConnection));
    ~Transaction();
    void commit();

    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    QString m_connection;
    bool m_done = false;
};
