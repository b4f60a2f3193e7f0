#include "format/Idents.h"

#include <array>

namespace tw
{
namespace
{

struct Ident {
    int value;
    const char *name;
};

constexpr int sys(int index)
{
    return int(0x80000000u | unsigned(index));
}

const Ident kColors[] = {
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {0x1FFFFFFF, "clNone"},
    {0x20000000, "clDefault"},
    {sys(0), "clScrollBar"},
    {sys(1), "clBackground"},
    {sys(2), "clActiveCaption"},
    {sys(3), "clInactiveCaption"},
    {sys(4), "clMenu"},
    {sys(5), "clWindow"},
    {sys(6), "clWindowFrame"},
    {sys(7), "clMenuText"},
    {sys(8), "clWindowText"},
    {sys(9), "clCaptionText"},
    {sys(10), "clActiveBorder"},
    {sys(11), "clInactiveBorder"},
    {sys(12), "clAppWorkSpace"},
    {sys(13), "clHighlight"},
    {sys(14), "clHighlightText"},
    {sys(15), "clBtnFace"},
    {sys(16), "clBtnShadow"},
    {sys(17), "clGrayText"},
    {sys(18), "clBtnText"},
    {sys(19), "clInactiveCaptionText"},
    {sys(20), "clBtnHighlight"},
    {sys(21), "cl3DDkShadow"},
    {sys(22), "cl3DLight"},
    {sys(23), "clInfoText"},
    {sys(24), "clInfoBk"},
    {sys(26), "clHotLight"},
    {sys(27), "clGradientActiveCaption"},
    {sys(28), "clGradientInactiveCaption"},
    {sys(29), "clMenuHighlight"},
    {sys(30), "clMenuBar"},
};

const Ident kCharsets[] = {
    {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},    {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},      {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},   {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"},  {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
};

std::pair<const Ident *, const Ident *> tableFor(const QString &table)
{
    if (table == QLatin1String("TColor"))
        return {std::begin(kColors), std::end(kColors)};
    if (table == QLatin1String("TFontCharset"))
        return {std::begin(kCharsets), std::end(kCharsets)};
    return {nullptr, nullptr};
}

// Screen colours for the system colour indexes, as a classic light desktop.
constexpr std::array<unsigned, 31> kSystemRgb = {
    0xC8C8C8, 0x000000, 0x0054E3, 0x7A96DF, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x316AC5, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};

} // namespace

std::optional<QString> identOfValue(const QString &table, int value)
{
    auto [first, last] = tableFor(table);
    for (auto it = first; it != last; ++it)
        if (it->value == value)
            return QString::fromLatin1(it->name);
    return std::nullopt;
}

std::optional<int> valueOfIdent(const QString &table, const QString &ident)
{
    auto [first, last] = tableFor(table);
    for (auto it = first; it != last; ++it)
        if (ident.compare(QLatin1String(it->name), Qt::CaseInsensitive) == 0)
            return it->value;
    return std::nullopt;
}

unsigned colorToRgb(TColor color)
{
    const unsigned raw = unsigned(color);
    if (raw & 0x80000000u) {
        const unsigned index = raw & 0xFF;
        return index < kSystemRgb.size() ? kSystemRgb[index] : 0x000000;
    }
    // Stored colours are 0x00BBGGRR.
    return ((raw & 0xFF) << 16) | (raw & 0xFF00) | ((raw >> 16) & 0xFF);
}

} // namespace tw
