#include "batch.h"
#include "connection.h"
#include "dataset.h"
#include "dberror.h"
#include "excelwriter.h"
#include "messages.h"
#include "periodreports.h"
#include "reportform.h"
#include "spreadsheet.h"

#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

QString usage()
{
    return QStringLiteral(
        "Использование:\n"
        "  tabel report workers|products|workers-detailed|products-detailed --from ДД.ММ.ГГГГ --to ДД.ММ.ГГГГ\n"
        "        [--kind all|finished|blanks] --pdf ФАЙЛ [--db БАЗА --server СЕРВЕР]\n"
        "  tabel export products --from ДД.ММ.ГГГГ --to ДД.ММ.ГГГГ [--kind all|finished|blanks] --xlsx ФАЙЛ\n"
        "        [--db БАЗА --server СЕРВЕР]\n"
        "Дата «--to» в период не входит.");
}

void printError(const QString &text)
{
    QTextStream err(stderr);
    err << text << Qt::endl;
}

// Message boxes become lines on the error output; every error is counted.
class ErrorOutput : public Msg::Service
{
public:
    int errors = 0;
    Msg::Button show(const QString &text, const QString &caption, int buttons, Msg::Icon icon) override
    {
        if (icon == Msg::Icon::Error) {
            ++errors;
            printError(caption == QLatin1String("Ошибка") ? text : caption + QStringLiteral(": ") + text);
        } else if (icon != Msg::Icon::Information) {
            printError(text);
        }
        return (buttons & Msg::No) ? Msg::No : Msg::Ok;
    }
};

struct Failure
{
    QString message;
    int code;
};

QDate parseDate(const QString &option, const QString &text)
{
    const QDate d = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
    if (!d.isValid())
        throw Failure{QStringLiteral("Неверная дата «%1» в %2: нужна дата вида ДД.ММ.ГГГГ").arg(text, option), 2};
    return d;
}

} // namespace

int runReportBatch(const QStringList &arguments)
{
    return runReportBatch(arguments, [](const QString &database, const QString &server, QString *error) {
        // The program's rule: both only when the server is given.
        if (server.isEmpty())
            return openMainConnection(Connection::builtInDatabase(), Connection::builtInServer(), error);
        return openMainConnection(database, server, error);
    });
}

