#include "colour_store.h"

#include <QSettings>

namespace {

constexpr int colourBytes = 4;

// The text ends in a quote, which the error box's full-stop rule would leave
// bare, so it carries its full stop itself.
QString invalidTypeText(const QString& name) { return QStringLiteral("Ungültiger Datentyp für '%1'.").arg(name); }

QString writeFailureText(const QString& file)
{
    return QStringLiteral("Die Diagrammfarben konnten nicht in '%1' gespeichert werden").arg(file);
}

const QString organisation = QStringLiteral("Wendlich");
const QString application = QStringLiteral("Fundorix");

}

QString ColourStore::keyPath() { return QStringLiteral("SOFTWARE/Wendlich/Fundorix"); }

QString ColourStore::valueName(int number) { return QStringLiteral("Series%1Farbe").arg(number); }

StoredColours ColourStore::read() const
{
    // The key needs no creating here: the desktop's store keeps a key
    // together with its values, so it appears with the first write at close.
    QSettings settings(organisation, application);
    settings.beginGroup(keyPath());
    StoredColours stored;
    for (int number = 1; number <= 4; ++number) {
        const QString name = valueName(number);
        if (!settings.contains(name))
            continue;
        const std::optional<TColor> colour = decodeStoredColour(settings.value(name));
        if (!colour) {
            stored.failure = invalidTypeText(name);
            break;
        }
        stored.colours[number - 1] = colour;
    }
    return stored;
}

QString ColourStore::write(const std::array<TColor, 4>& colours) const
{
    QSettings settings(organisation, application);
    settings.beginGroup(keyPath());
    for (int number = 1; number <= 4; ++number)
        settings.setValue(valueName(number), encodeStoredColour(colours[number - 1]));
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return writeFailureText(settings.fileName());
    return QString();
}

QByteArray encodeStoredColour(TColor colour)
{
    QByteArray bytes(colourBytes, '\0');
    for (int i = 0; i < colourBytes; ++i)
        bytes[i] = char((colour >> (8 * i)) & 0xFF);
    return bytes;
}

std::optional<TColor> decodeStoredColour(const QVariant& value)
{
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    if (bytes.size() != colourBytes)
        return std::nullopt;
    TColor colour = 0;
    for (int i = 0; i < colourBytes; ++i)
        colour |= TColor(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return colour;
}
