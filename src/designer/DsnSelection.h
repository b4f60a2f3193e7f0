#pragma once

#include "designer/DsnTypes.h"

#include <QList>
#include <QObject>
#include <QSet>

namespace tw
{

// The ordered list of selected controls (first selected first). Every change
// is reported to the receivers; a selected control that is freed elsewhere
// is first set to nothing and then deleted from the list, so the list never
// holds a dangling control.
class TDsnSelection : public QObject
{
    Q_OBJECT

public:
    explicit TDsnSelection(QObject *parent = nullptr);
    ~TDsnSelection() override;

    void addReceiver(TSelectionReceiver *receiver);
    void removeReceiver(TSelectionReceiver *receiver);

    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }
    TControl *at(int index) const { return m_items.at(index); }
    const QList<TControl *> &items() const { return m_items; }
    int indexOf(const TControl *control) const;
    bool contains(const TControl *control) const { return m_members.contains(control); }

    void add(TControl *control);
    void remove(TControl *control);
    void clear();
    // Tells the receivers a batch of changes is complete.
    void update();

    // The parent all selected controls share, or null when empty or mixed.
    QWidget *commonParent() const;

private:
    void controlDestroyed(QObject *object);

    QList<TControl *> m_items;
    // The same controls, so adding thousands stays linear.
    QSet<const void *> m_members;
    QList<TSelectionReceiver *> m_receivers;
};

} // namespace tw
