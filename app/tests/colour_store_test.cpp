#include "colour_store.h"
#include "private_settings_store.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class ColourStoreTest : public ::testing::Test {
protected:
    PrivateSettingsStore store;
};

TEST(StoredColourBytes, AreLittleEndianWithRedFirst)
{
    EXPECT_EQ(encodeStoredColour(clBlue), QByteArray::fromHex("0000ff00"));
    EXPECT_EQ(encodeStoredColour(clRed), QByteArray::fromHex("ff000000"));
    EXPECT_EQ(decodeStoredColour(QByteArray::fromHex("80008000")), clPurple);
    EXPECT_EQ(decodeStoredColour(QByteArray::fromHex("12345678")), TColor(0x78563412));
}

TEST(StoredColourBytes, OnlyFourBytesOfBinaryDataAreAColour)
{
    EXPECT_FALSE(decodeStoredColour(QByteArray::fromHex("ff0000")));
    EXPECT_FALSE(decodeStoredColour(QByteArray::fromHex("ff00000000")));
    EXPECT_FALSE(decodeStoredColour(QByteArray()));
    EXPECT_FALSE(decodeStoredColour(QStringLiteral("255")));
    EXPECT_FALSE(decodeStoredColour(255));
}

TEST_F(ColourStoreTest, WrittenColoursAreFourByteValuesUnderTheKey)
{
    ASSERT_EQ(ColourStore().write({ clBlue, clGreen, clRed, clPurple }), QString());
    EXPECT_EQ(PrivateSettingsStore::storedValue("Series1Farbe").toByteArray(), QByteArray::fromHex("0000ff00"));
    EXPECT_EQ(PrivateSettingsStore::storedValue("Series3Farbe").toByteArray(), QByteArray::fromHex("ff000000"));
    EXPECT_EQ(PrivateSettingsStore::storedValue("Series3Farbe").typeId(), QMetaType::QByteArray);

    const StoredColours stored = ColourStore().read();
    EXPECT_TRUE(stored.failure.isEmpty());
    EXPECT_EQ(stored.colours[0], clBlue);
    EXPECT_EQ(stored.colours[1], clGreen);
    EXPECT_EQ(stored.colours[2], clRed);
    EXPECT_EQ(stored.colours[3], clPurple);
}

TEST_F(ColourStoreTest, MissingValuesAreSkipped)
{
    PrivateSettingsStore::putValue("Series2Farbe", encodeStoredColour(clYellow));
    const StoredColours stored = ColourStore().read();
    EXPECT_TRUE(stored.failure.isEmpty());
    EXPECT_FALSE(stored.colours[0]);
    EXPECT_EQ(stored.colours[1], clYellow);
    EXPECT_FALSE(stored.colours[2]);
}

TEST_F(ColourStoreTest, ReadingStopsAtTheFirstValueOfTheWrongType)
{
    PrivateSettingsStore::putValue("Series1Farbe", encodeStoredColour(clGray));
    PrivateSettingsStore::putValue("Series2Farbe", QStringLiteral("grün"));
    PrivateSettingsStore::putValue("Series3Farbe", encodeStoredColour(clYellow));
    const StoredColours stored = ColourStore().read();
    EXPECT_EQ(stored.failure, QStringLiteral("Ungültiger Datentyp für 'Series2Farbe'."));
    EXPECT_EQ(stored.colours[0], clGray);
    EXPECT_FALSE(stored.colours[2]);
}

TEST_F(ColourStoreTest, RefusedWriteIsReported)
{
    // A plain file where the store wants its folder makes every write fail.
    QFile blocker(QDir(store.path()).filePath(QStringLiteral("Wendlich")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString failure = ColourStore().write({ clBlue, clGreen, clRed, clPurple });
    EXPECT_TRUE(failure.startsWith(QStringLiteral("Die Diagrammfarben konnten nicht"))) << failure.toStdString();
}

}