int runReportBatch(const QStringList &arguments, const BatchConnector &connect)
{
    ErrorOutput output;
    Msg::Service *previous = Msg::setService(&output);
    struct Restore {
        Msg::Service *service;
        ~Restore() { Msg::setService(service); }
    } restore{previous};

    try {
        if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            throw Failure{QStringLiteral("Для печати отчетов программе нужен графический модуль Qt"), 1};

        QStringList args = arguments;
        if (args.isEmpty())
            throw Failure{usage(), 2};
        const QString command = args.takeFirst();
        if (command != QLatin1String("report") && command != QLatin1String("export"))
            throw Failure{QStringLiteral("Неизвестная команда «%1».\n").arg(command) + usage(), 2};
        if (args.isEmpty() || args.first().startsWith(QLatin1String("--")))
            throw Failure{QStringLiteral("Не указан отчет.\n") + usage(), 2};
        const QString what = args.takeFirst();

        QHash<QString, QString> options;
        const QStringList known = {QStringLiteral("--from"), QStringLiteral("--to"), QStringLiteral("--kind"),
                                   QStringLiteral("--pdf"), QStringLiteral("--xlsx"), QStringLiteral("--db"),
                                   QStringLiteral("--server")};
        while (!args.isEmpty()) {
            const QString name = args.takeFirst();
            if (!known.contains(name))
                throw Failure{QStringLiteral("Неизвестный параметр «%1».\n").arg(name) + usage(), 2};
            if (args.isEmpty())
                throw Failure{QStringLiteral("Не указано значение параметра %1").arg(name), 2};
            options.insert(name, args.takeFirst());
        }

        const QString outputOption = command == QLatin1String("report") ? QStringLiteral("--pdf") : QStringLiteral("--xlsx");
        const QString wrongOutput = command == QLatin1String("report") ? QStringLiteral("--xlsx") : QStringLiteral("--pdf");
        if (options.contains(wrongOutput))
            throw Failure{QStringLiteral("Параметр %1 не подходит к команде %2").arg(wrongOutput, command), 2};
        for (const QString &required : {QStringLiteral("--from"), QStringLiteral("--to"), outputOption})
            if (options.value(required).isEmpty())
                throw Failure{QStringLiteral("Не указан параметр %1.\n").arg(required) + usage(), 2};

        PeriodReports::Kind kind = PeriodReports::Kind::Products;
        if (command == QLatin1String("report")) {
            static const QHash<QString, PeriodReports::Kind> kinds = {
                {QStringLiteral("workers"), PeriodReports::Kind::Workers},
                {QStringLiteral("products"), PeriodReports::Kind::Products},
                {QStringLiteral("workers-detailed"), PeriodReports::Kind::WorkersDetailed},
                {QStringLiteral("products-detailed"), PeriodReports::Kind::ProductsDetailed},
            };
            if (!kinds.contains(what))
                throw Failure{QStringLiteral("Неизвестный отчет «%1».\n").arg(what) + usage(), 2};
            kind = kinds.value(what);
        } else if (what != QLatin1String("products")) {
            throw Failure{QStringLiteral("Выгрузить можно только сводку по продукции (products), а не «%1»").arg(what), 2};
        }

        const QDate from = parseDate(QStringLiteral("--from"), options.value(QStringLiteral("--from")));
        const QDate to = parseDate(QStringLiteral("--to"), options.value(QStringLiteral("--to")));
        if (to <= from)
            throw Failure{QStringLiteral("Дата --to (%1) должна быть позже даты --from (%2): она в период не входит")
                              .arg(options.value(QStringLiteral("--to")), options.value(QStringLiteral("--from"))),
                          2};
        int productKind = PeriodReports::AllProducts;
        const QString kindText = options.value(QStringLiteral("--kind"), QStringLiteral("all"));
        if (kindText == QLatin1String("finished"))
            productKind = PeriodReports::FinishedProducts;
        else if (kindText == QLatin1String("blanks"))
            productKind = PeriodReports::Blanks;
        else if (kindText != QLatin1String("all"))
            throw Failure{QStringLiteral("Неверный вид продукции «%1»: all, finished или blanks").arg(kindText), 2};
        const QString file = QDir::current().absoluteFilePath(options.value(outputOption));

        QString why;
        if (!connect(options.value(QStringLiteral("--db")), options.value(QStringLiteral("--server")), &why))
            throw Failure{QStringLiteral("Подключение к БД отсутсвует!!!\n") + why, 1};

        if (command == QLatin1String("report")) {
            const PeriodReports::ReportRun r = PeriodReports::report(kind);
            struct Closer {
                Dataset *query;
                ~Closer() { query->close(); }
            } closer{r.query};
            PeriodReports::prepare(r, from, to, productKind);
            const bool saved = r.form->document().savePdf(file, &why);
            r.form->releasePages();
            if (!saved)
                throw Failure{why, 1};
        } else {
            Spreadsheet::XlsxApplication application;
            application.setFixedFile(file);
            application.setOpenAfterSaving(false);
            Spreadsheet::ProviderScope scope([&application](QString *) { return &application; });
            ExcelWriter writer;
            Dataset XLS_Rep(PeriodReports::productExportSql());
            const bool done = PeriodReports::exportProducts(XLS_Rep, writer, from, to, productKind, {});
            if (!done || output.errors > 0)
                throw Failure{QStringLiteral("Выгрузка не выполнена"), 1};
        }
        if (output.errors > 0)
            throw Failure{QStringLiteral("Отчет не выполнен"), 1};
        return 0;
    } catch (const Failure &f) {
        printError(f.message);
        return f.code;
    } catch (const DbError &e) {
        printError(QStringLiteral("Ошибка базы данных: ") + e.message());
        return 1;
    } catch (const UserError &e) {
        printError(e.message());
        return 1;
    }
}
