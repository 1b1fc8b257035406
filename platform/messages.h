#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// Message boxes of the program. Windows ask this service instead of calling
// QMessageBox, so that a test can answer questions and read what was shown.
namespace Msg {

enum class Icon { Error, Information, Question, Warning };

enum Button { Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8 };

class Service
{
public:
    virtual ~Service() = default;
    // Shows the box and returns the button pressed.
    virtual Button show(const QString &text, const QString &caption, int buttons, Icon icon) = 0;
};

// The service in use; QMessageBox-based unless a test installed another.
Service &service();
// Installs a service (nullptr restores the default); returns the previous one.
Service *setService(Service *service);

// The common boxes.
inline void error(const QString &text, const QString &caption = QStringLiteral("Ошибка"))
{
    service().show(text, caption, Ok, Icon::Error);
}
inline void info(const QString &text, const QString &caption = QStringLiteral("Информация"))
{
    service().show(text, caption, Ok, Icon::Information);
}
// "Удаление"-style question with Yes and No; true on Yes.
inline bool ask(const QString &text, const QString &caption)
{
    return service().show(text, caption, Yes | No, Icon::Question) == Yes;
}

// For tests: keeps every box and answers questions from a script (Yes when
// the script is empty).
class Recorder : public Service
{
public:
    struct Box {
        QString text;
        QString caption;
        int buttons;
        Icon icon;
    };

    Recorder() { m_previous = setService(this); }
    ~Recorder() override { setService(m_previous); }

    Button show(const QString &text, const QString &caption, int buttons, Icon icon) override;

    QVector<Box> boxes;
    QVector<Button> answers; // taken from the front
    std::function<void(const Box &)> onShow; // runs while the box is "open"

    void clear() { boxes.clear(); }
    QStringList texts() const;

private:
    Service *m_previous = nullptr;
};

} // namespace Msg
