// The configuration data block: read from the bus tool into the data stream and built into
// records and objects; written back from the records; split into its tagged sections.
#include "deviceinstance/TDeviceInstanz.h"

#include "deviceinstance/TFormMainDienste.h"
#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "platform/busobjects/TGrpAdrOrdner.h"
#include "platform/busobjects/TVumaEtsDevice.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/MessageBox.h"

#include <string_view>
#include <vector>

bool TDeviceInstanz::GetDataFromServer(int creation, bool refresh) {
    LOG_FKT("DeviceInstanz::GetDataFromServer");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return false;
    unsigned char *data = nullptr;
    unsigned long size = 0;
    // A device without a block reads as size 0 and gets a new panel. A failed read says
    // nothing about the stored block: a new panel written over it would lose the user's
    // configuration, so nothing is made and nothing written.
    if (!cdi->BlobRead(&data, &size, FDeviceId)) {
        MessageBox(MainHandle(), "Can't read data (BLOB): 1",
                   "Error: TDeviceInstanz::GetDataFromServer", MB_OK);
        return false;
    }
    if (size == 0) {
        // A new panel that could not be made whole (its boxes said what failed) is not stored:
        // the next load tries again instead of finding a truncated panel.
        if (!CreateNewDevice(creation))
            return false;
        WriteBlob();
        if (!cdi->BlobRead(&data, &size, FDeviceId)) {
            MessageBox(MainHandle(), "Can't read data (BLOB): 2",
                       "Error: TDeviceInstanz::GetDataFromServer", MB_OK);
            return false;
        }
        if (size == 0)
            return false;
    }

    FDatenStream->Clear();
    FDatenStream->WriteBuffer(data, static_cast<long long>(size));
    FDatenStream->SetPosition(0);
    DebugKopie(RegKeyWriteReadBlob, RegKeyReadBlob);

    if (!InitData())
        return false;
    GetGrpAdrFromServer();
    if (!DatenAbgleich(true, false)) {
        MessageBox(MainHandle(), SprText(9091), SprText(9041), MB_ICONWARNING);
        return false;
    }
    if (refresh)
        AnsichtenNeuAufbauen();
    if (FRoot) {
        RootPhysAdrSchreiben();
        if (FMain)
            FMain->UpdateObjektAnzahl(FRoot->GetName(true), static_cast<int>(FObjekte.size()));
    }
    return true;
}

void TDeviceInstanz::AnsichtenNeuAufbauen() {
    LOG_FKT("DeviceInstanz::AnsichtenNeuAufbauen");
    if (!FMain)
        return;
    for (TFormVerwDienste *verw : FMain->GetFormVerwList())
        AnsichtNeuAufbauen(*verw);
}

void TDeviceInstanz::AnsichtNeuAufbauen(TFormVerwDienste &verw) {
    LOG_FKT("DeviceInstanz::AnsichtNeuAufbauen");
    verw.DeleteGrpAdr();
    verw.InitData(FObjekte, MainHandle());
    verw.InitGrpAdr(MainHandle(), FGrpAdrOrdner.get(), FMainGroups, FMidSubGroups);
}

void TDeviceInstanz::RootPhysAdrSchreiben() {
    LOG_FKT("DeviceInstanz::RootPhysAdrSchreiben");
    if (!FRoot)
        return;
    // An address that cannot be read now is no new address: the root keeps the one it has.
    int bereich = 0;
    long linie = 0, teilnehmer = 0;
    auto *device = dynamic_cast<TVumaEtsDevice *>(FRoot);
    if (device && LiesPhysAdr(FDeviceId, bereich, linie, teilnehmer))
        device->SetPhysAdrText(PhysAdrText(bereich, linie, teilnehmer));
    FRoot->Write(*GetDatenSatz(FRoot));
}

void TDeviceInstanz::KonfigurationInStore(TDatenManager<TDatenStruktur> &store) {
    LOG_FKT("DeviceInstanz::KonfigurationInStore");
    TMemoryStream stream;
    KonfigurationInStream(store, stream);
}

void TDeviceInstanz::KonfigurationInStream(TDatenManager<TDatenStruktur> &store,
                                           TMemoryStream &stream) {
    LOG_FKT("DeviceInstanz::KonfigurationInStream");
    const uint8_t quelle = FDataSrc;
    FDataSrc = dsStream;
    try {
        CopyStrukturDatenToDB(&store, &stream);
    } catch (...) {
        FDataSrc = quelle;
        throw;
    }
    FDataSrc = quelle;
}

