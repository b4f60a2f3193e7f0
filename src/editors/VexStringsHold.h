#pragma once

#include <QObject>
#include <QStringList>
#include <span>
#include <string_view>

namespace tw
{

// Holds one list of strings as data of a window (the completion word lists).
// Assigning copies the lines.
class TVexStringsHold : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList StringList READ StringList WRITE SetStringList)

public:
    explicit TVexStringsHold(QObject *parent = nullptr) : QObject(parent) {}

    QStringList StringList() const { return m_strings; }
    void SetStringList(const QStringList &strings) { m_strings = strings; }

private:
    QStringList m_strings;
};

// A highlighter's word list as the lines a TVexStringsHold keeps.
inline QStringList WordListStrings(std::span<const std::string_view> words)
{
    QStringList list;
    for (std::string_view word : words)
        list << QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
    return list;
}

} // namespace tw
