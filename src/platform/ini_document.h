#pragma once

#include "decimal.h"

#include <QString>
#include <QStringList>

#include <optional>

// An INI file in memory, read and written with the rules of the Windows
// private-profile functions that settings and label stock files were made for:
//  - section and key names match without regard to case; the first match wins;
//  - values lose surrounding blanks and one pair of matching quotes;
//  - writing a key replaces its line, or adds it at the end of its section, or
//    adds the section at the end of the file; every other line is kept as it was.
// The file is read once; Save() writes it through a temporary file so a failed
// write never leaves half a file behind.
class IniDocument {
public:
    IniDocument() = default;

    // A missing or unreadable file loads as an empty document.
    static IniDocument Load(const QString& path);
    // The text of an INI file (UTF-8, or Windows-1252 when not valid UTF-8).
    static IniDocument Parse(QByteArrayView bytes);
    // False with the reason in `error` (when given) if the file could not be written.
    bool Save(const QString& path, QString* error = nullptr) const;

    std::optional<QString> Value(QStringView section, QStringView key) const;
    void SetValue(QStringView section, QStringView key, const QString& value);

    // The four private-profile operations. ReadString keeps at most maxChars
    // characters (a 1024-byte buffer holds 1023).
    QString ReadString(QStringView section, QStringView key, const QString& fallback,
                       int maxChars = 1023) const;
    // A missing or empty key keeps the fallback; other text converts by ParseDecimal.
    int ReadInt(QStringView section, QStringView key, int fallback) const;
    void WriteString(QStringView section, QStringView key, const QString& value) {
        SetValue(section, key, value);
    }
    void WriteInt(QStringView section, QStringView key, int value) {
        SetValue(section, key, QString::number(value));
    }

    const QStringList& Lines() const { return m_lines; }

private:
    struct Location {
        qsizetype sectionLine = -1; // index of the "[section]" line, -1 when absent
        qsizetype keyLine = -1;     // index of the key's line, -1 when absent
        qsizetype lastLine = -1;    // last non-blank line of the section
    };
    Location Find(QStringView section, QStringView key) const;

    QStringList m_lines;
    QString m_newline = QStringLiteral("\n");
};

// Path-holding accessor for one INI file: each call reads (and for writes,
// rewrites) the file, the way the private-profile functions behave. Use
// IniDocument directly to read or write many keys at once.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString& Path() const { return m_path; }
    void SetPath(const QString& path) { m_path = path; }

    QString ReadString(QStringView section, QStringView key, const QString& fallback) const {
        return IniDocument::Load(m_path).ReadString(section, key, fallback);
    }
    int ReadInt(QStringView section, QStringView key, int fallback) const {
        return IniDocument::Load(m_path).ReadInt(section, key, fallback);
    }
    bool WriteString(QStringView section, QStringView key, const QString& value) const;
    bool WriteInt(QStringView section, QStringView key, int value) const {
        return WriteString(section, key, QString::number(value));
    }

private:
    QString m_path;
};
