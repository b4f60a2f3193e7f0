#include "DesignWindowFixture.h"
#include "component/ClassRegistry.h"
#include "component/ComponentStreaming.h"
#include "component/PropertyAccess.h"
#include "designer/DsnPanel.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelection.h"
#include "designer/DsnStage.h"
#include "designer/Inspector.h"
#include "document/DesignDocument.h"
#include "document/DesignHost.h"
#include "document/DialogDesign.h"
#include "editors/DclPreview.h"
#include "editors/EditData.h"
#include "editors/EditList.h"
#include "editors/EditorDialogs.h"
#include "format/Error.h"
#include "format/ProjectFile.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DclColumn.h"
#include "tiles/DclRow.h"
#include "tiles/DclSpacer.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tw::test
{
namespace
{

class DialogDesignTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        main = std::make_unique<TFakeMain>();
        openNew();
        flush();
    }
    void TearDown() override
    {
        form.reset();
        document.reset();
        main.reset();
        flush();
    }
    // A new design in a new window.
    void openNew()
    {
        form.reset();
        document = std::make_unique<TDesignDocument>();
        form = std::make_unique<TfrmDialogDesign>(*document, *main);
        form->show();
    }

    TDCLPanel *dialog() const { return document->dialogTile(); }
    TControl *addTile(const QString &cls, TControl *parent, const QString &tileKey = {})
    {
        TControl *tile = ClassRegistry::instance().create(cls, document.get());
        tile->setName(document->freeName(cls));
        tile->setParentControl(parent);
        tile->setBounds(8, 8, 100, 24);
        if (!tileKey.isEmpty())
            SetPropByName(tile, QStringLiteral("Key"), tileKey);
        return tile;
    }
    void designOn()
    {
        form->TogleDesignState(true);
        flush();
    }
    QList<TControl *> stageTiles() const { return form->DsnStage1->childControls(); }

    std::unique_ptr<TFakeMain> main;
    std::unique_ptr<TDesignDocument> document;
    std::unique_ptr<TfrmDialogDesign> form;
};

TEST_F(DialogDesignTest, StartsWithTheDialogTileOnTheStageAndNoMenuShown)
{
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(dialog()->name(), QStringLiteral("DCLPanelBasic"));
    EXPECT_EQ(dialog()->parentControl(), form->DsnStage1);
    // It fills the stage inside its bevel, whatever its stored size.
    EXPECT_EQ(dialog()->geometry(), form->DsnStage1->alignRect());
    EXPECT_FALSE(dialog()->candelete());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Dialog Design"));
    EXPECT_FALSE(form->MainMenu1->isVisible());
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(form->DsnStage1->geometry(), form->rect());
}

TEST_F(DialogDesignTest, ClosingTheWindowOnlyMinimisesIt)
{
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    QPointer<TfrmDialogDesign> design = new TfrmDialogDesign(*document, *main);
    QMdiSubWindow *sub = area.addSubWindow(design);
    sub->show();
    flush();
    EXPECT_FALSE(sub->close());
    flush();
    ASSERT_FALSE(design.isNull());
    EXPECT_TRUE(sub->isMinimized());
    EXPECT_EQ(area.subWindowList().size(), 1);
}

TEST_F(DialogDesignTest, DeletingTheSelectionNeverDeletesTheDialogTile)
{
    struct Case {
        const char *what;
        bool selectDialog;
        bool selectButton;
        bool buttonLeft;
    };
    const Case cases[] = {{"dialog tile only", true, false, true},
                          {"button only", false, true, false},
                          {"both", true, true, false}};
    designOn();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QPointer<TControl> button = addTile(QStringLiteral("TDCLButton"), dialog());
        flush();
        form->Dsn8Register1->SelectControl(c.selectDialog ? static_cast<TControl *>(dialog())
                                                          : button.data());
        TDsnSelection *selection = form->Dsn8Register1->selection();
        if (c.selectDialog && c.selectButton)
            selection->add(button);
        selection->update();
        form->Dsn8Register1->DeleteSelection();
        ASSERT_NE(dialog(), nullptr);
        EXPECT_EQ(dialog()->parentControl(), form->DsnStage1);
        EXPECT_EQ(!button.isNull(), c.buttonLeft);
        delete button.data();
    }
}

