#include "report.h"
#include "dataset.h"
#include "dberror.h"

#include <QLocale>
#include <algorithm>

namespace Report {

QString bandKindName(BandKind kind)
{
    switch (kind) {
    case BandKind::PageHeader: return QStringLiteral("pageHeader");
    case BandKind::ReportHeader: return QStringLiteral("reportHeader");
    case BandKind::GroupHeader: return QStringLiteral("groupHeader");
    case BandKind::Detail: return QStringLiteral("detail");
    case BandKind::GroupFooter: return QStringLiteral("groupFooter");
    case BandKind::ReportFooter: return QStringLiteral("reportFooter");
    case BandKind::PageFooter: return QStringLiteral("pageFooter");
    }
    return QString();
}

Element *Band::addLabel(const QRectF &rect, const QString &text, const TextStyle &style)
{
    m_elements.push_back(std::make_unique<Element>(Element::Label, rect, text, QString(), style));
    return m_elements.back().get();
}

Element *Band::addField(const QRectF &rect, const QString &expression, const QString &mask, const TextStyle &style)
{
    m_elements.push_back(std::make_unique<Element>(Element::Field, rect, expression, mask, style));
    return m_elements.back().get();
}

Element *Band::addPageNumber(const QRectF &rect, const TextStyle &style)
{
    m_elements.push_back(std::make_unique<Element>(Element::PageNumber, rect, QString(), QString(), style));
    return m_elements.back().get();
}

Element *Band::addLine(double x, double y, double width)
{
    m_elements.push_back(std::make_unique<Element>(Element::Line, QRectF(x, y, width, 0), QString(), QString(), TextStyle()));
    return m_elements.back().get();
}

Layout::Layout()
    : m_page(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter)
{
}

void Layout::setOrientation(QPageLayout::Orientation orientation)
{
    m_page.setOrientation(orientation);
}

QSizeF Layout::contentSize() const
{
    const QRectF paper = m_page.fullRect(QPageLayout::Millimeter);
    const QMarginsF m = m_page.margins(QPageLayout::Millimeter);
    return QSizeF(paper.width() - m.left() - m.right(), paper.height() - m.top() - m.bottom());
}

int Layout::addGroup(const QString &expression)
{
    m_groups << expression;
    return int(m_groups.size()) - 1;
}

Band *Layout::addBand(BandKind kind, double height, int group)
{
    m_bands.push_back(std::make_unique<Band>(kind, height, group));
    Band *b = m_bands.back().get();
    b->name = bandKindName(kind);
    return b;
}

Band *Layout::band(BandKind kind, int group) const
{
    for (const auto &b : m_bands)
        if (b->kind() == kind && (group < 0 || b->group() == group))
            return b.get();
    return nullptr;
}

void Layout::setNumericFields(const QStringList &fields)
{
    m_numeric.clear();
    for (const QString &f : fields)
        m_numeric.insert(f.toLower());
}

int DatasetSource::rowCount() const
{
    return m_dataset.isOpen() ? m_dataset.recordCount() : 0;
}

QStringList DatasetSource::fieldNames() const
{
    return m_dataset.fieldNames();
}

QVariant DatasetSource::value(int row, int column) const
{
    return m_dataset.valueAt(row, column);
}

QStringList PlacedBand::texts() const
{
    QVector<const PlacedItem *> order;
    for (const PlacedItem &item : items)
        if (item.kind == PlacedItem::Text)
            order << &item;
    std::stable_sort(order.begin(), order.end(), [](const PlacedItem *a, const PlacedItem *b) {
        if (std::abs(a->y - b->y) > 0.01f)
            return a->y < b->y;
        return a->x < b->x;
    });
    QStringList out;
    for (const PlacedItem *item : order)
        out << item->text;
    return out;
}

QString Document::dump() const
{
    QString out;
    for (int p = 0; p < pages.size(); ++p) {
        out += QStringLiteral("=== page %1 ===\n").arg(p + 1);
        for (const PlacedBand &band : pages[p].bands) {
            out += band.name;
            out += QLatin1String(":");
            const QStringList texts = band.texts();
            if (!texts.isEmpty())
                out += QLatin1Char(' ') + texts.join(QLatin1String(" | "));
            out += QLatin1Char('\n');
        }
    }
    return out;
}

QVector<const PlacedBand *> Document::find(BandKind kind, const QString &name) const
{
    QVector<const PlacedBand *> out;
    for (const Page &page : pages)
        for (const PlacedBand &band : page.bands)
            if (band.kind == kind && (name.isEmpty() || band.name == name))
                out << &band;
    return out;
}

namespace {

constexpr double kEpsilon = 0.001;

// The current row's fields as expression values, each converted once.
class RowReader : public FieldReader
{
public:
    RowReader(const RowSource &source, const Layout &layout) : m_source(source)
    {
        m_fields = source.fieldNames();
        for (const QString &f : m_fields)
            m_numeric << layout.isNumericField(f);
        m_cache.resize(m_fields.size());
        m_cachedFor.fill(-2, m_fields.size());
    }

