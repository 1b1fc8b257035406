#include "Unit16.h"
#include "dataset.h"

using namespace Report;
using namespace ReportLook;

TForm16 *Form16 = nullptr;

TForm16::TForm16(QObject *parent) : ReportForm(parent)
{
    t_Report = new Dataset(this);
    t_Report->setObjectName(QStringLiteral("t_Report"));
    t_Report->setSql(QStringLiteral(
        "select person.s_caption fio, sum(smena.kol_vo-smena.brak)::numeric(10,2) as kolvo,vid_oper.vid,  "
        "sum((kol_vo-brak)*smena.cena)::numeric(10,2) as summa,izdel.nom, oper.naimen, color, "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum7 from accounts_dep.fatigue f where "
        "f.d_date<:data4 and f.d_date>=:data3 and f.id_p=smena.w_id and f.id_nom=izdel.id_nom and f.id_o=7777), "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum8 from accounts_dep.fatigue f where "
        "f.d_date<:data6 and f.d_date>=:data5 and f.id_p=smena.w_id and f.id_nom=izdel.id_nom and f.id_o=7778), "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum78 from accounts_dep.fatigue f where "
        "f.d_date<:data8 and f.d_date>=:data7 and f.id_p=smena.w_id), "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum7_all from accounts_dep.fatigue f where "
        "f.d_date<:data10 and f.d_date>=:data9 and f.id_o=7777), "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum8_all from accounts_dep.fatigue f where "
        "f.d_date<:data12 and f.d_date>=:data11 and f.id_o=7778) from cmn_contractor.person person,"
        "accounts_dep.smena,accounts_dep.izdel,accounts_dep.vid_oper, accounts_dep.oper where w_id=s_code::integer "
        "and izdel.id=smena.i_id and vid_oper.id=oper.vid and oper.id=smena.o_id and smena.data<:data2 and "
        "smena.data>=:data1 group by fio, izdel.nom, vid_oper.vid, smena.w_id, izdel.id_nom, oper.naimen, color "
        "order by fio, izdel.nom"));
    m_query = t_Report;

    m_layout.setNumericFields({QStringLiteral("kolvo"), QStringLiteral("summa"), QStringLiteral("naimen"),
                               QStringLiteral("color"), QStringLiteral("f_sum7"), QStringLiteral("f_sum8"),
                               QStringLiteral("f_sum78"), QStringLiteral("f_sum7_all"), QStringLiteral("f_sum8_all")});
    const int worker = m_layout.addGroup(QStringLiteral("fio"));
    const int nom = m_layout.addGroup(QStringLiteral("nom"));

    // Columns: stage, kind of operation, colour, quantity, amount, amount
    // without the regional coefficient.
    const double xStage = 1, xVid = 34, xColour = 84, xKolvo = 112, xSumma = 134, xNet = 162, end = 190;
    const double wKolvo = xSumma - xKolvo, wMoney = xNet - xSumma;

    Band *header = m_layout.addBand(BandKind::ReportHeader, 9);
    header->background = kHeaderGrey;
    QRLabel1 = header->addLabel(at(1, 0, 188, 9), QString(), style(11, true));
    m_layout.addBand(BandKind::ReportHeader, 2)->name = QStringLiteral("spacer");

    Band *workerHeader = m_layout.addBand(BandKind::GroupHeader, 7, worker);
    workerHeader->name = QStringLiteral("workerHeader");
    workerHeader->background = kGroupGrey;
    workerHeader->addField(at(1, 0, xNet - 2, 7), QStringLiteral("fio"), {}, style(10, true));
    workerHeader->addLabel(at(xNet, 0, end - xNet, 7), QStringLiteral("Сумма без Р/К"), centred(8, true));

    Band *nomHeader = m_layout.addBand(BandKind::GroupHeader, 6, nom);
    nomHeader->name = QStringLiteral("nomHeader");
    nomHeader->addField(at(3, 0, 186, 6), QStringLiteral("nom"), {}, style(10, true));

    Band *detail = m_layout.addBand(BandKind::Detail, 5);
    detail->addField(at(xStage, 0, xVid - xStage, 5), kStageText, {}, style(9));
    detail->addField(at(xVid, 0, xColour - xVid, 5), QStringLiteral("vid"), {}, centred(9));
    detail->addField(at(xColour, 0, xKolvo - xColour, 5), kColourText, {}, style(9));
    detail->addField(at(xKolvo, 0, wKolvo, 5), QStringLiteral("kolvo"), {}, centred(9));
    detail->addField(at(xSumma, 0, wMoney, 5), QStringLiteral("summa"), QStringLiteral("#0.000"), centred(9));

    // Totals of a nomenclature group: the worker's maintenance work and
    // average piecework in that group, then the group's whole amount.
    Band *nomFooter = m_layout.addBand(BandKind::GroupFooter, 5, nom);
    nomFooter->name = QStringLiteral("nomFooter");
    nomFooter->addLabel(at(1, 0, 14, 5), QStringLiteral("Хоз.р.:"), style(9));
    nomFooter->addField(at(15, 0, 24, 5), QStringLiteral("f_sum7"), {}, style(9));
    nomFooter->addLabel(at(42, 0, 14, 5), QStringLiteral("Ср. сд.:"), style(9));
    nomFooter->addField(at(56, 0, 26, 5), QStringLiteral("f_sum8"), {}, style(9));
    nomFooter->addField(at(xKolvo, 0.25, wKolvo, 4.5), QStringLiteral("sum(kolvo)"), {}, total(9));
    nomFooter->addField(at(xSumma, 0.25, wMoney, 4.5), QStringLiteral("sum(summa)"), QStringLiteral("#0.000"), total(9));
    nomFooter->addField(at(xNet, 0.25, end - xNet, 4.5), QStringLiteral("sum(summa/1.2)"), QStringLiteral("#0.000"), total(9));
    Band *nomFooter2 = m_layout.addBand(BandKind::GroupFooter, 5.5, nom);
    nomFooter2->name = QStringLiteral("nomFooter2");
    nomFooter2->addLabel(at(xColour, 0, xSumma - xColour - 2, 5), QStringLiteral("Итого:"), style(9, true).right());
    nomFooter2->addField(at(xSumma, 0.25, wMoney, 4.5), QStringLiteral("sum(summa)+f_sum7+f_sum8"), QStringLiteral("#0.000"), total(9));
    nomFooter2->addField(at(xNet, 0.25, end - xNet, 4.5), QStringLiteral("(sum(summa)+f_sum7+f_sum8)/1.2"), QStringLiteral("#0.000"), total(9));

    // Totals of a worker: the piecework, then with all maintenance work.
    Band *workerFooter = m_layout.addBand(BandKind::GroupFooter, 5.5, worker);
    workerFooter->name = QStringLiteral("workerFooter");
    workerFooter->lineBelow = true;
    workerFooter->addField(at(xSumma, 0.5, wMoney, 4.5), QStringLiteral("sum(summa)"), QStringLiteral("#0.00"), total(9));
    workerFooter->addField(at(xNet, 0.5, end - xNet, 4.5), QStringLiteral("sum(summa/1.2)"), QStringLiteral("#0.00"), total(9));
    Band *workerFooter2 = m_layout.addBand(BandKind::GroupFooter, 6.5, worker);
    workerFooter2->name = QStringLiteral("workerFooter2");
    workerFooter2->addField(at(xSumma, 0.5, wMoney, 4.5), QStringLiteral("sum(summa)+f_sum78"), QStringLiteral("#0.000"), total(9));
    workerFooter2->addField(at(xNet, 0.5, end - xNet, 4.5), QStringLiteral("(sum(summa)+f_sum78)/1.2"), QStringLiteral("#0.000"), total(9));

    // Grand totals: the piecework, the maintenance work and average
    // piecework of all workers of the period, and the whole.
    const double line = 6;
    Band *summary = m_layout.addBand(BandKind::ReportFooter, 4 * line + 1);
    summary->background = kFooterGrey;
    summary->lineAbove = summary->lineBelow = true;
    const struct { const char16_t *label; const char16_t *gross; } rows[] = {
        {u"", u"sum(summa)"},
        {u"Хоз.р.:", u"f_sum7_all"},
        {u"Ср.сд.:", u"f_sum8_all"},
        {u"Итого:", u"sum(summa)+f_sum7_all+f_sum8_all"},
    };
    for (int i = 0; i < 4; ++i) {
        const double y = 0.5 + i * line;
        const QString gross = QString::fromUtf16(rows[i].gross);
        const QString net = i == 0 ? QStringLiteral("sum(summa/1.2)") : QLatin1Char('(') + gross + QStringLiteral(")/1.2");
        if (rows[i].label[0])
            summary->addLabel(at(xColour, y, xSumma - xColour - 2, line), QString::fromUtf16(rows[i].label), style(11, true).right());
        summary->addField(at(xSumma, y + 0.5, wMoney, line - 1), gross, QStringLiteral("#0.00"), total(11));
        summary->addField(at(xNet, y + 0.5, end - xNet, line - 1), net, QStringLiteral("#0.00"), total(11));
    }

    addPageFooter(m_layout);
    m_title = QRLabel1;
}
