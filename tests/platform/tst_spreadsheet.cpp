// The .xlsx spreadsheet back end: what it writes, read back from the file,
// how it hands the file to the user, and its limits.

#include "messages.h"
#include "spreadsheet.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Spreadsheet;

namespace {

QString member(const QString &xlsx, const QString &name)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, name});
    unzip.waitForFinished();
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

} // namespace

// Stands for the desktop's spreadsheet application.
class Launcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }
};

class TestSpreadsheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesReadableWorkbook();
    void tellsWhereFileIsWithoutLauncher();
    void reportsUnwritableFile();
    void limits();
};

void TestSpreadsheet::writesReadableWorkbook()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Документы/Табель"));
    Launcher launcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &launcher, "open");
    Msg::Recorder boxes;

    XlsxApplication app;
    app.setFolder(folder);
    QString why;
    QVERIFY(app.addWorkbook(&why));
    app.setWorkbookTitle(QStringLiteral("Отчет по продукции"));
    // Written in any order: a number, a text kept as text, Cyrillic, bold.
    QVERIFY(app.setValue(1, 12, 5, QStringLiteral("12.5"), &why));
    QVERIFY(app.setNumberFormat(1, 2, 1, QStringLiteral("@"), &why));
    QVERIFY(app.setValue(1, 2, 1, QStringLiteral("007"), &why));
    QVERIFY(app.setValue(1, 1, 1, QStringLiteral("Щётка «Ёж» & <гайка>"), &why));
    QVERIFY(app.setBold(1, 1, 1, true, &why));
    QVERIFY(app.autoFitColumn(1, 1, &why));
    QVERIFY(app.setValue(2, 1, 1, QStringLiteral("второй лист"), &why));
    QVERIFY(app.setVisible(true, &why));

    QCOMPARE(app.savedFiles().size(), 1);
    const QString file = app.savedFiles().first();
    const QFileInfo info(file);
    QCOMPARE(QDir(info.absolutePath()), QDir(folder));
    QVERIFY2(info.fileName().startsWith(QStringLiteral("Отчет по продукции 20")) && info.fileName().endsWith(QStringLiteral(".xlsx")),
             qPrintable(info.fileName()));
    QCOMPARE(launcher.opened, QList<QUrl>{QUrl::fromLocalFile(file)});
    QVERIFY(boxes.boxes.isEmpty());

    const QString strings = member(file, QStringLiteral("xl/sharedStrings.xml"));
    QVERIFY2(strings.contains(QStringLiteral("Щётка «Ёж» &amp; &lt;гайка&gt;")), qPrintable(strings));
    QVERIFY(strings.contains(QStringLiteral("второй лист")));
    QVERIFY(strings.contains(QStringLiteral(">007<")));
    const QString sheet = member(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    QVERIFY2(sheet.contains(QStringLiteral("<c r=\"E12\"><v>12.5</v></c>")), qPrintable(sheet));
    QVERIFY(sheet.contains(QStringLiteral("<col min=\"1\" max=\"1\"")));
    QVERIFY(member(file, QStringLiteral("xl/styles.xml")).contains(QStringLiteral("<b/>")));
    const QString book = member(file, QStringLiteral("xl/workbook.xml"));
    for (const char *name : {"Лист1", "Лист2", "Лист3"})
        QVERIFY(book.contains(QString::fromUtf8(name)));

    // Nothing changed since: shown again, nothing is written again.
    QVERIFY(app.setVisible(true, &why));
    QCOMPARE(app.savedFiles().size(), 1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestSpreadsheet::tellsWhereFileIsWithoutLauncher()
{
    // No spreadsheet application on the desktop (as under offscreen).
    QTemporaryDir dir;
    Msg::Recorder boxes;
    XlsxApplication app;
    app.setFolder(dir.path());
    QString why;
    QVERIFY(app.addWorkbook(&why));
    QVERIFY(app.setValue(1, 1, 1, QStringLiteral("Кол-во"), &why));
    QVERIFY(app.setVisible(true, &why));
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].icon, Msg::Icon::Information);
    QVERIFY2(boxes.boxes[0].text.contains(QDir::toNativeSeparators(app.savedFiles().value(0))), qPrintable(boxes.boxes[0].text));
}

void TestSpreadsheet::reportsUnwritableFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("нет папки/книга.xlsx"));
    XlsxApplication app;
    app.setFixedFile(file);
    app.setOpenAfterSaving(false);
    QString why;
    QVERIFY(app.addWorkbook(&why));
    QVERIFY(app.setValue(1, 1, 1, QStringLiteral("x"), &why));
    QVERIFY(!app.setVisible(true, &why));
    QVERIFY2(why.contains(QStringLiteral("Не удалось сохранить книгу")) && why.contains(QDir::toNativeSeparators(file)),
             qPrintable(why));
    QVERIFY(app.savedFiles().isEmpty());
}

void TestSpreadsheet::limits()
{
    MemoryApplication app;
    QString why;
    QVERIFY(!app.hasSheet(1)); // no workbook yet
    QVERIFY(app.addWorkbook(&why));
    QVERIFY(app.hasSheet(3));
    QVERIFY(!app.hasSheet(4));
    QVERIFY(!app.hasSheet(0));
    QVERIFY(app.setValue(1, MemoryApplication::kMaxRows, MemoryApplication::kMaxColumns, QStringLiteral("край"), &why));
    QVERIFY(!app.setValue(1, MemoryApplication::kMaxRows + 1, 1, QStringLiteral("x"), &why));
    QVERIFY(!app.setValue(1, 1, MemoryApplication::kMaxColumns + 1, QStringLiteral("x"), &why));
    QVERIFY(!app.setValue(1, 1, 1, QString(MemoryApplication::kMaxTextLength + 1, QLatin1Char('x')), &why));
    QVERIFY(!why.isEmpty());

    // Texts that become numbers when written without the text format.
    for (const char *number : {"12", "-3.5", "0,25", "0", "12.50"})
        QVERIFY2(MemoryApplication::looksLikeNumber(QLatin1String(number)), number);
    for (const char *text : {"007", "1e5", "1 000", "", "1234567890123456", "-", "12."})
        QVERIFY2(!MemoryApplication::looksLikeNumber(QLatin1String(text)), text);

    // Column fitting follows the texts present at the time it is asked for.
    QVERIFY(app.setValue(1, 1, 2, QStringLiteral("Детальный отчет по продукции"), &why));
    QVERIFY(app.autoFitColumn(1, 2, &why));
    const double wide = app.workbooks().last().sheets[0].columnWidths.value(2);
    QVERIFY(wide > 25 && wide < 45);
}

QTEST_MAIN(TestSpreadsheet)
#include "tst_spreadsheet.moc"
