#include "reportnumber.h"

#include <QLocale>
#include <cmath>
#include <cstdio>

namespace Report {
namespace {

using i128 = __int128;

i128 abs128(i128 v) { return v < 0 ? -v : v; }

i128 gcd128(i128 a, i128 b)
{
    a = abs128(a);
    b = abs128(b);
    while (b != 0) {
        const i128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

bool mul(i128 a, i128 b, i128 *out) { return !__builtin_mul_overflow(a, b, out); }
bool add(i128 a, i128 b, i128 *out) { return !__builtin_add_overflow(a, b, out); }

// 10^37 is the largest power of ten that leaves room for one more digit.
constexpr i128 kDigitLimit = i128(1000000000000000000LL) * i128(1000000000000000000LL) * 10;

QString digitsOf(i128 v) // v >= 0
{
    if (v == 0)
        return QStringLiteral("0");
    char buf[48];
    int n = 0;
    while (v > 0) {
        buf[n++] = char('0' + int(v % 10));
        v /= 10;
    }
    QString s(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i)
        s[i] = QLatin1Char(buf[n - 1 - i]);
    return s;
}

QString withPoint(QString text, QChar point)
{
    if (point != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), point);
    return text;
}

} // namespace

Number Number::approx(long double v)
{
    Number n;
    n.m_exact = false;
    n.m_approx = v;
    return n;
}

long double Number::toLongDouble() const
{
    if (!m_exact)
        return m_approx;
    return static_cast<long double>(m_num) / static_cast<long double>(m_den);
}

double Number::toDouble() const
{
    return double(toLongDouble());
}

void Number::normalize()
{
    if (!m_exact || m_den == 1)
        return;
    const i128 g = gcd128(m_num, m_den);
    if (g > 1) {
        m_num /= g;
        m_den /= g;
    }
}

std::optional<Number> Number::parse(QStringView text)
{
    text = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    i128 num = 0, den = 1;
    int digits = 0;
    bool overflow = false, any = false, point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            any = true;
            const int d = c.unicode() - '0';
            if (digits >= 36) {
                overflow = true;
                continue;
            }
            if (num != 0 || d != 0)
                ++digits;
            num = num * 10 + d;
            if (point)
                den *= 10;
        } else if ((c == u'.' || c == u',') && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!any)
        return std::nullopt;
    int exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == u'-' || text[i] == u'+'))
            expNegative = text[i++] == u'-';
        if (i >= n)
            return std::nullopt;
        for (; i < n && text[i].isDigit(); ++i) {
            exponent = exponent * 10 + (text[i].unicode() - '0');
            if (exponent > 4000)
                return std::nullopt;
        }
        if (expNegative)
            exponent = -exponent;
    }
    if (i != n)
        return std::nullopt;

    if (!overflow) {
        for (; exponent > 0 && !overflow; --exponent) {
            if (den > 1 && den % 10 == 0)
                den /= 10;
            else
                overflow = !mul(num, 10, &num);
        }
        for (; exponent < 0 && !overflow; ++exponent)
            overflow = !mul(den, 10, &den);
    }
    if (overflow) {
        bool ok = false;
        const long double v = std::strtold(text.toString().replace(QLatin1Char(','), QLatin1Char('.')).toLatin1().constData(), nullptr);
        ok = std::isfinite(double(v));
        if (!ok)
            return std::nullopt;
        return approx(v);
    }
    Number r;
    r.m_num = negative ? -num : num;
    r.m_den = den;
    return r;
}

Number Number::fromDouble(double value)
{
    if (!std::isfinite(value))
        return Number();
    // The shortest text that reads back as the same double: what the user
    // would have typed, not the binary approximation of it.
    const QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    if (auto n = parse(text))
        return *n;
    return approx(value);
}

bool Number::isZero() const
{
    return m_exact ? m_num == 0 : m_approx == 0;
}

bool Number::isNegative() const
{
    return m_exact ? m_num < 0 : m_approx < 0;
}

Number Number::operator-() const
{
    Number r = *this;
    if (m_exact)
        r.m_num = -m_num;
    else
        r.m_approx = -m_approx;
    return r;
}

Number Number::operator+(const Number &o) const
{
    if (m_exact && o.m_exact) {
        Number r;
        if (m_den == o.m_den) {
            if (add(m_num, o.m_num, &r.m_num)) {
                r.m_den = m_den;
                return r;
            }
        } else {
            const i128 g = gcd128(m_den, o.m_den);
            i128 l, a, b;
            if (mul(m_den / g, o.m_den, &l) && mul(m_num, l / m_den, &a) && mul(o.m_num, l / o.m_den, &b)
                && add(a, b, &r.m_num)) {
                r.m_den = l;
                r.normalize();
                return r;
            }
        }
    }
    return approx(toLongDouble() + o.toLongDouble());
}

Number Number::operator-(const Number &o) const
{
    return *this + (-o);
}

