// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/PassChance.h"

#include <algorithm>
#include <cmath>

namespace ktq {

double ChanceOfPassing(const std::vector<double>& groupChances, int examSize, int passMark) {
    const int groups = static_cast<int>(groupChances.size());
    const int taken = std::min(groups, std::max(examSize, 0));
    if (taken == 0)
        return passMark <= 0 ? 1.0 : 0.0;
    // ways[k][r]: over the subsets of k of the groups seen so far, the summed
    // chance of r right answers. With every group taken this is the plain
    // Poisson-binomial; with more groups than the exam takes, each subset of
    // `taken` groups is equally likely.
    std::vector<std::vector<double>> ways(
        static_cast<std::size_t>(taken + 1),
        std::vector<double>(static_cast<std::size_t>(taken + 1), 0.0));
    ways[0][0] = 1.0;
    for (int g = 0; g < groups; ++g) {
        const double p = std::clamp(groupChances[static_cast<std::size_t>(g)], 0.0, 1.0);
        for (int k = std::min(g + 1, taken); k >= 1; --k) {
            auto& row = ways[static_cast<std::size_t>(k)];
            const auto& below = ways[static_cast<std::size_t>(k - 1)];
            for (int r = k; r >= 0; --r) {
                const auto ur = static_cast<std::size_t>(r);
                row[ur] += below[ur] * (1.0 - p) + (r > 0 ? below[ur - 1] * p : 0.0);
            }
        }
    }
    double subsets = 1.0;  // C(groups, taken)
    for (int i = 1; i <= taken; ++i) subsets = subsets * (groups - taken + i) / i;
    double pass = 0.0;
    for (int r = std::max(passMark, 0); r <= taken; ++r)
        pass += ways[static_cast<std::size_t>(taken)][static_cast<std::size_t>(r)];
    return std::clamp(pass / subsets, 0.0, 1.0);
}

}  // namespace ktq
