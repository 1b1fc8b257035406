// The report engine: numbers and masks, expressions, laying out pages
// (groups, totals, page breaks, keep-together), painting to PDF, preview.

#include "dberror.h"
#include "modal.h"
#include "report.h"

#include <QDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Report;

namespace {

// One row of named values for expressions.
class Row : public FieldReader
{
public:
    Row(const QStringList &names, const QVariantList &values) : m_names(names), m_values(values) {}
    int resolve(const QString &name) const
    {
        for (int i = 0; i < m_names.size(); ++i)
            if (m_names[i].compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    Value field(int i) const override
    {
        const QVariant v = m_values[i];
        if (v.isNull())
            return Value();
        if (v.typeId() == QMetaType::QString)
            return Value::number(*Number::parse(v.toString()));
        if (v.typeId() == QMetaType::Int)
            return Value::number(Number(v.toInt()));
        return Value::string(v.toString());
    }
    void set(int i, const QVariant &v) { m_values[i] = v; }

private:
    QStringList m_names;
    QVariantList m_values;
};

QString evaluate(const QString &expr, Row &row)
{
    const Expression e = Expression::compile(expr, [&](const QString &n) { return row.resolve(n); });
    return e.evaluate(row).toText();
}

QStringList texts(const PlacedBand *band)
{
    return band ? band->texts() : QStringList();
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void masks_data();
    void masks();
    void exactTotals();
    void expressions_data();
    void expressions();
    void expressionErrors_data();
    void expressionErrors();
    void groupsAndTotals();
    void emptyReport();
    void pageBreaks();
    void keepTogether_data();
    void keepTogether();
    void pdfKeepsCyrillic();
    void preview();
};

void TestReportEngine::masks_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");
    // Half away from zero on the exact value: 1.005 and 0.125 are halves
    // that a double would round down.
    QTest::newRow("two decimals") << "2.345" << "#0.00" << "2.35";
    QTest::newRow("negative half") << "-2.345" << "#0.00" << "-2.35";
    QTest::newRow("1.005") << "1.005" << "#0.00" << "1.01";
    QTest::newRow("0.125") << "0.125" << "#0.00" << "0.13";
    QTest::newRow("three decimals") << "12.3" << "#0.000" << "12.300";
    QTest::newRow("no decimals") << "12.5" << "#0" << "13";
    QTest::newRow("leading zero kept") << "0.4" << "#0.00" << "0.40";
    QTest::newRow("negative zero") << "-0.001" << "#0.00" << "0.00";
    QTest::newRow("carry") << "9.9996" << "#0.000" << "10.000";
    QTest::newRow("general strips zeros") << "12.5000" << "" << "12.5";
    QTest::newRow("general whole") << "7.00" << "" << "7";
    QTest::newRow("general 15 digits") << "1234567.1234567891" << "" << "1234567.12345679";
    QTest::newRow("exponent text") << "1.5e-05" << "" << "0.000015";
}

void TestReportEngine::masks()
{
    QFETCH(QString, value);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    const auto n = Number::parse(value);
    QVERIFY(n);
    QCOMPARE(formatNumber(*n, mask), expected);
}

void TestReportEngine::exactTotals()
{
    // Three amounts of 0.01 without the regional coefficient are 0.025,
    // exactly half a kopeck: it rounds up, and the same total reached as
    // sum(x)/1.2 and as sum(x/1.2) prints the same.
    Row row({QStringLiteral("x")}, {QStringLiteral("0.01")});
    const auto resolve = [&](const QString &n) { return row.resolve(n); };
    Expression each = Expression::compile(QStringLiteral("sum(x/1.2)"), resolve);
    Expression whole = Expression::compile(QStringLiteral("sum(x)/1.2"), resolve);
    for (int i = 0; i < 3; ++i) {
        each.accumulate(row);
        whole.accumulate(row);
    }
    QCOMPARE(formatNumber(each.evaluate(row).num, QStringLiteral("#0.00")), QStringLiteral("0.03"));
    QCOMPARE(formatNumber(whole.evaluate(row).num, QStringLiteral("#0.00")), QStringLiteral("0.03"));
    QVERIFY(each.evaluate(row).num == whole.evaluate(row).num);

    // A year of kopecks adds up to the kopeck.
    Row cent({QStringLiteral("x")}, {QStringLiteral("0.10")});
    Expression sum = Expression::compile(QStringLiteral("sum(x)"), [&](const QString &n) { return cent.resolve(n); });
    for (int i = 0; i < 100000; ++i)
        sum.accumulate(cent);
    QCOMPARE(sum.evaluate(cent).num.toGeneral(), QStringLiteral("10000"));
    sum.reset();
    QCOMPARE(sum.evaluate(cent).num.toGeneral(), QStringLiteral("0"));
}

void TestReportEngine::expressions_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QVariant>("naimen");
    QTest::addColumn<QVariant>("color");
    QTest::addColumn<QString>("expected");
    const QString stage = QStringLiteral("IF(naimen=0,'Готовая продукция','Заготовки')");
    const QString colour = QStringLiteral("if(color>0,if(color=1,' (грунт)',' (RAL: '+STR(color)+')'),' ')");
    QTest::newRow("finished") << stage << QVariant(0) << QVariant(0) << "Готовая продукция";
    QTest::newRow("blanks") << stage << QVariant(1) << QVariant(0) << "Заготовки";
    QTest::newRow("other stage") << stage << QVariant(5) << QVariant(0) << "Заготовки";
    QTest::newRow("no colour") << colour << QVariant(0) << QVariant(0) << " ";
    QTest::newRow("primer") << colour << QVariant(0) << QVariant(1) << " (грунт)";
    QTest::newRow("RAL") << colour << QVariant(0) << QVariant(1017) << " (RAL: 1017)";
    QTest::newRow("names ignore case") << "NAIMEN+Color" << QVariant(2) << QVariant(3) << "5";
    QTest::newRow("empty counts as 0") << "naimen+color" << QVariant() << QVariant(4) << "4";
    QTest::newRow("division by zero") << "color/naimen" << QVariant(0) << QVariant(8) << "0";
    QTest::newRow("precedence") << "naimen+color*2-(1)" << QVariant(1) << QVariant(3) << "6";
    QTest::newRow("quote in text") << "'it''s'" << QVariant(0) << QVariant(0) << "it's";
}

void TestReportEngine::expressions()
{
    QFETCH(QString, expression);
    QFETCH(QVariant, naimen);
    QFETCH(QVariant, color);
    QFETCH(QString, expected);
    Row row({QStringLiteral("naimen"), QStringLiteral("color")}, {naimen, color});
    QCOMPARE(evaluate(expression, row), expected);
}

void TestReportEngine::expressionErrors_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("fragment");
    QTest::newRow("unknown field") << "summa+1" << "нет поля «summa»";
    QTest::newRow("unknown function") << "avg(x)" << "нет функции «avg»";
    QTest::newRow("open quote") << "'abc" << "не закрыта кавычка";
    QTest::newRow("missing bracket") << "IF(x=0,1,2" << "ожидается «)»";
    QTest::newRow("nested sum") << "sum(sum(x))" << "sum внутри sum";
}

