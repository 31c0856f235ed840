#include "workbookwriter.h"

#include "archivecheck.h"
#include "outputfile.h"
#include "readablecolor.h"
#include "writefailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <array>
#include <optional>
#include <xlsxwriter.h>

namespace workbook {

namespace {

constexpr quint32 White = 0xffffff;
constexpr quint32 Black = 0x000000;
constexpr int CellPixels = 20;
// A block's own sheet is a pupil's page: larger cells, larger numbers.
constexpr int BlockCellPixels = 36;
// libxlsxwriter's paper code for A4.
constexpr uint8_t PaperA4 = 9;
// Excel's limit of a cell's text, in characters.
constexpr int TextLimit = 32767;

// Which sides of a chart cell carry the thicker border of a block's edge.
enum Edge : int { Left = 1, Right = 2, Top = 4, Bottom = 8 };

int edgesOf(int row, int column)
{
    return ((column - 1) % 10 == 0 ? Left : 0) | (column % 10 == 0 ? Right : 0)
        | ((row - 1) % 10 == 0 ? Top : 0) | (row % 10 == 0 ? Bottom : 0);
}

// libxlsxwriter takes 0 for "no colour" and spells black apart.
lxw_color_t lxwColor(quint32 rgb)
{
    return rgb == Black ? lxw_color_t(LXW_COLOR_BLACK) : lxw_color_t(rgb);
}

QByteArray utf8(const QString &text)
{
    return text.left(TextLimit).toUtf8();
}

// Per colour number 0..colorCount, the pieces in each block by print index.
using BlockCounts = std::array<QList<int>, chart::BlockTotal>;

BlockCounts countBlocks(const chart::Chart &chart)
{
    BlockCounts counts;
    for (int index = 0; index < chart::BlockTotal; ++index) {
        QList<int> &block = counts[std::size_t(index)];
        block.fill(0, chart.colorCount() + 1);
        const chart::BlockPlace place = chart::BlockPlace::fromPrintIndex(index);
        for (int row = place.firstRow(); row < place.firstRow() + 10; ++row) {
            for (int column = place.firstColumn(); column < place.firstColumn() + 10; ++column) {
                const int number = chart.cell(row, column);
                if (number >= 0 && number <= chart.colorCount())
                    ++block[number];
            }
        }
    }
    return counts;
}

class Writer
{
public:
    Writer(lxw_workbook *book, const chart::Chart &chart)
        : m_book(book)
        , m_chart(chart)
        , m_blocks(countBlocks(chart))
    {
        m_text = format();
        m_heading = format();
        format_set_bold(m_heading);
        format_set_align(m_heading, LXW_ALIGN_CENTER);
        format_set_align(m_heading, LXW_ALIGN_VERTICAL_CENTER);
        format_set_border(m_heading, LXW_BORDER_THIN);
        format_set_bg_color(m_heading, lxwColor(0xe8e8e8));
        m_title = format();
        format_set_bold(m_title);
        format_set_font_size(m_title, 14);
        m_bold = format();
        format_set_bold(m_bold);
        m_total = format();
        format_set_bold(m_total);
        format_set_top(m_total, LXW_BORDER_MEDIUM);
        for (int row = 1; row <= chart::Chart::Rows && !m_hasZero; ++row) {
            for (int column = 1; column <= chart::Chart::Columns && !m_hasZero; ++column)
                m_hasZero = chart.cell(row, column) == 0;
        }
        for (const chart::ChartColor &color : chart.colors) {
            m_hasNames |= !color.name.isEmpty();
            m_hasCodes |= !color.code.isEmpty();
        }
    }

    void write()
    {
        writeWhole(sheet(QStringLiteral("全体")));
        writeColors(sheet(QStringLiteral("色")));
        writeBlockTable(sheet(QStringLiteral("ブロック別")));
        for (int index = 0; index < chart::BlockTotal; ++index) {
            const chart::BlockPlace place = chart::BlockPlace::fromPrintIndex(index);
            writeBlock(sheet(chart::blockLabel(place)), place);
        }
    }

private:
    lxw_format *format() { return workbook_add_format(m_book); }

