#include "Unit15.h"
#include "dataset.h"

using namespace Report;
using namespace ReportLook;

TForm15 *Form15 = nullptr;

TForm15::TForm15(QObject *parent) : ReportForm(parent)
{
    H_Tabel = new Dataset(this);
    H_Tabel->setObjectName(QStringLiteral("H_Tabel"));
    H_Tabel->setSql(QStringLiteral(
        "select person.s_caption fio,sum(d1) as sd1,sum(d2) as sd2,sum(d3) as sd3,sum(d4) as sd4, sum(d5) as sd5,"
        "sum(d6) as sd6,sum(d7) as sd7,sum(d8) as sd8,sum(d9) as sd9, sum(d10) as sd10,sum(d11) as sd11,"
        "sum(d12) as sd12,sum(d13) as sd13, sum(d14) as sd14,sum(d15) as sd15,sum(d16) as sd16,sum(d17) as sd17, "
        "sum(d18) as sd18,sum(d19) as sd19,sum(d20) as sd20,sum(d21) as sd21, sum(d22) as sd22,sum(d23) as sd23,"
        "sum(d24) as sd24,sum(d25) as sd25, sum(d26) as sd26,sum(d27) as sd27,sum(d28) as sd28,sum(d29) as sd29, "
        "sum(d30) as sd30,sum(d31) as sd31 from accounts_dep.h_tabel, cmn_contractor.person person where "
        "h_tabel.w_id=person.s_code::t_integer and month=:mnth and year=:yea group by fio order by fio"));
    m_query = H_Tabel;
    m_wholePageZoom = true;

    m_layout.setOrientation(QPageLayout::Landscape);
    QStringList days, total;
    for (int d = 1; d <= 31; ++d) {
        days << QStringLiteral("sd%1").arg(d);
        total << QStringLiteral("sd%1").arg(d);
    }
    m_layout.setNumericFields(days);

    // Columns: name, days 1..31, total; 277 mm across.
    const double xDays = 56, wDay = 6.6, xTotal = xDays + 31 * wDay, end = m_layout.contentSize().width();

    Band *header = m_layout.addBand(BandKind::PageHeader, 7);
    header->name = QStringLiteral("header");
    header->lineAbove = header->lineBelow = true;
    QRLabel33 = header->addLabel(at(1, 0, xDays - 2, 7), QStringLiteral("Данные за:"), style(10, true));
    for (int d = 1; d <= 31; ++d)
        header->addLabel(at(xDays + (d - 1) * wDay, 0, wDay, 7), QString::number(d), centred(9).framed());
    header->addLabel(at(xTotal, 0, end - xTotal, 7), QStringLiteral("Итого"), centred(9, true).framed());

    Band *detail = m_layout.addBand(BandKind::Detail, 5.5);
    detail->lineAbove = detail->lineBelow = true;
    detail->addField(at(1, 0, xDays - 2, 5.5), QStringLiteral("fio"), {}, style(10));
    for (int d = 1; d <= 31; ++d)
        detail->addField(at(xDays + (d - 1) * wDay, 0, wDay, 5.5), days[d - 1], {}, centred(9).framed());
    // A day without hours prints empty and counts as 0.
    detail->addField(at(xTotal, 0, end - xTotal, 5.5), total.join(QLatin1Char('+')), {}, centred(9, true).framed());

    addPageFooter(m_layout);
    m_title = QRLabel33;
}
