#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class DBGrid;

// The worker list ("Список рабочих") over the data module's Workers: the
// workers reference book in list mode (tag 0), and the worker picker of the
// shift-entry dialog (picking mode 1) and of the maintenance-work dialog
// (picking mode 24).
class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    // The mode lives in the window tag: 0 list, 1 and 24 picking.
    int Tag = 0;

    DBGrid *DBGrid1;
    QPushButton *Button1; // "Добавить"
    QPushButton *Button2; // "Изменить" / "Выбрать"
    QPushButton *Button3; // "Удалить"
    QPushButton *Button4; // "Выход"
    QLineEdit *Edit1;     // search box
    QLabel *Label1;

    // Where a pick in picking mode 24 goes (the maintenance-work dialog sets
    // it): the worker's id and trimmed name.
    std::function<void(int workerId, const QString &fio)> PickReceiver24;

    // Prepares the list mode (menu "Справочники" / "Рабочие"): tag 0, the
    // workers read, the editing buttons back. The caller shows the window and
    // closes Workers afterwards.
    void OpenList();
    // The picking-mode opener (mode 1 or 24): a cleared search box, then the
    // list; a pick hands the worker back.
    int ShowPicking(int mode);

public Q_SLOTS:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Edit1Change();
    void FormActivate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void pick();
};

extern TForm5 *Form5;
