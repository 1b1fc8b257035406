#pragma once

#include <QDate>
#include <QString>
#include <functional>

class Dataset;
class ExcelWriter;
class ReportForm;

// What the summary reports window and the batch mode share: running one of
// the four period reports and the product summary export.
namespace PeriodReports {

enum class Kind { Workers, Products, WorkersDetailed, ProductsDetailed };

// The kind of product, as the window's "Вид продукции" numbers it.
enum ProductKind { AllProducts = 0, FinishedProducts = 1, Blanks = 2 };

// The layout of a report (created when the program has not yet created
// it), its query, the number of its date parameters and its title prefix.
struct ReportRun
{
    ReportForm *form;
    Dataset *query;
    int dateParameters;
    QString titlePrefix;
};
ReportRun report(Kind kind);

// Odd date parameters (data1, data3, ...) get the first day of the period,
// even ones its end, which is not included.
void setPeriod(Dataset &query, int dateParameters, const QDate &from, const QDate &to);
// The product-kind filter over the read rows: off, "naimen=0" or "naimen=1".
void setProductKind(Dataset &query, int productKind);
// Title prefix, the two dates as DD.MM.YYYY joined by " по ".
QString title(const QString &prefix, const QDate &from, const QDate &to);

// Closes the report's query, sets its dates and filter, opens it, writes the
// title and prepares the pages. The query stays open for the preview; the
// caller closes it. Throws DbError when the query cannot be opened.
void prepare(const ReportRun &report, const QDate &from, const QDate &to, int productKind);

// The product summary export's query.
QString productExportSql();

// The product summary export over XLS_Rep: a new workbook with the heading
// row and a row per nomenclature group, colour, stage and kind of
// operation; the caption callback gets "Excel (n из N)" as the rows go.
// False when the workbook could not be opened or handed over (the user has
// been told). Throws DbError when the query cannot be opened; XLS_Rep is
// closed in every case.
bool exportProducts(Dataset &XLS_Rep, ExcelWriter &writer, const QDate &from, const QDate &to, int productKind,
                    const std::function<void(const QString &)> &setCaption);

// "Excel (n из N)".
QString progressCaption(int done, int total);

} // namespace PeriodReports
