#include "app/AppStyle.h"
#include "app/Glyphs.h"
#include "app/MainWindow.h"
#include "component/Owner.h"
#include "designer/DsnPanel.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace tw
{
namespace
{

QList<TGlyph> allGlyphs()
{
    QList<TGlyph> glyphs;
    for (int i = 0; i <= int(TGlyph::MoreDown); ++i)
        glyphs.append(TGlyph(i));
    return glyphs;
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

QPalette lightPalette()
{
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
    light.setColor(QPalette::WindowText, Qt::black);
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    light.setColor(QPalette::Button, QColor(0xef, 0xef, 0xef));
    light.setColor(QPalette::ButtonText, Qt::black);
    light.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    light.setColor(QPalette::HighlightedText, Qt::white);
    return light;
}

// Pixels that stand out from the window behind the tool bar.
int contrastingPixels(const QImage &image, const QColor &window)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 200 && std::abs(qGray(pixel) - qGray(window.rgb())) > 96)
                ++count;
        }
    return count;
}

// Nothing, or next to nothing, to see.
bool isBlank(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    int visible = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                ++visible;
    return visible < 12;
}

QList<TPaletteButton *> paletteButtons(TfrmTilewrightMain &window)
{
    QList<TPaletteButton *> buttons{window.btArrow()};
    for (TDsnButton *button : window.DsnPanel1()->buttons())
        buttons.append(button);
    return buttons;
}

TEST(Glyphs, EveryPaletteButtonShowsItsOwnPicture)
{
    TfrmTilewrightMain window;
    const QList<TPaletteButton *> buttons = paletteButtons(window);
    ASSERT_EQ(buttons.size(), 16);
    QList<QImage> seen;
    for (TPaletteButton *button : buttons) {
        const std::string name = button->caption().toStdString();
        ASSERT_FALSE(button->glyph().isNull()) << name;
        const QPixmap pixmap = button->glyph().pixmap(QSize(16, 16));
        EXPECT_EQ(pixmap.size(), QSize(16, 16)) << name;
        EXPECT_FALSE(isBlank(pixmap)) << name;
        const QImage image = pixmap.toImage();
        EXPECT_FALSE(seen.contains(image)) << name << " looks like another button";
        seen.append(image);
        // Captions are hidden on this palette, so the caption names the button.
        EXPECT_FALSE(button->caption().isEmpty());
        EXPECT_EQ(button->toolTip(), button->caption());
        EXPECT_EQ(button->accessibleName(), button->caption());
    }
    EXPECT_EQ(buttons.first()->caption(), QStringLiteral("Select"));
    EXPECT_EQ(buttons[1]->caption(), QStringLiteral("Button"));
}

TEST(Glyphs, EveryToolBarCommandHasAPicture)
{
    TfrmTilewrightMain window;
    int commands = 0;
    for (QToolBar *bar : window.findChildren<QToolBar *>())
        for (QAction *action : bar->actions()) {
            // Widgets placed on a bar (the design button, the palette) are checked apart.
            if (action->isSeparator() || qobject_cast<QWidgetAction *>(action))
                continue;
            ++commands;
            const std::string name = action->objectName().toStdString();
            ASSERT_FALSE(action->icon().isNull()) << name;
            EXPECT_FALSE(isBlank(action->icon().pixmap(QSize(16, 16)))) << name;
        }
    EXPECT_EQ(commands, 13);
    ASSERT_FALSE(window.btDesign()->icon().isNull());
    EXPECT_FALSE(isBlank(window.btDesign()->icon().pixmap(QSize(16, 16))));
}

TEST(Glyphs, EveryPictureStandsOutOnLightAndDarkThemes)
{
    for (const QPalette &palette : {lightPalette(), darkPalette()})
        for (TGlyph glyph : allGlyphs()) {
            const QImage image = renderGlyph(glyph, QSize(16, 16), palette);
            EXPECT_GE(contrastingPixels(image, palette.color(QPalette::Window)), 12)
                << "glyph " << int(glyph) << " on window "
                << palette.color(QPalette::Window).name().toStdString();
        }
}

