// The actual-size pages as real PDFs through PdfSurface, measured with poppler:
// the places of the numbers as a reader sees them, the paper, the page counts.
#include "actualsizepages.h"
#include "chart.h"
#include "pdfdocument.h"
#include "pdfsurface.h"
#include "pdftools.h"
#include "printtestdata.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using actualsize::Paper;

constexpr double PointsPerMillimetre = 72 / 25.4;

struct Word
{
    QRectF box; // millimetres from the page's top-left corner
    QString text;
};
using Page = QList<Word>;

// Every page's words with their boxes, as pdftotext -bbox reads them.
QList<Page> readWords(const QString &pdf)
{
    const QString html = runTool("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression word("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                         "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<");
    QList<Page> pages;
    for (const QString &page : html.split(QStringLiteral("<page ")).mid(1)) {
        Page words;
        for (const QRegularExpressionMatch &match : word.globalMatch(page)) {
            const auto at
                = [&](int i) { return match.captured(i).toDouble() / PointsPerMillimetre; };
            words.append({QRectF(QPointF(at(1), at(2)), QPointF(at(3), at(4))), match.captured(5)});
        }
        pages.append(words);
    }
    return pages;
}

// The word after the one that reads label: "列" "56–109" gives 56 and 109.
std::pair<int, int> rangeAfter(const Page &page, const QString &label)
{
    for (qsizetype i = 0; i + 1 < page.size(); ++i) {
        if (page[i].text == label) {
            const QStringList ends = page[i + 1].text.split(QChar(u'–'));
            if (ends.size() == 2)
                return {ends[0].toInt(), ends[1].toInt()};
        }
    }
    return {0, 0};
}

struct Document
{
    double size;
    Paper paper;
    QString path;
};

class ActualSizePdfTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ensureGuiApplication();
        if (!pdfTestObstacle().isEmpty())
            return;
        modShared model;
        fillModel(model);
        chart = new chart::Chart(chart::chartFromAnalysis(model, modShared::MaxColors));
        directory = new QTemporaryDir;
        PdfSurface surface;
        for (const double size : {5.0, 2.6, 30.0, 2.4}) {
            for (const Paper paper : {Paper::A4, Paper::A3}) {
                actualsize::Options options;
                options.pieceSize = size;
                options.paper = paper;
                options.board = 29;
                options.title = QStringLiteral("絵柄.bmp");
                const QString path = directory->filePath(
                    QStringLiteral("%1-%2.pdf").arg(size).arg(paper == Paper::A3 ? 3 : 4));
                actualsize::setUpActualSize(surface, options, path);
                actualsize::printActualSize(surface, *chart, options);
                documents.append({size, paper, path});
            }
        }
    }
    static void TearDownTestSuite()
    {
        delete directory;
        delete chart;
    }
    void SetUp() override
    {
        if (const QString obstacle = pdfTestObstacle(); !obstacle.isEmpty())
            GTEST_SKIP() << obstacle.toStdString();
    }

    static QString pathOf(double size, Paper paper)
    {
        for (const Document &document : std::as_const(documents)) {
            if (document.size == size && document.paper == paper)
                return document.path;
        }
        return {};
    }

    // Checks that the tile pages number every cell once, with the chart's
    // number, centred on its cell, at the piece's pitch.
    static void expectEveryCellOnce(double size, Paper paper)
    {
        SCOPED_TRACE(::testing::Message() << size << " mm");
        const QList<Page> pages = readWords(pathOf(size, paper));
        ASSERT_GT(pages.size(), 1);
        // Where the grid's first drawn cell begins on every page.
        const QPointF gridCorner(PdfMargins.left() + actualsize::MarkBand + actualsize::LabelBand,
            PdfMargins.top() + actualsize::HeadingBand + actualsize::LabelBand
                + actualsize::MarkBand);
        QMap<QPair<int, int>, int> seen;
        int misplaced = 0;
        int wrong = 0;
        for (qsizetype p = 1; p < pages.size(); ++p) {
            const auto [firstColumn, lastColumn] = rangeAfter(pages[p], QStringLiteral("列"));
            const auto [firstRow, lastRow] = rangeAfter(pages[p], QStringLiteral("行"));
            ASSERT_GT(firstColumn, 0) << "page " << p + 1;
            ASSERT_GT(firstRow, 0) << "page " << p + 1;
            // A page after the first of its row or column begins with the shared one.
            const int drawnColumn = firstColumn - (firstColumn > 1 ? 1 : 0);
            const int drawnRow = firstRow - (firstRow > 1 ? 1 : 0);
            // Per row of cells, the centres of its first and last numbers.
            QMap<int, std::pair<double, double>> rowEnds;
            for (const Word &word : pages[p]) {
                const QPointF centre = word.box.center() - gridCorner;
                if (centre.x() < 0 || centre.y() < 0)
                    continue; // the heading and the block labels
                const int column = drawnColumn + int(std::floor(centre.x() / size));
                const int row = drawnRow + int(std::floor(centre.y() / size));
                const double offCentre = std::abs(centre.x() - (column - drawnColumn + 0.5) * size);
                misplaced += offCentre > 0.05;
                ++seen[{row, column}];
                wrong += word.text != QString::number(chart->cell(row, column));
                if (row >= firstRow && row <= lastRow && column >= firstColumn
                    && column <= lastColumn) {
                    auto &ends = rowEnds[row];
                    if (column == firstColumn)
                        ends.first = centre.x();
                    if (column == lastColumn)
                        ends.second = centre.x();
                }
            }
            EXPECT_EQ(rowEnds.size(), lastRow - firstRow + 1) << "page " << p + 1;
            for (const auto &[first, last] : std::as_const(rowEnds)) {
                const double pitch = (last - first) / (lastColumn - firstColumn);
                EXPECT_NEAR(pitch, size, size * 0.001) << "page " << p + 1;
            }
        }
        EXPECT_EQ(misplaced, 0);
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(seen.size(), chart::Chart::Rows * chart::Chart::Columns);
        EXPECT_EQ(std::count_if(seen.begin(), seen.end(), [](int n) { return n != 1; }), 0);
    }

    static inline chart::Chart *chart = nullptr;
    static inline QTemporaryDir *directory = nullptr;
    static inline QList<Document> documents;
};

