#include "shoppingcsv.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace shopping;

namespace {

List listOfTwo()
{
    chart::Chart chart;
    chart.colors
        = {{0x102030, 19000, QStringLiteral("白, つや消し \"M\""), QStringLiteral("P01"), {}},
            {0xFFFFFF, 200, QStringLiteral("黄緑"), {}, {}}};
    return makeList(chart, {});
}

} // namespace

TEST(ShoppingCsv, Utf8WithAByteOrderMarkTheHeadingAndQuotedNames)
{
    EXPECT_EQ(csvBytes(listOfTwo()),
        QByteArray("\xEF\xBB\xBF"
                   "number,code,name,red,green,blue,pieces,with_spares,bags\r\n"
                   "1,P01,\"白, つや消し \"\"M\"\"\",16,32,48,19000,20900,21\r\n"
                   "2,,黄緑,255,255,255,200,220,1\r\n"));
}

TEST(ShoppingCsv, AFileOfTheInputsIsRefusedAndKept)
{
    QTemporaryDir folder;
    const QString picture = folder.filePath("picture.bmp");
    writeAll(picture, "BM");
    EXPECT_EQ(writeCsv(listOfTwo(), picture, {picture}), WriteFailure::ReplacesInput);
    EXPECT_EQ(readAll(picture), QByteArray("BM"));

    const QString csv = folder.filePath("list.csv");
    EXPECT_EQ(writeCsv(listOfTwo(), csv, {picture}), std::nullopt);
    EXPECT_EQ(readAll(csv), csvBytes(listOfTwo()));
    EXPECT_EQ(
        writeCsv(listOfTwo(), folder.filePath("none/list.csv"), {picture}), WriteFailure::Create);
}
