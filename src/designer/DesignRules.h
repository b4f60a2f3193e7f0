#pragma once

#include "designer/DsnTypes.h"

#include <QList>
#include <QString>

class QMenu;
class QObject;
class QWidget;

namespace tw
{

class TControl;

// The rules of the design a stage shows, asked by the designer before it acts
// and told what it did. Every answer here is permissive and every notice does
// nothing, so a stage works alone; a design window overrides what its design
// forbids or wants to know.
class TDesignRules
{
public:
    virtual ~TDesignRules() = default;

    // The rules of a stage that was given none.
    static TDesignRules &permissive();

    // 1 leaves a widget and everything in it out of design control (it is
    // neither hooked nor selectable); 0 puts it under design control.
    virtual int coverKind(QWidget *) { return 0; }
    // Which of dsn::kMayReceive (new tiles may be drawn in it) and
    // dsn::kMaySelect apply to a widget.
    virtual int selectKind(QWidget *) { return dsn::kMayReceive | dsn::kMaySelect; }
    virtual bool canMove(TControl *) { return true; }
    virtual bool canDelete(TControl *) { return true; }

    // A tile read onto the stage (from a project, the palette, the clipboard
    // or an undo) is being read; once the reading is done it is loaded, and
    // one made by the user (from the palette or the clipboard) is created.
    virtual void tileLoading(TControl *) {}
    virtual void tileLoaded(TControl *) {}
    virtual void tileCreated(TControl *) {}

    virtual void coverDoubleClicked(QWidget *) {}
    // The context menu is about to show.
    virtual void popupShowing(QMenu *) {}
    // The value a context-menu item sets on the selected tiles; `value` is
    // the item's.
    virtual QString menuValueChosen(const QList<TControl *> &, const QString &,
                                    const QString &value)
    {
        return value;
    }
    // The inspector's "..." button of a property was pressed with `value`
    // shown (its dialog may change the targets); returns the value to apply.
    virtual QString propertyButtonClicked(const QList<QObject *> &, const QString &,
                                          const QString &value)
    {
        return value;
    }
    // A value the user typed was refused.
    virtual void reportError(const QString &message);
};

} // namespace tw
