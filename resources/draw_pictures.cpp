// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the window's pictures at build time: the photograph of the balance
// and the hamburger icon, each at the scales given. Each picture is written
// as PNG, to look at and install, and as bare premultiplied ARGB32 pixels,
// which the program shows without decoding anything.
//   draw_pictures OUTPUT_DIR SCALE... [--ico]
// --ico also writes the 1x icon as a Windows .ico file.

#include "layout.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

// A polished metal: dark at both edges, a highlight a little off centre.
QLinearGradient metal(QPointF from, QPointF to, const QList<QGradientStop>& stops) {
    QLinearGradient g(from, to);
    g.setStops(stops);
    return g;
}

QLinearGradient gold(QPointF from, QPointF to) {
    return metal(from, to,
                 {{0.0, QColor(122, 86, 18)},
                  {0.35, QColor(248, 222, 130)},
                  {0.55, QColor(255, 243, 190)},
                  {0.8, QColor(201, 156, 52)},
                  {1.0, QColor(110, 76, 14)}});
}

QLinearGradient brass(QPointF from, QPointF to) {
    return metal(from, to,
                 {{0.0, QColor(96, 66, 20)},
                  {0.3, QColor(214, 170, 80)},
                  {0.45, QColor(252, 232, 170)},
                  {0.7, QColor(176, 128, 44)},
                  {1.0, QColor(84, 56, 16)}});
}

// A hanging pan: three cords from the beam's end to a shallow bowl.
void drawPan(QPainter& p, QPointF hook, double bowlTop) {
    const double half = 24;
    p.setPen(QPen(QColor(150, 110, 30), 0.8));
    for (double dx : {-half + 3, 0.0, half - 3})
        p.drawLine(hook, QPointF(hook.x() + dx, bowlTop + 1));
    QPainterPath bowl;
    bowl.moveTo(hook.x() - half, bowlTop);
    bowl.cubicTo(hook.x() - half + 6, bowlTop + 16, hook.x() + half - 6, bowlTop + 16,
                 hook.x() + half, bowlTop);
    bowl.closeSubpath();
    p.setPen(QPen(QColor(110, 76, 14), 0.8));
    p.setBrush(gold(QPointF(hook.x() - half, 0), QPointF(hook.x() + half, 0)));
    p.drawPath(bowl);
    p.setBrush(QColor(255, 236, 160));
    p.drawEllipse(QPointF(hook.x(), bowlTop), half, 2.6);
}

// A cylindrical weight with a knob on top, standing on the table at baseY.
void drawWeight(QPainter& p, double x, double baseY, double width, double height) {
    const QRectF body(x, baseY - height, width, height);
    const double rim = width * 0.16;
    p.setPen(QPen(QColor(80, 54, 14), 0.7));
    p.setBrush(brass(body.topLeft(), body.topRight()));
    QPainterPath cylinder;
    cylinder.moveTo(body.left(), body.top());
    cylinder.lineTo(body.left(), body.bottom());
    cylinder.arcTo(QRectF(body.left(), body.bottom() - rim, width, 2 * rim), 180, 180);
    cylinder.lineTo(body.right(), body.top());
    cylinder.closeSubpath();
    p.drawPath(cylinder);
    p.setBrush(QColor(236, 200, 118));
    p.drawEllipse(QRectF(body.left(), body.top() - rim, width, 2 * rim));
    // The knob: a neck and a ball.
    const double neck = width * 0.22;
    p.setBrush(brass(QPointF(x + width / 2 - neck, 0), QPointF(x + width / 2 + neck, 0)));
    p.drawRect(QRectF(x + width / 2 - neck / 2, body.top() - width * 0.32, neck, width * 0.3));
    QRadialGradient ball(QPointF(x + width / 2 - width * 0.06, body.top() - width * 0.42),
                         width * 0.24);
    ball.setColorAt(0, QColor(255, 246, 200));
    ball.setColorAt(1, QColor(150, 104, 30));
    p.setBrush(ball);
    p.drawEllipse(QPointF(x + width / 2, body.top() - width * 0.38), width * 0.2, width * 0.2);
}

