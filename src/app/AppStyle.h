#pragma once

#include <QProxyStyle>

namespace tw
{

// The platform's style, except that the overflow buttons of tool bars and the
// menu bar show drawn pictures, and that tool bars are painted in strips. The
// style's own pictures are image files, and reading the first image file loads
// every image format plugin: at start-up, before the first window appears,
// that costs more than a millisecond.
class TAppStyle : public QProxyStyle
{
public:
    explicit TAppStyle(QStyle *base = nullptr);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};

// What every start of the program's windows sets on the application: its
// names and, unless a style sheet is in force, its style.
void setUpApplication();

} // namespace tw
