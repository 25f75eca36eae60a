#pragma once

#include <cstddef>
#include <vector>

// Durations in milliseconds, kept in the order they were measured, with the
// statistics the benchmark reports. Percentiles are by nearest rank: the
// p-th percentile of n values is the ceil(p / 100 * n)-th smallest, so p99
// of 300 frames is the third largest and never an interpolated value.
class TimingSeries {
public:
    void add(double ms) { values_.push_back(ms); }

    std::size_t count() const { return values_.size(); }

    // The first value measured; 0 when there is none.
    double first() const { return values_.empty() ? 0.0 : values_.front(); }

    // The p-th percentile (0 < p <= 100); 0 when there is no value.
    double percentile(double p) const;

    double median() const { return percentile(50.0); }
    // The sum of every value; 0 when there is none.
    double total() const;
    double max() const { return percentile(100.0); }

private:
    std::vector<double> values_;
};
