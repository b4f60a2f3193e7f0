#include "tiles/RadioGroup.h"

#include "component/Control.h"

namespace tw
{

void applyRadioExclusivity(TControl *container, TControl *sender, bool checked)
{
    QList<TRadioMember *> radios;
    for (TControl *child : container->childControls())
        if (auto *radio = dynamic_cast<TRadioMember *>(child)) {
            radios.append(radio);
            radio->setInGroupUpdate(true);
            radio->setRadioValue(child == sender && checked);
        }
    for (TRadioMember *radio : std::as_const(radios))
        radio->setInGroupUpdate(false);
}

} // namespace tw