TEST_F(DialogDesignTest, TwoButtonsFromThePaletteGetUniqueKeys)
{
    TDsnButton *paletteButton = main->addTemplate(QStringLiteral("TDCLButton"), "accept");
    designOn();
    QStringList keys;
    for (int y : {16, 80}) {
        paletteButton->setDown(true);
        main->palette->buttonClicked(paletteButton);
        dragAndSettle(dialog(), QPoint(16, y), QPoint(112, y + 32));
    }
    const QList<TControl *> buttons = tilesIn(dialog(), document.get());
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(key(buttons[0]), QStringLiteral("accept"));
    EXPECT_EQ(key(buttons[1]), buttons[1]->name());
    EXPECT_NE(buttons[1]->name(), QStringLiteral("accept"));
    EXPECT_TRUE(document->isModified());
    // The inspector, already listing the selected new tile, shows the new key.
    QString shown;
    for (const TInspectorRow &row : form->DsnInspector1->model()->rows())
        if (row.name == QLatin1String("Key"))
            shown = row.value;
    EXPECT_EQ(shown, buttons[1]->name());
}

TEST_F(DialogDesignTest, CodeEditorProposesAFunctionAndAnAlertLine)
{
    struct Case {
        const char *cls;
        const char *tileKey;
        QString action;
        QStringList code;
        QString shownName;
        QStringList shownCode;
    };
    const Case cases[] = {
        {"TDCLButton", "ok", {}, {}, "OnokClicked()", {"(alert \"ok is Clicked\")"}},
        {"TDCLEdit", "name", "  ", {}, "OnnameUpdated()", {"(alert \"name is Updated\")"}},
        {"TDCLCheckButton", "flag", {}, {}, "OnflagClicked()", {"(alert \"flag is Clicked\")"}},
        {"TDCLButton", "go", "DoIt()", {"(princ)"}, "DoIt()", {"(princ)"}},
    };
    designOn();
    for (const Case &c : cases) {
        const QString cls = QString::fromLatin1(c.cls);
        SCOPED_TRACE(cls.toStdString() + " " + c.tileKey);
        TControl *tile = addTile(cls, dialog(), c.tileKey);
        tile->setProperty("DCL_Action", c.action);
        tile->setProperty("LispCode", c.code);
        form->Dsn8Register1->SelectControl(tile);
        QString shownName;
        QStringList shownCode;
        bool rowShown = false;
        // Cancelled: the proposal was shown, the alert line stays, nothing else.
        main->modal = [&](QDialog &) {
            shownName = form->CodeEditor()->edFunc->text();
            shownCode = form->CodeEditor()->mmData->Lines();
            rowShown = !form->CodeEditor()->pnFunc->isHidden();
            return int(QDialog::Rejected);
        };
        form->DsnInspector1->buttonClicked(QStringLiteral("DCL_Action"), c.action);
        EXPECT_TRUE(rowShown);
        EXPECT_EQ(shownName, c.shownName);
        EXPECT_EQ(shownCode, c.shownCode);
        EXPECT_EQ(tile->property("LispCode").toStringList(), c.shownCode);
        EXPECT_EQ(tile->property("DCL_Action").toString(), c.action.isEmpty() ? "" : c.action);

        // Accepted: the code and the function name are taken.
        main->modal = [&](QDialog &) {
            form->CodeEditor()->edFunc->setText(QStringLiteral("Run()"));
            form->CodeEditor()->mmData->SetLines({"(setq a 1)", "(princ a)"});
            return int(QDialog::Accepted);
        };
        form->DsnInspector1->buttonClicked(QStringLiteral("DCL_Action"), c.action);
        EXPECT_EQ(tile->property("DCL_Action").toString(), QStringLiteral("Run()"));
        EXPECT_EQ(tile->property("LispCode").toStringList(),
                  QStringList({"(setq a 1)", "(princ a)"}));
        delete tile;
    }
}

