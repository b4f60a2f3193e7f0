#include "codegen/DialogCode.h"

#include "codegen/BasicTileWriters.h"
#include "codegen/TileWriters.h"
#include "component/ClassRegistry.h"
#include "component/Control.h"
#include "tiles/ClusterPanel.h"
#include "tiles/DCLPanel.h"
#include "tiles/GroupCluster.h"
#include "tiles/TextHelpers.h"

#include <algorithm>

namespace tw
{
namespace
{

bool isOfClass(const QObject *object, const char *name)
{
    for (const QMetaObject *meta = object->metaObject(); meta; meta = meta->superClass())
        if (QByteArray(meta->className()).split(':').last() == name)
            return true;
    return false;
}

TileWriter writerFor(const TControl *tile)
{
    for (const TileWriterEntry &entry : tileWriters())
        if (isOfClass(tile, entry.className))
            return entry.writer;
    return nullptr;
}

const QString kLevel = QStringLiteral("    ");

bool isRadioButton(const TControl *tile)
{
    return writerFor(tile) == WriteRadioButton;
}

// The load block without the line that closes c:LoadDialog, each line after
// `prefix`; `dclFile` is the load_dialog argument as AutoLISP reads it.
void appendLoadBlock(QStringList &lisp, const QString &dclFile, const QString &dialogName,
                     const QString &prefix)
{
    const QStringList block = {
        QStringLiteral("   (if (setq dcl_id (load_dialog %1))").arg(dclFile),
        QStringLiteral("       (if (new_dialog \"%1\" dcl_id)").arg(EscapeString(dialogName)),
        QStringLiteral("           (progn"),
        QStringLiteral("              (setq result nil)"),
        QStringLiteral("              (init_handler)"),
        QStringLiteral("              (set_data)"),
        QStringLiteral("              (action_tile \"accept\" \"(get_data)(done_dialog)(setq "
                       "result T)\")"),
        QStringLiteral("              (start_dialog)"),
        QStringLiteral("              (unload_dialog dcl_id)"),
        QStringLiteral("              result"),
        QStringLiteral("            )"),
        QStringLiteral("        )"),
        QStringLiteral("    )"),
    };
    AddPrefixedLines(lisp, block, prefix);
}

// The DCL text of the dialog and its tiles' AutoLISP sections, each section
// opened and closed; returns the dialog name as written.
QString writeDialog(TDCLPanel *dialog, QStringList &dcl, LispSections &sections)
{
    if (dialog->dialogName().trimmed().isEmpty())
        dialog->setDialogName(QStringLiteral("no_name"));
    // DCL ignores blanks around a name, so the name is written trimmed.
    const QString name = dialog->dialogName().trimmed();

    sections.InitSection << QStringLiteral("(defun init_handler()   ;Initialation_Code");
    sections.SetSection << QStringLiteral("(defun set_data() ;Start Set function");
    sections.GetSection << QStringLiteral("(defun get_data() ;Start Get function");

    dcl << name + QStringLiteral(" : dialog { ");
    dcl << QStringLiteral("    label=\"%1\";").arg(EscapeString(dialog->dialogCaption()));
    WriteChildTiles(dialog, dcl, QStringLiteral("    "), sections, true);
    dcl << enumName(dialog->retirementButton()) + QLatin1Char(';');
    dcl << QStringLiteral("}");

    sections.InitSection << QStringLiteral("    (princ)")
                         << QStringLiteral(");End of Initial Function");
    sections.SetSection << QStringLiteral("    (princ)") << QStringLiteral(");End of Set function");
    sections.GetSection << QStringLiteral("    (princ)") << QStringLiteral(");End of Get function");
    return name;
}

// The four sections, defined inside c:LoadDialog.
void appendSections(QStringList &lisp, const LispSections &sections)
{
    const QString prefix = QStringLiteral("   ");
    AddPrefixedLines(lisp, sections.InitSection, prefix);
    AddPrefixedLines(lisp, sections.SetSection, prefix);
    AddPrefixedLines(lisp, sections.GetSection, prefix);
    AddPrefixedLines(lisp, sections.FunctionSection, prefix);
}

} // namespace

void GenerateDialogCode(TDCLPanel *dialog, QStringList &dcl, QStringList &lisp)
{
    LispSections sections;
    const QString name = writeDialog(dialog, dcl, sections);
    lisp << QStringLiteral("(defun c:LoadDialog( / dcl_id)");
    appendSections(lisp, sections);
    const QString dclFile = ExtractFileName(dialog->dclFileName());
    appendLoadBlock(lisp, QLatin1Char('"') + EscapeString(dclFile) + QLatin1Char('"'), name,
                    QString());
    lisp << QStringLiteral(")");
}

void GenerateSingleFileCode(TDCLPanel *dialog, QStringList &lisp)
{
    QStringList dcl;
    LispSections sections;
    const QString name = writeDialog(dialog, dcl, sections);
    lisp << QStringLiteral("(defun c:LoadDialog( / dcl_id dcl_file dcl_out dcl_result)");
    appendSections(lisp, sections);
    lisp << QStringLiteral("   (setq dcl_file (vl-filename-mktemp nil nil \".dcl\"))")
         << QStringLiteral("   (if (setq dcl_out (open dcl_file \"w\"))")
         << QStringLiteral("       (progn");
    for (const QString &line : std::as_const(dcl))
        lisp << QStringLiteral("          (write-line \"%1\" dcl_out)").arg(EscapeString(line));
    lisp << QStringLiteral("          (close dcl_out)") << QStringLiteral("       )")
         << QStringLiteral("   )") << QStringLiteral("   (setq dcl_result");
    appendLoadBlock(lisp, QStringLiteral("dcl_file"), name, QStringLiteral("   "));
    lisp << QStringLiteral("   )") << QStringLiteral("   (vl-file-delete dcl_file)")
         << QStringLiteral("   dcl_result") << QStringLiteral(")");
}

void WriteChildTiles(TControl *container, QStringList &dcl, const QString &indent,
                     LispSections &lisp, bool columnOrder)
{
    QList<TControl *> children = container->childControls();
    std::stable_sort(children.begin(), children.end(), [columnOrder](TControl *a, TControl *b) {
        return columnOrder ? a->top() < b->top() : a->left() < b->left();
    });
    const QString deeper = indent + kLevel;
    // Runs split by other tiles become separate radio clusters, each exclusive
    // on its own in AutoCAD.
    const bool wrapRadioButtons = !IsWrittenAsRadioCluster(container);
    bool inRun = false;
    for (TControl *child : std::as_const(children)) {
        const TileWriter writer = writerFor(child);
        if (!writer)
            continue;
        const bool wrapped = wrapRadioButtons && writer == WriteRadioButton;
        if (wrapped && !inRun)
            dcl << deeper + (columnOrder ? QStringLiteral(": radio_column {")
                                         : QStringLiteral(": radio_row {"));
        else if (!wrapped && inRun)
            dcl << deeper + QStringLiteral("}");
        inRun = wrapped;
        writer(child, dcl, wrapped ? deeper + kLevel : deeper, lisp);
    }
    if (inRun)
        dcl << deeper + QStringLiteral("}");
}

bool IsWrittenAsTile(const TControl *control)
{
    return writerFor(control) != nullptr;
}

TDclDirection LayoutDirection(const TControl *container)
{
    return container && (isOfClass(container, "TDCLRow") || isOfClass(container, "TDCLGroupRow"))
               ? TDclDirection::Row
               : TDclDirection::Column;
}

TDclDirection ParentDirection(const TControl *tile)
{
    return LayoutDirection(tile->parentControl());
}

bool IsWrittenAsRadioCluster(const TControl *cluster)
{
    if (const auto *boxed = qobject_cast<const TGroupCluster *>(cluster)) {
        if (boxed->isRadioGroup())
            return true;
    } else if (!qobject_cast<const TClusterPanel *>(cluster)) {
        return false;
    }
    bool anyRadioButton = false;
    for (const TControl *child : cluster->childControls()) {
        if (!writerFor(child))
            continue;
        if (!isRadioButton(child))
            return false;
        anyRadioButton = true;
    }
    return anyRadioButton;
}

QString FormatDclSize(double value)
{
    return QString::number(value, 'f', 1).rightJustified(4, QLatin1Char(' '));
}

QString EscapeString(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    result.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return result;
}

} // namespace tw
