#include "Unit23.h"
#include "errordisplay.h"
#include "startup.h"
#if __has_include("batch.h")
#include "batch.h"
#define TABEL_HAS_BATCH 1
#endif

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
#ifdef TABEL_HAS_BATCH
    if (argc > 1 && (qstrcmp(argv[1], "report") == 0 || qstrcmp(argv[1], "export") == 0)) {
        QApplication app(argc, argv);
        return runReportBatch(QCoreApplication::arguments().mid(1));
    }
#endif
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
