// Detectors: their numbers 1 to 160 (the smallest free one first, so that numbers freed by
// deletion are used again), making and deleting them one at a time or as the user adds several,
// the status bar's counts, the lists of the arming areas (sabotage inputs, switching-device
// addresses) and the group addresses that detectors use.
#include "deviceinstance/TDeviceDialoge.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TFlagFuerEinenAufruf.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSystem.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/dialogs/DlgProgressGuard.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace {
constexpr int kMaxMelder = 160;

// Name, position, area code and bus-object parameter of a detector by kind.
struct TMelderZeile {
    int TextId;
    int Bereich;
};
constexpr TMelderZeile kMelder[] = {
    {11307, 5}, {11308, 6}, {11309, 1}, {11303, 1}, {11304, 2}, {11305, 3}, {11306, 4},
};
constexpr int kVerdrahtetPos = 3;
constexpr int kVerdrahtetObjektNr = 1593;

// The parameter that switches detector n's bus objects (160 has 1591: 1600 is taken).
int MelderObjektNr(int n) {
    return n == kMaxMelder ? 1591 : 10 * n;
}

// The detector kind that adding gives under a folder of that type; none for another type.
std::optional<int> KindVonOrdner(int typ) {
    switch (typ) {
    case 6123:
        return T_DB_EnumAzMelder::eFeuermelder;
    case 6125:
        return T_DB_EnumAzMelder::eUeberfallmelder;
    case 6127:
    case 6128:
    case 6129:
    case 6130:
        return T_DB_EnumAzMelder::eMelderSb1 + (typ - 6127);
    default:
        return std::nullopt;
    }
}

void SortiertOhneWiederholung(std::list<int> &list) {
    list.sort();
    list.unique();
}

bool GueltigerBereich(int bereich) {
    return bereich >= 1 && bereich <= 4;
}

// The numbers of a normalised address ("1/2/3"); none when a part is no number.
std::optional<std::vector<int>> Zahlen(const AnsiString &text, char separator) {
    std::vector<int> out;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        const AnsiString part = text.substr(start, end == AnsiString::npos ? end : end - start);
        if (part.empty() || part.size() > 5 ||
            !std::all_of(part.begin(), part.end(),
                         [](unsigned char c) { return std::isdigit(c) != 0; }))
            return std::nullopt;
        out.push_back(std::stoi(part));
        if (end == AnsiString::npos)
            return out;
        start = end + 1;
    }
}
} // namespace

// --- Numbers and the status bar.

int TDeviceInstanzAz::GetNextFreeMelderNr() {
    LOG_FKT("DeviceInstanzAz::GetNextFreeMelderNr");
    for (int n = 1; n <= kMaxMelder; ++n)
        if (std::find(FMelderNrUsed.begin(), FMelderNrUsed.end(), n) == FMelderNrUsed.end()) {
            FMelderNrUsed.push_back(n);
            FMelderNrUsed.sort();
            return n;
        }
    return 0;
}

void TDeviceInstanzAz::GibMelderNrFrei(int nummer) {
    LOG_FKT("DeviceInstanzAz::GibMelderNrFrei");
    FMelderNrUsed.remove(nummer);
    FMelderNrUsed.sort();
}

void TDeviceInstanzAz::ModifyAzStatusleisteAnzahlMedler() {
    LOG_FKT("DeviceInstanzAz::ModifyAzStatusleisteAnzahlMedler");
    if (!FMain)
        return;
    FMain->SetStatusPanel(2, std::to_string(FAnzahlMelder - 1));
    FMain->SetStatusPanel(3, std::to_string(kMaxMelder + 1 - FAnzahlMelder));
}

// --- Making detectors.