    int resolve(const QString &name) const
    {
        for (int i = 0; i < m_fields.size(); ++i)
            if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    void setRow(int row) { m_row = row; }
    int row() const { return m_row; }

    Value field(int index) const override
    {
        if (m_row < 0)
            return Value();
        if (m_cachedFor[index] != m_row) {
            m_cache[index] = convert(m_source.value(m_row, index), m_numeric[index]);
            m_cachedFor[index] = m_row;
        }
        return m_cache[index];
    }

private:
    static Value convert(const QVariant &v, bool numeric)
    {
        if (v.isNull() || !v.isValid())
            return Value();
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::UShort:
            return Value::number(Number(v.toLongLong()));
        case QMetaType::Double:
        case QMetaType::Float:
            return Value::number(Number::fromDouble(v.toDouble()));
        case QMetaType::Bool:
            return Value::boolean(v.toBool());
        default:
            break;
        }
        const QString text = v.toString();
        if (numeric)
            if (const auto n = Number::parse(text))
                return Value::number(*n);
        return Value::string(text);
    }

    const RowSource &m_source;
    QStringList m_fields;
    QVector<bool> m_numeric;
    mutable QVector<Value> m_cache;
    mutable QVector<int> m_cachedFor;
    int m_row = -1;
};

struct CompiledElement
{
    const Element *element;
    quint16 style;
    Expression expr; // Field
};

struct CompiledBand
{
    const Band *band = nullptr;
    QVector<CompiledElement> elements;
    bool hasTotals = false;

    void accumulate(const RowReader &row)
    {
        for (CompiledElement &e : elements)
            if (e.expr.hasTotals())
                e.expr.accumulate(row);
    }
    void reset()
    {
        for (CompiledElement &e : elements)
            e.expr.reset();
    }
};

class Builder
{
public:
    Builder(Layout &layout, const RowSource &rows) : m_layout(layout), m_rows(rows), m_reader(rows, layout)
    {
        m_doc.pageLayout = layout.pageLayout();
        m_doc.fontFamily = reportFontFamily();
        m_point = QLocale().decimalPoint().at(0);
        const QRectF paper = layout.pageLayout().fullRect(QPageLayout::Millimeter);
        const QMarginsF margins = layout.pageLayout().margins(QPageLayout::Millimeter);
        m_left = margins.left();
        m_width = paper.width() - margins.left() - margins.right();
        m_top = margins.top();
        m_bottomEdge = paper.height() - margins.bottom();

        const int groups = int(layout.groups().size());
        m_groupHeaders.resize(groups);
        m_groupFooters.resize(groups);
        const auto resolver = [this](const QString &name) { return m_reader.resolve(name); };
        for (const QString &g : layout.groups())
            m_groupKeys << Expression::compile(g, resolver);

        for (const auto &b : layout.bands()) {
            CompiledBand cb = compile(*b, resolver);
            switch (b->kind()) {
            case BandKind::PageHeader: m_pageHeader << cb; break;
            case BandKind::ReportHeader: m_reportHeader << cb; break;
            case BandKind::Detail: m_detail << cb; break;
            case BandKind::ReportFooter: m_reportFooter << cb; break;
            case BandKind::PageFooter: m_pageFooter << cb; break;
            case BandKind::GroupHeader:
            case BandKind::GroupFooter:
                if (b->group() < 0 || b->group() >= groups)
                    throw UserError(QStringLiteral("Полоса отчета относится к несуществующей группе %1").arg(b->group()));
                (b->kind() == BandKind::GroupHeader ? m_groupHeaders : m_groupFooters)[b->group()] << cb;
                break;
            }
        }
        m_bottom = m_bottomEdge - heightOf(m_pageFooter);
    }

