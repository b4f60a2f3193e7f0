#include "tiles/TileEnums.h"

#include <QMetaEnum>

namespace tw
{
namespace
{

template <class E> QString keyOf(E value)
{
    return QString::fromLatin1(QMetaEnum::fromType<E>().valueToKey(int(value)));
}

} // namespace

QString enumName(TCadAlignment value)
{
    return keyOf(value);
}

QString enumName(TBackColor value)
{
    return keyOf(value);
}

QString enumName(TRetirementButton value)
{
    return keyOf(value);
}

} // namespace tw
