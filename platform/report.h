#pragma once

#include "reportexpr.h"

#include <QColor>
#include <QPageLayout>
#include <QRectF>
#include <QSet>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <vector>

class Dataset;
class QPainter;
class QWidget;

// The printed reports' engine. A layout is a list of bands (report header,
// page header, group headers and footers, the detail line, the report
// footer, the page footer); each band holds labels, data fields and
// expressions at fixed places, in millimetres from the band's top left
// corner. Preparing a layout over the rows of a query lays out every page
// as a list of placed bands with their texts, which tests read without
// painting; the pages are then painted to a printer, a PDF file or the
// preview.
namespace Report {

enum class BandKind { PageHeader, ReportHeader, GroupHeader, Detail, GroupFooter, ReportFooter, PageFooter };
QString bandKindName(BandKind kind);

// How a text is printed.
struct TextStyle
{
    double pointSize = 9;
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft;
    bool frame = false;       // a thin box around the cell
    QColor fill;              // background of the cell; invalid = none

    TextStyle &size(double pt) { pointSize = pt; return *this; }
    TextStyle &strong(bool on = true) { bold = on; return *this; }
    TextStyle &centre() { align = Qt::AlignHCenter; return *this; }
    TextStyle &right() { align = Qt::AlignRight; return *this; }
    TextStyle &framed() { frame = true; return *this; }
    TextStyle &filled(const QColor &c) { fill = c; return *this; }

    bool operator==(const TextStyle &o) const
    {
        return pointSize == o.pointSize && bold == o.bold && align == o.align && frame == o.frame && fill == o.fill;
    }
};

// One thing printed on a band.
class Element
{
public:
    enum Kind {
        Label,      // fixed text; the caller may change it (a title)
        Field,      // an expression over the current row and its totals
        PageNumber, // the number of the page
        Line        // a horizontal line across the element's width at its top
    };

    Element(Kind kind, const QRectF &rect, const QString &text, const QString &mask, const TextStyle &style)
        : m_kind(kind), m_rect(rect), m_text(text), m_mask(mask), m_style(style)
    {
    }

    Kind kind() const { return m_kind; }
    QRectF rect() const { return m_rect; }
    const TextStyle &style() const { return m_style; }
    QString mask() const { return m_mask; }
    QString expression() const { return m_text; }

    // The text of a label.
    QString caption() const { return m_text; }
    void setCaption(const QString &text) { m_text = text; }

private:
    Kind m_kind;
    QRectF m_rect;
    QString m_text; // label text or expression
    QString m_mask;
    TextStyle m_style;
};

class Band
{
public:
    Band(BandKind kind, double height, int group = -1) : m_kind(kind), m_height(height), m_group(group) {}

    BandKind kind() const { return m_kind; }
    double height() const { return m_height; }
    int group() const { return m_group; } // level of a group header or footer, 0 = outermost

    QColor background;       // band background; invalid = white
    bool lineAbove = false;  // a line along the top edge
    bool lineBelow = false;  // a line along the bottom edge
    QString name;            // for the text dump of prepared pages

    Element *addLabel(const QRectF &rect, const QString &text, const TextStyle &style = {});
    Element *addField(const QRectF &rect, const QString &expression, const QString &mask = {},
                      const TextStyle &style = {});
    Element *addPageNumber(const QRectF &rect, const TextStyle &style = {});
    Element *addLine(double x, double y, double width);

    const std::vector<std::unique_ptr<Element>> &elements() const { return m_elements; }

private:
    BandKind m_kind;
    double m_height;
    int m_group;
    std::vector<std::unique_ptr<Element>> m_elements;
};

// A whole report layout.
class Layout
{
public:
    Layout();
    Layout(const Layout &) = delete;
    Layout &operator=(const Layout &) = delete;

    // A4 with 10 mm margins on every side.
    void setOrientation(QPageLayout::Orientation orientation);
    QPageLayout pageLayout() const { return m_page; }
    // Printable width and height in millimetres.
    QSizeF contentSize() const;

    // Groups from the outermost in; the expression's value decides where a
    // group ends (usually a field name). Returns the group's level.
    int addGroup(const QString &expression);
    QStringList groups() const { return m_groups; }

