#include "Unit6.h"
#include "connection.h"
#include "messages.h"

#include <QDate>

TDataModule6 *DataModule6 = nullptr;

QString shiftListSql(int shift)
{
    if (shift == 1)
        return QStringLiteral(
            "select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id,  smena.cena,person.s_caption fio, "
            "izdel.marka, vid_oper.vid, (SELECT (CASE naimen WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, "
            "oper.naimen,  smena.brak, smena.kol_vo::numeric, round((kol_vo-brak)*smena.cena::numeric, 2) as summa, "
            "smena.prize, color,time, smena.ok, vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, "
            "smena.id_cons_use from cmn_contractor.person person, accounts_dep.izdel,accounts_dep.oper,accounts_dep.smena,"
            "accounts_dep.vid_oper  where smena.i_id=izdel.id and smena.o_id=oper.id and (w_id=person.id or s_code::t_id=w_id) "
            "and  oper.vid=vid_oper.id and smena.smena=1 and smena.data=:data and ok!=:ok order by  fio, izdel.marka, "
            "vid_oper.vid, oper.naimen, color");
    QString sql = QStringLiteral(
        "select smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id,  smena.cena, s_caption fio, izdel.marka, "
        "vid_oper.vid, (SELECT (CASE naimen WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, oper.naimen, "
        "smena.kol_vo::numeric, smena.brak,  round((kol_vo-brak)*smena.cena::numeric, 2) as summa, smena.prize, smena.id, "
        "color,time,smena.ok,vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use   "
        "from cmn_contractor.person person,accounts_dep.izdel,accounts_dep.oper,accounts_dep.smena,accounts_dep.vid_oper  "
        "where smena.i_id=izdel.id and smena.o_id=oper.id and (w_id=person.id or s_code::t_id=w_id) and  "
        "oper.vid=vid_oper.id and smena.smena=2 and smena.data=:data and ok<>:ok order by fio");
    if (shift == 3 || shift == 4)
        sql.replace(QStringLiteral("smena.smena=2"), QStringLiteral("smena.smena=%1").arg(shift));
    if (shift == 4)
        sql.replace(QStringLiteral(" s_caption fio,"), QStringLiteral(" person.s_caption fio,"));
    return sql;
}

TDataModule6::TDataModule6(QObject *parent)
    : QObject(parent)
    , Workers(QStringLiteral("select * from accounts_dep.person order by fio"))
    , Izdel(QStringLiteral("select *  from accounts_dep.IZDEL order by marka"))
    , Oper(QStringLiteral(
          "select izdel.MARKA, vid_oper.VID, oper.NAIMEN, i.s_caption  , (SELECT (CASE naimen WHEN 0 THEN 'Готовая "
          "продукция' ELSE 'Заготовки' END)) as nmn, count(o_id) norma, min(price)::numeric cena, oper.id, oper.i_id, "
          "oper.VID as oper_vid  from accounts_dep.norm,accounts_dep.OPER,accounts_dep.IZDEL,accounts_dep.VID_OPER, "
          "cmn_classifier.item i where OPER.i_id=IZDEL.id and norm.o_id=oper.id and oper.vid=vid_oper.id and i.id "
          "=izdel.id_class_item group by izdel.MARKA, vid_oper.VID, oper.NAIMEN, oper.id, oper.i_id, oper.VID, "
          "i.s_caption   order by izdel.marka, vid_oper.vid, oper.naimen"))
    , Vid_oper(QStringLiteral("select * from accounts_dep.VID_OPER order by vid"))
    , Smena1(shiftListSql(1))
    , Smena2(shiftListSql(2))
    , Smena3(shiftListSql(3))
    , Smena4(shiftListSql(4))
    , Oper_ins(QStringLiteral("insert into accounts_dep.oper(vid, naimen, i_id, cena_new) values (:oper_vid, :naimen, :i_id, :cena_new)"))
    , Oper_ed(QStringLiteral("update accounts_dep.oper set vid=:oper_vid, naimen=:naimen,  i_id=:i_id, cena_new=:cena_new where id=:id"))
    , Oper_del(QStringLiteral("delete from accounts_dep.oper where id=:id"))
{
    for (Dataset *list : {&Smena1, &Smena2, &Smena3, &Smena4}) {
        list->setParam(QStringLiteral("data"), QDate::currentDate());
        list->setParam(QStringLiteral("ok"), QString());
    }
}

bool TDataModule6::connectDatabase(const QStringList &arguments, QString *error)
{
    m_connectionString = Connection::connectionStringFromArguments(arguments);
    return Connection::open(QString::fromLatin1(kMainConnection), m_connectionString, error);
}

Dataset &TDataModule6::shiftList(int shift)
{
    switch (shift) {
    case 2: return Smena2;
    case 3: return Smena3;
    case 4: return Smena4;
    default: return Smena1;
    }
}

bool TDataModule6::CheckDuplicate(const QString &countSql, const QString &message)
{
    Control.close();
    Control.clearSql();
    Control.addSql(countSql);
    Control.open();
    const bool duplicate = Control.value(QStringLiteral("cnt")).toInt() > 0;
    Control.close();
    if (duplicate)
        Msg::error(message);
    return duplicate;
}

QString TDataModule6::ReplaceDecimalSeparator(const QString &text) const
{
    qsizetype at = text.indexOf(QLatin1Char(','));
    if (at < 0)
        at = text.indexOf(QLatin1Char('.'));
    if (at < 0)
        return text;
    QString out = text;
    out.replace(at, 1, DbDelim);
    return out;
}
