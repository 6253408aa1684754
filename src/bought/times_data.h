#ifndef TIMES_DATA_H
#define TIMES_DATA_H

namespace TimesData {
constexpr int Size = 2000;
}

// The built-in past results: times_data[n - 1] is the number drawn at times n.
extern const int times_data[TimesData::Size];

#endif