TEST_F(DialogDesignTest, FilePickersStoreNamesRelativeToTheProjectFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    main->projectFile = folder + QStringLiteral("/panel.dcp");
    TControl *image = addTile(QStringLiteral("TDCLImage"), dialog());
    struct Case {
        const char *prop;
        TControl *target;
        std::optional<QString> pick;
        QString stored;
        QString picker;
    };
    const QString slb = QStringLiteral("AutoCad Slide (*.sld;*.slb)|*.sld;*.slb|slb");
    const QString lsp = QStringLiteral("AutoLisp Source (*.lsp)|*.lsp|lsp");
    const QString dcl = QStringLiteral("DCL Source (*.dcl)|*.dcl|dcl");
    const QString upper = folder.toUpper() == folder ? folder.toLower() : folder.toUpper();
    const Case cases[] = {
        {"Image", image, folder + "/arrow.sld", "arrow.sld", slb},
        {"Image", image, upper + "/other.sld", "other.sld", slb},
        {"Image", image, "/elsewhere/lib/arrows.slb", "/elsewhere/lib/arrows.slb", slb},
        {"Image", image, std::nullopt, "/elsewhere/lib/arrows.slb", slb},
        {"LispFileName", dialog(), folder + "/panel.lsp", "panel.lsp", lsp},
        {"LispFileName", dialog(), folder + "/sub/panel.lsp", folder + "/sub/panel.lsp", lsp},
        {"DCLFileName", dialog(), "/tmp/x/panel.dcl", "/tmp/x/panel.dcl", dcl},
        {"DCLFileName", dialog(), std::nullopt, "/tmp/x/panel.dcl", dcl},
    };
    designOn();
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.prop) + " " + c.pick.value_or("(cancelled)").toStdString());
        form->Dsn8Register1->SelectControl(c.target);
        main->pick = c.pick;
        main->pickerCalls.clear();
        form->DsnInspector1->buttonClicked(QString::fromLatin1(c.prop),
                                           c.target->property(c.prop).toString());
        EXPECT_EQ(main->pickerCalls, QStringList{c.picker});
        EXPECT_EQ(c.target->property(c.prop).toString(), c.stored);
    }
}

TEST_F(DialogDesignTest, ListItemsEditorReplacesTheListsOfEverySelectedTile)
{
    TControl *combo = addTile(QStringLiteral("TDCLCombo"), dialog());
    TControl *list = addTile(QStringLiteral("TDCLListLabel"), dialog());
    combo->setProperty("List", QStringList{"red", "green"});
    list->setProperty("List", QStringList{"one"});
    designOn();
    form->Dsn8Register1->SelectControl(combo);
    form->Dsn8Register1->selection()->add(list);
    form->Dsn8Register1->selection()->update();

    QStringList shown;
    main->modal = [&](QDialog &) {
        shown = form->ItemEditor()->Lines();
        return int(QDialog::Rejected);
    };
    form->DsnInspector1->buttonClicked(QStringLiteral("ListItems"), QString());
    EXPECT_EQ(shown, QStringList({"red", "green"}));
    EXPECT_EQ(list->property("List").toStringList(), QStringList{"one"});

    main->modal = [&](QDialog &) {
        form->ItemEditor()->SetLines({"a", "b", "c"});
        return int(QDialog::Accepted);
    };
    form->DsnInspector1->buttonClicked(QStringLiteral("ListItems"), QString());
    for (TControl *tile : {combo, list})
        EXPECT_EQ(tile->property("List").toStringList(), QStringList({"a", "b", "c"}));
}

TEST_F(DialogDesignTest, ResizingCopiesTheWindowSizeOnlyInDesignMode)
{
    form->resize(400, 300);
    flush();
    EXPECT_EQ(dialog()->dialogWidth(), 0);
    EXPECT_EQ(dialog()->dialogHeight(), 0);

    designOn();
    form->resize(420, 310);
    flush();
    EXPECT_EQ(dialog()->dialogWidth(), form->OuterSize().width());
    EXPECT_EQ(dialog()->dialogHeight(), form->OuterSize().height());
    EXPECT_GE(dialog()->dialogWidth(), 420);

    form->TogleDesignState(false);
    const int width = dialog()->dialogWidth();
    form->resize(200, 150);
    flush();
    EXPECT_EQ(dialog()->dialogWidth(), width);
}

