// The summary reports window: the default period, the four report buttons
// with their dates, filter and titles, and the product summary export with
// its cells and progress caption.

#include "Unit18.h"
#include "dataset.h"
#include "messages.h"
#include "modal.h"
#include "periodreports.h"
#include "radiogroup.h"
#include "reportfixture.h"
#include "reportform.h"
#include "spreadsheet.h"

#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using PeriodReports::Kind;
Q_DECLARE_METATYPE(PeriodReports::Kind)

namespace {

// Keeps the caption of the export button at the moment each row's first
// cell is written.
class CaptionWatch : public Spreadsheet::RecordingApplication
{
public:
    QPushButton *button = nullptr;
    QStringList captions;
    bool setValue(int sheet, int row, int column, const QString &text, QString *error) override
    {
        if (column == 1)
            captions << button->text();
        return RecordingApplication::setValue(sheet, row, column, text, error);
    }
};

} // namespace

class TestSummaryReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void defaultPeriod_data();
    void defaultPeriod();
    void labelsForEveryInput();
    void reportButtons_data();
    void reportButtons();
    void exportCells_data();
    void exportCells();
    void exportOfEmptyPeriod();
    void exportWithoutSpreadsheet();

private:
    TestDb *m_db = nullptr;
    TForm18 *m_form = nullptr;
};

void TestSummaryReports::initTestCase()
{
    m_db = new TestDb(QStringLiteral("summary_reports"));
    ReportFixture fixture(*m_db);
    m_form = new TForm18;
    Form18 = m_form;
}

void TestSummaryReports::cleanupTestCase()
{
    delete m_form;
    Form18 = nullptr;
    delete m_db;
}

void TestSummaryReports::defaultPeriod_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("December") << QDate(2026, 12, 11) << QDate(2026, 11, 1) << QDate(2026, 12, 1);
    QTest::newRow("January") << QDate(2027, 1, 15) << QDate(2026, 12, 1) << QDate(2027, 1, 1);
    QTest::newRow("New Year's day") << QDate(2027, 1, 1) << QDate(2026, 12, 1) << QDate(2027, 1, 1);
    QTest::newRow("end of March") << QDate(2026, 3, 31) << QDate(2026, 2, 1) << QDate(2026, 3, 1);
}

void TestSummaryReports::defaultPeriod()
{
    QFETCH(QDate, today);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    // The kind of product stays as the user left it.
    m_form->RadioGroup1->setItemIndex(2);
    m_form->DTPicker1->setDate(QDate(2000, 1, 1));
    QDate shownFrom, shownTo;
    int shown = 0;
    Modal::Scope scope([&](QDialog *dialog) {
        ++shown;
        if (dialog == m_form) {
            shownFrom = m_form->DTPicker1->date();
            shownTo = m_form->DTPicker2->date();
        }
        return 0;
    });
    m_form->showForDate(today);
    QCOMPARE(shown, 1);
    QCOMPARE(shownFrom, from);
    QCOMPARE(shownTo, to);
    QCOMPARE(m_form->DTPicker1->displayFormat(), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(m_form->RadioGroup1->itemIndex(), 2);
    m_form->RadioGroup1->setItemIndex(0);
}

void TestSummaryReports::labelsForEveryInput()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Отчеты (8)"));
    QCOMPARE(m_form->Label1->buddy(), m_form->DTPicker1);
    QCOMPARE(m_form->Label2->buddy(), m_form->DTPicker2);
    QCOMPARE(m_form->RadioGroup1->title(), QStringLiteral("Вид продукции"));
    QCOMPARE(m_form->RadioGroup1->items(), (QStringList{"Все", "Готовая продукция", "Заготовки"}));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(m_form->RadioGroup1->button(i)->accessibleName(), m_form->RadioGroup1->items()[i]);
    QCOMPARE(m_form->Button6->text(), QStringLiteral("Excel (0 из 0)"));
    QVERIFY(!m_form->Button6->accessibleName().isEmpty());
}

