#pragma once

#include "format/ComponentRecord.h"

#include <QList>
#include <functional>

namespace tw
{

class TControl;
class TOwner;

// Turns a control and the controls it holds into a record: its published
// properties, inherited first, leaving out ordinals equal to their declared
// default, empty strings, zero floats, properties the control does not store
// and events not bound to a method of the root; then the lines of each
// non-empty string list as "<Property>.Strings"; then the records of the child
// controls that the root owns.
ComponentRecord writeComponent(const TControl *control, const TOwner *root);

// What the reader lets its caller decide.
struct ReadHooks {
    // The name a read component takes, given its class and stored name. The
    // default keeps the stored name unless the owner already uses it, and then
    // takes "%s%d" on the class name without its first letter.
    std::function<QString(const QString &className, const QString &storedName)> nameFor;
    // Runs for each component right after it has been created and named.
    std::function<void(TControl *)> loading;
};

// Re-creates components from records, each owned by `owner` and inserted into
// `parent` (nested records into the component that holds them) before its
// properties are set. Unknown classes are skipped with their children, unknown
// properties and values that do not fit are skipped; reading goes on. When
// all records are read, each new component's loaded hook runs. Returns the
// components created for the top-level records.
QList<TControl *> readComponents(const std::vector<ComponentRecord> &records, TOwner *owner,
                                 TControl *parent, const ReadHooks &hooks = {});

} // namespace tw
