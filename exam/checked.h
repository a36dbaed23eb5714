#pragma once

#include <QtGlobal>

#include <array>
#include <concepts>
#include <cstddef>
#include <stdexcept>

namespace exam {

// Raised when a count or an index goes past the bounds it is declared with. Within the
// examination's fixed sizes this never happens; if it ever does, the program reports it instead
// of computing with a wrapped value.
class OverflowError : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

namespace detail {
// Out of line, so that the checks stay a compare and a branch on the hot paths.
[[noreturn]] void throwOverflow(const char *what);
[[noreturn]] void throwOutOfRange(long long value, long long low, long long high);
} // namespace detail

template <std::integral T> constexpr T checkedAdd(T a, T b)
{
    T result{};
    if (__builtin_add_overflow(a, b, &result))
        detail::throwOverflow("integer overflow in addition");
    return result;
}

template <std::integral T> constexpr T checkedSub(T a, T b)
{
    T result{};
    if (__builtin_sub_overflow(a, b, &result))
        detail::throwOverflow("integer overflow in subtraction");
    return result;
}

template <std::integral T> constexpr T checkedMul(T a, T b)
{
    T result{};
    if (__builtin_mul_overflow(a, b, &result))
        detail::throwOverflow("integer overflow in multiplication");
    return result;
}

// Converts to a narrower integer type, refusing values the target cannot hold.
template <std::integral To, std::integral From> constexpr To checkedNarrow(From value)
{
    To result{};
    if (__builtin_add_overflow(value, From{0}, &result))
        detail::throwOverflow("integer overflow in conversion");
    return result;
}

// Accepts value only inside [low, high]; the examination's numbers (question, choice, box,
// year) are small ranges, and a value outside one is as wrong as a wrapped one.
template <std::integral T> constexpr T checkedRange(T value, T low, T high)
{
    if (value < low || value > high) [[unlikely]]
        detail::throwOutOfRange(value, low, high);
    return value;
}

// A fixed array indexed from 1 to N, as the answer sheet numbers its questions and boxes.
// Indexing outside 1..N throws instead of reading a neighbour.
template <typename T, std::size_t N> class OneBasedArray {
public:
    static constexpr qint32 size() { return qint32(N); }

    constexpr T &operator[](qint32 index) { return items[slot(index)]; }
    constexpr const T &operator[](qint32 index) const { return items[slot(index)]; }

    constexpr bool operator==(const OneBasedArray &) const = default;

    std::array<T, N> items{};

private:
    static constexpr std::size_t slot(qint32 index)
    {
        return std::size_t(checkedRange<qint32>(index, 1, qint32(N)) - 1);
    }
};

} // namespace exam
