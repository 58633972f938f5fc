#include "platform/objectbase/TEibHandle.h"

#include "platform/log/Log.h"

TEibHandle::TEibHandle(std::list<int> &handles) : FHandles(handles) {
    LOG_FKT("TEibHandle::TEibHandle");
}

TEibHandle::~TEibHandle() {
    LOG_FKT("TEibHandle::~TEibHandle");
}

void TEibHandle::BuildNewTable() {
    LOG_FKT("TEibHandle::BuildNewTable");
    FBelegt.clear();
    for (int h : FHandles)
        if (h >= 1 && h <= MaxHandle)
            FBelegt.insert(h);
    FSuchStart = 1;
    FBuilt = true;
}

int TEibHandle::GetNewHandle() {
    LOG_FKT("TEibHandle::GetNewHandle");
    if (!FBuilt)
        return 0;
    for (int h = FSuchStart; h <= MaxHandle; ++h) {
        if (FBelegt.insert(h).second) {
            FSuchStart = h + 1;
            return h;
        }
    }
    FSuchStart = MaxHandle + 1;
    return 0;
}