TEST_F(ActualSizePdfTest, TilesTheChartInTheOrientationOfFewerPages)
{
    const struct
    {
        double size;
        Paper paper;
        int pages; // the cover and the tiles, counted by hand from the printable area
        bool landscape;
    } cases[] = {
        {5, Paper::A4, 1 + 3 * 4, true},
        {5, Paper::A3, 1 + 3 * 2, false},
        {2.6, Paper::A4, 1 + 2 * 2, true},
        {2.6, Paper::A3, 1 + 2 * 1, false},
        {30, Paper::A4, 1 + 20 * 24, true},
        {30, Paper::A3, 1 + 20 * 10, false},
    };
    for (const auto &expected : cases) {
        SCOPED_TRACE(::testing::Message() << expected.size << " mm");
        const QString pdf = pathOf(expected.size, expected.paper);
        const QString info = runTool("pdfinfo", {"-f", "1", "-l", "1000", pdf});
        EXPECT_TRUE(info.contains(
            QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(expected.pages))));
        // Every page the paper's size in points, turned as expected.
        const QSizeF paper
            = expected.paper == Paper::A3 ? QSizeF(841.89, 1190.55) : QSizeF(595.276, 841.89);
        const QSizeF turned = expected.landscape ? paper.transposed() : paper;
        static const QRegularExpression sizeLine("size:\\s+([\\d.]+) x ([\\d.]+) pts \\((A\\d)\\)");
        int right = 0;
        for (const QRegularExpressionMatch &match : sizeLine.globalMatch(info)) {
            right += std::abs(match.captured(1).toDouble() - turned.width()) < 1
                && std::abs(match.captured(2).toDouble() - turned.height()) < 1
                && match.captured(3) == (expected.paper == Paper::A3 ? "A3" : "A4");
        }
        EXPECT_EQ(right, expected.pages);
    }
}

