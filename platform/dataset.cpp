#include "dataset.h"
#include "dberror.h"
#include "sqltext.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <libpq-fe.h>

namespace {

QSqlDatabase connectionByName(const QString &name)
{
    QSqlDatabase db = QSqlDatabase::database(name, false);
    if (!db.isValid() || !db.isOpen())
        throw DbError(QStringLiteral("Нет подключения к базе данных"));
    return db;
}

// Statements go straight to the server through the client library under
// the program's connection: one round trip, and the rows stay in the
// client library's buffer until the dataset is closed.
PGconn *handleOf(const QString &connection)
{
    QSqlDatabase db = connectionByName(connection);
    const QVariant handle = db.driver()->handle();
    // Qt names the handle's type after the client library's struct.
    if (!handle.isValid() || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        throw DbError(QStringLiteral("Подключение не к PostgreSQL"));
    PGconn *conn = *static_cast<PGconn *const *>(handle.data());
    if (!conn)
        throw DbError(QStringLiteral("Нет подключения к базе данных"));
    return conn;
}

PGresult *runStatement(const QString &connection, const QString &sql)
{
    PGconn *conn = handleOf(connection);
    PGresult *result = PQexec(conn, sql.toUtf8().constData());
    const ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK && status != PGRES_EMPTY_QUERY) {
        const QString message = QString::fromUtf8(result ? PQresultErrorMessage(result) : PQerrorMessage(conn)).trimmed();
        PQclear(result);
        throw DbError(message, sql);
    }
    return result;
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    bool okA = false, okB = false;
    const double da = a.toString().toDouble(&okA);
    const double db = b.toString().toDouble(&okB);
    if (okA && okB)
        return da == db;
    return a.toString() == b.toString();
}

// LIKE with '%' or '*' for any text, compared without regard to letter case.
bool likeMatch(QStringView text, QStringView pattern)
{
    qsizetype t = 0, p = 0, starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == u'%' || pattern[p] == u'*')) {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && pattern[p].toCaseFolded() == text[t].toCaseFolded()) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && (pattern[p] == u'%' || pattern[p] == u'*'))
        ++p;
    return p == pattern.size();
}

} // namespace

namespace {

// Walks the statement and calls `found` for every :name outside quoted text,
// comments and "::" casts, with the name's place and length (colon included).
template<typename Found>
void scanParameters(const QString &sql, Found found)
{
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') { // quoted text or a quoted name
            const QChar quote = c;
            for (++i; i < n && sql[i] != quote; ++i) {}
            continue;
        }
        if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') { // comment to the end of the line
            while (i < n && sql[i] != u'\n')
                ++i;
            continue;
        }
        if (c != u':')
            continue;
        if (i + 1 < n && sql[i + 1] == u':') { // a cast
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && (sql[j].isLetterOrNumber() || sql[j] == u'_'))
            ++j;
        if (j > i + 1)
            found(i, j - i);
        i = j - 1;
    }
}

// A value as an SQL literal that means the same whatever the session's
// settings: dates in ISO form, numbers with ".", text quoted.
QString literal(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("NULL");
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return QLatin1Char('\'') + value.toDate().toString(Qt::ISODate) + QLatin1Char('\'');
    case QMetaType::QDateTime:
        return QLatin1Char('\'') + value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char('\'');
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float: {
        const QString number = value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float
            ? SqlText::number(value.toDouble())
            : value.toString();
        // A negative number after "-" would start a comment.
        return number.startsWith(QLatin1Char('-')) ? QLatin1Char('(') + number + QLatin1Char(')') : number;
    }
    default:
        return SqlText::quoted(value.toString());
    }
}

} // namespace

QStringList parameterNames(const QString &sql)
{
    QStringList names;
    scanParameters(sql, [&](qsizetype at, qsizetype length) {
        const QString name = sql.mid(at + 1, length - 1);
        if (!names.contains(name, Qt::CaseInsensitive))
            names << name;
    });
    return names;
}

QString withParameters(const QString &sql, const QHash<QString, QVariant> &params)
{
    QString out;
    out.reserve(sql.size() + 64);
    qsizetype copied = 0;
    scanParameters(sql, [&](qsizetype at, qsizetype length) {
        const QString name = sql.mid(at + 1, length - 1).toLower();
        const auto it = params.constFind(name);
        if (it == params.constEnd())
            throw DbError(QStringLiteral("Не задано значение параметра :%1").arg(name), sql);
        out += QStringView(sql).mid(copied, at - copied);
        out += literal(it.value());
        copied = at + length;
    });
    out += QStringView(sql).mid(copied);
    return out;
}

