// The panel's configuration data block: its version text and check, the records read from its
// "DB" section, and the block written from the record tree.
#include "deviceinstance/TDeviceInstanzAz.h"

#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/MessageBox.h"

#include <cstdio>
#include <vector>

AnsiString TDeviceInstanzAz::GetVersion() {
    LOG_FKT("DeviceInstanzAz::GetVersion");
    char text[128];
    std::snprintf(text, sizeof(text), FVersionFormat.c_str(), FVersionMajor, FVersionMinor,
                  FVersionTyp.c_str());
    return text;
}

bool TDeviceInstanzAz::VersionCheck(AnsiString version, bool show) {
    LOG_FKT("DeviceInstanzAz::VersionCheck");
    const AnsiString expected = GetVersion();
    auto fehler = [&](const AnsiString &text) {
        if (show)
            MessageBox(MainHandle(), text, SprText(9209), MB_ICONEXCLAMATION);
        return false;
    };
    if (version.empty() || version == "0")
        return fehler(SprText(9112) + "\n" + SprText(9210) + ":\n" + expected);
    int major = 0;
    int minor = 0;
    std::vector<char> typ(version.size() + 1, 0);
    if (std::sscanf(version.c_str(), FVersionFormat.c_str(), &major, &minor, typ.data()) < 3)
        return fehler(SprText(9124) + "\n" + version + "\n" + SprText(9210) + ":\n" + expected);
    const AnsiString stored = std::to_string(major) + "." + std::to_string(minor);
    if (major != FVersionMajor)
        return fehler(SprText(9110) + ": " + stored + "\n" + SprText(9210) + ":" + expected);
    if (minor != FVersionMinor)
        return fehler(SprText(9111) + ": " + stored + "\n" + SprText(9210) + ":\n" + expected);
    if (AnsiString(typ.data()) != FVersionTyp)
        return fehler(SprText(9123) + "\n" + SprText(9210) + ":\n" + expected);
    return true;
}

bool TDeviceInstanzAz::CopyDBDatenToStruktur(std::list<int> &handles) {
    LOG_FKT("DeviceInstanzAz::CopyDBDatenToStruktur");
    if (FDataSrc == dsFile) {
        MessageBox(MainHandle(), "Import type dsFile is not implemented",
                   "TDeviceInstanz::CopyDBDatenToStruktur", MB_OK);
        return false;
    }
    if (FDataSrc != dsStream) {
        MessageBox(MainHandle(), "Unbekannte Datenquelle", "Initialisierungsfehler", MB_OK);
        return false;
    }
    if (FDatenStream->Size() > 0) {
        const AnsiString version = GetBlockVersion(*FDatenStream);
        if (version.empty())
            return false;
        if (!VersionCheck(version, true) && !KonvertiereVersion(FDatenStream.get(), version)) {
            MessageBox(MainHandle(),
                       SprText(9108) + "\n\n" + SprText(9129) + ": " + GetVersion() + "\n" +
                           SprText(9212) + ": " + version + "\n\n" + SprText(9192),
                       SprText(9041), MB_ICONSTOP);
            return false;
        }
    }

    // A record that does not read leaves the device as it was: the box, and false.
    std::unique_ptr<TDatenManager<TDatenStruktur>> store = DBAbschnittLesen(*FDatenStream);
    if (!store)
        return false;

    FCompDataStream->Clear();
    FCompDataStream->SetPosition(0);
    ParseData(*FDatenStream, *FCompDataStream, FSecCompData);

    store->Sort("Typ");
    ClearDataMaps();
    for (TDatenStruktur *record = store->GetFirst(); record; record = store->GetNext()) {
        handles.push_back(record->Handle);
        FillDataMaps(*record);
    }
    return true;
}

void TDeviceInstanzAz::DatenBlockRahmen(TStringList &before, TStringList &after) {
    LOG_FKT("DeviceInstanzAz::DatenBlockRahmen");
    before.Add(FTagVersionOpen);
    before.Add("Version=" + GetVersion());
    before.Add(FTagVersionClose);
    before.Add(FTagDBOpen);
    after.Add(FTagDBClose);
}

void TDeviceInstanzAz::CopyStrukturDatenToDB(TDatenManager<TDatenStruktur> *store,
                                             TMemoryStream *stream) {
    LOG_FKT("DeviceInstanzAz::CopyStrukturDatenToDB");
    TStringList before;
    TStringList after;
    DatenBlockRahmen(before, after);

    TMemoryStream empty;
    std::unique_ptr<TDatenManager<TDatenStruktur>> own;
    if (!store) {
        own = std::make_unique<TDatenManager<TDatenStruktur>>(&empty);
        store = own.get();
    }
    store->LoadFromStream(&empty);
    for (const auto &[system, inner] : FDatenTree)
        for (const auto &[parent, record] : *inner)
            store->Add(record);

    switch (FDataSrc) {
    case dsStream:
        if (stream) {
            store->SaveToStream(stream, &before, &after);
            stream->Seek(0, soFromEnd);
            const AnsiString open = FTagCompDataOpen + "\r\n";
            const AnsiString close = "\r\n" + FTagCompDataClose + "\r\n";
            stream->WriteBuffer(open.data(), static_cast<long long>(open.size()));
            stream->WriteBuffer(FCompDataStream->Memory(), FCompDataStream->Size());
            stream->WriteBuffer(close.data(), static_cast<long long>(close.size()));
        }
        break;
    case dsFile:
        MessageBox(MainHandle(),
                   Utf8ToAnsi("DataSrc = dsFile wird z.Zt micht unterstützt --> testen"),
                   "TDeviceInstanzAz::CopyStrukturDatenToDB", MB_OK);
        store->SaveToFile(FDataFileName, &before, &after);
        break;
    default:
        MessageBox(MainHandle(), Utf8ToAnsi("Unbekannte Speicherfläche"), "Speichern", MB_OK);
        break;
    }
}
