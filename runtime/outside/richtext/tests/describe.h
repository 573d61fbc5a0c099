#pragma once

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

// A document's paragraphs and runs in one line: "<li720 tx1440>" before a paragraph with an indent or
// tab stops, "[b i ul fs24 c#ff0000 fArial]" before a run with formatting (the font only when it is not
// the document's own), paragraphs joined with "|".
inline QString describe(const QTextDocument& doc) {
    QStringList paragraphs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString out;
        QStringList para;
        const QTextBlockFormat bf = b.blockFormat();
        if (const int li = qRound(bf.leftMargin() * 15)) para << QStringLiteral("li%1").arg(li);
        for (const QTextOption::Tab& t : bf.tabPositions())
            para << QStringLiteral("tx%1").arg(qRound(t.position * 15));
        if (!para.isEmpty()) out += u'<' + para.join(u' ') + u'>';
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QStringList props;
            if (f.fontWeight() >= QFont::Bold) props << "b";
            if (f.fontItalic()) props << "i";
            if (f.fontUnderline()) props << "ul";
            if (f.fontPointSize() > 0) props << QStringLiteral("fs%1").arg(qRound(f.fontPointSize() * 2));
            if (f.hasProperty(QTextFormat::ForegroundBrush)) props << "c" + f.foreground().color().name();
            const QStringList families = f.fontFamilies().toStringList();
            if (!families.isEmpty() && families.first() != doc.defaultFont().family())
                props << "f" + families.first();
            if (!props.isEmpty()) out += u'[' + props.join(u' ') + u']';
            out += it.fragment().text();
        }
        paragraphs << out;
    }
    return paragraphs.join(u'|');
}
