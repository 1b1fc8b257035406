#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// The spreadsheet application behind the program's exports. The exports
// talk to it only through the writer (OpenWorkbook, SetVisible, WriteCell),
// and the writer only through this interface: a running application with
// workbooks, the newest of which is the active one, each with numbered
// sheets of cells addressed row first, then column, all numbered from 1.
// Every call may fail and then says why.
namespace Spreadsheet {

class Application
{
public:
    virtual ~Application() = default;

    // Adds a new empty workbook, which becomes the active one.
    virtual bool addWorkbook(QString *error) = 0;
    // Opens a workbook from a file, which becomes the active one.
    virtual bool openWorkbook(const QString &fileName, QString *error) = 0;
    // A name for the active workbook (used for its file).
    virtual void setWorkbookTitle(const QString &title) = 0;
    // Shows or hides the application with its workbooks.
    virtual bool setVisible(bool visible, QString *error) = 0;

    // Whether the active workbook has the sheet.
    virtual bool hasSheet(int sheet) const = 0;
    virtual bool setNumberFormat(int sheet, int row, int column, const QString &format, QString *error) = 0;
    virtual bool setValue(int sheet, int row, int column, const QString &text, QString *error) = 0;
    // Fits the column's width to the texts it holds now.
    virtual bool autoFitColumn(int sheet, int column, QString *error) = 0;
    virtual bool setBold(int sheet, int row, int column, bool bold, QString *error) = 0;
};

// The running application, started on first use; nullptr with the reason
// when there is none to be had. The program's own is the .xlsx back end
// below, one for the whole run, shared by every writer.
Application *attachOrStart(QString *error);

// Replaces where attachOrStart() gets its application (tests, the batch
// mode); an empty provider restores the program's own. Returns the previous.
using Provider = std::function<Application *(QString *error)>;
Provider setProvider(Provider provider);

class ProviderScope
{
public:
    explicit ProviderScope(Provider provider) : m_previous(setProvider(std::move(provider))) {}
    ~ProviderScope() { setProvider(std::move(m_previous)); }

private:
    Provider m_previous;
};

// A cell as the application keeps it.
struct Cell
{
    QString text;
    QString numberFormat; // "@" for text
    bool bold = false;
};

struct Sheet
{
    QString name;
    QHash<quint64, Cell> cells;
    QMap<int, double> columnWidths; // column -> width in characters
    QHash<int, double> widestText;  // column -> width its widest text needs

    static quint64 key(int row, int column) { return (quint64(quint32(row)) << 20) | quint32(column); }
    const Cell *cell(int row, int column) const;
};

struct Workbook
{
    QString title;
    QVector<Sheet> sheets;
    bool changed = false;   // since it was last written
    QString fileName;       // where it was written
};

// Workbooks kept in memory, with the limits of a real spreadsheet: a new
// workbook has three sheets ("Лист1" .. "Лист3"), 1 048 576 rows, 16 384
// columns, 32 767 characters in a cell.
class MemoryApplication : public Application
{
public:
    static constexpr int kSheetsInNewWorkbook = 3;
    static constexpr int kMaxRows = 1048576;
    static constexpr int kMaxColumns = 16384;
    static constexpr int kMaxTextLength = 32767;

    bool addWorkbook(QString *error) override;
    bool openWorkbook(const QString &fileName, QString *error) override;
    void setWorkbookTitle(const QString &title) override;
    bool setVisible(bool visible, QString *error) override;
    bool hasSheet(int sheet) const override;
    bool setNumberFormat(int sheet, int row, int column, const QString &format, QString *error) override;
    bool setValue(int sheet, int row, int column, const QString &text, QString *error) override;
    bool autoFitColumn(int sheet, int column, QString *error) override;
    bool setBold(int sheet, int row, int column, bool bold, QString *error) override;

    bool isVisible() const { return m_visible; }
    const QVector<Workbook> &workbooks() const { return m_workbooks; }
    // The active workbook's cell; nullptr when never written.
    const Cell *cell(int sheet, int row, int column) const;
    QString text(int sheet, int row, int column) const;

    // The width in characters that fits a text, as the spreadsheet's
    // column fitting would make it (no font is measured: the widths of
    // letters are estimated).
    static double fittingWidth(const QString &text, bool bold);
    // Whether a text written without the text format becomes a number.
    static bool looksLikeNumber(const QString &text);

protected:
    Cell *cellForWrite(int sheet, int row, int column, QString *error);
    // Keeps the widest text of each column for the column fitting.
    void noteWidth(int sheet, int column, const Cell &cell);
    Workbook *active() { return m_workbooks.isEmpty() ? nullptr : &m_workbooks.last(); }
    const Workbook *active() const { return m_workbooks.isEmpty() ? nullptr : &m_workbooks.last(); }

    QVector<Workbook> m_workbooks;
    bool m_visible = false;
};

// The desktop's back end. Made visible, it writes every workbook changed
// since it was last written to an .xlsx file and opens it in the desktop's
// spreadsheet application; where none opens it, the user is told where the
// file is. Files go to <Documents>/Табель as "<title> <date> <time>.xlsx".
class XlsxApplication : public MemoryApplication
{
public:
    XlsxApplication();

    // Folder of the files (created when needed).
    void setFolder(const QString &folder) { m_folder = folder; }
    QString folder() const { return m_folder; }
    // Writes the next workbook to exactly this file and does not open it
    // (the batch exports).
    void setFixedFile(const QString &fileName) { m_fixedFile = fileName; }
    void setOpenAfterSaving(bool open) { m_open = open; }

    bool setVisible(bool visible, QString *error) override;

    QStringList savedFiles() const { return m_saved; }

    // Writes one workbook as an .xlsx file; false with the reason.
    static bool save(const Workbook &workbook, const QString &fileName, QString *error);

private:
    QString newFileName(const QString &title) const;

    QString m_folder;
    QString m_fixedFile;
    bool m_open = true;
    QStringList m_saved;
};

// For tests: keeps every call in order ("addWorkbook", "Cells(12,5).Value=…")
// and can be told to fail.
class RecordingApplication : public MemoryApplication
{
public:
    bool failAddWorkbook = false;
    // Cells whose writing fails: (row, column).
    QVector<QPair<int, int>> failingCells;
    QStringList calls;

    bool addWorkbook(QString *error) override;
    bool setVisible(bool visible, QString *error) override;
    bool setNumberFormat(int sheet, int row, int column, const QString &format, QString *error) override;
    bool setValue(int sheet, int row, int column, const QString &text, QString *error) override;
    bool autoFitColumn(int sheet, int column, QString *error) override;
    bool setBold(int sheet, int row, int column, bool bold, QString *error) override;

    // The active workbook's sheet as rows of texts, from row 1 and column 1
    // to the last written cell.
    QVector<QStringList> grid(int sheet = 1) const;
};

} // namespace Spreadsheet