TEST(Glyphs, LinesCoverWholePixelsAtEverySizeAndRatio)
{
    // Drawn only with whole-pixel lines and fills: no half-covered pixels, and
    // the double-size picture is the small one with each pixel doubled.
    for (TGlyph glyph : {TGlyph::Text, TGlyph::EditBox, TGlyph::Toggle, TGlyph::ListBox,
                         TGlyph::BoxedRow, TGlyph::Column, TGlyph::Copy, TGlyph::DesignMode}) {
        const QImage small = renderGlyph(glyph, QSize(16, 16), lightPalette());
        const QImage large = renderGlyph(glyph, QSize(32, 32), lightPalette());
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const int alpha = qAlpha(small.pixel(x, y));
                EXPECT_TRUE(alpha == 0 || alpha == 255) << int(glyph) << " at " << x << "," << y;
            }
        EXPECT_EQ(large, small.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation))
            << int(glyph);
    }
    const QPixmap sharp = glyphIcon(TGlyph::Button).pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(sharp.size(), QSize(32, 32));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
}

TEST(Glyphs, DisabledPicturesAreGreyButKeepTheirShape)
{
    for (TGlyph glyph : allGlyphs()) {
        const QImage normal = renderGlyph(glyph, QSize(16, 16), lightPalette());
        const QImage disabled = renderGlyph(glyph, QSize(16, 16), lightPalette(), QIcon::Disabled);
        EXPECT_NE(normal, disabled) << int(glyph);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = disabled.pixel(x, y);
                EXPECT_EQ(qAlpha(pixel), qAlpha(normal.pixel(x, y)));
                if (qAlpha(pixel) > 0) {
                    EXPECT_EQ(qRed(pixel), qGreen(pixel)) << int(glyph);
                    EXPECT_EQ(qGreen(pixel), qBlue(pixel)) << int(glyph);
                }
            }
    }
}

// Where the glyph's opaque pixels appear, unchanged, on the button's face.
std::optional<QPoint> glyphOn(TPaletteButton *button)
{
    const QImage face = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage glyph =
        button->glyph().pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int top = 0; top + 16 <= face.height(); ++top)
        for (int left = 0; left + 16 <= face.width(); ++left) {
            bool match = true;
            for (int y = 0; y < 16 && match; ++y)
                for (int x = 0; x < 16 && match; ++x)
                    if (qAlpha(glyph.pixel(x, y)) == 255)
                        match = face.pixel(left + x, top + y) == glyph.pixel(x, y);
            if (match)
                return QPoint(left, top);
        }
    return std::nullopt;
}

TEST(Glyphs, APaletteButtonPaintsItsGlyphInsteadOfItsCaption)
{
    TfrmTilewrightMain window;
    window.DsnPanel1()->enable(true);
    TDsnButton *toggle = window.DsnPanel1()->buttons().at(4);
    ASSERT_EQ(toggle->caption(), QStringLiteral("Toggle"));
    const std::optional<QPoint> at = glyphOn(toggle);
    ASSERT_TRUE(at.has_value());
    EXPECT_LE(std::abs(at->x() + 8 - toggle->width() / 2), 2);
    EXPECT_LE(std::abs(at->y() + 8 - toggle->height() / 2), 2);
}

TEST(Glyphs, WithCaptionsShownTheGlyphSitsAboveTheCaption)
{
    TOwner owner;
    auto *palette = new TDsnPanel(&owner);
    palette->setBounds(0, 0, 90, 50);
    auto *button = new TDsnButton(&owner);
    button->setCaption(QStringLiteral("Toggle"));
    button->setGlyph(glyphIcon(TGlyph::Toggle));
    button->setBounds(0, 0, 90, 50);
    button->setParentControl(palette);
    palette->enable(true);
    const std::optional<QPoint> at = glyphOn(button);
    ASSERT_TRUE(at.has_value());
    EXPECT_LE(std::abs(at->x() + 8 - button->width() / 2), 2);
    EXPECT_LT(at->y() + 16, button->height() / 2 + 4);
}

// The number of pixels that differ; the file's colour space tag is not compared.
int differentPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

TEST(Glyphs, TheDrawnLogoIsTheInstalledIcon)
{
    const QImage installed(QStringLiteral(TW_LOGO_PNG));
    ASSERT_EQ(installed.size(), QSize(64, 64));
    EXPECT_EQ(differentPixels(renderLogo(64), installed), 0);
    // Sharp on high-density screens: each pixel doubled, not blurred.
    EXPECT_EQ(differentPixels(renderLogo(128), installed.scaled(128, 128, Qt::IgnoreAspectRatio,
                                                                Qt::FastTransformation)),
              0);
}

