#include "reportexpr.h"
#include "dberror.h"

namespace Report {

Number Value::toNumber() const
{
    switch (type) {
    case Num: return num;
    case Text: return Number::parse(text).value_or(Number());
    case Bool: return Number(flag ? 1 : 0);
    case Null: break;
    }
    return Number();
}

QString Value::toText(QChar point) const
{
    switch (type) {
    case Num: return num.toGeneral(point);
    case Text: return text;
    case Bool: return flag ? QStringLiteral("True") : QStringLiteral("False");
    case Null: break;
    }
    return QString();
}

namespace {

struct Token
{
    enum Kind { End, Number, Text, Name, Op } kind = End;
    QString text;
    qsizetype pos = 0;
};

} // namespace

class ExpressionParser
{
public:
    ExpressionParser(Expression &e, const QString &text, const Expression::Resolver &resolve)
        : m_e(e), m_text(text), m_resolve(resolve)
    {
        advance();
    }

    int parseAll()
    {
        const int root = parseOr();
        if (m_tok.kind != Token::End)
            fail(QStringLiteral("лишний текст"));
        return root;
    }

private:
    using Node = Expression::Node;

    [[noreturn]] void fail(const QString &what) const
    {
        throw UserError(QStringLiteral("Ошибка в выражении отчета \"%1\" (позиция %2): %3")
                            .arg(m_text)
                            .arg(m_tok.pos + 1)
                            .arg(what));
    }

    void advance()
    {
        const qsizetype n = m_text.size();
        while (m_pos < n && m_text[m_pos].isSpace())
            ++m_pos;
        m_tok = Token();
        m_tok.pos = m_pos;
        if (m_pos >= n)
            return;
        const QChar c = m_text[m_pos];
        if (c.isDigit() || (c == u'.' && m_pos + 1 < n && m_text[m_pos + 1].isDigit())) {
            const qsizetype start = m_pos;
            while (m_pos < n && (m_text[m_pos].isDigit() || m_text[m_pos] == u'.'))
                ++m_pos;
            m_tok.kind = Token::Number;
            m_tok.text = m_text.mid(start, m_pos - start);
        } else if (c == u'\'') {
            ++m_pos;
            QString s;
            while (true) {
                if (m_pos >= n)
                    fail(QStringLiteral("не закрыта кавычка"));
                if (m_text[m_pos] == u'\'') {
                    if (m_pos + 1 < n && m_text[m_pos + 1] == u'\'') {
                        s += u'\'';
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    break;
                }
                s += m_text[m_pos++];
            }
            m_tok.kind = Token::Text;
            m_tok.text = s;
        } else if (c.isLetter() || c == u'_') {
            const qsizetype start = m_pos;
            while (m_pos < n && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == u'_' || m_text[m_pos] == u'.'))
                ++m_pos;
            m_tok.kind = Token::Name;
            m_tok.text = m_text.mid(start, m_pos - start);
        } else {
            const QString two = m_text.mid(m_pos, 2);
            m_tok.kind = Token::Op;
            if (two == QLatin1String("<>") || two == QLatin1String("<=") || two == QLatin1String(">=")) {
                m_tok.text = two;
                m_pos += 2;
            } else if (QStringLiteral("+-*/(),=<>").contains(c)) {
                m_tok.text = c;
                ++m_pos;
            } else {
                fail(QStringLiteral("непонятный знак «%1»").arg(c));
            }
        }
    }

    bool isOp(const char *op) const { return m_tok.kind == Token::Op && m_tok.text == QLatin1String(op); }
    bool isWord(const char *w) const
    {
        return m_tok.kind == Token::Name && m_tok.text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }
    void expect(const char *op)
    {
        if (!isOp(op))
            fail(QStringLiteral("ожидается «%1»").arg(QLatin1String(op)));
        advance();
    }

    int add(Node n)
    {
        m_e.m_nodes.append(std::move(n));
        return int(m_e.m_nodes.size()) - 1;
    }
    int binary(Node::Op op, int a, int b)
    {
        Node n;
        n.op = op;
        n.a = a;
        n.b = b;
        return add(n);
    }

