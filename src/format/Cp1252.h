#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Windows-1252, the 8-bit code page of existing design files.
namespace tw
{

QString fromCp1252(const QByteArray &bytes);
// The 8-bit form of `text`, or nothing when a character has no place in it.
std::optional<QByteArray> toCp1252(const QString &text);

} // namespace tw