TAzMelder *TDeviceInstanzAz::ErzeugeMelder(HWND window, TDataBasis *parent, bool tree, int kind,
                                           bool paste) {
    LOG_FKT("DeviceInstanzAz::ErzeugeMelder");
    if (kind < 0 || kind > 6 || !parent)
        return nullptr;
    const bool verdrahtet = kind == T_DB_EnumAzMelder::eVerdrahtet;
    const bool voll =
        paste ? FAnzahlMelder > kMaxMelder : FAnzahlMelder >= kMaxMelder + 1 && !verdrahtet;
    auto zuViele = [this]() {
        MessageBox(MainHandle(), SprText(9006), SprText(9028), MB_ICONHAND);
        return nullptr;
    };
    if (voll)
        return zuViele();
    if (FMain)
        FMain->ProcessMessages();
    int n = 0;
    if (!verdrahtet) {
        // The wired input counts among the 161 objects: every number can be taken while the
        // count allows one more, so 0 here refuses as the count does.
        n = GetNextFreeMelderNr();
        if (n == 0)
            return zuViele();
    }
    if (FMain)
        FMain->ProcessMessages();

    const TMelderZeile &z = kMelder[kind];
    auto object = NeuesObjekt(window, parent, AzKlasse::Melder.Typ, SprText(z.TextId));
    auto *melder = dynamic_cast<TAzMelder *>(object.get());
    if (melder && FMain)
        FMain->ProcessMessages();
    if (melder && verdrahtet && !paste)
        if (const TAzSystem *system = GetPointerInstAzSystem())
            melder->SetVarianteAz(system->GetParamVarianteAz());
    if (!melder || !melder->SetMelderBereich(static_cast<TAzMelder::TEnumMelder>(kind))) {
        GibMelderNrFrei(n);
        Verwirf(std::move(object));
        return nullptr;
    }
    melder->SetMelderNr(n);
    if (!Registriere(std::move(object), parent, verdrahtet ? kVerdrahtetPos : n, tree)) {
        GibMelderNrFrei(n);
        return nullptr;
    }
    ++FAnzahlMelder;
    const int objektNr = verdrahtet ? kVerdrahtetObjektNr : MelderObjektNr(n);
    if (!melder->ModifyObject(z.Bereich, objektNr, -100, true) && !paste) {
        FErzeugtUnvollstaendig = true;
        MessageBox(MainHandle(), SprText(11256), SprText(11257), MB_OK);
    }
    if (TEtsObjekt *bus = GetObjectFromObjectNr(n - 1))
        bus->SetNumberSelectableGrpAdr(1);
    ModifyAzStatusleisteAnzahlMedler();
    return melder;
}

bool TDeviceInstanzAz::CreateAzMelder(HWND window, TDataBasis *parent, bool tree, int kind) {
    LOG_FKT("DeviceInstanzAz::CreateAzMelder");
    return ErzeugeMelder(window, parent, tree, kind, false) != nullptr;
}

TAzMelder *TDeviceInstanzAz::CreateAzMelderForPaste(HWND window, TDataBasis *parent, bool tree,
                                                    int kind) {
    LOG_FKT("DeviceInstanzAz::CreateAzMelderForPaste");
    return ErzeugeMelder(window, parent, tree, kind, true);
}

// --- Deleting detectors.

TAzScharfschaltungSsb *TDeviceInstanzAz::SaboSeHalter(const TAzMelder &melder) {
    LOG_FKT("DeviceInstanzAz::SaboSeHalter");
    if (melder.GetMelderArt() != TAzMelder::eSabotageSchalteinrichtung)
        return nullptr;
    TAzScharfschaltungSsb *ssb =
        GetPointerInstScharfschaltungSsb(melder.GetSicherungsBereichMelder());
    return ssb && ssb->CheckMelderSaboSeLinked(melder.GetMelderNr()) ? ssb : nullptr;
}