Dataset::Dataset(QObject *parent) : QObject(parent) {}

Dataset::Dataset(const QString &sql, QObject *parent) : QObject(parent), m_sql(sql) {}

void Dataset::setSql(const QString &sql)
{
    m_sql = sql;
}

void Dataset::addSql(const QString &line)
{
    if (!m_sql.isEmpty())
        m_sql += QLatin1Char('\n');
    m_sql += line;
}

void Dataset::setParam(const QString &name, const QVariant &value)
{
    m_params.insert(name.toLower(), value);
}

void Dataset::open()
{
    if (m_open)
        return;
    auto rows = std::make_shared<const ResultRows>(runStatement(m_connection, withParameters(m_sql, m_params)));
    QStringList fields;
    for (int i = 0; i < rows->columnCount(); ++i)
        fields << rows->columnName(i);
    m_fields = fields;
    m_rows = std::move(rows);
    m_open = true;
    applyFilter();
}

void Dataset::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_rows.reset();
    m_visible.clear();
    m_current = -1;
    Q_EMIT rowsReset();
    Q_EMIT currentChanged(0);
}

void Dataset::setRecNo(int recNo)
{
    const int target = m_visible.isEmpty() ? -1 : std::clamp(recNo, 1, recordCount()) - 1;
    if (target == m_current)
        return;
    m_current = target;
    Q_EMIT currentChanged(m_current + 1);
}

void Dataset::next()
{
    if (m_current + 1 < recordCount())
        setRecNo(m_current + 2);
}

void Dataset::prior()
{
    if (m_current > 0)
        setRecNo(m_current);
}

int Dataset::fieldIndex(const QString &field) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Dataset::value(const QString &field) const
{
    return m_current < 0 ? QVariant() : valueAt(m_current, field);
}

bool Dataset::isNull(const QString &field) const
{
    return value(field).isNull();
}

QVariant Dataset::valueAt(int row, int column) const
{
    if (row < 0 || row >= m_visible.size() || column < 0 || column >= m_fields.size())
        return {};
    return m_rows->value(m_visible[row], column);
}

QVariant Dataset::valueAt(int row, const QString &field) const
{
    return valueAt(row, fieldIndex(field));
}

bool Dataset::locate(const QString &field, const QVariant &value)
{
    const int column = fieldIndex(field);
    if (column < 0)
        return false;
    for (int row = 0; row < m_visible.size(); ++row) {
        if (sameValue(m_rows->value(m_visible[row], column), value)) {
            setRecNo(row + 1);
            return true;
        }
    }
    return false;
}

QString Dataset::likeFilter(const QString &field, const QString &pattern)
{
    QString escaped = pattern;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return field + QLatin1String(" like '") + escaped + QLatin1String("%'");
}

void Dataset::setFilter(const QString &filter)
{
    if (filter == m_filter)
        return;
    m_filter = filter;
    if (m_filtered)
        applyFilter();
}

void Dataset::setFiltered(bool on)
{
    if (on == m_filtered)
        return;
    m_filtered = on;
    applyFilter();
}

