#include "factory.h"
#include "sqltext.h"

using SqlText::quoted;

int Factory::insert(const QString &sql)
{
    return m_db.value(sql + QStringLiteral(" returning id")).toInt();
}

int Factory::group(const QString &caption)
{
    return insert(QStringLiteral("insert into cmn_classifier.item(s_caption, b_excluded) values(%1, 0)").arg(quoted(caption)));
}

int Factory::kind(const QString &name)
{
    return insert(QStringLiteral("insert into accounts_dep.vid_oper(vid) values(%1)").arg(quoted(name)));
}

int Factory::product(const QString &mark, int groupId, double massa)
{
    return insert(QStringLiteral("insert into cmn_gds_and_srv.gds_and_srv(s_caption, s_description, id_msm_bs, massa, "
                                 "id_class_item) values(%1, '', 6, %2, %3)")
                      .arg(quoted(mark), SqlText::number(massa))
                      .arg(groupId));
}

int Factory::operation(int productId, int kindId, int stage, const QList<double> &prices)
{
    const int id = insert(QStringLiteral("insert into accounts_dep.oper(vid, naimen, i_id, cena_new) values(%1, %2, %3, 0)")
                              .arg(kindId)
                              .arg(stage)
                              .arg(productId));
    for (double price : prices)
        m_db.exec(QStringLiteral("insert into accounts_dep.norm(o_id, price, norma, prize) values(%1, %2, 1, 0)")
                      .arg(id)
                      .arg(SqlText::number(price)));
    return id;
}

int Factory::worker(const QString &fio, const QString &position)
{
    return insert(QStringLiteral("insert into accounts_dep.person(fio, s_staffpos_hl) values(%1, %2)")
                      .arg(quoted(fio), quoted(position)));
}

int Factory::position(const Position &p)
{
    return insert(QStringLiteral("insert into accounts_dep.smena(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, "
                                 "time, vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) "
                                 "values(%1, %2, %3, %4, %5, %6, to_date('%7', 'DD.MM.YYYY'), %8, %9, %10, current_date, %11, "
                                 "0, 0, 0, 0, 0, 0)")
                      .arg(p.worker)
                      .arg(p.product)
                      .arg(p.operation)
                      .arg(SqlText::number(p.price))
                      .arg(p.quantity)
                      .arg(p.defects)
                      .arg(SqlText::date(p.day))
                      .arg(p.shift)
                      .arg(p.colour)
                      .arg(p.hours)
                      .arg(quoted(p.ok)));
}

QVariant Factory::hoursCell(int worker, int shift, const QDate &day) const
{
    return m_db.value(QStringLiteral("select d%1 from accounts_dep.h_tabel where w_id=%2 and smena=%3 and month=%4 and year=%5")
                          .arg(day.day())
                          .arg(worker)
                          .arg(shift)
                          .arg(day.month())
                          .arg(day.year()));
}
