#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace tarn::gui {
namespace {

constexpr int kSize = 24;

// A sheet of paper with a folded corner, its top left at (x, y).
void DrawSheet(QPainter& p, int x, int y, int w, int h) {
    QPolygon sheet;
    sheet << QPoint(x, y) << QPoint(x + w - 5, y) << QPoint(x + w, y + 5) << QPoint(x + w, y + h) << QPoint(x, y + h);
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    for (int line = y + 6; line < y + h - 2; line += 3) p.drawLine(x + 3, line, x + w - 3, line);
}

QIcon Drawn(ToolbarIcon icon) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 70), 1.2));
    switch (icon) {
        case ToolbarIcon::Copy:
            DrawSheet(p, 3, 2, 12, 15);
            DrawSheet(p, 9, 7, 12, 15);
            break;
        case ToolbarIcon::Paste:
            p.setBrush(QColor(190, 140, 80));
            p.drawRoundedRect(3, 4, 16, 18, 2, 2);
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(7, 2, 8, 4);
            DrawSheet(p, 10, 9, 11, 13);
            break;
        case ToolbarIcon::Print:
            DrawSheet(p, 7, 2, 10, 8);
            p.setBrush(QColor(170, 170, 180));
            p.drawRoundedRect(2, 9, 20, 9, 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(6, 15, 12, 7);
            p.setBrush(QColor(60, 170, 60));
            p.drawEllipse(QPointF(18, 12), 1.2, 1.2);
            break;
        case ToolbarIcon::Help: {
            p.setBrush(QColor(40, 110, 200));
            p.setPen(Qt::NoPen);
            p.drawEllipse(2, 2, 20, 20);
            QFont font = p.font();
            font.setBold(true);
            font.setPixelSize(15);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRect(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        default: break;
    }
    return QIcon(pixmap);
}

}  // namespace

QIcon MakeToolbarIcon(ToolbarIcon icon, const QStyle* style) {
    switch (icon) {
        case ToolbarIcon::New: return style->standardIcon(QStyle::SP_FileIcon);
        case ToolbarIcon::Open: return style->standardIcon(QStyle::SP_DialogOpenButton);
        case ToolbarIcon::Save: return style->standardIcon(QStyle::SP_DialogSaveButton);
        case ToolbarIcon::Download: return style->standardIcon(QStyle::SP_ArrowUp);
        case ToolbarIcon::Upload: return style->standardIcon(QStyle::SP_ArrowDown);
        default: return Drawn(icon);
    }
}

}  // namespace tarn::gui
