// Toolbar pictures drawn with QPainter on a 16 x 16 grid.
#include "platform/ui/qt/toolicons.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <array>
#include <cctype>
#include <string_view>

namespace vorda::ui::qt {

namespace {

using Draw = void (*)(QPainter&);

const QColor ink(0, 0, 128);

// A triangle pointing up (dir -1) or down (dir 1) centred at (8, cy).
void vertical(QPainter& p, double cy, int dir) {
    const double h = 3.5 * dir;
    p.drawPolygon(QPolygonF{QPointF(3, cy - h), QPointF(13, cy - h), QPointF(8, cy + h)});
}

void bar(QPainter& p, double y) {
    p.drawRect(QRectF(3, y, 10, 1.5));
}

void first(QPainter& p) {
    bar(p, 2.5);
    vertical(p, 9, -1);
}
void prior(QPainter& p) {
    vertical(p, 5, -1);
    vertical(p, 11, -1);
}
void up(QPainter& p) {
    vertical(p, 8, -1);
}
void down(QPainter& p) {
    vertical(p, 8, 1);
}
void next(QPainter& p) {
    vertical(p, 5, 1);
    vertical(p, 11, 1);
}
void last(QPainter& p) {
    vertical(p, 7, 1);
    bar(p, 12);
}
void find(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.6));
    p.drawEllipse(QRectF(2.5, 2.5, 7, 7));
    p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 9), QPointF(13.5, 13.5));
}
void mark(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 128, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)});
}
void insert(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 9, 12));
    p.setBrush(QColor(0, 128, 0));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(9, 10.5, 6, 1.8));
    p.drawRect(QRectF(11.1, 8.4, 1.8, 6));
}
void edit(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 9, 12));
    p.setBrush(QColor(200, 120, 0));
    p.drawPolygon(QPolygonF{QPointF(6, 12), QPointF(13, 5), QPointF(14.5, 6.5), QPointF(7.5, 13.5),
                            QPointF(5.5, 14)});
}
void erase(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(192, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}
void ditto(QPainter& p) {
    p.setBrush(ink);
    p.drawEllipse(QRectF(3, 3, 4, 4));
    p.drawEllipse(QRectF(9, 3, 4, 4));
    p.setPen(QPen(ink, 1.6));
    p.drawLine(QPointF(6.5, 5.5), QPointF(4.5, 10.5));
    p.drawLine(QPointF(12.5, 5.5), QPointF(10.5, 10.5));
}
void help(QPainter& p) {
    p.setBrush(QColor(255, 255, 200));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(ink);
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
}

// The print preview's: printer, PDF page, magnifier, exit door.
void printer(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(160, 160, 170));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
}
void pdf(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{QPointF(3, 1.5), QPointF(10, 1.5), QPointF(13, 4.5), QPointF(13, 14.5),
                            QPointF(3, 14.5)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(192, 0, 0));
    p.drawRect(QRectF(1.5, 7.5, 13, 5));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(5);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(1.5, 7.5, 13, 5), Qt::AlignCenter, QStringLiteral("PDF"));
}
void zoom(QPainter& p) {
    find(p);
    p.setPen(QPen(ink, 1.4));
    p.drawLine(QPointF(4, 6), QPointF(8, 6));
    p.drawLine(QPointF(6, 4), QPointF(6, 8));
}
void exitDoor(QPainter& p) {
    p.setBrush(QColor(200, 160, 100));
    p.drawRect(QRectF(3.5, 1.5, 8, 13));
    p.setBrush(ink);
    p.drawEllipse(QRectF(9, 7.5, 1.5, 1.5));
}

struct Picture {
    std::string_view name;
    Draw draw;
};

constexpr std::array pictures = {
    Picture{.name = "VCRFIRST.ICO", .draw = first}, Picture{.name = "VCRPRIOR.ICO", .draw = prior},
    Picture{.name = "VCRUP.ICO", .draw = up},       Picture{.name = "FIND.ICO", .draw = find},
    Picture{.name = "VCRDOWN.ICO", .draw = down},   Picture{.name = "VCRNEXT.ICO", .draw = next},
    Picture{.name = "VCRLAST.ICO", .draw = last},   Picture{.name = "MARK.ICO", .draw = mark},
    Picture{.name = "INSERT.ICO", .draw = insert},  Picture{.name = "EDIT.ICO", .draw = edit},
    Picture{.name = "DELETE.ICO", .draw = erase},   Picture{.name = "DITTO.ICO", .draw = ditto},
    Picture{.name = "HELP.ICO", .draw = help},      Picture{.name = "PRINT.ICO", .draw = printer},
    Picture{.name = "PDF.ICO", .draw = pdf},        Picture{.name = "ZOOM.ICO", .draw = zoom},
    Picture{.name = "EXIT.ICO", .draw = exitDoor},
};

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

QPixmap paint(Draw draw, int scale) {
    QPixmap pm(16 * scale, 16 * scale);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(ink, 1));
    p.setBrush(ink);
    draw(p);
    return pm;
}

}  // namespace

QIcon ToolIcons::drawn(const std::string& name) {
    for (const Picture& pic : pictures) {
        if (!sameName(pic.name, name))
            continue;
        QIcon icon;
        for (int scale : {1, 2})
            icon.addPixmap(paint(pic.draw, scale));
        return icon;
    }
    return {};
}

QIcon ToolIcons::icon(const std::string& name) {
    if (name.empty())
        return {};
    const QString file = QString::fromStdString(name);
    if (QFileInfo::exists(file))
        return QIcon(file);
    return drawn(name);
}

}  // namespace vorda::ui::qt
