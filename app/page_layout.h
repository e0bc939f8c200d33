#pragma once

// The designed places of the pages "Plan" and "Netto", in pixels: captions at
// the left, fields in one column, result captions and values on the right.
namespace page_layout {

constexpr int captionLeft = 9;
constexpr int fieldLeft = 136;
constexpr int fieldWidth = 73;
constexpr int fieldHeight = 17;
constexpr int spinnerLeft = 209;
constexpr int comboWidth = 89;
constexpr int comboHeight = 24;
constexpr int resultCaptionLeft = 268;
constexpr int valueRightEdge = 456;
// Room kept between a text and the next control when the font needs more
// than the designed sizes.
constexpr int textGap = 4;

}
