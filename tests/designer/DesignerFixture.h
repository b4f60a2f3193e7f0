#pragma once

#include "component/ClassRegistry.h"
#include "component/Owner.h"
#include "component/Panel.h"
#include "designer/DsnPanel.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelection.h"
#include "designer/DsnStage.h"
#include "designer/Handles.h"
#include "designer/Inspector.h"
#include "designer/Outline.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace tw::test
{

// The design window of the tests: a widget that owns the stage and every
// control placed on it.
class TTestForm : public QWidget, public TOwner
{
    Q_OBJECT

public:
    TTestForm() = default;
    ~TTestForm() override;
    QObject *methodReceiver() override { return this; }
};

// The main window of the tests: owns the palette and its templates.
class TTestMain : public QWidget, public TOwner
{
    Q_OBJECT

public:
    TTestMain() = default;
    ~TTestMain() override;
};

// A tile that holds other tiles, with a number to edit and a choice.
class TTestBox : public TPanel
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count WRITE setCount)
    Q_PROPERTY(tw::TAlign Placement READ placement WRITE setPlacement)

public:
    Q_INVOKABLE explicit TTestBox(TOwner *owner);

    int count() const { return m_count; }
    void setCount(int value) { m_count = value; }
    TAlign placement() const { return m_placement; }
    void setPlacement(TAlign value) { m_placement = value; }
    bool acceptsControls() const override { return true; }

private:
    int m_count = 0;
    TAlign m_placement = alNone;
};

// A tile made of inner widgets of its own: an edit field, a check box and a
// list, as composite tiles are built. Counts what reaches the inner parts.
class TTestEditTile : public TPanel
{
    Q_OBJECT
    Q_PROPERTY(QString Value READ value WRITE setValue)
    Q_PROPERTY(int Count READ count WRITE setCount)

public:
    Q_INVOKABLE explicit TTestEditTile(TOwner *owner);

    QString value() const;
    void setValue(const QString &value);
    int count() const { return m_count; }
    void setCount(int value) { m_count = value; }

    QLineEdit *edit;
    QCheckBox *check;
    QListWidget *list;
    int innerPresses = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_count = 0;
};

void registerTestClasses();

// Sends mouse events as the window system would deliver them to `widget`
// (event filters first), with the buttons held during a drag.
void press(QWidget *widget, QPoint pos, Qt::KeyboardModifiers mods = Qt::NoModifier,
           Qt::MouseButton button = Qt::LeftButton);
void move(QWidget *widget, QPoint pos, Qt::KeyboardModifiers mods = Qt::NoModifier,
          Qt::MouseButtons buttons = Qt::LeftButton);
void release(QWidget *widget, QPoint pos, Qt::KeyboardModifiers mods = Qt::NoModifier,
             Qt::MouseButton button = Qt::LeftButton);
// Press at `from`, move through to `to`, release there.
void drag(QWidget *widget, QPoint from, QPoint to, Qt::KeyboardModifiers mods = Qt::NoModifier);

// A stage on a form with an eight-handle controller, a palette on a main
// window and an inspector; design mode is off until a test switches it on.
class DesignerTest : public ::testing::Test
{
protected:
    // The rules of the tests' stage: permissive, keeping the names of created
    // tiles and the messages of refused values. A test that needs a rule
    // derives from it and installs its own.
    class TTestRules : public TDesignRules
    {
    public:
        explicit TTestRules(DesignerTest &test) : m_test(test) {}
        void tileCreated(TControl *tile) override { m_test.created.append(tile->name()); }
        void reportError(const QString &message) override { m_test.errors.append(message); }

    private:
        DesignerTest &m_test;
    };
    template <class Rules> Rules &installRules()
    {
        auto *installed = new Rules(*this);
        rules.reset(installed);
        stage->setRules(installed);
        return *installed;
    }

    void SetUp() override;
    void TearDown() override;

    TControl *addTile(const QString &cls, TControl *parent, QRect bounds, const QString &name = {});
    TDsnButton *addTemplateButton(const QString &geneName);
    QStringList selectedNames() const;
    // The inspector's value for a property, or "<absent>" when not listed.
    QString shownValue(const QString &property) const;
    void designOn();
    // Runs the queued notifications.
    static void flush();

    std::unique_ptr<TDesignRules> rules;
    std::unique_ptr<TTestMain> main;
    std::unique_ptr<TTestForm> form;
    TDsnStage *stage = nullptr;
    TDsnPanel *palette = nullptr;
    TArrowButton *arrow = nullptr;
    TDsnInspector *inspector = nullptr;
    std::unique_ptr<TDsn8Register> reg;
    QStringList errors;
    QStringList created;
};

} // namespace tw::test
