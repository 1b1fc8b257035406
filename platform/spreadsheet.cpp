#include "spreadsheet.h"
#include "messages.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <xlsxwriter.h>

namespace Spreadsheet {

namespace {

Provider g_provider;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

Application *attachOrStart(QString *error)
{
    if (g_provider)
        return g_provider(error);
    // The program's own application runs from the first export to the end
    // of the program; every writer attaches to it.
    static XlsxApplication application;
    return &application;
}

Provider setProvider(Provider provider)
{
    Provider previous = std::move(g_provider);
    g_provider = std::move(provider);
    return previous;
}

const Cell *Sheet::cell(int row, int column) const
{
    const auto it = cells.constFind(key(row, column));
    return it == cells.constEnd() ? nullptr : &it.value();
}

bool MemoryApplication::addWorkbook(QString *)
{
    Workbook book;
    for (int i = 1; i <= kSheetsInNewWorkbook; ++i) {
        Sheet sheet;
        sheet.name = QStringLiteral("Лист%1").arg(i);
        book.sheets << sheet;
    }
    m_workbooks << book;
    return true;
}

bool MemoryApplication::openWorkbook(const QString &fileName, QString *error)
{
    return fail(error, QStringLiteral("Открытие книги из файла %1 не поддерживается").arg(fileName));
}

void MemoryApplication::setWorkbookTitle(const QString &title)
{
    if (Workbook *book = active())
        book->title = title;
}

bool MemoryApplication::setVisible(bool visible, QString *)
{
    m_visible = visible;
    return true;
}

bool MemoryApplication::hasSheet(int sheet) const
{
    const Workbook *book = active();
    return book && sheet >= 1 && sheet <= book->sheets.size();
}

Cell *MemoryApplication::cellForWrite(int sheet, int row, int column, QString *error)
{
    Workbook *book = active();
    if (!book || sheet < 1 || sheet > book->sheets.size()) {
        fail(error, QStringLiteral("Нет листа %1").arg(sheet));
        return nullptr;
    }
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns) {
        fail(error, QStringLiteral("Нет ячейки в строке %1, столбце %2").arg(row).arg(column));
        return nullptr;
    }
    book->changed = true;
    return &book->sheets[sheet - 1].cells[Sheet::key(row, column)];
}

bool MemoryApplication::setNumberFormat(int sheet, int row, int column, const QString &format, QString *error)
{
    Cell *c = cellForWrite(sheet, row, column, error);
    if (!c)
        return false;
    c->numberFormat = format;
    return true;
}

bool MemoryApplication::setValue(int sheet, int row, int column, const QString &text, QString *error)
{
    if (text.size() > kMaxTextLength)
        return fail(error, QStringLiteral("Текст длиннее %1 знаков").arg(kMaxTextLength));
    Cell *c = cellForWrite(sheet, row, column, error);
    if (!c)
        return false;
    c->text = text;
    noteWidth(sheet, column, *c);
    return true;
}

bool MemoryApplication::autoFitColumn(int sheet, int column, QString *error)
{
    Workbook *book = active();
    if (!book || sheet < 1 || sheet > book->sheets.size())
        return fail(error, QStringLiteral("Нет листа %1").arg(sheet));
    if (column < 1 || column > kMaxColumns)
        return fail(error, QStringLiteral("Нет столбца %1").arg(column));
    Sheet &s = book->sheets[sheet - 1];
    const double width = s.widestText.value(column);
    if (width > 0)
        s.columnWidths[column] = width;
    else
        s.columnWidths.remove(column);
    book->changed = true;
    return true;
}

void MemoryApplication::noteWidth(int sheet, int column, const Cell &cell)
{
    if (cell.text.isEmpty())
        return;
    double &widest = m_workbooks.last().sheets[sheet - 1].widestText[column];
    widest = std::max(widest, fittingWidth(cell.text, cell.bold));
}

bool MemoryApplication::setBold(int sheet, int row, int column, bool bold, QString *error)
{
    Cell *c = cellForWrite(sheet, row, column, error);
    if (!c)
        return false;
    c->bold = bold;
    noteWidth(sheet, column, *c);
    return true;
}

const Cell *MemoryApplication::cell(int sheet, int row, int column) const
{
    const Workbook *book = active();
    if (!book || sheet < 1 || sheet > book->sheets.size())
        return nullptr;
    return book->sheets[sheet - 1].cell(row, column);
}

QString MemoryApplication::text(int sheet, int row, int column) const
{
    const Cell *c = cell(sheet, row, column);
    return c ? c->text : QString();
}

double MemoryApplication::fittingWidth(const QString &text, bool bold)
{
    // Widths of letters in units of a digit of the sheet's default font.
    double widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        double w = 0;
        for (const QChar c : line) {
            if (QStringLiteral("iljtfrI.,:;'!|() ").contains(c))
                w += 0.55;
            else if (QStringLiteral("mwMWЖШЩЮжшщюФфЫы@%").contains(c))
                w += 1.5;
            else if (c.isUpper())
                w += 1.2;
            else
                w += 1.0;
        }
        widest = std::max(widest, w);
    }
    if (bold)
        widest *= 1.1;
    return std::clamp(widest + 1.5, 2.0, 255.0);
}

