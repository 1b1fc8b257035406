#include "errordisplay.h"
#include "dberror.h"
#include "messages.h"

namespace ErrorDisplay {

void show(const std::exception &e)
{
    if (const auto *db = dynamic_cast<const DbError *>(&e)) {
        Msg::error(QStringLiteral("Ошибка базы данных:\n%1").arg(db->message().trimmed()));
        return;
    }
    if (const auto *user = dynamic_cast<const UserError *>(&e)) {
        Msg::error(user->message());
        return;
    }
    Msg::error(QString::fromLocal8Bit(e.what()));
}

bool guard(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const std::exception &e) {
        show(e);
        return false;
    }
}

} // namespace ErrorDisplay

bool TabelApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ErrorDisplay::show(e);
        return false;
    }
}
