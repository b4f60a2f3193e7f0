#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QObject;

namespace tw
{

class TControl;

// The form that names and frees its components. Names are unique per owner
// without regard to letter case. Components still owned when the owner goes
// away are freed by it; a component freed elsewhere leaves the owner's list.
class TOwner
{
public:
    TOwner() = default;
    TOwner(const TOwner &) = delete;
    TOwner &operator=(const TOwner &) = delete;
    virtual ~TOwner();

    TControl *findComponent(const QString &name) const;
    const QList<TControl *> &components() const { return m_components; }

    // Whether `name` is taken, by a component or by a part of the owner itself.
    virtual bool isNameUsed(const QString &name) const;
    // The object whose methods event properties may be bound to by name.
    virtual QObject *methodReceiver() { return nullptr; }

    // "%s%d" on the class name without its first letter, from 1 on, until free.
    QString freeName(const QString &className) const;

private:
    friend class TControl;
    void insertComponent(TControl *component);
    void removeComponent(TControl *component);
    bool renameComponent(TControl *component, const QString &oldName, const QString &newName);
    // A name that became free lowers the counter start of the bases it ends.
    void nameReleased(const QString &name);

    QList<TControl *> m_components;
    QHash<QString, TControl *> m_byName;
    // Per lower-case base: every counter below this one is taken, so a long
    // run of named components does not make each new name slower.
    mutable QHash<QString, int> m_freeFrom;
};

} // namespace tw
