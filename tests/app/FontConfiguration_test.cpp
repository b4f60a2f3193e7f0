#include "app/FontConfiguration.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tw
{
namespace
{

struct ConfigRelease {
    void operator()(FcConfig *config) const { FcConfigDestroy(config); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigRelease>;

struct PatternRelease {
    void operator()(FcPattern *pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternRelease>;

std::string fileOf(const FcPattern *font)
{
    FcChar8 *file = nullptr;
    int index = 0;
    FcPatternGetString(font, FC_FILE, 0, &file);
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    return file ? reinterpret_cast<const char *>(file) + (':' + std::to_string(index)) : "";
}

std::set<std::string> fontFiles(FcConfig *config)
{
    std::set<std::string> files;
    if (FcFontSet *fonts = FcConfigGetFonts(config, FcSetSystem))
        for (int i = 0; i < fonts->nfont; ++i)
            files.insert(fileOf(fonts->fonts[i]));
    return files;
}

// The request as Qt makes it: the configuration's substitutions, then the
// defaults.
PatternPtr prepared(FcConfig *config, const char *request)
{
    PatternPtr pattern(FcNameParse(reinterpret_cast<const FcChar8 *>(request)));
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

std::vector<std::string> families(const FcPattern *pattern)
{
    std::vector<std::string> names;
    FcChar8 *name = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        names.emplace_back(reinterpret_cast<const char *>(name));
    return names;
}

std::string bestMatch(FcConfig *config, const char *request)
{
    const PatternPtr pattern = prepared(config, request);
    FcResult result = FcResultNoMatch;
    const PatternPtr match(FcFontMatch(config, pattern.get(), &result));
    return match ? fileOf(match.get()) : "";
}

// The first fonts of the fallback chain Qt asks for.
std::vector<std::string> fallbacks(FcConfig *config, const char *request)
{
    const PatternPtr pattern = prepared(config, request);
    FcResult result = FcResultNoMatch;
    FcFontSet *sorted = FcFontSort(config, pattern.get(), FcFalse, nullptr, &result);
    std::vector<std::string> files;
    for (int i = 0; sorted && i < sorted->nfont && i < 12; ++i)
        files.push_back(fileOf(sorted->fonts[i]));
    if (sorted)
        FcFontSetDestroy(sorted);
    return files;
}

// FONTCONFIG_FILE set for one test, as fontconfig reads it when it loads.
class TConfigFile
{
public:
    explicit TConfigFile(const QByteArray &path)
        : m_had(qEnvironmentVariableIsSet("FONTCONFIG_FILE")),
          m_previous(qgetenv("FONTCONFIG_FILE"))
    {
        qputenv("FONTCONFIG_FILE", path);
    }
    ~TConfigFile()
    {
        if (m_had)
            qputenv("FONTCONFIG_FILE", m_previous);
        else
            qunsetenv("FONTCONFIG_FILE");
    }
    TConfigFile(const TConfigFile &) = delete;
    TConfigFile &operator=(const TConfigFile &) = delete;

private:
    bool m_had;
    QByteArray m_previous;
};

TEST(FontConfiguration, ListsAndMatchesFontsAsFontconfigsOwnStartUpDoes)
{
    const ConfigPtr ours(loadSystemFontConfiguration());
    const ConfigPtr own(FcInitLoadConfigAndFonts());
    ASSERT_TRUE(ours);
    ASSERT_TRUE(own);

    const std::set<std::string> files = fontFiles(ours.get());
    EXPECT_FALSE(files.empty());
    EXPECT_EQ(files, fontFiles(own.get()));

    for (const char *request :
         {"sans-serif", "serif", "monospace", "Helvetica", "Times New Roman", "Courier New:bold",
          "Arial:italic", "DejaVu Sans:weight=200", "sans-serif:lang=ja", "sans-serif:lang=ar",
          "Tilewright No Such Family", ":spacing=mono:pixelsize=9"}) {
        SCOPED_TRACE(request);
        EXPECT_EQ(families(prepared(ours.get(), request).get()),
                  families(prepared(own.get(), request).get()));
        EXPECT_EQ(bestMatch(ours.get(), request), bestMatch(own.get(), request));
        EXPECT_EQ(fallbacks(ours.get(), request), fallbacks(own.get(), request));
    }
}

TEST(FontConfiguration, ConfigurationsThatDoNotLoadCleanlyAreLeftToFontconfig)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray cache = QFile::encodeName(dir.filePath(QStringLiteral("cache")));
    const QByteArray fonts = QFile::encodeName(dir.path());
    const QByteArray header =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n";
    const struct {
        const char *name;
        QByteArray text; // empty: the file is not written
        bool loads;
    } cases[] = {
        {"missing", {}, false},
        {"unclosed", "<fontconfig><dir>" + fonts + "</dir", false},
        {"not XML", "fonts: everywhere\n", false},
        {"no cache folder", header + "<fontconfig><dir>" + fonts + "</dir></fontconfig>", false},
        {"complete",
         header + "<fontconfig><dir>" + fonts + "</dir><cachedir>" + cache +
             "</cachedir></fontconfig>",
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".conf"));
        if (!c.text.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.text);
        }
        const TConfigFile chosen(QFile::encodeName(path));
        const ConfigPtr config(loadSystemFontConfiguration());
        EXPECT_EQ(bool(config), c.loads);
    }
}

} // namespace
} // namespace tw
