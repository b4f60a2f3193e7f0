#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace tw
{

// Result of rendering a slide: the image, or the message saying why there is none.
struct SlideThumbnail {
    QImage image;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Largest width or height a thumbnail may have.
inline constexpr int kMaxThumbnailSide = 8192;

// Renders a slide file, or slide slideNo of a library (clamped to its slides as the
// slide display clamps it), stretched to size on background. Files are told apart
// as the slide display does: ".sld" is a slide, anything else a library.
// error is the reader's message ("Invalid slide file", "unsupported level 1 slide",
// "SLD file not from an Intel-based machine"), the system's reason when the file
// cannot be opened, or "Invalid image size" for a size outside 1..8192.
SlideThumbnail RenderSlideThumbnail(const QString &fileName, int slideNo, const QSize &size,
                                    const QColor &background);
// The same on a background named by a BackColor name ("black" ... "graphics_background");
// an unknown name gives the error "Unknown background colour: NAME".
SlideThumbnail RenderSlideThumbnail(const QString &fileName, int slideNo, const QSize &size,
                                    const QString &backColorName);

} // namespace tw
