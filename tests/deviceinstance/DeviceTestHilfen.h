// What the device instance's tests share: a fixture with the fake main window on a temporary
// project, the panel's instance registered with it and a message-box recorder, and helpers to
// build records and data blocks.
#pragma once

#include "FakeDienste.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "foundation/TDatenStruktur.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

inline TDatenStruktur Datensatz(int handle, int16_t typ, int parent, int system, int next = 0,
                                AnsiString name = "") {
    TDatenStruktur r;
    r.Handle = handle;
    r.Typ = typ;
    r.Parent = parent;
    r.System = system;
    r.Next = next;
    r.Name = std::move(name);
    return r;
}

// The frame of a data block around record lines (each ended by CR LF) and component data.
inline AnsiString Block(const AnsiString &records, const AnsiString &compData = "",
                        const AnsiString &version = "SX Version: 1. 1 Typ:VUMA/Alarmzentrale") {
    const TDatenStruktur head;
    return head.GetKopfZeile() + "\r\n" + head.GetKommentarZeile() +
           "\r\n<Version>\r\nVersion=" + version + "\r\n</Version>\r\n<DB>\r\n" + records +
           "</DB>\r\n<CompData>\r\n" + compData + "\r\n</CompData>\r\n";
}

inline AnsiString StreamText(TMemoryStream &stream) {
    return AnsiString(reinterpret_cast<const char *>(stream.Memory()),
                      static_cast<size_t>(stream.Size()));
}

class TDeviceFixture : public ::testing::Test {
protected:
    TDeviceFixture() {
        const DAL_DEVICE record = Dienste.PanelRecord();
        Device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
        Dienste.SetDevice(Device.get());
    }
    ~TDeviceFixture() override { Dienste.SetDevice(nullptr); }

    // Puts the text into the data stream and builds records and objects from it.
    bool Laden(const AnsiString &block) {
        TMemoryStream &stream = Device->GetDatenStream();
        stream.Clear();
        stream.WriteBuffer(block.data(), static_cast<long long>(block.size()));
        stream.SetPosition(0);
        return Device->InitData();
    }
    AnsiString Schreiben() {
        TMemoryStream out;
        Device->CopyStrukturDatenToDB(nullptr, &out);
        return StreamText(out);
    }

    TMessageBoxRecorder Boxes;
    TFakeDienste Dienste;
    std::unique_ptr<TDeviceInstanzAz> Device;
};

// A panel loaded with a root (handle 1), security area 1 (2) and detector 1 (3) and the
// bus tool's group addresses added on demand: what links and communication objects need.
class TBusFixture : public TDeviceFixture {
protected:
    static constexpr int16_t kMelderObjekte = 10; // switches detector 1's object (number 0)
    TBusFixture() {
        const AnsiString lines =
            Datensatz(1, 105, 0, 1, 0, "Zentrale").GetDatensatzZeile() + "\r\n" +
            Datensatz(2, 6127, 1, 1, 0, "Sicherungsbereich 1").GetDatensatzZeile() + "\r\n" +
            Datensatz(3, 6124, 2, 1, 0, "Melder 1").GetDatensatzZeile() + "\r\n";
        EXPECT_TRUE(Laden(Block(lines)));
    }
    TProjectDatabase &Db() { return Dienste.Project().Database(); }
    // A three-level group address of the project; its sub group's id.
    int32_t Adresse(int main, int middle, int sub, const std::string &name = "") {
        return Db().AddGroupAddress(main, middle, sub,
                                    name.empty()
                                        ? "GA " + std::to_string(main) + "/" +
                                              std::to_string(middle) + "/" + std::to_string(sub)
                                        : name);
    }
    TDataBasis *Melder() { return Device->FindHandle(3); }
    // Detector 1's communication object, switched on through its parameter.
    TEtsObjekt *MelderObjekt() {
        EXPECT_TRUE(Device->AddEtsObjectByDisplayOrder(kMelderObjekte, 3, -100, Melder(), false));
        return Device->GetObjectFromObjectNr(0);
    }
};