void TestSummaryReports::reportButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("parameters");
    QTest::addColumn<QString>("title");
    const QString period = QStringLiteral("01.11.2026 по 01.12.2026");
    QTest::newRow("by workers") << "Button4" << Kind::Workers << 12 << "   Отчет по рабочим за период с " + period;
    QTest::newRow("by products") << "Button2" << Kind::Products << 2 << "   Отчет по продукции за период с " + period;
    QTest::newRow("detailed by workers") << "Button1" << Kind::WorkersDetailed << 22
                                         << "   Детальный отчет по рабочим за период с " + period;
    QTest::newRow("detailed by products") << "Button3" << Kind::ProductsDetailed << 2
                                          << "   Детальный отчет по продукции за период с " + period;
}

void TestSummaryReports::reportButtons()
{
    QFETCH(QString, button);
    QFETCH(Kind, kind);
    QFETCH(int, parameters);
    QFETCH(QString, title);
    m_form->DTPicker1->setDate(ReportFixture::from());
    m_form->DTPicker2->setDate(ReportFixture::to());
    m_form->RadioGroup1->setItemIndex(1); // finished products
    const PeriodReports::ReportRun r = PeriodReports::report(kind);

    int previews = 0;
    QStringList details;
    Modal::Scope scope([&](QDialog *dialog) {
        ++previews;
        [&] {
            QVERIFY(qobject_cast<QPrintPreviewDialog *>(dialog));
            // While the preview is up the query is open, dated and filtered.
            QVERIFY(r.query->isOpen());
            for (int i = 1; i <= parameters; ++i)
                QCOMPARE(r.query->param(QStringLiteral("data%1").arg(i)).toDate(),
                         i % 2 ? ReportFixture::from() : ReportFixture::to());
            QVERIFY(!r.query->param(QStringLiteral("data%1").arg(parameters + 1)).isValid());
            QCOMPARE(r.query->filter(), QStringLiteral("naimen=0"));
            QVERIFY(r.query->isFiltered());
            QCOMPARE(r.form->titleLabel()->caption(), title);
            QCOMPARE(dialog->windowTitle(), title.trimmed());
        }();
        for (const Report::PlacedBand *b : r.form->document().find(Report::BandKind::Detail))
            details << b->texts().join(QLatin1Char('|'));
        return 0;
    });
    QVERIFY(QMetaObject::invokeMethod(m_form, (button + QStringLiteral("Click")).toLatin1().constData()));
    QCOMPARE(previews, 1);
    QVERIFY(!r.query->isOpen());
    // Only finished products were printed, and some were.
    QVERIFY(!details.isEmpty());
    for (const QString &line : details)
        QVERIFY2(line.contains(QStringLiteral("Готовая продукция")) && !line.contains(QStringLiteral("Заготовки")),
                 qPrintable(line));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    m_form->RadioGroup1->setItemIndex(0);
}

void TestSummaryReports::exportCells_data()
{
    QTest::addColumn<int>("productKind");
    QTest::newRow("all") << 0;
    QTest::newRow("finished products") << 1;
    QTest::newRow("blanks") << 2;
}

