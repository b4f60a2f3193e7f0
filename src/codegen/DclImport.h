#pragma once

#include "dcl/Diagnostic.h"

#include <QString>
#include <memory>
#include <optional>

namespace tw
{

class TDesignRoot;

// One dialog of a DCL file turned into a design: the tiles the generator writes each DCL kind
// from, with every attribute a tile property carries (sizes converted to pixels as the inverse
// of the generator's conversion, so that generating again writes the same numbers), laid out
// in DCL's order as the design stage docks them. A tile or cluster without an alignment or
// children_alignment line takes a word the generator leaves out in that direction, so that the
// dialog keeps DCL's default and generating again writes no line either.
//
// Guarantees: what the design cannot hold (text parts, paragraphs and concatenations, an exit
// group or errtile that does not end the dialog, attributes no property carries, the
// attributes of user-defined prototypes, values a property cannot take) is imported as near
// as the tiles allow and listed in `warnings`, with the place it was written; the import
// still succeeds. When the AutoLISP file that Tilewright generated for the dialog sits beside
// the DCL file (same base name, extension .lsp in any case), its actions, their code, linked
// variables and slide references come back too. Unreadable files, a file without dialogs and
// a dialog name the file does not define are errors (TError), and nothing is built.
struct DclImport {
    std::unique_ptr<TDesignRoot> design;
    dcl::Diagnostics warnings;
    QString lispFile; // the AutoLISP file read, or empty
};

// Imports the dialog `dialogName` (the file's first dialog when empty) of the DCL file `path`.
DclImport importDclFile(const QString &path, const QString &dialogName = {});

// The same for texts held in memory: `dclText` read as the file `path`, `lispText` (when given)
// as the AutoLISP file beside it, named `lispPath`.
DclImport importDclText(const QString &dclText, const QString &path,
                        const std::optional<QString> &lispText = std::nullopt,
                        const QString &lispPath = {}, const QString &dialogName = {});

// Pixels from DCL character units, the inverse of the generator's width / 7.0 and
// height / 15.0 written to a tenth.
int dclWidthToPixels(double characters);
int dclHeightToPixels(double characters);

} // namespace tw
