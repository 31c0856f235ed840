#include "pagesetup.h"
#include "recordingsurface.h"
#include "shoppingpage.h"

#include <gtest/gtest.h>

namespace {

shopping::List listOf(int colorCount)
{
    chart::Chart chart;
    for (int n = 1; n <= colorCount; ++n)
        chart.colors.append({quint32(n), 100 * n, QStringLiteral("色%1").arg(n), {}, {}});
    return shopping::makeList(chart, {});
}

QList<RecordingSurface::Text> textsStarting(const RecordingSurface &surface, const QString &start)
{
    QList<RecordingSurface::Text> found;
    for (const RecordingSurface::Text &text : surface.texts) {
        if (text.text.startsWith(start))
            found.append(text);
    }
    return found;
}

} // namespace

TEST(ShoppingPage, ThirtyTwoColoursFitOnePageAndMoreRunOnWithTheTotalLast)
{
    for (const int colorCount : {32, 90}) {
        SCOPED_TRACE(colorCount);
        RecordingSurface surface;
        setUpPaper(surface, PrintSurface::ColorModeColor, QStringLiteral("list.pdf"));
        printShoppingList(surface, listOf(colorCount), QStringLiteral("/絵/花.bmp"));
        const int pages = surface.endedDocuments.first();
        EXPECT_EQ(pages, colorCount == 32 ? 1 : 3);
        EXPECT_EQ(textsStarting(surface, QStringLiteral("買い物リスト :  /絵/花.bmp")).size(), 1);
        // Each colour once, in order, its swatch filled in its colour.
        const QList<RecordingSurface::Text> names = textsStarting(surface, QStringLiteral("色"));
        ASSERT_EQ(names.size(), colorCount + pages); // and the column heading on every page
        int filled = 0;
        for (const RecordingSurface::Box &box : surface.boxes)
            filled += box.option == LineOption::BoxFilled && box.color.has_value();
        EXPECT_EQ(filled, colorCount);
        const QList<RecordingSurface::Text> totals = textsStarting(surface, QStringLiteral("合計"));
        ASSERT_EQ(totals.size(), 1);
        EXPECT_EQ(totals[0].page, pages);
        const RecordingSurface::Text last
            = textsStarting(surface, QStringLiteral("色%1").arg(colorCount)).first();
        EXPECT_EQ(last.page, pages);
        EXPECT_GT(totals[0].position.y(), last.position.y());
        for (const RecordingSurface::Text &text : surface.texts)
            EXPECT_LT(text.position.y() + 4, surface.scaleHeight() - 40) << text.text.toStdString();
    }
}
