// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/MemoryModel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ktq {
namespace {

// The published default parameters w0..w20.
constexpr std::array<double, 21> w = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                      0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                      1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double kMinStability = 0.001;

double Decay() {
    return -w[20];
}
// Chosen so that recall is 90% when the elapsed time equals the stability.
double Factor() {
    return std::pow(0.9, 1.0 / Decay()) - 1.0;
}

int Grade(Rating r) {
    return static_cast<int>(r);
}

double ClampDifficulty(double d) {
    return std::clamp(d, 1.0, 10.0);
}

double InitialDifficulty(Rating r) {
    return w[4] - std::exp(w[5] * (Grade(r) - 1)) + 1.0;
}

double NextDifficulty(double d, Rating r) {
    const double delta = -w[6] * (Grade(r) - 3);
    const double damped = d + (10.0 - d) * delta / 9.0;
    // Mean reversion toward the (unclamped) difficulty of a first Easy.
    return ClampDifficulty(w[7] * InitialDifficulty(Rating::Easy) + (1.0 - w[7]) * damped);
}

double SameDayStability(double s, Rating r) {
    double increase = std::exp(w[17] * (Grade(r) - 3 + w[18])) * std::pow(s, -w[19]);
    if (r == Rating::Good || r == Rating::Easy)
        increase = std::max(increase, 1.0);
    return s * increase;
}

double StabilityAfterLapse(double d, double s, double recall) {
    const double longTerm = w[11] * std::pow(d, -w[12]) * (std::pow(s + 1.0, w[13]) - 1.0) *
                            std::exp((1.0 - recall) * w[14]);
    return std::min(longTerm, s / std::exp(w[17] * w[18]));
}

double StabilityAfterRecall(double d, double s, double recall, Rating r) {
    const double hardPenalty = r == Rating::Hard ? w[15] : 1.0;
    const double easyBonus = r == Rating::Easy ? w[16] : 1.0;
    return s * (1.0 + std::exp(w[8]) * (11.0 - d) * std::pow(s, -w[9]) *
                          (std::exp((1.0 - recall) * w[10]) - 1.0) * hardPenalty * easyBonus);
}

}  // namespace

MemoryState NextMemoryState(const std::optional<MemoryState>& before, Rating rating,
                            double elapsedDays) {
    if (!before)
        return {std::max(w[static_cast<std::size_t>(Grade(rating) - 1)], kMinStability),
                ClampDifficulty(InitialDifficulty(rating))};
    const MemoryState& m = *before;
    double s = 0;
    if (elapsedDays < 1.0)
        s = SameDayStability(m.stability, rating);
    else if (rating == Rating::Again)
        s = StabilityAfterLapse(m.difficulty, m.stability, Recall(m, elapsedDays));
    else
        s = StabilityAfterRecall(m.difficulty, m.stability, Recall(m, elapsedDays), rating);
    return {std::max(s, kMinStability), NextDifficulty(m.difficulty, rating)};
}

double Recall(const MemoryState& state, double elapsedDays) {
    return std::pow(1.0 + Factor() * std::max(elapsedDays, 0.0) / state.stability, Decay());
}

double DaysUntilRecall(const MemoryState& state, double retention) {
    return state.stability / Factor() * (std::pow(retention, 1.0 / Decay()) - 1.0);
}

}  // namespace ktq
