#pragma once

#include <QDate>
#include <QDialog>

#include "radiogroup.h"

class Dataset;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;


// "Отчеты (8)": the summary reports of a period. The user picks the period
// and the kind of product and runs one of the four printed reports or
// exports the product summary to a spreadsheet.
class TForm18 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm18(QWidget *parent = nullptr);

    RadioGroup *RadioGroup1;  // "Вид продукции": 0 all, 1 finished products, 2 blanks
    QGroupBox *GroupBox1;     // "Период отбора"
    QLabel *Label1;           // "с"
    QDateEdit *DTPicker1;     // from (included)
    QLabel *Label2;           // "по"
    QDateEdit *DTPicker2;     // to (not included)
    QPushButton *Button4;     // "Отчет по рабочим"
    QPushButton *Button2;     // "Отчет по продукции"
    QPushButton *Button1;     // "Детальный отчет по рабочим"
    QPushButton *Button3;     // "Детальный отчет по продукции"
    QPushButton *Button6;     // "Excel (n из N)"
    QPushButton *Button5;     // "Выход"
    Dataset *XLS_Rep;         // the export's query

    // The default period for a day: the whole previous month, from its
    // first day to the first day of the day's month (December of the year
    // before for a day of January).
    static QDate periodStart(const QDate &today);
    static QDate periodEnd(const QDate &today);

    // Sets the default period for today's date and shows the window
    // modally (the main menu's "Сводные отчеты").
    int showForDate(const QDate &today);

public Q_SLOTS:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();

private:
    void runReport(int kind);
};

extern TForm18 *Form18;
