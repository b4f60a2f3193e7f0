#include "app/PaletteTemplates.h"
#include "app/Resources.h"
#include "component/Owner.h"
#include "component/Panel.h"
#include "component/PropertyAccess.h"
#include "format/TextForm.h"

#include <QFile>
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

} // namespace
} // namespace tw
