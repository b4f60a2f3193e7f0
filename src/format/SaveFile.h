#pragma once

#include <QByteArray>
#include <QString>

namespace tw
{

// Every file the program writes goes through here: `bytes` replace the file at
// `fileName` whole or not at all (QSaveFile), so a failed or interrupted save
// leaves the previous file as it was. A failure throws TError of kind File:
//   Cannot create file "NAME". REASON
void saveFileAtomically(const QString &fileName, const QByteArray &bytes);

} // namespace tw
