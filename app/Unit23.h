#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTimer;

// The login window, the program's main window. The word typed here decides
// the role and so what the day sheet and the reports allow.
class TForm23 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm23(QWidget *parent = nullptr);

    enum class Role { None, FullAccess, PayrollOffice, Master, Storekeeper };
    static Role roleOf(const QString &entry); // entry trimmed first

    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;
    QTimer *Timer1;

    // Runs the version check: records this build's stamp, takes the decimal
    // separator, and ends the program when a newer build has run.
    void runVersionCheck();

public Q_SLOTS:
    void FormActivate();
    void Button1Click();
    void Button2Click();
    void Timer1Timer();

    // Esc and the close box cancel the login.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyRights(Role role);
    void work(); // hides this window, shows the day sheet, ends when it closes

    bool m_activated = false;
};

extern TForm23 *Form23;
