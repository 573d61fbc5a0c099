#include "rtf_writer.h"

#include "runtime/text_file.h"

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

namespace rt {

namespace {

struct RunProps {
    int font = 0;
    int halfPoints = 0; // 0: the document's own size

    bool bold = false, italic = false, underline = false;
    int colour = 0;
    bool operator==(const RunProps&) const = default;
};

struct ParaProps {
    int indent = 0;
    QList<int> tabs;
    bool operator==(const ParaProps&) const = default;
};

int toTwips(qreal px) {
    return qRound(px * 15);
}

class Writer {
public:
    explicit Writer(const QTextDocument& doc) : doc_(doc) { fonts_ << doc.defaultFont().family(); }

    QString write() {
        bool first = true;
        ParaProps para;
        for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
            const ParaProps p = paraProps(b.blockFormat());
            if (!first) endParagraph();
            if (first || !(p == para)) paragraph(p);
            para = p;
            first = false;
            for (auto it = b.begin(); !it.atEnd(); ++it)
                run(it.fragment().text(), runProps(it.fragment().charFormat()));
        }
        QString out = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl");
        for (qsizetype i = 0; i < fonts_.size(); ++i) {
            out += QStringLiteral("{\\f%1\\fnil ").arg(i);
            escape(out, fonts_[i], true);
            out += u";}";
        }
        out += u'}';
        if (!colours_.isEmpty()) {
            out += QStringLiteral("{\\colortbl ;");
            for (const QColor& c : colours_)
                out += QStringLiteral("\\red%1\\green%2\\blue%3;").arg(c.red()).arg(c.green()).arg(c.blue());
            out += u'}';
        }
        out += QStringLiteral("\r\n\\uc1");
        out += body_;
        out += u'}';
        return out;
    }

private:
    ParaProps paraProps(const QTextBlockFormat& f) const {
        ParaProps p;
        p.indent = toTwips(f.leftMargin());
        for (const QTextOption::Tab& t : f.tabPositions()) p.tabs << toTwips(t.position);
        return p;
    }

    RunProps runProps(const QTextCharFormat& f) {
        RunProps p;
        const QStringList families = f.fontFamilies().toStringList();
        p.font = families.isEmpty() ? 0 : indexOf(fonts_, families.first());
        p.halfPoints = qRound(f.fontPointSize() * 2);
        p.bold = f.fontWeight() >= QFont::Bold;
        p.italic = f.fontItalic();
        p.underline = f.fontUnderline();
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush) {
            const QColor c = f.foreground().color();
            p.colour = indexOf(colours_, QColor(c.red(), c.green(), c.blue())) + 1;
        }
        return p;
    }

    template <typename T> static int indexOf(QList<T>& list, const T& value) {
        qsizetype i = list.indexOf(value);
        if (i < 0) {
            i = list.size();
            list << value;
        }
        return int(i);
    }

    // The line break after \par ends the word, so the next text needs no space of its own.
    void endParagraph() {
        word(u"par");
        body_ += u"\r\n";
        delimit_ = false;
    }

    void paragraph(const ParaProps& p) {
        word(u"pard");
        if (p.indent) word(u"li", p.indent);
        for (int t : p.tabs) word(u"tx", t);
    }

    void run(const QString& text, const RunProps& p) {
        if (!started_ || !(p == props_)) {
            word(u"plain");
            word(u"f", p.font);
            if (p.halfPoints > 0) word(u"fs", p.halfPoints);
            if (p.bold) word(u"b");
            if (p.italic) word(u"i");
            if (p.underline) word(u"ul");
            if (p.colour) word(u"cf", p.colour);
            props_ = p;
            started_ = true;
        }
        if (delimit_) body_ += u' ';
        delimit_ = false;
        escape(body_, text, false);
    }

    void word(QStringView name, int param) {
        body_ += u'\\';
        body_ += name;
        body_ += QString::number(param);
        delimit_ = true;
    }

    void word(QStringView name) {
        body_ += u'\\';
        body_ += name;
        delimit_ = true;
    }

    // Writes characters so that the reader reads exactly them back; in a font name the ";" that ends
    // the name is escaped as well.
    static void escape(QString& out, const QString& text, bool fontName) {
        for (QChar c : text) {
            const char16_t u = c.unicode();
            if (u == u'\\' || u == u'{' || u == u'}')
                out += u'\\', out += c;
            else if (u == u'\t' && !fontName)
                out += QStringLiteral("\\tab ");
            else if (u >= 0x20 && u < 0x7F && !(fontName && u == u';'))
                out += c;
            else if (const int code = ansiCode(c); code >= 0)
                out += QStringLiteral("\\'%1").arg(code, 2, 16, QLatin1Char('0'));
            else
                out += QStringLiteral("\\u%1?").arg(int(qint16(u)));
        }
    }

    const QTextDocument& doc_;
    QStringList fonts_;
    QList<QColor> colours_;
    QString body_;
    RunProps props_;
    bool started_ = false;
    bool delimit_ = false;
};

} // namespace

QString writeRtf(const QTextDocument& doc) {
    Writer writer(doc);
    return writer.write();
}

} // namespace rt
