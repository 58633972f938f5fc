// Life of a device instance: construction, destruction, paths, the root object, and the base
// bodies of the virtual operations that the panel's instance does not override.
#include "deviceinstance/TDeviceInstanz.h"

#include "deviceinstance/TFormMainDienste.h"
#include "foundation/RegIniNamen.h"
#include "foundation/TRegIni.h"
#include "platform/busobjects/TGrpAdrOrdner.h"
#include "platform/bustool/RecordText.h"
#include "platform/bustool/TEtsDeviceParam.h"
#include "platform/bustool/TEtsGruppenAdressen.h"
#include "platform/log/Log.h"
#include "platform/objectbase/TDataBasis.h"
#include "platform/objectbase/TEibHandle.h"

#include <cstring>
#include <filesystem>

namespace {
// The folder names and extensions of the device's files.
constexpr char kAz[] = "AZ";
constexpr char kReconstruction[] = "Reconstruction";
constexpr char kAzr[] = "azr";
constexpr char kX19[] = "x19";

} // namespace

TDeviceInstanz::TDeviceInstanz(TFormMainDienste *main, const DAL_DEVICE *device,
                               TFormVerwDienste *verw)
    : FMain(main) {
    LOG_FKT("DeviceInstanz::TDeviceInstanz");
    FExceptionInfo = "0";
    FDataFileName = "0";
    FDatenStream = std::make_unique<TMemoryStream>();
    if (device)
        std::memcpy(&FDevice, device, sizeof(FDevice));
    FDeviceId = FDevice.deviceId;
    FDeviceText = GetRecordText(FDevice.name);

    const AnsiString folder = ProgrammOrdner();
    const AnsiString id = std::to_string(FDeviceId);
    FAutoSaveDir = folder + kAz + "/AutoSave/";
    FAutoSaveFile = FAutoSaveDir + id + ".azs";
    const AnsiString reconstruction = folder + kAz + "/" + kReconstruction + "/" + id + ".";
    FReconstructionFile = reconstruction + kAzr;
    FImageFile = reconstruction + kX19;

    FVerw = verw;
    FCompDataStream = std::make_unique<TMemoryStream>();
    FScratchStream = std::make_unique<TMemoryStream>();

    FSecDB = "DB";
    FSecVersion = "Version";
    FSecHeader = "HEADER";
    FSecCompData = "CompData";
    FTagDBOpen = "<" + FSecDB + ">";
    FTagDBClose = "</" + FSecDB + ">";
    FTagVersionOpen = "<" + FSecVersion + ">";
    FTagVersionClose = "</" + FSecVersion + ">";
    FTagHeaderOpen = "<" + FSecHeader + ">";
    FTagHeaderClose = "</" + FSecHeader + ">";
    FTagCompDataOpen = "<" + FSecCompData + ">";
    FTagCompDataClose = "</" + FSecCompData + ">";
}

TDeviceInstanz::~TDeviceInstanz() {
    LOG_FKT("DeviceInstanz::~TDeviceInstanz");
    FDatenStream.reset();
    FHandleTable.reset();
    FCompDataStream.reset();
    FScratchStream.reset();
    FRoot = nullptr;
    FEditierbareTexte = nullptr;
    FObjekte.clear();
    FDatenTree.clear();
    FGruppenAdressen.reset();
    FMainGroups.clear();
    FMidSubGroups.clear();
    FSubGroupInfo.clear();
    FGrpAdrOrdner.reset();
    FEtsDeviceParam.reset();
}

bool TDeviceInstanz::IsReady(bool) {
    LOG_FKT("DeviceInstanz::IsReady");
    return true;
}

int TDeviceInstanz::UserObjectMessage(int, int) {
    LOG_FKT("DeviceInstanz::UserObjectMessage");
    return 0;
}

bool TDeviceInstanz::KonvertiereVersion(TMemoryStream *, AnsiString) {
    LOG_FKT("DeviceInstanz::KonvertiereVersion");
    return false;
}

void TDeviceInstanz::SetzeWert(int) {
    LOG_FKT("DeviceInstanz::SetzeWert");
}

int TDeviceInstanz::VumaImport(TMemoryStream *, bool) {
    LOG_FKT("DeviceInstanz::VumaImport");
    return 0;
}

void TDeviceInstanz::SetDevice(TDataBasis *root) {
    LOG_FKT("DeviceInstanz::SetDevice");
    FRoot = root;
    FSubGroupInfo.clear();
}

TDataBasis *TDeviceInstanz::GetDevice() const {
    LOG_FKT("DeviceInstanz::GetDevice");
    return FRoot;
}

void TDeviceInstanz::SetPointerEdtitierbareTexte(TDataBasis *texts) {
    LOG_FKT("DeviceInstanz::SetPointerEdtitierbareTexte");
    FEditierbareTexte = texts;
}

TDataBasis *TDeviceInstanz::GetPointerEdtitierbareTexte() const {
    LOG_FKT("DeviceInstanz::GetPointerEdtitierbareTexte");
    return FEditierbareTexte;
}

HWND TDeviceInstanz::MainHandle() const {
    LOG_FKT("DeviceInstanz::MainHandle");
    return FMain ? FMain->GetHandle() : nullptr;
}

void TDeviceInstanz::DebugKopie(const char *switchKey, const char *fileKey) {
    LOG_FKT("DeviceInstanz::DebugKopie");
    if (!FMain)
        return;
    const AnsiString ini = FMain->GetIniFile();
    TRegIni reg;
    bool on = false;
    reg.ReadBool(ini, RegSecDebug, switchKey, on, false);
    if (!on)
        return;
    AnsiString file;
    reg.ReadString(ini, RegSecDebug, fileKey, file, "ReadBlob.txt");
    std::error_code ec;
    if (!file.empty() && std::filesystem::is_regular_file(file, ec))
        FDatenStream->SaveToFile(file);
}

AnsiString TDeviceInstanz::ProgrammOrdner() const {
    LOG_FKT("DeviceInstanz::ProgrammOrdner");
    AnsiString program;
    if (FMain)
        FMain->GetModuleName(program);
    const size_t slash = program.rfind('/');
    return slash == AnsiString::npos ? AnsiString() : program.substr(0, slash + 1);
}
