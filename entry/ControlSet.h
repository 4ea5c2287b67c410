// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ControlId.h"

#include <bitset>

namespace entry {

struct EntryControls;

// A set of the entry screen's controls: the ones a change touched.
class ControlSet {
public:
    ControlSet() = default;
    ControlSet(std::initializer_list<ControlId> ids)
    {
        for (ControlId id : ids)
            set(id);
    }
    // Every control.
    static ControlSet all();
    // The controls whose values differ between the two.
    static ControlSet differing(const EntryControls& before, const EntryControls& after);

    void set(ControlId id) { m_bits.set(std::size_t(id)); }
    bool contains(ControlId id) const { return m_bits.test(std::size_t(id)); }
    bool intersects(const ControlSet& other) const { return (m_bits & other.m_bits).any(); }
    bool isEmpty() const { return m_bits.none(); }
    ControlSet& operator|=(const ControlSet& other)
    {
        m_bits |= other.m_bits;
        return *this;
    }
    bool operator==(const ControlSet&) const = default;

private:
    std::bitset<ControlCount> m_bits;
};

} // namespace entry
