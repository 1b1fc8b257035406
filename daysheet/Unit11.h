#pragma once

#include "shiftentry.h"

#include <QDialog>
#include <optional>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Dataset;

// The shift-entry dialog: creates (mode 1), changes (2) or copies (3) one
// shift position, a worker's output of one operation in one shift of one
// day, prices it and keeps the worker's hours sheet in step.
class TForm11 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);

    // Chosen by the pickers (or taken from the changed row).
    int WorkerId = 0;
    int OperationId = 0;
    int ProductId = 0;
    double UnitPrice = 0;
    // The operation's base price as the operation picker handed it; nothing
    // while a changed or copied position has not had its operation picked.
    std::optional<double> BasePrice;
    // 1 new, 2 change, 3 copy; reset to 0 by the day sheet after a copy.
    int DialogMode = 0;

    QGroupBox *GroupBox1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
    QLineEdit *Edit1;  // worker
    QPushButton *Button3;
    QLineEdit *Edit2;  // operation
    QPushButton *Button4;
    QLineEdit *Edit3;  // quantity
    QLineEdit *Edit4;  // defects
    QLineEdit *Edit6;  // hours
    QLineEdit *Edit5;  // colour
    QDateEdit *DTimeP; // date
    QLineEdit *Edit8;  // base price
    QLineEdit *Edit7;  // unit price
    QLineEdit *Edit9;  // amount
    QPushButton *Button1; // "Запись"
    QPushButton *Button2; // "Отмена"

    // The openers of the day sheet; the caller then shows the dialog.
    void OpenNew(const QDate &date);
    void OpenChange(const Dataset &row);
    void OpenCopy(const Dataset &row);

public Q_SLOTS:
    void FormActivate();
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void Edit6Exit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fillFromRow(const Dataset &row);
    void setColourEnabled(bool on);
    void save();

    // The changed or copied row: its id, its operation and where it stood.
    int m_rowId = 0;
    int m_rowOperationId = 0;
    std::optional<ShiftEntry::Place> m_rowPlace;
};

extern TForm11 *Form11;
