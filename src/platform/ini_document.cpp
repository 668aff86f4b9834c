#include "ini_document.h"

#include "atomic_file.h"
#include "file_reading.h"
#include "legacy_text.h"

#include <limits>

namespace {

// Settings and label stock files are a few kilobytes; anything far larger is
// not an INI file we made, and reading it whole would only waste memory.
constexpr qint64 kMaxIniBytes = kSettingsFileLimit;
static_assert(kSettingsFileLimit == kLabelStockFileLimit);

std::optional<QStringView> SectionName(QStringView line) {
    line = line.trimmed();
    if (!line.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = line.indexOf(u']');
    const QStringView name = close < 0 ? line.mid(1) : line.mid(1, close - 1);
    return name.trimmed();
}

std::optional<QStringView> KeyName(QStringView line) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    return line.left(eq).trimmed();
}

QString CleanValue(QStringView raw) {
    QStringView v = raw.trimmed();
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.toString();
}

bool SameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument IniDocument::Load(const QString& path) {
    QByteArray bytes;
    QString error;
    if (path.isEmpty() || !ReadFileBounded(path, kMaxIniBytes, &bytes, &error))
        return IniDocument();
    return Parse(bytes);
}

IniDocument IniDocument::Parse(QByteArrayView bytes) {
    IniDocument doc;
    QString text = DecodeLegacyText(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.contains(QStringLiteral("\r\n")))
        doc.m_newline = QStringLiteral("\r\n");
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    doc.m_lines = text.split(u'\n');
    if (!doc.m_lines.isEmpty() && doc.m_lines.back().isEmpty())
        doc.m_lines.removeLast(); // the final newline ends the last line
    return doc;
}

bool IniDocument::Save(const QString& path, QString* error) const {
    QString text;
    for (const QString& line : m_lines) {
        text += line;
        text += m_newline;
    }
    QString why;
    const bool saved = WriteFileAtomically(path, text.toUtf8(), &why);
    if (!saved && error != nullptr)
        *error = why;
    return saved;
}

IniDocument::Location IniDocument::Find(QStringView section, QStringView key) const {
    Location loc;
    bool inSection = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString& line = m_lines[i];
        if (const auto name = SectionName(line)) {
            if (inSection)
                break; // the first section of that name is the one that counts
            inSection = SameName(*name, section);
            if (inSection)
                loc.sectionLine = loc.lastLine = i;
            continue;
        }
        if (!inSection)
            continue;
        if (!line.trimmed().isEmpty())
            loc.lastLine = i;
        if (loc.keyLine < 0) {
            const auto name = KeyName(line);
            if (name && SameName(*name, key))
                loc.keyLine = i;
        }
    }
    return loc;
}

std::optional<QString> IniDocument::Value(QStringView section, QStringView key) const {
    const Location loc = Find(section, key);
    if (loc.keyLine < 0)
        return std::nullopt;
    const QString& line = m_lines[loc.keyLine];
    return CleanValue(QStringView(line).mid(line.indexOf(u'=') + 1));
}

void IniDocument::SetValue(QStringView section, QStringView key, const QString& value) {
    const Location loc = Find(section, key);
    const QString entry = key.toString() + u'=' + value;
    if (loc.keyLine >= 0) {
        m_lines[loc.keyLine] = entry;
    } else if (loc.sectionLine >= 0) {
        m_lines.insert(loc.lastLine + 1, entry);
    } else {
        if (!m_lines.isEmpty() && !m_lines.back().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(u'[' + section.toString() + u']');
        m_lines.append(entry);
    }
}

QString IniDocument::ReadString(QStringView section, QStringView key, const QString& fallback,
                                int maxChars) const {
    const QString value = Value(section, key).value_or(fallback);
    return value.size() > maxChars ? value.left(maxChars) : value;
}

int IniDocument::ReadInt(QStringView section, QStringView key, int fallback) const {
    const QString text = ReadString(section, key, QString());
    return text.isEmpty() ? fallback : ParseDecimal(text);
}

bool IniFile::WriteString(QStringView section, QStringView key, const QString& value) const {
    IniDocument doc = IniDocument::Load(m_path);
    doc.WriteString(section, key, value);
    return doc.Save(m_path);
}