void TestSummaryReports::exportCells()
{
    QFETCH(int, productKind);
    CaptionWatch app;
    app.button = m_form->Button6;
    Spreadsheet::ProviderScope scope([&app](QString *) { return &app; });
    Msg::Recorder boxes;
    m_form->DTPicker1->setDate(ReportFixture::from());
    m_form->DTPicker2->setDate(ReportFixture::to());
    m_form->RadioGroup1->setItemIndex(productKind);
    m_form->Button6Click();

    // The rows the same query gives in SQL, in the export's texts.
    const QString filter = productKind == 0 ? QString() : QStringLiteral(" where naimen = %1").arg(productKind - 1);
    Dataset expected(QStringLiteral(
                         "select nom, vid || case when color = 1 then ' (грунт)' when color > 0 then ' (цвет: ' || color || ')' "
                         "else '' end, case when naimen = 0 then 'Готовая продукция' else 'Заготовки' end, "
                         "trim_scale(mass)::text, round(kolvo)::text from (")
                     + PeriodReports::productExportSql() + QStringLiteral(") q") + filter);
    expected.setParam(QStringLiteral("data1"), ReportFixture::from());
    expected.setParam(QStringLiteral("data2"), ReportFixture::to());
    expected.open();
    QStringList want;
    for (int i = 0; i < expected.recordCount(); ++i) {
        QStringList row;
        for (int c = 0; c < 5; ++c)
            row << expected.valueAt(i, c).toString();
        want << row.join(QLatin1Char('|'));
    }
    const int n = expected.recordCount();
    QVERIFY(n > 0);

    const QVector<QStringList> grid = app.grid(1);
    QCOMPARE(grid.value(0), (QStringList{"Наименование", "Операция", "Вид продукции", "Коробки", "Кол-во"}));
    QStringList got;
    for (int r = 1; r < grid.size(); ++r)
        got << grid[r].join(QLatin1Char('|'));
    want.sort();
    got.sort();
    QCOMPARE(got, want);

    // The caption counts the rows written so far.
    QStringList captions{QStringLiteral("Excel (0 из %1)").arg(n)}; // while the heading is written
    for (int i = 0; i < n; ++i)
        captions << QStringLiteral("Excel (%1 из %2)").arg(i).arg(n);
    QCOMPARE(app.captions, captions);
    QCOMPARE(m_form->Button6->text(), QStringLiteral("Excel (%1 из %1)").arg(n));

    // Plain values: no text format, no fitting, never bold; then shown.
    for (const QString &call : app.calls) {
        QVERIFY2(!call.contains(QLatin1String("NumberFormat")) && !call.contains(QLatin1String("AutoFit"))
                     && !call.endsWith(QLatin1String("Bold=true")),
                 qPrintable(call));
    }
    QCOMPARE(app.calls.last(), QStringLiteral("Visible=true"));
    QVERIFY(!m_form->XLS_Rep->isOpen());
    QVERIFY(boxes.boxes.isEmpty());
    m_form->RadioGroup1->setItemIndex(0);
}

void TestSummaryReports::exportOfEmptyPeriod()
{
    Spreadsheet::RecordingApplication app;
    Spreadsheet::ProviderScope scope([&app](QString *) { return &app; });
    // Positions dated on the "по" date are not in the period.
    m_form->DTPicker1->setDate(QDate(2026, 10, 1));
    m_form->DTPicker2->setDate(QDate(2026, 10, 31));
    m_form->Button6Click();
    QCOMPARE(app.grid(1), (QVector<QStringList>{{"Наименование", "Операция", "Вид продукции", "Коробки", "Кол-во"}}));
    QCOMPARE(m_form->Button6->text(), QStringLiteral("Excel (0 из 0)"));
    QVERIFY(app.isVisible());
}

void TestSummaryReports::exportWithoutSpreadsheet()
{
    Spreadsheet::ProviderScope none([](QString *) { return static_cast<Spreadsheet::Application *>(nullptr); });
    Msg::Recorder boxes;
    m_form->Button6->setText(QStringLiteral("Excel (3 из 3)"));
    m_form->DTPicker1->setDate(ReportFixture::from());
    m_form->DTPicker2->setDate(ReportFixture::to());
    m_form->Button6Click();
    QCOMPARE(boxes.texts(), QStringList{"Невозможно открыть Microsoft Excel."});
    QCOMPARE(m_form->Button6->text(), QStringLiteral("Excel (3 из 3)"));
    QVERIFY(!m_form->XLS_Rep->isOpen());
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

QTEST_MAIN(TestSummaryReports)
#include "tst_summary_reports.moc"