    lxw_worksheet *sheet(const QString &name)
    {
        return workbook_add_worksheet(m_book, utf8(name).constData());
    }

    quint32 fillOf(int number) const
    {
        return number >= 1 && number <= m_chart.colorCount() ? m_chart.color(number).rgb : White;
    }

    // A numbered cell: the number on its colour, a thin border, the thicker
    // one on the sides in edges.
    lxw_format *cellFormat(int number, int edges, bool large = false)
    {
        const quint32 fill = fillOf(number);
        const quint64 key = (quint64(fill) << 8) | quint64(edges) | (large ? 0x80 : 0);
        if (lxw_format *known = m_cells.value(key))
            return known;
        lxw_format *cell = format();
        format_set_pattern(cell, LXW_PATTERN_SOLID);
        format_set_bg_color(cell, lxwColor(fill));
        format_set_font_color(cell, lxwColor(readablecolor::textColor(fill, Black, White)));
        format_set_font_size(cell, large ? 14 : 9);
        format_set_align(cell, LXW_ALIGN_CENTER);
        format_set_align(cell, LXW_ALIGN_VERTICAL_CENTER);
        format_set_border(cell, LXW_BORDER_THIN);
        format_set_border_color(cell, lxwColor(0x808080));
        if (edges & Left) {
            format_set_left(cell, LXW_BORDER_MEDIUM);
            format_set_left_color(cell, LXW_COLOR_BLACK);
        }
        if (edges & Right) {
            format_set_right(cell, LXW_BORDER_MEDIUM);
            format_set_right_color(cell, LXW_COLOR_BLACK);
        }
        if (edges & Top) {
            format_set_top(cell, LXW_BORDER_MEDIUM);
            format_set_top_color(cell, LXW_COLOR_BLACK);
        }
        if (edges & Bottom) {
            format_set_bottom(cell, LXW_BORDER_MEDIUM);
            format_set_bottom_color(cell, LXW_COLOR_BLACK);
        }
        m_cells.insert(key, cell);
        return cell;
    }

    void text(lxw_worksheet *sheet, int row, int column, const QString &value, lxw_format *style)
    {
        worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), utf8(value).constData(),
            style ? style : m_text);
    }

    void number(lxw_worksheet *sheet, int row, int column, double value, lxw_format *style)
    {
        worksheet_write_number(
            sheet, lxw_row_t(row), lxw_col_t(column), value, style ? style : m_text);
    }

    // A SUM over the given range with its value, so that a reader that does
    // not calculate sees the total too.
    void sum(lxw_worksheet *sheet, int row, int column, int firstRow, int firstColumn, int lastRow,
        int lastColumn, int value, lxw_format *style)
    {
        char range[LXW_MAX_CELL_RANGE_LENGTH];
        lxw_rowcol_to_range(range, lxw_row_t(firstRow), lxw_col_t(firstColumn), lxw_row_t(lastRow),
            lxw_col_t(lastColumn));
        const QByteArray formula = QByteArray("=SUM(") + range + ')';
        worksheet_write_formula_num(
            sheet, lxw_row_t(row), lxw_col_t(column), formula.constData(), style, value);
    }

    void squareCells(
        lxw_worksheet *sheet, int firstRow, int rows, int firstColumn, int columns, int pixels)
    {
        worksheet_set_column_pixels(
            sheet, lxw_col_t(firstColumn), lxw_col_t(firstColumn + columns - 1), pixels, nullptr);
        for (int row = firstRow; row < firstRow + rows; ++row)
            worksheet_set_row_pixels(sheet, lxw_row_t(row), pixels, nullptr);
    }

    void pageSetUp(lxw_worksheet *sheet, bool landscape)
    {
        worksheet_set_paper(sheet, PaperA4);
        if (landscape)
            worksheet_set_landscape(sheet);
        else
            worksheet_set_portrait(sheet);
        worksheet_fit_to_pages(sheet, 1, 1);
        worksheet_center_horizontally(sheet);
        worksheet_set_margins(sheet, 0.4, 0.4, 0.5, 0.5);
    }

