// What the device instance's benchmarks share: the fake main window on a temporary project,
// a full panel's configuration data block and the panel's instance loaded from it.
#pragma once

#include "AzVollesPanel.h"
#include "FakeDienste.h"
#include "deviceinstance/TDeviceInstanzAz.h"

#include <memory>
#include <stdexcept>

struct TUmgebung {
    TFakeDienste Dienste;
    AnsiString Block;
    TMemoryStream DbSection;
    std::unique_ptr<TDeviceInstanzAz> Device;

    TUmgebung() {
        Block = VollesPanelBlock(Dienste);
        const DAL_DEVICE record = Dienste.PanelRecord();
        Device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
        Dienste.SetDevice(Device.get());
        Laden();
        TMemoryStream all;
        all.WriteBuffer(Block.data(), static_cast<long long>(Block.size()));
        Device->ParseData(all, DbSection, "DB");
    }
    void Laden() {
        TMemoryStream &stream = Device->GetDatenStream();
        stream.Clear();
        stream.WriteBuffer(Block.data(), static_cast<long long>(Block.size()));
        stream.SetPosition(0);
        if (!Device->InitData())
            throw std::runtime_error("the block does not load");
    }
};

// One per benchmark program.
inline TUmgebung &Umgebung() {
    static TUmgebung u;
    return u;
}
