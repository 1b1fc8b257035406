// Renders the program's windows on a database into PNG files, for the
// README and for looking at a layout without a display:
//   screenshots DATABASE SERVER OUT_DIR [LOGIN_WORD [DD.MM.YYYY]]
#include "Unit1.h"
#include "Unit23.h"
#include "modal.h"
#include "startup.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: screenshots DATABASE SERVER OUT_DIR [LOGIN_WORD]\n");
        return 2;
    }
    if (!Startup::createWindows({args[0], args[1]}))
        return 1;
    const QDir out(args[2]);
    Form23->show();
    Form23->Edit1->setText(QStringLiteral("****"));
    QCoreApplication::processEvents();
    Form23->grab().save(out.filePath(QStringLiteral("login.png")));

    Form23->Edit1->setText(args.value(3, QStringLiteral("7348")));
    Modal::Scope scope([&](QDialog *d) {
        d->resize(1400, 640);
        d->show();
        const QDate day = QDate::fromString(args.value(4), QStringLiteral("dd.MM.yyyy"));
        if (day.isValid()) {
            Form1->DateT->setDate(day);
            Form1->DateTChange();
        }
        QCoreApplication::processEvents();
        d->grab().save(out.filePath(QStringLiteral("daysheet.png")));
        return int(QDialog::Rejected);
    });
    Form23->Button1Click();
    Startup::destroyWindows();
    return 0;
}
