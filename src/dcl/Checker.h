#pragma once

#include "dcl/Diagnostic.h"
#include "dcl/Document.h"

#include <QStringView>

namespace tw::dcl
{

// The DCL checker: what AutoCAD refuses (errors) or loads but misreads (warnings), found before
// AutoCAD sees the file.
//
// Guarantees: checkDocument() returns the document's own reading problems and the findings of
// the rules below, each once, ordered by file (as Document::files() lists them), line and
// column. A problem in a standard tile used by a dialog is placed on the line that uses it.
// Attributes set by the standard tiles themselves are never reported. Only tiles the document
// holds are judged: a prototype no dialog uses is checked for its own attributes only.
//
// Rules. Where the DCL reference leaves the answer open, the choice made here is marked (open).
//
// | rule                 | kind    | reported when                                                |
// |----------------------|---------|--------------------------------------------------------------|
// | syntax               | error   | the text is not DCL (unclosed brace, comment or string, a    |
// |                      |         | missing ';', unexpected character); the rest of the file is  |
// |                      |         | not read. A raw line break inside a string is one (open).    |
// | number               | error   | `.5` (a fraction needs a leading digit), an exponent or a    |
// |                      |         | second point (open: no host documents exponents)             |
// |                      | warning | `5.` with no digit after the point (open)                    |
// | escape               | warning | a backslash escape other than \" \\ \n \t (open: kept as     |
// |                      |         | written)                                                     |
// | stray-semicolon      | warning | ';' after '}' or after @include, or with nothing before it   |
// |                      |         | (open)                                                       |
// | include              | error   | @include of a missing file, of acad.dcl, or an include cycle |
// | limit                | error   | a file above 4 MB, tiles nested deeper than 64, includes     |
// |                      |         | nested deeper than 8 or more than 64 files, a file building  |
// |                      |         | more than 200000 tiles; more than 1000 problems (the rest    |
// |                      |         | are not listed)                                              |
// | unknown-tile         | error   | a parent or reference names no tile (case-sensitive)         |
// | circular-definition  | error   | a tile derives from itself                                   |
// | forward-reference    | warning | a tile is used above its definition (open: resolved, as the  |
// |                      |         | documents only say "previously defined")                     |
// | redefinition         | warning | a name defined twice (the later one serves later uses), or a |
// |                      |         | standard tile redefined; this covers two dialogs of one name |
// | subassembly          | warning | `: name { ... }` changes a tile that holds tiles (open:      |
// |                      |         | Autodesk allows it for prototypes only; applied as written)  |
// | duplicate-attribute  | warning | one tile sets an attribute twice (the later value counts)    |
// | exit                 | error   | a dialog has no OK or Cancel: no button with is_default or   |
// |                      |         | is_cancel true and none keyed "accept" or "cancel" (open:    |
// |                      |         | the exact test)                                              |
// | default-cancel       | warning | more than one button with is_default, or with is_cancel      |
// | duplicate-key        | warning | two tiles of one dialog have the same key                    |
// | key-format           | warning | a key is empty or holds a blank or a quote                   |
// | missing-key          | warning | an active tile has no key (open: Autodesk's error example,   |
// |                      |         | while hosts and tutorials accept it)                         |
// | radio-outside        | error   | a radio_button is not directly inside a radio row or column  |
// | radio-cluster-content| warning | a radio row or column holds a tile other than radio buttons  |
// |                      |         | and spacers (open: BricsCAD allows it)                       |
// | value-type           | error   | a value of the wrong type: a quoted string or a number where |
// |                      |         | a word is due, a word where a string or number is due, a     |
// |                      |         | string where a number is due (a number for a string is read  |
// |                      |         | as its text and accepted)                                    |
// | integer-value        | warning | a real number where a whole number is due                    |
// | reserved-word-case   | warning | a reserved word not in lower case (`True`, `Centered`)       |
// | enum-value           | warning | a word the attribute does not know (`center`, `yes`)         |
// | value-format         | warning | toggle or radio_button value not "0"/"1"; slider value not a |
// |                      |         | whole number; popup_list value not one index; list_box value |
// |                      |         | not indices (one unless multiple_select); tabs not numbers;  |
// |                      |         | color outside 0..255; password_char or mnemonic not one      |
// |                      |         | character                                                    |
// | value-range          | warning | slider min/max/value outside -32768..32767, value or an      |
// |                      |         | increment outside the range; edit_limit above 256            |
// | mnemonic             | warning | the mnemonic character is not in the label (same case)       |
// | unknown-attribute    | warning | an attribute AutoCAD does not document (kept by AutoCAD as a |
// |                      |         | user attribute), named with a hint when only its case        |
// |                      |         | differs from a documented one                                |
// | ignored-attribute    | warning | a documented attribute the tile kind does not read           |
// | restricted-attribute | warning | horizontal_margin, vertical_margin, type (Autodesk: must not |
// |                      |         | be used), or boxed, is_error_tile, is_help (internal)        |
// | alignment            | warning | alignment across a parent's direction (top/bottom in a       |
// |                      |         | column, left/right in a row), or children_alignment across   |
// |                      |         | the cluster's own                                            |
// | cluster-label        | warning | a label on a row, column or radio row/column without a box   |
// |                      |         | (open: AutoCAD shows none, other hosts draw a box)           |
// | image-size           | warning | an image or image_button without width and height, or one of |
// |                      |         | them and aspect_ratio                                        |
// | text-size            | warning | a text with neither a label nor a width                      |
// | initial-focus        | warning | initial_focus names no key of the dialog                     |
Diagnostics checkDocument(const Document &document);

// Reads and checks a DCL file. When the file cannot be read, returns nothing and sets
// `readError`.
Diagnostics checkDclFile(const QString &path, const LoadOptions &options, QString *readError);

// Checks AutoLISP text for unbalanced parentheses (rule `parenthesis`) and unterminated strings
// and block comments (rule `syntax`), each reported where the unmatched one opened. Knows
// `;` and `;| ... |;` comments and backslash escapes in strings. An unclosed '(' is placed on
// the first top-level form that a later column-one `(defun` finds still open.
Diagnostics checkLisp(QStringView text, const QString &file);
// Reads (at most 16 MB) and checks an AutoLISP file; sets `readError` when it cannot be read.
Diagnostics checkLispFile(const QString &path, QString *readError);

} // namespace tw::dcl
