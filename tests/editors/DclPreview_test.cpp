#include "EditorsTestSupport.h"
#include "editors/DclPreview.h"
#include "editors/EditForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <functional>

namespace
{

using tw::DclPreviewWindow;

template <typename T> T *widget(const DclPreviewWindow &window, const char *key)
{
    auto *found = qobject_cast<T *>(window.view()->widgetFor(QString::fromLatin1(key)));
    EXPECT_NE(found, nullptr) << "no widget of that type for key " << key;
    return found;
}

struct Behaviour {
    const char *name;
    const char *body;
    std::function<void(DclPreviewWindow &)> check;
};

const Behaviour kBehaviours[] = {
    {"radio buttons are exclusive within their cluster only; a cluster's value turns one on",
     R"(: radio_column { : radio_button { key = "a"; value = "1"; }
                         : radio_button { key = "b"; } }
        : boxed_radio_row { value = "d"; : radio_button { key = "c"; }
                            : radio_button { key = "d"; } })",
     [](DclPreviewWindow &w) {
         EXPECT_TRUE(widget<QRadioButton>(w, "a")->isChecked());
         EXPECT_TRUE(widget<QRadioButton>(w, "d")->isChecked());
         QRadioButton *b = widget<QRadioButton>(w, "b");
         QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); // its circle
         EXPECT_FALSE(widget<QRadioButton>(w, "a")->isChecked());
         EXPECT_TRUE(widget<QRadioButton>(w, "b")->isChecked());
         EXPECT_TRUE(widget<QRadioButton>(w, "d")->isChecked());
     }},
    {"lists are filled from list; value selects; toggles and edit boxes show their value",
     R"(: popup_list { key = "p"; list = "red\ngreen\nblue"; value = "2"; }
        : list_box { key = "l"; list = "0\nWalls\nDoors"; value = "0 2"; multiple_select = true; }
        : toggle { key = "t"; value = "1"; }
        : edit_box { key = "e"; value = "Joe"; })",
     [](DclPreviewWindow &w) {
         EXPECT_EQ(widget<QComboBox>(w, "p")->count(), 3);
         EXPECT_EQ(widget<QComboBox>(w, "p")->currentText(), QStringLiteral("blue"));
         EXPECT_EQ(widget<QListWidget>(w, "l")->selectedItems().size(), 2);
         EXPECT_TRUE(widget<QCheckBox>(w, "t")->isChecked());
         EXPECT_EQ(widget<QLineEdit>(w, "e")->text(), QStringLiteral("Joe"));
     }},
    {"edit_limit bounds what can be typed",
     R"(: edit_box { key = "e"; edit_limit = 3; } : edit_box { key = "f"; })",
     [](DclPreviewWindow &w) {
         QTest::keyClicks(widget<QLineEdit>(w, "e"), QStringLiteral("abcdef"));
         EXPECT_EQ(widget<QLineEdit>(w, "e")->text(), QStringLiteral("abc"));
         EXPECT_EQ(widget<QLineEdit>(w, "f")->maxLength(), 132);
     }},
    {"is_enabled = false greys a tile and everything inside a cluster",
     R"(: boxed_column { key = "box"; is_enabled = false; : toggle { key = "in"; } }
        : toggle { key = "off"; is_enabled = false; } : toggle { key = "on"; })",
     [](DclPreviewWindow &w) {
         EXPECT_FALSE(widget<QGroupBox>(w, "box")->isEnabled());
         EXPECT_FALSE(widget<QCheckBox>(w, "in")->isEnabled());
         EXPECT_FALSE(widget<QCheckBox>(w, "off")->isEnabled());
         EXPECT_TRUE(widget<QCheckBox>(w, "on")->isEnabled());
     }},
    {"Tab follows the file's order and passes over tiles that are no tab stop",
     R"(: edit_box { key = "first"; } : button { key = "skip"; is_tab_stop = false; }
        : row { : toggle { key = "second"; } } : popup_list { key = "third"; })",
     [](DclPreviewWindow &w) {
         widget<QLineEdit>(w, "first")->setFocus();
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
         EXPECT_EQ(QApplication::focusWidget(), w.view()->widgetFor(QStringLiteral("second")));
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
         EXPECT_EQ(QApplication::focusWidget(), w.view()->widgetFor(QStringLiteral("third")));
     }},
    {"Enter presses the default button, which closes the preview",
     R"(: edit_box { key = "e"; } ok_cancel;)",
     [](DclPreviewWindow &w) {
         int accepted = 0;
         QObject::connect(widget<QPushButton>(w, "accept"), &QPushButton::clicked,
                          [&] { ++accepted; });
         widget<QLineEdit>(w, "e")->setFocus();
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
         EXPECT_EQ(accepted, 1);
         EXPECT_FALSE(w.isVisible());
     }},
    {"Esc presses the cancel button, which closes the preview",
     R"(: edit_box { key = "e"; } ok_cancel;)",
     [](DclPreviewWindow &w) {
         int cancelled = 0;
         QObject::connect(widget<QPushButton>(w, "cancel"), &QPushButton::clicked,
                          [&] { ++cancelled; });
         widget<QLineEdit>(w, "e")->setFocus();
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
         EXPECT_EQ(cancelled, 1);
         EXPECT_FALSE(w.isVisible());
     }},
    {"initial_focus takes the focus, mnemonic marks its letter, sliders step by their increments",
     R"(initial_focus = "go";
        : edit_box { key = "e"; label = "Name"; }
        : button { key = "go"; label = "Go now"; mnemonic = "n"; }
        : slider { key = "s"; max_value = 200; })",
     [](DclPreviewWindow &w) {
         EXPECT_EQ(QApplication::focusWidget(), w.view()->widgetFor(QStringLiteral("go")));
         EXPECT_EQ(widget<QPushButton>(w, "go")->text(), QStringLiteral("Go &now"));
         EXPECT_EQ(widget<QSlider>(w, "s")->singleStep(), 2);
         EXPECT_EQ(widget<QSlider>(w, "s")->pageStep(), 20);
     }},
    {"any exit button closes the preview; other buttons do not",
     R"(: button { key = "other"; label = "Other"; } ok_cancel_help;)",
     [](DclPreviewWindow &w) {
         QTest::mouseClick(widget<QPushButton>(w, "other"), Qt::LeftButton);
         EXPECT_TRUE(w.isVisible());
         QTest::mouseClick(widget<QPushButton>(w, "help"), Qt::LeftButton);
         EXPECT_FALSE(w.isVisible());
     }},
};

