#include "nearestcolor.h"

#include "labcolor.h"

#include <algorithm>
#include <limits>

namespace prepare {

namespace {

constexpr int MaxCandidates = 8;

} // namespace

NearestColor::NearestColor(std::vector<cmsCIELab> colors, int candidates)
    : m_colors(std::move(colors))
    , m_candidates(candidates > 0 ? std::min(candidates, MaxCandidates) : 0)
{ }

NearestColor::Match NearestColor::operator()(const cmsCIELab &color) const
{
    Match best {0, std::numeric_limits<double>::max()};
    const int count = int(m_colors.size());
    if (m_candidates == 0 || count <= m_candidates) {
        for (int i = 0; i < count; ++i) {
            const double distance = LabColor::distance(color, m_colors[i]);
            if (distance < best.distance)
                best = {i, distance};
        }
        return best;
    }
    // The m_candidates nearest by plain distance, kept sorted.
    std::pair<double, int> nearest[MaxCandidates];
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const double distance = LabColor::squaredPlainDistance(color, m_colors[i]);
        if (kept == m_candidates && distance >= nearest[kept - 1].first)
            continue;
        int at = kept < m_candidates ? kept++ : kept - 1;
        while (at > 0 && nearest[at - 1].first > distance) {
            nearest[at] = nearest[at - 1];
            --at;
        }
        nearest[at] = {distance, i};
    }
    for (int i = 0; i < kept; ++i) {
        // Twice as far by plain distance: on the bench photographs, measuring
        // such colours changed the mean error by under 0.01.
        if (i > 0 && nearest[i].first > 4 * nearest[0].first + 1)
            break;
        const double distance = LabColor::distance(color, m_colors[nearest[i].second]);
        if (distance < best.distance)
            best = {nearest[i].second, distance};
    }
    return best;
}

} // namespace prepare
