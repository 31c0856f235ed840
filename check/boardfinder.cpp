#include "boardfinder.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace check {

namespace {

// The outline is found at this size: enough for a quarter of a cell of a
// 29 x 29 board that fills a third of the photo, and quick.
constexpr int FindingSize = 800;
// A board covers at least this share of the photo.
constexpr double MinBoardShare = 0.04;

// The median of each channel of the image's outer strip: the background.
cv::Vec3f borderMedian(const cv::Mat &lab, int strip, float &spread)
{
    std::vector<float> channels[3];
    std::vector<cv::Vec3f> pixels;
    for (int y = 0; y < lab.rows; ++y) {
        for (int x = 0; x < lab.cols; ++x) {
            if (y >= strip && y < lab.rows - strip && x >= strip && x < lab.cols - strip)
                continue;
            const cv::Vec3b p = lab.at<cv::Vec3b>(y, x);
            pixels.emplace_back(p[0], p[1], p[2]);
            for (int c = 0; c < 3; ++c)
                channels[c].push_back(p[c]);
        }
    }
    cv::Vec3f median;
    for (int c = 0; c < 3; ++c) {
        auto middle = channels[c].begin() + channels[c].size() / 2;
        std::nth_element(channels[c].begin(), middle, channels[c].end());
        median[c] = *middle;
    }
    std::vector<float> distances;
    distances.reserve(pixels.size());
    for (const cv::Vec3f &p : pixels)
        distances.push_back(float(cv::norm(p - median)));
    auto middle = distances.begin() + distances.size() / 2;
    std::nth_element(distances.begin(), middle, distances.end());
    spread = *middle;
    return median;
}

// The four corners of a convex outline, clockwise from the top-left, as the
// corners of the lines fitted to its four sides: the pieces' rounded corners
// would pull the outline's own points inwards.
std::optional<std::array<cv::Point2f, 4>> straightenedQuad(const std::vector<cv::Point> &contour)
{
    std::vector<cv::Point> hull;
    cv::convexHull(contour, hull);
    const double perimeter = cv::arcLength(hull, true);
    std::vector<cv::Point> quad;
    for (double share = 0.01; share <= 0.1 && quad.size() != 4; share += 0.01)
        cv::approxPolyDP(hull, quad, share * perimeter, true);
    if (quad.size() != 4)
        return std::nullopt;
    cv::Point2f centre(0, 0);
    for (const cv::Point &p : quad)
        centre += cv::Point2f(p) * 0.25f;
    std::sort(quad.begin(), quad.end(), [centre](cv::Point a, cv::Point b) {
        return std::atan2(a.y - centre.y, a.x - centre.x)
            < std::atan2(b.y - centre.y, b.x - centre.x);
    });
    const auto topLeft = std::min_element(
        quad.begin(), quad.end(), [](cv::Point a, cv::Point b) { return a.x + a.y < b.x + b.y; });
    std::rotate(quad.begin(), topLeft, quad.end());

    // Each side's line through the contour points along its middle part.
    std::array<cv::Vec4f, 4> lines;
    for (int side = 0; side < 4; ++side) {
        const cv::Point2f a = quad[side], b = quad[(side + 1) % 4];
        const cv::Point2f direction = b - a;
        const float length = float(cv::norm(direction));
        if (length < 1)
            return std::nullopt;
        const cv::Point2f unit = direction / length;
        std::vector<cv::Point2f> near;
        for (const cv::Point &p : contour) {
            const cv::Point2f d = cv::Point2f(p) - a;
            const float along = d.dot(unit) / length;
            const float across = std::abs(d.x * unit.y - d.y * unit.x);
            if (along > 0.15f && along < 0.85f && across < 0.03f * length)
                near.push_back(p);
        }
        if (near.size() < 5)
            lines[side] = cv::Vec4f(unit.x, unit.y, a.x, a.y);
        else
            cv::fitLine(near, lines[side], cv::DIST_HUBER, 0, 0.01, 0.01);
    }
    std::array<cv::Point2f, 4> corners;
    for (int corner = 0; corner < 4; ++corner) {
        const cv::Vec4f &l1 = lines[(corner + 3) % 4];
        const cv::Vec4f &l2 = lines[corner];
        const float det = l1[0] * l2[1] - l1[1] * l2[0];
        if (std::abs(det) < 1e-3f)
            return std::nullopt;
        const float t = ((l2[2] - l1[2]) * l2[1] - (l2[3] - l1[3]) * l2[0]) / det;
        corners[corner] = cv::Point2f(l1[2] + t * l1[0], l1[3] + t * l1[1]);
    }
    return corners;
}

} // namespace

