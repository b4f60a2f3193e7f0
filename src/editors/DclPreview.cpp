#include "editors/DclPreview.h"

#include "dcl/Document.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

namespace tw
{
namespace
{

using dcl::PlacedTile;
using dcl::Tile;

// The colour an image tile's `color` names: ACI 0-7, the dialog's own colours, or grey for
// the rest of the palette.
QColor tileColor(const QString &value, const QPalette &palette)
{
    static const QColor aci[] = {Qt::black, Qt::red,  Qt::yellow,  Qt::green,
                                 Qt::cyan,  Qt::blue, Qt::magenta, Qt::white};
    static const QStringList words = {QStringLiteral("black"),   QStringLiteral("red"),
                                      QStringLiteral("yellow"),  QStringLiteral("green"),
                                      QStringLiteral("cyan"),    QStringLiteral("blue"),
                                      QStringLiteral("magenta"), QStringLiteral("white")};
    if (const qsizetype word = words.indexOf(value); word >= 0)
        return aci[word];
    if (value == QLatin1String("dialog_line"))
        return palette.color(QPalette::Dark);
    if (value == QLatin1String("dialog_foreground"))
        return palette.color(QPalette::WindowText);
    if (value == QLatin1String("dialog_background"))
        return palette.color(QPalette::Window);
    if (value == QLatin1String("graphics_background"))
        return Qt::black;
    bool ok = false;
    const int index = value.toInt(&ok);
    if (ok && index >= 0 && index < 8)
        return aci[index];
    if (ok && index >= 8 && index <= 255)
        return Qt::gray;
    return Qt::white; // graphics_foreground, and the default colour 7
}

// An image or image_button: the tile's colour, framed when it is a button.
class ImageTile : public QAbstractButton
{
public:
    ImageTile(const QColor &color, bool button, QWidget *parent)
        : QAbstractButton(parent), m_color(color), m_button(button)
    {
        if (!button)
            setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), m_color);
        if (m_button) {
            painter.setPen(palette().color(QPalette::Dark));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
            if (hasFocus()) {
                painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
                painter.drawRect(rect().adjusted(2, 2, -3, -3));
            }
        }
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (m_button)
            QAbstractButton::mousePressEvent(event);
    }

private:
    QColor m_color;
    bool m_button;
};

bool isExitButton(const Tile &tile)
{
    const QString key = tile.value(u"key");
    return tile.isTrue(u"is_default") || tile.isTrue(u"is_cancel") ||
           key == QLatin1String("accept") || key == QLatin1String("cancel") ||
           tile.lineage.contains(QLatin1String("retirement_button"));
}

QString accessibleNameOf(const Tile &tile)
{
    const QString label = dcl::displayLabel(tile.value(u"label")).trimmed();
    if (!label.isEmpty())
        return label;
    const QString key = tile.value(u"key");
    return key.isEmpty() ? tile.kind : key;
}

QStringList listLines(const Tile &tile)
{
    const QString list = tile.value(u"list");
    return list.isEmpty() ? QStringList() : list.split(u'\n');
}

int intValue(const Tile &tile, QStringView name, int fallback)
{
    bool ok = false;
    const int value = tile.value(name).toInt(&ok);
    return ok ? value : fallback;
}

// The label with its mnemonic marked: `mnemonic` names a letter of the label when the label
// marks none itself with `&`.
QString labelWithMnemonic(const Tile &tile)
{
    QString label = tile.value(u"label");
    const QString mnemonic = tile.value(u"mnemonic");
    if (mnemonic.size() != 1 || dcl::displayLabel(label) != label)
        return label;
    const qsizetype at = label.indexOf(mnemonic);
    if (at >= 0)
        label.insert(at, u'&');
    return label;
}

QLabel *fieldLabel(const Tile &tile, const QRect &rect, QWidget *buddy, QWidget *parent)
{
    const QString label = labelWithMnemonic(tile);
    if (label.isEmpty() || rect.isEmpty())
        return nullptr;
    auto *widget = new QLabel(label, parent);
    widget->setTextFormat(Qt::PlainText);
    widget->setAccessibleName(dcl::displayLabel(label));
    widget->setBuddy(buddy);
    widget->setGeometry(rect);
    return widget;
}

// Where the dialog chosen for a file is remembered; the path is encoded so its slashes do not
// make groups.
QString choiceKey(const QString &path)
{
    return QStringLiteral("DclPreview/") +
           QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath()));
}

} // namespace

