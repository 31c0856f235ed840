// The overview as a real PDF through PdfSurface, read back with poppler.
#include "blockcounts.h"
#include "colorvalue.h"
#include "overviewsheet.h"
#include "pagesetup.h"
#include "pdfsurface.h"
#include "pdftools.h"
#include "printtestdata.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class OverviewPdfTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }

    void SetUp() override
    {
        if (const QString obstacle = pdfTestObstacle(); !obstacle.isEmpty())
            GTEST_SKIP() << obstacle.toStdString();
        ASSERT_TRUE(directory.isValid());
        fillModel(model);
        pdf = directory.filePath(OverviewDocumentName);
        setUpPaper(surface, PrintSurface::ColorModeColor, pdf);
        printOverview(surface, model);
    }

    QTemporaryDir directory;
    QString pdf;
    modShared model;
    PdfSurface surface;
};

// The text with any whitespace, or none, where it has spaces.
QRegularExpression spacedFreely(const QString &text)
{
    QStringList parts;
    for (const QString &word : text.split(' ', Qt::SkipEmptyParts))
        parts.append(QRegularExpression::escape(word));
    return QRegularExpression(parts.join("\\s*") + "(?!\\d)");
}

TEST_F(OverviewPdfTest, MapNamesEveryBlockAndTheListsHoldTheirCounts)
{
    const QString map = runTool("pdftotext", {"-raw", "-f", "1", "-l", "1", pdf, "-"});
    for (int blockX = 0; blockX < 16; ++blockX) {
        for (int blockY = 0; blockY < 12; ++blockY) {
            const QString label = blockCaption(blockX, blockY);
            EXPECT_TRUE(map.contains(spacedFreely(label))) << label.toStdString();
        }
    }

    const QString lists = runTool("pdftotext", {"-raw", "-f", "2", pdf, "-"});
    for (const auto &[blockX, blockY] : {std::pair {0, 0}, {7, 5}, {15, 11}}) {
        const QString line = blockCountLine(blockCount(model, blockX, blockY));
        EXPECT_TRUE(lists.contains(spacedFreely(line))) << line.toStdString();
    }
}

TEST_F(OverviewPdfTest, MapCellsCarryTheirPaletteColours)
{
    constexpr int Dpi = 300;
    const QString base = directory.filePath("map");
    runTool("pdftoppm",
        {"-png", "-singlefile", "-f", "1", "-l", "1", "-r", QString::number(Dpi), pdf, base});
    const QImage page(base + ".png");
    ASSERT_FALSE(page.isNull());

    const QRectF area = surface.pageLayout().paintRect(QPageLayout::Millimeter);
    const auto pixel = [&](double x, double y) {
        const double millimetresX = area.left() + (x + 20) * area.width() / (area.width() - 1);
        const double millimetresY = area.top() + (y + 20) * area.height() / (area.height() - 1);
        return QPoint(qRound(millimetresX / 25.4 * Dpi), qRound(millimetresY / 25.4 * Dpi));
    };
    const auto colourAt = [&](double x, double y) {
        const QColor ink = page.pixelColor(pixel(x, y));
        return colorvalue::fromRgb(ink.red(), ink.green(), ink.blue());
    };
    // Cells clear of the labels and grid lines.
    constexpr double MapTop = 8;
    for (const auto &[row, column] : {std::pair {5, 1}, {64, 77}, {117, 152}}) {
        SCOPED_TRACE(QStringLiteral("%1, %2").arg(row).arg(column).toStdString());
        EXPECT_EQ(
            colourAt(column - 0.5, MapTop + row - 0.5), patternColor(patternCell(row, column)));
    }
    // An unnumbered cell: white with the cross through its centre.
    EXPECT_EQ(colourAt(7.8, MapTop + 5.8), 0xFFFFFF);
    EXPECT_LT(QColor::fromRgb(page.pixel(pixel(7.5, MapTop + 5.5))).value(), 128);
}

} // namespace
