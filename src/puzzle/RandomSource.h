#pragma once

#include <QtGlobal>
#include <random>

// Where construction takes its chance from. The program seeds it from the clock; tests and the
// command line give a seed so that the same input builds the same puzzle.
class RandomSource {
public:
    explicit RandomSource(quint64 seed) : m_engine(seed) {}
    static RandomSource fromClock();

    // A uniformly chosen integer in lo..hi (both included).
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_engine); }

private:
    std::mt19937_64 m_engine;
};
