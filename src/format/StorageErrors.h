#pragma once

#include <QString>
#include <stdexcept>

namespace tw
{

// Errors of the storage layer. Each carries the exact text the application shows
// (what() is UTF-8, message() the same text as a QString).
//
//   ECorruptFile  "Compressed file is corrupt"  from DecompressStream
//                 "File is corrupt."            from TMoxStreams loading
//   EFileError    "Cannot create file "NAME". REASON" / "Cannot open file "NAME". REASON"
//   EStreamError  "Stream write error"          a destination device refused bytes
//                 "Stream too large"            more than the codec or the file layout can hold
class EStorageError : public std::runtime_error
{
public:
    explicit EStorageError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

class ECorruptFile : public EStorageError
{
public:
    using EStorageError::EStorageError;
};

class EFileError : public EStorageError
{
public:
    using EStorageError::EStorageError;
};

class EStreamError : public EStorageError
{
public:
    using EStorageError::EStorageError;
};

inline const char *const kCompressedFileCorrupt = "Compressed file is corrupt";
inline const char *const kFileCorrupt = "File is corrupt.";
inline const char *const kStreamWriteError = "Stream write error";
inline const char *const kStreamTooLarge = "Stream too large";

} // namespace tw
