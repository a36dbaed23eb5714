#pragma once

// The examination's scoring restated from scratch for the tests, question by question, with no
// code shared with the program: a question is right when exactly its correct box is marked; a
// capped section counts at most its cap.
#include <algorithm>
#include <array>
#include <bitset>

namespace reference {

struct Scores {
    int standard = 0;
    int all = 0;
};

// marks[n - 1] is box n; key[q - 1] is the correct choice of question q.
inline Scores score(const std::bitset<368> &marks, const std::array<int, 92> &key)
{
    struct Range {
        int first, last, cap;
    };
    constexpr Range sections[] = {{1, 15, 10}, {16, 48, 15}, {49, 56, 5}, {57, 58, 99},
                                  {59, 67, 6}, {68, 79, 99}, {80, 92, 10}};
    Scores s;
    for (const Range &r : sections) {
        int right = 0;
        for (int q = r.first; q <= r.last; ++q) {
            int marked = 0;
            bool correct = false;
            for (int c = 1; c <= 4; ++c) {
                if (marks[std::size_t((q - 1) * 4 + c - 1)]) {
                    ++marked;
                    correct = correct || c == key[std::size_t(q - 1)];
                }
            }
            right += marked == 1 && correct;
        }
        s.all += right;
        s.standard += std::min(right, r.cap);
    }
    return s;
}

// The key every shipped year has: 1, 2, 3, 4, 1, 2, ...
inline std::array<int, 92> shippedKey()
{
    std::array<int, 92> key{};
    for (int q = 1; q <= 92; ++q)
        key[std::size_t(q - 1)] = (q - 1) % 4 + 1;
    return key;
}

} // namespace reference
