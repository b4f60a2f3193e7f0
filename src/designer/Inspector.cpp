#include "designer/Inspector.h"

#include "component/ClassRegistry.h"
#include "component/Control.h"
#include "designer/DsnStage.h"
#include "designer/InspectorForm.h"
#include "format/Error.h"

#include <QGuiApplication>
#include <QMetaEnum>
#include <QSettings>

namespace tw
{
namespace
{

const QMetaProperty *findProperty(const QObject *component, const QString &name)
{
    for (const QMetaProperty &property : publishedProperties(component->metaObject()))
        if (name.compare(QLatin1String(property.name()), Qt::CaseInsensitive) == 0)
            return &property;
    return nullptr;
}

bool isStringKind(TTypeKind kind)
{
    return kind == TTypeKind::tkString || kind == TTypeKind::tkLString ||
           kind == TTypeKind::tkWString;
}

bool isComparedKind(TTypeKind kind)
{
    return kind == TTypeKind::tkInteger || kind == TTypeKind::tkChar ||
           kind == TTypeKind::tkEnumeration || kind == TTypeKind::tkFloat ||
           kind == TTypeKind::tkSet || kind == TTypeKind::tkWChar;
}

} // namespace

bool applyPropertyText(QObject *component, const QString &propName, const QString &text)
{
    const QMetaProperty *found = component ? findProperty(component, propName) : nullptr;
    if (!found || !found->isWritable())
        return true;
    const QMetaProperty property = *found;
    const TTypeKind kind = typeKind(property);
    if (text.isEmpty()) {
        if (isStringKind(kind))
            property.write(component, QString());
        return true;
    }
    switch (kind) {
    case TTypeKind::tkInteger: {
        bool ok = false;
        const int number = text.trimmed().toInt(&ok);
        return ok && property.write(component, number);
    }
    case TTypeKind::tkChar:
    case TTypeKind::tkWChar:
        return property.write(component, QVariant::fromValue(text.at(0)));
    case TTypeKind::tkEnumeration: {
        if (property.metaType() == QMetaType::fromType<bool>()) {
            if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                return property.write(component, true);
            if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                return property.write(component, false);
            return false;
        }
        const QMetaEnum meta = property.enumerator();
        for (int i = 0; i < meta.keyCount(); ++i)
            if (text.compare(QLatin1String(meta.key(i)), Qt::CaseInsensitive) == 0) {
                QVariant value(meta.value(i));
                return value.convert(property.metaType()) && property.write(component, value);
            }
        return false;
    }
    case TTypeKind::tkFloat: {
        bool ok = false;
        const double number = text.trimmed().toDouble(&ok);
        return ok && property.write(component, number);
    }
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkWString:
        property.write(component, text);
        return true;
    default:
        return true;
    }
}

TInspectorModel::TInspectorModel(const QStringList &entries, const QStringList &outProps)
    : m_outProps(outProps)
{
    for (const QString &line : entries) {
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        if (bar < 0)
            m_entries.append({line.trimmed(), QString()});
        else
            m_entries.append({line.left(bar).trimmed(), line.mid(bar + 1)});
    }
}

QList<QObject *> TInspectorModel::components() const
{
    QList<QObject *> result;
    for (const QPointer<QObject> &component : m_components)
        if (component)
            result.append(component);
    return result;
}

int TInspectorModel::entryIndex(const QString &property) const
{
    for (int i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].name.compare(property, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QList<TInspectorRow> TInspectorModel::rows() const
{
    QList<TInspectorRow> result;
    QStringList listed;
    for (const Entry &entry : m_entries)
        for (const Shown &shown : m_shown)
            if (shown.name.compare(entry.name, Qt::CaseInsensitive) == 0 &&
                !listed.contains(shown.name)) {
                listed.append(shown.name);
                result.append({shown.name, entry.caption.isEmpty() ? shown.name : entry.caption,
                               shown.value, shown.kind});
            }
    return result;
}

void TInspectorModel::reset()
{
    m_mergedClasses.clear();
    m_shown.clear();
}

void TInspectorModel::merge(QObject *component)
{
    const QString cls = className(component);
    const QList<QMetaProperty> &properties = publishedProperties(component->metaObject());
    if (m_shown.isEmpty() && m_mergedClasses.isEmpty()) {
        for (const QMetaProperty &property : properties) {
            const QString name = QString::fromLatin1(property.name());
            if (entryIndex(name) < 0)
                continue;
            const QString text = propValueText(component, property);
            m_shown.append({name, typeKind(property), text, text});
        }
        m_mergedClasses.append(cls);
        return;
    }
    if (m_components.size() == 2)
        m_shown.removeIf([this](const Shown &shown) {
            return m_outProps.contains(shown.name, Qt::CaseInsensitive);
        });
    if (!m_mergedClasses.contains(cls)) {
        m_shown.removeIf(
            [component](const Shown &shown) { return !findProperty(component, shown.name); });
        m_mergedClasses.append(cls);
    }
    for (Shown &shown : m_shown) {
        const QMetaProperty *property = findProperty(component, shown.name);
        if (!property)
            continue;
        if (isComparedKind(shown.kind)) {
            if (propValueText(component, *property) != shown.first)
                shown.value.clear();
        } else if (!isStringKind(shown.kind)) {
            shown.value.clear();
        }
    }
}

void TInspectorModel::recompute()
{
    reset();
    QList<QPointer<QObject>> all = std::exchange(m_components, {});
    for (const QPointer<QObject> &component : all)
        if (component) {
            m_components.append(component);
            merge(component);
        }
}

void TInspectorModel::apply(const QString &propName, const QString &text)
{
    for (QObject *component : components())
        if (!applyPropertyText(component, propName, text))
            throw TError(text + QLatin1String(" is illegal (") + propName + QLatin1Char(')'));
}

void TInspectorModel::selectionAdded(TControl *control)
{
    if (!control)
        return;
    m_components.append(control);
    merge(control);
}

void TInspectorModel::selectionCleared()
{
    m_components.clear();
    reset();
}

void TInspectorModel::selectionDeleted(int, TControl *control)
{
    m_components.removeIf([control](const QPointer<QObject> &component) {
        return !component || component == control;
    });
    recompute();
}

void TInspectorModel::selectionEntryNil(int, const QObject *)
{
}

void TInspectorModel::selectionUpdated()
{
    if (onUpdated)
        onUpdated();
}

TCustomInspector::TCustomInspector(QObject *parent) : QObject(parent)
{
}

TCustomInspector::~TCustomInspector() = default;

QStringList TCustomInspector::entryList() const
{
    return m_selfProps;
}

TInspectorModel *TCustomInspector::createModel(TDsnStage *stage)
{
    m_stage = stage;
    m_model = std::make_unique<TInspectorModel>(entryList(), m_outProps);
    m_model->onUpdated = [this] { refresh(); };
    return m_model.get();
}

TDsnStage *TCustomInspector::stage() const
{
    return m_stage;
}

void TCustomInspector::freeModel()
{
    m_model.reset();
}

void TCustomInspector::showWindow()
{
    m_shown = true;
}

void TCustomInspector::hideWindow()
{
    m_shown = false;
}

void TCustomInspector::refresh()
{
}

void TCustomInspector::refreshValues()
{
    if (!m_model)
        return;
    m_model->recompute();
    refresh();
}

bool TCustomInspector::applyText(const QString &propName, const QString &text)
{
    if (!m_model)
        return false;
    bool ok = true;
    try {
        TEditScope scope;
        scope.targets = m_model->components();
        scope.properties = {propName};
        TEditGuard edit(m_edits, scope);
        edit.setText(setPropertyText(propName, int(scope.targets.size())));
        m_model->apply(propName, text);
    } catch (const TError &error) {
        ok = false;
        rules().reportError(error.message());
    }
    if (m_stage)
        m_stage->refreshHandles();
    refreshValues();
    return ok;
}

TDesignRules &TCustomInspector::rules() const
{
    return m_stage ? m_stage->rules() : TDesignRules::permissive();
}

TDsnInspector::TDsnInspector(QObject *parent)
    : TCustomInspector(parent), m_showProps(new TShowProps(this)),
      m_helpButton(new TInspctHlpBtn(this)), m_position(new TInspectorPos(this)),
      m_grid(new TGridCp(this))
{
}

TDsnInspector::~TDsnInspector()
{
    keepPlace();
    delete m_window.data();
}

void TDsnInspector::setSettingsKey(const QString &key)
{
    m_settingsKey = key;
    if (key.isEmpty())
        return;
    const QRect stored =
        QSettings(QStringLiteral("Orvane"), QStringLiteral("Tilewright")).value(key).toRect();
    // A place on a screen no longer there is not kept.
    if (stored.width() <= 0 || stored.height() <= 0 || !QGuiApplication::screenAt(stored.center()))
        return;
    m_position->Left = stored.x();
    m_position->Top = stored.y();
    m_position->Width = stored.width();
    m_position->Height = stored.height();
}

void TDsnInspector::keepPlace()
{
    if (!m_window)
        return;
    const QRect place = m_window->geometry();
    m_position->Left = place.x();
    m_position->Top = place.y();
    m_position->Width = place.width();
    m_position->Height = place.height();
    if (!m_settingsKey.isEmpty())
        QSettings(QStringLiteral("Orvane"), QStringLiteral("Tilewright"))
            .setValue(m_settingsKey, place);
}

QStringList TDsnInspector::entryList() const
{
    const TShowProps &s = *m_showProps;
    const struct {
        bool on;
        const char *name;
        const QString &caption;
    } common[] = {{s.aCaption, "Caption", s.aCaptionCp},
                  {s.aColor, "Color", s.aColorCp},
                  {s.aFont, "Font", s.aFontCp},
                  {s.aHeight, "Height", s.aHeightCp},
                  {s.aLeft, "Left", s.aLeftCp},
                  {s.aName, "Name", s.aNameCp},
                  {s.aTop, "Top", s.aTopCp},
                  {s.aWidth, "Width", s.aWidthCp}};
    QStringList entries;
    for (const auto &item : common)
        if (item.on)
            entries.append(item.caption.isEmpty()
                               ? QString::fromLatin1(item.name)
                               : QString::fromLatin1(item.name) + QLatin1Char('|') + item.caption);
    return entries + selfProps();
}

TInspectorFm *TDsnInspector::window() const
{
    return m_window;
}

void TDsnInspector::showWindow()
{
    if (!m_window)
        m_window = new TInspectorFm(this);
    m_shown = true;
    refresh();
}

void TDsnInspector::hideWindow()
{
    keepPlace();
    delete m_window.data();
    m_shown = false;
}

void TDsnInspector::refresh()
{
    if (!m_window)
        return;
    m_window->fill(model() ? model()->rows() : QList<TInspectorRow>());
    if (m_window->isHidden())
        m_window->show();
}

void TDsnInspector::buttonClicked(const QString &propName, const QString &value)
{
    // What the button's dialog changes (code, list items, a file name) and
    // the value it returns are one edit.
    TEditScope scope;
    scope.targets = model() ? model()->components() : QList<QObject *>();
    scope.properties = {propName, QStringLiteral("LispCode"), QStringLiteral("List")};
    TEditGuard edit(edits(), scope);
    edit.setText(setPropertyText(propName, int(scope.targets.size())));
    const QString text = rules().propertyButtonClicked(scope.targets, propName, value);
    if (m_window)
        m_window->setEditText(text);
    applyText(propName, text);
}

} // namespace tw
