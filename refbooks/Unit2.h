#pragma once

#include "dataset.h"

#include <QDialog>
#include <QVariant>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The worker dialog ("Работники"): adds a worker (tag 1) or changes one
// (tag 2). Its three lookup lists offer the departments, positions and roles
// of the factory; the department shown is written as the worker's position
// text.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    int Tag = 1;             // 1 add, 2 change
    int EditedWorkerId = 0;  // the worker being changed

    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    QComboBox *LCB_department;
    QComboBox *LCB_staffpos;
    QComboBox *LCB_roles;
    QPushButton *Button1; // "Записать"
    QPushButton *Button2; // "Отмена"

    // The lists' tables.
    Dataset department;
    Dataset staffpos;
    Dataset roles;
    // Runs the insert, update and delete statements on workers.
    Command cmd_person;

    // Closes and reopens staffpos, roles and department, in this order; each
    // list keeps the entry chosen before when it is still there.
    void reopenLists();

public Q_SLOTS:
    void FormActivate();
    void Button1Click();
    void FormMouseWheelDown();
    void FormMouseWheelUp();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void refill(QComboBox *box, Dataset &table);
    void stepFocusedList(int key);
};

extern TForm2 *Form2;