TEST_F(ActualSizePdfTest, EveryCellsNumberOnceAtThePiecesPitch)
{
    expectEveryCellOnce(5, Paper::A4);
    expectEveryCellOnce(2.6, Paper::A3);
    expectEveryCellOnce(30, Paper::A3);
}

TEST_F(ActualSizePdfTest, BelowTwoAndAHalfMillimetresNumbersAreLeftOutAndThePagesSaySo)
{
    const QList<Page> pages = readWords(pathOf(2.4, Paper::A4));
    ASSERT_EQ(pages.size(), 1 + 2 * 2);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QString text;
        int numbers = 0;
        for (const Word &word : pages[p]) {
            text += word.text;
            numbers
                += word.box.top() > 30 && QRegularExpression("^\\d+$").match(word.text).hasMatch();
        }
        EXPECT_TRUE(text.contains(QStringLiteral("色番号は省いています"))) << p;
        // On the pages of cells, only the block numbers beside the grid.
        if (p > 0) {
            EXPECT_LE(numbers, 12) << p;
        }
    }
}

TEST_F(ActualSizePdfTest, NumbersAreBlackOnLightCellsAndWhiteOnDarkOnes)
{
    constexpr int Dpi = 300;
    const QString base = directory->filePath("tile");
    runTool("pdftoppm",
        {"-png", "-singlefile", "-f", "2", "-l", "2", "-r", QString::number(Dpi), "-W",
            QString::number(Dpi * 3), "-H", QString::number(Dpi * 3), pathOf(5, Paper::A4), base});
    const QImage page(base + ".png");
    ASSERT_FALSE(page.isNull());
    // The first page of cells begins at the top-left cell, unshared.
    const QPointF corner(PdfMargins.left() + actualsize::MarkBand + actualsize::LabelBand,
        PdfMargins.top() + actualsize::HeadingBand + actualsize::LabelBand + actualsize::MarkBand);
    // The darkest and lightest grey in the middle of a cell, where its number is.
    const auto greys = [&](int row, int column) {
        const QPointF centre = corner + QPointF(column - 0.5, row - 0.5) * 5;
        int darkest = 255;
        int lightest = 0;
        for (double dy = -1; dy <= 1; dy += 0.05) {
            for (double dx = -1.2; dx <= 1.2; dx += 0.05) {
                const QPoint at(
                    qRound((centre.x() + dx) * Dpi / 25.4), qRound((centre.y() + dy) * Dpi / 25.4));
                darkest = std::min(darkest, qGray(page.pixel(at)));
                lightest = std::max(lightest, qGray(page.pixel(at)));
            }
        }
        return std::pair {darkest, lightest};
    };
    ASSERT_EQ(chart->cell(3, 5), 3); // black
    EXPECT_GT(greys(3, 5).second, 200);
    ASSERT_EQ(chart->cell(1, 9), 1); // light green
    EXPECT_LT(greys(1, 9).first, 60);
}

TEST_F(ActualSizePdfTest, TheCheckLineIsTenCentimetres)
{
    constexpr int Dpi = 600;
    const QString base = directory->filePath("cover");
    runTool("pdftoppm",
        {"-png", "-gray", "-singlefile", "-f", "1", "-l", "1", "-r", QString::number(Dpi), "-H",
            QString::number(int(45 * Dpi / 25.4)), pathOf(5, Paper::A4), base});
    const QImage page(base + ".png");
    ASSERT_FALSE(page.isNull());
    // The longest dark run of a row near the top: the line, end ticks included.
    int longest = 0;
    for (int y = 0; y < page.height(); ++y) {
        int run = 0;
        for (int x = 0; x < page.width(); ++x) {
            run = qGray(page.pixel(x, y)) < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    EXPECT_NEAR(longest * 25.4 / Dpi, 100.0, 0.1);
    const QString cover = runTool("pdftotext", {"-f", "1", "-l", "1", pathOf(5, Paper::A4), "-"});
    EXPECT_TRUE(cover.contains(QStringLiteral("10 cm")));
    EXPECT_TRUE(cover.contains(QStringLiteral("「実際のサイズ」")));
}

} // namespace
