#include "colorfit.h"

#include "labcolor.h"

#include <algorithm>
#include <cmath>

namespace check {

namespace {

constexpr int Iterations = 10;
// Tukey's constant for 95 % efficiency, and a floor under the cut-off so that a
// near-perfect photo does not turn its ordinary noise into outliers.
constexpr double TukeyConstant = 4.685;
constexpr double MinCutoff = 10;
// A wrong piece is nearer another colour by this factor, and at least this
// far (CIEDE2000) from the expected one, and the two colours themselves are at
// least NearColors apart: pieces of near colours never raise an alarm.
constexpr double ClearlyNearer = 0.5;
constexpr double MinWrongDistance = 12;
constexpr double WrongSpreads = 3;
// A cell fits its expected colour within this distance after correction; the
// share of such cells tells a photo of the area from one of anything else.
constexpr double FitDistance = 15;
constexpr double NearColors = 10;

template<int N> using Vector = std::array<double, N>;
template<int N> using Matrix = std::array<Vector<N>, N>;

// Solves m x = v by Gaussian elimination with partial pivoting; false when
// m is singular.
template<int N> bool solve(Matrix<N> m, Vector<N> &v)
{
    for (int column = 0; column < N; ++column) {
        int pivot = column;
        for (int row = column + 1; row < N; ++row) {
            if (std::abs(m[row][column]) > std::abs(m[pivot][column]))
                pivot = row;
        }
        if (std::abs(m[pivot][column]) < 1e-12)
            return false;
        std::swap(m[pivot], m[column]);
        std::swap(v[pivot], v[column]);
        for (int row = column + 1; row < N; ++row) {
            const double factor = m[row][column] / m[column][column];
            for (int k = column; k < N; ++k)
                m[row][k] -= factor * m[column][k];
            v[row] -= factor * v[column];
        }
    }
    for (int row = N - 1; row >= 0; --row) {
        for (int k = row + 1; k < N; ++k)
            v[row] -= m[row][k] * v[k];
        v[row] /= m[row][row];
    }
    return true;
}

bool invert3(const Matrix<3> &a, Matrix<3> &inverse)
{
    const double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1])
        - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0])
        + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    if (std::abs(det) < 1e-9)
        return false;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
            inverse[r][c] = (a[r1][c1] * a[r2][c2] - a[r1][c2] * a[r2][c1]) / det;
        }
    }
    return true;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

Vector<6> gainTerms(const CellReading &reading)
{
    const double x = reading.x, y = reading.y;
    return {1, x, y, x * x, x * y, y * y};
}

struct Model
{
    Matrix<3> a {}; // row c: how channel c of the photo takes the chart's red, green, blue
    Vector<3> b {};
    Vector<6> gain {}; // the exponent's coefficients, see gainTerms()

    double gainAt(const CellReading &reading) const
    {
        const Vector<6> terms = gainTerms(reading);
        double exponent = 0;
        for (int k = 0; k < 6; ++k)
            exponent += gain[k] * terms[k];
        return std::exp(std::clamp(exponent, -5.0, 5.0));
    }
};

// The matrix and offset for the present gains and weights, each channel's
// least squares drawn towards a plain per-channel gain.
void fitTransform(Model &model, const std::vector<CellReading> &readings,
    const std::vector<LinearRgb> &expected, const std::vector<double> &gains,
    const std::vector<double> &weights)
{
    double total = 0;
    for (double w : weights)
        total += w;
    for (int c = 0; c < 3; ++c) {
        // Relative rather than absolute errors, tempered: a dark colour's
        // errors are small in linear light but not to the eye.
        double num = 0, den = 0;
        Matrix<4> normal {};
        Vector<4> rhs {};
        for (std::size_t k = 0; k < readings.size(); ++k) {
            if (weights[k] <= 0)
                continue;
            const LinearRgb &e = expected[k];
            const double w = weights[k] / (e[c] + 0.05);
            const double o = readings[k].observed[c] / gains[k];
            num += w * o * e[c];
            den += w * e[c] * e[c];
            const Vector<4> f {e[0], e[1], e[2], 1};
            for (int i = 0; i < 4; ++i) {
                for (int j = 0; j < 4; ++j)
                    normal[i][j] += w * f[i] * f[j];
                rhs[i] += w * f[i] * o;
            }
        }
        Vector<4> prior {};
        prior[c] = den > 0 ? num / den : 1;
        const double ridge = 0.02 * std::max(total, 1.0);
        for (int i = 0; i < 4; ++i) {
            normal[i][i] += ridge;
            rhs[i] += ridge * prior[i];
        }
        if (!solve<4>(normal, rhs))
            rhs = prior;
        for (int i = 0; i < 3; ++i)
            model.a[c][i] = rhs[i];
        model.b[c] = rhs[3];
    }
}

