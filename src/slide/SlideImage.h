#pragma once

#include "slide/Slide.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

namespace tw
{

// A control that shows a slide file, or one slide of a slide library, stretched to
// its whole area on a background colour.
// Guarantees: a missing or unreadable file never raises and never shows a message:
// only the background is painted. SlideNo is clamped to the library's slides and is
// left alone while no picture file could be opened. In a library, a slide whose
// entry lies about its place is refused alone; the other slides can still be chosen.
class TSlideImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QString PictureFile READ PictureFile WRITE SetPictureFile)
    Q_PROPERTY(int SlideNo READ SlideNo WRITE SetSlideNo)

public:
    explicit TSlideImage(QWidget *parent = nullptr);

    QColor BackColor() const { return m_backColor; }
    void SetBackColor(const QColor &colour);
    QString PictureFile() const { return m_pictureFile; }
    void SetPictureFile(const QString &fileName);
    int SlideNo() const { return m_slideNo; }
    void SetSlideNo(int slideNo);

    // Directory name of the library slide shown; empty for a single slide file.
    QString SlideName() const { return m_slideName; }
    bool IsLoaded() const { return m_isLoaded; }
    bool IsLibrary() const { return m_isLibrary; }
    int SlideCount() const { return m_slideCount; }
    QStringList SlideNames() const { return m_slideNames; }
    const Tslide &Slide() const { return m_slide; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void loadLibrarySlide(int slideNo);

    Tslide m_slide;
    QColor m_backColor = QColor(0, 0, 0);
    QString m_pictureFile;
    int m_slideNo = 0;
    QString m_slideName;
    bool m_isLoaded = false;
    bool m_isLibrary = false;
    // The library's directory could be read, so slides can be chosen even when the
    // current one was refused.
    bool m_libraryOpen = false;
    int m_slideCount = 0;
    QStringList m_slideNames;
};

// True when a picture file is read as a library: any extension but ".sld" (any case).
bool IsSlideLibraryName(const QString &fileName);

} // namespace tw
