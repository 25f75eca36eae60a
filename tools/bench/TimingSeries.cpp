#include "tools/bench/TimingSeries.h"

#include <algorithm>
#include <cmath>
#include <numeric>

double TimingSeries::percentile(double p) const
{
    if (values_.empty())
        return 0.0;
    std::vector<double> sorted = values_;
    std::sort(sorted.begin(), sorted.end());
    const double rank = std::ceil(p / 100.0 * static_cast<double>(sorted.size()));
    const std::size_t index = rank < 1.0 ? 0 : static_cast<std::size_t>(rank) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}

double TimingSeries::total() const
{
    return std::accumulate(values_.begin(), values_.end(), 0.0);
}
