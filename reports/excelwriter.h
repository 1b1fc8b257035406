#pragma once

#include <QString>

namespace Spreadsheet {
class Application;
}

// The program's spreadsheet writer: every export goes through it. It
// attaches to the running spreadsheet application (or starts it), adds a
// new workbook, writes cell texts one by one onto numbered sheets and
// finally shows the filled workbook. It never closes anything: what the user
// does with the workbook is up to the user.
class ExcelWriter
{
public:
    ExcelWriter() = default;

    // 1 on success, -1 on failure (the user has been told). An empty file
    // name adds a new workbook.
    int OpenWorkbook(const QString &fileName);
    // Always 1, except -1 when the workbook could not be handed to the user
    // (its file could not be written); the user has been told.
    int SetVisible(bool visible);
    // 1 when written or when the text is empty (the cell is then left as it
    // was), -1 on failure (the user has been told). Sheets, columns and rows
    // count from 1.
    int WriteCell(int sheet, int column, int row, const QString &text, bool asText, bool autoFit, bool bold);

    // A name for the workbook that the next OpenWorkbook adds (its file
    // name starts with it).
    void setDocumentName(const QString &name) { m_documentName = name; }

    bool isAttached() const { return m_app != nullptr; }

private:
    Spreadsheet::Application *m_app = nullptr; // the application handle
    QString m_documentName;
};

// The writer shared by the summary reports window and the operations list.
ExcelWriter &sharedExcelWriter();
