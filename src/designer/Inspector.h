#pragma once

#include "component/PropertyAccess.h"
#include "designer/DesignEdits.h"
#include "designer/DesignRules.h"
#include "designer/DsnTypes.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

namespace tw
{

class TDsnStage;
class TInspectorFm;

// Which of the common properties the inspector lists, and their captions.
class TShowProps : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool aName MEMBER aName)
    Q_PROPERTY(bool aCaption MEMBER aCaption)
    Q_PROPERTY(bool aColor MEMBER aColor)
    Q_PROPERTY(bool aTop MEMBER aTop)
    Q_PROPERTY(bool aLeft MEMBER aLeft)
    Q_PROPERTY(bool aWidth MEMBER aWidth)
    Q_PROPERTY(bool aHeight MEMBER aHeight)
    Q_PROPERTY(bool aFont MEMBER aFont)
    Q_PROPERTY(QString aNameCp MEMBER aNameCp)
    Q_PROPERTY(QString aCaptionCp MEMBER aCaptionCp)
    Q_PROPERTY(QString aColorCp MEMBER aColorCp)
    Q_PROPERTY(QString aTopCp MEMBER aTopCp)
    Q_PROPERTY(QString aLeftCp MEMBER aLeftCp)
    Q_PROPERTY(QString aWidthCp MEMBER aWidthCp)
    Q_PROPERTY(QString aHeightCp MEMBER aHeightCp)
    Q_PROPERTY(QString aFontCp MEMBER aFontCp)

public:
    explicit TShowProps(QObject *parent = nullptr) : QObject(parent) {}

    bool aName = true;
    bool aCaption = true;
    bool aColor = true;
    bool aTop = true;
    bool aLeft = true;
    bool aWidth = true;
    bool aHeight = true;
    bool aFont = true;
    QString aNameCp;
    QString aCaptionCp;
    QString aColorCp;
    QString aTopCp;
    QString aLeftCp;
    QString aWidthCp;
    QString aHeightCp;
    QString aFontCp;
};

class TInspctHlpBtn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Visible MEMBER Visible)
    Q_PROPERTY(int HelpContext MEMBER HelpContext)
    Q_PROPERTY(QString Caption MEMBER Caption)

public:
    explicit TInspctHlpBtn(QObject *parent = nullptr) : QObject(parent) {}

    bool Visible = false;
    int HelpContext = 0;
    QString Caption = QStringLiteral("Help(&H)");
};

class TInspectorPos : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Left MEMBER Left)
    Q_PROPERTY(int Top MEMBER Top)
    Q_PROPERTY(int Width MEMBER Width)
    Q_PROPERTY(int Height MEMBER Height)

public:
    explicit TInspectorPos(QObject *parent = nullptr) : QObject(parent) {}

    int Left = 15;
    int Top = 50;
    int Width = 230;
    int Height = 400;
};

class TGridCp : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString PropCp MEMBER PropCp)
    Q_PROPERTY(QString ValueCp MEMBER ValueCp)
    Q_PROPERTY(int PropWid MEMBER PropWid)
    Q_PROPERTY(int ValueWid MEMBER ValueWid)

public:
    explicit TGridCp(QObject *parent = nullptr) : QObject(parent) {}

    QString PropCp = QStringLiteral("Properties");
    QString ValueCp = QStringLiteral("Values");
    int PropWid = 80;
    int ValueWid = 100;
};

// One listed property: its name, the caption shown for it and its value as
// text (empty where the selected components differ).
struct TInspectorRow {
    QString name;
    QString caption;
    QString value;
    TTypeKind kind = TTypeKind::tkUnknown;
};

// The list of properties shown for the selection, kept as a receiver of the
// selection. Only properties named by the entry list are shown, in its
// order; for several components only those every class has, without the
// ones that are left out for multiple selection.
class TInspectorModel : public TSelectionReceiver
{
public:
    // `entries`: "Name" or "Name|Caption" lines.
    TInspectorModel(const QStringList &entries, const QStringList &outProps);

    QList<QObject *> components() const;
    QList<TInspectorRow> rows() const;
    // Reads every value again from the current components.
    void recompute();
    // Sets the property on every component; throws TError "<text> is
    // illegal (<Property>)" for text that does not convert. Components
    // before the failing one keep their new value.
    void apply(const QString &propName, const QString &text);

    void selectionAdded(TControl *control) override;
    void selectionCleared() override;
    void selectionDeleted(int index, TControl *control) override;
    void selectionEntryNil(int index, const QObject *gone) override;
    void selectionUpdated() override;

    std::function<void()> onUpdated;

private:
    struct Entry {
        QString name;
        QString caption;
    };
    struct Shown {
        QString name;
        TTypeKind kind;
        QString value;
        QString first;
    };
    void reset();
    void merge(QObject *component);
    int entryIndex(const QString &property) const;

    QList<Entry> m_entries;
    QStringList m_outProps;
    QList<QPointer<QObject>> m_components;
    QStringList m_mergedClasses;
    QList<Shown> m_shown;
};

