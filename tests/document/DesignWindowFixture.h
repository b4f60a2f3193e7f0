#pragma once

#include "DesignerFixture.h"
#include "component/ClassRegistry.h"
#include "component/PropertyAccess.h"
#include "document/DesignHost.h"
#include "editors/EditorDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <functional>
#include <optional>

namespace tw::test
{

// The main window as the design window sees it: the palette with one
// template per test, answers for the pickers and modal dialogs, and a record
// of what the window asked of it.
class TFakeMain : public QWidget, public TOwner, public TDesignHost
{
public:
    TFakeMain()
    {
        palette = new TDsnPanel(this);
        palette->setName(QStringLiteral("DsnPanel1"));
        palette->setParent(this);
        arrow = new TArrowButton(this);
        arrow->setName(QStringLiteral("btArrow"));
        arrow->setParentControl(palette);
    }
    ~TFakeMain() override
    {
        while (!components().isEmpty())
            delete components().last();
    }

    TDsnPanel *DsnPanel1() override { return palette; }
    TArrowButton *ArrowButton() override { return arrow; }
    QString CurrentProjectFile() const override { return projectFile; }
    std::optional<QString> ExecuteOpenDialog1(const QString &filter,
                                              const QString &defaultExt) override
    {
        pickerCalls.append(filter + QLatin1Char('|') + defaultExt);
        return pick;
    }
    void SetDesignButtonDown(bool down) override { designDown = down; }
    void WhenRadioClick(TControl *radio) override { radioClicks.append(radio->name()); }
    void EnableEditMenu(bool enabled) override { editMenu = enabled; }
    void EnableEditActions(bool enabled) override { editActions = enabled; }
    void AdoptProjectWindow(QWidget *window) override { window->show(); }
    int ExecModal(QDialog &dialog) override
    {
        return modal ? modal(dialog) : int(QDialog::Rejected);
    }

    TDsnButton *addTemplate(const QString &cls, const QString &key)
    {
        TControl *tile = ClassRegistry::instance().create(cls, this);
        tile->setName(QStringLiteral("Dpst_") + cls);
        tile->setParent(this);
        SetPropByName(tile, QStringLiteral("Key"), key);
        auto *button = new TDsnButton(this);
        button->setName(freeName(QStringLiteral("TDsnButton")));
        button->setGeneName(tile->name());
        button->setParentControl(palette);
        return button;
    }

    TDsnPanel *palette;
    TArrowButton *arrow;
    QString projectFile;
    std::optional<QString> pick;
    QStringList pickerCalls;
    bool designDown = false;
    QStringList radioClicks;
    bool editMenu = false;
    bool editActions = false;
    std::function<int(QDialog &)> modal;
};

// Collects the error boxes instead of showing them.
class TCollectingDialogs : public TEditorDialogs
{
public:
    QMessageBox::StandardButton Ask(QWidget *, const QString &, const QString &text,
                                    QMessageBox::Icon, QMessageBox::StandardButtons) override
    {
        errors.append(text);
        return QMessageBox::Cancel;
    }
    void ShowError(QWidget *, const QString &text) override { errors.append(text); }
    std::optional<QString> SaveFileName(QWidget *, const TFileDialogSettings &) override
    {
        return std::nullopt;
    }
    std::optional<QString> OpenFileName(QWidget *, const TFileDialogSettings &) override
    {
        return std::nullopt;
    }
    std::optional<QFont> ChooseFont(QWidget *, const QFont &) override { return std::nullopt; }

    QStringList errors;
};

inline void flush()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// A drag, then what the event loop does next (the posted key check).
inline void dragAndSettle(QWidget *widget, QPoint from, QPoint to)
{
    drag(widget, from, to);
    flush();
}

// The tiles a container holds, without its own inner parts.
inline QList<TControl *> tilesIn(const TControl *container, const TOwner *owner)
{
    QList<TControl *> tiles;
    for (TControl *child : container->childControls())
        if (child->owner() == owner)
            tiles.append(child);
    return tiles;
}

inline QString key(const QObject *tile)
{
    QString value;
    GetStrPropByName(tile, QStringLiteral("Key"), value);
    return value;
}

} // namespace tw::test