bool TDeviceInstanzAz::SaboSeFreigabeBestaetigt() {
    LOG_FKT("DeviceInstanzAz::SaboSeFreigabeBestaetigt");
    return MessageBox(MainHandle(), SprText(11100), SprText(11099), MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
}

bool TDeviceInstanzAz::DeleteAzMelder(TAzMelder *melder) {
    LOG_FKT("DeviceInstanzAz::DeleteAzMelder");
    if (!melder)
        return false;
    const int n = melder->GetMelderNr();
    TDlgProgressGuard fortschritt(
        SprText(11360), SprText(11361) + std::to_string(n) + " " + SprText(11359), 5, MainHandle());
    const bool sabotage = melder->GetMelderArt() == TAzMelder::eSabotageSchalteinrichtung;
    const int bereich = melder->GetSicherungsBereichMelder();
    if (TAzScharfschaltungSsb *ssb = SaboSeHalter(*melder)) {
        if (!SaboSeFreigabeBestaetigt())
            return false;
        // The switching device must not keep a deleted detector as its sabotage input.
        ssb->UnlinkMelderNrSaboSe(n);
    }
    fortschritt.Next();
    if (!melder->ModifyObject(0, MelderObjektNr(n), 0, true))
        return false;
    if (std::find(FMelderNrUsed.begin(), FMelderNrUsed.end(), n) != FMelderNrUsed.end())
        GibMelderNrFrei(n);
    fortschritt.Next();
    melder->ClearDbParameter();
    fortschritt.Next();
    Entferne(melder);
    --FAnzahlMelder;
    ModifyAzStatusleisteAnzahlMedler();
    if (sabotage)
        ClearMelderSaboSeFromList(n, bereich);
    return true;
}

bool TDeviceInstanzAz::DeleteAzAlleMelderSb(TDataBasis *area) {
    LOG_FKT("DeviceInstanzAz::DeleteAzAlleMelderSb");
    std::vector<TAzMelder *> melder;
    for (TDataBasis *kind : GetKinder(area))
        if (auto *m = dynamic_cast<TAzMelder *>(kind))
            melder.push_back(m);
    bool alle = true;
    {
        TUpdateGuard update(FVerw);
        for (TAzMelder *m : melder)
            alle = DeleteAzMelder(m) && alle;
    }
    ModifyAzStatusleisteAnzahlMedler();
    AzMsg::Post(MainHandle(), AzMsg::AbgleichFormVerw{0, 0});
    return alle;
}

bool TDeviceInstanzAz::DeleteVerdrahteterMelder(TAzMelder *melder) {
    LOG_FKT("DeviceInstanzAz::DeleteVerdrahteterMelder");
    if (!melder || !melder->ModifyObject(0, kVerdrahtetObjektNr, 0, true))
        return false;
    melder->ClearDbParameter();
    Entferne(melder);
    --FAnzahlMelder;
    ModifyAzStatusleisteAnzahlMedler();
    AzMsg::Post(MainHandle(), AzMsg::AbgleichFormVerw{0, 0});
    return true;
}

// --- Adding and deleting as the user asks.

int TDeviceInstanzAz::MelderHinzufuegen() {
    LOG_FKT("DeviceInstanzAz::MelderHinzufuegen");
    if (!FMain || FDialogMelderHinzufuegen)
        return false;
    TDataBasis *folder = FMain->GetSelTreeData();
    if (!folder)
        return false;
    const std::optional<int> kind = KindVonOrdner(folder->GetTyp());
    if (!kind)
        return false;
    TDeviceDialoge *dialoge = FMain->GetDeviceDialoge();
    if (!dialoge)
        return false;
    int count = 0;
    {
        TFlagFuerEinenAufruf offen(FDialogMelderHinzufuegen, true, false);
        if (dialoge->MelderHinzufuegen(count, kMaxMelder + 1 - FAnzahlMelder, SprText(11098)) != 1)
            return false;
    }
    {
        TUpdateGuard update(FVerw);
        // Its cancel comes back as 1147 with this code, which sets the cancel flag.
        TDlgProgressGuard fortschritt(SprText(11358), std::to_string(count) + " " + SprText(11357),
                                      2 * count, MainHandle(), true,
                                      AzMsg::kAbbruchMelderHinzufuegen);
        for (int i = 1; i <= count; ++i) {
            fortschritt.Next();
            if (FMelderHinzufuegenAbbrechen)
                break;
            FMain->ProcessMessages();
            if (!CreateAzMelder(MainHandle(), folder, true, *kind))
                break;
            fortschritt.Next();
            FMain->ProcessMessages();
        }
        fortschritt.Stop();
        FMelderHinzufuegenAbbrechen = false;
        AzMsg::Post(MainHandle(), AzMsg::AbgleichFormVerw{0, 0});
    }
    return true;
}

bool TDeviceInstanzAz::MelderLoeschen() {
    LOG_FKT("DeviceInstanzAz::MelderLoeschen");
    TDataBasis *selected = FMain ? FMain->GetSelTreeData() : nullptr;
    auto *melder = dynamic_cast<TAzMelder *>(selected);
    if (!melder || selected->GetTyp() != AzKlasse::Melder.Typ)
        return false;
    return DeleteAzMelder(melder);
}

void TDeviceInstanzAz::SetMelderHinzufuegenAbbrechen() {
    LOG_FKT("DeviceInstanzAz::SetMelderHinzufuegenAbbrechen");
    FMelderHinzufuegenAbbrechen = true;
}

// --- The lists of the arming areas.

bool TDeviceInstanzAz::SetMelderSaboSeToList(int nummer, int bereich) {
    LOG_FKT("DeviceInstanzAz::SetMelderSaboSeToList");
    if (!GueltigerBereich(bereich))
        return false;
    std::list<int> &list = FSaboMelder[static_cast<size_t>(bereich - 1)];
    list.push_back(nummer);
    list.sort();
    if (TAzScharfschaltungSsb *ssb = GetPointerInstScharfschaltungSsb(bereich))
        ssb->UpdateListeMelderNrSaboSeSb(list);
    return true;
}

bool TDeviceInstanzAz::ClearMelderSaboSeFromList(int nummer, int bereich) {
    LOG_FKT("DeviceInstanzAz::ClearMelderSaboSeFromList");
    if (!GueltigerBereich(bereich))
        return false;
    std::list<int> &list = FSaboMelder[static_cast<size_t>(bereich - 1)];
    const auto it = std::find(list.begin(), list.end(), nummer);
    if (it == list.end())
        return false;
    list.erase(it);
    if (TAzScharfschaltungSsb *ssb = GetPointerInstScharfschaltungSsb(bereich))
        ssb->UpdateListeMelderNrSaboSeSb(list);
    return true;
}

bool TDeviceInstanzAz::UpdatePhysAdrUsedSsbFromList(int neu, int alt, int bereich) {
    LOG_FKT("DeviceInstanzAz::UpdatePhysAdrUsedSsbFromList");
    if (!GueltigerBereich(bereich))
        return false;
    std::list<int> &list = FPhysAdrUsed[static_cast<size_t>(bereich - 1)];
    if (const auto it = std::find(list.begin(), list.end(), alt); it != list.end())
        list.erase(it);
    if (neu > 0)
        list.push_back(neu);
    SortiertOhneWiederholung(list);
    return true;
}

AnsiString TDeviceInstanzAz::BereichsText(const std::array<bool, 4> &flags) {
    LOG_FKT("DeviceInstanzAz::BereichsText");
    AnsiString text;
    for (size_t i = 0; i < flags.size(); ++i)
        if (flags[i]) {
            if (!text.empty())
                text += " / ";
            text += SprText(11282 + static_cast<int>(i));
        }
    return text;
}

AnsiString TDeviceInstanzAz::CreateStrUeGScharfUsedFromSsb(AnsiString &out) const {
    LOG_FKT("DeviceInstanzAz::CreateStrUeGScharfUsedFromSsb");
    out = BereichsText(FQuittierungUeg);
    return out;
}

AnsiString TDeviceInstanzAz::CreateStrUeGEinbruchUsedFromAlarmierung(AnsiString &out) const {
    LOG_FKT("DeviceInstanzAz::CreateStrUeGEinbruchUsedFromAlarmierung");
    out = BereichsText(FAlarmierungUeg);
    return out;
}

// --- The group addresses of detectors.

std::list<int> *TDeviceInstanzAz::GetGrpAdrUsedFromMelder(std::list<int> &out) {
    LOG_FKT("DeviceInstanzAz::GetGrpAdrUsedFromMelder");
    out = FGrpAdrUsedFromMelder;
    return &out;
}

void TDeviceInstanzAz::ClearListGrpAdrUsedFromMelder() {
    LOG_FKT("DeviceInstanzAz::ClearListGrpAdrUsedFromMelder");
    FGrpAdrUsedFromMelder.clear();
}

void TDeviceInstanzAz::SortiereListGrpAdrUsedFromMelder() {
    LOG_FKT("DeviceInstanzAz::SortiereListGrpAdrUsedFromMelder");
    FGrpAdrUsedFromMelder.sort();
}

bool TDeviceInstanzAz::ClearMelderGrpAdrFromList(int subGroupId) {
    LOG_FKT("DeviceInstanzAz::ClearMelderGrpAdrFromList");
    const auto it =
        std::find(FGrpAdrUsedFromMelder.begin(), FGrpAdrUsedFromMelder.end(), subGroupId);
    if (it == FGrpAdrUsedFromMelder.end())
        return false;
    FGrpAdrUsedFromMelder.erase(it);
    return true;
}

bool TDeviceInstanzAz::SetMelderGrpAdrToList(int subGroupId) {
    LOG_FKT("DeviceInstanzAz::SetMelderGrpAdrToList");
    FGrpAdrUsedFromMelder.push_back(subGroupId);
    return true;
}

void TDeviceInstanzAz::StringToSearchGrpAddr(AnsiString text, const AnsiString &separator,
                                             AnsiString &result, int levels) {
    LOG_FKT("DeviceInstanzAz::StringToSearchGrpAddr");
    static const AnsiString kTrenner = "/ .,-";
    result.clear();
    const size_t first = text.find_first_not_of(' ');
    if (first == AnsiString::npos)
        return;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    auto abschneiden = [](AnsiString &rest, AnsiString &tail) {
        const size_t cut = rest.find_last_of(kTrenner);
        if (cut == AnsiString::npos) {
            tail = rest;
            rest.clear();
        } else {
            tail = rest.substr(cut + 1);
            rest = rest.substr(0, cut);
        }
    };
    AnsiString rest = text, sub, middle;
    abschneiden(rest, sub);
    if (levels == 2) {
        result = rest + separator + sub;
    } else if (levels == 3) {
        abschneiden(rest, middle);
        result = rest + separator + middle + separator + sub;
    }
}

int TDeviceInstanzAz::CheckGrpAddrUsedFromMelder(AnsiString text, int levels) {
    LOG_FKT("DeviceInstanzAz::CheckGrpAddrUsedFromMelder");
    AnsiString normal;
    StringToSearchGrpAddr(std::move(text), "/", normal, levels);
    if (normal.empty())
        return false;
    // The numbers are compared, not the texts: "01/2/3" is 1/2/3, and "x/2/3" is none.
    const std::optional<std::vector<int>> gesucht = Zahlen(normal, '/');
    if (!gesucht)
        return false;
    const bool drei = levels == 3;
    bool used = false;
    for (const auto &[id, object] : FMidSubGroups) {
        auto *sub = dynamic_cast<TVumaGrpAdrSub *>(object.get());
        if (!sub)
            continue;
        const uint16_t w = sub->GetGrpAddr();
        const std::vector<int> teile =
            drei ? std::vector<int>{(w >> 11) & 0x0F, (w >> 8) & 0x07, w & 0xFF}
                 : std::vector<int>{(w >> 11) & 0x0F, w & 0x07FF};
        if (teile != *gesucht)
            continue;
        const int groupId = sub->GetGroupId();
        if (std::find(FGrpAdrUsedFromMelder.begin(), FGrpAdrUsedFromMelder.end(), groupId) ==
            FGrpAdrUsedFromMelder.end())
            continue;
        MessageBox(MainHandle(), SprText(11094), SprText(11095), MB_OK);
        used = true;
    }
    return used;
}
