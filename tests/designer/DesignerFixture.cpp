#include "DesignerFixture.h"

#include "tiles/TileRegistry.h"

#include <QCoreApplication>

namespace tw::test
{

TTestForm::~TTestForm()
{
    // The owner frees the controls while the widget still exists.
    while (!components().isEmpty())
        delete components().last();
}

TTestMain::~TTestMain()
{
    while (!components().isEmpty())
        delete components().last();
}

TTestBox::TTestBox(TOwner *owner) : TPanel(owner)
{
}

TTestEditTile::TTestEditTile(TOwner *owner) : TPanel(owner)
{
    edit = new QLineEdit(this);
    edit->setGeometry(4, 4, 60, 20);
    check = new QCheckBox(QStringLiteral("on"), this);
    check->setGeometry(70, 4, 40, 20);
    list = new QListWidget(this);
    list->addItems({QStringLiteral("one"), QStringLiteral("two")});
    list->setGeometry(4, 28, 100, 60);
    for (QWidget *inner : {static_cast<QWidget *>(edit), static_cast<QWidget *>(check),
                           static_cast<QWidget *>(list), list->viewport()})
        inner->installEventFilter(this);
}

QString TTestEditTile::value() const
{
    return edit->text();
}

void TTestEditTile::setValue(const QString &value)
{
    edit->setText(value);
}

bool TTestEditTile::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        ++innerPresses;
    return false;
}

void registerTestClasses()
{
    registerTileClasses();
    ClassRegistry::instance().registerClass<TTestBox>();
    ClassRegistry::instance().registerClass<TTestEditTile>();
}

namespace
{

void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, mods);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void press(QWidget *widget, QPoint pos, Qt::KeyboardModifiers mods, Qt::MouseButton button)
{
    sendMouse(widget, QEvent::MouseButtonPress, pos, button, button, mods);
}

void move(QWidget *widget, QPoint pos, Qt::KeyboardModifiers mods, Qt::MouseButtons buttons)
{
    sendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, buttons, mods);
}

void release(QWidget *widget, QPoint pos, Qt::KeyboardModifiers mods, Qt::MouseButton button)
{
    sendMouse(widget, QEvent::MouseButtonRelease, pos, button, Qt::NoButton, mods);
}

void drag(QWidget *widget, QPoint from, QPoint to, Qt::KeyboardModifiers mods)
{
    press(widget, from, mods);
    move(widget, (from + to) / 2, mods);
    move(widget, to, mods);
    release(widget, to, mods);
}

void DesignerTest::SetUp()
{
    registerTestClasses();
    main = std::make_unique<TTestMain>();
    form = std::make_unique<TTestForm>();
    form->resize(600, 400);
    stage = new TDsnStage(form.get());
    stage->setName(QStringLiteral("DsnStage1"));
    stage->setParent(form.get());
    stage->setBounds(0, 0, 600, 400);
    palette = new TDsnPanel(main.get());
    palette->setName(QStringLiteral("DsnPanel1"));
    palette->setParent(main.get());
    arrow = new TArrowButton(main.get());
    arrow->setName(QStringLiteral("btArrow"));
    arrow->setParentControl(palette);
    inspector = new TDsnInspector(form.get());
    reg = std::make_unique<TDsn8Register>();
    reg->setDsnStage(stage);
    reg->setDsnPanel(palette);
    reg->setDsnInspector(inspector);
    reg->setArrowButton(arrow);
    installRules<TTestRules>();
    form->show();
}

void DesignerTest::TearDown()
{
    reg.reset();
    form.reset();
    main.reset();
    flush();
}

TControl *DesignerTest::addTile(const QString &cls, TControl *parent, QRect bounds,
                                const QString &name)
{
    TControl *control = ClassRegistry::instance().create(cls, form.get());
    control->setName(name.isEmpty() ? form->freeName(cls) : name);
    control->setParentControl(parent);
    control->setBounds(bounds);
    return control;
}

TDsnButton *DesignerTest::addTemplateButton(const QString &geneName)
{
    auto *button = new TDsnButton(main.get());
    button->setName(main->freeName(QStringLiteral("TDsnButton")));
    button->setGeneName(geneName);
    button->setParentControl(palette);
    return button;
}

QStringList DesignerTest::selectedNames() const
{
    QStringList names;
    if (reg->selection())
        for (TControl *control : reg->selection()->items())
            names.append(control->name());
    return names;
}

QString DesignerTest::shownValue(const QString &property) const
{
    if (inspector->model())
        for (const TInspectorRow &row : inspector->model()->rows())
            if (row.name == property)
                return row.value;
    return QStringLiteral("<absent>");
}

void DesignerTest::designOn()
{
    reg->SetDesignMode(true);
    flush();
}

void DesignerTest::flush()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace tw::test