    Document run()
    {
        const int count = m_rows.rowCount();
        const int groups = int(m_groupKeys.size());
        newPage();
        place(m_reportHeader);

        QStringList previousKeys;
        for (int row = 0; row < count; ++row) {
            m_reader.setRow(row);
            QStringList keys;
            keys.reserve(groups);
            for (const Expression &k : m_groupKeys) {
                const Value v = k.evaluate(m_reader, m_point);
                keys << (v.isNull() ? QStringLiteral("\x01") : v.toText());
            }
            int changed = 0; // outermost level that starts anew with this row
            if (row > 0) {
                changed = groups;
                for (int g = 0; g < groups; ++g) {
                    if (keys[g] != previousKeys[g]) {
                        changed = g;
                        break;
                    }
                }
                if (changed < groups) {
                    // Footers print with the group's last row current.
                    m_reader.setRow(row - 1);
                    for (int g = groups - 1; g >= changed; --g)
                        placeFooter(g);
                    m_reader.setRow(row);
                }
            }
            for (int g = changed; g < groups; ++g) {
                if (g == groups - 1 && !m_groupHeaders[g].isEmpty()) {
                    // The innermost group's header goes to the next page
                    // unless it fits here together with its footer.
                    const double need = heightOf(m_groupHeaders[g]) + heightOf(m_groupFooters[g]);
                    if (!fits(need) && m_pageHasBody)
                        newPage();
                }
                place(m_groupHeaders[g]);
            }
            for (QVector<CompiledBand> &footers : m_groupFooters)
                accumulate(footers);
            accumulate(m_reportFooter);
            accumulate(m_detail);
            place(m_detail);
            previousKeys = std::move(keys);
        }
        if (count > 0) {
            m_reader.setRow(count - 1);
            for (int g = groups - 1; g >= 0; --g)
                placeFooter(g);
        }
        m_reader.setRow(count > 0 ? count - 1 : -1);
        place(m_reportFooter);
        finishPage();
        return std::move(m_doc);
    }

private:
    CompiledBand compile(const Band &band, const Expression::Resolver &resolver)
    {
        CompiledBand cb;
        cb.band = &band;
        for (const auto &e : band.elements()) {
            CompiledElement ce{e.get(), styleIndex(e->style()), Expression()};
            if (e->kind() == Element::Field) {
                ce.expr = Expression::compile(e->expression(), resolver);
                cb.hasTotals = cb.hasTotals || ce.expr.hasTotals();
            }
            cb.elements << std::move(ce);
        }
        return cb;
    }

    quint16 styleIndex(const TextStyle &style)
    {
        for (int i = 0; i < m_doc.styles.size(); ++i)
            if (m_doc.styles[i] == style)
                return quint16(i);
        m_doc.styles << style;
        return quint16(m_doc.styles.size() - 1);
    }

    bool fits(double height) const { return m_y + height <= m_bottom + kEpsilon; }

    static double heightOf(const QVector<CompiledBand> &bands)
    {
        double h = 0;
        for (const CompiledBand &b : bands)
            h += b.band->height();
        return h;
    }

    void accumulate(QVector<CompiledBand> &bands)
    {
        for (CompiledBand &b : bands)
            if (b.hasTotals)
                b.accumulate(m_reader);
    }

