#pragma once

#include <QApplication>
#include <exception>
#include <functional>

// The program's last line of defence: an error that no window handled is
// shown in a box with its text, and the program goes on.
namespace ErrorDisplay {

// Shows the exception's text (a DbError with the server's words).
void show(const std::exception &e);

// Runs an action; anything it throws is shown and swallowed. Returns false
// when the action failed.
bool guard(const std::function<void()> &action);

} // namespace ErrorDisplay

// An application object that catches what escapes event handlers and shows it.
class TabelApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};