QVector<Dataset::Condition> Dataset::parseFilter() const
{
    // Conditions joined by "and": field, operator, then a quoted text or a
    // bare word. An unknown field matches nothing.
    QVector<Condition> conds;
    const QString &f = m_filter;
    qsizetype i = 0;
    const qsizetype n = f.size();
    auto skipSpace = [&] { while (i < n && f[i].isSpace()) ++i; };
    while (true) {
        skipSpace();
        if (i >= n)
            break;
        qsizetype start = i;
        while (i < n && (f[i].isLetterOrNumber() || f[i] == u'_' || f[i] == u'.'))
            ++i;
        Condition c;
        c.column = fieldIndex(f.mid(start, i - start));
        skipSpace();
        if (f.mid(i, 4).compare(QLatin1String("like"), Qt::CaseInsensitive) == 0) {
            c.kind = Condition::Like;
            i += 4;
        } else if (f.mid(i, 2) == QLatin1String("<>") || f.mid(i, 2) == QLatin1String("!=")) {
            c.kind = Condition::NotEqual;
            i += 2;
        } else if (i < n && f[i] == u'=') {
            c.kind = Condition::Equal;
            i += 1;
        } else {
            c.column = -2; // not understood: nothing passes
            conds << c;
            break;
        }
        skipSpace();
        if (i < n && f[i] == u'\'') {
            ++i;
            while (i < n) {
                if (f[i] == u'\'') {
                    if (i + 1 < n && f[i + 1] == u'\'') {
                        c.value += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                c.value += f[i++];
            }
        } else {
            start = i;
            while (i < n && !f[i].isSpace())
                ++i;
            c.value = f.mid(start, i - start);
        }
        conds << c;
        skipSpace();
        if (f.mid(i, 3).compare(QLatin1String("and"), Qt::CaseInsensitive) == 0)
            i += 3;
        else
            break;
    }
    return conds;
}

bool Dataset::matches(int row, const QVector<Condition> &conds) const
{
    for (const Condition &c : conds) {
        if (c.column < 0)
            return false;
        const QVariant v = m_rows->value(row, c.column);
        switch (c.kind) {
        case Condition::Like:
            if (v.isNull() || !likeMatch(v.toString(), c.value))
                return false;
            break;
        case Condition::Equal:
            if (!sameValue(v, c.value))
                return false;
            break;
        case Condition::NotEqual:
            if (sameValue(v, c.value))
                return false;
            break;
        }
    }
    return true;
}

void Dataset::applyFilter()
{
    m_visible.clear();
    if (m_open) {
        m_visible.reserve(rowTotal());
        const bool on = m_filtered && !m_filter.trimmed().isEmpty();
        const QVector<Condition> conds = on ? parseFilter() : QVector<Condition>();
        for (int row = 0; row < rowTotal(); ++row)
            if (!on || matches(row, conds))
                m_visible.append(row);
    }
    m_current = m_visible.isEmpty() ? -1 : 0;
    Q_EMIT rowsReset();
    Q_EMIT currentChanged(m_current + 1);
}

int Command::execute()
{
    const ResultRows result(runStatement(m_connection, withParameters(m_sql, m_params)));
    return result.affectedRows();
}

QVariant selectValue(const QString &sql, const QString &connection)
{
    const ResultRows result(runStatement(connection, sql));
    return result.rowCount() > 0 && result.columnCount() > 0 ? result.value(0, 0) : QVariant();
}

Transaction::Transaction(const QString &connection) : m_connection(connection)
{
    QSqlDatabase db = connectionByName(m_connection);
    if (!db.transaction())
        throw DbError(db.lastError().text(), QStringLiteral("begin"));
}

Transaction::~Transaction()
{
    if (!m_done) {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.rollback();
    }
}

void Transaction::commit()
{
    QSqlDatabase db = connectionByName(m_connection);
    m_done = true;
    if (!db.commit())
        throw DbError(db.lastError().text(), QStringLiteral("commit"));
}

ResultRows::ResultRows(pg_result *result) : m_result(result) {}

ResultRows::~ResultRows()
{
    PQclear(m_result);
}

int ResultRows::rowCount() const
{
    return m_result ? PQntuples(m_result) : 0;
}

int ResultRows::columnCount() const
{
    return m_result ? PQnfields(m_result) : 0;
}

int ResultRows::affectedRows() const
{
    return m_result ? QByteArray(PQcmdTuples(m_result)).toInt() : 0;
}

QString ResultRows::columnName(int column) const
{
    return QString::fromUtf8(PQfname(m_result, column));
}

bool ResultRows::isNull(int row, int column) const
{
    return PQgetisnull(m_result, row, column);
}

QString ResultRows::text(int row, int column) const
{
    return QString::fromUtf8(PQgetvalue(m_result, row, column), PQgetlength(m_result, row, column));
}

QVariant ResultRows::value(int row, int column) const
{
    if (PQgetisnull(m_result, row, column))
        return QVariant(QMetaType::fromType<QString>());
    const char *raw = PQgetvalue(m_result, row, column);
    const int length = PQgetlength(m_result, row, column);
    // Type numbers of the server's built-in types.
    switch (PQftype(m_result, column)) {
    case 16: // bool
        return raw[0] == 't';
    case 21: // int2
    case 23: // int4
        return QByteArray::fromRawData(raw, length).toInt();
    case 20: // int8
        return QByteArray::fromRawData(raw, length).toLongLong();
    case 1082: // date
        return QDate::fromString(QString::fromLatin1(raw, length), Qt::ISODate);
    case 1114: // timestamp
        return QDateTime::fromString(QString::fromLatin1(raw, length).left(19), Qt::ISODate);
    default: // numeric and floating values stay exact decimal text
        return QString::fromUtf8(raw, length);
    }
}
