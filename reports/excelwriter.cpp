#include "excelwriter.h"
#include "messages.h"
#include "spreadsheet.h"

#include <utility>

int ExcelWriter::OpenWorkbook(const QString &fileName)
{
    QString why;
    Spreadsheet::Application *app = Spreadsheet::attachOrStart(&why);
    if (!app) {
        Msg::error(QStringLiteral("Невозможно открыть Microsoft Excel."));
        return -1;
    }
    m_app = app;
    const QString title = std::exchange(m_documentName, QString());
    const bool ok = fileName.isEmpty() ? m_app->addWorkbook(&why) : m_app->openWorkbook(fileName, &why);
    if (!ok) {
        Msg::error(QStringLiteral("Ошибка открытия файла Microsoft Excel."));
        return -1;
    }
    if (fileName.isEmpty() && !title.isEmpty())
        m_app->setWorkbookTitle(title);
    return 1;
}

int ExcelWriter::SetVisible(bool visible)
{
    if (!m_app)
        return 1;
    QString why;
    if (!m_app->setVisible(visible, &why)) {
        Msg::error(why);
        return -1;
    }
    return 1;
}

int ExcelWriter::WriteCell(int sheet, int column, int row, const QString &text, bool asText, bool autoFit, bool bold)
{
    if (text.isEmpty())
        return 1;
    const QString failure = QStringLiteral("Ошибка при записи: лист %1, столбец %2, строка %3").arg(sheet).arg(column).arg(row);
    if (!m_app || !m_app->hasSheet(sheet)) {
        Msg::error(failure, QStringLiteral("Ошибочный номер листа Microsoft Excel"));
        return -1;
    }
    // The cell is addressed row first, then column.
    QString why;
    const bool ok = (!asText || m_app->setNumberFormat(sheet, row, column, QStringLiteral("@"), &why))
        && m_app->setValue(sheet, row, column, text, &why)
        && (!autoFit || m_app->autoFitColumn(sheet, column, &why))
        && m_app->setBold(sheet, row, column, bold, &why);
    if (!ok) {
        Msg::error(failure, QStringLiteral("Ошибка Microsoft Excel"));
        return -1;
    }
    return 1;
}

ExcelWriter &sharedExcelWriter()
{
    static ExcelWriter writer;
    return writer;
}
