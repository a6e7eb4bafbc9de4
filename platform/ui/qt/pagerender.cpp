// Drawing pages with QPainter, writing PDFs and printing.
#include "platform/ui/qt/pagerender.h"

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryFile>
#include <cmath>
#include <filesystem>
#include <optional>

namespace vorda::ui::qt {

namespace {

constexpr double UnitsPerPoint = double(print::UnitsPerInch) / 72.0;

QString familyFor(const std::string& name) {
    // The layouts are measured in Arial; its metric-compatible twin draws them.
    if (name == "Arial")
        return QStringLiteral("Liberation Sans");
    return QString::fromStdString(name);
}

// Where a text's baseline starts: aligned within [x, x + width] (a
// right-aligned item without a width ends at x, a centred one is centred on
// it), vertically centred in its line box. Placing each text by its advance
// is much cheaper than laying it out in a rectangle, which matters for a PDF
// of thousands of pages.
QPointF textOrigin(const print::Text& t, const QString& text, const QFontMetricsF& metrics) {
    const double advance = t.align == print::Align::Left ? 0 : metrics.horizontalAdvance(text);
    double x = t.x;
    switch (t.align) {
        case print::Align::Right:
            x = t.x + t.width - advance;
            break;
        case print::Align::Center:
            x = t.x + (t.width - advance) / 2;
            break;
        case print::Align::Left:
            break;
    }
    const double y = t.y + (t.height - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
    return {x, y};
}

QPageSize pageSizeOf(const print::Document& document) {
    return QPageSize(QSizeF(document.size.width / double(print::UnitsPerInch),
                            document.size.height / double(print::UnitsPerInch)),
                     QPageSize::Inch, QString(), QPageSize::ExactMatch);
}

void drawDocument(QPainter& painter, QPagedPaintDevice& device, const print::Document& document,
                  double scale) {
    for (int n = 1; n <= document.pageCount(); ++n) {
        if (n > 1)
            device.newPage();
        painter.save();
        painter.scale(scale, scale);
        drawPage(painter, document.page(n));
        painter.restore();
    }
}

}  // namespace

QFont reportFont(const print::Font& font) {
    QFont f(familyFor(print::familyName(font.family)));
    f.setPixelSize(std::max(1, int(std::lround(font.tenths / 10.0 * UnitsPerPoint))));
    f.setBold(font.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::ForceOutline);
    return f;
}

void drawPage(QPainter& painter, const print::Page& page) {
    painter.setBrush(Qt::NoBrush);
    for (const print::Box& b : page.boxes) {
        painter.setPen(QPen(Qt::black, b.thickness));
        painter.drawRect(b.x, b.y, b.width, b.height);
    }
    for (const print::Line& l : page.lines) {
        painter.setPen(QPen(Qt::black, l.thickness));
        painter.drawLine(l.x1, l.y1, l.x2, l.y2);
    }
    painter.setPen(Qt::black);
    print::Font current{.family = 255};
    std::optional<QFontMetricsF> metrics;
    for (const print::Text& t : page.texts) {
        if (t.text.empty())
            continue;
        if (!(t.font == current)) {
            current = t.font;
            const QFont font = reportFont(current);
            painter.setFont(font);
            metrics.emplace(font, painter.device());
        }
        const QString text = QString::fromStdString(t.text);
        painter.drawText(textOrigin(t, text, *metrics), text);
    }
}

std::string writePdf(const print::Document& document, const std::string& file) {
    const QString name = QString::fromStdString(file);
    const QFileInfo info(name);
    if (!info.absoluteDir().exists())
        return "La carpeta " + info.absolutePath().toStdString() + " no existe.";
    // Written beside the target under another name, then renamed: a failed
    // write never leaves half a PDF under the name asked for.
    QTemporaryFile part(info.absoluteDir().filePath(QStringLiteral(".vorda-XXXXXX.pdf")));
    if (!part.open())
        return "No se puede escribir en la carpeta " + info.absolutePath().toStdString() + ".";
    part.close();
    {
        QPdfWriter pdf(part.fileName());
        pdf.setResolution(print::UnitsPerInch);
        pdf.setPageSize(pageSizeOf(document));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator(QStringLiteral("VORDA"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return "No se pudo escribir el archivo " + file + ".";
        drawDocument(painter, pdf, document, 1.0);
        painter.end();
    }
    // The temporary file was made for this user alone; the PDF gets the
    // permissions of any other file he saves (his umask), and it takes the
    // place of an older one in one step, so that is never lost half-way.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    std::error_code error;
    std::filesystem::permissions(part.fileName().toStdString(),
                                 static_cast<std::filesystem::perms>(0666 & ~mask), error);
    std::filesystem::rename(part.fileName().toStdString(), name.toStdString(), error);
    if (error)
        return "No se pudo escribir el archivo " + file + ".";
    part.setAutoRemove(false);
    return {};
}

bool printDocument(QPrinter& printer, const print::Document& document) {
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    drawDocument(painter, printer, document, printer.resolution() / double(print::UnitsPerInch));
    painter.end();
    return true;
}

}  // namespace vorda::ui::qt
