#include "indexerror.h"
#include "pagesetup.h"
#include "printtestdata.h"
#include "recordingsurface.h"
#include "samplesheet.h"

#include <gtest/gtest.h>

namespace {

class SampleSheetTest : public ::testing::Test
{
protected:
    void SetUp() override { fillModel(model); }

    RecordingSurface surface;
    modShared model;
};

TEST_F(SampleSheetTest, PaperIsA4PortraitInColour)
{
    setUpPaper(surface, PrintSurface::ColorModeColor, ColorSampleDocumentName);
    EXPECT_EQ(surface.paperSize, 9);
    EXPECT_EQ(surface.orientation, 1);
    EXPECT_EQ(surface.colorMode, 2);
    EXPECT_EQ(surface.documentName, "ColorSample.pdf");
}

TEST_F(SampleSheetTest, HeadingNamesTheAnalysedPictureAtTheOrigin)
{
    printColorSample(surface, model, 32);
    ASSERT_FALSE(surface.texts.isEmpty());
    const RecordingSurface::Text heading = surface.texts.first();
    EXPECT_EQ(heading.text, "色見本 :  " + AnalysedPath);
    EXPECT_EQ(heading.position, QPointF(0, 0));
    EXPECT_EQ(heading.fontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(heading.fontSize, 9);
}

TEST_F(SampleSheetTest, UnitsAreLaidOverWhateverPrintableAreaTheSurfaceHas)
{
    RecordingSurface letter(QSizeF(203.2, 266.7));
    // Settings a previous print left behind must not leak into the set-up.
    letter.scale(0, 0, 1, 1);
    printColorSample(letter, model, 1);
    EXPECT_EQ(letter.userScale, QRectF(QPointF(-20, -20), QPointF(203.2 - 21, 266.7 - 21)));
}

struct CellPlace
{
    int color;
    QPointF number;
    QPointF count;
    QRectF swatch;
};

TEST_F(SampleSheetTest, ColoursFillRowsOfFourCells)
{
    const CellPlace places[] = {
        {1, {2, 15}, {12, 28}, QRectF(QPointF(10, 10), QPointF(25, 25))},
        {4, {122, 15}, {132, 28}, QRectF(QPointF(130, 10), QPointF(145, 25))},
        {5, {2, 45}, {12, 58}, QRectF(QPointF(10, 40), QPointF(25, 55))},
        {6, {42, 45}, {52, 58}, QRectF(QPointF(50, 40), QPointF(65, 55))},
        {32, {122, 225}, {132, 238}, QRectF(QPointF(130, 220), QPointF(145, 235))},
    };
    printColorSample(surface, model, 32);
    ASSERT_EQ(surface.texts.size(), 1 + 2 * 32);
    ASSERT_EQ(surface.boxes.size(), 32);
    EXPECT_EQ(surface.endedDocuments, QList<int> {1});

    for (const CellPlace &place : places) {
        SCOPED_TRACE(place.color);
        const int text = 1 + 2 * (place.color - 1);
        EXPECT_EQ(surface.texts[text].position, place.number);
        EXPECT_EQ(surface.texts[text + 1].position, place.count);
        EXPECT_EQ(surface.boxes[place.color - 1].rect, place.swatch);
    }
}

TEST_F(SampleSheetTest, NumberKeepsItsSpacesAndCountReadsInPieces)
{
    printColorSample(surface, model, 12);
    EXPECT_EQ(surface.texts[1].text, " 1 :");
    EXPECT_EQ(surface.texts[2].text, "245枚");
    EXPECT_EQ(surface.texts[1 + 2 * 11].text, " 12 :");
    EXPECT_EQ(surface.texts[2 + 2 * 11].text, QString::number(patternCount(12)) + "枚");
    for (const RecordingSurface::Text &text : surface.texts)
        EXPECT_EQ(text.fontSize, 9) << text.text.toStdString();
}

TEST_F(SampleSheetTest, SwatchesAreFilledInThePaletteColourBlackIncluded)
{
    printColorSample(surface, model, 4);
    for (int color = 1; color <= 4; ++color) {
        const RecordingSurface::Box &swatch = surface.boxes[color - 1];
        EXPECT_EQ(swatch.option, LineOption::BoxFilled);
        EXPECT_EQ(swatch.color, patternColor(color));
    }
    EXPECT_EQ(surface.boxes[2].color, 0);
}

TEST_F(SampleSheetTest, NoColoursLeavesTheHeadingAlone)
{
    printColorSample(surface, model, 0);
    EXPECT_EQ(surface.texts.size(), 1);
    EXPECT_TRUE(surface.boxes.isEmpty());
    EXPECT_EQ(surface.endedDocuments, QList<int> {1});
}

TEST_F(SampleSheetTest, ColourBeyondThePaletteFailsWithoutEndingTheDocument)
{
    EXPECT_THROW(printColorSample(surface, model, 33), IndexError);
    EXPECT_EQ(surface.boxes.size(), 32);
    EXPECT_TRUE(surface.endedDocuments.isEmpty());
}

} // namespace
