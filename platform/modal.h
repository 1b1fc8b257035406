#pragma once

#include <functional>

class QDialog;

// Every window is shown modally through here. A test installs a handler that
// receives the window instead of the event loop: it may press the window's
// buttons by calling their handlers and returns the dialog's result.
namespace Modal {

using Handler = std::function<int(QDialog *)>;

int show(QDialog *dialog);

// Installs a handler (empty restores exec()); returns the previous one.
Handler setHandler(Handler handler);

// Scoped handler for a test.
class Scope
{
public:
    explicit Scope(Handler handler) : m_previous(setHandler(std::move(handler))) {}
    ~Scope() { setHandler(m_previous); }

private:
    Handler m_previous;
};

} // namespace Modal
