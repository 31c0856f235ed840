#include "palettesource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A palette file named like a set, in the working folder, is read as the file.
TEST(PaletteSource, AFileOfTheNameWinsOverTheSetOfThatId)
{
    QTemporaryDir folder;
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const PaletteFile set = readPalette(QStringLiteral("perler"));
    QFile file(QStringLiteral("perler"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("10,20,30,mine\n");
    file.close();
    const PaletteFile own = readPalette(QStringLiteral("perler"));
    const PaletteFile unknown = readPalette(QStringLiteral("perler-maxi"));
    QDir::setCurrent(working);

    ASSERT_EQ(set.status, PaletteFile::Status::Ok);
    EXPECT_EQ(set.set, QStringLiteral("perler"));
    EXPECT_EQ(set.colors.size(), 103);
    EXPECT_EQ(set.colors[0].code, QStringLiteral("80-15179"));
    EXPECT_EQ(set.colors[0].name, QStringLiteral("Evergreen"));
    EXPECT_EQ(set.colors[0].rgb, 0xff305545u);
    ASSERT_EQ(own.status, PaletteFile::Status::Ok);
    EXPECT_TRUE(own.set.isEmpty());
    ASSERT_EQ(own.colors.size(), 1);
    EXPECT_EQ(own.colors[0].name, QStringLiteral("mine"));
    EXPECT_EQ(unknown.status, PaletteFile::Status::NotFound);
    EXPECT_TRUE(paletteErrorText(unknown, QStringLiteral("perler-maxi"))
                    .contains(QStringLiteral("perler-maxi")));
}
