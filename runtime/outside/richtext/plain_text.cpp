#include "plain_text.h"

#include "runtime/text_file.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace rt {

QString plainText(const QTextDocument& doc) {
    QStringList paragraphs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) paragraphs << b.text();
    return paragraphs.join(QStringLiteral("\r\n"));
}

void setPlainText(QTextDocument& doc, const QString& text) {
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    const QStringList paragraphs = splitLines(text);
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertText(paragraphs[i], QTextCharFormat());
    }
    cursor.endEditBlock();
}

} // namespace rt
