// The handle table of one device: which record handles are in use, and fresh ones for new
// objects and new chained records. Built by the device instance from the handles of every
// record it read; objects borrow it through TDataBasis::KonvertHandle.
//
// Handles are positive and stay below 0xFFFF: the window messages carry a parent or handle
// in 16 bits, where 0xFFFF stands for "any parent".
#pragma once

#include <list>
#include <set>

class TEibHandle {
public:
    static constexpr int MaxHandle = 0xFFFE;

    // Takes a copy of the handles in use; the table is ready after BuildNewTable.
    explicit TEibHandle(std::list<int> &handles);
    ~TEibHandle();
    TEibHandle(const TEibHandle &) = delete;
    TEibHandle &operator=(const TEibHandle &) = delete;

    // Makes the table from the handles given to the constructor (repeats and handles outside
    // 1 .. MaxHandle count once or not at all).
    void BuildNewTable();
    // The smallest handle from 1 to MaxHandle that is neither in use nor given out before;
    // it counts as in use from now on. 0 when none is left or the table was not built.
    int GetNewHandle();
    bool IsUsed(int handle) const { return FBelegt.count(handle) != 0; }

private:
    std::list<int> FHandles;
    std::set<int> FBelegt;
    bool FBuilt = false;
    int FSuchStart = 1; // every handle below it is in use
};
