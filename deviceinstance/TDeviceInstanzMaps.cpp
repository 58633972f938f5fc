// The record maps, the record tree and the objects by handle: filling them after a load,
// the look-ups of the objects and the main window, and deleting records with their chains.
#include "deviceinstance/TDeviceInstanz.h"

#include "deviceinstance/E_InstVerw.h"
#include "platform/log/Log.h"
#include "platform/objectbase/TDataBasis.h"
#include "platform/objectbase/TEibHandle.h"

#include <new>
#include <string>
#include <vector>

bool TDeviceInstanz::InitData() {
    LOG_FKT("DeviceInstanz::InitData");
    std::list<int> handles;
    if (!CopyDBDatenToStruktur(handles))
        return false;
    try {
        FHandleTable.reset();
        FHandleTable = std::make_unique<TEibHandle>(handles);
        FHandleTable->BuildNewTable();
        InitDataMainStruktur();
    } catch (const std::bad_alloc &) {
        throw E_InstVerw(2, "InitData: ram allocation", FExceptionInfo, __FILE__, __LINE__);
    }
    return true;
}

void TDeviceInstanz::ClearDataMaps() {
    LOG_FKT("DeviceInstanz::ClearDataMaps");
    FDatenByHandle.clear();
    FDatenByTyp.clear();
    FDatenByParent.clear();
    // The root and the editable texts are among the objects: no pointer to them may stay.
    FRoot = nullptr;
    FEditierbareTexte = nullptr;
    FObjekte.clear();
    FDatenTree.clear();
}

void TDeviceInstanz::FillDataMaps(TDatenStruktur &record) {
    LOG_FKT("DeviceInstanz::FillDataMaps");
    if (!FDatenByHandle.emplace(record.Handle, record).second)
        return; // a later record with a handle already held goes into no map
    FDatenByTyp.emplace(record.Typ, record);
    FDatenByParent.emplace(record.Parent, record);
    std::unique_ptr<TParentMap> &inner = FDatenTree[record.System];
    if (!inner)
        inner = std::make_unique<TParentMap>();
    inner->emplace(record.Parent, record);
}

TDataBasis *TDeviceInstanz::FindHandle(int handle) const {
    LOG_FKT("DeviceInstanz::FindHandle");
    const auto it = FObjekte.find(handle);
    return it == FObjekte.end() ? nullptr : it->second.get();
}

bool TDeviceInstanz::GetDataPointer(int handle, TDataBasis *&object) const {
    LOG_FKT("DeviceInstanz::GetDataPointer");
    object = FindHandle(handle);
    return object != nullptr;
}

TDeviceInstanz::TParentMap::iterator TDeviceInstanz::FindDatenSatz(TParentMap &inner, int parent,
                                                                   int handle) {
    LOG_FKT("DeviceInstanz::FindDatenSatz");
    auto [first, last] =
        parent < 0 ? std::make_pair(inner.begin(), inner.end()) : inner.equal_range(parent);
    for (auto it = first; it != last; ++it)
        if (it->second.Handle == handle)
            return it;
    return inner.end();
}

TDatenStruktur *TDeviceInstanz::GetDatenSatz(int system, int parent, int handle) {
    LOG_FKT("DeviceInstanz::GetDatenSatz");
    std::unique_ptr<TParentMap> &inner = FDatenTree[system];
    if (!inner)
        inner = std::make_unique<TParentMap>();
    if (const auto it = FindDatenSatz(*inner, parent, handle); it != inner->end())
        return &it->second;
    TDatenStruktur neu;
    neu.Handle = handle;
    neu.Parent = parent;
    neu.System = system;
    return &inner->emplace(parent, neu)->second;
}

TDatenStruktur *TDeviceInstanz::GetDatenSatz(TDataBasis *object) {
    LOG_FKT("DeviceInstanz::GetDatenSatz");
    return GetDatenSatz(object->GetSystem(), object->GetParent(), object->GetHandle());
}

void TDeviceInstanz::DeleteDatenSatzAndNext(TDataBasis *object) {
    LOG_FKT("DeviceInstanz::DeleteDatenSatzAndNext");
    DeleteDatenSatzAndNext(object->GetSystem(), object->GetParent(), object->GetHandle());
}

void TDeviceInstanz::DeleteDatenSatzAndNext(int system, int parent, int handle) {
    LOG_FKT("DeviceInstanz::DeleteDatenSatzAndNext");
    TDatenStruktur *record = GetDatenSatz(system, parent, handle);
    if (record->Next != 0) {
        std::set<int> seen{record->Handle};
        DeleteKette(system, record->Handle, record->Next, seen);
    }
    DeleteDatensatz(record);
}

