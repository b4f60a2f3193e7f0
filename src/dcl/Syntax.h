#pragma once

#include "dcl/Diagnostic.h"

#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <functional>
#include <vector>

namespace tw::dcl
{

// An attribute value as written. `text` is the decoded string for String (escapes applied), the
// digits for numbers (a leading minus kept) and the word as written for Word.
struct Value {
    enum Type { Integer, Real, String, Word };
    Type type = String;
    QString text;
    Position where;
};

struct Attribute {
    QString name;
    Value value;
    Position where; // the attribute's name
};

struct NameRef {
    QString name;
    Position where;
};

// A tile as written: a top-level definition `name : parent [: parent2 ...] { ... }`, a child
// written `: parent { ... }` (or, inside a tile, `name : parent { ... }`), or a reference
// `name;`, which has one parent (the name) and no body.
struct TileNode {
    QString name; // empty for anonymous children and references
    // At least one, except for the primitives of the standard tiles; nearly always just one,
    // which is held without an allocation of its own.
    QVarLengthArray<NameRef, 1> parents;
    bool isReference = false; // written `name;`
    std::vector<Attribute> attributes;
    std::vector<TileNode> children;
    Position where; // the first token of the tile
};

struct IncludeNode {
    QString fileName; // as written between the quotes
    Position where;
    std::size_t definitionsBefore = 0; // top-level definitions written before the directive
};

// One file as parsed. After a syntax error the rest of the file is not read: `definitions` holds
// the definitions completed before it, and `complete` is false.
struct FileNode {
    QString file;
    std::vector<TileNode> definitions;
    std::vector<IncludeNode> includes;
    bool complete = true;
};

// Limits on what one file may hold; a file beyond them is reported, never read without bound.
struct SyntaxLimits {
    int maxNesting = 64; // tiles inside tiles
};

// Receives a top-level definition as soon as it has been read.
using DefinitionSink = std::function<void(TileNode &&definition)>;

// Reads DCL text. Keeps the line and column of every tile, attribute and value; reports every
// lexical and syntax problem it meets (rules `syntax`, `escape`, `number`, `stray-semicolon`,
// `limit`) and never throws. `primitives` lets a definition have no parent (`name { ... }`);
// only the library's own standard tiles use it. When `early` is given, the definitions written
// before the first @include go to it, in order, instead of into FileNode::definitions (whose
// IncludeNode::definitionsBefore then count only the others).
FileNode parseDcl(QStringView text, const QString &file, Diagnostics &diagnostics,
                  const SyntaxLimits &limits = {}, bool primitives = false,
                  const DefinitionSink &early = {});

// Decodes file bytes: UTF-8 when they are valid UTF-8, otherwise Latin-1 (the encoding DCL
// expects is not documented, so no byte is refused). A UTF-8 byte-order mark is dropped.
QString decodeDclBytes(const QByteArray &bytes);

} // namespace tw::dcl
