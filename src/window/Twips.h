#pragma once

#include <QRect>

namespace qz7t {

// Control positions are laid out in twips; at 96 dots per inch one pixel is 15 twips.
constexpr int TwipsToPixels(int twips) { return twips / 15; }

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace qz7t