void TestReportEngine::expressionErrors()
{
    QFETCH(QString, expression);
    QFETCH(QString, fragment);
    Row row({QStringLiteral("x")}, {QStringLiteral("1")});
    try {
        Expression::compile(expression, [&](const QString &n) { return row.resolve(n); });
        QFAIL("no error");
    } catch (const UserError &e) {
        QVERIFY2(e.message().contains(fragment), qPrintable(e.message()));
    }
}

namespace {

// Workers (outer group) and products (inner group) with amounts; totals in
// both footers and the report footer.
void twoLevels(Layout &layout)
{
    layout.setNumericFields({QStringLiteral("x"), QStringLiteral("f")});
    const int w = layout.addGroup(QStringLiteral("w"));
    const int p = layout.addGroup(QStringLiteral("p"));
    layout.addBand(BandKind::ReportHeader, 10)->addLabel(QRectF(0, 0, 100, 10), QStringLiteral("Отчет"));
    Band *wh = layout.addBand(BandKind::GroupHeader, 8, w);
    wh->name = QStringLiteral("wHeader");
    wh->addField(QRectF(0, 0, 100, 8), QStringLiteral("w"));
    Band *ph = layout.addBand(BandKind::GroupHeader, 8, p);
    ph->name = QStringLiteral("pHeader");
    ph->addField(QRectF(0, 0, 100, 8), QStringLiteral("p"));
    Band *d = layout.addBand(BandKind::Detail, 5);
    d->addField(QRectF(0, 0, 50, 5), QStringLiteral("p"));
    d->addField(QRectF(50, 0, 50, 5), QStringLiteral("x"), QStringLiteral("#0.00"));
    Band *pf = layout.addBand(BandKind::GroupFooter, 5, p);
    pf->name = QStringLiteral("pFooter");
    pf->addField(QRectF(50, 0, 50, 5), QStringLiteral("sum(x)"), QStringLiteral("#0.00"));
    pf->addField(QRectF(100, 0, 50, 5), QStringLiteral("sum(x/1.2)"), QStringLiteral("#0.00"));
    Band *wf = layout.addBand(BandKind::GroupFooter, 5, w);
    wf->name = QStringLiteral("wFooter");
    wf->addField(QRectF(50, 0, 50, 5), QStringLiteral("sum(x)"), QStringLiteral("#0.00"));
    wf->addField(QRectF(100, 0, 50, 5), QStringLiteral("sum(x)+f"), QStringLiteral("#0.00"));
    Band *rf = layout.addBand(BandKind::ReportFooter, 6);
    rf->addLabel(QRectF(0, 0, 50, 6), QStringLiteral("Итого:"));
    rf->addField(QRectF(50, 0, 50, 6), QStringLiteral("sum(x)"), QStringLiteral("#0.00"));
    rf->addField(QRectF(100, 0, 50, 6), QStringLiteral("f"));
    layout.addBand(BandKind::PageFooter, 6)->addPageNumber(QRectF(150, 0, 40, 6));
}

} // namespace

