// SPDX-License-Identifier: MIT
#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>

using namespace Qt::StringLiterals;

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

} // namespace

QIcon AppIcon::application() {
    QIcon icon;
    for (int size : {16, 32, 64, 128, 256})
        icon.addFile(u":/icons/%1x%1/apps/berthwise.png"_s.arg(size), QSize(size, size));
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
