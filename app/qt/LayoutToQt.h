// The layout table's units, texts and colours in Qt's terms, for every part
// of the Qt front end.
#pragma once

#include "Form1Layout.h"
#include "LabelColors.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>

#include <cmath>
#include <string_view>

namespace velk::qt {

inline QRect ToQRect(const layout::PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

inline QString ToQString(std::wstring_view text) {
    return QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size()));
}

// The screen pixel under a logical coordinate at `scale`, as the hit test
// counts pixels; the small allowance keeps an exact pixel edge, divided and
// multiplied again by the scale, from falling short.
inline int ToPixel(double logical, double scale) { return static_cast<int>(std::floor(logical * scale + 1e-6)); }

// A control's name, its widget's object name.
inline QString NameOf(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A colour of the table in `palette`, the player's scheme: a system colour
// by its role there, an RGB colour as it is.
QColor ToQColor(const layout::Color& color, const QPalette& palette);

// The scheme `palette` holds, as the colour rules read it.
layout::SchemeColors SchemeOf(const QPalette& palette);

}  // namespace velk::qt
