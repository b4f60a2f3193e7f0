#pragma once

#include "slide/Slide.h"

#include <QImage>
#include <QList>
#include <QString>
#include <memory>

namespace tw
{

struct PictureFormat {
    QString extension; // without the dot, lower case
    QString description;
};

// Picture formats accepted when a picture is loaded by file name: AutoCAD slides
// ("sld", "AutoCAD Slides") first, then every image format Qt can read.
const QList<PictureFormat> &PictureFormats();
// File-dialog filter for slides alone: "AutoCAD Slides (*.sld)|*.sld".
QString SlideFileFilter();
// File-dialog filter for every picture format, "All (...)" first, in the
// "Description (*.x)|*.x" pairs form.
QString PictureFileFilter();

// A picture loaded by file name: a slide through Tslide, any other image through QImage.
// Guarantees: a failed load leaves the picture empty and reports why.
class TPicture
{
public:
    // False, with the reason in error when given, when the file cannot be read.
    bool LoadFromFile(const QString &fileName, QString *error = nullptr);

    bool IsEmpty() const { return !m_slide && m_image.isNull(); }
    bool IsSlide() const { return m_slide != nullptr; }
    const Tslide *Slide() const { return m_slide.get(); }
    const QImage &Image() const { return m_image; }
    int Width() const;
    int Height() const;
    // Draws stretched into rect; slides take their colours 7 and 0 from background.
    void Draw(QPainter &canvas, const QRect &rect, const QColor &background) const;

private:
    std::unique_ptr<Tslide> m_slide;
    QImage m_image;
};

} // namespace tw
