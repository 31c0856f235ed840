#include "recordingsurface.h"

#include <QFileInfo>
#include <algorithm>
#include <iterator>

namespace {

constexpr double MillimetresPerPoint = 25.4 / 72.0;

template<typename Drawing> QList<Drawing> onPage(const QList<Drawing> &drawings, int page)
{
    QList<Drawing> found;
    std::copy_if(drawings.begin(), drawings.end(), std::back_inserter(found),
        [page](const Drawing &drawing) { return drawing.page == page; });
    return found;
}

} // namespace

RecordingSurface::RecordingSurface(QSizeF printableArea)
    : m_coordinates(printableArea)
{ }

void RecordingSurface::scale(double x1, double y1, double x2, double y2)
{
    m_coordinates.setUserScale(x1, y1, x2, y2);
    userScale = QRectF(QPointF(x1, y1), QPointF(x2, y2));
}

void RecordingSurface::print(const QList<PrintItem> &items)
{
    texts.append(
        {pageForDrawing(), m_position, printedText(items), m_fontName, m_fontSize, m_foreColor});
    m_position = m_coordinates.nextLine(m_position, m_fontSize * MillimetresPerPoint);
}

double RecordingSurface::textWidth(const QString &text)
{
    return double(text.size()) * m_fontSize * MillimetresPerPoint / 2
        / m_coordinates.toMillimetres(QSizeF(1, 1)).width();
}

double RecordingSurface::textHeight()
{
    return m_fontSize * MillimetresPerPoint / m_coordinates.toMillimetres(QSizeF(1, 1)).height();
}

void RecordingSurface::line(double x, double y, double width, double height,
    std::optional<int32_t> color, LineOption option)
{
    boxes.append({pageForDrawing(), QRectF(x, y, width, height), color, option});
}

void RecordingSurface::setDocumentPath(const QString &path)
{
    documentPath = path;
    documentName = QFileInfo(path).fileName();
    m_savedPdfPath.clear();
}

void RecordingSurface::endDoc()
{
    if (m_page > 0) {
        endedDocuments.prepend(m_page);
        if (savesPdf)
            m_savedPdfPath = documentPath;
    }
    m_page = 0;
    m_newPagePending = false;
}

QList<RecordingSurface::Text> RecordingSurface::textsOnPage(int page) const
{
    return onPage(texts, page);
}

QList<RecordingSurface::Box> RecordingSurface::boxesOnPage(int page) const
{
    return onPage(boxes, page);
}

int RecordingSurface::pageForDrawing()
{
    if (m_page == 0 || m_newPagePending)
        ++m_page;
    m_newPagePending = false;
    return m_page;
}
