#include "app/DesignFile.h"

#include "component/Error.h"
#include "component/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QFile>

namespace tw {

std::unique_ptr<TDesignRoot> loadDesignFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (!isTextForm(bytes))
        throw TError(QStringLiteral("File is corrupt."));
    auto root = std::make_unique<TDesignRoot>();
    root->load(readTextForm(bytes));
    if (!root->dialog())
        throw TError(QStringLiteral("The design holds no dialog tile."));
    return root;
}

} // namespace tw