    void newPage()
    {
        if (!m_doc.pages.isEmpty())
            finishPage();
        m_doc.pages.append(Page());
        m_y = m_top;
        m_pageHasBody = false;
        for (CompiledBand &b : m_pageHeader)
            placeAt(b, m_y);
    }

    void finishPage()
    {
        double y = m_bottom;
        for (CompiledBand &b : m_pageFooter) {
            placeAt(b, y);
            y += b.band->height();
        }
    }

    void placeFooter(int group)
    {
        QVector<CompiledBand> &footers = m_groupFooters[group];
        place(footers);
        for (CompiledBand &f : footers)
            f.reset();
    }

    void place(QVector<CompiledBand> &bands)
    {
        for (CompiledBand &b : bands) {
            if (!fits(b.band->height()) && m_pageHasBody)
                newPage();
            placeAt(b, m_y);
            m_pageHasBody = true;
        }
    }

    void placeAt(CompiledBand &cb, double top)
    {
        const Band &band = *cb.band;
        PlacedBand pb;
        pb.kind = band.kind();
        pb.name = band.name;
        pb.top = top;
        pb.height = band.height();
        pb.items.reserve(cb.elements.size() + 3);
        const QRectF whole(m_left, top, m_width, band.height());
        if (band.background.isValid())
            pb.items.append(PlacedItem(PlacedItem::Fill, 0, whole, QString(), band.background));
        if (band.lineAbove)
            pb.items.append(PlacedItem(PlacedItem::Line, 0, QRectF(m_left, top, m_width, 0)));
        if (band.lineBelow)
            pb.items.append(PlacedItem(PlacedItem::Line, 0, QRectF(m_left, top + band.height(), m_width, 0)));
        for (const CompiledElement &ce : cb.elements) {
            const Element &e = *ce.element;
            const QRectF r = e.rect().translated(m_left, top);
            if (e.kind() == Element::Line) {
                pb.items.append(PlacedItem(PlacedItem::Line, 0, r));
                continue;
            }
            const TextStyle &style = e.style();
            if (style.fill.isValid())
                pb.items.append(PlacedItem(PlacedItem::Fill, 0, r, QString(), style.fill));
            if (style.frame)
                pb.items.append(PlacedItem(PlacedItem::Frame, 0, r));
            QString text;
            switch (e.kind()) {
            case Element::Label: text = e.caption(); break;
            case Element::PageNumber: text = QString::number(m_doc.pages.size()); break;
            case Element::Field: text = fieldText(ce); break;
            case Element::Line: break;
            }
            pb.items.append(PlacedItem(PlacedItem::Text, ce.style, r, text));
        }
        m_doc.pages.last().bands.append(std::move(pb));
        if (band.kind() != BandKind::PageFooter)
            m_y = top + band.height();
    }

    QString fieldText(const CompiledElement &ce) const
    {
        const Value v = ce.expr.evaluate(m_reader, m_point);
        const QString mask = ce.element->mask();
        switch (v.type) {
        case Value::Null:
            return QString();
        case Value::Num:
            return formatNumber(v.num, mask, m_point);
        case Value::Text:
            if (!mask.isEmpty())
                if (const auto n = Number::parse(v.text))
                    return formatNumber(*n, mask, m_point);
            return v.text;
        case Value::Bool:
            return v.toText(m_point);
        }
        return QString();
    }

    Layout &m_layout;
    const RowSource &m_rows;
    RowReader m_reader;
    Document m_doc;
    QChar m_point;

    QVector<Expression> m_groupKeys;
    QVector<CompiledBand> m_pageHeader, m_reportHeader, m_detail, m_reportFooter, m_pageFooter;
    QVector<QVector<CompiledBand>> m_groupHeaders, m_groupFooters;

    double m_left = 0, m_width = 0, m_top = 0, m_bottom = 0, m_bottomEdge = 0;
    double m_y = 0;
    bool m_pageHasBody = false;
};

} // namespace

Document prepare(Layout &layout, const RowSource &rows)
{
    Builder builder(layout, rows);
    return builder.run();
}

} // namespace Report
