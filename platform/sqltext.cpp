#include "sqltext.h"

namespace SqlText {

QString quoted(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('\'');
    for (const QChar c : text) {
        if (c == QLatin1Char('\''))
            out += QLatin1Char('\'');
        if (c == QChar(0)) // the server refuses NUL in text; drop it
            continue;
        out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

QString date(const QDate &d)
{
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

QString number(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace SqlText