// Converts `text` for a property of `component` and sets it; false when the
// text does not convert. An empty text clears strings and leaves the rest.
bool applyPropertyText(QObject *component, const QString &propName, const QString &text);

// The non-visual inspector: what to list, and the model of the current
// selection while design mode is on.
class TCustomInspector : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList SelfProps READ selfProps WRITE setSelfProps)
    Q_PROPERTY(QStringList BtnProps READ btnProps WRITE setBtnProps)
    Q_PROPERTY(QStringList OutProps READ outProps WRITE setOutProps)

public:
    explicit TCustomInspector(QObject *parent = nullptr);
    ~TCustomInspector() override;

    QStringList selfProps() const { return m_selfProps; }
    void setSelfProps(const QStringList &value) { m_selfProps = value; }
    QStringList btnProps() const { return m_btnProps; }
    void setBtnProps(const QStringList &value) { m_btnProps = value; }
    QStringList outProps() const { return m_outProps; }
    void setOutProps(const QStringList &value) { m_outProps = value; }
    bool isShown() const { return m_shown; }

    // The entry lines, common properties first.
    virtual QStringList entryList() const;
    TInspectorModel *createModel(TDsnStage *stage);
    void freeModel();
    TInspectorModel *model() const { return m_model.get(); }
    TDsnStage *stage() const;

    virtual void showWindow();
    virtual void hideWindow();
    // Shows the model's rows again.
    virtual void refresh();
    // Reads the values again and shows them.
    void refreshValues();
    // Applies text to the selection as one edit; a failure is reported to the stage's rules.
    bool applyText(const QString &propName, const QString &text);
    // Where the inspector's changes are reported as edits (may be null).
    TDesignEdits *edits() const { return m_edits; }
    void setEdits(TDesignEdits *edits) { m_edits = edits; }
    // The rules of the stage the model shows.
    TDesignRules &rules() const;

protected:
    bool m_shown = false;

private:
    QStringList m_selfProps;
    QStringList m_btnProps;
    QStringList m_outProps;
    QPointer<TDsnStage> m_stage;
    std::unique_ptr<TInspectorModel> m_model;
    TDesignEdits *m_edits = nullptr;
};

// The object inspector: a floating tool window listing the selection's
// properties by the settings below, with in-place editors.
class TDsnInspector : public TCustomInspector
{
    Q_OBJECT
    Q_PROPERTY(tw::TShowProps *ShowProps READ showProps)
    Q_PROPERTY(bool ShowCombo READ showCombo WRITE setShowCombo)
    Q_PROPERTY(bool StayOnTop READ stayOnTop WRITE setStayOnTop)
    Q_PROPERTY(tw::TInspctHlpBtn *HelpButton READ helpButton)
    Q_PROPERTY(tw::TInspectorPos *Position READ position)
    Q_PROPERTY(QIcon BtnGlyph READ btnGlyph WRITE setBtnGlyph)
    Q_PROPERTY(tw::TGridCp *Grid READ grid)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)

public:
    explicit TDsnInspector(QObject *parent = nullptr);
    ~TDsnInspector() override;

    TShowProps *showProps() const { return m_showProps; }
    bool showCombo() const { return m_showCombo; }
    void setShowCombo(bool value) { m_showCombo = value; }
    bool stayOnTop() const { return m_stayOnTop; }
    void setStayOnTop(bool value) { m_stayOnTop = value; }
    TInspctHlpBtn *helpButton() const { return m_helpButton; }
    TInspectorPos *position() const { return m_position; }
    QIcon btnGlyph() const { return m_btnGlyph; }
    void setBtnGlyph(const QIcon &value) { m_btnGlyph = value; }
    TGridCp *grid() const { return m_grid; }
    QString caption() const { return m_caption; }
    void setCaption(const QString &value) { m_caption = value; }
    // Where the window's place and size are kept in QSettings("Orvane",
    // "Tilewright") between sessions; setting it takes the stored place as
    // Position. Empty (the default): kept only while this inspector lives.
    QString settingsKey() const { return m_settingsKey; }
    void setSettingsKey(const QString &key);

    QStringList entryList() const override;
    void showWindow() override;
    void hideWindow() override;
    void refresh() override;
    TInspectorFm *window() const;
    // The "..." button of `propName`'s row was pressed with `value` shown;
    // the stage's rules say what it does.
    void buttonClicked(const QString &propName, const QString &value);

private:
    // Position takes the window's place and size, as the user left them.
    void keepPlace();

    TShowProps *m_showProps;
    bool m_showCombo = false;
    bool m_stayOnTop = false;
    TInspctHlpBtn *m_helpButton;
    TInspectorPos *m_position;
    QIcon m_btnGlyph;
    TGridCp *m_grid;
    QString m_caption = QStringLiteral("Object Inspector");
    QString m_settingsKey;
    QPointer<TInspectorFm> m_window;
};

} // namespace tw