TEST(Glyphs, OverflowArrowsPointTheWayTheHiddenItemsLie)
{
    const QImage right = renderGlyph(TGlyph::MoreRight, QSize(16, 16), lightPalette());
    const QImage left = renderGlyph(TGlyph::MoreLeft, QSize(16, 16), lightPalette());
    const QImage down = renderGlyph(TGlyph::MoreDown, QSize(16, 16), lightPalette());
    EXPECT_EQ(left, right.mirrored(true, false));
    // Turned a quarter: the downward arrows are the rightward ones transposed.
    const QImage transposed = right.transformed(QTransform(0, 1, 1, 0, 0, 0));
    EXPECT_EQ(down, transposed);
    // The tip of the rightward arrows is on the right.
    EXPECT_EQ(qAlpha(right.pixel(11, 7)), 255);
    EXPECT_EQ(qAlpha(right.pixel(4, 7)), 0);
}

// An icon's 16-pixel picture, to compare icons by what they show.
QImage picture16(const QIcon &icon)
{
    return icon.pixmap(QSize(16, 16)).toImage();
}

// Puts the application's names, style and style sheet back as they were, so
// the other tests run with the application they started with.
class ApplicationRestorer
{
public:
    ApplicationRestorer()
        : m_name(QApplication::applicationName()), m_organisation(QApplication::organizationName()),
          m_style(QApplication::style()->name())
    {
    }
    ~ApplicationRestorer()
    {
        qApp->setStyleSheet(QString());
        QApplication::setStyle(QStyleFactory::create(m_style));
        QApplication::setApplicationName(m_name);
        QApplication::setOrganizationName(m_organisation);
    }

private:
    QString m_name;
    QString m_organisation;
    QString m_style;
};

TEST(AppStyle, OverflowButtonsShowTheDrawnArrowsAndOtherIconsComeFromTheBase)
{
    TAppStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    const auto picture = [&](QStyle::StandardPixmap icon, const QWidget *widget = nullptr) {
        return picture16(style.standardIcon(icon, nullptr, widget));
    };
    EXPECT_EQ(picture(QStyle::SP_ToolBarHorizontalExtensionButton),
              picture16(glyphIcon(TGlyph::MoreRight)));
    EXPECT_EQ(picture(QStyle::SP_ToolBarVerticalExtensionButton),
              picture16(glyphIcon(TGlyph::MoreDown)));
    QWidget rightToLeft;
    rightToLeft.setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(picture(QStyle::SP_ToolBarHorizontalExtensionButton, &rightToLeft),
              picture16(glyphIcon(TGlyph::MoreLeft)));

    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QImage base = picture16(fusion->standardIcon(QStyle::SP_DialogOkButton));
    ASSERT_FALSE(base.isNull());
    EXPECT_EQ(picture(QStyle::SP_DialogOkButton), base);
}

TEST(AppStyle, TheMenuBarOverflowButtonOfTheMainWindowShowsTheDrawnArrows)
{
    const ApplicationRestorer restorer;
    setUpApplication();
    ASSERT_NE(dynamic_cast<TAppStyle *>(QApplication::style()), nullptr);
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Tilewright"));
    TfrmTilewrightMain window;
    QToolButton *more = window.menuBar()->findChild<QToolButton *>();
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(picture16(more->icon()), picture16(glyphIcon(TGlyph::MoreRight)));
}

TEST(AppStyle, AStyleSheetGivenAtStartKeepsItsStyle)
{
    const ApplicationRestorer restorer;
    qApp->setStyleSheet(QStringLiteral("QPushButton { color: red; }"));
    QStyle *withSheet = QApplication::style();
    setUpApplication();
    EXPECT_EQ(QApplication::style(), withSheet);
    TfrmTilewrightMain window;
    window.show();
    QPushButton button(QStringLiteral("OK"));
    button.ensurePolished();
    EXPECT_EQ(button.palette().color(QPalette::ButtonText), QColor(Qt::red));
}

} // namespace
} // namespace tw
