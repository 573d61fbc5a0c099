#include "plain_text.h"

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

QStringList paragraphsOf(const QString& text) {
    QStringList out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        out << text.mid(start, i - start);
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    out << text.mid(start);
    return out;
}

void setPlainText(QTextDocument& doc, const QString& text) {
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    const QStringList paragraphs = paragraphsOf(text);
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertText(paragraphs[i], QTextCharFormat());
    }
    cursor.endEditBlock();
}

} // namespace rt
