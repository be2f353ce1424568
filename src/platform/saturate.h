#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

// The program keeps the platform's 8- and 16-bit fields. Where a value would
// not fit, it sticks at the nearest end instead of wrapping round.
template<typename Int, typename Value>
Int saturate(Value value)
{
    using limits = std::numeric_limits<Int>;
    if constexpr (std::is_floating_point_v<Value>) {
        if (std::isnan(value))
            return 0;
        // Round half to even, as the platform converts a whole double.
        const Value rounded = std::nearbyint(value);
        if (rounded <= static_cast<Value>(limits::min()))
            return limits::min();
        if (rounded >= static_cast<Value>(limits::max()))
            return limits::max();
        return static_cast<Int>(rounded);
    } else {
        using Wide = long long;
        return static_cast<Int>(std::clamp<Wide>(static_cast<Wide>(value), limits::min(), limits::max()));
    }
}

} // namespace platform
