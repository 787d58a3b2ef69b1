// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets.h"

#include "layout.h"

#include <QImage>
#include <QResource>

namespace {

// A picture at 1x, stored as bare premultiplied ARGB32 pixels.
QPixmap storedPixels(const QString& name, QSize size) {
    const QResource resource(QStringLiteral(":/pictures/%1.pixels").arg(name));
    if (resource.size() != qint64(size.width()) * size.height() * 4 ||
        resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return QPixmap::fromImage(
        QImage(resource.data(), size.width(), size.height(), QImage::Format_ARGB32_Premultiplied));
}

// A picture at 2x, stored as PNG.
QPixmap storedPng(const QString& name) {
    return QPixmap(QStringLiteral(":/pictures/%1@2x.png").arg(name));
}

} // namespace

QPixmap balancePhoto(qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0)
        return storedPixels(QStringLiteral("balance"), QSize(photoWidth, photoHeight));
    QPixmap fine = storedPng(QStringLiteral("balance"));
    fine.setDevicePixelRatio(2.0);
    return fine;
}

QIcon hamburgerIcon(qreal devicePixelRatio) {
    QIcon icon(storedPixels(QStringLiteral("hamburger"), QSize(32, 32)));
    if (devicePixelRatio > 1.0)
        icon.addPixmap(storedPng(QStringLiteral("hamburger")));
    return icon;
}
