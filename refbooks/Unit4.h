#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class DBGrid;

// The operation list ("Операции") over the data module's Oper, with each
// operation's base price (the smallest of its price records). In picking
// mode 1 it is the operation picker of the shift-entry dialog.
class TForm4 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    int Tag = 0; // 0 list, 1 picking

    DBGrid *DBGrid1;
    QPushButton *Button1;   // "Добавить"
    QPushButton *Button2;   // "Изменить" / "Выбрать"
    QPushButton *Button3;   // "Удалить"
    QPushButton *Button5;   // "Excel"
    QCheckBox *CheckBox1;   // "Цены"
    QPushButton *Button4;   // "Выход"
    QLineEdit *Edit1;       // search box
    QLabel *Label1;

    // Prepares the list mode: tag 0, the operations read. The caller shows
    // the window and closes Oper afterwards.
    void OpenList();
    // The picking-mode opener of the shift-entry dialog: starts on the first
    // operation, or on the operation with the given id when there is one.
    int ShowPicking(int operationId);

public Q_SLOTS:
    void Button2Click();
    void Button4Click();
    void DBGrid1DblClick();
    void Edit1Change();
    void FormActivate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void setListButtons(bool listMode);
    void pick();
};

extern TForm4 *Form4;
