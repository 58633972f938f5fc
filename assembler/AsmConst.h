// The pools of constants of a block: each node holds one value and where it lies.
#pragma once

#include "assembler/AsmKette.h"
#include "assembler/AsmLinkPoint.h"
#include "platform/log/Log.h"
#include "platform/vcl/AnsiString.h"

#include <cstdint>
#include <memory>

template <class T> class TAsmConst : public TAsmKnoten<TAsmConst<T>> {
public:
    TAsmConst(T value, tagLinkPoint point) : Wert(std::move(value)), Punkt(point) {
        LOG_FKT("TAsmConst::TAsmConst");
    }
    ~TAsmConst() { LOG_FKT("TAsmConst::~TAsmConst"); }

    using TAsmKnoten<TAsmConst<T>>::Add;
    // Appends a node for value at the tail.
    void Add(T value, tagLinkPoint point) {
        LOG_FKT("TAsmConst::Add");
        TAsmKnoten<TAsmConst<T>>::Add(std::make_unique<TAsmConst<T>>(std::move(value), point));
    }
    // The first equal value from this node on: its point into out, and true.
    bool Find(const T &value, tagLinkPoint *out) const {
        LOG_FKT("TAsmConst::Find");
        for (const TAsmConst *node = this; node; node = node->Next()) {
            if (node->Wert == value) {
                *out = node->Punkt;
                return true;
            }
        }
        return false;
    }

    T Wert;
    tagLinkPoint Punkt;
};

using TConstBYTE = TAsmConst<uint8_t>;
using TConstWORD = TAsmConst<uint16_t>;
using TConstDWORD = TAsmConst<uint32_t>;
using TConstString = TAsmConst<AnsiString>;