dcl::LayoutFont previewLayoutFont(const QFont &font)
{
    const QFontMetrics metrics(font);
    QFont boldFont = font;
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    dcl::LayoutFont layoutFont;
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int width = int(std::lround(metrics.horizontalAdvance(letters) / 52.0));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        width = std::min(width, screen->geometry().width() / 80);
    layoutFont.unitWidth = std::max(1, width);
    layoutFont.unitHeight = std::max(1, metrics.lineSpacing());
    layoutFont.textWidth = [metrics, bold](QStringView text, bool isBold) {
        return (isBold ? bold : metrics).horizontalAdvance(text.toString());
    };
    return layoutFont;
}

DclDialogView::DclDialogView(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Dialog preview"));
}

QWidget *DclDialogView::widgetFor(const QString &key) const
{
    const auto found = m_byKey.find(key);
    return found == m_byKey.end() ? nullptr : found->second.data();
}

void DclDialogView::showDialog(const Tile &dialog)
{
    // The old widgets go at once, so the new ones are all a repaint shows.
    delete m_content;
    m_byKey.clear();
    m_dialog = dialog;
    m_layout = dcl::layoutDialog(m_dialog, previewLayoutFont(font()));
    const QString value = m_dialog.value(u"value");
    m_title = value.isEmpty() ? m_dialog.value(u"label") : value;
    m_content = new QWidget(this);
    m_content->setAccessibleName(tr("Dialog client area"));
    m_content->setGeometry(QRect(QPoint(0, 0), m_layout.client));
    QList<QWidget *> tabStops;
    build(m_layout.root, true, nullptr, tabStops);
    for (qsizetype i = 1; i < tabStops.size(); ++i)
        setTabOrder(tabStops[i - 1], tabStops[i]);
    setFixedSize(m_layout.client);
    m_content->show();
}

void DclDialogView::build(const PlacedTile &placed, bool enabled, QButtonGroup *radios,
                          QList<QWidget *> &tabStops)
{
    const Tile &tile = *placed.tile;
    enabled = enabled && tile.value(u"is_enabled") != QLatin1String("false");
    const bool cluster = !placed.children.empty() || tile.primitive == QLatin1String("cluster") ||
                         tile.primitive == QLatin1String("radio_cluster");
    QWidget *widget = nullptr;
    if (tile.primitive == QLatin1String("dialog")) {
        // The view itself is the dialog's client area.
    } else if (cluster) {
        if (tile.isTrue(u"boxed")) {
            auto *box = new QGroupBox(dcl::displayLabel(tile.value(u"label")).trimmed(), m_content);
            box->setGeometry(placed.rect);
            box->setAccessibleName(accessibleNameOf(tile));
            box->setEnabled(enabled);
            widget = box;
        }
        if (tile.primitive == QLatin1String("radio_cluster")) {
            radios = new QButtonGroup(m_content);
            radios->setExclusive(true);
        }
    } else {
        widget = buildLeaf(placed, radios);
    }
    if (widget) {
        widget->setEnabled(enabled);
        const QString key = tile.value(u"key");
        if (!key.isEmpty() && !m_byKey.count(key))
            m_byKey[key] = widget;
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (tile.value(u"is_tab_stop") == QLatin1String("false"))
                widget->setFocusPolicy(Qt::ClickFocus);
            else
                tabStops << widget;
        }
    }
    for (const PlacedTile &child : placed.children)
        build(child, enabled, radios, tabStops);
    // A radio cluster's value names the button that is on.
    if (cluster && radios && tile.primitive == QLatin1String("radio_cluster"))
        if (QWidget *on = widgetFor(tile.value(u"value")))
            if (auto *radio = qobject_cast<QRadioButton *>(on);
                radio && radios->buttons().contains(radio))
                radio->setChecked(true);
}

