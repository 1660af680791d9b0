#pragma once
// The one error type the program raises for failures the user must hear
// about (settings that cannot be read or written, documents that cannot be
// expanded). The application's error handler catches it, logs the message
// and shows it.

#include <QString>

#include <stdexcept>

class ETarvikError : public std::runtime_error
{
public:
    explicit ETarvikError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};
