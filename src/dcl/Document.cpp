#include "dcl/Document.h"

#include "dcl/StandardTiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QVarLengthArray>
#include <algorithm>
#include <optional>
#include <utility>

namespace tw::dcl
{

const Attribute *Tile::attribute(QStringView attributeName) const
{
    for (const Attribute &attribute : attributes)
        if (attribute.name == attributeName)
            return &attribute;
    return nullptr;
}

QString Tile::value(QStringView attributeName, const QString &fallback) const
{
    const Attribute *found = attribute(attributeName);
    return found ? found->value.text : fallback;
}

bool Tile::isTrue(QStringView attributeName) const
{
    const Attribute *found = attribute(attributeName);
    return found && found->value.type == Value::Word &&
           found->value.text == QLatin1StringView("true");
}

// Reads the files and resolves every definition; Document holds the outcome.
class DocumentBuilder
{
public:
    DocumentBuilder(Document &document, const LoadOptions &options)
        : m_document(document), m_options(options)
    {
        static const FileNode standard = [] {
            Diagnostics ignored;
            return parseDcl(standardTilesText(), Position::builtInFile(), ignored, {}, true);
        }();
        for (const TileNode &node : standard.definitions)
            addEntry(TileNode(node), false);
    }

    // Every entry is resolved as if in order after the whole reading, with the problems that
    // brings listed after the reading's own. Most are in fact resolved as soon as they are read
    // (see addUserEntry()), while their written tiles are still in the cache.
    void readMain(const QString &text, const QString &path)
    {
        // The standard tiles, which come first in that order.
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            resolve(int(i));
        const QString identity = identify(path);
        m_loaded.insert(identity);
        readFile(text, path, {identity});
        m_resolvingInOrder = true;
        for (const Diagnostic &d : std::exchange(m_heldResolving, {}))
            report(d.severity, d.where, d.rule, d.message);
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            resolve(int(i));
    }

    // Reads bytes of a file, within the size limit; false with a reason otherwise.
    bool readBytes(const QString &path, QString *text, QString *error) const
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
            return false;
        }
        if (file.size() > m_options.limits.maxFileSize) {
            *error = QStringLiteral("%1 is larger than the %2 bytes a DCL file may have")
                         .arg(path)
                         .arg(m_options.limits.maxFileSize);
            return false;
        }
        *text = decodeDclBytes(file.read(m_options.limits.maxFileSize + 1));
        return true;
    }

    void report(Severity severity, const Position &where, const QString &rule,
                const QString &message)
    {
        Diagnostics &to = m_heldReading ? *m_heldReading : m_document.m_diagnostics;
        if (to.size() < kMaxDiagnostics)
            to.append({severity, where, rule, message});
    }

    // A problem found while resolving: held until every file has been read (see readMain()).
    void reportResolving(Severity severity, const Position &where, const QString &rule,
                         const QString &message)
    {
        if (m_resolvingInOrder)
            report(severity, where, rule, message);
        else if (m_heldResolving.size() < kMaxDiagnostics)
            m_heldResolving.append({severity, where, rule, message});
    }

