#pragma once

#include "listwindow.h"

class QCheckBox;

// The operation list ("Операции") over the data module's Oper, with each
// operation's base price (the smallest of its price records). In picking
// mode 1 it is the operation picker of the shift-entry dialog.
class TForm4 : public ListWindow
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    // Tag: 0 list, 1 picking.
    QPushButton *Button5;   // "Excel"
    QCheckBox *CheckBox1;   // "Цены"

    // Prepares the list mode: tag 0, the operations read. The caller shows
    // the window and closes Oper afterwards.
    void OpenList();
    // The picking-mode opener of the shift-entry dialog: starts on the first
    // operation, or on the operation with the given id when there is one.
    int ShowPicking(int operationId);

public Q_SLOTS:
    void Button2Click();
    void DBGrid1DblClick();
    void Edit1Change();

private:
    void setListButtons(bool listMode);
    void pick();
};

extern TForm4 *Form4;
