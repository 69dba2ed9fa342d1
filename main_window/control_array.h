// SPDX-License-Identifier: MIT
#pragma once

#include "run_time_error.h"

#include <map>

// Controls addressed by an index that carries meaning: the colour code, the band number or
// the unit's power of ten. Asking for an index that has no element is a subscript-out-of-
// range error, never an access outside the array.
template <typename Control> class ControlArray
{
public:
    void add(int index, Control* control) { elements_[index] = control; }

    Control* operator[](int index) const
    {
        const auto found = elements_.find(index);
        if (found == elements_.end())
            throw RunTimeError(RunTimeError::Kind::SubscriptOutOfRange);
        return found->second;
    }

    // Iterates over (index, control) pairs in index order.
    auto begin() const { return elements_.begin(); }
    auto end() const { return elements_.end(); }

private:
    std::map<int, Control*> elements_;
};