    // Chart cells from row 1, column 1 of the sheet: the block letters on
    // row 0, the block numbers in column 0.
    void writeWhole(lxw_worksheet *sheet)
    {
        squareCells(sheet, 0, chart::Chart::Rows + 1, 1, chart::Chart::Columns, CellPixels);
        worksheet_set_column_pixels(sheet, 0, 0, CellPixels + 8, nullptr);
        for (int x = 0; x < chart::BlocksAcross; ++x) {
            const QByteArray letter = QByteArray(1, char('A' + x));
            worksheet_merge_range(sheet, 0, lxw_col_t(10 * x + 1), 0, lxw_col_t(10 * x + 10),
                letter.constData(), m_heading);
        }
        for (int y = 0; y < chart::BlocksDown; ++y) {
            const QByteArray label = QByteArray::number(y + 1);
            worksheet_merge_range(sheet, lxw_row_t(10 * y + 1), 0, lxw_row_t(10 * y + 10), 0,
                label.constData(), m_heading);
        }
        for (int row = 1; row <= chart::Chart::Rows; ++row) {
            for (int column = 1; column <= chart::Chart::Columns; ++column) {
                const int n = m_chart.cell(row, column);
                number(sheet, row, column, n, cellFormat(n, edgesOf(row, column)));
            }
        }
        worksheet_freeze_panes(sheet, 1, 1);
        pageSetUp(sheet, true);
    }

    QString nameOf(int number) const
    {
        return number == 0 ? QStringLiteral("番号なし") : m_chart.color(number).name;
    }

    // The colour numbers of the tables: 1..colorCount, then 0 where cells have none.
    QList<int> tableNumbers() const
    {
        QList<int> numbers;
        for (int n = 1; n <= m_chart.colorCount(); ++n)
            numbers.append(n);
        if (m_hasZero)
            numbers.append(0);
        return numbers;
    }

    int piecesOf(int number) const
    {
        if (number != 0)
            return m_chart.color(number).pieces;
        int pieces = 0;
        for (const QList<int> &block : m_blocks)
            pieces += block[0];
        return pieces;
    }

    void writeColors(lxw_worksheet *sheet)
    {
        QStringList headings {QStringLiteral("番号"), QStringLiteral("色"), QStringLiteral("R"),
            QStringLiteral("G"), QStringLiteral("B")};
        if (m_hasNames)
            headings << QStringLiteral("名前");
        if (m_hasCodes)
            headings << QStringLiteral("コード");
        headings << QStringLiteral("個数");
        for (int column = 0; column < headings.size(); ++column)
            text(sheet, 0, column, headings[column], m_heading);
        worksheet_set_column(sheet, 0, 4, 7, nullptr);
        if (m_hasNames || m_hasCodes)
            worksheet_set_column(sheet, 5, lxw_col_t(headings.size() - 2), 18, nullptr);
        worksheet_set_column(
            sheet, lxw_col_t(headings.size() - 1), lxw_col_t(headings.size() - 1), 9, nullptr);

        const QList<int> numbers = tableNumbers();
        int row = 1;
        int total = 0;
        const int piecesColumn = int(headings.size()) - 1;
        for (const int n : numbers) {
            const quint32 rgb = fillOf(n);
            number(sheet, row, 0, n, nullptr);
            worksheet_write_blank(sheet, lxw_row_t(row), 1, cellFormat(n, 0));
            // Cells without a number are white, but no piece is: no RGB for them.
            if (n != 0) {
                number(sheet, row, 2, (rgb >> 16) & 0xff, nullptr);
                number(sheet, row, 3, (rgb >> 8) & 0xff, nullptr);
                number(sheet, row, 4, rgb & 0xff, nullptr);
            }
            int column = 5;
            if (m_hasNames)
                text(sheet, row, column++, nameOf(n), nullptr);
            if (m_hasCodes && n != 0)
                text(sheet, row, column, m_chart.color(n).code, nullptr);
            const int pieces = piecesOf(n);
            number(sheet, row, piecesColumn, pieces, nullptr);
            total += pieces;
            ++row;
        }
        text(sheet, row, 0, QStringLiteral("合計"), m_total);
        for (int column = 1; column < piecesColumn; ++column)
            worksheet_write_blank(sheet, lxw_row_t(row), lxw_col_t(column), m_total);
        sum(sheet, row, piecesColumn, 1, piecesColumn, row - 1, piecesColumn, total, m_total);
        worksheet_freeze_panes(sheet, 1, 0);
        pageSetUp(sheet, false);
    }

