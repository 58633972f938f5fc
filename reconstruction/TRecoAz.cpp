#include "reconstruction/TRecoAz.h"

#include "foundation/SprTexte.h"
#include "platform/dialogs/ShowDetailMessageBox.h"
#include "platform/log/Log.h"
#include "platform/recobase/TRecoReadHexFile.h"
#include "platform/vcl/Exception.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/MessageBox.h"
#include "reconstruction/AzSpeicherKarte.h"
#include "reconstruction/TRecoAzAlarmierung.h"
#include "reconstruction/TRecoAzAnzeige.h"
#include "reconstruction/TRecoAzDatumUhrzeit.h"
#include "reconstruction/TRecoAzEditierbareTexte.h"
#include "reconstruction/TRecoAzOrdnerSicherungsBereich.h"
#include "reconstruction/TRecoAzScharfschaltung.h"
#include "reconstruction/TRecoAzSystem.h"
#include "reconstruction/TRecoAzSystemUeberwachung.h"

#include <filesystem>
#include <functional>
#include <string>

namespace {
namespace S = AzSpeicher;
const char *const kFile = "TRecoAz.cpp";
constexpr int kAlarmzentrale = 11384;
constexpr int kSpeicherFehler = 24213; // "Fehler beim Speichern der rekonstruierten Datensätze."
// The object table and the association table inside block BcuSoftware.
constexpr uint32_t kObjektTabelleBytes = S::kObjektTabelleLast - S::kObjektTabelle + 1;
constexpr uint32_t kAssoziationsTabelleBytes =
    S::kAssoziationsTabelleLast - S::kAssoziationsTabelle + 1;
} // namespace

TRecoAz::TRecoAz(const AnsiString &imageFile) : FImageFile(imageFile) {
    LOG_FKT("TRecoAz::TRecoAz");
    FDatenbank = std::make_unique<TVumaDatenbank>();
    for (std::unique_ptr<TMemoryStream> *stream :
         {&FUserSoftwareBytes, &FMelderTexteBytes, &FBcuSoftwareBytes, &FAdressTabelleBytes,
          &FAssoziationsTabelleBytes, &FObjektTabelleBytes})
        *stream = std::make_unique<TMemoryStream>();
    FErrors = std::make_unique<TRecoErrors>();
}

TRecoAz::~TRecoAz() {
    LOG_FKT("TRecoAz::~TRecoAz");
    FDatenbank.reset();
    for (std::unique_ptr<TRecoDataManagament> *reader :
         {&FUserSoftware, &FMelderTexte, &FBcuSoftware, &FAdressTabelle, &FObjektTabelle,
          &FAssoziationsTabelle})
        reader->reset();
    for (std::unique_ptr<TMemoryStream> *stream :
         {&FUserSoftwareBytes, &FMelderTexteBytes, &FBcuSoftwareBytes, &FAdressTabelleBytes,
          &FAssoziationsTabelleBytes, &FObjektTabelleBytes})
        stream->reset();
    FErrors.reset();
    FObjekte.reset();
}

void TRecoAz::Fehlerbox(int textId, const char *datei, int zeile, const AnsiString &methode) {
    LOG_FKT("TRecoAz::Fehlerbox");
    _ShowDetailMessageBox(SprText(textId), SprText(kAlarmzentrale), "", datei,
                          std::to_string(zeile), methode, MB_ICONSTOP);
}

