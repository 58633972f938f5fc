// The group-address folder of a device's tree (type 203): the second top-level node of the
// project window, above the main groups of the bus tool's project. It has no record: the
// device instance makes it when it first reads the project's group-address tree.
#pragma once

#include "platform/objectbase/TOrdner.h"

#include <cstdint>

class TGrpAdrOrdner : public TOrdner {
public:
    static constexpr int16_t Typ = 203;
    static constexpr int Icon = 70;

    TGrpAdrOrdner(HWND window, int system, int parent, AnsiString name, int handle);
    ~TGrpAdrOrdner() override;

    int GetTyp() const override;
    int ListStyle() const override; // its main groups as a list
    int GetIcon() const override;
    bool AllowChild(int typ) const override; // main groups
    bool AllowDrop(TDataBasis *) override;
    void Drop(TDataBasis *) override;
};