    void writeBlockTable(lxw_worksheet *sheet)
    {
        const bool hasBuilders = !m_chart.builders.isEmpty();
        const int firstCount = hasBuilders ? 2 : 1;
        const QList<int> numbers = tableNumbers();
        const int totalColumn = firstCount + int(numbers.size());
        text(sheet, 0, 0, QStringLiteral("ブロック"), m_heading);
        if (hasBuilders)
            text(sheet, 0, 1, QStringLiteral("制作者"), m_heading);
        for (int k = 0; k < numbers.size(); ++k)
            number(sheet, 0, firstCount + k, numbers[k], cellFormat(numbers[k], 0));
        text(sheet, 0, totalColumn, QStringLiteral("合計"), m_heading);
        worksheet_set_column(sheet, 0, 0, 9, nullptr);
        if (hasBuilders)
            worksheet_set_column(sheet, 1, 1, 16, nullptr);
        worksheet_set_column_pixels(
            sheet, lxw_col_t(firstCount), lxw_col_t(totalColumn - 1), CellPixels + 12, nullptr);

        QList<int> columnTotals(numbers.size(), 0);
        for (int index = 0; index < chart::BlockTotal; ++index) {
            const int row = index + 1;
            const chart::BlockPlace place = chart::BlockPlace::fromPrintIndex(index);
            text(sheet, row, 0, chart::blockLabel(place), nullptr);
            if (hasBuilders)
                text(sheet, row, 1, m_chart.builder(place), nullptr);
            const QList<int> &block = m_blocks[std::size_t(index)];
            int blockTotal = 0;
            for (int k = 0; k < numbers.size(); ++k) {
                const int pieces = block[numbers[k]];
                // An empty cell reads better than a table full of zeros.
                if (pieces != 0)
                    number(sheet, row, firstCount + k, pieces, nullptr);
                blockTotal += pieces;
                columnTotals[k] += pieces;
            }
            sum(sheet, row, totalColumn, row, firstCount, row, totalColumn - 1, blockTotal, m_bold);
        }
        const int totalRow = chart::BlockTotal + 1;
        text(sheet, totalRow, 0, QStringLiteral("合計"), m_total);
        if (hasBuilders)
            worksheet_write_blank(sheet, lxw_row_t(totalRow), 1, m_total);
        int all = 0;
        for (int k = 0; k < numbers.size(); ++k) {
            sum(sheet, totalRow, firstCount + k, 1, firstCount + k, totalRow - 1, firstCount + k,
                columnTotals[k], m_total);
            all += columnTotals[k];
        }
        sum(sheet, totalRow, totalColumn, 1, totalColumn, totalRow - 1, totalColumn, all, m_total);
        worksheet_freeze_panes(sheet, 1, lxw_col_t(firstCount));
        pageSetUp(sheet, true);
        worksheet_fit_to_pages(sheet, 1, 0);
        worksheet_repeat_rows(sheet, 0, 0);
    }