Number Number::operator*(const Number &o) const
{
    if (m_exact && o.m_exact) {
        // Cross-cancel first to keep the parts small.
        const i128 g1 = gcd128(m_num, o.m_den);
        const i128 g2 = gcd128(o.m_num, m_den);
        const i128 a = g1 > 1 ? m_num / g1 : m_num;
        const i128 d2 = g1 > 1 ? o.m_den / g1 : o.m_den;
        const i128 b = g2 > 1 ? o.m_num / g2 : o.m_num;
        const i128 d1 = g2 > 1 ? m_den / g2 : m_den;
        Number r;
        if (mul(a, b, &r.m_num) && mul(d1, d2, &r.m_den)) {
            r.normalize();
            return r;
        }
    }
    return approx(toLongDouble() * o.toLongDouble());
}

Number Number::operator/(const Number &o) const
{
    if (o.isZero())
        return Number();
    if (o.m_exact) {
        Number inv;
        inv.m_num = o.m_num < 0 ? -o.m_den : o.m_den;
        inv.m_den = abs128(o.m_num);
        return *this * inv;
    }
    return approx(toLongDouble() / o.toLongDouble());
}

int Number::compare(const Number &o) const
{
    if (m_exact && o.m_exact) {
        i128 a, b;
        if (mul(m_num, o.m_den, &a) && mul(o.m_num, m_den, &b))
            return a < b ? -1 : (a > b ? 1 : 0);
    }
    const long double a = toLongDouble(), b = o.toLongDouble();
    return a < b ? -1 : (a > b ? 1 : 0);
}

QString Number::toFixed(int decimals, QChar point) const
{
    decimals = std::clamp(decimals, 0, 30);
    if (!m_exact || m_den >= kDigitLimit) {
        char buf[128];
        const long double v = toLongDouble();
        // Half away from zero, as for exact numbers.
        const long double scale = std::pow(10.0L, decimals);
        long double r = std::round(std::fabs(v) * scale) / scale;
        if (r == 0)
            r = 0; // no "-0"
        std::snprintf(buf, sizeof buf, "%s%.*Lf", (v < 0 && r != 0) ? "-" : "", decimals, r);
        return withPoint(QString::fromLatin1(buf), point);
    }
    const bool negative = m_num < 0;
    const i128 a = abs128(m_num);
    i128 ip = a / m_den;
    i128 r = a % m_den;
    QByteArray frac(decimals, '0');
    for (int i = 0; i < decimals; ++i) {
        r *= 10;
        frac[i] = char('0' + int(r / m_den));
        r %= m_den;
    }
    if (2 * r >= m_den) { // the rest is at least a half: away from zero
        int i = decimals - 1;
        for (; i >= 0; --i) {
            if (frac[i] == '9') {
                frac[i] = '0';
            } else {
                ++frac[i];
                break;
            }
        }
        if (i < 0)
            ++ip;
    }
    QString out;
    const bool zero = ip == 0 && frac.count('0') == decimals;
    if (negative && !zero)
        out += QLatin1Char('-');
    out += digitsOf(ip);
    if (decimals > 0) {
        out += point;
        out += QString::fromLatin1(frac);
    }
    return out;
}

QString Number::toGeneral(QChar point) const
{
    if (isZero())
        return QStringLiteral("0");
    if (!m_exact || m_den >= kDigitLimit) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15Lg", toLongDouble());
        return withPoint(QString::fromLatin1(buf), point);
    }
    // The place of the first significant digit decides how many decimals
    // 15 significant digits leave.
    const i128 a = abs128(m_num);
    const i128 ip = a / m_den;
    int exponent;
    if (ip > 0) {
        exponent = int(digitsOf(ip).size()) - 1;
    } else {
        exponent = 0;
        i128 r = a % m_den;
        do {
            --exponent;
            r *= 10;
        } while (r / m_den == 0 && exponent > -30);
    }
    const int decimals = std::clamp(14 - exponent, 0, 30);
    QString s = toFixed(decimals, QLatin1Char('.'));
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return withPoint(s, point);
}

QString formatNumber(const Number &value, const QString &mask, QChar point)
{
    if (mask.isEmpty())
        return value.toGeneral(point);
    const qsizetype dot = mask.indexOf(QLatin1Char('.'));
    const QStringView intPart = dot < 0 ? QStringView(mask) : QStringView(mask).left(dot);
    int decimals = 0;
    if (dot >= 0)
        for (qsizetype i = dot + 1; i < mask.size() && (mask[i] == u'0' || mask[i] == u'#'); ++i)
            ++decimals;
    const int minInt = int(intPart.count(u'0'));
    QString s = value.toFixed(decimals, point);
    // Smallest number of integer digits: "#0" keeps one, "#" may leave none.
    const bool negative = s.startsWith(QLatin1Char('-'));
    QString body = negative ? s.mid(1) : s;
    qsizetype intLen = body.indexOf(point);
    if (intLen < 0)
        intLen = body.size();
    if (minInt == 0 && body.left(intLen) == QLatin1String("0") && decimals > 0)
        body.remove(0, 1);
    else if (intLen < minInt)
        body.prepend(QString(minInt - intLen, QLatin1Char('0')));
    return negative ? QLatin1Char('-') + body : body;
}

} // namespace Report
