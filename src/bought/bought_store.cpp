#include "bought_store.h"

bool BoughtStore::add(int value)
{
    if (isFull())
        return false;
    bought_no[bought_count++] = value;
    return true;
}

int BoughtStore::count(int value) const
{
    int hits = 0;
    for (int i = 0; i < bought_count; ++i) {
        if (bought_no[i] == value)
            ++hits;
    }
    return hits;
}

void BoughtStore::clear()
{
    for (int i = 0; i < bought_count; ++i)
        bought_no[i] = 0;
    bought_count = 0;
}

BoughtStore &boughtStore()
{
    static BoughtStore store;
    return store;
}
