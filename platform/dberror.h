#pragma once

#include <QString>
#include <stdexcept>

// A statement the server refused, or a connection that failed. Carries the
// server's text and the statement so that the error display can show both.
class DbError : public std::runtime_error
{
public:
    DbError(const QString &message, const QString &statement = {})
        : std::runtime_error(message.toStdString()), m_message(message), m_statement(statement)
    {
    }

    QString message() const { return m_message; }
    QString statement() const { return m_statement; }

private:
    QString m_message;
    QString m_statement;
};

// Bad input found by the program itself before anything is written. Shown to
// the user in a plain Russian sentence.
class UserError : public std::runtime_error
{
public:
    explicit UserError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};