bool TDeviceInstanz::WriteBlob() {
    LOG_FKT("DeviceInstanz::WriteBlob");
    if (FRoot)
        FRoot->Write(*GetDatenSatz(FRoot));
    CopyStrukturDatenToDB(nullptr, FDatenStream.get());
    // The bus tool takes the bytes from a buffer of its own, not from the stream.
    std::vector<unsigned char> buffer(FDatenStream->Memory(),
                                      FDatenStream->Memory() + FDatenStream->Size());
    TEts2Cdi *cdi = Cdi();
    const bool stored =
        cdi && cdi->BlobWrite(buffer.data(), static_cast<unsigned long>(buffer.size()), FDeviceId);
    if (!stored)
        MessageBox(MainHandle(), SprText(9125), SprText(9041), MB_ICONWARNING);
    DebugKopie(RegKeyWriteSaveBlob, RegKeySaveBlob);
    return stored;
}

void TDeviceInstanz::ParseData(TMemoryStream &input, TMemoryStream &output,
                               const AnsiString &name) {
    LOG_FKT("DeviceInstanz::ParseData");
    const AnsiString open = "<" + name + ">";
    const AnsiString close = "</" + name + ">";
    const std::string_view data(reinterpret_cast<const char *>(input.Memory()),
                                static_cast<size_t>(input.Size()));
    // The writer puts every tag at the start of a line, so only there does a tag count: a
    // record text that holds one ("</DB>", "<CompData>") is no section border. The component
    // data follow the records, so their section starts only behind the end of the "DB"
    // section; inside, they are raw bytes and end at the first closing tag.
    auto find = [&](const AnsiString &tag, size_t from, bool lineStart) {
        for (size_t pos = data.find(tag, from); pos != std::string_view::npos;
             pos = data.find(tag, pos + 1))
            if (!lineStart || pos == 0 || data[pos - 1] == '\n' || data[pos - 1] == '\r')
                return pos;
        return std::string_view::npos;
    };
    const bool compData = name == FSecCompData;
    size_t from = 0;
    if (compData) {
        const size_t db = find(FTagDBOpen, 0, true);
        const size_t dbEnd =
            db == std::string_view::npos ? db : find(FTagDBClose, db + FTagDBOpen.size(), true);
        if (dbEnd != std::string_view::npos)
            from = dbEnd + FTagDBClose.size();
    }

    const size_t tag = find(open, from, true);
    if (tag == std::string_view::npos)
        return;
    size_t begin = tag + open.size();
    if (begin < data.size() && data[begin] == '\r') {
        ++begin;
        if (begin < data.size() && data[begin] == '\n')
            ++begin;
    }
    const size_t closing = find(close, begin, !compData);
    if (closing == std::string_view::npos)
        return;
    size_t end = closing;
    if (end > begin && data[end - 1] == '\n') {
        --end;
        if (end > begin && data[end - 1] == '\r')
            --end;
    }
    if (end > begin)
        output.WriteBuffer(data.data() + begin, static_cast<long long>(end - begin));
}

AnsiString TDeviceInstanz::GetBlockVersion(TMemoryStream &block) {
    LOG_FKT("DeviceInstanz::GetBlockVersion");
    TMemoryStream section;
    ParseData(block, section, FSecVersion);
    TStringList lines;
    lines.SetText(std::string_view(reinterpret_cast<const char *>(section.Memory()),
                                   static_cast<size_t>(section.Size())));
    return lines.Values("Version");
}

std::unique_ptr<TDatenManager<TDatenStruktur>>
TDeviceInstanz::DBAbschnittLesen(TMemoryStream &block) {
    LOG_FKT("DeviceInstanz::DBAbschnittLesen");
    TMemoryStream db;
    ParseData(block, db, FSecDB);
    db.SetPosition(0);
    try {
        return std::make_unique<TDatenManager<TDatenStruktur>>(&db);
    } catch (const E_DatenManager &e) {
        DatenFehlerBox(e.Message);
    } catch (...) {
        MessageBox(MainHandle(), "Unknown Error occured", SprText(9041), MB_OK);
    }
    return nullptr;
}

void TDeviceInstanz::DatenFehlerBox(const AnsiString &message) {
    LOG_FKT("DeviceInstanz::DatenFehlerBox");
    MessageBox(MainHandle(), SprText(9121) + FDataFileName + "\n" + message, SprText(9041), MB_OK);
}

void TDeviceInstanz::ClearDatenStream() {
    LOG_FKT("DeviceInstanz::ClearDatenStream");
    FDatenStream->SetSize(0);
    FDatenStream->SetPosition(0);
}
