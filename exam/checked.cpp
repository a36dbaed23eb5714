#include "checked.h"

#include <string>

namespace exam::detail {

void throwOverflow(const char *what)
{
    throw OverflowError(what);
}

void throwOutOfRange(long long value, long long low, long long high)
{
    throw OverflowError("value " + std::to_string(value) + " outside " + std::to_string(low) +
                        ".." + std::to_string(high));
}

} // namespace exam::detail