TEST_F(DialogDesignTest, PasteWithNothingSelectedLandsInTheDialogTile)
{
    struct Case {
        const char *what;
        bool selectedBefore;
    };
    const Case cases[] = {{"selection cleared", true}, {"no selection yet", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openNew();
        TControl *button = addTile(QStringLiteral("TDCLButton"), dialog(), "ok");
        designOn();
        form->Dsn8Register1->SelectControl(button);
        form->Dsn8Register1->CopySelection();
        if (c.selectedBefore) {
            form->Dsn8Register1->selection()->clear();
        } else {
            form->TogleDesignState(false);
            designOn();
            ASSERT_EQ(form->Dsn8Register1->selection(), nullptr);
        }
        form->Dsn8Register1->PasteClipboard();
        flush();
        EXPECT_EQ(stageTiles(), QList<TControl *>{dialog()});
        const QList<TControl *> inDialog = tilesIn(dialog(), document.get());
        ASSERT_EQ(inDialog.size(), 2);
        EXPECT_EQ(key(inDialog[0]), QStringLiteral("ok"));
        EXPECT_EQ(key(inDialog[1]), inDialog[1]->name());
    }
}

TEST_F(DialogDesignTest, ModifiedFlagFollowsInsertionsRemovalsAndSaving)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("m.dcp"));
    TControl *column = addTile(QStringLiteral("TDCLColumn"), dialog());
    EXPECT_TRUE(document->isModified());
    ASSERT_TRUE(document->save(file));
    EXPECT_FALSE(document->isModified());

    TControl *nested = addTile(QStringLiteral("TDCLButton"), column);
    EXPECT_TRUE(document->isModified());
    document->setModified(false);
    delete nested;
    EXPECT_TRUE(document->isModified());

    document->setModified(false);
    auto *second = new TDCLPanel(document.get());
    second->setParentControl(form->DsnStage1);
    EXPECT_FALSE(document->isModified());
    delete second;
    EXPECT_FALSE(document->isModified());

    EXPECT_FALSE(document->save(QStringLiteral("   ")));
    EXPECT_TRUE(document->isModified());
    ASSERT_TRUE(document->load(file));
    EXPECT_FALSE(document->isModified());
}

TEST_F(DialogDesignTest, RadioTilesReportClicksToTheMainWindowWithoutStoringTheBinding)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("r.dcp"));
    TControl *row = addTile(QStringLiteral("TDCLRow"), dialog());
    TControl *radio = addTile(QStringLiteral("TDCLRadio"), row, "r1");
    const QString name = radio->name();
    radio->click();
    EXPECT_EQ(main->radioClicks, QStringList{name});

    const ComponentRecord record = writeComponent(radio, document.get());
    for (const NamedValue &value : record.properties)
        EXPECT_NE(value.name, QStringLiteral("OnClick"));

    ASSERT_TRUE(document->save(file));
    ASSERT_TRUE(document->load(file));
    TControl *loaded = document->findComponent(name);
    ASSERT_NE(loaded, nullptr);
    main->radioClicks.clear();
    loaded->click();
    EXPECT_EQ(main->radioClicks, QStringList{name});
}

TEST_F(DialogDesignTest, SavedProjectLoadsBackWithTheSameTiles)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("round.dcp"));
    TControl *column = addTile(QStringLiteral("TDCLColumn"), dialog(), "col");
    TControl *button = addTile(QStringLiteral("TDCLButton"), column, "ok");
    button->setProperty("LispCode", QStringList{"(princ)", "(done_dialog 1)"});
    TControl *combo = addTile(QStringLiteral("TDCLCombo"), dialog(), "colour");
    combo->setProperty("List", QStringList{"red", "blue"});
    dialog()->setLispFileName(QStringLiteral("panel.lsp"));
    ASSERT_TRUE(document->save(file));

    TDesignDocument otherDocument;
    auto other = std::make_unique<TfrmDialogDesign>(otherDocument, *main);
    ASSERT_TRUE(otherDocument.load(file));
    flush();
    TDCLPanel *otherDialog = otherDocument.dialogTile();
    ASSERT_NE(otherDialog, nullptr);
    EXPECT_EQ(other->DsnStage1->childControls(), QList<TControl *>{otherDialog});
    EXPECT_EQ(otherDialog->lispFileName(), QStringLiteral("panel.lsp"));
    const struct {
        const char *name;
        const char *parent;
        const char *tileKey;
    } expected[] = {{"DCLColumn1", "DCLPanelBasic", "col"},
                    {"DCLButton1", "DCLColumn1", "ok"},
                    {"DCLCombo1", "DCLPanelBasic", "colour"}};
    for (const auto &e : expected) {
        SCOPED_TRACE(e.name);
        TControl *tile = otherDocument.findComponent(QLatin1String(e.name));
        ASSERT_NE(tile, nullptr);
        EXPECT_EQ(tile->parentControl()->name(), QLatin1String(e.parent));
        EXPECT_EQ(key(tile), QLatin1String(e.tileKey));
    }
    EXPECT_EQ(otherDocument.findComponent("DCLButton1")->property("LispCode").toStringList(),
              button->property("LispCode").toStringList());
    EXPECT_EQ(otherDocument.findComponent("DCLCombo1")->property("List").toStringList(),
              QStringList({"red", "blue"}));

    // The caption handler is bound again.
    otherDialog->setDialogCaption(QStringLiteral("Panel settings"));
    EXPECT_EQ(other->windowTitle(), QStringLiteral("Panel settings"));
}

