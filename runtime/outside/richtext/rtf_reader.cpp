#include "rtf_reader.h"

#include "runtime/text_file.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace rt {

namespace {

// Bounds that keep hostile input from costing memory or time: nesting, table sizes, tab stops
// (the box keeps at most 32, as the platform's did), lengths in twips (22 inches), sizes in half points.
constexpr std::size_t maxDepth = 512;
constexpr qsizetype maxTableEntries = 4096;
constexpr qsizetype maxTabs = 32;
constexpr int maxTwips = 31680;
constexpr int maxHalfPoints = 3276;
constexpr int maxFallback = 16;

enum class Destination { Text, FontTable, ColourTable, Skip };

struct CharProps {
    int font = -1;      // -1: the default font (\deff)
    int halfPoints = 0; // 0: the document's own size
    bool bold = false, italic = false, underline = false;
    int colour = 0; // 0: the automatic colour
    bool operator==(const CharProps&) const = default;
};

struct ParaProps {
    int indent = 0;
    QList<int> tabs;
};

struct State {
    Destination destination = Destination::Text;
    CharProps chars;
    ParaProps para;
    int fallback = 1; // \uc: characters that stand for the previous \u
};

struct Run {
    CharProps props;
    QString text;
};

struct Paragraph {
    ParaProps props;
    QList<Run> runs;
};

// Characters a document cannot hold as text: controls other than the tab, and the separators and
// markers the text document gives a meaning of its own.
bool isDropped(char16_t c) {
    return (c < 0x20 && c != u'\t') || c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1 ||
           c == 0xFFFC;
}

bool isLower(QChar c) {
    return c >= u'a' && c <= u'z';
}

int hexDigit(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

class Reader {
public:
    explicit Reader(QStringView in) : in_(in) { stack_.emplace_back(); }

    void parse() {
        while (pos_ < in_.size() && !ended_) {
            const QChar c = in_[pos_++];
            if (c == u'{')
                openGroup();
            else if (c == u'}')
                closeGroup();
            else if (c == u'\\')
                control();
            else if (c != u'\r' && c != u'\n')
                character(c, true);
        }
        if (!ended_) endParagraph();
    }

    void build(QTextDocument& doc) const {
        doc.clear();
        QTextCursor cursor(&doc);
        cursor.beginEditBlock();
        for (qsizetype i = 0; i < paragraphs_.size(); ++i) {
            const QTextBlockFormat format = blockFormat(paragraphs_[i].props);
            if (i == 0)
                cursor.setBlockFormat(format);
            else
                cursor.insertBlock(format, QTextCharFormat());
            for (const Run& run : paragraphs_[i].runs) cursor.insertText(run.text, charFormat(run.props));
        }
        cursor.endEditBlock();
    }

private:
    State& state() { return stack_.back(); }

    void openGroup() {
        pendingFallback_ = 0;
        if (stack_.size() < maxDepth)
            stack_.push_back(stack_.back());
        else
            ++overflow_;
    }

    void closeGroup() {
        pendingFallback_ = 0;
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (stack_.size() == 1) return; // a stray brace outside every group
        if (state().destination == Destination::FontTable) commitFont();
        if (stack_.size() == 2) {
            // The document's own group ends: what follows it is not part of the document.
            endParagraph();
            ended_ = true;
        }
        stack_.pop_back();
    }

    // A backslash has been read.
    void control() {
        if (pos_ >= in_.size()) return;
        if (!isLower(in_[pos_])) {
            symbol(in_[pos_++]);
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < in_.size() && isLower(in_[pos_])) ++pos_;
        const QStringView name = in_.mid(start, pos_ - start);
        bool hasParam = false;
        qint64 param = 0;
        bool negative = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == u'-' && in_[pos_ + 1].isDigit()) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && in_[pos_] >= u'0' && in_[pos_] <= u'9') {
            hasParam = true;
            param = std::min<qint64>(param * 10 + (in_[pos_].unicode() - u'0'), INT_MAX);
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == u' ') ++pos_;
        word(name, hasParam, int(negative ? -param : param));
    }

