#include "slide/Picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace tw
{

const QList<PictureFormat> &PictureFormats()
{
    static const QList<PictureFormat> formats = [] {
        QList<PictureFormat> list{{QStringLiteral("sld"), QStringLiteral("AutoCAD Slides")}};
        for (const QByteArray &format : QImageReader::supportedImageFormats()) {
            const QString extension = QString::fromLatin1(format).toLower();
            if (extension != QLatin1String("sld"))
                list.append({extension, extension.toUpper() + QStringLiteral(" images")});
        }
        return list;
    }();
    return formats;
}

QString SlideFileFilter()
{
    return QStringLiteral("AutoCAD Slides (*.sld)|*.sld");
}

QString PictureFileFilter()
{
    QStringList patterns;
    QStringList pairs;
    for (const PictureFormat &format : PictureFormats()) {
        const QString pattern = QStringLiteral("*.") + format.extension;
        patterns << pattern;
        pairs << QStringLiteral("%1 (%2)|%2").arg(format.description, pattern);
    }
    const QString all = patterns.join(QLatin1Char(';'));
    return QStringLiteral("All (%1)|%1|").arg(all) + pairs.join(QLatin1Char('|'));
}

bool TPicture::LoadFromFile(const QString &fileName, QString *error)
{
    m_slide.reset();
    m_image = QImage();
    if (QFileInfo(fileName).suffix().toLower() == QLatin1String("sld")) {
        auto slide = std::make_unique<Tslide>();
        try {
            slide->LoadFromFile(fileName);
        } catch (const TError &e) {
            if (error)
                *error = e.message();
            return false;
        }
        m_slide = std::move(slide);
        return true;
    }
    QImageReader reader(fileName);
    m_image = reader.read();
    if (m_image.isNull()) {
        if (error)
            *error = reader.errorString();
        return false;
    }
    return true;
}

int TPicture::Width() const
{
    return m_slide ? m_slide->Width() : m_image.width();
}

int TPicture::Height() const
{
    return m_slide ? m_slide->Height() : m_image.height();
}

void TPicture::Draw(QPainter &canvas, const QRect &rect, const QColor &background) const
{
    if (m_slide)
        m_slide->Draw(canvas, rect, background);
    else if (!m_image.isNull())
        canvas.drawImage(rect, m_image);
}

} // namespace tw
