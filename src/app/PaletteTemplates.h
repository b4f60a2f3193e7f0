#pragma once

#include <QList>

namespace tw
{

class TControl;
class TOwner;

// Reads the template tiles the palette copies new tiles from ("Dpst_TDCLButton"
// and so on, stored with the program) into `panel`, owned by `owner`.
QList<TControl *> loadPaletteTemplates(TOwner *owner, TControl *panel);

} // namespace tw
