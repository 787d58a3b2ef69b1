#include "assets.h"

#include <QFile>

QPixmap balancePhoto(qreal devicePixelRatio) {
    const bool fine = devicePixelRatio > 1.0;
    QPixmap photo(fine ? QStringLiteral(":/pictures/balance@2x.png")
                       : QStringLiteral(":/pictures/balance.png"));
    photo.setDevicePixelRatio(fine ? 2.0 : 1.0);
    return photo;
}

QIcon hamburgerIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/hamburger.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/pictures/hamburger@2x.png"), QSize(64, 64));
    return icon;
}

QString storedText(const QString& name) {
    QFile file(QStringLiteral(":/texts/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString shownText(const QString& name) {
    return storedText(name).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