bool TRecoAz::RecoDeviceImage(TMemoryStream *output, bool save, const AnsiString &fileName) {
    LOG_FKT("TRecoAz::RecoDeviceImage");
    if (!output || !FDatenbank)
        return false;
    uint32_t variante = 0;
    struct TSchritt {
        int Zeile;
        int Text;
        std::function<bool()> Lauf;
    };
    // In this order; the records reach the output only in the last step.
    const TSchritt schritte[] = {
        {__LINE__, 24211, [&] { return CreateDataManagementUserSoftware(); }},
        {__LINE__, 24224, [&] { return CreateDataManagementMelderTexte(); }},
        {__LINE__, 24222, [&] { return CreateDataManagementBcuSoftware(); }},
        {__LINE__, 24223, [&] { return CreateObjektManagement(); }},
        {__LINE__, 24212, [&] { return RecoAzSystemParam(variante); }},
        {__LINE__, 11387, [&] { return RecoAzOrdnerSicherungsBereich(variante); }},
        {__LINE__, 11388, [&] { return RecoAzOrdnerScharfschaltung(variante); }},
        {__LINE__, 11389, [&] { return RecoAzOrdnerAlarmierung(variante); }},
        {__LINE__, 11390, [&] { return RecoAzOrdnerAnzeige(variante); }},
        {__LINE__, 11393, [&] { return RecoAzEditierbareTexte(); }},
        {__LINE__, 11391, [&] { return RecoAzOrdnerSystemUeberwachung(); }},
        {__LINE__, 11392, [&] { return RecoAzDatumUhrzeit(); }},
        {__LINE__, kSpeicherFehler, [&] { return FDatenbank->Write(output, kHeader); }},
    };
    for (const TSchritt &schritt : schritte) {
        if (!schritt.Lauf()) {
            Fehlerbox(schritt.Text, kFile, schritt.Zeile, "TRecoAz::RecoDeviceImage");
            return false;
        }
    }
    FErrors->ShowErrors();
    if (save && !Speichern(*output, fileName)) {
        Fehlerbox(kSpeicherFehler, kFile, __LINE__, "TRecoAz::RecoDeviceImage");
        return false;
    }
    return true;
}

bool TRecoAz::Speichern(const TMemoryStream &stream, const AnsiString &fileName) {
    LOG_FKT("TRecoAz::Speichern");
    if (fileName.empty())
        return false;
    namespace fs = std::filesystem;
    // An image opened from elsewhere finds no reconstruction folder yet.
    const fs::path folder = fs::path(fileName).parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec))
        fs::create_directories(folder, ec);
    try {
        stream.SaveToFile(fileName);
    } catch (const EStreamError &) {
        return false;
    }
    return true;
}

bool TRecoAz::CreateDataManagement(const AnsiString &block, uint32_t first, uint32_t last,
                                   TMemoryStream *stream,
                                   std::unique_ptr<TRecoDataManagament> &reader) {
    LOG_FKT("TRecoAz::CreateDataManagement");
    const auto hexFile = std::make_unique<TRecoReadHexFile>();
    auto liste = std::make_unique<TStringList>();
    TStringList *work = liste.get();
    if (!stream || !hexFile->ReadHexFile(stream, work, FImageFile, block, first, last, 0))
        return false;
    reader = std::make_unique<TRecoDataManagament>(stream, first, last, 0, FReadOnly);
    return true;
}

bool TRecoAz::CreateDataManagementUserSoftware() {
    LOG_FKT("TRecoAz::CreateDataManagementUserSoftware");
    return CreateDataManagement("UserSoftware", S::kUserSoftwareFirst, S::kUserSoftwareLast,
                                FUserSoftwareBytes.get(), FUserSoftware);
}

bool TRecoAz::CreateDataManagementMelderTexte() {
    LOG_FKT("TRecoAz::CreateDataManagementMelderTexte");
    return CreateDataManagement("MelderTexte", S::kMelderTexteFirst, S::kMelderTexteLast,
                                FMelderTexteBytes.get(), FMelderTexte);
}

bool TRecoAz::CreateDataManagementBcuSoftware() {
    LOG_FKT("TRecoAz::CreateDataManagementBcuSoftware");
    return CreateDataManagement("BcuSoftware", S::kBcuSoftwareFirst, S::kBcuSoftwareLast,
                                FBcuSoftwareBytes.get(), FBcuSoftware);
}