TEST_F(DialogDesignTest, ProjectThatCannotBeReadLeavesTheDesignAsItWas)
{
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("garbage.dcp"));
    QFile out(garbage);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("& this is not a project file at all");
    out.close();
    // A readable project whose only record is not a dialog tile.
    const QString noDialog = dir.filePath(QStringLiteral("nodialog.dcp"));
    {
        TDesignDocument scratch;
        TControl *lone = ClassRegistry::instance().create(QStringLiteral("TDCLButton"), &scratch);
        lone->setName(QStringLiteral("Lone"));
        SaveProjectFile(noDialog, {writeComponent(lone, &scratch)});
    }
    TControl *button = addTile(QStringLiteral("TDCLButton"), dialog(), "kept");
    designOn();
    for (const QString &file : {garbage, noDialog, dir.filePath(QStringLiteral("missing.dcp"))}) {
        SCOPED_TRACE(file.toStdString());
        document->setModified(false);
        EXPECT_ANY_THROW(document->load(file));
        EXPECT_TRUE(document->isModified());
        ASSERT_NE(dialog(), nullptr);
        EXPECT_EQ(tilesIn(dialog(), document.get()), QList<TControl *>{button});
        EXPECT_EQ(key(button), QStringLiteral("kept"));
        EXPECT_TRUE(form->DesignMode());
    }
}

// A design opens from its project file and from its text form alike; either
// without a dialog tile is refused with the program's message and changes nothing.
TEST_F(DialogDesignTest, DesignsOpenFromProjectFilesAndTextForms)
{
    QTemporaryDir dir;
    addTile(QStringLiteral("TDCLButton"), addTile(QStringLiteral("TDCLColumn"), dialog()), "ok");
    const QByteArray design = document->textForm();
    const QByteArray lone = "object Lone: TDCLButton\n  Key = 'lone'\nend\n";
    const struct {
        const char *file;
        QByteArray text;
        const char *error;
    } cases[] = {{"design.dcp", {}, nullptr},
                 {"design.txt", design, nullptr},
                 {"lone.txt", lone, "The design holds no dialog tile."},
                 {"lone.dcp", lone, "File is corrupt."}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = dir.filePath(QLatin1String(c.file));
        if (c.text.isEmpty()) {
            ASSERT_TRUE(document->save(path));
        } else if (path.endsWith(QLatin1String(".dcp"))) {
            SaveProjectFile(path, readTextForm(c.text));
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.text);
        }
        TDesignDocument opened;
        TfrmDialogDesign view(opened, *main);
        const QByteArray empty = opened.textForm();
        try {
            ASSERT_TRUE(opened.load(path));
            EXPECT_EQ(c.error, nullptr);
            EXPECT_EQ(opened.textForm().toStdString(), design.toStdString());
        } catch (const TError &error) {
            EXPECT_EQ(error.message(), QLatin1String(c.error));
            EXPECT_EQ(opened.textForm(), empty);
        }
    }
}

TEST_F(DialogDesignTest, TilesReadUnderANameOfTheWindowsOwnPartsAreRenamed)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("names.dcp"));
    ComponentRecord dialogRecord = writeComponent(dialog(), document.get());
    TOwner elsewhere;
    const QStringList stored = {"DsnStage1", "Dsn8Register1", "dsnselect1", "Free"};
    for (const QString &name : stored) {
        TControl *button =
            ClassRegistry::instance().create(QStringLiteral("TDCLButton"), &elsewhere);
        button->setName(name);
        dialogRecord.children.push_back(writeComponent(button, &elsewhere));
    }
    SaveProjectFile(file, {dialogRecord});
    ASSERT_TRUE(document->load(file));
    QStringList names;
    for (TControl *tile : tilesIn(dialog(), document.get()))
        names.append(tile->name());
    EXPECT_EQ(names, QStringList({"DCLButton1", "DCLButton2", "DCLButton3", "Free"}));
    EXPECT_EQ(form->DsnStage1->name(), QStringLiteral("DsnStage1"));
}