QWidget *DclDialogView::buildLeaf(const PlacedTile &placed, QButtonGroup *radios)
{
    const Tile &tile = *placed.tile;
    const QString &kind = tile.primitive;
    const QString label = labelWithMnemonic(tile);
    const QString value = tile.value(u"value");
    QWidget *widget = nullptr;
    QRect rect = placed.rect;
    if (kind == QLatin1String("button")) {
        auto *button = new QPushButton(label, m_content);
        button->setAutoDefault(true);
        if (tile.isTrue(u"is_default") && !m_defaultButton) {
            button->setDefault(true);
            m_defaultButton = button;
        }
        if (tile.isTrue(u"is_cancel") && !m_cancelButton)
            m_cancelButton = button;
        if (isExitButton(tile)) {
            const QString key = tile.value(u"key");
            connect(button, &QPushButton::clicked, this, [this, key] { emit exitPressed(key); });
        }
        widget = button;
    } else if (kind == QLatin1String("toggle")) {
        auto *toggle = new QCheckBox(label, m_content);
        toggle->setChecked(value == QLatin1String("1"));
        widget = toggle;
    } else if (kind == QLatin1String("radio_button")) {
        auto *radio = new QRadioButton(label, m_content);
        radio->setAutoExclusive(false);
        if (radios)
            radios->addButton(radio);
        if (value == QLatin1String("1"))
            radio->setChecked(true); // in an exclusive group the last one on wins
        widget = radio;
    } else if (kind == QLatin1String("edit_box")) {
        auto *edit = new QLineEdit(value, m_content);
        edit->setMaxLength(std::clamp(intValue(tile, u"edit_limit", 132), 1, 32767));
        if (!tile.value(u"password_char").isEmpty())
            edit->setEchoMode(QLineEdit::Password);
        fieldLabel(tile, QRect(rect.topLeft(), QPoint(placed.field.left() - 1, rect.bottom())),
                   edit, m_content);
        rect = placed.field;
        widget = edit;
    } else if (kind == QLatin1String("popup_list")) {
        auto *popup = new QComboBox(m_content);
        popup->addItems(listLines(tile));
        popup->setCurrentIndex(intValue(tile, u"value", 0));
        fieldLabel(tile, QRect(rect.topLeft(), QPoint(placed.field.left() - 1, rect.bottom())),
                   popup, m_content);
        rect = placed.field;
        widget = popup;
    } else if (kind == QLatin1String("list_box")) {
        auto *list = new QListWidget(m_content);
        list->addItems(listLines(tile));
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->setSelectionMode(tile.isTrue(u"multiple_select")
                                   ? QAbstractItemView::MultiSelection
                                   : QAbstractItemView::SingleSelection);
        for (const QString &index : value.split(u' ', Qt::SkipEmptyParts)) {
            bool ok = false;
            const int row = index.toInt(&ok);
            if (ok && row >= 0 && row < list->count())
                list->item(row)->setSelected(true);
        }
        fieldLabel(tile, QRect(rect.topLeft(), QPoint(rect.right(), placed.field.top() - 1)), list,
                   m_content);
        rect = placed.field;
        widget = list;
    } else if (kind == QLatin1String("text")) {
        auto *text = new QLabel(value.isEmpty() ? dcl::displayLabel(label) : value, m_content);
        text->setTextFormat(Qt::PlainText);
        QFont font = text->font();
        font.setBold(tile.isTrue(u"is_bold"));
        text->setFont(font);
        widget = text;
    } else if (kind == QLatin1String("slider")) {
        auto *slider = new QSlider(
            tile.value(u"layout") == QLatin1String("vertical") ? Qt::Vertical : Qt::Horizontal,
            m_content);
        const int low = intValue(tile, u"min_value", 0);
        const int high = intValue(tile, u"max_value", 10000);
        slider->setRange(std::min(low, high), std::max(low, high));
        slider->setInvertedAppearance(low > high);
        slider->setValue(intValue(tile, u"value", low));
        // Without increments, a hundredth and a tenth of the range.
        const int range = std::max(1, std::abs(high - low));
        slider->setSingleStep(std::max(1, intValue(tile, u"small_increment", range / 100)));
        slider->setPageStep(std::max(1, intValue(tile, u"big_increment", range / 10)));
        widget = slider;
    } else if (kind == QLatin1String("image") || kind == QLatin1String("image_button")) {
        widget = new ImageTile(tileColor(tile.value(u"color", QStringLiteral("7")), palette()),
                               kind == QLatin1String("image_button"), m_content);
    }
    if (widget) {
        widget->setGeometry(rect);
        widget->setAccessibleName(accessibleNameOf(tile));
    }
    return widget;
}

