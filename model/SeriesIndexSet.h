#ifndef SERIESINDEXSET_H
#define SERIESINDEXSET_H

#include <initializer_list>

// A set of series indices. Indices are small (0..31 cover every series),
// so a bit mask holds a set; anything outside that range is in no set
// (or in every complement).
class SeriesIndexSet
{
public:
    constexpr SeriesIndexSet(std::initializer_list<int> members)
    {
        for (int m : members) {
            if (m >= 0 && m < 32)
                m_bits |= 1u << m;
        }
    }

    constexpr bool contains(int index) const
    {
        const bool inMask = index >= 0 && index < 32 && ((m_bits >> index) & 1u) != 0;
        return m_complement ? !inMask : inMask;
    }

    // Union of two plain (not complemented) sets.
    constexpr SeriesIndexSet united(const SeriesIndexSet &other) const
    {
        return SeriesIndexSet(m_bits | other.m_bits, false);
    }

    // Every index, valid or not, that is not in this set.
    constexpr SeriesIndexSet complement() const
    {
        return SeriesIndexSet(m_bits, !m_complement);
    }

private:
    constexpr SeriesIndexSet(unsigned bits, bool complement)
        : m_bits(bits), m_complement(complement)
    {
    }

    unsigned m_bits = 0;
    bool m_complement = false;
};

#endif // SERIESINDEXSET_H
