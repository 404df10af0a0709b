#pragma once
// Timing helpers for the benchmarks: medians of repeated runs, measured side by side in one process.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

template <typename Work> double secondsOf(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
