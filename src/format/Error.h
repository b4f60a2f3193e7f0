#pragma once

#include <QString>
#include <stdexcept>

namespace tw
{

// An error with the program's own message text, shown to the user as it stands.
class TError : public std::runtime_error
{
public:
    explicit TError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace tw
