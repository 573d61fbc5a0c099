// Writes the course's PDF documents from a list: one line per document, "file|title|pages|language"
// (language "en" or "es"). Every page shows the document's title and its page number, so that a viewer
// or a printout shows which page of which document it is.
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

namespace {

int fail(const QString& message) {
    QTextStream(stderr) << "lk_make_pdf: " << message << '\n';
    return 1;
}

bool writeDocument(const QString& file, const QString& title, int pages, bool spanish) {
    QPdfWriter writer(file);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setResolution(72);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Larkspan sample course"));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    const QRect page = painter.viewport();
    for (int n = 1; n <= pages; ++n) {
        if (n > 1) writer.newPage();
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 24, QFont::Bold));
        painter.drawText(page.adjusted(48, 96, -48, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         title);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 40));
        const QString number = spanish ? QStringLiteral("Página %1 de %2") : QStringLiteral("Page %1 of %2");
        painter.drawText(page, Qt::AlignCenter, number.arg(n).arg(pages));
    }
    return painter.end();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) return fail(QStringLiteral("usage: lk_make_pdf LIST FOLDER"));
    QFile list(args[0]);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(args[0]));
    int line = 0;
    while (!list.atEnd()) {
        ++line;
        const QString text = QString::fromUtf8(list.readLine()).trimmed();
        if (text.isEmpty() || text.startsWith(u'#')) continue;
        const QStringList parts = text.split(u'|');
        bool ok = false;
        const int pages = parts.value(2).toInt(&ok);
        if (parts.size() != 4 || !ok || pages < 1 || parts[0].contains(u'/'))
            return fail(QStringLiteral("%1:%2: expected file|title|pages|language").arg(args[0]).arg(line));
        if (!writeDocument(args[1] + u'/' + parts[0], parts[1], pages, parts[3] == u"es"))
            return fail(QStringLiteral("cannot write %1").arg(parts[0]));
    }
    return 0;
}
