#pragma once

#include <QProxyStyle>

namespace tw
{

// The platform's style, except that the overflow buttons of tool bars and the
// menu bar show drawn pictures, in the program's own glyphs.
class TAppStyle : public QProxyStyle
{
public:
    explicit TAppStyle(QStyle *base = nullptr);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

// What every start of the program's windows sets on the application: its
// names and, unless a style sheet is in force, its style.
void setUpApplication();

} // namespace tw