TEST_F(DialogDesignTest, KeyExistLooksAtEveryTileButTheNewestAndMindsCase)
{
    addTile(QStringLiteral("TDCLButton"), dialog(), "ok");
    TControl *newest = addTile(QStringLiteral("TDCLEdit"), dialog());
    newest->setProperty("Key", QStringLiteral("name"));
    const struct {
        const char *value;
        bool exists;
    } cases[] = {{"ok", true}, {"OK", false}, {"name", false}, {"other", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(form->KeyExist(QStringLiteral("Key"), QLatin1String(c.value)), c.exists);
    }
}

TEST_F(DialogDesignTest, RefusedInspectorValuesGoToAnErrorBox)
{
    TCollectingDialogs dialogs;
    SetEditorDialogs(&dialogs);
    TControl *slider = addTile(QStringLiteral("TDCLScrollBar"), dialog());
    designOn();
    form->Dsn8Register1->SelectControl(slider);
    const int before = slider->property("Max").toInt();
    EXPECT_FALSE(form->DsnInspector1->applyText(QStringLiteral("Max"), QStringLiteral("lots")));
    SetEditorDialogs(nullptr);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(QStringLiteral("lots")));
    EXPECT_EQ(slider->property("Max").toInt(), before);
}

TEST_F(DialogDesignTest, DesignStateReachesClustersSpacersAndTheController)
{
    auto *column = static_cast<TDCLColumn *>(addTile(QStringLiteral("TDCLColumn"), dialog()));
    auto *row = static_cast<TDCLRow *>(addTile(QStringLiteral("TDCLRow"), column));
    auto *spacer = static_cast<TDCLSpacer *>(addTile(QStringLiteral("TDCLSpacer"), row));
    for (bool on : {false, true, false}) {
        SCOPED_TRACE(on);
        form->TogleDesignState(on);
        EXPECT_EQ(column->dclDesign(), on);
        EXPECT_EQ(row->dclDesign(), on);
        EXPECT_EQ(spacer->dclDesign(), on);
        EXPECT_EQ(form->DesignMode(), on);
        form->FormActivate();
        EXPECT_EQ(main->editMenu, on);
        EXPECT_EQ(main->editActions, on);
    }
    form->SwitchMode1Click();
    EXPECT_TRUE(form->DesignMode());
    form->SwitchMode1Click();
    EXPECT_FALSE(form->DesignMode());
    main->editMenu = true;
    form->FormDeactivate();
    EXPECT_FALSE(main->editMenu);
}

TEST_F(DialogDesignTest, PreviewShowsTheGeneratedDialogAndFollowsTheDesign)
{
    QTemporaryDir folder;
    dialog()->setDialogName(QStringLiteral("shown"));
    dialog()->setDialogCaption(QStringLiteral("First caption"));
    dialog()->setDclFileName(folder.filePath(QStringLiteral("never.dcl")));
    auto *action = form->findChild<QAction *>(QStringLiteral("PreviewDialog1"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::Key_F5));
    action->trigger();
    auto *preview = form->findChild<DclPreviewWindow *>();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("First caption"));
    EXPECT_EQ(preview->dialogName(), QString());
    EXPECT_EQ(preview->dialogNames(), QStringList{QStringLiteral("shown")});

    // A change to the design (an undoable step, as the inspector makes it) shows after a pause;
    // nothing is written.
    const auto set = [&](const char *property, const QString &value) {
        TEditScope scope;
        scope.targets = {dialog()};
        scope.properties = {QString::fromLatin1(property)};
        document.get()->beginEdit(scope);
        dialog()->setProperty(property, value);
        document.get()->endEdit(QStringLiteral("Set %1").arg(QLatin1String(property)));
    };
    set("DialogCaption", QStringLiteral("Second caption"));
    QTest::qWait(3 * DclPreviewWindow::kFollowDelayMs);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Second caption"));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    // A nameless dialog is previewed under the name generating gives it, and stays nameless.
    set("DialogName", QString());
    QTest::qWait(3 * DclPreviewWindow::kFollowDelayMs);
    EXPECT_EQ(preview->dialogNames(), QStringList{QStringLiteral("no_name")});
    EXPECT_EQ(dialog()->dialogName(), QString());
}

} // namespace
} // namespace tw::test