    void symbol(QChar c) {
        switch (c.unicode()) {
        case u'\\':
        case u'{':
        case u'}': character(c, false); return;
        case u'\'': hex(); return;
        case u'~': character(QChar(0x00A0), false); return;
        case u'_': character(QChar(0x2011), false); return;
        case u'*':
            if (!consumeFallback()) state().destination = Destination::Skip;
            return;
        case u'\r':
        case u'\n':
            if (!consumeFallback() && state().destination == Destination::Text) endParagraph();
            return;
        default: consumeFallback(); return; // \- and the symbols nothing uses
        }
    }

    void hex() {
        if (pos_ + 1 >= in_.size()) {
            pos_ = in_.size();
            return;
        }
        const int high = hexDigit(in_[pos_]), low = hexDigit(in_[pos_ + 1]);
        if (high < 0 || low < 0) return; // not an escape after all: the characters are read as text
        pos_ += 2;
        character(ansiChar(static_cast<unsigned char>(high * 16 + low)), false);
    }

    // Control words and symbols count as one character of a \u fallback.
    bool consumeFallback() {
        if (pendingFallback_ == 0) return false;
        --pendingFallback_;
        return true;
    }

    void word(QStringView name, bool hasParam, int param) {
        if (name == u"bin") {
            // Binary data of the given length follows: skip it whole.
            pos_ = std::min(in_.size(), pos_ + std::max(param, 0));
            return;
        }
        if (consumeFallback()) return;
        State& s = state();
        if (s.destination == Destination::Skip) return;
        // Unicode characters stand in font names as in text.
        if (name == u"u") return unicode(hasParam, param);
        if (name == u"uc") {
            s.fallback = std::clamp(param, 0, maxFallback);
            return;
        }
        switch (s.destination) {
        case Destination::Skip: return;
        case Destination::FontTable:
            if (name == u"f") fontNumber_ = param;
            return;
        case Destination::ColourTable:
            if (name == u"red")
                red_ = std::clamp(param, 0, 255);
            else if (name == u"green")
                green_ = std::clamp(param, 0, 255);
            else if (name == u"blue")
                blue_ = std::clamp(param, 0, 255);
            else
                return;
            colourGiven_ = true;
            return;
        case Destination::Text: break;
        }
        const bool on = !hasParam || param != 0;
        if (name == u"par")
            endParagraph();
        else if (name == u"pard")
            s.para = ParaProps();
        else if (name == u"plain")
            s.chars = CharProps();
        else if (name == u"b")
            s.chars.bold = on;
        else if (name == u"i")
            s.chars.italic = on;
        else if (name == u"ul")
            s.chars.underline = on;
        else if (name == u"ulnone")
            s.chars.underline = false;
        else if (name == u"f")
            s.chars.font = std::max(param, -1);
        else if (name == u"fs")
            s.chars.halfPoints = hasParam ? std::clamp(param, 0, maxHalfPoints) : 24;
        else if (name == u"cf")
            s.chars.colour = std::max(param, 0);
        else if (name == u"tab")
            character(QChar(u'\t'), false);
        else if (name == u"li")
            s.para.indent = std::clamp(param, 0, maxTwips);
        else if (name == u"tx") {
            if (s.para.tabs.size() < maxTabs) s.para.tabs << std::clamp(param, 0, maxTwips);
        } else if (name == u"deff")
            defaultFont_ = std::max(param, 0);
        else if (name == u"fonttbl")
            s.destination = Destination::FontTable;
        else if (name == u"colortbl")
            s.destination = Destination::ColourTable;
        else if (isSkippedDestination(name))
            s.destination = Destination::Skip;
        // \rtf, \ansi, \ansicpg and every other word change nothing here.
    }

