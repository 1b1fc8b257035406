#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace Report {

// A number as the printed reports compute with it: an exact fraction of two
// 128-bit integers. Amounts arrive from the database as exact decimal texts
// ("1234.5600"), are summed row by row and divided by 1.2 for the columns
// without the regional coefficient; kept as fractions, a total is exact to
// the kopeck however many rows it covers, and rounding happens once, when
// the value is printed. Should a fraction ever outgrow 128 bits (it does not
// with the factory's figures) the number goes on as a long double.
class Number
{
public:
    Number() = default;
    Number(qint64 value) : m_num(value) {} // NOLINT: numbers convert freely

    // A decimal text with "." or "," as separator, optional sign and
    // exponent ("12.50", "-3", "1.5e-05"). Empty when it is not a number.
    static std::optional<Number> parse(QStringView text);
    static Number fromDouble(double value);

    bool isZero() const;
    bool isNegative() const;
    double toDouble() const;

    Number operator+(const Number &other) const;
    Number operator-(const Number &other) const;
    Number operator*(const Number &other) const;
    // Division by zero gives 0: a report prints 0 for a price per hour of a
    // worker without hours rather than failing.
    Number operator/(const Number &other) const;
    Number operator-() const;
    Number &operator+=(const Number &other) { return *this = *this + other; }

    int compare(const Number &other) const; // -1, 0, 1
    bool operator==(const Number &other) const { return compare(other) == 0; }

    // Rounded half away from zero to the given number of decimals
    // ("2.345" with 2 gives "2.35", "-2.345" gives "-2.35"); a result that
    // rounds to zero has no sign.
    QString toFixed(int decimals, QChar point = QLatin1Char('.')) const;
    // The general number form: at most 15 significant digits, rounded half
    // away from zero, no trailing zeros ("12.5", "83.3333333333333", "7").
    QString toGeneral(QChar point = QLatin1Char('.')) const;

    bool isExact() const { return m_exact; }

private:
    static Number approx(long double v);
    long double toLongDouble() const;
    void normalize();

    __int128 m_num = 0;
    __int128 m_den = 1; // always > 0
    bool m_exact = true;
    long double m_approx = 0;
};

// Formats a number with a mask of the reports: "#0.00", "#0.000", "#0";
// digits after the point give the decimals, zeros before it the smallest
// number of integer digits. An empty mask gives the general form.
QString formatNumber(const Number &value, const QString &mask, QChar point = QLatin1Char('.'));

} // namespace Report