private:
    static QString identify(const QString &path)
    {
        const QFileInfo info(path);
        const QString canonical = info.canonicalFilePath();
        return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    }

    // A top-level definition. Its written tree is read once, when the entry is resolved: the
    // resolved tile takes its attributes and children over instead of copying them. The node
    // keeps the definition's name and position, which messages about the entry quote.
    struct Entry {
        TileNode node;
        std::shared_ptr<Document::Definition> definition;
        bool user = false;
        enum State { New, Visiting, Done, Failed } state = New;
    };

    void addEntry(TileNode &&written, bool user)
    {
        Entry entry;
        entry.node = std::move(written);
        entry.definition = std::make_shared<Document::Definition>();
        entry.user = user;
        const TileNode &node = entry.node;
        QList<int> &same = m_names[node.name];
        if (user && !same.isEmpty()) {
            const Entry &earlier = m_entries[std::size_t(same.last())];
            const Position &at = earlier.node.where;
            if (earlier.user)
                report(Severity::Warning, node.where, QStringLiteral("redefinition"),
                       QStringLiteral("%1 is defined again; the first definition is at %2:%3")
                           .arg(node.name, at.file)
                           .arg(at.line));
            else
                report(
                    Severity::Warning, node.where, QStringLiteral("redefinition"),
                    QStringLiteral("%1 redefines a standard tile of the same name").arg(node.name));
        }
        same.append(int(m_entries.size()));
        if (user)
            m_document.m_definitions.push_back(entry.definition);
        m_entries.push_back(std::move(entry));
    }

    void readFile(const QString &text, const QString &path, const QStringList &chain)
    {
        m_document.m_files.append(path);
        if (text.size() > m_options.limits.maxFileSize) {
            report(Severity::Error, {path, 1, 1}, QStringLiteral("limit"),
                   QStringLiteral("the file is larger than the %1 bytes a DCL file may have")
                       .arg(m_options.limits.maxFileSize));
            return;
        }
        // The entries read with the file come after the file's own problems, as if added after
        // the reading.
        Diagnostics entryProblems;
        m_heldReading = &entryProblems;
        FileNode file =
            parseDcl(text, path, m_document.m_diagnostics, m_options.limits.syntax, false,
                     [this](TileNode &&definition) { addUserEntry(std::move(definition)); });
        m_heldReading = nullptr;
        for (const Diagnostic &d : entryProblems)
            report(d.severity, d.where, d.rule, d.message);
        std::size_t next = 0;
        for (const IncludeNode &include : file.includes) {
            for (; next < include.definitionsBefore; ++next)
                addUserEntry(std::move(file.definitions[next]));
            readInclude(include, path, chain);
        }
        for (; next < file.definitions.size(); ++next)
            addUserEntry(std::move(file.definitions[next]));
    }

    // Adds a definition of the document and resolves it at once when that gives what resolving
    // in order after the whole reading gives: every entry above it is resolved and every name it
    // uses is defined above it (a forward reference or an unknown name needs the whole reading).
    // From the first entry that must wait, all later ones wait too, so the order is kept.
    void addUserEntry(TileNode &&written)
    {
        addEntry(std::move(written), true);
        const int index = int(m_entries.size()) - 1;
        m_waiting = m_waiting || !namesDefinedAbove(m_entries.back().node, index);
        if (!m_waiting)
            resolve(index);
    }

    bool namesDefinedAbove(const TileNode &node, int index) const
    {
        for (const NameRef &parent : node.parents) {
            const auto found = m_names.constFind(parent.name);
            if (found == m_names.constEnd() || found->front() >= index)
                return false;
        }
        return std::all_of(node.children.begin(), node.children.end(),
                           [&](const TileNode &child) { return namesDefinedAbove(child, index); });
    }

    void readInclude(const IncludeNode &include, const QString &from, const QStringList &chain)
    {
        const QString name = include.fileName;
        if (name.isEmpty() || std::any_of(name.begin(), name.end(), [](QChar c) {
                return c.category() == QChar::Other_Control;
            })) {
            report(Severity::Error, include.where, QStringLiteral("include"),
                   QStringLiteral("@include needs a file name without control characters"));
            return;
        }
        if (QFileInfo(name).fileName().compare(u"acad.dcl", Qt::CaseInsensitive) == 0) {
            report(Severity::Error, include.where, QStringLiteral("include"),
                   QStringLiteral("acad.dcl may not be included"));
            return;
        }
        QStringList candidates;
        if (QFileInfo(name).isAbsolute()) {
            candidates.append(name);
        } else {
            candidates.append(QFileInfo(from).dir().filePath(name));
            for (const QString &dir : m_options.includeDirs)
                candidates.append(QDir(dir).filePath(name));
        }
        QString path;
        for (const QString &candidate : candidates)
            if (QFileInfo(candidate).isFile()) {
                path = candidate;
                break;
            }
        if (path.isEmpty()) {
            // base.dcl's tiles are built in.
            if (name.compare(u"base.dcl", Qt::CaseInsensitive) == 0)
                return;
            report(Severity::Error, include.where, QStringLiteral("include"),
                   QStringLiteral("included file %1 not found (looked in %2)")
                       .arg(name, candidates.join(QStringLiteral(", "))));
            return;
        }
        const QString identity = identify(path);
        if (chain.contains(identity)) {
            report(Severity::Error, include.where, QStringLiteral("include"),
                   QStringLiteral("%1 includes itself (include cycle)").arg(name));
            return;
        }
        if (m_loaded.contains(identity))
            return;
        if (chain.size() > m_options.limits.maxIncludeDepth) {
            report(Severity::Error, include.where, QStringLiteral("limit"),
                   QStringLiteral("includes are nested more than %1 deep")
                       .arg(m_options.limits.maxIncludeDepth));
            return;
        }
        if (m_loaded.size() > m_options.limits.maxIncludedFiles) {
            report(Severity::Error, include.where, QStringLiteral("limit"),
                   QStringLiteral("more than %1 files are included")
                       .arg(m_options.limits.maxIncludedFiles));
            return;
        }
        m_loaded.insert(identity);
        QString text;
        QString error;
        if (!readBytes(path, &text, &error)) {
            report(Severity::Error, include.where, QStringLiteral("include"), error);
            return;
        }
        readFile(text, path, chain + QStringList{identity});
    }

    // The entry `name` refers to from entry `from`, or -1 (reported).
    int lookup(const NameRef &name, int from)
    {
        const auto found = m_names.constFind(name.name);
        if (found != m_names.constEnd()) {
            int later = -1;
            for (auto it = found->crbegin(); it != found->crend(); ++it) {
                if (*it < from)
                    return *it;
                if (*it > from)
                    later = *it;
            }
            if (later >= 0) {
                const Position &at = m_entries[std::size_t(later)].node.where;
                reportResolving(
                    Severity::Warning, name.where, QStringLiteral("forward-reference"),
                    QStringLiteral("%1 is used before its definition at line %2; Autodesk "
                                   "requires a tile to be defined before it is used")
                        .arg(name.name)
                        .arg(at.line));
                return later;
            }
        }
        QString hint;
        for (auto it = m_names.constBegin(); it != m_names.constEnd(); ++it)
            if (it.key().compare(name.name, Qt::CaseInsensitive) == 0) {
                hint =
                    QStringLiteral(" (names are case-sensitive: did you mean %1?)").arg(it.key());
                break;
            }
        reportResolving(Severity::Error, name.where, QStringLiteral("unknown-tile"),
                        QStringLiteral("unknown tile %1%2").arg(name.name, hint));
        return -1;
    }

    const Tile *resolve(int index)
    {
        Entry &entry = m_entries[std::size_t(index)];
        switch (entry.state) {
        case Entry::Done:
            return &entry.definition->tile;
        case Entry::Failed:
        case Entry::Visiting:
            return nullptr;
        case Entry::New:
            break;
        }
        entry.state = Entry::Visiting;
        std::optional<Tile> tile = build(entry.node, index, 0);
        Entry &after = m_entries[std::size_t(index)];
        if (tile) {
            after.definition->tile = std::move(*tile);
            after.definition->resolved = true;
            after.state = Entry::Done;
            return &after.definition->tile;
        }
        after.state = Entry::Failed;
        return nullptr;
    }

    static int countTiles(const Tile &tile)
    {
        int count = 1;
        for (const Tile &child : tile.children)
            count += countTiles(child);
        return count;
    }

    bool spend(int tiles, const Position &where)
    {
        m_tiles += tiles;
        if (m_tiles <= m_options.limits.maxTiles)
            return true;
        if (!m_overBudget)
            reportResolving(Severity::Error, where, QStringLiteral("limit"),
                            QStringLiteral("the file builds more than %1 tiles")
                                .arg(m_options.limits.maxTiles));
        m_overBudget = true;
        return false;
    }

    // Builds the tile written as `node` inside entry `from`, or nothing when it cannot be built.
    // Takes over the node's attributes and children: each node is built once. A top-level
    // node keeps its name and position, which messages about its entry quote.
    std::optional<Tile> build(TileNode &node, int from, int depth)
    {
        const int maxDepth = 4 * m_options.limits.syntax.maxNesting;
        if (++m_depth > maxDepth) {
            --m_depth;
            if (!m_tooDeep)
                reportResolving(
                    Severity::Error, node.where, QStringLiteral("limit"),
                    QStringLiteral("tiles are built more than %1 levels deep").arg(maxDepth));
            m_tooDeep = true;
            return std::nullopt;
        }
        std::optional<Tile> built = buildTile(node, from, depth);
        --m_depth;
        // The written tile is used up; freeing it now lets the next tiles reuse its memory
        // while that is still in the cache.
        node.parents = {};
        node.attributes = {};
        node.children = {};
        return built;
    }

    std::optional<Tile> buildTile(TileNode &node, int from, int depth)
    {
        if (!spend(1, node.where))
            return std::nullopt;
        // Parents first, so the attributes are gathered in one allocation.
        QVarLengthArray<std::pair<const Tile *, const NameRef *>, 2> parents;
        qsizetype inherited = 0;
        for (const NameRef &parentName : node.parents) {
            const int index = lookup(parentName, from);
            if (index < 0)
                continue;
            if (m_entries[std::size_t(index)].state == Entry::Visiting) {
                reportResolving(Severity::Error, parentName.where,
                                QStringLiteral("circular-definition"),
                                QStringLiteral("circular definition: %1 is built from itself")
                                    .arg(parentName.name));
                continue;
            }
            if (const Tile *parent = resolve(index)) {
                parents.append({parent, &parentName});
                inherited += qsizetype(parent->attributes.size());
            }
        }
        if (!node.parents.empty() && parents.isEmpty())
            return std::nullopt;

        Tile tile;
        const bool ownAttributes = !node.attributes.empty();
        if (ownAttributes)
            tile.attributes.reserve(qsizetype(node.attributes.size()) + inherited);
        tile.where = node.where;
        tile.name = node.isReference ? node.parents.front().name : node.name;
        for (Attribute &attribute : node.attributes) {
            auto same = std::find_if(tile.attributes.begin(), tile.attributes.end(),
                                     [&](const Attribute &a) { return a.name == attribute.name; });
            if (same == tile.attributes.end()) {
                tile.attributes.push_back(std::move(attribute));
                continue;
            }
            reportResolving(Severity::Warning, attribute.where,
                            QStringLiteral("duplicate-attribute"),
                            QStringLiteral("%1 is already set at line %2 of this tile")
                                .arg(attribute.name)
                                .arg(same->where.line));
            *same = std::move(attribute);
        }
        if (node.parents.empty()) {
            tile.kind = tile.primitive = tile.name;
            tile.lineage = {tile.name};
            return tile;
        }
        const Tile *childSource = nullptr;
        // Without attributes of its own, the tile starts from its first parent's list, shared.
        if (tile.attributes.isEmpty())
            tile.attributes = parents.front().first->attributes;
        else
            for (const Attribute &attribute : parents.front().first->attributes)
                if (!tile.attribute(attribute.name))
                    tile.attributes.push_back(attribute);
        for (const auto &[parent, parentName] : parents) {
            if (parent != parents.front().first)
                for (const Attribute &attribute : parent->attributes)
                    if (!tile.attribute(attribute.name))
                        tile.attributes.push_back(attribute);
            if (!parent->children.empty() && !childSource) {
                childSource = parent;
                if (!node.isReference && (ownAttributes || !node.children.empty()))
                    reportResolving(
                        Severity::Warning, parentName->where, QStringLiteral("subassembly"),
                        QStringLiteral("%1 holds tiles of its own (a subassembly): refer to it "
                                       "as \"%1;\", since only a prototype may be changed "
                                       "where it is used")
                            .arg(parentName->name));
            }
        }
        const Tile &first = *parents.front().first;
        tile.primitive = first.primitive;
        tile.lineage = first.lineage;
        if (!node.name.isEmpty()) {
            tile.lineage.prepend(tile.name);
            tile.kind = isStandardKind(tile.name) ? tile.name : first.kind;
        } else {
            tile.kind = first.kind;
        }
        if (!node.children.empty()) {
            tile.children.reserve(node.children.size());
            for (TileNode &child : node.children)
                if (std::optional<Tile> built = build(child, from, depth + 1))
                    tile.children.push_back(std::move(*built));
        } else if (childSource) {
            int count = 0;
            for (const Tile &child : childSource->children)
                count += countTiles(child);
            if (!spend(count, node.where))
                return std::nullopt;
            tile.children = childSource->children;
        }
        return tile;
    }

    Document &m_document;
    const LoadOptions &m_options;
    std::vector<Entry> m_entries;
    QHash<QString, QList<int>> m_names;
    QSet<QString> m_loaded;
    Diagnostics *m_heldReading = nullptr;
    Diagnostics m_heldResolving;
    bool m_resolvingInOrder = false;
    bool m_waiting = false;
    int m_tiles = 0;
    int m_depth = 0;
    bool m_overBudget = false;
    bool m_tooDeep = false;
};

Document Document::load(const QString &path, const LoadOptions &options)
{
    Document document;
    DocumentBuilder builder(document, options);
    QString text;
    QString error;
    if (!builder.readBytes(path, &text, &error)) {
        Document unread;
        unread.m_readError = error;
        return unread;
    }
    builder.readMain(text, path);
    return document;
}

Document Document::fromText(const QString &text, const QString &path, const LoadOptions &options)
{
    Document document;
    DocumentBuilder builder(document, options);
    builder.readMain(text, path);
    return document;
}

std::vector<const Tile *> Document::dialogs() const
{
    std::vector<const Tile *> found;
    for (const auto &definition : m_definitions)
        if (definition->resolved && definition->tile.primitive == QLatin1StringView("dialog"))
            found.push_back(&definition->tile);
    return found;
}

const Tile *Document::dialog(const QString &name) const
{
    const Tile *found = nullptr;
    for (const Tile *tile : dialogs())
        if (tile->name == name)
            found = tile;
    return found;
}

} // namespace tw::dcl
