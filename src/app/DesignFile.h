#pragma once

#include <QString>
#include <memory>

namespace tw
{

class TDesignRoot;

// Reads a design from a file: the text form when its first word is "object",
// otherwise a project file. Throws TError with the program's message.
std::unique_ptr<TDesignRoot> loadDesignFile(const QString &path);

// Writes the design in the text file `textPath` as the project file
// `projectPath`. Throws TError with the program's message.
void convertTextToProject(const QString &textPath, const QString &projectPath);

} // namespace tw
