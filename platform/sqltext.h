#pragma once

#include <QDate>
#include <QString>

// Pieces of SQL text made from values. Every value a user can type goes
// through quoted(); numbers and dates are written in the one form the server
// reads regardless of its settings.
namespace SqlText {

// 'text' with quotes doubled; standard_conforming_strings keeps backslashes
// literal, and E'' is never used, so the result is always one literal.
QString quoted(const QString &text);

// DD.MM.YYYY, the form every statement reads back with to_date.
QString date(const QDate &d);

// A number in decimal with "." as separator, as short as it reads back.
QString number(double value);

} // namespace SqlText
