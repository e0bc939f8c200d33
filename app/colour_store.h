#pragma once

#include "chart/color.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <array>
#include <optional>

// The colours of Series1 to Series4 as far as start-up could read them. A
// value that is missing leaves its entry empty; reading stops at the first
// unusable value, whose message `failure` then holds.
struct StoredColours {
    std::array<std::optional<TColor>, 4> colours;
    QString failure;
};

// The per-user store of the four bar colours, carried over from one run to
// the next: key "\SOFTWARE\Wendlich\Fundorix" of the desktop's settings
// (organisation "Wendlich", application "Fundorix"), one 4-byte binary value
// per series.
class ColourStore {
public:
    static QString keyPath();
    // "Series1Farbe" ... "Series4Farbe" for number 1 to 4.
    static QString valueName(int number);

    StoredColours read() const;
    // Writes Series1Farbe to Series4Farbe in this order. Returns an empty
    // string when the store took them, otherwise the message for the error box.
    QString write(const std::array<TColor, 4>& colours) const;
};

// A colour as the store keeps it: little-endian, red in the first byte.
QByteArray encodeStoredColour(TColor colour);
// Only binary data of exactly 4 bytes is a colour. A shorter value would
// leave part of the colour undefined, so it is refused like a longer one.
std::optional<TColor> decodeStoredColour(const QVariant& value);
