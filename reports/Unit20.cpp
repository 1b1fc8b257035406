#include "Unit20.h"
#include "dataset.h"

using namespace Report;
using namespace ReportLook;

TForm20 *Form20 = nullptr;

TForm20::TForm20(QObject *parent) : ReportForm(parent)
{
    w_Report = new Dataset(this);
    w_Report->setObjectName(QStringLiteral("w_Report"));
    w_Report->setSql(QStringLiteral(
        "select s_caption fio, izdel.marka, vid_oper.vid, oper.naimen, sum(time) as sum_time, "
        "sum(smena.kol_vo)::numeric(10,2) as kolvo, sum(smena.brak) as brk, "
        "sum((kol_vo-brak)* smena.cena)::numeric(10,2) as summa, color, "
        "sum(prize*(kol_vo-brak)*cena/100)::numeric(10,2) as s_prize, "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum7 from accounts_dep.fatigue f where "
        "f.d_date<:data2 and f.d_date>=:data1 and f.id_p=smena.w_id and f.id_o=7777 and f.i_night=0), "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum7_n from accounts_dep.fatigue f where "
        "f.d_date<:data4 and f.d_date>=:data3 and f.id_p=smena.w_id and f.id_o=7777 and f.i_night=1), "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum8 from accounts_dep.fatigue f where "
        "f.d_date<:data6 and f.d_date>=:data5 and f.id_p=smena.w_id and f.id_o=7778 and f.i_night=0), "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum8_n from accounts_dep.fatigue f where "
        "f.d_date<:data8 and f.d_date>=:data7 and f.id_p=smena.w_id and f.id_o=7778 and f.i_night=1), "
        "(select coalesce(sum(f.cnt),0)::numeric(10,2) f_sum7h from accounts_dep.fatigue f where "
        "f.d_date<:data12 and f.d_date>=:data11 and f.id_p=smena.w_id and f.id_o=7777 and f.i_night=0), "
        "(select coalesce(sum(f.cnt),0)::numeric(10,2) f_sum7h_n from accounts_dep.fatigue f where "
        "f.d_date<:data14 and f.d_date>=:data13 and f.id_p=smena.w_id and f.id_o=7777 and f.i_night=1), "
        "(select coalesce(sum(f.cnt),0)::numeric(10,2) f_sum8h from accounts_dep.fatigue f where "
        "f.d_date<:data16 and f.d_date>=:data15 and f.id_p=smena.w_id and f.id_o=7778 and f.i_night=0), "
        "(select coalesce(sum(f.cnt),0)::numeric(10,2) f_sum8h_n from accounts_dep.fatigue f where "
        "f.d_date<:data18 and f.d_date>=:data17 and f.id_p=smena.w_id and f.id_o=7778 and f.i_night=1), "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum7_all from accounts_dep.fatigue f where "
        "f.d_date<:data20 and f.d_date>=:data19 and f.id_o=7777), "
        "(select coalesce(sum(f.cnt*f.price),0)::numeric(10,2) f_sum8_all from accounts_dep.fatigue f where "
        "f.d_date<:data22 and f.d_date>=:data21 and f.id_o=7778) from cmn_contractor.person person,"
        "accounts_dep.izdel,accounts_dep.oper,accounts_dep.smena,accounts_dep.vid_oper  where smena.o_id=oper.id "
        "and smena.w_id=s_code::integer and smena.i_id=izdel.id  and smena.o_id=oper.id and w_id=s_code::integer "
        "and oper.vid=vid_oper.id  and smena.data<:data10 and smena.data>=:data9  group by fio, marka,vid_oper.vid, "
        "oper.naimen, color, w_id  order by fio, marka, vid_oper.vid, oper.naimen"));
    m_query = w_Report;

    QStringList numeric = {QStringLiteral("naimen"), QStringLiteral("summa"), QStringLiteral("color"),
                           QStringLiteral("brk"), QStringLiteral("s_prize"), QStringLiteral("kolvo"),
                           QStringLiteral("sum_time")};
    for (const char *f : {"f_sum7", "f_sum7_n", "f_sum8", "f_sum8_n", "f_sum7h", "f_sum7h_n", "f_sum8h",
                          "f_sum8h_n", "f_sum7_all", "f_sum8_all"})
        numeric << QLatin1String(f);
    m_layout.setNumericFields(numeric);
    const int worker = m_layout.addGroup(QStringLiteral("fio"));

    // Columns: mark, kind of operation, colour, stage, hours, defects,
    // quantity, amount.
    const double xMarka = 1, xVid = 41, xColor = 75, xStage = 87, xTime = 115, xBrk = 130, xKolvo = 143,
                 xSumma = 164, end = 190;

    Band *header = m_layout.addBand(BandKind::ReportHeader, 9);
    header->background = kHeaderGrey;
    QRLabel1 = header->addLabel(at(1, 0, 188, 9), QString(), style(11, true));
    m_layout.addBand(BandKind::ReportHeader, 2)->name = QStringLiteral("spacer");

    Band *workerHeader = m_layout.addBand(BandKind::GroupHeader, 7, worker);
    workerHeader->name = QStringLiteral("workerHeader");
    workerHeader->background = kGroupGrey;
    workerHeader->addField(at(1, 0, xTime - 2, 7), QStringLiteral("fio"), {}, style(10, true));
    workerHeader->addLabel(at(xTime, 0, xBrk - xTime, 7), QStringLiteral("Часы"), centred(9, true));
    workerHeader->addLabel(at(xBrk, 0, xKolvo - xBrk, 7), QStringLiteral("Брак"), centred(9, true));
    workerHeader->addLabel(at(xKolvo, 0, xSumma - xKolvo, 7), QStringLiteral("Количество"), centred(9, true));
    workerHeader->addLabel(at(xSumma, 0, end - xSumma, 7), QStringLiteral("Сумма"), centred(9, true));

    Band *detail = m_layout.addBand(BandKind::Detail, 4.5);
    detail->addField(at(xMarka, 0, xVid - xMarka, 4.5), QStringLiteral("marka"), {}, style(8));
    detail->addField(at(xVid, 0, xColor - xVid, 4.5), QStringLiteral("vid"), {}, centred(8));
    detail->addField(at(xColor, 0, xStage - xColor, 4.5), QStringLiteral("color"), {}, centred(8));
    detail->addField(at(xStage, 0, xTime - xStage, 4.5), kStageText, {}, style(8));
    detail->addField(at(xTime, 0, xBrk - xTime, 4.5), QStringLiteral("sum_time"), {}, centred(8));
    detail->addField(at(xBrk, 0, xKolvo - xBrk, 4.5), QStringLiteral("brk"), {}, centred(8));
    detail->addField(at(xKolvo, 0, xSumma - xKolvo, 4.5), QStringLiteral("kolvo"), {}, centred(8));
    detail->addField(at(xSumma, 0, end - xSumma, 4.5), QStringLiteral("summa"), QStringLiteral("#0.00"), centred(8));

    Band *workerFooter = m_layout.addBand(BandKind::GroupFooter, 5.5, worker);
    workerFooter->name = QStringLiteral("workerFooter");
    workerFooter->addField(at(xBrk, 0.5, xKolvo - xBrk, 4.5), QStringLiteral("sum(brk)"), {}, total(9));
    workerFooter->addField(at(xKolvo, 0.5, xSumma - xKolvo, 4.5), QStringLiteral("sum(kolvo)"), {}, total(9));
    workerFooter->addField(at(xSumma, 0.5, end - xSumma, 4.5), QStringLiteral("sum(summa)"), QStringLiteral("#0.00"), total(9));

    // The worker's table: hours and amounts with and without the regional
    // coefficient for each kind of work, the whole, and the piecework
    // earnings per hour.
    const double row = 4.5, xLabel = 60, xHours = 104, xGross = 130, xNet = 160;
    Band *table = m_layout.addBand(BandKind::GroupFooter, 8 * row + 2, worker);
    table->name = QStringLiteral("workerTable");
    table->addLabel(at(xHours, 0, xGross - xHours, row), QStringLiteral("Часы"), centred(8, true).framed());
    table->addLabel(at(xGross, 0, xNet - xGross, row), QStringLiteral("Сумма с р/к (р.)"), centred(8, true).framed());
    table->addLabel(at(xNet, 0, end - xNet, row), QStringLiteral("Сумма без р/к (р.)"), centred(8, true).framed());
    struct Line { const char16_t *label, *hours, *gross, *net, *mask; bool totals; };
    const Line lines[] = {
        {u"Хоз. раб. (дн.)", u"f_sum7h", u"f_sum7", u"f_sum7/1.2", u"", false},
        {u"Хоз. раб. (нч.)", u"f_sum7h_n", u"f_sum7_n", u"f_sum7_n/1.2", u"", false},
        {u"Ср. сд. (дн.)", u"f_sum8h", u"f_sum8", u"f_sum8/1.2", u"", false},
        {u"Ср. сд. (нч.)", u"f_sum8h_n", u"f_sum8_n", u"f_sum8_n/1.2", u"", false},
        {u"Сдел.", u"sum(sum_time)", u"sum(summa)", u"sum(summa)/1.2", u"#0.00", true},
        {u"Итого:", u"sum(sum_time)+f_sum7h+f_sum7h_n+f_sum8h+f_sum8h_n",
         u"sum(summa)+f_sum7+f_sum7_n+f_sum8+f_sum8_n", u"(sum(summa)+f_sum7+f_sum7_n+f_sum8+f_sum8_n)/1.2", u"#0.00", true},
        {u"Цена ср. сд. за 1 ч.:", u"", u"sum(summa)/sum(sum_time)", u"sum(summa)/sum(sum_time)/1.2", u"#0.00", true},
    };
    for (int i = 0; i < 7; ++i) {
        const Line &l = lines[i];
        const double y = (i + 1) * row;
        const QString mask = QString::fromUtf16(l.mask);
        Report::TextStyle cell = l.totals ? total(8) : centred(8);
        cell.frame = true;
        table->addLabel(at(xLabel, y, xHours - xLabel, row), QString::fromUtf16(l.label), style(8, i == 5).framed());
        if (l.hours[0])
            table->addField(at(xHours, y, xGross - xHours, row), QString::fromUtf16(l.hours), mask, cell);
        else
            table->addLabel(at(xHours, y, xGross - xHours, row), QString(), centred(8).framed());
        table->addField(at(xGross, y, xNet - xGross, row), QString::fromUtf16(l.gross), mask, cell);
        table->addField(at(xNet, y, end - xNet, row), QString::fromUtf16(l.net), mask, cell);
    }

    // Grand totals over all workers, with the maintenance work and average
    // piecework of the whole period.
    const double line = 6;
    Band *summary = m_layout.addBand(BandKind::ReportFooter, 4 * line + 1);
    summary->background = kFooterGrey;
    summary->lineAbove = summary->lineBelow = true;
    summary->addField(at(xKolvo, 1, xSumma - xKolvo, line - 1), QStringLiteral("sum(kolvo)"), {}, total(11));
    summary->addField(at(xSumma, 1, end - xSumma, line - 1), QStringLiteral("sum(summa)"), QStringLiteral("#0.00"), total(11));
    const struct { const char16_t *label, *gross; } rows[] = {
        {u"Хоз.р.:", u"f_sum7_all"},
        {u"Ср.сд.:", u"f_sum8_all"},
        {u"Итого:", u"sum(summa)+f_sum7_all+f_sum8_all"},
    };
    const double xAmount = 114, wAmount = 38;
    for (int i = 0; i < 3; ++i) {
        const double y = 0.5 + (i + 1) * line;
        const QString gross = QString::fromUtf16(rows[i].gross);
        summary->addLabel(at(40, y, xAmount - 42, line), QString::fromUtf16(rows[i].label), style(11, true).right());
        summary->addField(at(xAmount, y + 0.5, wAmount, line - 1), gross, QStringLiteral("#0.00"), total(11));
        summary->addField(at(end - wAmount, y + 0.5, wAmount, line - 1), QLatin1Char('(') + gross + QStringLiteral(")/1.2"),
                          QStringLiteral("#0.00"), total(11));
    }

    addPageFooter(m_layout);
    m_title = QRLabel1;
}
