#include "desktop_entry.h"

#include <QFile>
#include <QStandardPaths>

namespace rt {

namespace {

// The escapes of a desktop entry's string values.
QString unescaped(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i].unicode()) {
        case 's': out += u' '; break;
        case 'n': out += u'\n'; break;
        case 't': out += u'\t'; break;
        case 'r': out += u'\r'; break;
        case '\\': out += u'\\'; break;
        default: out.append(u'\\').append(value[i]); // left for the quoting rules
        }
    }
    return out;
}

// The first word of an Exec line: blanks separate, double quotes group, and within quotes a backslash
// takes the next character as it is.
QString firstWord(const QString& exec) {
    QString word;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted && c == u'\\' && i + 1 < exec.size()) {
            word += exec[++i];
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && (c == u' ' || c == u'\t')) {
            if (!word.isEmpty()) return word;
        } else {
            word += c;
        }
    }
    return word;
}

QString execLine(const QString& file) {
    QFile entry(file);
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    bool inEntry = false;
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inEntry && equals > 0 && QStringView(line).left(equals).trimmed() == QLatin1String("Exec"))
            return unescaped(line.mid(equals + 1).trimmed());
    }
    return {};
}

} // namespace

QString desktopEntryProgram(const QString& entryId) {
    const QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entryId);
    return file.isEmpty() ? QString() : firstWord(execLine(file));
}

} // namespace rt