bool MemoryApplication::looksLikeNumber(const QString &text)
{
    // A plain decimal: "12", "-3.5", "0,25", "12.50". Codes with leading
    // zeros ("007"), exponents and numbers of more than 15 digits, which a
    // spreadsheet cannot hold exactly, stay texts.
    static const QRegularExpression re(QStringLiteral("^-?(0|[1-9][0-9]*)([.,][0-9]+)?$"));
    if (!re.match(text).hasMatch())
        return false;
    int digits = 0;
    for (const QChar c : text)
        digits += c.isDigit() ? 1 : 0;
    return digits <= 15;
}

XlsxApplication::XlsxApplication()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    m_folder = QDir(documents).filePath(QStringLiteral("Табель"));
}

QString XlsxApplication::newFileName(const QString &title) const
{
    QString base = title.trimmed().isEmpty() ? QStringLiteral("Книга") : title.trimmed();
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    base.replace(unsafe, QStringLiteral("-"));
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    const QDir dir(m_folder);
    QString name = dir.filePath(base + QLatin1Char(' ') + stamp + QStringLiteral(".xlsx"));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = dir.filePath(base + QLatin1Char(' ') + stamp + QStringLiteral(" (%1).xlsx").arg(n));
    return name;
}

bool XlsxApplication::setVisible(bool visible, QString *error)
{
    m_visible = visible;
    if (!visible)
        return true;
    for (Workbook &book : m_workbooks) {
        if (!book.changed)
            continue;
        QString fileName = book.fileName;
        if (fileName.isEmpty()) {
            if (!m_fixedFile.isEmpty()) {
                fileName = m_fixedFile;
                m_fixedFile.clear();
            } else {
                if (!QDir().mkpath(m_folder))
                    return fail(error, QStringLiteral("Не удалось создать папку %1 для книги Microsoft Excel")
                                           .arg(QDir::toNativeSeparators(m_folder)));
                fileName = newFileName(book.title);
            }
        }
        if (!save(book, fileName, error))
            return false;
        book.fileName = fileName;
        book.changed = false;
        m_saved << fileName;
        if (m_open && !QDesktopServices::openUrl(QUrl::fromLocalFile(fileName)))
            Msg::info(QStringLiteral("Книга сохранена в файл\n%1\n\nПрограмма для электронных таблиц не найдена: "
                                     "откройте файл вручную.")
                          .arg(QDir::toNativeSeparators(fileName)));
    }
    return true;
}

