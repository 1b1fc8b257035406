// The printed reports and the spreadsheet export on a factory's volumes:
// the detailed report by workers over a whole year, prepared from its
// query, next to the query alone (through the program's data layer and
// straight through libpq); then the product export of 10,000 rows to an
// .xlsx file.
#include "Unit20.h"
#include "benchsupport.h"
#include "connection.h"
#include "dataset.h"
#include "excelwriter.h"
#include "periodreports.h"
#include "spreadsheet.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <libpq-fe.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const Bench::Target target = Bench::targetFromArguments(QCoreApplication::arguments().mid(1));
    Bench::openProgramConnection(target);
    PGconn *raw = Bench::rawConnection(target);

    // The last twelve whole months.
    const QDate today = QDate::currentDate();
    const QDate to(today.year(), today.month(), 1);
    const QDate from = to.addYears(-1);
    const int positions = selectValue(QStringLiteral("select count(*) from accounts_dep.smena where data >= '%1' and data < '%2'")
                                          .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate)))
                              .toInt();
    std::printf("period %s .. %s (not included): %d shift positions\n", qPrintable(from.toString(QStringLiteral("dd.MM.yyyy"))),
                qPrintable(to.toString(QStringLiteral("dd.MM.yyyy"))), positions);

    const PeriodReports::ReportRun r = PeriodReports::report(PeriodReports::Kind::WorkersDetailed);
    Dataset &query = *r.query;
    PeriodReports::setPeriod(query, r.dateParameters, from, to);
    const int runs = 3;

    const double queryMs = Bench::medianMs(runs, [&] {
        query.close();
        query.open();
    });
    const double peakAfterQuery = Bench::peakMemoryMiB();
    QStringList names;
    const QString sql = Bench::positional(query.sql(), &names);
    QStringList values;
    for (const QString &n : names)
        values << (n.mid(4).toInt() % 2 ? from : to).toString(Qt::ISODate);

    // What the report button does: query opened, pages laid out.
    const double reportMs = Bench::medianMs(runs, [&] { PeriodReports::prepare(r, from, to, PeriodReports::AllProducts); });
    // The laying out alone, over the open query.
    const double prepareOnlyMs = Bench::medianMs(runs, [&] { r.form->prepare(); });
    const int pages = r.form->document().pageCount();
    const int rows = query.recordCount();
    query.close();
    const double peakAfterReport = Bench::peakMemoryMiB();
    const double libpqMs = Bench::medianMs(runs, [&] { Bench::rawQuery(raw, sql, values); });

    std::printf("\ndetailed report by workers, one year\n");
    std::printf("  rows of the query            %10d\n", rows);
    std::printf("  pages                        %10d\n", pages);
    std::printf("  query, libpq (ms)            %10.0f\n", libpqMs);
    std::printf("  query, program (ms)          %10.0f\n", queryMs);
    std::printf("  laying out the pages (ms)    %10.0f\n", prepareOnlyMs);
    std::printf("  query and pages (ms)         %10.0f   %.2f x the query\n", reportMs, reportMs / queryMs);
    std::printf("  peak memory, query (MiB)     %10.0f\n", peakAfterQuery);
    std::printf("  peak memory, report (MiB)    %10.0f\n", peakAfterReport);

    // The product export over 10,000 rows shaped like its query's.
    QTemporaryDir dir;
    Spreadsheet::XlsxApplication xlsx;
    xlsx.setOpenAfterSaving(false);
    Spreadsheet::ProviderScope scope([&xlsx](QString *) { return &xlsx; });
    Dataset rowsOf10k(QStringLiteral(
        "select (i % 900 + 1)::numeric as kolvo, 'Покраска порошковая' as vid, 'Шкафы металлические ' || (i / 100) as nom, "
        "(i % 2)::smallint as naimen, case i % 3 when 0 then 0 when 1 then 1 else 7035 end as color, "
        "(i % 900 + 1) * 1.25 as mass from generate_series(1, 10000) i "
        "where :data1::date is not null and :data2::date is not null order by nom"));
    const double exportQueryMs = Bench::medianMs(runs, [&] {
        rowsOf10k.setParam(QStringLiteral("data1"), from);
        rowsOf10k.setParam(QStringLiteral("data2"), to);
        rowsOf10k.close();
        rowsOf10k.open();
        rowsOf10k.close();
    });
    int n = 0;
    QString file;
    const double exportMs = Bench::medianMs(runs, [&] {
        file = dir.filePath(QStringLiteral("export%1.xlsx").arg(++n));
        xlsx.setFixedFile(file);
        ExcelWriter writer;
        PeriodReports::exportProducts(rowsOf10k, writer, from, to, PeriodReports::AllProducts, [](const QString &) {});
    });
    std::printf("\nproduct export, 10,000 rows\n");
    std::printf("  query (ms)                   %10.0f\n", exportQueryMs);
    std::printf("  query, cells and file (ms)   %10.0f\n", exportMs);
    std::printf("  file size (KiB)              %10.0f\n", QFileInfo(file).size() / 1024.0);
    std::printf("  peak memory (MiB)            %10.0f\n", Bench::peakMemoryMiB());
    PQfinish(raw);
    return 0;
}