// The gain across the board for the present transform: the log of observed
// over predicted light, brighter channels counting more.
void fitGain(Model &model, const std::vector<CellReading> &readings,
    const std::vector<LinearRgb> &expected, const std::vector<double> &weights)
{
    Matrix<6> normal {};
    Vector<6> rhs {};
    double total = 0;
    for (std::size_t k = 0; k < readings.size(); ++k) {
        if (weights[k] <= 0)
            continue;
        double logRatio = 0, sum = 0;
        for (int c = 0; c < 3; ++c) {
            double predicted = model.b[c];
            for (int i = 0; i < 3; ++i)
                predicted += model.a[c][i] * expected[k][i];
            predicted = std::max(predicted, 1e-3);
            logRatio += predicted * std::log(std::max(readings[k].observed[c], 1e-3) / predicted);
            sum += predicted;
        }
        logRatio /= sum;
        const Vector<6> terms = gainTerms(readings[k]);
        for (int i = 0; i < 6; ++i) {
            for (int j = 0; j < 6; ++j)
                normal[i][j] += weights[k] * terms[i] * terms[j];
            rhs[i] += weights[k] * terms[i] * logRatio;
        }
        total += weights[k];
    }
    // Held near no change where few cells tell the shape.
    for (int i = 0; i < 6; ++i)
        normal[i][i] += 1e-3 * std::max(total, 1.0);
    if (solve<6>(normal, rhs)) {
        for (int i = 0; i < 6; ++i)
            model.gain[i] = rhs[i];
    }
}

} // namespace

double linearOfSrgb(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double srgbOfLinear(double value)
{
    if (value <= 0.0031308)
        return 12.92 * value;
    return 1.055 * std::pow(value, 1 / 2.4) - 0.055;
}

LinearRgb linearOf(QRgb color)
{
    return {linearOfSrgb(qRed(color) / 255.0), linearOfSrgb(qGreen(color) / 255.0),
        linearOfSrgb(qBlue(color) / 255.0)};
}

ColorJudgement judgeColors(const std::vector<CellReading> &readings, const QList<QRgb> &colors)
{
    ColorJudgement judgement;
    const std::size_t count = readings.size();
    judgement.cells.resize(count);
    if (count == 0 || colors.isEmpty())
        return judgement;

    const prepare::LabColor lab;
    std::vector<cmsCIELab> colorLab(colors.size());
    std::vector<LinearRgb> colorLinear(colors.size());
    for (qsizetype n = 0; n < colors.size(); ++n) {
        colorLab[n] = lab.fromRgb(colors[n]);
        colorLinear[n] = linearOf(colors[n]);
    }
    std::vector<LinearRgb> expected(count);
    for (std::size_t k = 0; k < count; ++k)
        expected[k] = colorLinear[readings[k].expected];

    Model model;
    std::vector<double> weights(count, 1.0);
    std::vector<double> gains(count, 1.0);
    std::vector<float> corrected(3 * count);
    std::vector<cmsCIELab> correctedLab(count);
    std::vector<double> distances(count);
    double cutoff = 0;
    double scale = 0;
    for (int iteration = 0; iteration < Iterations; ++iteration) {
        fitTransform(model, readings, expected, gains, weights);
        fitGain(model, readings, expected, weights);
        for (std::size_t k = 0; k < count; ++k)
            gains[k] = model.gainAt(readings[k]);
        fitTransform(model, readings, expected, gains, weights);

        Matrix<3> inverse {};
        if (!invert3(model.a, inverse))
            break;
        for (std::size_t k = 0; k < count; ++k) {
            for (int c = 0; c < 3; ++c) {
                double value = 0;
                for (int i = 0; i < 3; ++i)
                    value += inverse[c][i] * (readings[k].observed[i] / gains[k] - model.b[i]);
                // LabColor takes sRGB values on 0..255, out of range too.
                const double linear = std::clamp(value, -0.2, 1.5);
                const double srgb = linear < 0 ? -srgbOfLinear(-linear) : srgbOfLinear(linear);
                corrected[3 * k + c] = float(255 * srgb);
            }
        }
        lab.fromRgb(corrected.data(), correctedLab.data(), int(count));
        for (std::size_t k = 0; k < count; ++k)
            distances[k]
                = prepare::LabColor::distance(correctedLab[k], colorLab[readings[k].expected]);
        scale = 1.4826 * median(distances);
        cutoff = std::max(TukeyConstant * scale, MinCutoff);
        for (std::size_t k = 0; k < count; ++k) {
            const double u = distances[k] / cutoff;
            weights[k] = u < 1 ? (1 - u * u) * (1 - u * u) : 0;
        }
    }

    std::size_t fitting = 0;
    for (std::size_t k = 0; k < count; ++k) {
        CellVerdict &verdict = judgement.cells[k];
        const int expectedIndex = readings[k].expected;
        verdict.expectedDistance = distances[k];
        verdict.fits = distances[k] < FitDistance;
        fitting += verdict.fits ? 1 : 0;
        verdict.nearest = expectedIndex;
        verdict.nearestDistance = distances[k];
        for (qsizetype n = 0; n < colors.size(); ++n) {
            const double d = prepare::LabColor::distance(correctedLab[k], colorLab[n]);
            if (d < verdict.nearestDistance) {
                verdict.nearest = int(n);
                verdict.nearestDistance = d;
            }
        }
        verdict.wrong = verdict.nearest != expectedIndex
            && verdict.expectedDistance >= std::max(MinWrongDistance, WrongSpreads * scale)
            && verdict.nearestDistance <= ClearlyNearer * verdict.expectedDistance
            && prepare::LabColor::distance(colorLab[expectedIndex], colorLab[verdict.nearest])
                >= NearColors;
    }
    judgement.fitting = double(fitting) / double(count);
    return judgement;
}

} // namespace check
