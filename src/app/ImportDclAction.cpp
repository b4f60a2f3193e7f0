#include "app/ImportDclAction.h"

#include "codegen/DclImport.h"
#include "dcl/Document.h"
#include "document/DesignDocument.h"
#include "document/DesignHost.h"
#include "editors/EditorDialogs.h"
#include "format/Error.h"
#include "format/ProjectFile.h"
#include "tiles/DesignRoot.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw
{

TImportReport::TImportReport(const QString &text, QWidget *parent)
    : QDialog(parent), m_text(new QPlainTextEdit(text, this))
{
    setWindowTitle(QStringLiteral("Import DCL"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setAccessibleName(QStringLiteral("What the design could not keep"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copy = buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
    copy->setAccessibleName(QStringLiteral("Copy the report"));
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(QStringLiteral("Close"));
    connect(copy, &QPushButton::clicked, this, &TImportReport::copyReport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("The dialog was imported; the design could not keep these:"), this));
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(720, 320);
}

void TImportReport::copyReport()
{
    QApplication::clipboard()->setText(m_text->toPlainText());
}

std::optional<QString> ImportDclProject(QWidget *parent, TDesignHost &host)
{
    TFileDialogSettings open;
    open.Title = QStringLiteral("Import DCL");
    open.Filter = QStringLiteral("DCL Files (*.dcl)|*.dcl|All Files(*.*)|*.*");
    open.DefaultExt = QStringLiteral("dcl");
    const std::optional<QString> dclFile = EditorDialogs().OpenFileName(parent, open);
    if (!dclFile)
        return std::nullopt;
    try {
        QStringList names;
        const dcl::Document document = dcl::Document::load(*dclFile);
        for (const dcl::Tile *dialog : document.dialogs())
            names << dialog->name;
        QString name;
        if (names.size() > 1) {
            bool chosen = false;
            name = QInputDialog::getItem(parent, QStringLiteral("Import DCL"),
                                         QStringLiteral("Dialog to import:"), names, 0, false,
                                         &chosen);
            if (!chosen)
                return std::nullopt;
        }
        const DclImport imported = importDclFile(*dclFile, name);
        TFileDialogSettings save;
        save.Title = QStringLiteral("Save Imported Dialog As");
        save.Filter = QStringLiteral("Project Files (*.dcp)|*.dcp|All Files(*.*)|*.*");
        save.DefaultExt = QStringLiteral("dcp");
        save.FileName = QFileInfo(*dclFile).completeBaseName() + QStringLiteral(".dcp");
        const std::optional<QString> project = EditorDialogs().SaveFileName(parent, save);
        if (!project)
            return std::nullopt;
        SaveProjectFile(*project, imported.design->save());
        if (!imported.warnings.isEmpty()) {
            QStringList lines;
            for (const dcl::Diagnostic &warning : imported.warnings)
                lines << dcl::formatDiagnostic(warning);
            TImportReport report(lines.join(QLatin1Char('\n')), parent);
            host.ExecModal(report);
        }
        return *project;
    } catch (const TError &error) {
        EditorDialogs().ShowError(parent, error.message());
    }
    return std::nullopt;
}

} // namespace tw
