// The five printed layouts on a small factory month: every printed line,
// grand totals against the layouts' own queries run in SQL, the product-kind
// filter, and the batch mode that prints and exports without windows.

#include "Unit15.h"
#include "Unit16.h"
#include "Unit17.h"
#include "Unit20.h"
#include "Unit21.h"
#include "batch.h"
#include "dataset.h"
#include "periodreports.h"
#include "modal.h"
#include "reportfixture.h"

#include <QDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using PeriodReports::Kind;
Q_DECLARE_METATYPE(PeriodReports::Kind)

namespace {

// Detail lines that the query orders only by their group may come in any
// order within a run: compare them sorted.
QString normalized(const QString &dump)
{
    QStringList out, run;
    for (const QString &line : dump.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("detail:"))) {
            run << line;
            continue;
        }
        run.sort();
        out << run << line;
        run.clear();
    }
    return out.join(QLatin1Char('\n'));
}

QString commandOutput(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Runs the batch mode and keeps what it wrote to the error output.
int runBatch(const QStringList &args, QString *errors, bool connects = true)
{
    std::fflush(stderr);
    int pipefd[2];
    if (pipe(pipefd) != 0)
        return -1;
    const int saved = dup(2);
    dup2(pipefd[1], 2);
    close(pipefd[1]);
    const int code = runReportBatch(args, [connects](const QString &, const QString &, QString *why) {
        if (!connects)
            *why = QStringLiteral("сервер не отвечает");
        return connects; // the test database is open already
    });
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    QByteArray text;
    char buf[4096];
    for (ssize_t n; (n = read(pipefd[0], buf, sizeof buf)) > 0;)
        text.append(buf, n);
    close(pipefd[0]);
    *errors = QString::fromUtf8(text);
    return code;
}

} // namespace

class TestReportLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void pages_data();
    void pages();
    void totalsMatchTheQuery_data();
    void totalsMatchTheQuery();
    void hoursByDay();
    void batch_data();
    void batch();

private:
    TestDb *m_db = nullptr;
};

void TestReportLayouts::initTestCase()
{
    m_db = new TestDb(QStringLiteral("report_layouts"));
    ReportFixture fixture(*m_db);
}

void TestReportLayouts::cleanupTestCase()
{
    delete m_db;
}

