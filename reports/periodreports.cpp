#include "periodreports.h"
#include "Unit16.h"
#include "Unit17.h"
#include "Unit20.h"
#include "Unit21.h"
#include "dataset.h"
#include "excelwriter.h"
#include "reportnumber.h"

#include <QGuiApplication>
#include <QLocale>

namespace PeriodReports {

namespace {

template <class Form>
Form *ensure(Form *&global)
{
    if (!global)
        global = new Form(qApp);
    return global;
}

// Closes a query when the work with it ends, also by an exception.
struct Closer
{
    Dataset &query;
    ~Closer() { query.close(); }
};

} // namespace

ReportRun report(Kind kind)
{
    switch (kind) {
    case Kind::Workers:
        return {ensure(Form16), Form16->t_Report, 12, QStringLiteral("   Отчет по рабочим за период с ")};
    case Kind::Products:
        return {ensure(Form17), Form17->t_Report, 2, QStringLiteral("   Отчет по продукции за период с ")};
    case Kind::WorkersDetailed:
        return {ensure(Form20), Form20->w_Report, 22, QStringLiteral("   Детальный отчет по рабочим за период с ")};
    case Kind::ProductsDetailed:
        return {ensure(Form21), Form21->i_Report, 2, QStringLiteral("   Детальный отчет по продукции за период с ")};
    }
    return {};
}

void setPeriod(Dataset &query, int dateParameters, const QDate &from, const QDate &to)
{
    for (int i = 1; i <= dateParameters; ++i)
        query.setParam(QStringLiteral("data%1").arg(i), i % 2 == 1 ? from : to);
}

void setProductKind(Dataset &query, int productKind)
{
    switch (productKind) {
    case FinishedProducts:
        query.setFilter(QStringLiteral("naimen=0"));
        query.setFiltered(true);
        break;
    case Blanks:
        query.setFilter(QStringLiteral("naimen=1"));
        query.setFiltered(true);
        break;
    default:
        query.setFiltered(false);
        break;
    }
}

QString title(const QString &prefix, const QDate &from, const QDate &to)
{
    const QString form = QStringLiteral("dd.MM.yyyy");
    return prefix + from.toString(form) + QStringLiteral(" по ") + to.toString(form);
}

void prepare(const ReportRun &r, const QDate &from, const QDate &to, int productKind)
{
    r.query->close();
    setPeriod(*r.query, r.dateParameters, from, to);
    setProductKind(*r.query, productKind);
    r.query->open();
    r.form->titleLabel()->setCaption(title(r.titlePrefix, from, to));
    r.form->prepare();
}

QString productExportSql()
{
    return QStringLiteral(
        "select sum(smena.kol_vo-smena.brak)::numeric as kolvo, vid_oper.vid, izdel.nom, oper.naimen, "
        "color,izdel.massa*sum(smena.kol_vo-smena.brak) as mass  from accounts_dep.smena,accounts_dep.izdel,"
        "accounts_dep.vid_oper, accounts_dep.oper where izdel.id=smena.i_id and vid_oper.id=oper.vid and "
        "oper.id=smena.o_id and smena.data<:data2 and smena.data>=:data1  group by izdel.nom,color, oper.naimen, "
        "vid_oper.vid, izdel.massa order by izdel.nom");
}

QString progressCaption(int done, int total)
{
    return QStringLiteral("Excel (%1 из %2)").arg(done).arg(total);
}

bool exportProducts(Dataset &XLS_Rep, ExcelWriter &writer, const QDate &from, const QDate &to, int productKind,
                    const std::function<void(const QString &)> &setCaption)
{
    XLS_Rep.close();
    XLS_Rep.setParam(QStringLiteral("data1"), from);
    XLS_Rep.setParam(QStringLiteral("data2"), to);
    setProductKind(XLS_Rep, productKind);
    Closer closer{XLS_Rep};
    XLS_Rep.open();

    if (writer.OpenWorkbook(QString()) == -1)
        return false;
    const int total = XLS_Rep.recordCount();
    if (setCaption)
        setCaption(progressCaption(0, total));

    const QStringList heading = {QStringLiteral("Наименование"), QStringLiteral("Операция"),
                                 QStringLiteral("Вид продукции"), QStringLiteral("Коробки"), QStringLiteral("Кол-во")};
    for (int c = 0; c < heading.size(); ++c)
        writer.WriteCell(1, c + 1, 1, heading[c], false, false, false);

    const QChar point = QLocale().decimalPoint().at(0);
    const auto number = [](const QVariant &v) {
        return v.isNull() ? ::Report::Number() : ::Report::Number::parse(v.toString()).value_or(::Report::Number());
    };
    for (int i = 0; i < total; ++i) {
        const int row = i + 2;
        QString operation = XLS_Rep.valueAt(i, QStringLiteral("vid")).toString();
        const int color = XLS_Rep.valueAt(i, QStringLiteral("color")).toInt();
        if (color > 0)
            operation += color == 1 ? QStringLiteral(" (грунт)") : QStringLiteral(" (цвет: %1)").arg(color);
        const bool finished = XLS_Rep.valueAt(i, QStringLiteral("naimen")).toInt() == 0;
        const QVariant mass = XLS_Rep.valueAt(i, QStringLiteral("mass"));
        writer.WriteCell(1, 1, row, XLS_Rep.valueAt(i, QStringLiteral("nom")).toString(), false, false, false);
        writer.WriteCell(1, 2, row, operation, false, false, false);
        writer.WriteCell(1, 3, row, finished ? QStringLiteral("Готовая продукция") : QStringLiteral("Заготовки"), false,
                         false, false);
        writer.WriteCell(1, 4, row, number(mass).toGeneral(point), false, false, false);
        writer.WriteCell(1, 5, row, number(XLS_Rep.valueAt(i, QStringLiteral("kolvo"))).toFixed(0), false, false, false);
        if (setCaption)
            setCaption(progressCaption(i + 1, total));
    }
    return writer.SetVisible(true) != -1;
}

} // namespace PeriodReports
