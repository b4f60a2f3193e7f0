#include "document/DialogRules.h"

#include "component/Control.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelection.h"
#include "designer/DsnStage.h"
#include "document/DialogDesign.h"
#include "editors/EditorDialogs.h"

#include <QAction>
#include <QMenu>

namespace tw
{

TDialogRules::TDialogRules(TfrmDialogDesign &window) : QObject(&window), m_window(window)
{
}

bool TDialogRules::canDelete(TControl *tile)
{
    return tile->name() != QLatin1String("DCLPanelBasic");
}

void TDialogRules::tileCreated(TControl *tile)
{
    m_window.DsnStage1ControlCreate(m_window.DsnStage1, tile);
}

void TDialogRules::popupShowing(QMenu *)
{
    const TDsnRegister *reg = m_window.Dsn8Register1;
    const QMenu *commands = m_window.DsnStage1->coverMenu();
    const auto enable = [commands](const char *name, bool on) {
        if (auto *action = commands->findChild<QAction *>(QLatin1String(name)))
            action->setEnabled(on);
    };
    enable("tileCut", reg->CanCopy());
    enable("tileCopy", reg->CanCopy());
    enable("tilePaste", reg->CanPaste());
    enable("tileDelete", reg->selection() && !reg->selection()->isEmpty());
}

QString TDialogRules::propertyButtonClicked(const QList<QObject *> &targets,
                                            const QString &property, const QString &value)
{
    QString result = value;
    m_window.DsnInspector1BtnClick(m_window.DsnInspector1, targets, result, property);
    return result;
}

void TDialogRules::reportError(const QString &message)
{
    EditorDialogs().ShowError(&m_window, message);
}

} // namespace tw
