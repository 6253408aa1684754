#ifndef BOUGHT_STORE_H
#define BOUGHT_STORE_H

// The numbers bought during this run, in order of entry. Kept in memory only.
class BoughtStore
{
public:
    static constexpr int Capacity = 1000;

    bool isFull() const { return bought_count >= Capacity; }
    // Appends value; refuses (and writes nothing) when the store is full.
    bool add(int value);
    // How many stored entries equal value.
    int count(int value) const;
    // Zeroes every used position and starts again at position 0.
    void clear();

    int bought_no[Capacity] = {};
    int bought_count = 0;
};

// The one store of the program, shared by every bought-number window.
BoughtStore &boughtStore();

#endif