    // The block's cells at rows 1..10, columns 0..9 of its sheet, its title
    // above, and the key of its colours to the right.
    void writeBlock(lxw_worksheet *sheet, chart::BlockPlace place)
    {
        QString title = QStringLiteral("ブロック %1").arg(chart::blockLabel(place));
        if (const QString builder = m_chart.builder(place); !builder.isEmpty())
            title += QStringLiteral("　制作: ") + builder;
        text(sheet, 0, 0, title, m_title);
        worksheet_set_row_pixels(sheet, 0, 28, nullptr);
        squareCells(sheet, 1, 10, 0, 10, BlockCellPixels);
        for (int i = 0; i < 10; ++i) {
            for (int j = 0; j < 10; ++j) {
                const int row = place.firstRow() + i;
                const int column = place.firstColumn() + j;
                const int n = m_chart.cell(row, column);
                number(sheet, i + 1, j, n, cellFormat(n, edgesOf(row, column), true));
            }
        }

        constexpr int Key = 11;
        worksheet_set_column_pixels(sheet, 10, 10, CellPixels / 2, nullptr);
        worksheet_set_column(sheet, Key, Key + 1, 5, nullptr);
        worksheet_set_column(sheet, Key + 2, Key + 2, 16, nullptr);
        worksheet_set_column(sheet, Key + 3, Key + 3, 6, nullptr);
        text(sheet, 1, Key, QStringLiteral("番号"), m_heading);
        text(sheet, 1, Key + 1, QStringLiteral("色"), m_heading);
        text(sheet, 1, Key + 2, QStringLiteral("名前"), m_heading);
        text(sheet, 1, Key + 3, QStringLiteral("個数"), m_heading);
        const QList<int> &block = m_blocks[std::size_t(place.printIndex())];
        int row = 2;
        for (const int n : tableNumbers()) {
            if (block[n] == 0)
                continue;
            number(sheet, row, Key, n, nullptr);
            worksheet_write_blank(sheet, lxw_row_t(row), Key + 1, cellFormat(n, 0));
            text(sheet, row, Key + 2, nameOf(n), nullptr);
            number(sheet, row, Key + 3, block[n], nullptr);
            ++row;
        }
        pageSetUp(sheet, false);
    }

    lxw_workbook *m_book;
    const chart::Chart &m_chart;
    const BlockCounts m_blocks;
    QHash<quint64, lxw_format *> m_cells;
    lxw_format *m_text = nullptr;
    lxw_format *m_heading = nullptr;
    lxw_format *m_title = nullptr;
    lxw_format *m_bold = nullptr;
    lxw_format *m_total = nullptr;
    bool m_hasZero = false;
    bool m_hasNames = false;
    bool m_hasCodes = false;
};

WriteResult failed(WriteResult::Failure failure, const QString &path)
{
    return {failure,
        writeFailureText(
            failure == WriteResult::Failure::Create ? WriteFailure::Create : WriteFailure::Write,
            path)};
}

// The workbook's bytes, or nothing when they could not be made. libxlsxwriter
// writes only to a path: a private folder holds that file and the library's
// own temporary files, and goes with them.
std::optional<QByteArray> workbookBytes(const chart::Chart &chart)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return std::nullopt;
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("chart.xlsx")));
    QByteArray tmpdir = QFile::encodeName(folder.path());
    lxw_workbook_options options {};
    options.tmpdir = tmpdir.data();
    lxw_workbook *book = workbook_new_opt(path.constData(), &options);
    if (!book)
        return std::nullopt;
    Writer(book, chart).write();
    if (workbook_close(book) != LXW_NO_ERROR)
        return std::nullopt;
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (!isCompleteWorkbook(bytes))
        return std::nullopt;
    return bytes;
}

} // namespace

QString workbookFileName(const QString &picturePath)
{
    return QFileInfo(picturePath).completeBaseName() + QStringLiteral(".xlsx");
}

WriteResult writeWorkbook(const chart::Chart &chart, const QString &path, const QStringList &inputs)
{
    if (!replacedInput(path, inputs).isEmpty())
        return {WriteResult::Failure::ReplacesInput,
            writeFailureText(WriteFailure::ReplacesInput, path)};
    // Opened first: a folder that takes no file is reported before the work.
    OutputFile file(path);
    if (!file.open())
        return failed(WriteResult::Failure::Create, path);
    const std::optional<QByteArray> bytes = workbookBytes(chart);
    if (!bytes || file.device().write(*bytes) != bytes->size() || !file.commit())
        return failed(WriteResult::Failure::Write, path);
    return {};
}

} // namespace workbook
