#include "unitprice.h"

#include <cmath>

namespace UnitPrice {

double withFactors(double basePrice, bool dayOff, int shift)
{
    double price = basePrice;
    if (dayOff)
        price *= 2;
    if (shift == 3)
        price *= 1.2;
    else if (shift == 4)
        price *= 1.5;
    return price;
}

QString roundedText(double value, int decimals, QChar decimalPoint)
{
    if (!std::isfinite(value))
        return QString::number(value);
    // "d.dddddddddddddde±x": exactly 15 significant digits.
    const QString sci = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = sci.indexOf(QLatin1Char('e'));
    QString digits = sci.left(e);
    digits.remove(1, 1); // the point
    const int exponent = sci.mid(e + 1).toInt();

    // The value is 0.<digits> x 10^(exponent + 1); keep the digits up to the
    // last decimal place wanted.
    const int keep = exponent + 1 + decimals;
    QString kept; // an integer: the result times 10^decimals
    if (keep >= digits.size()) {
        kept = digits + QString(keep - digits.size(), QLatin1Char('0'));
    } else if (keep < 0) {
        kept = QStringLiteral("0");
    } else {
        kept = digits.left(keep);
        const QChar first = digits[keep];
        bool restNonZero = false;
        for (qsizetype i = keep + 1; i < digits.size(); ++i)
            restNonZero = restNonZero || digits[i] != QLatin1Char('0');
        const bool lastOdd = !kept.isEmpty() && (kept.back().digitValue() % 2) == 1;
        const bool up = first > QLatin1Char('5') || (first == QLatin1Char('5') && (restNonZero || lastOdd));
        if (kept.isEmpty())
            kept = QStringLiteral("0");
        if (up) {
            qsizetype i = kept.size() - 1;
            while (i >= 0 && kept[i] == QLatin1Char('9'))
                kept[i--] = QLatin1Char('0');
            if (i < 0)
                kept.prepend(QLatin1Char('1'));
            else
                kept[i] = QChar(kept[i].unicode() + 1);
        }
    }

    // Place the point, then drop trailing zeros and leading zeros.
    if (kept.size() <= decimals)
        kept.prepend(QString(decimals - kept.size() + 1, QLatin1Char('0')));
    QString intPart = kept.left(kept.size() - decimals);
    QString fracPart = kept.right(decimals);
    while (!fracPart.isEmpty() && fracPart.back() == QLatin1Char('0'))
        fracPart.chop(1);
    while (intPart.size() > 1 && intPart.front() == QLatin1Char('0'))
        intPart.remove(0, 1);
    QString out = intPart;
    if (!fracPart.isEmpty())
        out += decimalPoint + fracPart;
    if (value < 0 && out != QLatin1String("0"))
        out.prepend(QLatin1Char('-'));
    return out;
}

double rounded(double value, int decimals)
{
    return roundedText(value, decimals, QLatin1Char('.')).toDouble();
}

} // namespace UnitPrice
