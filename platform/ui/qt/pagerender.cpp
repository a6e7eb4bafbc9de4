// Drawing pages with QPainter, writing PDFs and printing.
#include "platform/ui/qt/pagerender.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryFile>
#include <cmath>

namespace vorda::ui::qt {

namespace {

constexpr double UnitsPerPoint = double(print::UnitsPerInch) / 72.0;

QString familyFor(const std::string& name) {
    // The layouts are measured in Arial; its metric-compatible twin draws them.
    if (name == "Arial")
        return QStringLiteral("Liberation Sans");
    return QString::fromStdString(name);
}

int alignment(print::Align a) {
    switch (a) {
        case print::Align::Center:
            return Qt::AlignHCenter;
        case print::Align::Right:
            return Qt::AlignRight;
        case print::Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

// The rectangle a text is aligned in: a left-aligned item without a width
// starts at x, a right-aligned one ends at x.
QRect textRect(const print::Text& t) {
    if (t.width > 0)
        return QRect(t.x, t.y, t.width, t.height);
    constexpr int wide = 100000;
    switch (t.align) {
        case print::Align::Right:
            return QRect(t.x - wide, t.y, wide, t.height);
        case print::Align::Center:
            return QRect(t.x - wide / 2, t.y, wide, t.height);
        case print::Align::Left:
            break;
    }
    return QRect(t.x, t.y, wide, t.height);
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
    for (const print::Text& t : page.texts) {
        if (t.text.empty())
            continue;
        if (!(t.font == current)) {
            current = t.font;
            painter.setFont(reportFont(current));
        }
        painter.drawText(textRect(t), alignment(t.align) | Qt::AlignVCenter | Qt::TextDontClip,
                         QString::fromStdString(t.text));
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
    QFile::remove(name);
    if (!part.rename(name))
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
