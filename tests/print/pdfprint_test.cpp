// End to end: real PDF files through PdfSurface, read back with the
// poppler tools.
#include "colorvalue.h"
#include "matrixpages.h"
#include "pagesetup.h"
#include "pdfsurface.h"
#include "pdftools.h"
#include "printtestdata.h"
#include "samplesheet.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every whole number of one page, in reading order.
QList<int> numbersOnPage(const QString &pdf, int page)
{
    const QString text = runTool("pdftotext",
        {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    QList<int> numbers;
    for (const QRegularExpressionMatch &match : QRegularExpression("\\d+").globalMatch(text))
        numbers.append(match.captured().toInt());
    return numbers;
}

// Page 1 of the PDF as an image, rendered by the tool that tells how a reader sees it.
QImage renderFirstPage(const QString &pdf, int dotsPerInch)
{
    const QString base = pdf + QStringLiteral("-page");
    runTool("pdftoppm", {"-png", "-singlefile", "-r", QString::number(dotsPerInch), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

class PdfPrintTest : public ::testing::Test
{
protected:
    // The surface's fonts need the application before the fixture exists.
    static void SetUpTestSuite() { ensureGuiApplication(); }

    void SetUp() override
    {
        if (const QString obstacle = pdfTestObstacle(); !obstacle.isEmpty())
            GTEST_SKIP() << obstacle.toStdString();
        ASSERT_TRUE(directory.isValid());
        fillModel(model);
    }

    QString pathOf(const QString &name) const { return directory.filePath(name); }

    QTemporaryDir directory;
    modShared model;
    PdfSurface surface;
};

TEST_F(PdfPrintTest, SampleSheetIsOneA4PageWithEveryCountInAnEmbeddedFont)
{
    const QString pdf = pathOf(ColorSampleDocumentName);
    // Printing again replaces what was there.
    QFile stale(pdf);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("not a PDF");
    stale.close();

    setUpPaper(surface, PrintSurface::ColorModeColor, pathOf(ColorSampleDocumentName));
    printColorSample(surface, model, 32);

    const QString info = runTool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();

    const QString text = runTool("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.contains("色見本")) << text.toStdString();
    EXPECT_TRUE(text.contains(AnalysedPath)) << text.toStdString();
    for (int color = 1; color <= 32; ++color)
        EXPECT_TRUE(text.contains(QString::number(patternCount(color)) + "枚")) << color;

    const QString fonts = runTool("pdffonts", {pdf});
    EXPECT_TRUE(fonts.contains(QRegularExpression("IPAPGothic.* yes "))) << fonts.toStdString();
}

TEST_F(PdfPrintTest, SwatchesSitOnTheGridAndTextStaysBlack)
{
    setUpPaper(surface, PrintSurface::ColorModeColor, pathOf(ColorSampleDocumentName));
    printColorSample(surface, model, 32);
    constexpr int Dpi = 100;
    const QImage page = renderFirstPage(pathOf(ColorSampleDocumentName), Dpi);
    ASSERT_FALSE(page.isNull());

    // Drawing units to pixels, through the printable area the surface used.
    const QRectF area = surface.pageLayout().paintRect(QPageLayout::Millimeter);
    const auto pixel = [&](double x, double y) {
        const double millimetresX = area.left() + (x + 20) * area.width() / (area.width() - 1);
        const double millimetresY = area.top() + (y + 20) * area.height() / (area.height() - 1);
        return QPoint(qRound(millimetresX / 25.4 * Dpi), qRound(millimetresY / 25.4 * Dpi));
    };
    for (int color = 1; color <= 32; ++color) {
        SCOPED_TRACE(color);
        const double left = 40 * ((color - 1) % 4);
        const double top = 30 * ((color - 1) / 4);
        const QColor swatch = page.pixelColor(pixel(left + 17.5, top + 17.5));
        EXPECT_EQ(
            colorvalue::fromRgb(swatch.red(), swatch.green(), swatch.blue()), patternColor(color));

        // The number is inked, and not in the colour of the swatch drawn before it.
        const QRect number(pixel(left + 2, top + 15), pixel(left + 9.5, top + 18.5));
        int inked = 0;
        int coloured = 0;
        for (int y = number.top(); y <= number.bottom(); ++y) {
            for (int x = number.left(); x <= number.right(); ++x) {
                const QColor ink = page.pixelColor(x, y);
                inked += ink.value() < 128;
                coloured += ink.red() != ink.green() || ink.green() != ink.blue();
            }
        }
        EXPECT_GT(inked, 0);
        EXPECT_EQ(coloured, 0);
    }
}

TEST_F(PdfPrintTest, FullMatrixHas192PagesEachWithItsBlock)
{
    setUpPaper(surface, PrintSurface::ColorModeMonochrome, pathOf(MatrixAllDocumentName));
    printMatrixAll(surface, model);
    const QString pdf = pathOf(MatrixAllDocumentName);

    const QString info = runTool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+192\\n"))) << info.toStdString();

    for (const int page : {1, 2, 13, 192}) {
        SCOPED_TRACE(page);
        const int blockX = (page - 1) / 12;
        const int blockY = (page - 1) % 12;
        QList<int> expected {blockY + 1};
        for (int row = 1; row <= 10; ++row) {
            for (int column = 1; column <= 10; ++column)
                expected.append(patternCell(10 * blockY + row, 10 * blockX + column));
        }
        EXPECT_EQ(numbersOnPage(pdf, page), expected);
    }
}

TEST_F(PdfPrintTest, UnwritableFileFailsNamingItAndLeavesNothing)
{
    const QString name = matrixPageDocumentName(0, 0);
    ASSERT_TRUE(QDir(directory.path()).mkdir(name));
    setUpPaper(surface, PrintSurface::ColorModeMonochrome, pathOf(name));
    try {
        printMatrixPage(surface, model, 0, 0);
        FAIL() << "printing into a directory succeeded";
    } catch (const PrintError &error) {
        EXPECT_EQ(QString::fromUtf8(error.what()),
            "ファイル「ColorMatrix_A1.pdf」を作成できません。\r\n" + pathOf(name));
    }
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList {name});
    EXPECT_TRUE(surface.savedPdfPath().isEmpty());
}

TEST_F(PdfPrintTest, AFailureHalfWayKeepsTheEarlierFile)
{
    const QString pdf = pathOf(MatrixAllDocumentName);
    QFile earlier(pdf);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier print");
    earlier.close();

    setUpPaper(surface, PrintSurface::ColorModeMonochrome, pdf);
    modShared broken;
    // A block past the matrix fails once its first cell is read.
    EXPECT_THROW(printMatrixPage(surface, broken, 16, 0), IndexError);
    setUpPaper(surface, PrintSurface::ColorModeColor, pathOf(ColorSampleDocumentName));

    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "earlier print");
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList {MatrixAllDocumentName});
}

} // namespace