void TestReportEngine::groupsAndTotals()
{
    Layout layout;
    twoLevels(layout);
    const QStringList fields = {QStringLiteral("w"), QStringLiteral("p"), QStringLiteral("x"), QStringLiteral("f")};
    const TableSource rows(fields, {
                                       {"Иванов И.И.", "Болт", "1.10", "5"},
                                       {"Иванов И.И.", "Болт", "2.20", "5"},
                                       {"Иванов И.И.", "Гайка", "0.01", "5"},
                                       {"Петров П.П.", "Гайка", "10", "0"},
                                   });
    const Document doc = prepare(layout, rows);
    QCOMPARE(doc.dump(), QStringLiteral("=== page 1 ===\n"
                                        "reportHeader: Отчет\n"
                                        "wHeader: Иванов И.И.\n"
                                        "pHeader: Болт\n"
                                        "detail: Болт | 1.10\n"
                                        "detail: Болт | 2.20\n"
                                        "pFooter: 3.30 | 2.75\n"
                                        "pHeader: Гайка\n"
                                        "detail: Гайка | 0.01\n"
                                        "pFooter: 0.01 | 0.01\n"
                                        "wFooter: 3.31 | 8.31\n"
                                        "wHeader: Петров П.П.\n"
                                        "pHeader: Гайка\n"
                                        "detail: Гайка | 10.00\n"
                                        "pFooter: 10.00 | 8.33\n"
                                        "wFooter: 10.00 | 10.00\n"
                                        "reportFooter: Итого: | 13.31 | 0\n"
                                        "pageFooter: 1\n"));
}

void TestReportEngine::emptyReport()
{
    Layout layout;
    twoLevels(layout);
    const Document doc = prepare(layout, TableSource({"w", "p", "x", "f"}, {}));
    QCOMPARE(doc.pageCount(), 1);
    // Totals print 0, a plain field of no row prints nothing.
    QCOMPARE(doc.dump(), QStringLiteral("=== page 1 ===\n"
                                        "reportHeader: Отчет\n"
                                        "reportFooter: Итого: | 0.00 | \n"
                                        "pageFooter: 1\n"));
}

void TestReportEngine::pageBreaks()
{
    // 120 detail lines of 5 mm on 271 mm of a page (without the page
    // footer): every page ends with its number, none runs into the footer.
    Layout layout;
    twoLevels(layout);
    QVector<QVariantList> data;
    for (int i = 0; i < 120; ++i)
        data.append({QStringLiteral("Рабочий %1").arg(i / 40), QStringLiteral("Изделие"), QStringLiteral("1"), QStringLiteral("0")});
    const Document doc = prepare(layout, TableSource({"w", "p", "x", "f"}, data));
    QVERIFY(doc.pageCount() >= 3);
    const double bottom = 297 - 10 - 6;
    int details = 0;
    for (int p = 0; p < doc.pageCount(); ++p) {
        const Page &page = doc.pages[p];
        QCOMPARE(page.bands.last().kind, BandKind::PageFooter);
        QCOMPARE(page.bands.last().texts(), QStringList{QString::number(p + 1)});
        QCOMPARE(page.bands.last().top, bottom);
        for (const PlacedBand &b : page.bands) {
            if (b.kind != BandKind::PageFooter)
                QVERIFY2(b.top + b.height <= bottom + 0.001, qPrintable(QStringLiteral("page %1").arg(p + 1)));
            details += b.kind == BandKind::Detail;
        }
    }
    QCOMPARE(details, 120);
    QCOMPARE(texts(doc.find(BandKind::ReportFooter).value(0)).value(1), QStringLiteral("120.00"));
}

