#include "Unit17.h"
#include "dataset.h"

using namespace Report;
using namespace ReportLook;

TForm17 *Form17 = nullptr;

TForm17::TForm17(QObject *parent) : ReportForm(parent)
{
    t_Report = new Dataset(this);
    t_Report->setObjectName(QStringLiteral("t_Report"));
    t_Report->setSql(QStringLiteral(
        "select sum(smena.kol_vo-smena.brak)::numeric as kolvo, vid_oper.vid, izdel.nom, oper.naimen, color,  "
        "round((izdel.massa*sum(smena.kol_vo-smena.brak))::numeric,2) as mass from accounts_dep.smena,"
        "accounts_dep.izdel,accounts_dep.vid_oper, accounts_dep.oper where izdel.id=smena.i_id and "
        "vid_oper.id=oper.vid and oper.id=smena.o_id and smena.data<:data2 and smena.data>=:data1  group by "
        "izdel.nom,color, oper.naimen, vid_oper.vid, izdel.massa order by izdel.nom"));
    m_query = t_Report;

    m_layout.setNumericFields({QStringLiteral("kolvo"), QStringLiteral("mass"), QStringLiteral("naimen"), QStringLiteral("color")});
    const int nom = m_layout.addGroup(QStringLiteral("nom"));

    // Columns: stage, kind of operation, colour, boxes, quantity.
    const double xStage = 1, xVid = 38, xColour = 98, xMass = 130, xKolvo = 160, wNum = 30;

    Band *header = m_layout.addBand(BandKind::ReportHeader, 9);
    header->background = kHeaderGrey;
    QRLabel1 = header->addLabel(at(1, 0, 127, 9), QString(), style(11, true));
    header->addLabel(at(xMass, 0, wNum, 9), QStringLiteral("Коробки"), centred(9, true));
    header->addLabel(at(xKolvo, 0, wNum, 9), QStringLiteral("Количество"), centred(9, true));
    m_layout.addBand(BandKind::ReportHeader, 2)->name = QStringLiteral("spacer");

    Band *group = m_layout.addBand(BandKind::GroupHeader, 6.5, nom);
    group->name = QStringLiteral("nomHeader");
    group->background = kGroupGrey;
    group->addField(at(1, 0, 188, 6.5), QStringLiteral("nom"), {}, style(10, true));

    Band *detail = m_layout.addBand(BandKind::Detail, 5);
    detail->addField(at(xStage, 0, xVid - xStage, 5), kStageText, {}, style(9));
    detail->addField(at(xVid, 0, xColour - xVid, 5), QStringLiteral("vid"), {}, centred(9));
    detail->addField(at(xColour, 0, xMass - xColour, 5), kColourText, {}, style(9));
    detail->addField(at(xMass, 0, wNum, 5), QStringLiteral("mass"), {}, centred(9));
    detail->addField(at(xKolvo, 0, wNum, 5), QStringLiteral("kolvo"), {}, centred(9));

    Band *footer = m_layout.addBand(BandKind::GroupFooter, 5.5, nom);
    footer->name = QStringLiteral("nomFooter");
    footer->addField(at(xMass, 0.5, wNum, 4.5), QStringLiteral("sum(mass)"), {}, total(9, true));
    footer->addField(at(xKolvo, 0.5, wNum, 4.5), QStringLiteral("sum(kolvo)"), {}, total(9, true));

    Band *summary = m_layout.addBand(BandKind::ReportFooter, 8);
    summary->background = kFooterGrey;
    summary->lineAbove = summary->lineBelow = true;
    summary->addLabel(at(1, 0, 60, 8), QStringLiteral("Итого:"), style(11, true));
    summary->addField(at(xMass, 1, wNum, 6), QStringLiteral("sum(mass)"), QStringLiteral("#0"), total(11));
    summary->addField(at(xKolvo, 1, wNum, 6), QStringLiteral("sum(kolvo)"), {}, total(11, true));

    addPageFooter(m_layout);
    m_title = QRLabel1;
}