void TestReportLayouts::pages_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<int>("productKind");
    QTest::addColumn<QString>("expected");
    const QDate from = ReportFixture::from();
    const QDate to = ReportFixture::to();

    QTest::newRow("products") << Kind::Products << from << to << 0 << QStringLiteral(
        "=== page 1 ===\n"
        "reportHeader:    Отчет по продукции за период с 01.11.2026 по 01.12.2026 | Коробки | Количество\n"
        "spacer:\n"
        "nomHeader: Каркасы\n"
        "detail: Готовая продукция | Сварка |   | 14 | 28\n"
        "detail: Заготовки | Сварка |   | 130 | 104\n"
        "detail: Заготовки | Покраска |  (грунт) | 14.5 | 29\n"
        "detail: Заготовки | Покраска |  (RAL: 1017) | 6 | 12\n"
        "nomFooter: 164.5 | 173\n"
        "nomHeader: Рамы\n"
        "detail: Готовая продукция | Сварка |   | 14 | 7\n"
        "detail: Готовая продукция | Покраска |  (RAL: 1017) | 6 | 3\n"
        "nomFooter: 20 | 10\n"
        "reportFooter: Итого: | 185 | 183\n"
        "pageFooter: 1\n");

    QTest::newRow("products detailed") << Kind::ProductsDetailed << from << to << 0 << QStringLiteral(
        "=== page 1 ===\n"
        "reportHeader:    Детальный отчет по продукции за период с 01.11.2026 по 01.12.2026 | Брак | Коробки | Кол-во | Сумма\n"
        "spacer:\n"
        "nomHeader: Каркасы\n"
        "detail: КР-100 | Покраска | 1 | Заготовки | 1 | 15 | 30 | 72.500\n"
        "detail: КР-100 | Покраска | 1017 | Заготовки | 0 | 6 | 12 | 30.000\n"
        "detail: КР-100 | Сварка | 0 | Готовая продукция | 2 | 15 | 30 | 284.200\n"
        "detail: КР-200 | Сварка | 0 | Заготовки | 5 | 136.25 | 109 | 109.200\n"
        "nomFooter: 8 | 172.25 | 181 | 495.90\n"
        "nomHeader: Рамы\n"
        "detail: РМ-1 | Покраска | 1017 | Готовая продукция | 0 | 6 | 3 | 12.000\n"
        "detail: РМ-1 | Сварка | 0 | Готовая продукция | 0 | 14 | 7 | 51.331\n"
        "nomFooter: 0 | 20.00 | 10 | 63.33\n"
        "reportFooter: Итого: | 8 | 192.25 | 191 | 559.23\n"
        "pageFooter: 1\n");

    // Group totals with the worker's maintenance work (1204 by day and 721
    // by night in "Каркасы") and average piecework (600 in "Рамы"); the
    // worker's whole adds all of his hourly work (2525).
    QTest::newRow("workers") << Kind::Workers << from << to << 0 << QStringLiteral(
        "=== page 1 ===\n"
        "reportHeader:    Отчет по рабочим за период с 01.11.2026 по 01.12.2026\n"
        "spacer:\n"
        "workerHeader: Иванов И.И. | Сумма без Р/К\n"
        "nomHeader: Каркасы\n"
        "detail: Заготовки | Покраска |  (грунт) | 29 | 72.500\n"
        "detail: Готовая продукция | Сварка |   | 28 | 284.200\n"
        "nomFooter: Хоз.р.: | 1925 | Ср. сд.: | 0 | 57 | 356.700 | 297.250\n"
        "nomFooter2: Итого: | 2281.700 | 1901.417\n"
        "nomHeader: Рамы\n"
        "detail: Готовая продукция | Сварка |   | 7 | 51.330\n"
        "nomFooter: Хоз.р.: | 0 | Ср. сд.: | 600 | 7 | 51.330 | 42.775\n"
        "nomFooter2: Итого: | 651.330 | 542.775\n"
        "workerFooter: 408.03 | 340.03\n"
        "workerFooter2: 2933.030 | 2444.192\n"
        "workerHeader: Петров П.П. | Сумма без Р/К\n"
        "nomHeader: Каркасы\n"
        "detail: Заготовки | Покраска |  (RAL: 1017) | 12 | 30.000\n"
        "detail: Заготовки | Сварка |   | 95 | 99.750\n"
        "nomFooter: Хоз.р.: | 0 | Ср. сд.: | 617.25 | 107 | 129.750 | 108.125\n"
        "nomFooter2: Итого: | 747.000 | 622.500\n"
        "nomHeader: Рамы\n"
        "detail: Готовая продукция | Покраска |  (RAL: 1017) | 3 | 12.000\n"
        "nomFooter: Хоз.р.: | 0 | Ср. сд.: | 0 | 3 | 12.000 | 10.000\n"
        "nomFooter2: Итого: | 12.000 | 10.000\n"
        "workerFooter: 141.75 | 118.13\n"
        "workerFooter2: 759.000 | 632.500\n"
        "workerHeader: Сидоров С. | Сумма без Р/К\n"
        "nomHeader: Каркасы\n"
        "detail: Заготовки | Сварка |   | 9 | 9.450\n"
        "nomFooter: Хоз.р.: | 0 | Ср. сд.: | 0 | 9 | 9.450 | 7.875\n"
        "nomFooter2: Итого: | 9.450 | 7.875\n"
        "workerFooter: 9.45 | 7.88\n"
        "workerFooter2: 9.450 | 7.875\n"
        "reportFooter: 559.23 | 466.03 | Хоз.р.: | 1925.00 | 1604.17 | Ср.сд.: | 1217.25 | 1014.38 | Итого: | 3701.48 | 3084.57\n"
        "pageFooter: 1\n");

    // Blanks only: the grand totals cover the rows that pass the filter,
    // the period's maintenance work and average piecework all workers.
    QTest::newRow("workers, blanks") << Kind::Workers << from << to << 2 << QStringLiteral(
        "=== page 1 ===\n"
        "reportHeader:    Отчет по рабочим за период с 01.11.2026 по 01.12.2026\n"
        "spacer:\n"
        "workerHeader: Иванов И.И. | Сумма без Р/К\n"
        "nomHeader: Каркасы\n"
        "detail: Заготовки | Покраска |  (грунт) | 29 | 72.500\n"
        "nomFooter: Хоз.р.: | 1925 | Ср. сд.: | 0 | 29 | 72.500 | 60.417\n"
        "nomFooter2: Итого: | 1997.500 | 1664.583\n"
        "workerFooter: 72.50 | 60.42\n"
        "workerFooter2: 2597.500 | 2164.583\n"
        "workerHeader: Петров П.П. | Сумма без Р/К\n"
        "nomHeader: Каркасы\n"
        "detail: Заготовки | Покраска |  (RAL: 1017) | 12 | 30.000\n"
        "detail: Заготовки | Сварка |   | 95 | 99.750\n"
        "nomFooter: Хоз.р.: | 0 | Ср. сд.: | 617.25 | 107 | 129.750 | 108.125\n"
        "nomFooter2: Итого: | 747.000 | 622.500\n"
        "workerFooter: 129.75 | 108.13\n"
        "workerFooter2: 747.000 | 622.500\n"
        "workerHeader: Сидоров С. | Сумма без Р/К\n"
        "nomHeader: Каркасы\n"
        "detail: Заготовки | Сварка |   | 9 | 9.450\n"
        "nomFooter: Хоз.р.: | 0 | Ср. сд.: | 0 | 9 | 9.450 | 7.875\n"
        "nomFooter2: Итого: | 9.450 | 7.875\n"
        "workerFooter: 9.45 | 7.88\n"
        "workerFooter2: 9.450 | 7.875\n"
        "reportFooter: 211.70 | 176.42 | Хоз.р.: | 1925.00 | 1604.17 | Ср.сд.: | 1217.25 | 1014.38 | Итого: | 3353.95 | 2794.96\n"
        "pageFooter: 1\n");

    // The worker's table; amounts without a mask print in the general form.
    // A worker without hours earns 0 per hour.
    QTest::newRow("workers detailed") << Kind::WorkersDetailed << from << to << 0 << QStringLiteral(
        "=== page 1 ===\n"
        "reportHeader:    Детальный отчет по рабочим за период с 01.11.2026 по 01.12.2026\n"
        "spacer:\n"
        "workerHeader: Иванов И.И. | Часы | Брак | Количество | Сумма\n"
        "detail: КР-100 | Покраска | 1 | Заготовки | 6 | 1 | 30 | 72.50\n"
        "detail: КР-100 | Сварка | 0 | Готовая продукция | 12 | 2 | 30 | 284.20\n"
        "detail: РМ-1 | Сварка | 0 | Готовая продукция | 8 | 0 | 7 | 51.33\n"
        "workerFooter: 3 | 67 | 408.03\n"
        "workerTable: Часы | Сумма с р/к (р.) | Сумма без р/к (р.) | Хоз. раб. (дн.) | 8 | 1204 | 1003.33333333333 | "
        "Хоз. раб. (нч.) | 4 | 721 | 600.833333333333 | Ср. сд. (дн.) | 3 | 600 | 500 | Ср. сд. (нч.) | 0 | 0 | 0 | "
        "Сдел. | 26.00 | 408.03 | 340.03 | Итого: | 41.00 | 2933.03 | 2444.19 | Цена ср. сд. за 1 ч.: |  | 15.69 | 13.08\n"
        "workerHeader: Петров П.П. | Часы | Брак | Количество | Сумма\n"
        "detail: КР-100 | Покраска | 1017 | Заготовки | 8 | 0 | 12 | 30.00\n"
        "detail: КР-200 | Сварка | 0 | Заготовки | 8 | 5 | 100 | 99.75\n"
        "detail: РМ-1 | Покраска | 1017 | Готовая продукция | 2 | 0 | 3 | 12.00\n"
        "workerFooter: 5 | 115 | 141.75\n"
        "workerTable: Часы | Сумма с р/к (р.) | Сумма без р/к (р.) | Хоз. раб. (дн.) | 0 | 0 | 0 | "
        "Хоз. раб. (нч.) | 0 | 0 | 0 | Ср. сд. (дн.) | 0 | 0 | 0 | Ср. сд. (нч.) | 5 | 617.25 | 514.375 | "
        "Сдел. | 18.00 | 141.75 | 118.13 | Итого: | 23.00 | 759.00 | 632.50 | Цена ср. сд. за 1 ч.: |  | 7.88 | 6.56\n"
        "workerHeader: Сидоров С. | Часы | Брак | Количество | Сумма\n"
        "detail: КР-200 | Сварка | 0 | Заготовки | 0 | 0 | 9 | 9.45\n"
        "workerFooter: 0 | 9 | 9.45\n"
        "workerTable: Часы | Сумма с р/к (р.) | Сумма без р/к (р.) | Хоз. раб. (дн.) | 0 | 0 | 0 | "
        "Хоз. раб. (нч.) | 0 | 0 | 0 | Ср. сд. (дн.) | 0 | 0 | 0 | Ср. сд. (нч.) | 0 | 0 | 0 | "
        "Сдел. | 0.00 | 9.45 | 7.88 | Итого: | 0.00 | 9.45 | 7.88 | Цена ср. сд. за 1 ч.: |  | 0.00 | 0.00\n"
        "reportFooter: 191 | 559.23 | Хоз.р.: | 1925.00 | 1604.17 | Ср.сд.: | 1217.25 | 1014.38 | Итого: | 3701.48 | 3084.57\n"
        "pageFooter: 1\n");

    // A period without positions still prints its page.
    QTest::newRow("empty period") << Kind::WorkersDetailed << QDate(2020, 1, 1) << QDate(2020, 2, 1) << 0 << QStringLiteral(
        "=== page 1 ===\n"
        "reportHeader:    Детальный отчет по рабочим за период с 01.01.2020 по 01.02.2020\n"
        "spacer:\n"
        "reportFooter: 0 | 0.00 | Хоз.р.: |  | 0.00 | Ср.сд.: |  | 0.00 | Итого: | 0.00 | 0.00\n"
        "pageFooter: 1\n");
}

