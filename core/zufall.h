#pragma once
// The one source of the game's random draws. Tests inject fixed draws.

#include <cstdint>
#include <random>

class Zufall {
public:
    virtual ~Zufall() = default;
    virtual void saeen(std::uint64_t saat) = 0;
    // Uniform integer in 0..n-1; n must be at least 1.
    virtual int ziehe(int n) = 0;
};

class StandardZufall : public Zufall {
public:
    void saeen(std::uint64_t saat) override { m_gen.seed(saat); }
    int ziehe(int n) override
    {
        std::uniform_int_distribution<int> verteilung(0, n - 1);
        return verteilung(m_gen);
    }

private:
    std::mt19937_64 m_gen{0};
};

// Milliseconds since midnight UTC of the current system time.
std::uint64_t millisekundenSeitMitternachtUtc();