// The photograph: a golden two-pan balance on a table, weights beside it.
QImage drawBalance(double scale) {
    QImage image(QSize(photoWidth, photoHeight) * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    QLinearGradient wall(0, 0, 0, 100);
    wall.setColorAt(0, QColor(238, 234, 226));
    wall.setColorAt(1, QColor(196, 188, 176));
    p.fillRect(QRectF(0, 0, photoWidth, 100), wall);
    QLinearGradient table(0, 100, 0, photoHeight);
    table.setColorAt(0, QColor(150, 104, 66));
    table.setColorAt(1, QColor(96, 60, 34));
    p.fillRect(QRectF(0, 100, photoWidth, photoHeight - 100), table);
    p.fillRect(QRectF(0, 100, photoWidth, 1.2), QColor(190, 150, 110));

    const double centre = 78;
    // A soft shadow under the base.
    QRadialGradient shadow(QPointF(centre, 118), 48);
    shadow.setColorAt(0, QColor(40, 22, 10, 150));
    shadow.setColorAt(1, QColor(40, 22, 10, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(centre, 118), 50, 7);

    // Base in two steps, then the column.
    p.setPen(QPen(QColor(100, 70, 14), 0.8));
    p.setBrush(gold(QPointF(centre - 34, 0), QPointF(centre + 34, 0)));
    p.drawRoundedRect(QRectF(centre - 34, 108, 68, 9), 2, 2);
    p.drawRoundedRect(QRectF(centre - 22, 100, 44, 9), 2, 2);
    p.setBrush(gold(QPointF(centre - 3.5, 0), QPointF(centre + 3.5, 0)));
    p.drawRect(QRectF(centre - 3.5, 24, 7, 76));
    p.drawEllipse(QPointF(centre, 60), 5.5, 3);

    // The beam, tilted a little, with the pointer and the finial.
    p.save();
    p.translate(centre, 24);
    p.rotate(-3);
    p.setBrush(gold(QPointF(0, -3), QPointF(0, 3)));
    QPainterPath beam;
    beam.moveTo(-52, -1.5);
    beam.lineTo(0, -4);
    beam.lineTo(52, -1.5);
    beam.lineTo(52, 1.5);
    beam.lineTo(0, 4);
    beam.lineTo(-52, 1.5);
    beam.closeSubpath();
    p.drawPath(beam);
    p.drawEllipse(QPointF(-52, 0), 2.5, 2.5);
    p.drawEllipse(QPointF(52, 0), 2.5, 2.5);
    p.setBrush(QColor(90, 60, 12));
    p.drawPolygon(QPolygonF({QPointF(-1.2, 4), QPointF(1.2, 4), QPointF(0, 30)}));
    p.restore();
    p.setBrush(gold(QPointF(centre - 5, 0), QPointF(centre + 5, 0)));
    p.drawEllipse(QPointF(centre, 24), 5, 5);
    p.drawEllipse(QPointF(centre, 14), 2.8, 2.8);

    drawPan(p, QPointF(centre - 52, 26.7), 74);
    drawPan(p, QPointF(centre + 52, 21.3), 68);

    // The set of weights to the right, largest at the back.
    drawWeight(p, 150, 118, 16, 22);
    drawWeight(p, 170, 121, 12, 16);
    drawWeight(p, 143, 126, 10, 12);
    drawWeight(p, 160, 127, 8, 9);
    drawWeight(p, 180, 128, 6, 7);
    return image;
}

// The icon: a hamburger seen from the side, on a transparent ground.
QImage drawHamburger(double scale) {
    QImage image(QSize(32, 32) * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QPen outline(QColor(70, 36, 10), 0.8);

    // Top bun with sesame seeds.
    QLinearGradient bun(0, 3, 0, 14);
    bun.setColorAt(0, QColor(250, 180, 80));
    bun.setColorAt(1, QColor(200, 112, 30));
    p.setPen(outline);
    p.setBrush(bun);
    QPainterPath top;
    top.moveTo(2.5, 14);
    top.cubicTo(2.5, 2, 29.5, 2, 29.5, 14);
    top.closeSubpath();
    p.drawPath(top);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 220));
    for (QPointF seed : {QPointF(9, 8), QPointF(14, 6), QPointF(19, 7.5), QPointF(24, 9.5),
                         QPointF(11.5, 11), QPointF(17, 10.5), QPointF(6.5, 11.5)})
        p.drawEllipse(seed, 1.0, 0.6);

    // Lettuce: a wavy green band.
    QPainterPath lettuce;
    lettuce.moveTo(1.5, 14);
    for (int i = 0; i < 8; ++i)
        lettuce.quadTo(3.5 + i * 3.75, 18, 5.25 + i * 3.75, 15.2);
    lettuce.lineTo(30.5, 14);
    lettuce.closeSubpath();
    p.setPen(QPen(QColor(30, 100, 20), 0.6));
    p.setBrush(QColor(90, 190, 50));
    p.drawPath(lettuce);

    // Tomato, cheese with a drip, patty.
    p.setPen(QPen(QColor(120, 20, 10), 0.6));
    p.setBrush(QColor(226, 52, 36));
    p.drawRoundedRect(QRectF(3, 15.5, 26, 3), 1.5, 1.5);
    p.setPen(QPen(QColor(170, 120, 0), 0.6));
    p.setBrush(QColor(255, 204, 40));
    p.drawPolygon(
        QPolygonF({QPointF(2.5, 18.3), QPointF(29.5, 18.3), QPointF(29.5, 19.8), QPointF(21, 19.8),
                   QPointF(19, 22.5), QPointF(17, 19.8), QPointF(2.5, 19.8)}));
    QLinearGradient patty(0, 19.5, 0, 25);
    patty.setColorAt(0, QColor(120, 62, 30));
    patty.setColorAt(1, QColor(70, 34, 14));
    p.setPen(outline);
    p.setBrush(patty);
    p.drawRoundedRect(QRectF(2, 19.8, 28, 5), 2.4, 2.4);

    // Bottom bun.
    p.setBrush(bun);
    QPainterPath bottom;
    bottom.moveTo(3, 25.2);
    bottom.lineTo(29, 25.2);
    bottom.cubicTo(29, 30.5, 3, 30.5, 3, 25.2);
    p.drawPath(bottom);
    return image;
}

bool save(const QImage& picture, const QString& path) {
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile raw(path + ".pixels");
    return picture.save(path + ".png") && raw.open(QIODevice::WriteOnly) &&
           raw.write(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()) ==
               pixels.sizeInBytes();
}

} // namespace

int main(int argc, char** argv) {
    // Only images are painted; no window, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: draw_pictures OUTPUT_DIR SCALE... [--ico]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--ico") {
            if (!drawHamburger(1).save(out.filePath("hamburger.ico"), "ICO")) {
                std::fprintf(stderr, "draw_pictures: cannot write the .ico file\n");
                return 1;
            }
            continue;
        }
        const int scale = QString::fromLatin1(argv[i]).toInt();
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        if (!save(drawBalance(scale), out.filePath("balance" + suffix)) ||
            !save(drawHamburger(scale), out.filePath("hamburger" + suffix))) {
            std::fprintf(stderr, "draw_pictures: cannot write into %s\n", argv[1]);
            return 1;
        }
    }
    return 0;
}