void TestReportLayouts::pages()
{
    QFETCH(Kind, kind);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(int, productKind);
    QFETCH(QString, expected);
    const PeriodReports::ReportRun r = PeriodReports::report(kind);
    PeriodReports::prepare(r, from, to, productKind);
    const QString dump = r.form->document().dump();
    r.query->close();
    QCOMPARE(normalized(dump), normalized(expected));
}

void TestReportLayouts::totalsMatchTheQuery_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("productKind");
    QTest::addColumn<QString>("totals"); // over the layout's own query as q
    const QString products = QStringLiteral(
        "'Итого:', to_char(round(sum(mass)), 'FM9999999990'), trim_scale(sum(kolvo))::text");
    const QString productsDetailed = QStringLiteral(
        "'Итого:', sum(brk)::text, trim_scale(sum(mass))::text, trim_scale(sum(kolvo))::text, "
        "to_char(round(sum(summa)::numeric, 2), 'FM9999999990.00')");
    const QString workers = QStringLiteral(
        "to_char(sum(summa), 'FM9999999990.00'), to_char(round(sum(summa) / 1.2, 2), 'FM9999999990.00'), "
        "'Хоз.р.:', to_char(max(f_sum7_all), 'FM9999999990.00'), to_char(round(max(f_sum7_all) / 1.2, 2), 'FM9999999990.00'), "
        "'Ср.сд.:', to_char(max(f_sum8_all), 'FM9999999990.00'), to_char(round(max(f_sum8_all) / 1.2, 2), 'FM9999999990.00'), "
        "'Итого:', to_char(sum(summa) + max(f_sum7_all) + max(f_sum8_all), 'FM9999999990.00'), "
        "to_char(round((sum(summa) + max(f_sum7_all) + max(f_sum8_all)) / 1.2, 2), 'FM9999999990.00')");
    const QString workersDetailed = QStringLiteral(
        "trim_scale(sum(kolvo))::text, to_char(sum(summa), 'FM9999999990.00'), "
        "'Хоз.р.:', to_char(max(f_sum7_all), 'FM9999999990.00'), to_char(round(max(f_sum7_all) / 1.2, 2), 'FM9999999990.00'), "
        "'Ср.сд.:', to_char(max(f_sum8_all), 'FM9999999990.00'), to_char(round(max(f_sum8_all) / 1.2, 2), 'FM9999999990.00'), "
        "'Итого:', to_char(sum(summa) + max(f_sum7_all) + max(f_sum8_all), 'FM9999999990.00'), "
        "to_char(round((sum(summa) + max(f_sum7_all) + max(f_sum8_all)) / 1.2, 2), 'FM9999999990.00')");
    for (int productKind : {0, 1, 2}) {
        const QByteArray suffix = QByteArray(" / kind ") + QByteArray::number(productKind);
        QTest::newRow(("products" + suffix).constData()) << Kind::Products << productKind << products;
        QTest::newRow(("products detailed" + suffix).constData()) << Kind::ProductsDetailed << productKind << productsDetailed;
        QTest::newRow(("workers" + suffix).constData()) << Kind::Workers << productKind << workers;
        QTest::newRow(("workers detailed" + suffix).constData()) << Kind::WorkersDetailed << productKind << workersDetailed;
    }
}

