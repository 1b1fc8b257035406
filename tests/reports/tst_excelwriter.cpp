// The spreadsheet writer: the order of its calls, its results and messages.

#include "excelwriter.h"
#include "messages.h"
#include "spreadsheet.h"

#include <QTest>

using Spreadsheet::RecordingApplication;

class TestExcelWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void flagsDecideTheCalls_data();
    void flagsDecideTheCalls();
    void emptyTextLeavesCellAlone();
    void sheetBeyondWorkbook();
    void failedCellNamesSheetColumnRow();
    void noApplication();
    void workbookNotAdded();
    void visibleBeforeOpenDoesNothing();
    void writersShareTheRunningApplication();

private:
    RecordingApplication *m_app = nullptr;
    Spreadsheet::ProviderScope *m_scope = nullptr;
};

void TestExcelWriter::init()
{
    m_app = new RecordingApplication;
    m_scope = new Spreadsheet::ProviderScope([this](QString *) { return m_app; });
}

void TestExcelWriter::cleanup()
{
    delete m_scope;
    delete m_app;
}

void TestExcelWriter::flagsDecideTheCalls_data()
{
    QTest::addColumn<bool>("asText");
    QTest::addColumn<bool>("autoFit");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QStringList>("calls");
    // The text format comes before the value, the fitting after it; bold
    // is set on every cell, so a false flag makes it explicitly not bold.
    QTest::newRow("all") << true << true << true
                         << QStringList{"WorkSheets(2).Cells(7,3).NumberFormat=@", "WorkSheets(2).Cells(7,3).Value=Итого",
                                        "WorkSheets(2).Columns.Item(3).AutoFit", "WorkSheets(2).Cells(7,3).Font.Bold=true"};
    QTest::newRow("none") << false << false << false
                          << QStringList{"WorkSheets(2).Cells(7,3).Value=Итого", "WorkSheets(2).Cells(7,3).Font.Bold=false"};
}

void TestExcelWriter::flagsDecideTheCalls()
{
    QFETCH(bool, asText);
    QFETCH(bool, autoFit);
    QFETCH(bool, bold);
    QFETCH(QStringList, calls);
    Msg::Recorder boxes;
    ExcelWriter writer;
    QCOMPARE(writer.OpenWorkbook(QString()), 1);
    m_app->calls.clear();
    QCOMPARE(writer.WriteCell(2, 3, 7, QStringLiteral("Итого"), asText, autoFit, bold), 1);
    QCOMPARE(m_app->calls, calls);
    const Spreadsheet::Cell *cell = m_app->cell(2, 7, 3);
    QVERIFY(cell);
    QCOMPARE(cell->text, QStringLiteral("Итого"));
    QCOMPARE(cell->bold, bold);
    QCOMPARE(cell->numberFormat, asText ? QStringLiteral("@") : QString());
    QVERIFY(boxes.boxes.isEmpty());
}

void TestExcelWriter::emptyTextLeavesCellAlone()
{
    Msg::Recorder boxes;
    ExcelWriter writer;
    QCOMPARE(writer.OpenWorkbook(QString()), 1);
    QCOMPARE(writer.WriteCell(1, 1, 1, QStringLiteral("было"), false, false, false), 1);
    m_app->calls.clear();
    // Even with every flag and a sheet that does not exist.
    QCOMPARE(writer.WriteCell(1, 1, 1, QString(), true, true, true), 1);
    QCOMPARE(writer.WriteCell(9, 1, 1, QString(), true, true, true), 1);
    QVERIFY(m_app->calls.isEmpty());
    QCOMPARE(m_app->cell(1, 1, 1)->text, QStringLiteral("было"));
    QVERIFY(!m_app->cell(1, 1, 1)->bold);
    QVERIFY(boxes.boxes.isEmpty());
}

