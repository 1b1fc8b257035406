#pragma once

#include "report.h"

#include <QObject>

class Dataset;

// What the five printed layouts have in common: each owns its query and a
// layout of bands; the caller fills the query's parameters, sets its filter,
// writes the title, opens the query, then prepares and previews.
class ReportForm : public QObject
{
    Q_OBJECT
public:
    explicit ReportForm(QObject *parent = nullptr);

    // Lays out every page from the open query (its rows as its filter lets
    // them through; a closed query prints as an empty one).
    const Report::Document &prepare();
    // Shows the prepared pages; returns when the preview is closed.
    void preview(QWidget *parent = nullptr);
    // The prepared pages.
    const Report::Document &document() const { return m_document; }
    // Lets the prepared pages go (a year's report holds hundreds of MB).
    void releasePages();

    Report::Layout &layout() { return m_layout; }
    Dataset *query() const { return m_query; }
    Report::Element *titleLabel() const { return m_title; }

protected:
    Dataset *m_query = nullptr;
    Report::Element *m_title = nullptr;
    Report::Layout m_layout;
    bool m_wholePageZoom = false;

private:
    Report::Document m_document;
};

// Shorthands for the layouts' geometry (millimetres) and colours.
namespace ReportLook {
inline QRectF at(double x, double y, double w, double h) { return QRectF(x, y, w, h); }
inline const QColor kHeaderGrey{0xF4, 0xF4, 0xF4};   // report header
inline const QColor kFooterGrey{0xDC, 0xDC, 0xDC};   // report footer
inline const QColor kTotalGrey{0xEF, 0xEF, 0xEF};    // total cells
inline const QColor kGroupGrey{0xE0, 0xE0, 0xE0};    // group headers
inline Report::TextStyle style(double size, bool bold = false) { Report::TextStyle s; s.pointSize = size; s.bold = bold; return s; }
inline Report::TextStyle centred(double size, bool bold = false) { return style(size, bold).centre(); }
inline Report::TextStyle total(double size, bool bold = false) { return centred(size, bold).filled(kTotalGrey); }

// The stage and the colour texts of detail lines.
inline const QString kStageText = QStringLiteral("IF(naimen=0,'Готовая продукция','Заготовки')");
inline const QString kColourText = QStringLiteral("if(color>0,if(color=1,' (грунт)',' (RAL: '+STR(color)+')'),' ')");

// The page number at the right of the page footer.
void addPageFooter(Report::Layout &layout);
} // namespace ReportLook