void TDeviceInstanz::DeleteNextDatenSatz(int system, int parent, int handle) {
    LOG_FKT("DeviceInstanz::DeleteNextDatenSatz");
    std::set<int> seen;
    DeleteKette(system, parent, handle, seen);
}

void TDeviceInstanz::DeleteKette(int system, int parent, int handle, std::set<int> &seen) {
    LOG_FKT("DeviceInstanz::DeleteKette");
    // The chain hangs, link after link, under one parent. Stored data may make it loop, so
    // each handle is taken once; then the records go, the last one first.
    std::vector<TDatenStruktur *> chain;
    for (int next = handle; next != 0 && seen.insert(next).second;) {
        TDatenStruktur *record = GetDatenSatz(system, parent, next);
        chain.push_back(record);
        next = record->Next;
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        DeleteDatensatz(*it);
}

void TDeviceInstanz::DeleteDatensatz(TDatenStruktur *record) {
    LOG_FKT("DeviceInstanz::DeleteDatensatz");
    if (!record)
        return;
    const int system = record->System;
    const int parent = record->Parent;
    const int handle = record->Handle;
    const auto tree = FDatenTree.find(system);
    if (tree == FDatenTree.end())
        throw E_InstVerw(4, "DeleteIterator: unknown systemhandle: " + std::to_string(system),
                         FExceptionInfo, __FILE__, __LINE__);
    TParentMap &inner = *tree->second;
    if (const auto it = FindDatenSatz(inner, parent, handle); it != inner.end())
        inner.erase(it);
}

TDeviceInstanz::TChildRange &TDeviceInstanz::GetChildIteratorPair(TDataBasis *object,
                                                                  TChildRange &out) {
    LOG_FKT("DeviceInstanz::GetChildIteratorPair");
    if (!object)
        throw E_InstVerw(5, "GetGeschwisterIteratorPair: No Data Pointer", FExceptionInfo, __FILE__,
                         __LINE__);
    const auto tree = FDatenTree.find(object->GetSystem());
    if (tree == FDatenTree.end())
        throw E_InstVerw(4,
                         "GetGeschwisterIteratorPair: unknown systemhandle: " +
                             std::to_string(object->GetSystem()),
                         FExceptionInfo, __FILE__, __LINE__);
    out = tree->second->equal_range(object->GetHandle());
    return out;
}

int TDeviceInstanz::GetFirstChild(TDataBasis *object) {
    LOG_FKT("DeviceInstanz::GetFirstChild");
    if (!object)
        return 0;
    const int handle = object->GetHandle();
    auto firstOf = [handle](TParentMap &inner) {
        const auto [first, last] = inner.equal_range(handle);
        for (auto it = first; it != last; ++it)
            if (it->second.Parent == handle && it->second.Typ != TDataBasis::TypNebenDatensatz)
                return it->second.Handle;
        return 0;
    };
    if (object->GetTyp() == 3) {
        for (auto &[system, inner] : FDatenTree)
            if (const int child = firstOf(*inner))
                return child;
        return 0;
    }
    const auto tree = FDatenTree.find(object->GetSystem());
    if (tree == FDatenTree.end())
        throw E_InstVerw(4,
                         "CheckName: unknown systemhandle: " + std::to_string(object->GetSystem()),
                         FExceptionInfo, __FILE__, __LINE__);
    return firstOf(*tree->second);
}

bool TDeviceInstanz::SetPointer2List(std::unique_ptr<TDataBasis> &object) {
    LOG_FKT("DeviceInstanz::SetPointer2List");
    if (!object)
        throw E_InstVerw(6, "Pointer2List: invalid Pointer: ", FExceptionInfo, __FILE__, __LINE__);
    const int handle = object->GetHandle();
    if (FObjekte.count(handle))
        return false;
    FObjekte.emplace(handle, std::move(object));
    return true;
}

bool TDeviceInstanz::DeletePointerFromList(TDataBasis *object) {
    LOG_FKT("DeviceInstanz::DeletePointerFromList");
    if (!object)
        return false;
    const auto it = FObjekte.find(object->GetHandle());
    if (it == FObjekte.end() || it->second.get() != object)
        return false;
    if (FRoot == object)
        FRoot = nullptr;
    if (FEditierbareTexte == object)
        FEditierbareTexte = nullptr;
    FObjekte.erase(it);
    return true;
}