void TestReportLayouts::totalsMatchTheQuery()
{
    QFETCH(Kind, kind);
    QFETCH(int, productKind);
    QFETCH(QString, totals);
    const PeriodReports::ReportRun r = PeriodReports::report(kind);
    PeriodReports::prepare(r, ReportFixture::from(), ReportFixture::to(), productKind);
    const auto footers = r.form->document().find(Report::BandKind::ReportFooter);
    QCOMPARE(footers.size(), 1);
    const QStringList printed = footers[0]->texts();
    r.query->close();

    const QString filter = productKind == 0 ? QString() : QStringLiteral(" where naimen = %1").arg(productKind - 1);
    Dataset check(QStringLiteral("select ") + totals + QStringLiteral(" from (") + r.query->sql() + QStringLiteral(") q") + filter);
    PeriodReports::setPeriod(check, r.dateParameters, ReportFixture::from(), ReportFixture::to());
    check.open();
    QStringList expected;
    for (int i = 0; i < check.fieldNames().size(); ++i)
        expected << check.valueAt(0, i).toString();
    QCOMPARE(printed, expected);
}

void TestReportLayouts::hoursByDay()
{
    // Every hours-sheet row of the worker's month counts, shifts and
    // maintenance work alike; a day without hours prints empty.
    TForm15 form;
    QCOMPARE(form.QRLabel33->caption(), QStringLiteral("Данные за:"));
    QCOMPARE(form.layout().pageLayout().orientation(), QPageLayout::Landscape);
    form.H_Tabel->setParam(QStringLiteral("mnth"), 11);
    form.H_Tabel->setParam(QStringLiteral("yea"), 2026);
    form.H_Tabel->open();
    form.QRLabel33->setCaption(QStringLiteral("Ноябрь 2026 г."));
    const Report::Document &doc = form.prepare();
    const auto line = [](const QString &name, const QMap<int, QString> &days, const QString &total) {
        QStringList cells{name};
        for (int d = 1; d <= 31; ++d)
            cells << days.value(d);
        cells << total;
        return QStringLiteral("detail: ") + cells.join(QStringLiteral(" | ")) + QLatin1Char('\n');
    };
    QStringList header{QStringLiteral("Ноябрь 2026 г.")};
    for (int d = 1; d <= 31; ++d)
        header << QString::number(d);
    header << QStringLiteral("Итого");
    QCOMPARE(doc.dump(), QStringLiteral("=== page 1 ===\nheader: ") + header.join(QStringLiteral(" | ")) + QLatin1Char('\n')
                             + line(QStringLiteral("Иванов И.И."), {{3, "8"}, {4, "4"}, {5, "14"}, {6, "8"}, {7, "4"}}, QStringLiteral("38"))
                             + line(QStringLiteral("Петров П.П."), {{10, "8"}, {11, "8"}, {30, "2"}}, QStringLiteral("18"))
                             + line(QStringLiteral("Сидоров С."), {{12, "0"}}, QStringLiteral("0"))
                             + QStringLiteral("pageFooter: 1\n"));

    // Its preview shows the whole page.
    int previews = 0;
    {
        Modal::Scope scope([&](QDialog *dialog) {
            const auto *view = dialog->findChild<QPrintPreviewWidget *>();
            previews += view && view->zoomMode() == QPrintPreviewWidget::FitInView;
            return 0;
        });
        form.preview();
    }
    QCOMPARE(previews, 1);

    // The header repeats at the top of every page.
    form.H_Tabel->close();
    for (int i = 0; i < 60; ++i)
        m_db->exec(QStringLiteral("insert into accounts_dep.person(fio) values('Рабочий%1')").arg(i, 2, 10, QLatin1Char('0')));
    m_db->exec(QStringLiteral("insert into accounts_dep.h_tabel(w_id, month, year, smena, d1) "
                              "select id, 11, 2026, 1, 8 from accounts_dep.person where fio like 'Рабочий%'"));
    form.H_Tabel->open();
    const Report::Document &big = form.prepare();
    form.H_Tabel->close();
    QVERIFY(big.pageCount() >= 2);
    for (const Report::Page &page : big.pages) {
        QCOMPARE(page.bands.first().name, QStringLiteral("header"));
        QCOMPARE(page.bands.first().top, 10.0);
    }
}

