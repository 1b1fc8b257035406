#pragma once

#include <QDate>
#include <QDialog>
#include <QStringList>

class QAction;
class QCheckBox;
class QDateEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTimer;
class Command;
class Dataset;
class DBGrid;

// The day sheet: the shift positions of one date and one shift, the
// program's working window. Shown modally by the login window; closing it
// ends the program.
class TForm1 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Creates the data module, connects with the command-line arguments
    // (without the program name) and creates the login window. False when
    // the database cannot be reached (the user has been told).
    bool FormCreate(const QStringList &arguments);

    // Shown value of the shift selector: 1, 2, 3, or 4 for overtime.
    int ShiftMode = 1;
    // What was typed at login (a role word or an access code).
    QString RoleText;
    // The shift list of ShiftMode, as the last add, change or approve took it.
    Dataset *CurrentShiftQuery = nullptr;
    // This build's stamp, set by the version check.
    int BuildDate = 0;
    int BuildTime = 0;

    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QRadioButton *RadioButton4;
    QDateEdit *DateT;
    QCheckBox *CBox1;
    DBGrid *DBGrid2;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button8;
    QPushButton *Button5;
    QPushButton *Button4;
    QMenu *PopupMenu1;
    QAction *N21;
    QMenuBar *MainMenu1;
    QMenu *N2;
    QAction *N1, *N3, *N4, *N6, *N8;
    QMenu *N11;
    QAction *N9, *N13;
    QMenu *N14;
    QAction *N20, *N22;
    QMenu *N15;
    QAction *N18, *N19;
    QAction *N17, *N23;
    QMenu *N7;
    QAction *N10;
    QAction *N5;
    QTimer *Timer1;
    Command *updtOK;

    // Today's date; tests fix it.
    static QDate today();
    static void setTodayForTests(const QDate &date);

public Q_SLOTS:
    void FormActivate();
    void DateTChange();
    void DateTKeyPress();
    void CBox1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void Button8Click();
    void DBGrid2DblClick();
    void Button1Click();
    void Button2Click();
    void N21Click();
    void Button3Click();
    void Button4Click();
    void N5Click();
    void Timer1Timer();
    void N1Click();
    void N10Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectShift(int shift);
    void openShiftLists(const QDate &date);
    void closeShiftLists();
    Dataset &listOfShift() const;
    // Shows a window of the program over this one; when it closes this
    // window becomes active again.
    int showChild(QDialog *window);
    void styleCheckBox();

    bool m_firstShow = true;
};

extern TForm1 *Form1;
