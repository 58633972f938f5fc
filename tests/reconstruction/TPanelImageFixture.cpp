#include "TPanelImageFixture.h"

#include "platform/bustool/TPanelMemory.h"
#include "platform/bustool/TProductData.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>

namespace {
// The panel's cells, as its memory layout gives them.
constexpr uint32_t kVariante = 0xBE1A;
constexpr uint32_t kTiefe = 0xBE31;
constexpr uint32_t kSchalter17 = 0xBE17; // bit 0 version, bit 5 clock, bits 6-7 tamper resistor
constexpr uint32_t kSchalter19 = 0xBE19; // bit 0 missing monitoring, 1 bus return, 2 summer time
constexpr uint32_t kImpuls = 0xBE26;
constexpr uint32_t kScharfQuitt = 0xBE2F;
constexpr uint32_t kUnscharfQuitt = 0xBE30;
constexpr uint32_t kMelderWorte = 0xBEBB; // two bytes per slot 1..162
constexpr uint32_t kMelderTexte = 0xAD32; // 14 bytes per detector 1..160, then 162
constexpr uint32_t kTextLaenge = 14;
constexpr uint32_t kSsbTexte = 0xBE32; // 14 bytes per arming area
constexpr uint32_t kSsbParam3 = 0xBEA8;
constexpr uint32_t kSsbParam4 = 0xBE12;
constexpr uint32_t kSsbPhysAdr = 0xBE78;  // 8 bytes per arming area
constexpr uint32_t kSsbWerte = 0xBE98;    // 4 bytes per arming area
constexpr uint32_t kQuittierung = 0xBE28; // 2 bytes per arming area
constexpr uint32_t kSperrelement = 0xBE74;
constexpr uint32_t kAlarmierung = 0xBEAD; // 2 bytes per output index
constexpr uint32_t kAlarmdauer = 0xBE6E;  // flash, outdoor, indoor, relay
constexpr uint32_t kAnzeigeGesamt = 0xBE23;
constexpr uint32_t kAnzeigen = 0xBE6A;
constexpr uint32_t kAbfrage = 0xBE22;
constexpr uint32_t kFunktion = 0xBE21;
constexpr uint32_t kVerhalten[2] = {0xBE73, 0xBE25}; // hold-up, burglary
constexpr uint32_t kUmstellung = 0xBE16;
constexpr uint32_t kAdressTabelle = 0x4000;
constexpr uint32_t kAssoziationsTabelle = 0x41FF;
constexpr size_t kMaxAdressen = 255;
constexpr size_t kMaxAssoziationen = (0x43FB - 0x41FF) / 2;

// The editable texts in chain order.
constexpr uint16_t kEditierbareTexte[50] = {
    0xB8F2, 0xB92A, 0xBBFE, 0xBD5C, 0xB8D6, 0xB8E4, 0xB90E, 0xB91C, 0xBBD4, 0xBBE2,
    0xBC8A, 0xBC98, 0xBCDE, 0xBCEC, 0xBDB0, 0xBDBE, 0xBDCC, 0xBDDA, 0xBDE8, 0xB900,
    0xB938, 0xB946, 0xBBF0, 0xBC0C, 0xBC1A, 0xBC28, 0xBC36, 0xBC44, 0xBC52, 0xBC60,
    0xBC6E, 0xBC7C, 0xBCA6, 0xBCB4, 0xBCC2, 0xBCD0, 0xBCFA, 0xBD08, 0xBD16, 0xBD24,
    0xBD32, 0xBD40, 0xBD4E, 0xBD6A, 0xBD78, 0xBD86, 0xBD94, 0xBDA2, 0xBDF6, 0xBE04};

// Where the bus tool's download puts a device parameter: a family of `count` parameters from
// `id` on (ids `idStep` apart) into cells from `cell` on (`cellStep` apart). The pairing of
// parameter ids with cells is inferred from what the object model writes for each field and
// where the reconstruction reads that field back.
enum class TArt { Byte, Word, DWord, Bits, Text };
struct TZelle {
    int id;
    int count;
    int idStep;
    uint32_t cell;
    uint32_t cellStep;
    TArt art;
    int firstBit = 0; // Bits
    int bits = 1;     // Bits
};
const TZelle kZellen[] = {
    // The system: variant word, version flag, pulse and acknowledgement times, bus return,
    // event-memory depth.
    {10070, 1, 0, 0xBE1A, 0, TArt::DWord},
    {10060, 1, 0, 0xBE17, 0, TArt::Bits, 0, 1},
    {10110, 1, 0, 0xBE26, 0, TArt::Byte},
    {10120, 1, 0, 0xBE2F, 0, TArt::Byte},
    {10130, 1, 0, 0xBE30, 0, TArt::Byte},
    {10010, 1, 0, 0xBE19, 0, TArt::Bits, 1, 1},
    {10140, 1, 0, 0xBE31, 0, TArt::Byte},
    // Detector words, slot 161 the tamper input (4610), 162 the wired input (4620); the texts,
    // 161 the wired input's; the tamper resistor.
    {3010, 162, 10, 0xBEBB, 2, TArt::Word},
    {11011, 161, 10, 0xAD32, 14, TArt::Text},
    {4630, 1, 0, 0xBE17, 0, TArt::Bits, 6, 2},
    // Arming areas: texts; delays, switching devices and their tamper detectors.
    {19101, 4, 100, 0xBE32, 14, TArt::Text},
    {21010, 4, 10, 0xBEA8, 1, TArt::Byte},
    {22010, 4, 10, 0xBE12, 1, TArt::Byte},
    {17110, 4, 100, 0xBE78, 8, TArt::Word},
    {17120, 4, 100, 0xBE7A, 8, TArt::Word},
    {17130, 4, 100, 0xBE7C, 8, TArt::Word},
    {17140, 4, 100, 0xBE7E, 8, TArt::Word},
    {18110, 4, 100, 0xBE98, 4, TArt::Byte},
    {18120, 4, 100, 0xBE99, 4, TArt::Byte},
    {18130, 4, 100, 0xBE9A, 4, TArt::Byte},
    {18140, 4, 100, 0xBE9B, 4, TArt::Byte},
    // Acknowledgement: flash, outdoor and indoor siren, relay, 'Scharf' signal; locking element.
    {13110, 4, 100, 0xBE28, 2, TArt::Bits, 0, 1},
    {13120, 4, 100, 0xBE28, 2, TArt::Bits, 1, 1},
    {13130, 4, 100, 0xBE28, 2, TArt::Bits, 2, 1},
    {13140, 4, 100, 0xBE28, 2, TArt::Bits, 3, 1},
    {13150, 4, 100, 0xBE28, 2, TArt::Bits, 4, 1},
    {23110, 4, 100, 0xBE74, 1, TArt::Byte},
    // Alarm outputs of arming areas 1..4, fire (165xx) and hold-up (166xx): four devices and
    // the transmission device's input.
    {16110, 6, 100, 0xBEAD, 2, TArt::Bits, 0, 1},
    {16120, 6, 100, 0xBEAD, 2, TArt::Bits, 1, 1},
    {16130, 6, 100, 0xBEAD, 2, TArt::Bits, 2, 1},
    {16140, 6, 100, 0xBEAD, 2, TArt::Bits, 3, 1},
    {16150, 6, 100, 0xBEAD, 2, TArt::Bits, 6, 1},
    // Alarm durations.
    {15010, 4, 10, 0xBE6E, 1, TArt::Byte},
    // Function monitoring: poll interval, monitoring interval, reaction.
    {10090, 1, 0, 0xBE22, 0, TArt::Byte},
    {10080, 1, 0, 0xBE21, 0, TArt::Byte},
    {7160, 1, 0, 0xBE19, 0, TArt::Bits, 0, 1},
    // Behaviour of the transmission device's output R on hold-up, then on burglary.
    {20010, 1, 0, 0xBE73, 0, TArt::Bits, 0, 1},
    {20020, 1, 0, 0xBE73, 0, TArt::Bits, 1, 1},
    {20030, 1, 0, 0xBE73, 0, TArt::Bits, 2, 1},
    {20040, 1, 0, 0xBE73, 0, TArt::Bits, 3, 1},
    {13900, 1, 0, 0xBE25, 0, TArt::Bits, 0, 1},
    {13800, 1, 0, 0xBE25, 0, TArt::Bits, 1, 1},
    {13700, 1, 0, 0xBE25, 0, TArt::Bits, 2, 1},
    {13600, 1, 0, 0xBE25, 0, TArt::Bits, 3, 1},
    // Date and time.
    {10050, 1, 0, 0xBE17, 0, TArt::Bits, 5, 1},
    {10020, 1, 0, 0xBE19, 0, TArt::Bits, 2, 1},
    {10030, 1, 0, 0xBE16, 0, TArt::Bits, 0, 4},
    {10040, 1, 0, 0xBE16, 0, TArt::Bits, 4, 4},
    // Displays: the folder's mask, the units' masks.
    {10100, 1, 0, 0xBE23, 0, TArt::Byte},
    {14010, 4, 10, 0xBE6A, 1, TArt::Byte},
};
// The editable texts' parameters, 12621 + 5n, go to their cells in ascending address order.
constexpr int kEditierbareTexteId = 12621;
constexpr int kEditierbareTexteStep = 5;

void Check(bool ok, const char *what) {
    if (!ok)
        throw std::out_of_range(what);
}

uint8_t Schalter(const TPanelImageFixture::TSignalgeber &s) {
    return static_cast<uint8_t>((s.Blitz ? 1 : 0) | (s.AussenSirene ? 2 : 0) |
                                (s.InnenSirene ? 4 : 0) | (s.Relais ? 8 : 0));
}

// The two bytes of a detector word.
uint16_t Wort(const TPanelImageFixture::TMelder &m) {
    Check(m.MelderTyp >= 0 && m.MelderTyp <= 3 && m.EingangsTyp >= 0 && m.EingangsTyp <= 7 &&
              m.Bereich >= 0 && m.Bereich <= 7,
          "detector word");
    const unsigned high = static_cast<unsigned>(m.MelderTyp) << 5 | (m.Aktiv ? 0x80u : 0u);
    const unsigned low = static_cast<unsigned>(m.EingangsTyp) | static_cast<unsigned>(m.Bereich)
                                                                    << 3;
    return static_cast<uint16_t>(high << 8 | low);
}

} // namespace

