#pragma once

#include "listwindow.h"

#include <functional>

// The worker list ("Список рабочих") over the data module's Workers: the
// workers reference book in list mode (tag 0), and the worker picker of the
// shift-entry dialog (picking mode 1) and of the maintenance-work dialog
// (picking mode 24).
class TForm5 : public ListWindow
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    // The mode lives in Tag: 0 list, 1 and 24 picking.

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
    void Edit1Change();

private:
    void pick();
};

extern TForm5 *Form5;
