#include "slide/SlideImage.h"

#include "slide/SlideLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>

namespace tw
{

bool IsSlideLibraryName(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toUpper() != QLatin1String("SLD");
}

TSlideImage::TSlideImage(QWidget *parent) : QWidget(parent)
{
}

void TSlideImage::SetBackColor(const QColor &colour)
{
    m_backColor = colour;
    update();
}

void TSlideImage::SetPictureFile(const QString &fileName)
{
    m_pictureFile = fileName;
    m_isLoaded = true;
    m_libraryOpen = false;
    m_slideName.clear();
    m_slideNames.clear();
    m_slideCount = 0;
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists() || !info.isFile()) {
        m_isLoaded = false;
        update();
        return;
    }
    m_isLibrary = IsSlideLibraryName(fileName);
    if (m_isLibrary) {
        loadLibrarySlide(m_slideNo);
    } else {
        try {
            m_slide.LoadFromFile(fileName);
        } catch (const TError &) {
            m_isLoaded = false;
        }
        m_slideNo = 0;
    }
    update();
}

void TSlideImage::SetSlideNo(int slideNo)
{
    if (!m_isLoaded && !m_libraryOpen)
        return;
    if (!m_isLibrary) {
        m_slideName.clear();
        m_slideNo = 0;
        return;
    }
    loadLibrarySlide(std::clamp(slideNo, 0, std::max(0, m_slideCount - 1)));
    update();
}

void TSlideImage::loadLibrarySlide(int slideNo)
{
    m_isLoaded = false;
    QFile file(m_pictureFile);
    if (!file.open(QIODevice::ReadOnly)) {
        m_libraryOpen = false;
        return;
    }
    try {
        const SlideLibrary library = SlideLibrary::ReadDirectory(file);
        m_libraryOpen = true;
        m_slideCount = library.SlideCount();
        m_slideNames.clear();
        for (const SlideDirectoryEntry &entry : library.Entries())
            m_slideNames << entry.name;
        if (slideNo < 0 || slideNo >= m_slideCount)
            slideNo = 0;
        m_slideNo = slideNo;
        m_slideName = m_slideNames.value(slideNo);
        m_slide.LoadFromBytes(library.ReadSlideData(file, slideNo));
        m_isLoaded = true;
    } catch (const TError &) {
        m_isLoaded = false;
    }
}

void TSlideImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setBrush(m_backColor);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(0, 0, width() - 1, height() - 1);
    if (!m_isLoaded)
        return;
    // Slides without colour records draw in the colour that shows on the background.
    painter.setPen(QPen(ContrastColor(m_backColor), 0));
    m_slide.Draw(painter, QRect(0, 0, width(), height()), m_backColor);
}

} // namespace tw
