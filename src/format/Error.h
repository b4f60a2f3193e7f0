#pragma once

#include <QString>
#include <stdexcept>

namespace tw
{

// What went wrong, for a caller that acts on it; the user reads the message.
enum class TErrorKind {
    Invalid, // a value or an argument the program refuses
    File,    // the system would not open, create, read or write a file
    Format,  // bytes that are not a valid file or stream of their kind
    Limit,   // more than a format can hold
};

// The one error of the program's file, format and value code: the program's
// own message text, shown to the user as it stands (what() is the same text in
// UTF-8), and its kind. Callers catch this one type.
class TError : public std::runtime_error
{
public:
    explicit TError(const QString &message, TErrorKind kind = TErrorKind::Invalid)
        : std::runtime_error(message.toStdString()), m_message(message), m_kind(kind)
    {
    }
    QString message() const { return m_message; }
    TErrorKind kind() const { return m_kind; }

private:
    QString m_message;
    TErrorKind m_kind;
};

// Messages of the file formats.
inline const char *const kCompressedFileCorrupt = "Compressed file is corrupt";
inline const char *const kFileCorrupt = "File is corrupt.";
inline const char *const kStreamWriteError = "Stream write error";
inline const char *const kStreamTooLarge = "Stream too large";

} // namespace tw
