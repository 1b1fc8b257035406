#pragma once

#include <QChar>
#include <QString>

// The price of one good piece of a shift position.
namespace UnitPrice {

// The operation's base price (the smallest of its price records), doubled on
// a day off, then times 1.2 in the third shift or 1.5 in overtime (shift 4).
// Kept unrounded; it is rounded only where it is shown or written.
double withFactors(double basePrice, bool dayOff, int shift);

// The value rounded to `decimals` places, half to even, in the general
// format: no trailing zeros, no point for whole numbers ("4", "2.9628",
// "12.5"). The rounding works on the decimal value as the program shows it
// (15 significant digits), not on its binary neighbour: 1.00005 becomes 1,
// 1.00015 becomes 1.0002.
QString roundedText(double value, int decimals = 4, QChar decimalPoint = QLatin1Char('.'));

// The price as it is written into a statement: rounded to 4 places, ".".
inline QString priceText(double price)
{
    return roundedText(price, 4, QLatin1Char('.'));
}

// The price rounded to 4 places as a number.
double rounded(double value, int decimals = 4);

} // namespace UnitPrice