    static bool isSkippedDestination(QStringView name) {
        static const char16_t* const names[] = {
            u"stylesheet", u"info",    u"pict",   u"object",    u"header",           u"headerl",
            u"headerr",    u"headerf", u"footer", u"footerl",   u"footerr",          u"footerf",
            u"footnote",   u"filetbl", u"revtbl", u"listtable", u"listoverridetable"};
        return std::any_of(std::begin(names), std::end(names), [&](const char16_t* n) { return name == n; });
    }

    void unicode(bool hasParam, int param) {
        if (!hasParam) return;
        const int unit = param < 0 ? param + 65536 : param;
        if (unit >= 0 && unit <= 0xFFFF) character(QChar(char16_t(unit)), false);
        pendingFallback_ = state().fallback;
    }

    // One character of the input; `literal` tells a written character from an escaped one.
    void character(QChar c, bool literal) {
        if (consumeFallback()) return;
        switch (state().destination) {
        case Destination::Skip: return;
        case Destination::FontTable:
            if (literal && c == u';')
                commitFont();
            else
                fontName_ += c;
            return;
        case Destination::ColourTable:
            if (literal && c == u';') commitColour();
            return;
        case Destination::Text: break;
        }
        if (isDropped(c.unicode())) return;
        QList<Run>& runs = current_.runs;
        if (runs.isEmpty() || !(runs.back().props == state().chars)) runs.append(Run{state().chars, {}});
        runs.back().text += c;
    }

    void endParagraph() {
        current_.props = state().para;
        paragraphs_.append(std::move(current_));
        current_ = Paragraph();
    }

    void commitFont() {
        const QString name = fontName_.trimmed();
        if (fontNumber_ >= 0 && !name.isEmpty() &&
            (fonts_.size() < maxTableEntries || fonts_.contains(fontNumber_)))
            fonts_.insert(fontNumber_, name);
        fontName_.clear();
        fontNumber_ = -1;
    }

    void commitColour() {
        if (colours_.size() < maxTableEntries)
            colours_ << (colourGiven_ ? QColor(red_, green_, blue_) : QColor());
        red_ = green_ = blue_ = 0;
        colourGiven_ = false;
    }

    static QTextBlockFormat blockFormat(const ParaProps& p) {
        QTextBlockFormat f;
        if (p.indent) f.setLeftMargin(p.indent / 15.0);
        QList<QTextOption::Tab> tabs;
        for (int t : p.tabs) tabs << QTextOption::Tab(t / 15.0, QTextOption::LeftTab);
        if (!tabs.isEmpty()) f.setTabPositions(tabs);
        return f;
    }

    QTextCharFormat charFormat(const CharProps& p) const {
        QTextCharFormat f;
        const auto font = fonts_.constFind(p.font >= 0 ? p.font : defaultFont_);
        if (font != fonts_.constEnd()) f.setFontFamilies({*font});
        if (p.halfPoints > 0) f.setFontPointSize(p.halfPoints / 2.0);
        if (p.bold) f.setFontWeight(QFont::Bold);
        if (p.italic) f.setFontItalic(true);
        if (p.underline) f.setFontUnderline(true);
        if (p.colour > 0 && p.colour < colours_.size() && colours_[p.colour].isValid())
            f.setForeground(colours_[p.colour]);
        return f;
    }

    QStringView in_;
    qsizetype pos_ = 0;
    std::vector<State> stack_;
    std::size_t overflow_ = 0; // groups opened beyond the depth kept
    bool ended_ = false;
    int pendingFallback_ = 0;

    QList<Paragraph> paragraphs_;
    Paragraph current_;

    QHash<int, QString> fonts_;
    int defaultFont_ = 0;
    int fontNumber_ = -1;
    QString fontName_;

    QList<QColor> colours_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourGiven_ = false;
};

} // namespace

bool isRtf(QStringView text) {
    return text.startsWith(u"{\\rtf");
}

void readRtf(QStringView rtf, QTextDocument& doc) {
    Reader reader(rtf);
    reader.parse();
    reader.build(doc);
}

} // namespace rt