const std::vector<TPanelImageFixture::TBlock> &TPanelImageFixture::Blocks() {
    static const std::vector<TBlock> blocks = {{"UserSoftware", 0xB8D6, 0xBFFE},
                                               {"MelderTexte", 0xAD32, 0xB5FF},
                                               {"BcuSoftware", 0x4000, 0x479B}};
    return blocks;
}

TPanelImageFixture::TPanelImageFixture(uint16_t physicalAddress, uint8_t manufacturer)
    : FImage(TPanelMemory::Image(physicalAddress, manufacturer)) {}

std::vector<unsigned char> TPanelImageFixture::BlockBytes(const TBlock &block) const {
    return {FImage.begin() + block.First, FImage.begin() + block.Last + 1};
}

void TPanelImageFixture::PutByte(uint32_t at, uint8_t value) {
    Check(at < FImage.size(), "cell");
    FImage[at] = value;
}

void TPanelImageFixture::PutWord(uint32_t at, uint16_t value) {
    PutByte(at, static_cast<uint8_t>(value >> 8));
    PutByte(at + 1, static_cast<uint8_t>(value & 0xFF));
}

void TPanelImageFixture::PutBits(uint32_t at, int firstBit, int count, unsigned value) {
    Check(firstBit >= 0 && count > 0 && firstBit + count <= 8 && value < (1u << count), "bits");
    const unsigned mask = ((1u << count) - 1) << firstBit;
    PutByte(at, static_cast<uint8_t>((FImage.at(at) & ~mask) | (value << firstBit)));
}

