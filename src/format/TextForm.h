#pragma once

#include "format/ComponentRecord.h"

#include <QByteArray>

namespace tw
{

// The classic text form of component records:
//
//   object DCLPanelBasic: TDCLPanel
//     Left = 0
//     Caption = 'It''s'#13#10'two lines'
//     LispCode.Strings = (
//       '(alert "hi")'
//     )
//     object DCLButton1: TDCLButton
//     end
//   end
//
// Writing uses the layout of Free Pascal's binary-to-text conversion (two
// spaces per level, one line per list item, characters outside printable
// ASCII as decimal #nnn). Reading also accepts strings joined by '+', #$hh
// codes, and values that start on the line after '='.
QByteArray writeTextForm(const std::vector<ComponentRecord> &records);

// Parses one or more object blocks. Throws TError naming the line of the
// first error.
std::vector<ComponentRecord> readTextForm(const QByteArray &text);

// Whether `text` looks like the text form: its first word is "object".
bool isTextForm(const QByteArray &text);

} // namespace tw