bool TRecoAz::CreateObjektManagement() {
    LOG_FKT("TRecoAz::CreateObjektManagement");
    unsigned char n = 0;
    if (!FBcuSoftware || !FBcuSoftware->GetByteFromAddr(S::kAdressTabelle, n))
        return false;
    struct TTabelle {
        uint32_t First;
        uint32_t Bytes;
        TMemoryStream *Stream;
        std::unique_ptr<TRecoDataManagament> &Reader;
    };
    // The address table holds its count and N words.
    const TTabelle tabellen[] = {
        {S::kAdressTabelle, 2u * n + 1, FAdressTabelleBytes.get(), FAdressTabelle},
        {S::kObjektTabelle, kObjektTabelleBytes, FObjektTabelleBytes.get(), FObjektTabelle},
        {S::kAssoziationsTabelle, kAssoziationsTabelleBytes, FAssoziationsTabelleBytes.get(),
         FAssoziationsTabelle},
    };
    for (const TTabelle &t : tabellen) {
        if (!t.Stream || !FBcuSoftware->GetMemoryBlock(t.First, t.Bytes, t.Stream))
            return false;
        t.Reader = std::make_unique<TRecoDataManagament>(t.Stream, t.First, t.First + t.Bytes - 1,
                                                         0, FReadOnly);
    }
    FObjekte = std::make_unique<TRecoObjectManagement>(
        FObjektTabelle.get(), FAdressTabelle.get(), FAssoziationsTabelle.get(), FDatenbank.get(),
        FErrors.get(), S::kObjektTabelle, 3, 4, 2, 3, false, 0, 0, 0, 0, 0, FReadOnly, 1, 2, 1);
    return true;
}

template <class T, class... Args> bool TRecoAz::RecoOrdner(int nameId, Args &&...args) {
    LOG_FKT("TRecoAz::RecoOrdner");
    if (!FUserSoftware)
        return true;
    TRecoDataManagament *user = FUserSoftware.get();
    const std::unique_ptr<TRecoBasisClass> ordner = std::make_unique<T>(
        user, user, FDatenbank.get(), SprText(nameId), FErrors.get(), std::forward<Args>(args)...);
    return ordner->RecoParameter();
}

bool TRecoAz::RecoAzSystemParam(uint32_t &variante) {
    LOG_FKT("TRecoAz::RecoAzSystemParam");
    return RecoOrdner<TRecoAzSystem>(11384, variante);
}

bool TRecoAz::RecoAzOrdnerSicherungsBereich(uint32_t variante) {
    LOG_FKT("TRecoAz::RecoAzOrdnerSicherungsBereich");
    return RecoOrdner<TRecoAzOrdnerSicherungsBereich>(11314, FObjekte.get(), 2, variante,
                                                      FMelderTexte.get());
}

bool TRecoAz::RecoAzOrdnerScharfschaltung(uint32_t variante) {
    LOG_FKT("TRecoAz::RecoAzOrdnerScharfschaltung");
    return RecoOrdner<TRecoAzOrdnerScharfschaltung>(11312, FObjekte.get(), 3, variante);
}

bool TRecoAz::RecoAzOrdnerAlarmierung(uint32_t variante) {
    LOG_FKT("TRecoAz::RecoAzOrdnerAlarmierung");
    return RecoOrdner<TRecoAzOrdnerAlarmierung>(11310, FObjekte.get(), 4, variante);
}

bool TRecoAz::RecoAzOrdnerAnzeige(uint32_t variante) {
    LOG_FKT("TRecoAz::RecoAzOrdnerAnzeige");
    return RecoOrdner<TRecoAzOrdnerAnzeige>(11298, FObjekte.get(), 5, variante);
}

bool TRecoAz::RecoAzEditierbareTexte() {
    LOG_FKT("TRecoAz::RecoAzEditierbareTexte");
    return RecoOrdner<TRecoAzEditierbareTexte>(11300, 6);
}

bool TRecoAz::RecoAzOrdnerSystemUeberwachung() {
    LOG_FKT("TRecoAz::RecoAzOrdnerSystemUeberwachung");
    return RecoOrdner<TRecoAzOrdnerSystemUeberwachung>(11313, FObjekte.get(), 7);
}

bool TRecoAz::RecoAzDatumUhrzeit() {
    LOG_FKT("TRecoAz::RecoAzDatumUhrzeit");
    return RecoOrdner<TRecoAzDatumUhrzeit>(11299, FObjekte.get(), 8);
}