    // Bands of one kind (and group) print one after the other in the order
    // they were added: a header with a spacer under it, a footer of two
    // lines that may part at a page break.
    Band *addBand(BandKind kind, double height, int group = -1);
    const std::vector<std::unique_ptr<Band>> &bands() const { return m_bands; }
    Band *band(BandKind kind, int group = -1) const;

    // Fields whose text holds a number (numeric columns arrive as exact
    // decimal texts): they take part in sums and print in number form.
    void setNumericFields(const QStringList &fields);
    bool isNumericField(const QString &field) const { return m_numeric.contains(field.toLower()); }

private:
    QPageLayout m_page;
    QStringList m_groups;
    std::vector<std::unique_ptr<Band>> m_bands;
    QSet<QString> m_numeric;
};

// The rows a report prints.
class RowSource
{
public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    virtual QStringList fieldNames() const = 0;
    virtual QVariant value(int row, int column) const = 0;
};

// The rows of an open query as its filter lets them through.
class DatasetSource : public RowSource
{
public:
    explicit DatasetSource(const Dataset &dataset) : m_dataset(dataset) {}
    int rowCount() const override;
    QStringList fieldNames() const override;
    QVariant value(int row, int column) const override;

private:
    const Dataset &m_dataset;
};

// Rows given in the code (tests, fixed tables).
class TableSource : public RowSource
{
public:
    TableSource(const QStringList &fields, const QVector<QVariantList> &rows) : m_fields(fields), m_rows(rows) {}
    int rowCount() const override { return int(m_rows.size()); }
    QStringList fieldNames() const override { return m_fields; }
    QVariant value(int row, int column) const override { return m_rows.value(row).value(column); }

private:
    QStringList m_fields;
    QVector<QVariantList> m_rows;
};

// What preparing puts on a page. Kept small: a year's report has millions.
struct PlacedItem
{
    enum Kind : quint8 { Text, Fill, Frame, Line };

    PlacedItem() = default;
    PlacedItem(Kind k, quint16 s, const QRectF &r, const QString &t = {}, const QColor &c = {})
        : text(t), x(float(r.x())), y(float(r.y())), w(float(r.width())), h(float(r.height())),
          color(c.isValid() ? c.rgba() : 0), style(s), kind(k)
    {
    }

    // Millimetres from the paper's top left corner.
    QRectF rect() const { return QRectF(x, y, w, h); }
    QColor fill() const { return QColor::fromRgba(color); }

    QString text;
    float x = 0, y = 0, w = 0, h = 0;
    QRgb color = 0;      // Fill
    quint16 style = 0;   // index into Document::styles (Text)
    Kind kind = Text;
};

struct PlacedBand
{
    BandKind kind;
    QString name;
    double top = 0;      // millimetres from the paper's top edge
    double height = 0;
    QVector<PlacedItem> items;

    // The band's texts from left to right.
    QStringList texts() const;
};

struct Page
{
    QVector<PlacedBand> bands;
};

// Prepared pages ready for printing.
class Document
{
public:
    QPageLayout pageLayout;
    QString fontFamily;
    QVector<TextStyle> styles;
    QVector<Page> pages;

    int pageCount() const { return int(pages.size()); }
    // One line per band: "kind[name]: text | text | ...", pages headed by
    // "=== page N ===". Golden files of the tests compare it.
    QString dump() const;
    // The bands of a kind (and name, when given) over all pages.
    QVector<const PlacedBand *> find(BandKind kind, const QString &name = {}) const;

    // Paints one page onto a painter whose device has the page's size. A
    // number wider than its cell is printed smaller; a wider text is cut
    // with an ellipsis.
    void paintPage(QPainter &painter, int page) const;
    // Writes every page to a PDF file; false with the reason on failure.
    bool savePdf(const QString &fileName, QString *error = nullptr) const;
    // Shows the pages in the preview window (maximised, zoomed to the page
    // width or, with wholePage, to the whole page), from which the user
    // prints or saves a PDF. Returns when the window is closed.
    void preview(const QString &title, bool wholePage = false, QWidget *parent = nullptr) const;
};

// The font the reports print in: Arial's metric twin with Cyrillic where
// installed, otherwise DejaVu Sans.
QString reportFontFamily();

// Lays out every page. The decimal separator of printed numbers comes from
// the user's locale. Throws UserError for a layout whose expression is
// wrong or names a field the rows do not have.
Document prepare(Layout &layout, const RowSource &rows);

} // namespace Report
