#include "app/DesignFile.h"

#include "format/Error.h"
#include "format/ProjectFile.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QFile>

namespace tw
{

std::unique_ptr<TDesignRoot> loadDesignFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()),
                     TErrorKind::File);
    const QByteArray bytes = file.readAll();
    file.close();
    auto root = std::make_unique<TDesignRoot>();
    if (isTextForm(bytes)) {
        root->load(readTextForm(bytes));
    } else {
        // Whatever fails inside a project file, the file as a whole is corrupt.
        try {
            root->load(LoadProjectFile(path));
        } catch (const TError &error) {
            if (error.kind() == TErrorKind::File)
                throw;
            throw TError(QString::fromLatin1(kFileCorrupt), TErrorKind::Format);
        }
    }
    if (!root->dialog())
        throw TError(QStringLiteral("The design holds no dialog tile."), TErrorKind::Format);
    return root;
}

void convertTextToProject(const QString &textPath, const QString &projectPath)
{
    SaveProjectFile(projectPath, loadDesignFile(textPath)->save());
}

} // namespace tw
