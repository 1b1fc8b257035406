#include "reportform.h"
#include "dataset.h"

ReportForm::ReportForm(QObject *parent) : QObject(parent) {}

const Report::Document &ReportForm::prepare()
{
    m_document = Report::Document(); // the old pages go before the new ones come
    const Report::DatasetSource rows(*m_query);
    m_document = Report::prepare(m_layout, rows);
    return m_document;
}

void ReportForm::preview(QWidget *parent)
{
    m_document.preview(m_title ? m_title->caption() : QString(), m_wholePageZoom, parent);
}

namespace ReportLook {

void addPageFooter(Report::Layout &layout)
{
    const double width = layout.contentSize().width();
    Report::Band *footer = layout.addBand(Report::BandKind::PageFooter, 6);
    footer->addPageNumber(at(width - 40, 1, 40, 5), style(9).right());
}

} // namespace ReportLook

void ReportForm::releasePages()
{
    m_document = Report::Document();
}
