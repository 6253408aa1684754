#include "number_kind.h"

#include <algorithm>

namespace NumberKind {

namespace {

int number(int a, int b, int c)
{
    return a * 100 + b * 10 + c;
}

} // namespace

Shape shape(int h, int t, int o)
{
    if (o == t && h == t)
        return Shape::Triple;
    if (o == t)
        return Shape::OnesEqualTens;
    if (o == h)
        return Shape::OnesEqualHundreds;
    if (t == h)
        return Shape::TensEqualHundreds;
    return Shape::AllDifferent;
}

Repeat repeat(int n)
{
    switch (shape(n / 100, n / 10 % 10, n % 10)) {
    case Shape::Triple: return Triple;
    case Shape::AllDifferent: return AllDifferent;
    default: return Pair;
    }
}

Orders boxOrders(int h, int t, int o)
{
    switch (shape(h, t, o)) {
    case Shape::Triple: return {};
    case Shape::OnesEqualTens: return { { number(t, h, o), number(o, t, h) }, 2 };
    case Shape::OnesEqualHundreds: return { { number(t, h, o), number(o, h, t) }, 2 };
    case Shape::TensEqualHundreds: return { { number(t, o, h), number(o, h, t) }, 2 };
    case Shape::AllDifferent: break;
    }
    return { { number(h, o, t), number(t, h, o), number(t, o, h), number(o, t, h), number(o, h, t) }, 5 };
}

} // namespace NumberKind
