#include "blockcounts.h"
#include "chart.h"
#include "colorvalue.h"
#include "overviewsheet.h"
#include "pagesetup.h"
#include "printtestdata.h"
#include "recordingsurface.h"

#include <QHash>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

constexpr double MapTop = 8;
constexpr int32_t White = 0xFFFFFF;
using Box = RecordingSurface::Box;

class OverviewSheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fillModel(model);
        setUpPaper(surface, PrintSurface::ColorModeColor, OverviewDocumentName);
        printOverview(surface, model);
        for (const Box &box : surface.boxes)
            boxesOnPage[box.page].append(box);
    }

    // The filled box drawn last over a point of page 1: what the reader sees there.
    std::optional<Box> topBoxAt(QPointF point) const
    {
        const QList<Box> &boxes = boxesOnPage[1];
        for (auto box = boxes.crbegin(); box != boxes.crend(); ++box) {
            if (box->option == LineOption::BoxFilled && box->rect.contains(point))
                return *box;
        }
        return std::nullopt;
    }
    // The map picture's colour under a point of page 1, boxes aside.
    int32_t pictureColorAt(QPointF point) const
    {
        EXPECT_EQ(surface.pictures.size(), 1);
        const RecordingSurface::Picture &map = surface.pictures.first();
        EXPECT_EQ(map.page, 1);
        const QPointF offset = point - map.rect.topLeft();
        const QRgb pixel = map.image.pixel(int(offset.x() * map.image.width() / map.rect.width()),
            int(offset.y() * map.image.height() / map.rect.height()));
        return colorvalue::fromRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
    }

    void expectEverythingWithinTheMargins() const
    {
        // 20 units of margin all round, as the heading has above and left.
        const QRectF page(0, 0, 160, surface.scaleHeight() - 40);
        for (const Box &box : surface.boxes)
            EXPECT_TRUE(page.adjusted(-0.2, -0.2, 0.2, 0.2).contains(box.rect)) << box.page;
        for (const RecordingSurface::Text &text : surface.texts) {
            // No Gothic character of these texts is wider than 0.65 em; a CJK one is 1 em.
            const double em = text.fontSize * 25.4 / 72;
            double width = 0;
            for (const QChar c : text.text)
                width += c.unicode() < 0x2000 ? 0.65 * em : em;
            EXPECT_TRUE(page.contains(QRectF(text.position, QSizeF(width, 1.2 * em))))
                << text.text.toStdString();
        }
    }

    RecordingSurface surface;
    modShared model;
    QHash<int, QList<Box>> boxesOnPage;
};

TEST_F(OverviewSheetTest, MapShowsCellColoursCrossesAndEveryLabelOnWhite)
{
    EXPECT_EQ(surface.texts.first().text, "色番号Matrix :  " + AnalysedPath);

    // Cells clear of the labels; (6, 8) and (120, 160) hold no colour number.
    for (const auto &[row, column] : {std::pair {5, 1}, {64, 77}, {117, 152}, {6, 8}, {120, 160}}) {
        SCOPED_TRACE(QStringLiteral("%1, %2").arg(row).arg(column).toStdString());
        const QPointF centre(column - 0.5, MapTop + row - 0.5);
        const std::optional<Box> top = topBoxAt(centre);
        const int color = patternCell(row, column);
        if (color != 0) {
            EXPECT_FALSE(top.has_value());
            EXPECT_EQ(pictureColorAt(centre), patternColor(color));
            continue;
        }
        // Black at the centre, white towards the corners.
        ASSERT_TRUE(top.has_value());
        EXPECT_FALSE(top->color.has_value());
        EXPECT_TRUE(QRectF(column - 1, MapTop + row - 1, 1, 1).contains(top->rect));
        EXPECT_FALSE(topBoxAt(centre + QPointF(0.3, 0.3)).has_value());
        EXPECT_EQ(pictureColorAt(centre + QPointF(0.3, 0.3)), White);
    }

    const QList<RecordingSurface::Text> texts = surface.textsOnPage(1);
    for (int blockX = 0; blockX < 16; ++blockX) {
        for (int blockY = 0; blockY < 12; ++blockY) {
            const QString label = blockCaption(blockX, blockY);
            const auto text = std::find_if(texts.begin(), texts.end(),
                [&](const RecordingSurface::Text &t) { return t.text == label; });
            ASSERT_NE(text, texts.end()) << label.toStdString();
            const QPointF glyphs = text->position + QPointF(1, 1);
            EXPECT_TRUE(QRectF(10 * blockX, MapTop + 10 * blockY, 10, 10).contains(glyphs));
            EXPECT_EQ(topBoxAt(glyphs).value().color, White) << label.toStdString();
        }
    }
}

