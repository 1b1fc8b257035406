#include "modal.h"

#include <QDialog>

namespace Modal {
namespace {
Handler g_handler;
}

int show(QDialog *dialog)
{
    if (g_handler)
        return g_handler(dialog);
    return dialog->exec();
}

Handler setHandler(Handler handler)
{
    Handler previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}

} // namespace Modal
