#pragma once
// Compound ids of two or three 32-bit integers (clients, business partners,
// reasons, article keys). The null pair and the empty trio mean "none".

#include <QtGlobal>
#include <compare>

struct TIntPair {
    qint32 A = 0;
    qint32 B = 0;
    bool IsNull() const { return A == 0 && B == 0; }
    auto operator<=>(const TIntPair&) const = default;
};

struct TIntTrio {
    qint32 A = 0;
    qint32 B = 0;
    qint32 C = 0;
    bool IsEmpty() const { return A == 0 && B == 0 && C == 0; }
    auto operator<=>(const TIntTrio&) const = default;
};
using TInt32Trio = TIntTrio;

inline constexpr TIntPair CNullIntPair{};
inline constexpr TIntTrio CLeeresIntTrio{};
