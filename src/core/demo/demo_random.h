#pragma once
// A small random generator whose sequence is the same on every platform and
// library (the standard distributions are not), so that a demo seed always
// gives the same data.
#include <cmath>
#include <cstdint>
#include <numbers>

namespace hk::demo {

class Random {
  public:
    explicit Random(std::uint64_t seed)
        : state_(seed * 0x9E3779B97F4A7C15ULL + 0x2545F4914F6CDD1DULL) {}

    std::uint64_t next() {
        // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Uniform integer in [lo, hi].
    int integer(int lo, int hi) {
        return lo + static_cast<int>(uniform() * static_cast<double>(hi - lo + 1));
    }
    bool chance(double p) { return uniform() < p; }
    double normal(double mean, double sigma) {
        const double u1 = 1.0 - uniform();
        const double u2 = uniform();
        return mean + sigma * std::sqrt(-2.0 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
    }
    double exponential(double mean) { return -mean * std::log(1.0 - uniform()); }
    int poisson(double mean) {
        if (mean <= 0) return 0;
        if (mean > 30) {
            const double v = std::round(normal(mean, std::sqrt(mean)));
            return v < 0 ? 0 : static_cast<int>(v);
        }
        const double limit = std::exp(-mean);
        int k = 0;
        for (double p = uniform(); p > limit; p *= uniform())
            ++k;
        return k;
    }

  private:
    std::uint64_t state_;
};

} // namespace hk::demo
