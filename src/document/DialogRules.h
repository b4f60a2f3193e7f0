#pragma once

#include "designer/DesignRules.h"

#include <QObject>

namespace tw
{

class TfrmDialogDesign;

// The rules of a dialog design, for the stage of its design window: the
// dialog tile is never deleted, a new tile gets a key of its own, the
// right-click menu offers only the commands that apply, the inspector's
// "..." buttons open the window's editors and pickers, and refused values
// are reported through the replaceable dialogs.
class TDialogRules : public QObject, public TDesignRules
{
public:
    explicit TDialogRules(TfrmDialogDesign &window);

    bool canDelete(TControl *tile) override;
    void tileCreated(TControl *tile) override;
    void popupShowing(QMenu *menu) override;
    QString propertyButtonClicked(const QList<QObject *> &targets, const QString &property,
                                  const QString &value) override;
    void reportError(const QString &message) override;

private:
    TfrmDialogDesign &m_window;
};

} // namespace tw
