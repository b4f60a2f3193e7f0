#include "TilewrightProcess.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

using tw::test::Outcome;
using tw::test::tilewright;

const QByteArray kTwoDialogs = "first : dialog { label = \"First\";\n"
                               "  : edit_box { key = \"name\"; label = \"Name:\"; }\n"
                               "  ok_cancel;\n"
                               "}\n"
                               "second : dialog { label = \"Second\";\n"
                               "  : boxed_row { label = \"Pair\"; key = \"pair\";\n"
                               "    : button { key = \"a\"; label = \"A\"; }\n"
                               "    : button { key = \"b\"; label = \"B\"; } }\n"
                               "  ok_only;\n"
                               "}\n";

class DclCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        write(QStringLiteral("two.dcl"), kTwoDialogs);
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(DclCommands, LayoutPrintsTheChosenDialogAsJson)
{
    const Outcome first = tilewright({QStringLiteral("--layout"), path(QStringLiteral("two.dcl"))});
    ASSERT_EQ(first.status, 0) << first.err.constData();
    EXPECT_TRUE(first.err.isEmpty());
    const QJsonObject root = QJsonDocument::fromJson(first.out).object();
    EXPECT_EQ(root.value(u"name").toString(), QStringLiteral("first"));
    EXPECT_EQ(root.value(u"label").toString(), QStringLiteral("First"));
    EXPECT_GT(root.value(u"unit").toObject().value(u"width").toInt(), 0);
    const QJsonArray children = root.value(u"children").toArray();
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[0].toObject().value(u"key").toString(), QStringLiteral("name"));
    // The edit box comes first, the exit buttons below it, all inside the dialog.
    const QJsonObject exit = children[1].toObject();
    EXPECT_GT(exit.value(u"y").toInt(), children[0].toObject().value(u"y").toInt());
    EXPECT_LE(exit.value(u"y").toInt() + exit.value(u"height").toInt(),
              root.value(u"height").toInt());

    const Outcome second = tilewright({QStringLiteral("--layout"), path(QStringLiteral("two.dcl")),
                                       QStringLiteral("--dialog"), QStringLiteral("second")});
    ASSERT_EQ(second.status, 0) << second.err.constData();
    const QJsonObject other = QJsonDocument::fromJson(second.out).object();
    EXPECT_EQ(other.value(u"name").toString(), QStringLiteral("second"));
    const QJsonArray buttons =
        other.value(u"children").toArray()[0].toObject().value(u"children").toArray();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_LT(buttons[0].toObject().value(u"x").toInt(), buttons[1].toObject().value(u"x").toInt());
}

TEST_F(DclCommands, RenderDrawsTheDialogAtItsLaidOutSize)
{
    const Outcome layout = tilewright({QStringLiteral("--layout"), path(QStringLiteral("two.dcl")),
                                       QStringLiteral("--dialog"), QStringLiteral("second")});
    const QJsonObject root = QJsonDocument::fromJson(layout.out).object();
    const QString png = path(QStringLiteral("out/second.png"));
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("out"))));
    const Outcome run = tilewright({QStringLiteral("--render-dcl"), path(QStringLiteral("two.dcl")),
                                    QStringLiteral("--dialog"), QStringLiteral("second"),
                                    QStringLiteral("--output"), png});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty());
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(root.value(u"width").toInt(), root.value(u"height").toInt()));
}

TEST_F(DclCommands, ProblemsAreOneLineOnStandardError)
{
    write(QStringLiteral("broken.dcl"), "d : dialog { : button { key = \"a\" }\n");
    write(QStringLiteral("tiles.dcl"), "wide : button { width = 20; }\n");
    const QString two = path(QStringLiteral("two.dcl"));
    const struct {
        QStringList arguments;
        const char *says;
    } cases[] = {
        {{QStringLiteral("--layout"), two, QStringLiteral("--dialog"), QStringLiteral("third")},
         "third"},
        {{QStringLiteral("--layout"), path(QStringLiteral("broken.dcl"))}, "broken.dcl:"},
        {{QStringLiteral("--layout"), path(QStringLiteral("tiles.dcl"))}, "no dialog"},
        {{QStringLiteral("--layout"), path(QStringLiteral("missing.dcl"))}, "missing.dcl"},
        {{QStringLiteral("--render-dcl"), two}, "--output"},
        {{QStringLiteral("--layout"), two, QStringLiteral("--output"), path(QStringLiteral("x"))},
         "--render-dcl"},
        {{QStringLiteral("--layout")}, "--layout"},
        {{QStringLiteral("--render-dcl"), path(QStringLiteral("broken.dcl")),
          QStringLiteral("--output"), path(QStringLiteral("never.png"))},
         "broken.dcl:"},
    };
    for (const auto &c : cases) {
        const Outcome run = tilewright(c.arguments);
        const std::string name = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_TRUE(run.out.isEmpty()) << name;
        EXPECT_EQ(run.err.count('\n'), 1) << name << ": " << run.err.constData();
        EXPECT_TRUE(run.err.contains(c.says)) << name << ": " << run.err.constData();
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("never.png"))));
}

} // namespace
