#include "Unit21.h"
#include "dataset.h"

using namespace Report;
using namespace ReportLook;

TForm21 *Form21 = nullptr;

TForm21::TForm21(QObject *parent) : ReportForm(parent)
{
    i_Report = new Dataset(this);
    i_Report->setObjectName(QStringLiteral("i_Report"));
    i_Report->setSql(QStringLiteral(
        "select izdel.marka, vid_oper.vid vid, oper.naimen, izdel.nom, sum(smena.kol_vo)::numeric as kolvo, "
        "sum(smena.brak) as brk,  sum((kol_vo-brak)*smena.cena) as summa, color, "
        "round((izdel.massa*sum(smena.kol_vo))::numeric,2) as mass  from accounts_dep.izdel,accounts_dep.oper,"
        "accounts_dep.smena,accounts_dep.vid_oper where smena.o_id=oper.id and smena.i_id=izdel.id  and "
        "smena.o_id=oper.id and oper.vid=vid_oper.id and smena.data<:data2 and  smena.data>=:data1 group by "
        "izdel.nom, marka, vid_oper.vid, oper.naimen, color,massa  order by izdel.nom,marka, vid_oper.vid, oper.naimen"));
    m_query = i_Report;

    m_layout.setNumericFields({QStringLiteral("kolvo"), QStringLiteral("brk"), QStringLiteral("summa"),
                               QStringLiteral("mass"), QStringLiteral("naimen"), QStringLiteral("color")});
    const int nom = m_layout.addGroup(QStringLiteral("nom"));

    // Columns: mark, kind of operation, colour, stage, defects, boxes,
    // quantity, amount.
    const double xMarka = 1, xVid = 41, xColor = 77, xStage = 89, xBrk = 119, xMass = 132, xKolvo = 150, xSumma = 166;
    const double end = 190;

    Band *header = m_layout.addBand(BandKind::ReportHeader, 9);
    header->background = kHeaderGrey;
    QRLabel1 = header->addLabel(at(1, 0, xBrk - 2, 9), QString(), style(9, true));
    header->addLabel(at(xBrk, 0, xMass - xBrk, 9), QStringLiteral("Брак"), centred(9, true));
    header->addLabel(at(xMass, 0, xKolvo - xMass, 9), QStringLiteral("Коробки"), centred(9, true));
    header->addLabel(at(xKolvo, 0, xSumma - xKolvo, 9), QStringLiteral("Кол-во"), centred(9, true));
    header->addLabel(at(xSumma, 0, end - xSumma, 9), QStringLiteral("Сумма"), centred(9, true));
    m_layout.addBand(BandKind::ReportHeader, 2)->name = QStringLiteral("spacer");

    Band *group = m_layout.addBand(BandKind::GroupHeader, 6.5, nom);
    group->name = QStringLiteral("nomHeader");
    group->background = kGroupGrey;
    group->addField(at(1, 0, 188, 6.5), QStringLiteral("nom"), {}, style(10, true));

    Band *detail = m_layout.addBand(BandKind::Detail, 5);
    detail->addField(at(xMarka, 0, xVid - xMarka, 5), QStringLiteral("marka"), {}, style(9));
    detail->addField(at(xVid, 0, xColor - xVid, 5), QStringLiteral("vid"), {}, style(9));
    detail->addField(at(xColor, 0, xStage - xColor, 5), QStringLiteral("color"), {}, centred(9));
    detail->addField(at(xStage, 0, xBrk - xStage, 5), kStageText, {}, style(9));
    detail->addField(at(xBrk, 0, xMass - xBrk, 5), QStringLiteral("brk"), {}, centred(9));
    detail->addField(at(xMass, 0, xKolvo - xMass, 5), QStringLiteral("mass"), {}, centred(9));
    detail->addField(at(xKolvo, 0, xSumma - xKolvo, 5), QStringLiteral("kolvo"), {}, centred(9));
    detail->addField(at(xSumma, 0, end - xSumma, 5), QStringLiteral("summa"), QStringLiteral("#0.000"), centred(9));

    Band *footer = m_layout.addBand(BandKind::GroupFooter, 5.5, nom);
    footer->name = QStringLiteral("nomFooter");
    footer->addField(at(xBrk, 0.5, xMass - xBrk, 4.5), QStringLiteral("sum(brk)"), {}, total(9, true));
    footer->addField(at(xMass, 0.5, xKolvo - xMass, 4.5), QStringLiteral("sum(mass)"), QStringLiteral("#0.00"), total(9, true));
    footer->addField(at(xKolvo, 0.5, xSumma - xKolvo, 4.5), QStringLiteral("sum(kolvo)"), {}, total(9, true));
    footer->addField(at(xSumma, 0.5, end - xSumma, 4.5), QStringLiteral("sum(summa)"), QStringLiteral("#0.00"), total(9, true));

    Band *summary = m_layout.addBand(BandKind::ReportFooter, 8);
    summary->background = kFooterGrey;
    summary->lineAbove = summary->lineBelow = true;
    summary->addLabel(at(1, 0, 60, 8), QStringLiteral("Итого:"), style(11, true));
    summary->addField(at(xBrk, 1, xMass - xBrk, 6), QStringLiteral("sum(brk)"), {}, total(11));
    summary->addField(at(xMass, 1, xKolvo - xMass, 6), QStringLiteral("sum(mass)"), {}, total(11));
    summary->addField(at(xKolvo, 1, xSumma - xKolvo, 6), QStringLiteral("sum(kolvo)"), {}, total(11));
    summary->addField(at(xSumma, 1, end - xSumma, 6), QStringLiteral("sum(summa)"), QStringLiteral("#0.00"), total(11));

    addPageFooter(m_layout);
    m_title = QRLabel1;
}