class DclPreviewBehaviour : public ::testing::TestWithParam<Behaviour>
{
protected:
    tw::test::TTemporarySettings settings;
};

TEST_P(DclPreviewBehaviour, BehavesAsTheDialogWould)
{
    const Behaviour &behaviour = GetParam();
    const QString text = QStringLiteral("d : dialog { label = \"Title\"; %1 }")
                             .arg(QString::fromUtf8(behaviour.body));
    DclPreviewWindow window;
    window.setSource(QStringLiteral("t.dcl"), [text] { return text; });
    ASSERT_TRUE(window.refresh()) << window.statusText().toStdString();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Title"));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    behaviour.check(window);
}

INSTANTIATE_TEST_SUITE_P(Behaviours, DclPreviewBehaviour, ::testing::ValuesIn(kBehaviours),
                         [](const ::testing::TestParamInfo<Behaviour> &info) {
                             return "Behaviour" + std::to_string(info.index);
                         });

TEST(DclPreviewWindow, FollowsTheTextKeepingTheLastGoodPreviewAndRemembersTheDialog)
{
    tw::test::TTemporarySettings settings;
    QString text = QStringLiteral("one : dialog { label = \"One\"; : toggle { key = \"t\"; } }\n"
                                  "two : dialog { label = \"Two\"; : toggle { key = \"u\"; } }\n");
    {
        DclPreviewWindow window;
        window.setSource(QStringLiteral("/tmp/pair.dcl"), [&] { return text; });
        ASSERT_TRUE(window.refresh());
        EXPECT_EQ(window.dialogNames(),
                  (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("One"));
        window.chooseDialog(QStringLiteral("two"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Two"));

        // A typing slip: the preview stays, the problem shows in the status line.
        text.replace(QStringLiteral("key = \"u\";"), QStringLiteral("key = \"v\""));
        window.sourceChanged();
        EXPECT_NE(window.view()->widgetFor(QStringLiteral("u")), nullptr); // not yet: a pause
        QTest::qWait(DclPreviewWindow::kFollowDelayMs + 200);
        EXPECT_TRUE(window.statusText().contains(QStringLiteral("pair.dcl:2:")))
            << window.statusText().toStdString();
        EXPECT_NE(window.view()->widgetFor(QStringLiteral("u")), nullptr);

        text.replace(QStringLiteral("key = \"v\""), QStringLiteral("key = \"v\";"));
        window.sourceChanged();
        QTest::qWait(DclPreviewWindow::kFollowDelayMs + 200);
        EXPECT_NE(window.view()->widgetFor(QStringLiteral("v")), nullptr);
        EXPECT_EQ(window.view()->widgetFor(QStringLiteral("u")), nullptr);
    }
    // The choice of dialog is remembered for the file.
    DclPreviewWindow again;
    again.setSource(QStringLiteral("/tmp/pair.dcl"), [&] { return text; });
    ASSERT_TRUE(again.refresh());
    EXPECT_EQ(again.windowTitle(), QStringLiteral("Two"));
    DclPreviewWindow other;
    other.setSource(QStringLiteral("/tmp/other.dcl"), [&] { return text; });
    ASSERT_TRUE(other.refresh());
    EXPECT_EQ(other.windowTitle(), QStringLiteral("One"));
}

} // namespace

TEST(DclPreviewWindow, DclEditorsPreviewTheirTextWithF5)
{
    tw::test::TTemporarySettings settings;
    tw::TEditForm editor;
    editor.SetIsLispEditor(false);
    editor.Editor->setText(QStringLiteral("d : dialog { label = \"Typed\"; ok_only; }"));
    QAction *action = editor.DclPreview1->action();
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(editor.File1->actions().contains(action));
    action->trigger();
    tw::DclPreviewWindow *preview = editor.DclPreview1->window();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Typed"));

    editor.Editor->setText(QStringLiteral("d : dialog { label = \"Retyped\"; ok_only; }"));
    QTest::qWait(DclPreviewWindow::kFollowDelayMs + 200);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Retyped"));

    editor.SetIsLispEditor(true);
    EXPECT_FALSE(action->isVisible());
}