bool XlsxApplication::save(const Workbook &book, const QString &fileName, QString *error)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    const QByteArray path = QFile::encodeName(fileName);
    lxw_workbook *wb = workbook_new(path.constData());
    if (!wb)
        return fail(error, QStringLiteral("Не удалось создать книгу Microsoft Excel %1").arg(shown));

    lxw_format *bold = workbook_add_format(wb);
    format_set_bold(bold);
    lxw_format *asText = workbook_add_format(wb);
    format_set_num_format(asText, "@");
    lxw_format *boldText = workbook_add_format(wb);
    format_set_bold(boldText);
    format_set_num_format(boldText, "@");

    QString problem;
    for (const Sheet &sheet : book.sheets) {
        const QByteArray name = sheet.name.toUtf8();
        lxw_worksheet *ws = workbook_add_worksheet(wb, name.constData());
        if (!ws) {
            problem = QStringLiteral("неверное имя листа «%1»").arg(sheet.name);
            break;
        }
        for (auto it = sheet.columnWidths.constBegin(); it != sheet.columnWidths.constEnd(); ++it) {
            const lxw_col_t col = lxw_col_t(it.key() - 1);
            const lxw_error e = worksheet_set_column(ws, col, col, it.value(), nullptr);
            if (e != LXW_NO_ERROR) {
                problem = QString::fromUtf8(lxw_strerror(e));
                break;
            }
        }
        for (auto it = sheet.cells.constBegin(); it != sheet.cells.constEnd() && problem.isEmpty(); ++it) {
            const lxw_row_t row = lxw_row_t((it.key() >> 20) - 1);
            const lxw_col_t col = lxw_col_t((it.key() & 0xFFFFF) - 1);
            const Cell &c = it.value();
            const bool text = c.numberFormat == QLatin1String("@");
            lxw_format *format = text ? (c.bold ? boldText : asText) : (c.bold ? bold : nullptr);
            lxw_error e;
            if (c.text.isEmpty())
                e = worksheet_write_blank(ws, row, col, format);
            else if (!text && looksLikeNumber(c.text))
                e = worksheet_write_number(ws, row, col, QString(c.text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(), format);
            else
                e = worksheet_write_string(ws, row, col, c.text.toUtf8().constData(), format);
            if (e != LXW_NO_ERROR)
                problem = QStringLiteral("строка %1, столбец %2: %3").arg(row + 1).arg(col + 1).arg(QString::fromUtf8(lxw_strerror(e)));
        }
        if (!problem.isEmpty())
            break;
    }
    // The library writes the file only here, and only here reports a
    // folder that cannot be written to.
    const lxw_error closed = workbook_close(wb);
    if (!problem.isEmpty()) {
        QFile::remove(fileName);
        return fail(error, QStringLiteral("Не удалось записать книгу Microsoft Excel %1: %2").arg(shown, problem));
    }
    if (closed != LXW_NO_ERROR)
        return fail(error, QStringLiteral("Не удалось сохранить книгу Microsoft Excel в файл %1: %2")
                               .arg(shown, QString::fromUtf8(lxw_strerror(closed))));
    return true;
}

bool RecordingApplication::addWorkbook(QString *error)
{
    calls << QStringLiteral("addWorkbook");
    if (failAddWorkbook)
        return fail(error, QStringLiteral("книга не добавлена"));
    return MemoryApplication::addWorkbook(error);
}

bool RecordingApplication::setVisible(bool visible, QString *error)
{
    calls << QStringLiteral("Visible=%1").arg(visible ? QStringLiteral("true") : QStringLiteral("false"));
    return MemoryApplication::setVisible(visible, error);
}

bool RecordingApplication::setNumberFormat(int sheet, int row, int column, const QString &format, QString *error)
{
    calls << QStringLiteral("WorkSheets(%1).Cells(%2,%3).NumberFormat=%4").arg(sheet).arg(row).arg(column).arg(format);
    return MemoryApplication::setNumberFormat(sheet, row, column, format, error);
}

bool RecordingApplication::setValue(int sheet, int row, int column, const QString &text, QString *error)
{
    calls << QStringLiteral("WorkSheets(%1).Cells(%2,%3).Value=%4").arg(sheet).arg(row).arg(column).arg(text);
    if (failingCells.contains(qMakePair(row, column)))
        return fail(error, QStringLiteral("ячейка не записана"));
    return MemoryApplication::setValue(sheet, row, column, text, error);
}

bool RecordingApplication::autoFitColumn(int sheet, int column, QString *error)
{
    calls << QStringLiteral("WorkSheets(%1).Columns.Item(%2).AutoFit").arg(sheet).arg(column);
    return MemoryApplication::autoFitColumn(sheet, column, error);
}

bool RecordingApplication::setBold(int sheet, int row, int column, bool bold, QString *error)
{
    calls << QStringLiteral("WorkSheets(%1).Cells(%2,%3).Font.Bold=%4")
                 .arg(sheet)
                 .arg(row)
                 .arg(column)
                 .arg(bold ? QStringLiteral("true") : QStringLiteral("false"));
    return MemoryApplication::setBold(sheet, row, column, bold, error);
}

QVector<QStringList> RecordingApplication::grid(int sheet) const
{
    QVector<QStringList> rows;
    const Workbook *book = active();
    if (!book || sheet < 1 || sheet > book->sheets.size())
        return rows;
    const Sheet &s = book->sheets[sheet - 1];
    int maxRow = 0, maxCol = 0;
    for (auto it = s.cells.constBegin(); it != s.cells.constEnd(); ++it) {
        maxRow = std::max(maxRow, int(it.key() >> 20));
        maxCol = std::max(maxCol, int(it.key() & 0xFFFFF));
    }
    for (int r = 1; r <= maxRow; ++r) {
        QStringList line;
        for (int c = 1; c <= maxCol; ++c) {
            const Cell *cell = s.cell(r, c);
            line << (cell ? cell->text : QString());
        }
        while (!line.isEmpty() && line.last().isEmpty())
            line.removeLast();
        rows << line;
    }
    return rows;
}

} // namespace Spreadsheet
