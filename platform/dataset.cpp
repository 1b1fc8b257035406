#include "dataset.h"
#include "dberror.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QSqlDatabase connectionByName(const QString &name)
{
    QSqlDatabase db = QSqlDatabase::database(name, false);
    if (!db.isValid() || !db.isOpen())
        throw DbError(QStringLiteral("Нет подключения к базе данных"));
    return db;
}

// Prepares the statement and binds every :name it uses. A name without a
// value is an error here: the driver would silently send NULL.
QSqlQuery prepared(const QString &connection, const QString &sql, const QHash<QString, QVariant> &params)
{
    QSqlQuery q(connectionByName(connection));
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    q.setForwardOnly(true);
    const QStringList names = parameterNames(sql);
    if (names.isEmpty())
        return q;
    if (!q.prepare(sql))
        throw DbError(q.lastError().text(), sql);
    for (const QString &name : names) {
        const auto it = params.constFind(name.toLower());
        if (it == params.constEnd())
            throw DbError(QStringLiteral("Не задано значение параметра :%1").arg(name), sql);
        q.bindValue(QLatin1Char(':') + name, it.value());
    }
    return q;
}

void run(QSqlQuery &q, const QString &sql, bool preparedAlready)
{
    const bool ok = preparedAlready ? q.exec() : q.exec(sql);
    if (!ok)
        throw DbError(q.lastError().text(), sql);
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

QStringList parameterNames(const QString &sql)
{
    QStringList names;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') { // skip quoted text
            const QChar quote = c;
            for (++i; i < n && sql[i] != quote; ++i) {}
            continue;
        }
        if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') { // comment to end of line
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
        if (j > i + 1) {
            const QString name = sql.mid(i + 1, j - i - 1);
            if (!names.contains(name, Qt::CaseInsensitive))
                names << name;
        }
        i = j - 1;
    }
    return names;
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
    const bool hasParams = !parameterNames(m_sql).isEmpty();
    QSqlQuery q = prepared(m_connection, m_sql, m_params);
    run(q, m_sql, hasParams);

    QStringList fields;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        fields << rec.fieldName(i);
    QVector<QVector<QVariant>> rows;
    while (q.next()) {
        QVector<QVariant> row(rec.count());
        for (int i = 0; i < rec.count(); ++i)
            row[i] = q.value(i);
        rows.append(std::move(row));
    }
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
    m_rows.clear();
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
    return m_rows[m_visible[row]][column];
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
        if (sameValue(m_rows[m_visible[row]][column], value)) {
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
        const QVariant &v = m_rows[row][c.column];
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
        m_visible.reserve(m_rows.size());
        const bool on = m_filtered && !m_filter.trimmed().isEmpty();
        const QVector<Condition> conds = on ? parseFilter() : QVector<Condition>();
        for (int row = 0; row < m_rows.size(); ++row)
            if (!on || matches(row, conds))
                m_visible.append(row);
    }
    m_current = m_visible.isEmpty() ? -1 : 0;
    Q_EMIT rowsReset();
    Q_EMIT currentChanged(m_current + 1);
}

int Command::execute()
{
    const bool hasParams = !parameterNames(m_sql).isEmpty();
    QSqlQuery q = prepared(m_connection, m_sql, m_params);
    run(q, m_sql, hasParams);
    return q.numRowsAffected();
}

QVariant selectValue(const QString &sql, const QString &connection)
{
    QSqlQuery q(connectionByName(connection));
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    q.setForwardOnly(true);
    run(q, sql, false);
    return q.next() ? q.value(0) : QVariant();
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