std::optional<Corners> findBoard(const QImage &photo)
{
    if (photo.isNull() || photo.width() < 16 || photo.height() < 16)
        return std::nullopt;
    const QImage rgb = photo.convertToFormat(QImage::Format_RGB888);
    const cv::Mat full(rgb.height(), rgb.width(), CV_8UC3, const_cast<uchar *>(rgb.constBits()),
        std::size_t(rgb.bytesPerLine()));
    const double factor = std::min(1.0, double(FindingSize) / std::max(rgb.width(), rgb.height()));
    cv::Mat small;
    cv::resize(full, small, cv::Size(), factor, factor, cv::INTER_AREA);
    cv::Mat lab;
    cv::cvtColor(small, lab, cv::COLOR_RGB2Lab);
    cv::GaussianBlur(lab, lab, cv::Size(5, 5), 0);

    const int strip = std::max(2, std::min(lab.rows, lab.cols) / 50);
    float spread = 0;
    const cv::Vec3f background = borderMedian(lab, strip, spread);
    cv::Mat mask(lab.size(), CV_8U);
    const float threshold = std::max(20.0f, 4 * spread);
    for (int y = 0; y < lab.rows; ++y) {
        for (int x = 0; x < lab.cols; ++x) {
            const cv::Vec3b p = lab.at<cv::Vec3b>(y, x);
            mask.at<uchar>(y, x)
                = cv::norm(cv::Vec3f(p[0], p[1], p[2]) - background) > threshold ? 255 : 0;
        }
    }
    const int size = std::max(3, std::max(lab.rows, lab.cols) / 60) | 1;
    const cv::Mat kernel = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(size, size));
    cv::morphologyEx(mask, mask, cv::MORPH_CLOSE, kernel);
    cv::morphologyEx(mask, mask, cv::MORPH_OPEN, kernel);

    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(mask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    const auto largest = std::max_element(contours.begin(), contours.end(),
        [](const auto &a, const auto &b) { return cv::contourArea(a) < cv::contourArea(b); });
    if (largest == contours.end()
        || cv::contourArea(*largest) < MinBoardShare * double(lab.rows) * lab.cols)
        return std::nullopt;
    // A board cut off by the photo's edge has no four corners to find.
    const cv::Rect bounds = cv::boundingRect(*largest);
    if (bounds.x <= 1 || bounds.y <= 1 || bounds.x + bounds.width >= lab.cols - 1
        || bounds.y + bounds.height >= lab.rows - 1)
        return std::nullopt;
    const auto quad = straightenedQuad(*largest);
    if (!quad)
        return std::nullopt;
    Corners corners;
    for (int i = 0; i < 4; ++i) {
        // Pixel centres: a pixel x of the small image covers x .. x + 1.
        corners[i] = QPointF(((*quad)[i].x + 0.5) / factor, ((*quad)[i].y + 0.5) / factor);
        corners[i].setX(std::clamp(corners[i].x(), 0.0, double(rgb.width())));
        corners[i].setY(std::clamp(corners[i].y(), 0.0, double(rgb.height())));
    }
    return corners;
}

QTransform areaToPhoto(const Corners &corners, const Area &area)
{
    const cv::Point2f from[4] = {{0, 0}, {float(area.width), 0},
        {float(area.width), float(area.height)}, {0, float(area.height)}};
    cv::Point2f to[4];
    for (int i = 0; i < 4; ++i)
        to[i] = cv::Point2f(float(corners[i].x()), float(corners[i].y()));
    const cv::Mat h = cv::getPerspectiveTransform(from, to);
    if (h.empty() || !std::isfinite(cv::sum(h)[0]))
        return {};
    // OpenCV maps column vectors, Qt row vectors: the transpose.
    const auto m = [&h](int row, int column) { return h.at<double>(row, column); };
    return QTransform(
        m(0, 0), m(1, 0), m(2, 0), m(0, 1), m(1, 1), m(2, 1), m(0, 2), m(1, 2), m(2, 2));
}

} // namespace check
