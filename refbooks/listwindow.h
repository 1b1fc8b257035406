#pragma once

#include "dbgrid.h"

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class Dataset;

// What the worker list and the operation list have in common: a search box
// over the rows already read, the grid, the buttons "Добавить", "Изменить" /
// "Выбрать", "Удалить" and "Выход", and the mode in the window tag (0 list
// mode, otherwise a picking mode).
class ListWindow : public QDialog
{
    Q_OBJECT
public:
    int Tag = 0;

    DBGrid *DBGrid1;
    QPushButton *Button1; // "Добавить"
    QPushButton *Button2; // "Изменить" / "Выбрать"
    QPushButton *Button3; // "Удалить"
    QPushButton *Button4; // "Выход"
    QLineEdit *Edit1;     // search box
    QLabel *Label1;

public Q_SLOTS:
    void Button4Click();
    // The search box gets the focus when the window is shown, if visible.
    void FormActivate();

protected:
    struct Look {
        const char *objectName;
        QString caption;
        QString searchName; // what screen readers call the search box
        QString searchHint;
        QString gridName;
        QVector<GridColumn> columns;
    };
    ListWindow(const Look &look, Dataset &list, QWidget *parent);

    // Filters the list with a filter text; an empty one shows every row.
    void applySearch(const QString &filter);
    // Where a window puts controls of its own, after "Удалить".
    QHBoxLayout *extraButtons;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void reject() override; // Esc and the close box are "Выход"

private:
    Dataset &m_list;
};
