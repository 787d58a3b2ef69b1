// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layout.h"
#include "speech.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <string_view>

// The presentation's plain values as Qt's.

inline QString qtText(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString qtText(std::string_view ascii) {
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

inline QColor qtColour(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

inline QRect qtRect(const Rect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

inline std::u16string_view faceText(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}