void TestReportLayouts::batch_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("connects");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QStringList period = {"--from", "01.11.2026", "--to", "01.12.2026"};
    QTest::newRow("report") << (QStringList{"report", "workers"} << period << "--pdf" << "@out.pdf") << true << 0 << QString();
    QTest::newRow("export") << (QStringList{"export", "products"} << period << "--kind" << "blanks" << "--xlsx" << "@out.xlsx")
                            << true << 0 << QString();
    QTest::newRow("unknown report") << (QStringList{"report", "salaries"} << period << "--pdf" << "@out.pdf") << true << 2
                                    << "Неизвестный отчет «salaries»";
    QTest::newRow("bad date") << QStringList{"report", "products", "--from", "31.02.2026", "--to", "01.03.2026", "--pdf", "@out.pdf"}
                              << true << 2 << "Неверная дата «31.02.2026» в --from";
    QTest::newRow("reversed period") << QStringList{"report", "products", "--from", "01.12.2026", "--to", "01.11.2026", "--pdf", "@out.pdf"}
                                     << true << 2 << "должна быть позже";
    QTest::newRow("no output") << (QStringList{"report", "products"} << period) << true << 2 << "Не указан параметр --pdf";
    QTest::newRow("wrong kind") << (QStringList{"report", "products"} << period << "--kind" << "paint" << "--pdf" << "@out.pdf")
                                << true << 2 << "Неверный вид продукции «paint»";
    QTest::newRow("export of workers") << (QStringList{"export", "workers"} << period << "--xlsx" << "@out.xlsx") << true << 2
                                       << "только сводку по продукции";
    QTest::newRow("unwritable file") << (QStringList{"report", "products"} << period << "--pdf" << "@нет/out.pdf") << true << 1
                                     << "Не удалось создать файл";
    QTest::newRow("unwritable workbook") << (QStringList{"export", "products"} << period << "--xlsx" << "@нет/out.xlsx") << true
                                         << 1 << "Не удалось сохранить книгу";
    QTest::newRow("no database") << (QStringList{"report", "products"} << period << "--pdf" << "@out.pdf") << false << 1
                                 << "Подключение к БД отсутсвует!!!\nсервер не отвечает";
}

