#include "Unit23.h"
#include "errordisplay.h"
#include "startup.h"
#include "batch.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    // Month-end reports for the payroll office without a window.
    if (argc > 1 && (qstrcmp(argv[1], "report") == 0 || qstrcmp(argv[1], "export") == 0)) {
        // No window is shown: needs no display (a server's cron job has none).
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return runReportBatch(QCoreApplication::arguments().mid(1));
    }
    TabelApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Табель"));
    QApplication::setQuitOnLastWindowClosed(false);

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!Startup::createWindows(arguments))
        return 1;
    Form23->show();
    const int result = app.exec();
    Startup::destroyWindows();
    return result;
}
