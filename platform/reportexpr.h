#pragma once

#include "reportnumber.h"

#include <QString>
#include <QVector>
#include <functional>

namespace Report {

// A value while an expression is evaluated.
struct Value
{
    enum Type { Null, Num, Text, Bool };
    Type type = Null;
    Number num;
    QString text;
    bool flag = false;

    static Value number(const Number &n) { Value v; v.type = Num; v.num = n; return v; }
    static Value string(const QString &s) { Value v; v.type = Text; v.text = s; return v; }
    static Value boolean(bool b) { Value v; v.type = Bool; v.flag = b; return v; }

    bool isNull() const { return type == Null; }
    // Empty, text that is no number, and false count as 0.
    Number toNumber() const;
    // A number in its general form; empty for no value.
    QString toText(QChar point = QLatin1Char('.')) const;
};

// Gives an expression the fields of the current row.
class FieldReader
{
public:
    virtual ~FieldReader() = default;
    virtual Value field(int index) const = 0;
};

// An expression of a printed report: field names, numbers, 'texts' (quotes
// doubled inside), + - * /, comparisons (= <> < > <= >=), and, or, not,
// brackets and the functions
//   sum(x)          the total of x over the rows added since the last reset,
//   IF(c, a, b)     a when c holds, otherwise b (also written "if"),
//   STR(x)          x as text in the general number form.
// "+" joins texts when either side is a text. Names are not case-sensitive.
class Expression
{
public:
    // Field name -> index in the rows; -1 for an unknown name.
    using Resolver = std::function<int(const QString &)>;

    Expression() = default;
    // Throws UserError with the place of the fault when the text is wrong
    // or names an unknown field.
    static Expression compile(const QString &text, const Resolver &resolve);

    QString source() const { return m_source; }
    bool hasTotals() const { return !m_sums.isEmpty(); }

    // The value for the current row (totals as they stand).
    Value evaluate(const FieldReader &row, QChar point = QLatin1Char('.')) const;
    // Adds the current row to every total of the expression.
    void accumulate(const FieldReader &row);
    // Sets every total back to 0.
    void reset();

private:
    struct Node
    {
        enum Op { Const, Field, Add, Sub, Mul, Div, Neg, Eq, Ne, Lt, Gt, Le, Ge, And, Or, Not, If, Str, Sum };
        Op op = Const;
        Value constant;
        int field = -1;
        int a = -1, b = -1, c = -1;
        int slot = -1; // of a sum
    };
    friend class ExpressionParser;

    Value eval(int node, const FieldReader &row, QChar point) const;

    QString m_source;
    QVector<Node> m_nodes;
    int m_root = -1;
    QVector<int> m_sumNodes; // node of each total
    QVector<Number> m_sums;
};

} // namespace Report