void TestReportEngine::keepTogether_data()
{
    QTest::addColumn<int>("rowsOfFirstGroup");
    QTest::addColumn<int>("pageOfSecondHeader");
    // After the first group 25 mm are left: the second header (10 mm)
    // would fit, but not with its footer (20 mm).
    QTest::newRow("header moves") << 21 << 2;
    // 35 mm left: header and footer fit.
    QTest::newRow("header stays") << 20 << 1;
}

void TestReportEngine::keepTogether()
{
    QFETCH(int, rowsOfFirstGroup);
    QFETCH(int, pageOfSecondHeader);
    Layout layout;
    const int g = layout.addGroup(QStringLiteral("g"));
    layout.addBand(BandKind::ReportHeader, 6);
    layout.addBand(BandKind::GroupHeader, 10, g)->addField(QRectF(0, 0, 50, 10), QStringLiteral("g"));
    layout.addBand(BandKind::Detail, 10);
    layout.addBand(BandKind::GroupFooter, 20, g);
    layout.addBand(BandKind::PageFooter, 6);
    QVector<QVariantList> data;
    for (int i = 0; i < rowsOfFirstGroup; ++i)
        data.append({QStringLiteral("A")});
    data.append({QStringLiteral("B")});
    const Document doc = prepare(layout, TableSource({"g"}, data));
    const auto headers = doc.find(BandKind::GroupHeader);
    QCOMPARE(headers.size(), 2);
    int page = 0;
    for (int p = 0; p < doc.pageCount(); ++p)
        for (const PlacedBand &b : doc.pages[p].bands)
            if (&b == headers[1])
                page = p + 1;
    QCOMPARE(page, pageOfSecondHeader);
}

void TestReportEngine::pdfKeepsCyrillic()
{
    Layout layout;
    twoLevels(layout);
    const Document doc = prepare(layout, TableSource({"w", "p", "x", "f"}, {{"Щукин Ё.Ж.", "Гайка", "1", "0"}}));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("отчет.pdf"));
    QString why;
    QVERIFY2(doc.savePdf(file, &why), qPrintable(why));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(out.contains(QStringLiteral("Щукин Ё.Ж.")) && out.contains(QStringLiteral("Итого:")), qPrintable(out));

    QVERIFY(!doc.savePdf(dir.filePath(QStringLiteral("нет/такой/папки/отчет.pdf")), &why));
    QVERIFY2(why.contains(QStringLiteral("Не удалось")), qPrintable(why));
}

void TestReportEngine::preview()
{
    Layout layout;
    twoLevels(layout);
    QVector<QVariantList> data;
    for (int i = 0; i < 100; ++i)
        data.append({QStringLiteral("Рабочий"), QStringLiteral("Изделие"), QStringLiteral("1"), QStringLiteral("0")});
    const Document doc = prepare(layout, TableSource({"w", "p", "x", "f"}, data));
    int shown = 0;
    Modal::Scope scope([&](QDialog *dialog) {
        ++shown;
        auto *preview = qobject_cast<QPrintPreviewDialog *>(dialog);
        auto *view = dialog->findChild<QPrintPreviewWidget *>();
        if (!preview || !view)
            return 0;
        view->updatePreview();
        [&] {
            QCOMPARE(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
            QVERIFY(dialog->windowState() & Qt::WindowMaximized);
            QCOMPARE(view->pageCount(), doc.pageCount());
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Отчет за май"));
        }();
        return 0;
    });
    doc.preview(QStringLiteral("   Отчет за май"));
    QCOMPARE(shown, 1);
}

QTEST_MAIN(TestReportEngine)
#include "tst_report_engine.moc"