    int parseOr()
    {
        int left = parseAnd();
        while (isWord("or")) {
            advance();
            left = binary(Node::Or, left, parseAnd());
        }
        return left;
    }
    int parseAnd()
    {
        int left = parseNot();
        while (isWord("and")) {
            advance();
            left = binary(Node::And, left, parseNot());
        }
        return left;
    }
    int parseNot()
    {
        if (isWord("not")) {
            advance();
            return binary(Node::Not, parseNot(), -1);
        }
        return parseComparison();
    }
    int parseComparison()
    {
        const int left = parseSum();
        static const struct { const char *op; Node::Op code; } ops[] = {
            {"=", Node::Eq}, {"<>", Node::Ne}, {"<", Node::Lt}, {">", Node::Gt}, {"<=", Node::Le}, {">=", Node::Ge}};
        for (const auto &o : ops) {
            if (isOp(o.op)) {
                advance();
                return binary(o.code, left, parseSum());
            }
        }
        return left;
    }
    int parseSum()
    {
        int left = parseProduct();
        while (isOp("+") || isOp("-")) {
            const Node::Op op = isOp("+") ? Node::Add : Node::Sub;
            advance();
            left = binary(op, left, parseProduct());
        }
        return left;
    }
    int parseProduct()
    {
        int left = parseUnary();
        while (isOp("*") || isOp("/")) {
            const Node::Op op = isOp("*") ? Node::Mul : Node::Div;
            advance();
            left = binary(op, left, parseUnary());
        }
        return left;
    }
    int parseUnary()
    {
        if (isOp("-")) {
            advance();
            return binary(Node::Neg, parseUnary(), -1);
        }
        if (isOp("+")) {
            advance();
            return parseUnary();
        }
        return parsePrimary();
    }
    int parsePrimary()
    {
        if (m_tok.kind == Token::Number) {
            const auto n = Number::parse(m_tok.text);
            if (!n)
                fail(QStringLiteral("неверное число"));
            Node node;
            node.constant = Value::number(*n);
            advance();
            return add(node);
        }
        if (m_tok.kind == Token::Text) {
            Node node;
            node.constant = Value::string(m_tok.text);
            advance();
            return add(node);
        }
        if (isOp("(")) {
            advance();
            const int inner = parseOr();
            expect(")");
            return inner;
        }
        if (m_tok.kind != Token::Name)
            fail(QStringLiteral("ожидается значение"));
        const QString name = m_tok.text;
        advance();
        if (!isOp("(")) {
            Node node;
            node.op = Node::Field;
            node.field = m_resolve ? m_resolve(name) : -1;
            if (node.field < 0) {
                m_tok.pos -= name.size();
                fail(QStringLiteral("нет поля «%1»").arg(name));
            }
            return add(node);
        }
        advance();
        const QString fn = name.toLower();
        Node node;
        if (fn == QLatin1String("sum")) {
            if (m_inSum)
                fail(QStringLiteral("sum внутри sum"));
            m_inSum = true;
            node.op = Node::Sum;
            node.a = parseOr();
            m_inSum = false;
            node.slot = int(m_e.m_sums.size());
            m_e.m_sums.append(Number());
        } else if (fn == QLatin1String("if")) {
            node.op = Node::If;
            node.a = parseOr();
            expect(",");
            node.b = parseOr();
            expect(",");
            node.c = parseOr();
        } else if (fn == QLatin1String("str")) {
            node.op = Node::Str;
            node.a = parseOr();
        } else {
            fail(QStringLiteral("нет функции «%1»").arg(name));
        }
        expect(")");
        const int index = add(node);
        if (node.op == Node::Sum)
            m_e.m_sumNodes.append(index);
        return index;
    }

    Expression &m_e;
    const QString &m_text;
    const Expression::Resolver &m_resolve;
    qsizetype m_pos = 0;
    Token m_tok;
    bool m_inSum = false;
};

Expression Expression::compile(const QString &text, const Resolver &resolve)
{
    Expression e;
    e.m_source = text;
    ExpressionParser parser(e, text, resolve);
    e.m_root = parser.parseAll();
    return e;
}

void Expression::accumulate(const FieldReader &row)
{
    for (int i = 0; i < m_sumNodes.size(); ++i) {
        const Node &n = m_nodes[m_sumNodes[i]];
        m_sums[n.slot] += eval(n.a, row, QLatin1Char('.')).toNumber();
    }
}

void Expression::reset()
{
    for (Number &s : m_sums)
        s = Number();
}

Value Expression::evaluate(const FieldReader &row, QChar point) const
{
    if (m_root < 0)
        return Value();
    return eval(m_root, row, point);
}

Value Expression::eval(int index, const FieldReader &row, QChar point) const
{
    const Node &n = m_nodes[index];
    switch (n.op) {
    case Node::Const:
        return n.constant;
    case Node::Field:
        return row.field(n.field);
    case Node::Sum:
        return Value::number(m_sums[n.slot]);
    case Node::Neg:
        return Value::number(-eval(n.a, row, point).toNumber());
    case Node::Not:
        return Value::boolean(eval(n.a, row, point).toNumber().isZero());
    case Node::Str:
        return Value::string(eval(n.a, row, point).toText(point));
    case Node::If: {
        const Value c = eval(n.a, row, point);
        const bool holds = c.type == Value::Bool ? c.flag : !c.toNumber().isZero();
        return eval(holds ? n.b : n.c, row, point);
    }
    case Node::And:
    case Node::Or: {
        const Value a = eval(n.a, row, point);
        const bool av = a.type == Value::Bool ? a.flag : !a.toNumber().isZero();
        if (n.op == Node::And && !av)
            return Value::boolean(false);
        if (n.op == Node::Or && av)
            return Value::boolean(true);
        const Value b = eval(n.b, row, point);
        return Value::boolean(b.type == Value::Bool ? b.flag : !b.toNumber().isZero());
    }
    default:
        break;
    }
    const Value a = eval(n.a, row, point);
    const Value b = eval(n.b, row, point);
    const bool texts = a.type == Value::Text || b.type == Value::Text;
    switch (n.op) {
    case Node::Add:
        if (texts)
            return Value::string(a.toText(point) + b.toText(point));
        return Value::number(a.toNumber() + b.toNumber());
    case Node::Sub: return Value::number(a.toNumber() - b.toNumber());
    case Node::Mul: return Value::number(a.toNumber() * b.toNumber());
    case Node::Div: return Value::number(a.toNumber() / b.toNumber());
    default: break;
    }
    // Comparisons: texts as texts when both are texts, otherwise as numbers.
    int cmp;
    if (a.type == Value::Text && b.type == Value::Text)
        cmp = a.text.compare(b.text);
    else
        cmp = a.toNumber().compare(b.toNumber());
    switch (n.op) {
    case Node::Eq: return Value::boolean(cmp == 0);
    case Node::Ne: return Value::boolean(cmp != 0);
    case Node::Lt: return Value::boolean(cmp < 0);
    case Node::Gt: return Value::boolean(cmp > 0);
    case Node::Le: return Value::boolean(cmp <= 0);
    case Node::Ge: return Value::boolean(cmp >= 0);
    default: break;
    }
    return Value();
}

} // namespace Report