void TestExcelWriter::sheetBeyondWorkbook()
{
    Msg::Recorder boxes;
    ExcelWriter writer;
    QCOMPARE(writer.OpenWorkbook(QString()), 1);
    m_app->calls.clear();
    QCOMPARE(writer.WriteCell(4, 5, 12, QStringLiteral("x"), false, false, true), -1);
    QVERIFY(m_app->calls.isEmpty());
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].caption, QStringLiteral("Ошибочный номер листа Microsoft Excel"));
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Ошибка при записи: лист 4, столбец 5, строка 12"));
    QCOMPARE(boxes.boxes[0].icon, Msg::Icon::Error);
    // Sheet 3 of a new workbook exists.
    QCOMPARE(writer.WriteCell(3, 5, 12, QStringLiteral("x"), false, false, true), 1);
}

void TestExcelWriter::failedCellNamesSheetColumnRow()
{
    Msg::Recorder boxes;
    ExcelWriter writer;
    QCOMPARE(writer.OpenWorkbook(QString()), 1);
    m_app->failingCells = {{12, 5}}; // row 12, column 5
    m_app->calls.clear();
    QCOMPARE(writer.WriteCell(1, 5, 12, QStringLiteral("сбой"), true, true, true), -1);
    // The cell is addressed row first; the message names sheet, column, row.
    QCOMPARE(m_app->calls, (QStringList{"WorkSheets(1).Cells(12,5).NumberFormat=@", "WorkSheets(1).Cells(12,5).Value=сбой"}));
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].caption, QStringLiteral("Ошибка Microsoft Excel"));
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Ошибка при записи: лист 1, столбец 5, строка 12"));
    // The next cells go on.
    QCOMPARE(writer.WriteCell(1, 6, 12, QStringLiteral("дальше"), false, false, false), 1);
    QCOMPARE(m_app->text(1, 12, 6), QStringLiteral("дальше"));
}

void TestExcelWriter::noApplication()
{
    Msg::Recorder boxes;
    Spreadsheet::ProviderScope none([](QString *why) {
        *why = QStringLiteral("нет");
        return static_cast<Spreadsheet::Application *>(nullptr);
    });
    ExcelWriter writer;
    QCOMPARE(writer.OpenWorkbook(QString()), -1);
    QCOMPARE(boxes.texts(), QStringList{"Невозможно открыть Microsoft Excel."});
    QCOMPARE(boxes.boxes[0].caption, QStringLiteral("Ошибка"));
    QVERIFY(!writer.isAttached());
    // Without an application nothing can be written; showing does nothing.
    QCOMPARE(writer.SetVisible(true), 1);
    QCOMPARE(writer.WriteCell(1, 1, 1, QStringLiteral("x"), false, false, false), -1);
    QCOMPARE(boxes.boxes.last().caption, QStringLiteral("Ошибочный номер листа Microsoft Excel"));
}

void TestExcelWriter::workbookNotAdded()
{
    Msg::Recorder boxes;
    m_app->failAddWorkbook = true;
    ExcelWriter writer;
    QCOMPARE(writer.OpenWorkbook(QString()), -1);
    QCOMPARE(boxes.texts(), QStringList{"Ошибка открытия файла Microsoft Excel."});
    // The application stays attached: a later try may succeed.
    m_app->failAddWorkbook = false;
    QCOMPARE(writer.OpenWorkbook(QString()), 1);
    QCOMPARE(boxes.boxes.size(), 1);
}

void TestExcelWriter::visibleBeforeOpenDoesNothing()
{
    ExcelWriter writer;
    QCOMPARE(writer.SetVisible(true), 1);
    QVERIFY(m_app->calls.isEmpty());
    QVERIFY(!m_app->isVisible());
}

void TestExcelWriter::writersShareTheRunningApplication()
{
    ExcelWriter first, second;
    QCOMPARE(first.OpenWorkbook(QString()), 1);
    QCOMPARE(first.SetVisible(true), 1);
    QCOMPARE(second.OpenWorkbook(QString()), 1);
    QCOMPARE(m_app->workbooks().size(), 2);
    // The second writer writes into its own new workbook, the active one.
    QCOMPARE(second.WriteCell(1, 1, 1, QStringLiteral("вторая"), false, false, false), 1);
    QCOMPARE(m_app->workbooks()[0].sheets[0].cells.size(), 0);
    QCOMPARE(m_app->text(1, 1, 1), QStringLiteral("вторая"));
}

QTEST_MAIN(TestExcelWriter)
#include "tst_excelwriter.moc"