void TestReportLayouts::batch()
{
    QFETCH(QStringList, args);
    QFETCH(bool, connects);
    QFETCH(int, code);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString file;
    for (QString &a : args) {
        if (a.startsWith(QLatin1Char('@'))) {
            a = dir.filePath(a.mid(1));
            file = a;
        }
    }
    QString errors;
    QCOMPARE(runBatch(args, &errors, connects), code);
    if (code != 0) {
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QVERIFY(!QFile::exists(file));
        return;
    }
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
    if (file.endsWith(QLatin1String(".pdf"))) {
        const QString text = commandOutput(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("Отчет по рабочим за период с 01.11.2026 по 01.12.2026"))
                     && text.contains(QStringLiteral("Петров П.П.")) && text.contains(QStringLiteral("3084.57")),
                 qPrintable(text));
    } else {
        const QString strings = commandOutput(QStringLiteral("unzip"), {QStringLiteral("-p"), file, QStringLiteral("xl/sharedStrings.xml")});
        QVERIFY2(strings.contains(QStringLiteral("Наименование")) && strings.contains(QStringLiteral("Покраска (грунт)"))
                     && strings.contains(QStringLiteral("Заготовки")) && !strings.contains(QStringLiteral("Готовая продукция")),
                 qPrintable(strings));
    }
}

QTEST_MAIN(TestReportLayouts)
#include "tst_report_layouts.moc"
