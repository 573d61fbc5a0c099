#include "format_table.h"

#include "runtime/error.h"
#include "runtime/program_folder.h"
#include "runtime/strings.h"
#include "runtime/text_file.h"
#include "runtime/value/value.h"

QList<FormatEntry> FormatTable;

void LoadFormatTable() {
    FormatTable.clear();
    try {
        const QString file = rt::programFolder() + u'/' + rt::StringTable::get(109);
        for (const QString& line : rt::readTextLines(file)) {
            const qsizetype p = line.indexOf(u' ');
            const qint16 number = p < 0 ? 0 : rt::roundToInt16(rt::Val(line.left(p)));
            FormatTable.append({number, p < 0 ? line : line.mid(p + 1)});
        }
    } catch (const rt::RuntimeError&) {
        // No table, or a bad number: what was read stays.
    }
}
