#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

namespace tw
{

// Preview background of an image tile for each DCL colour name of BackColor.
// The names are in ordinal order; the five dialog and graphics colours have no
// fixed screen colour and show black.
const QStringList &BackColorNames();
// Preview colour of the BackColor with this ordinal (0 = black ... 12 =
// graphics_background); black for an ordinal out of range.
QColor BackColorPreview(int ordinal);
// Preview colour of the BackColor with this name (exact, lower case); none when unknown.
std::optional<QColor> BackColorPreviewByName(const QString &name);

} // namespace tw
