// SPDX-License-Identifier: MIT
#include "AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A screen outline with three tiles on a shelf along its bottom edge, in a square of `size`.
void drawDock(QPainter& painter, qreal size, const QColor& ink) {
    const qreal stroke = std::max<qreal>(1.5, size / 14);
    const QRectF screen(size * 0.1, size * 0.16, size * 0.8, size * 0.68);
    painter.setPen(QPen(ink, stroke));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(screen.adjusted(stroke / 2, stroke / 2, -stroke / 2, -stroke / 2), size * 0.1,
                            size * 0.1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const qreal shelfTop = screen.bottom() - size * 0.24;
    painter.drawRoundedRect(
        QRectF(screen.left() + size * 0.12, shelfTop, screen.width() - size * 0.24, size * 0.14), size * 0.04,
        size * 0.04);
}

QPixmap menuBarPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawDock(painter, size, Qt::black);
    return pixmap;
}

QPixmap applicationPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, size, size);
    background.setColorAt(0, QColor(0x00, 0x7a, 0xff));
    background.setColorAt(1, QColor(0x58, 0x56, 0xd6));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0, 0, size, size), size * 0.22, size * 0.22);
    painter.fillPath(tile, background);
    painter.translate(size * 0.15, size * 0.15);
    drawDock(painter, size * 0.7, Qt::white);
    return pixmap;
}

} // namespace

QIcon AppIcon::application() {
    QIcon icon;
    for (int size : {16, 32, 64, 128, 256})
        icon.addPixmap(applicationPixmap(size));
    return icon;
}

QIcon AppIcon::menuBar() {
    QIcon icon;
    for (int size : {16, 22, 32, 44})
        icon.addPixmap(menuBarPixmap(size));
    // Lets macOS draw it in the menu bar's own colour.
    icon.setIsMask(true);
    return icon;
}
