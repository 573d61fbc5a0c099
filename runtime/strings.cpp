#include "strings.h"

#include "error.h"

#include <QFile>
#include <QHash>

namespace rt {

namespace {

// Table lines are "number<TAB>text"; the text keeps its blanks and writes \n, \r, \t and \\ as escapes.
QString unescape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i].unicode()) {
        case 'n': out += u'\n'; break;
        case 'r': out += u'\r'; break;
        case 't': out += u'\t'; break;
        default: out += text[i]; break;
        }
    }
    return out;
}

void readTable(const QString& resource, QHash<int, QString>& t) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QString all = QString::fromUtf8(file.readAll());
    for (QStringView line : QStringView(all).split(u'\n')) {
        const qsizetype tab = line.indexOf(u'\t');
        bool ok = false;
        const int number = tab > 0 ? line.left(tab).toInt(&ok) : 0;
        if (ok) t.insert(number, unescape(line.mid(tab + 1)));
    }
}

// The table both programs share, then the entries a program builds in as its own, which win.
const QHash<int, QString>& table() {
    static const QHash<int, QString> strings = [] {
        QHash<int, QString> t;
        readTable(QStringLiteral(":/larkspan/strings.tsv"), t);
        readTable(QStringLiteral(":/larkspan/program_strings.tsv"), t);
        return t;
    }();
    return strings;
}

} // namespace

QString StringTable::get(int number) {
    const auto& t = table();
    const auto it = t.find(number);
    if (it == t.end())
        throw RuntimeError(326, QStringLiteral("Resource with identifier '%1' not found").arg(number));
    return *it;
}

bool StringTable::contains(int number) {
    return table().contains(number);
}

} // namespace rt