TEST_F(OverviewSheetTest, EveryBlockIsListedWholeOnOnePageWithItsSwatches)
{
    const QRegularExpression label("^[A-P] \\d+$");
    const QRegularExpression item("^(\\d+)×\\d+$");
    QStringList entries;
    int entryPage = 0;
    for (const RecordingSurface::Text &text : surface.texts) {
        if (text.page == 1)
            continue;
        if (label.match(text.text).hasMatch()) {
            entries.append(text.text);
            entryPage = text.page;
            continue;
        }
        const QRegularExpressionMatch match = item.match(text.text);
        ASSERT_TRUE(match.hasMatch()) << text.text.toStdString();
        ASSERT_EQ(text.page, entryPage) << entries.last().toStdString();
        entries.last() += "  " + text.text;

        // The swatch just left of the count, in the colour of its number.
        const QList<Box> &boxes = boxesOnPage[text.page];
        const QPointF at = text.position;
        const auto swatch = std::find_if(boxes.begin(), boxes.end(), [&](const Box &box) {
            return box.color && box.rect.right() <= at.x() && box.rect.right() > at.x() - 1.5
                && box.rect.top() < at.y() + 1 && box.rect.bottom() > at.y() + 1;
        });
        ASSERT_NE(swatch, boxes.end()) << entries.last().toStdString();
        const int color = match.captured(1).toInt();
        EXPECT_EQ(*swatch->color, color == 0 ? White : patternColor(color));
    }
    const QList<BlockCount> blocks = blockCounts(model);
    ASSERT_EQ(entries.size(), blocks.size());
    for (qsizetype i = 0; i < blocks.size(); ++i)
        EXPECT_EQ(entries[i], blockCountLine(blocks[i]));
}

TEST_F(OverviewSheetTest, EverythingStaysWithinTheMarginsOfEveryPage)
{
    expectEverythingWithinTheMargins();
}

TEST_F(OverviewSheetTest, NamesBeginTheListsWithAKeyOfEveryColour)
{
    QStringList names(32);
    names[0] = QStringLiteral("白");
    names[2] = QStringLiteral("黒");
    names[31] = QString(30, QChar(u'肌'));
    surface.texts.clear();
    surface.boxes.clear();
    printOverview(surface, model, names);
    // A long name is cut to fit before the count.
    names[31] = QString(19, QChar(u'肌')) + QStringLiteral("…");

    const QList<RecordingSurface::Text> texts = surface.textsOnPage(2);
    for (int n = 1; n <= 32; ++n) {
        SCOPED_TRACE(n);
        const auto number = std::find_if(texts.begin(), texts.end(),
            [&](const RecordingSurface::Text &text) { return text.text == QString::number(n); });
        ASSERT_NE(number, texts.end());
        const auto onItsLine = [&](const QString &wanted) {
            return std::any_of(texts.begin(), texts.end(), [&](const RecordingSurface::Text &t) {
                return t.text == wanted && std::abs(t.position.y() - number->position.y()) < 0.01
                    && t.position.x() > number->position.x()
                    && t.position.x() < number->position.x() + 80;
            });
        };
        EXPECT_TRUE(onItsLine(QString::number(patternCount(n)) + QStringLiteral(" 枚")));
        EXPECT_TRUE(names[n - 1].isEmpty() || onItsLine(names[n - 1]));
        const bool swatch
            = std::any_of(surface.boxes.begin(), surface.boxes.end(), [&](const Box &box) {
                  return box.page == 2 && box.color == patternColor(n)
                      && box.rect.left() > number->position.x()
                      && box.rect.left() < number->position.x() + 8
                      && std::abs(box.rect.top() - number->position.y()) < 1;
              });
        EXPECT_TRUE(swatch);
    }
    // The block lists follow below the key, which the last colour's line ends.
    const auto label = [&](const QString &wanted) {
        return std::find_if(texts.begin(), texts.end(), [&](const RecordingSurface::Text &text) {
            return text.text == wanted;
        })->position.y();
    };
    EXPECT_GT(label(QStringLiteral("A 1")), label(QStringLiteral("16")));
    expectEverythingWithinTheMargins();
}

TEST_F(OverviewSheetTest, OneColourPictureTakesTheMapAndTwoListPages)
{
    std::fill_n(model.intPixelColor.data(), PixelColorMatrix::Size, int16_t(1));
    surface.texts.clear();
    printOverview(surface, model);
    EXPECT_EQ(surface.endedDocuments.first(), 3);
    EXPECT_EQ(surface.textsOnPage(2).first().text, "A 1");
    EXPECT_EQ(surface.textsOnPage(3).last().text, "1×100");
}

TEST_F(OverviewSheetTest, AChartPrintsAsItsAnalysisWithItsNamesAndCodesInTheKey)
{
    chart::Chart chart = chart::chartFromAnalysis(model, modShared::MaxColors);
    RecordingSurface fromChart;
    setUpPaper(fromChart, PrintSurface::ColorModeColor, OverviewDocumentName);
    printOverview(fromChart, chart);
    ASSERT_EQ(fromChart.texts.size(), surface.texts.size());
    for (qsizetype i = 0; i < surface.texts.size(); ++i) {
        EXPECT_EQ(fromChart.texts[i].text, surface.texts[i].text);
        EXPECT_EQ(fromChart.texts[i].position, surface.texts[i].position);
    }
    ASSERT_EQ(fromChart.boxes.size(), surface.boxes.size());
    for (qsizetype i = 0; i < surface.boxes.size(); ++i)
        EXPECT_EQ(fromChart.boxes[i].color, surface.boxes[i].color);
    EXPECT_EQ(fromChart.pictures.first().image, surface.pictures.first().image);

    chart.colors[0].name = QStringLiteral("白");
    chart.colors[0].code = QStringLiteral("P01");
    chart.colors[1].code = QStringLiteral("P02");
    fromChart.texts.clear();
    printOverview(fromChart, chart);
    QStringList key;
    for (const RecordingSurface::Text &text : fromChart.textsOnPage(2))
        key.append(text.text);
    EXPECT_TRUE(key.contains(QStringLiteral("白　P01")));
    EXPECT_TRUE(key.contains(QStringLiteral("P02")));
}

} // namespace
