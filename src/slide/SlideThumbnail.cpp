#include "slide/SlideThumbnail.h"

#include "slide/BackColor.h"
#include "slide/Slide.h"
#include "slide/SlideImage.h"
#include "slide/SlideLibrary.h"

#include <QFile>
#include <QPainter>
#include <algorithm>

namespace tw
{

SlideThumbnail RenderSlideThumbnail(const QString &fileName, int slideNo, const QSize &size,
                                    const QColor &background)
{
    if (size.width() < 1 || size.height() < 1 || size.width() > kMaxThumbnailSide ||
        size.height() > kMaxThumbnailSide)
        return {{}, QStringLiteral("Invalid image size")};
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    Tslide slide;
    try {
        if (IsSlideLibraryName(fileName)) {
            const SlideLibrary library = SlideLibrary::ReadDirectory(file);
            const int index = std::clamp(slideNo, 0, std::max(0, library.SlideCount() - 1));
            slide.LoadFromBytes(library.ReadSlideData(file, index));
        } else {
            slide.LoadFromStream(file);
        }
    } catch (const TError &e) {
        return {{}, e.message()};
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setPen(QPen(ContrastColor(background), 0));
    slide.Draw(painter, QRect(QPoint(0, 0), size), background);
    painter.end();
    return {image, {}};
}

SlideThumbnail RenderSlideThumbnail(const QString &fileName, int slideNo, const QSize &size,
                                    const QString &backColorName)
{
    const std::optional<QColor> background = BackColorPreviewByName(backColorName);
    if (!background)
        return {{}, QStringLiteral("Unknown background colour: ") + backColorName};
    return RenderSlideThumbnail(fileName, slideNo, size, *background);
}

} // namespace tw