void TPanelImageFixture::PutText(uint32_t at, const AnsiString &text) {
    Check(text.size() <= kTextLaenge, "text longer than 14 bytes");
    for (uint32_t i = 0; i < kTextLaenge; ++i)
        PutByte(at + i, i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

void TPanelImageFixture::SetVariante(uint32_t variante) {
    PutWord(kVariante, static_cast<uint16_t>(variante >> 16));
    PutWord(kVariante + 2, static_cast<uint16_t>(variante & 0xFFFF));
}
void TPanelImageFixture::SetEreignisspeichertiefe(uint8_t tiefe) {
    PutByte(kTiefe, tiefe);
}
void TPanelImageFixture::SetGeraeteVersion(bool unterputz) {
    PutBits(kSchalter17, 0, 1, unterputz);
}
void TPanelImageFixture::SetImpulsScharfUnscharf(uint8_t s) {
    PutByte(kImpuls, s);
}
void TPanelImageFixture::SetScharfQuittierungszeit(uint8_t s) {
    PutByte(kScharfQuitt, s);
}
void TPanelImageFixture::SetUnscharfQuittierungszeit(uint8_t s) {
    PutByte(kUnscharfQuitt, s);
}
void TPanelImageFixture::SetBusspannungswiederkehr(bool bit) {
    PutBits(kSchalter19, 1, 1, bit);
}

void TPanelImageFixture::SetMelder(int nummer, const TMelder &melder) {
    Check(nummer >= 1 && nummer <= 162 && nummer != 161, "detector number");
    SetMelderWort(nummer, Wort(melder));
}

void TPanelImageFixture::SetMelderWort(int nummer, uint16_t wort) {
    Check(nummer >= 1 && nummer <= 162, "detector slot");
    PutWord(kMelderWorte + 2 * static_cast<uint32_t>(nummer - 1), wort);
}

void TPanelImageFixture::SetMelderText(int nummer, const AnsiString &text) {
    Check(nummer >= 1 && nummer <= 162 && nummer != 161, "detector number");
    const uint32_t index = nummer == 162 ? 160 : static_cast<uint32_t>(nummer - 1);
    PutText(kMelderTexte + kTextLaenge * index, text);
}

void TPanelImageFixture::SetSabotageWiderstand(int code) {
    PutBits(kSchalter17, 6, 2, code);
}
void TPanelImageFixture::SetSabotage(const TMelder &eingang) {
    SetMelderWort(161, Wort(eingang));
}

void TPanelImageFixture::SetScharfschaltBereichText(int bereich, const AnsiString &text) {
    Check(bereich >= 1 && bereich <= 4, "arming area");
    PutText(kSsbTexte + kTextLaenge * static_cast<uint32_t>(bereich - 1), text);
}

void TPanelImageFixture::SetScharfschaltung(int bereich, const TScharfschaltung &w) {
    Check(bereich >= 1 && bereich <= 4, "arming area");
    const uint32_t k = static_cast<uint32_t>(bereich - 1);
    PutByte(kSsbParam3 + k, w.Param3);
    PutByte(kSsbParam4 + k, w.Param4);
    for (uint32_t i = 0; i < 4; ++i) {
        PutWord(kSsbPhysAdr + 8 * k + 2 * i, w.PhysAdr[i]);
        PutByte(kSsbWerte + 4 * k + i, w.Werte[i]);
    }
}

void TPanelImageFixture::SetQuittierung(int bereich, const TSignalgeber &signal, bool uegScharf,
                                        uint8_t sperrelement) {
    Check(bereich >= 1 && bereich <= 4, "arming area");
    const uint32_t k = static_cast<uint32_t>(bereich - 1);
    PutBits(kQuittierung + 2 * k, 0, 5, Schalter(signal) | (uegScharf ? 0x10u : 0u));
    PutByte(kSperrelement + k, sperrelement);
}

void TPanelImageFixture::SetAlarmierung(int typ, const TSignalgeber &signal, bool uegEinbruch) {
    // Output index: arming areas 1..4 first, then fire and hold-up.
    Check(typ == 0 || typ == 1 || (typ >= 3 && typ <= 6), "alarm type");
    const uint32_t k = typ == 0 ? 4 : typ == 1 ? 5 : static_cast<uint32_t>(typ - 3);
    PutBits(kAlarmierung + 2 * k, 0, 4, Schalter(signal));
    PutBits(kAlarmierung + 2 * k, 6, 1, uegEinbruch);
}

void TPanelImageFixture::SetAlarmdauer(uint8_t blitz, uint8_t aussen, uint8_t innen,
                                       uint8_t relais) {
    PutByte(kAlarmdauer, blitz);
    PutByte(kAlarmdauer + 1, aussen);
    PutByte(kAlarmdauer + 2, innen);
    PutByte(kAlarmdauer + 3, relais);
}

void TPanelImageFixture::SetAnzeigeGesamt(uint8_t wert) {
    PutByte(kAnzeigeGesamt, wert);
}
void TPanelImageFixture::SetAnzeige(int anzeige, uint8_t wert) {
    Check(anzeige >= 0 && anzeige <= 3, "display");
    PutByte(kAnzeigen + static_cast<uint32_t>(anzeige), wert);
}

void TPanelImageFixture::SetAbfrageIntervall(uint8_t s) {
    PutByte(kAbfrage, s);
}
void TPanelImageFixture::SetFunktionsueberwachung(uint8_t wert) {
    PutByte(kFunktion, wert);
}
void TPanelImageFixture::SetFehlendeFunktionsueberwachung(bool bit) {
    PutBits(kSchalter19, 0, 1, bit);
}
void TPanelImageFixture::SetVerhaltenUegR(int fall, const TSignalgeber &signal) {
    Check(fall == 0 || fall == 1, "behaviour case");
    PutBits(kVerhalten[fall], 0, 4, Schalter(signal));
}

void TPanelImageFixture::SetSystemUhr(bool bit) {
    PutBits(kSchalter17, 5, 1, bit);
}
void TPanelImageFixture::SetSommerzeitAutomatik(bool bit) {
    PutBits(kSchalter19, 2, 1, bit);
}
void TPanelImageFixture::SetUmstellung(uint8_t monatWinter, uint8_t monatSommer) {
    PutBits(kUmstellung, 0, 4, monatWinter);
    PutBits(kUmstellung, 4, 4, monatSommer);
}

void TPanelImageFixture::SetEditierbarerText(int nummer, const AnsiString &text) {
    Check(nummer >= 1 && nummer <= 50, "editable text");
    PutText(kEditierbareTexte[nummer - 1], text);
}

void TPanelImageFixture::SetGruppenAdressen(const std::vector<uint16_t> &adressen) {
    Check(adressen.size() + 1 <= kMaxAdressen, "address table");
    PutByte(kAdressTabelle, static_cast<uint8_t>(adressen.size() + 1));
    for (size_t i = 0; i < adressen.size(); ++i)
        PutWord(kAdressTabelle + 3 + 2 * static_cast<uint32_t>(i), adressen[i]);
}

void TPanelImageFixture::SetAssoziationen(const std::vector<TAssoziation> &assoziationen) {
    Check(assoziationen.size() <= kMaxAssoziationen, "association table");
    PutByte(kAssoziationsTabelle, static_cast<uint8_t>(assoziationen.size()));
    for (size_t j = 0; j < assoziationen.size(); ++j) {
        PutByte(kAssoziationsTabelle + 1 + 2 * static_cast<uint32_t>(j), assoziationen[j].Index);
        PutByte(kAssoziationsTabelle + 2 + 2 * static_cast<uint32_t>(j), assoziationen[j].Objekt);
    }
}

TPanelImageFixture TPanelImageFixture::FromProject(TProjectDatabase &database, int32_t deviceId) {
    const auto device = database.Device(deviceId);
    if (!device)
        throw std::invalid_argument("no such device");
    TPanelImageFixture panel(device->address,
                             TPanelMemory::ManufacturerOfModule(device->moduleName));
    auto value = [&](int id) { return database.ParameterValue(deviceId, id); };
    // A panel text: four parameters, four bytes each from the top byte down, the fourth
    // holding bytes 12 and 13 in its low 16 bits.
    auto text = [&](int id) {
        std::array<uint32_t, 4> p{};
        for (int i = 0; i < 4; ++i)
            p[static_cast<size_t>(i)] = static_cast<uint32_t>(value(id + i).value_or(0));
        AnsiString out;
        for (int i = 0; i < 14; ++i) {
            const uint32_t word = i < 12 ? p[static_cast<size_t>(i / 4)] : p[3];
            const int shift = i < 12 ? 24 - 8 * (i % 4) : (i == 12 ? 8 : 0);
            const char c = static_cast<char>((word >> shift) & 0xFF);
            if (c == 0)
                break;
            out += c;
        }
        return out;
    };
    for (const TZelle &z : kZellen)
        for (int i = 0; i < z.count; ++i) {
            const int id = z.id + i * z.idStep;
            const uint32_t cell = z.cell + static_cast<uint32_t>(i) * z.cellStep;
            const auto v = value(id);
            if (!v)
                throw std::logic_error("the panel has no parameter " + std::to_string(id));
            const uint32_t u = static_cast<uint32_t>(*v);
            switch (z.art) {
            case TArt::Byte:
                panel.PutByte(cell, static_cast<uint8_t>(u & 0xFF));
                break;
            case TArt::Word:
                panel.PutWord(cell, static_cast<uint16_t>(u & 0xFFFF));
                break;
            case TArt::DWord:
                panel.PutWord(cell, static_cast<uint16_t>(u >> 16));
                panel.PutWord(cell + 2, static_cast<uint16_t>(u & 0xFFFF));
                break;
            case TArt::Bits:
                panel.PutBits(cell, z.firstBit, z.bits, u & ((1u << z.bits) - 1));
                break;
            case TArt::Text:
                panel.PutText(cell, text(id));
                break;
            }
        }
    std::vector<uint16_t> ascending(std::begin(kEditierbareTexte), std::end(kEditierbareTexte));
    std::sort(ascending.begin(), ascending.end());
    for (size_t n = 0; n < ascending.size(); ++n)
        panel.PutText(ascending[n],
                      text(kEditierbareTexteId + kEditierbareTexteStep * static_cast<int>(n)));

    // The bus tables: the linked group addresses ascending; per object its associations,
    // the sending one first, as the object manager takes the first as the sending address.
    const std::vector<TLinkRow> links = database.Links(deviceId);
    std::vector<uint16_t> adressen;
    for (const TLinkRow &l : links)
        adressen.push_back(l.groupAddress);
    std::sort(adressen.begin(), adressen.end());
    adressen.erase(std::unique(adressen.begin(), adressen.end()), adressen.end());
    std::map<uint16_t, uint8_t> index;
    for (size_t i = 0; i < adressen.size(); ++i)
        index[adressen[i]] = static_cast<uint8_t>(i + 1);
    std::vector<TLinkRow> sorted = links;
    std::stable_sort(sorted.begin(), sorted.end(), [&](const TLinkRow &a, const TLinkRow &b) {
        if (a.objectNumber != b.objectNumber)
            return a.objectNumber < b.objectNumber;
        if (a.sending != b.sending)
            return a.sending;
        return index[a.groupAddress] < index[b.groupAddress];
    });
    std::vector<TAssoziation> assoziationen;
    for (const TLinkRow &l : sorted)
        assoziationen.push_back({index[l.groupAddress], static_cast<uint8_t>(l.objectNumber)});
    panel.SetGruppenAdressen(adressen);
    panel.SetAssoziationen(assoziationen);
    return panel;
}

std::string TPanelImageFixture::SRecordLine(const char *type, uint32_t address,
                                            const std::vector<unsigned char> &data) {
    // Two address bytes for S1 and S9, three for S2 and S8, four for S3 and S7.
    const char kind = type[1];
    const size_t width = kind == '2' || kind == '8' ? 3 : kind == '3' || kind == '7' ? 4 : 2;
    std::vector<unsigned> bytes;
    bytes.push_back(static_cast<unsigned>(data.size() + width + 1));
    for (size_t i = width; i-- > 0;)
        bytes.push_back((address >> (8 * i)) & 0xFF);
    bytes.insert(bytes.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (const unsigned b : bytes)
        sum += b;
    bytes.push_back(~sum & 0xFF);
    std::string out = type;
    char hex[3];
    for (const unsigned b : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", b);
        out += hex;
    }
    return out + "\r\n";
}

std::string TPanelImageFixture::X19Text() const {
    std::string out;
    for (const TBlock &block : Blocks()) {
        out += "<" + std::string(block.Name) + ">\r\nSX \r\n";
        out += SRecordLine("S0", 0, {'H', 'D', 'R'});
        for (uint32_t at = block.First; at <= block.Last; at += 16) {
            const size_t n = std::min<size_t>(16, block.Last - at + 1);
            out += SRecordLine("S1", at, {FImage.begin() + at, FImage.begin() + at + n});
        }
        out += SRecordLine("S9", 0, {}) + "</" + std::string(block.Name) + ">\r\n";
    }
    return out;
}

void TPanelImageFixture::WriteX19(const std::filesystem::path &file) const {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string text = X19Text();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}
