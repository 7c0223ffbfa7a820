// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/rgb.h"

#include <QColor>
#include <QString>

#include <string_view>

// The designs keep colours and texts in plain C++; the windows turn them into Qt's.
inline QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
