#pragma once

#include "dcl/Diagnostic.h"
#include "dcl/Syntax.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace tw::dcl
{

// A tile after prototypes are applied: what a previewer draws and a checker judges.
//
// Guarantees: `kind` is a standard tile kind (isStandardKind: "button", "row",
// "boxed_radio_column", "spacer_0", ...), the nearest one in the tile's line of descent, and
// `primitive` the primitive it finally derives from ("button", "cluster", "radio_cluster", ...).
// `attributes` holds every attribute that applies, own ones first, then inherited ones (where
// several parents set one, the leftmost parent's wins), each with the position where it was set;
// no name appears twice. `children` are in file order. `attributes` is implicitly shared, so a
// tile that only inherits holds its parent's list without copying it.
struct Tile {
    QString kind;
    QString primitive;
    QString name;        // the name the tile was defined or referred to by, or empty
    QStringList lineage; // the defined names it descends through, nearest first
    Position where;      // where the tile is written (for a dialog, its definition)
    QList<Attribute> attributes;
    std::vector<Tile> children;

    const Attribute *attribute(QStringView attributeName) const;
    // The attribute's value text, or `fallback` when the tile has no such attribute.
    QString value(QStringView attributeName, const QString &fallback = {}) const;
    // True when the attribute is the word `true`.
    bool isTrue(QStringView attributeName) const;
};

// Bounds on what one document may read and build. Going beyond one is reported (rule `limit`).
struct LoadLimits {
    qint64 maxFileSize = 4 * 1024 * 1024; // bytes per file
    int maxIncludedFiles = 64;
    int maxIncludeDepth = 8;
    int maxTiles = 200000; // tiles built for the whole document
    SyntaxLimits syntax;
};

struct LoadOptions {
    QStringList includeDirs; // searched after the including file's folder
    LoadLimits limits;
};

// A DCL file read with everything it includes, and the standard tiles.
//
// Guarantees: loading never throws and reads at most LoadLimits; every problem it meets is in
// diagnostics() (syntax, unreadable or missing includes, include cycles, unknown tiles, circular
// definitions, forward references, redefinitions, subassemblies changed where used, limits).
// Includes are searched beside the including file, then in LoadOptions::includeDirs; a file
// included a second time is skipped. A name refers to its latest definition before the point of
// use (so `button : button { ... }` redefines the standard button); failing that, to a definition
// further down (reported as a forward reference). Every top-level definition of the main file
// and of the included files is resolved into a Tile (definitions()); the dialogs among them are
// listed by dialogs() in file order.
class Document
{
public:
    // Reads the file `path` ("FILE" in messages is `path` as given). When it cannot be read at
    // all (missing, unreadable, larger than LoadLimits::maxFileSize), readError() says why and
    // the document is empty.
    static Document load(const QString &path, const LoadOptions &options = {});
    // Reads DCL text held in memory, named `path` (includes are searched beside that path).
    static Document fromText(const QString &text, const QString &path,
                             const LoadOptions &options = {});

    QString readError() const { return m_readError; }
    const Diagnostics &diagnostics() const { return m_diagnostics; }

    struct Definition {
        Tile tile; // resolved
        bool resolved = false;
    };
    // Top-level definitions of the main file and its includes, in reading order.
    const std::vector<std::shared_ptr<const Definition>> &definitions() const
    {
        return m_definitions;
    }
    // The dialogs among definitions(), in reading order.
    std::vector<const Tile *> dialogs() const;
    // The dialog called `name` (the last one, should the name be defined twice), or nullptr.
    const Tile *dialog(const QString &name) const;
    // Files read, main file first, each as the path its positions carry.
    const QStringList &files() const { return m_files; }

private:
    friend class DocumentBuilder;
    QString m_readError;
    Diagnostics m_diagnostics;
    std::vector<std::shared_ptr<const Definition>> m_definitions;
    QStringList m_files;
};

} // namespace tw::dcl