DclPreviewWindow::DclPreviewWindow(QWidget *parent)
    : QDialog(parent), m_view(new DclDialogView(this)), m_chooser(new QComboBox(this)),
      m_status(new QStatusBar(this))
{
    setAccessibleName(QStringLiteral("Dialog preview window"));
    setWindowTitle(tr("Preview Dialog"));
    m_chooser->setAccessibleName(tr("Dialog to preview"));
    m_chooser->hide();
    m_status->setAccessibleName(tr("Preview status"));
    m_status->setSizeGripEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_chooser);
    layout->addWidget(m_view);
    layout->addWidget(m_status);
    m_follow.setSingleShot(true);
    m_follow.setInterval(kFollowDelayMs);
    connect(&m_follow, &QTimer::timeout, this, &DclPreviewWindow::refresh);
    connect(m_chooser, &QComboBox::activated, this,
            [this](int index) { chooseDialog(m_chooser->itemText(index)); });
    connect(m_view, &DclDialogView::exitPressed, this, [this] { done(QDialog::Accepted); });
}

void DclPreviewWindow::setSource(const QString &path, std::function<QString()> text)
{
    m_shownText.clear();
    m_path = path;
    m_text = std::move(text);
    m_dialogName = QSettings(QStringLiteral("Orvane"), QStringLiteral("Tilewright"))
                       .value(choiceKey(m_path))
                       .toString();
}

void DclPreviewWindow::sourceChanged()
{
    m_follow.start();
}

void DclPreviewWindow::chooseDialog(const QString &name)
{
    m_dialogName = name;
    m_shownText.clear();
    rememberChoice();
    refresh();
}

void DclPreviewWindow::rememberChoice()
{
    if (!m_path.isEmpty() && !m_dialogName.isEmpty())
        QSettings(QStringLiteral("Orvane"), QStringLiteral("Tilewright"))
            .setValue(choiceKey(m_path), m_dialogName);
}

QString DclPreviewWindow::statusText() const
{
    return m_status->currentMessage();
}

bool DclPreviewWindow::refresh()
{
    m_follow.stop();
    if (!m_text)
        return false;
    const QString text = m_text();
    if (text == m_shownText && !m_names.isEmpty())
        return true;
    const dcl::Document document = dcl::Document::fromText(text, m_path);
    const auto failed = [this](const QString &message) {
        m_status->showMessage(message);
        m_status->setToolTip(message); // the whole message when the window is narrower
        return false;
    };
    for (const dcl::Diagnostic &diagnostic : document.diagnostics())
        if (diagnostic.severity == dcl::Severity::Error)
            return failed(dcl::formatDiagnostic(diagnostic));
    const auto dialogs = document.dialogs();
    if (dialogs.empty())
        return failed(tr("The file defines no dialog."));
    m_names.clear();
    for (const Tile *dialog : dialogs)
        m_names << dialog->name;
    const Tile *shown = document.dialog(m_dialogName);
    if (!shown)
        shown = dialogs.front();
    {
        const QSignalBlocker blocker(m_chooser);
        m_chooser->clear();
        m_chooser->addItems(m_names);
        m_chooser->setCurrentText(shown->name);
        m_chooser->setVisible(m_names.size() > 1);
    }
    m_view->showDialog(*shown);
    m_shownText = text;
    if (QWidget *focus = m_view->widgetFor(shown->value(u"initial_focus")))
        focus->setFocus();
    const QString title = m_view->title();
    setWindowTitle(title.isEmpty() ? shown->name : title);
    // The file's own name, also from a design's Windows path.
    const QString file = m_path.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1);
    m_status->showMessage(file + QStringLiteral(": ") + shown->name);
    m_status->setToolTip({});
    return true;
}

void DclPreviewWindow::reject()
{
    // Esc presses the cancel button, as in the dialog; without one it just closes.
    if (QAbstractButton *cancel = m_view->cancelButton(); cancel && cancel->isEnabled())
        cancel->click();
    else
        QDialog::reject();
}

DclPreviewLink::DclPreviewLink(QWidget *host, const QString &caption, std::function<QString()> path,
                               std::function<QString()> text)
    : QObject(host), m_host(host), m_action(new QAction(caption, host)), m_path(std::move(path)),
      m_text(std::move(text))
{
    m_action->setObjectName(QStringLiteral("PreviewDialog1"));
    m_action->setShortcut(Qt::Key_F5);
    m_action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    host->addAction(m_action);
    connect(m_action, &QAction::triggered, this, &DclPreviewLink::open);
}

void DclPreviewLink::open()
{
    if (!m_window)
        m_window = new DclPreviewWindow(m_host);
    m_window->setSource(m_path(), m_text);
    m_window->refresh();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void DclPreviewLink::sourceChanged()
{
    if (m_window && m_window->isVisible())
        m_window->sourceChanged();
}

} // namespace tw
