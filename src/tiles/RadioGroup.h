#pragma once

namespace tw
{

class TControl;

// What a container needs of a radio tile to keep its radio children exclusive.
class TRadioMember
{
public:
    virtual ~TRadioMember() = default;
    // While set, the tile does not announce its own value changes.
    virtual void setInGroupUpdate(bool value) = 0;
    virtual void setRadioValue(bool value) = 0;

protected:
    TRadioMember() = default;
};

// The RadioChecked handler shared by the dialog tile and the clusters: every
// radio tile among the direct children of `container` takes the value "is the
// sender and checked"; radio tiles elsewhere are not touched.
void applyRadioExclusivity(TControl *container, TControl *sender, bool checked);

} // namespace tw
