#include "app/PaletteTemplates.h"
#include "app/Resources.h"
#include "codegen/DesignCheck.h"
#include "codegen/DialogCode.h"
#include "component/Owner.h"
#include "component/Panel.h"
#include "component/PropertyAccess.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

// The text of a stored value as the property reads it back.
QString storedText(const StreamValue &value)
{
    switch (value.tag) {
    case ValueTag::True:
        return QStringLiteral("True");
    case ValueTag::False:
        return QStringLiteral("False");
    case ValueTag::Ident:
    case ValueTag::String:
        return value.text;
    default:
        return QString::number(value.integer);
    }
}

TEST(PaletteTemplates, EveryStoredValueReachesItsTemplate)
{
    TOwner owner;
    TPanel panel(&owner);
    const QList<TControl *> templates = loadPaletteTemplates(&owner, &panel);
    initAppResources();
    QFile file(QStringLiteral(":/templates.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<ComponentRecord> records = readTextForm(file.readAll());
    ASSERT_EQ(templates.size(), qsizetype(records.size()));
    ASSERT_EQ(records.size(), 17u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ComponentRecord &record = records[i];
        TControl *tile = templates[qsizetype(i)];
        EXPECT_EQ(tile->name(), record.name);
        EXPECT_EQ(tile->parentControl(), &panel);
        const TObjInfo info(tile);
        for (const NamedValue &property : record.properties) {
            const int index = info.IndexOfProp(property.name);
            ASSERT_GE(index, 0) << record.name.toStdString() << "." << property.name.toStdString();
            if (property.name == QLatin1String("Width") || property.name == QLatin1String("Height"))
                continue; // docked templates stretch inside the hidden panel
            EXPECT_EQ(info.GetItem(index).Value, storedText(property.value))
                << record.name.toStdString() << "." << property.name.toStdString();
        }
    }
}

// A tile placed from the palette and left as it comes gives a design that checks clean, whatever
// the tile: the generator writes nothing the DCL checker or the design rules object to.
TEST(PaletteTemplates, EachTemplateAloneInADialogChecksClean)
{
    initAppResources();
    QFile file(QStringLiteral(":/templates.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<ComponentRecord> templates = readTextForm(file.readAll());
    ASSERT_FALSE(templates.empty());
    for (const ComponentRecord &tile : templates) {
        std::vector<ComponentRecord> design =
            readTextForm("object DCLPanelBasic: TDCLPanel\n  Width = 300\n  Height = 300\nend\n");
        design.front().children.push_back(tile);
        TDesignRoot root;
        root.load(design);
        ASSERT_NE(root.dialogTile(), nullptr);
        const QList<TControl *> children = root.dialogTile()->childControls();
        ASSERT_EQ(std::count_if(children.cbegin(), children.cend(), IsWrittenAsTile), 1)
            << tile.name.toStdString();
        for (const DesignProblem &problem : CheckDesign(root.dialogTile()))
            ADD_FAILURE() << tile.name.toStdString() << ": " << problem.rule.toStdString() << ": "
                          << problem.message.toStdString();
    }
}

} // namespace
} // namespace tw
