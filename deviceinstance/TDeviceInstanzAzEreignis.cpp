// Reading the panel's event memory over the bus: its 8-byte records become text lines (number,
// area, event, participant, date, time), grouped by area and sorted by date and time, and go
// with the panel's and the PC's clock to the event-memory dialog.
#include "deviceinstance/TDeviceInstanzAz.h"

#include "deviceinstance/PcUhr.h"
#include "deviceinstance/TDeviceDialoge.h"
#include "deviceinstance/TEibZugriff.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "objectmodel/AzKlassen.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzScharfschaltBereich.h"
#include "objectmodel/TAzSystem.h"
#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

// Panel memory of the read-out (addresses inclusive).
constexpr uint16_t kUhrZeiger = 0xBEB8;
constexpr uint16_t kSpeicherA = 0xA332;
// One byte beyond the 320 records is read with the last block and ignored.
constexpr uint16_t kSpeicherAEnde = 0xAD32;
constexpr int kRecordsA = 320;
constexpr uint16_t kSpeicherB = 0xB954;
constexpr uint16_t kSpeicherBEnde = 0xBBD3;
constexpr int kRecordsB = 80;
constexpr int kFeuerRecordsB = 40; // records 0-39 of memory B: fire, 40-79: hold-up
constexpr size_t kBytesA = kSpeicherAEnde - kSpeicherA + 1;
constexpr size_t kBytesB = kSpeicherBEnde - kSpeicherB + 1;
static_assert(kBytesA == 2561 && kBytesA >= 8 * kRecordsA);
static_assert(kBytesB == 8 * kRecordsB);

// The items of an event line.
enum : int { kItemDatum = 4, kItemZeit = 5 };

// The text of each event kind by its number (0: none, "Unknown event").
constexpr std::array<int, 21> kEreignisText = {0,     11134, 11132, 11130, 11131, 11147, 11133,
                                               11129, 11137, 11150, 11127, 11148, 11125, 11135,
                                               11123, 11136, 11149, 11128, 11126, 11124, 11208};
constexpr int kMelderArtBis = 7;                      // kinds 1-7 name a detector
constexpr int kSubCodeArtVon = 8, kSubCodeArtBis = 9; // kinds 8 and 9 a sub-code

struct TSubCode {
    int Code;
    int Text;
};
// Sub-codes of kinds 8 and 9: memory A knows the arming inputs and the alarm reset, memory B
// only the alarm reset.
constexpr TSubCode kSubCodesA[] = {{0, 11142}, {1, 11143}, {2, 11144}, {3, 11145}, {7, 11138}};
constexpr TSubCode kSubCodesB[] = {{7, 11138}};

template <size_t N> AnsiString SubCodeText(const TSubCode (&table)[N], int code) {
    LOG_FKT("DeviceInstanzAz::SubCodeText");
    for (const TSubCode &s : table)
        if (s.Code == code)
            return SprText(s.Text);
    return {};
}

// How event memory A is shared among the arming areas: by the configuration variant, the
// area of the first, second, third and every further block of `depth` records.
struct TSsbVerteilung {
    uint32_t Variante;
    std::array<uint8_t, 4> Bereiche;
};
constexpr TSsbVerteilung kSsbVerteilung[] = {
    {0x11000000, {1, 1, 1, 1}}, {0x11000098, {1, 4, 4, 4}}, {0x11004498, {1, 3, 4, 4}},
    {0x110044CC, {1, 3, 4, 4}}, {0x11220000, {1, 2, 2, 2}}, {0x11330000, {1, 2, 2, 2}},
    {0x112200B8, {1, 2, 4, 4}}, {0x11224400, {1, 2, 3, 3}}, {0x11224488, {1, 2, 3, 4}},
    {0x11224498, {1, 2, 3, 4}}, {0x112244B8, {1, 2, 3, 4}}, {0x112244CC, {1, 2, 3, 4}},
    {0x112244F8, {1, 2, 3, 4}}, {0x113344CC, {1, 2, 3, 4}},
};

// A number of decimal digits only; -1 for anything else (an empty text included).
long Zahl(const AnsiString &text) {
    LOG_FKT("DeviceInstanzAz::Zahl");
    if (text.empty() || text.size() > 9)
        return -1;
    long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "a<sep>b<sep>c" cut from the end at the last separator each time; false when a part is
// not a number.
bool DreiTeile(const AnsiString &text, char sep, std::array<long, 3> &teile) {
    LOG_FKT("DeviceInstanzAz::DreiTeile");
    AnsiString rest = text;
    for (int i = 2; i >= 1; --i) {
        const size_t cut = rest.find_last_of(sep);
        if (cut == AnsiString::npos)
            return false;
        teile[static_cast<size_t>(i)] = Zahl(rest.substr(cut + 1));
        rest.erase(cut);
    }
    teile[0] = Zahl(rest);
    return std::none_of(teile.begin(), teile.end(), [](long t) { return t < 0; });
}

// Compares the parts in the order given (most significant first).
bool Vergleiche(const AnsiString &a, const AnsiString &b, char sep, std::array<size_t, 3> folge,
                int &result) {
    LOG_FKT("DeviceInstanzAz::Vergleiche");
    std::array<long, 3> ta{}, tb{};
    if (!DreiTeile(a, sep, ta) || !DreiTeile(b, sep, tb))
        return false;
    result = 0;
    for (const size_t i : folge)
        if (ta[i] != tb[i]) {
            result = ta[i] < tb[i] ? 1 : 2;
            break;
        }
    return true;
}

AnsiString Zwei(int value) {
    LOG_FKT("DeviceInstanzAz::Zwei");
    char text[16];
    std::snprintf(text, sizeof(text), "%02d", value);
    return text;
}

AnsiString Item(const AnsiString &line, int index) {
    LOG_FKT("DeviceInstanzAz::Item");
    std::vector<AnsiString> items;
    TStringList::SplitCommaText(line, items);
    return index < static_cast<int>(items.size()) ? items[static_cast<size_t>(index)]
                                                  : AnsiString();
}

// Closes the read-out's notice on every way out.
class TInfoFenster {
public:
    explicit TInfoFenster(TDeviceDialoge *dialoge) : FDialoge(dialoge) {
        LOG_FKT("InfoFenster::TInfoFenster");
    }
    ~TInfoFenster() {
        LOG_FKT("InfoFenster::~TInfoFenster");
        Schliessen();
    }
    TInfoFenster(const TInfoFenster &) = delete;
    TInfoFenster &operator=(const TInfoFenster &) = delete;
    void Zeigen() {
        LOG_FKT("InfoFenster::Zeigen");
        FOffen = FDialoge && FDialoge->InfoEreignisspeicher(true);
    }
    void Schliessen() {
        LOG_FKT("InfoFenster::Schliessen");
        if (FOffen)
            FDialoge->InfoEreignisspeicher(false);
        FOffen = false;
    }

private:
    TDeviceDialoge *FDialoge;
    bool FOffen = false;
};

} // namespace

uint16_t TDeviceInstanzAz::MergeGrpAdrStringToWord(const AnsiString &text) {
    LOG_FKT("DeviceInstanzAz::MergeGrpAdrStringToWord");
    std::array<long, 3> teile{};
    // Out of range would name another device: such a text is no address.
    if (!DreiTeile(text, '.', teile) || teile[0] > 15 || teile[1] > 15 || teile[2] > 255)
        return 0;
    return static_cast<uint16_t>(teile[0] << 12 | teile[1] << 8 | teile[2]);
}

uint16_t TDeviceInstanzAz::SwapWord(uint16_t value) {
    LOG_FKT("DeviceInstanzAz::SwapWord");
    return static_cast<uint16_t>((value << 8) | (value >> 8));
}

AnsiString TDeviceInstanzAz::GetPcDateTimeString() {
    LOG_FKT("DeviceInstanzAz::GetPcDateTimeString");
    const TPcZeit t = PcJetzt();
    return Zwei(t.Tag) + "." + Zwei(t.Monat) + "." + Zwei(t.Jahr % 100) + " / " + Zwei(t.Stunde) +
           ":" + Zwei(t.Minute) + ":" + Zwei(t.Sekunde) + " " + SprText(11382);
}

bool TDeviceInstanzAz::CheckEreignisExist(const unsigned char *first4, const unsigned char *last4) {
    LOG_FKT("DeviceInstanzAz::CheckEreignisExist");
    auto leer = [](const unsigned char *b) {
        return std::all_of(b, b + 4, [](unsigned char c) { return c == 0xFF; });
    };
    return !(leer(first4) && leer(last4));
}

bool TDeviceInstanzAz::CheckDateAndBuildString(int day, int month, AnsiString &text, int year) {
    LOG_FKT("DeviceInstanzAz::CheckDateAndBuildString");
    if (day < 0 || day >= 32 || month < 0 || month > 12 || year < 0 || year >= 100) {
        text = "00.00.00";
        return false;
    }
    text = Zwei(day) + "." + Zwei(month) + "." + Zwei(year);
    return true;
}

bool TDeviceInstanzAz::CheckTimeAndBuildString(int hour, int minute, AnsiString &text, int second) {
    LOG_FKT("DeviceInstanzAz::CheckTimeAndBuildString");
    if (hour < 0 || hour > 23 || minute < 0 || minute >= 60 || second < 0 || second >= 60) {
        text = "00:00:00";
        return false;
    }
    text = Zwei(hour) + ":" + Zwei(minute) + ":" + Zwei(second);
    return true;
}

AnsiString TDeviceInstanzAz::GetTextEreignisart(uint8_t kind, bool &melder, AnsiString &text,
                                                bool &subCode) {
    LOG_FKT("DeviceInstanzAz::GetTextEreignisart");
    subCode = false;
    const int art = kind & 0x3F; // bits 6 and 7 are not part of the kind
    if (art < 1 || art > kMelderArtBis)
        melder = false;
    if (art >= kSubCodeArtVon && art <= kSubCodeArtBis)
        subCode = true;
    const bool bekannt = art >= 1 && art < static_cast<int>(kEreignisText.size());
    text = bekannt ? SprText(kEreignisText[static_cast<size_t>(art)]) : AnsiString("Unknown event");
    return text;
}

AnsiString TDeviceInstanzAz::GetMeldertext(int nummer) {
    LOG_FKT("DeviceInstanzAz::GetMeldertext");
    // 162 names the wired input, whatever number it holds; 0 is no detector.
    constexpr int kVerdrahtet = 162;
    if (nummer == 0)
        return {};
    TAzMelder *melder =
        nummer == kVerdrahtet ? GetPointerVerdrahteterMelder() : GetPointerInstMelder(nummer);
    return melder ? melder->GetMelderText() : AnsiString();
}

void TDeviceInstanzAz::GetTextSsb(int index, int &bereich, AnsiString &text) {
    LOG_FKT("DeviceInstanzAz::GetTextSsb");
    bereich = 0;
    TAzSystem *system = GetPointerInstAzSystem();
    if (!system) {
        text.clear();
        return;
    }
    const uint32_t variante = system->GetParamVarianteAz();
    const int tiefe = system->GetEreignisspeichertiefe();
    const size_t block = index < tiefe ? 0 : index < 2 * tiefe ? 1 : index < 3 * tiefe ? 2 : 3;
    for (const TSsbVerteilung &v : kSsbVerteilung)
        if (v.Variante == variante)
            bereich = v.Bereiche[block];
    if (bereich == 0) {
        text = " ";
        return;
    }
    const auto *ssb =
        dynamic_cast<const TAzScharfschaltBereich *>(GetPointerInstScharfschaltBereich(
            static_cast<int16_t>(AzKlasse::ScharfschaltBereich1.Typ + bereich - 1)));
    text = ssb ? ssb->GetTextScharfschaltBereich() : AnsiString();
}

bool TDeviceInstanzAz::CompareDate(const AnsiString &a, const AnsiString &b, int &result) {
    LOG_FKT("DeviceInstanzAz::CompareDate");
    return Vergleiche(a, b, '.', {2, 1, 0}, result); // year, month, day
}

bool TDeviceInstanzAz::CompareTime(const AnsiString &a, const AnsiString &b, int &result) {
    LOG_FKT("DeviceInstanzAz::CompareTime");
    return Vergleiche(a, b, ':', {0, 1, 2}, result); // hour, minute, second
}

bool TDeviceInstanzAz::SortiereEreignisse(const TStringList &input, TStringList &output) {
    LOG_FKT("DeviceInstanzAz::SortiereEreignisse");
    output.Clear();
    for (int i = 0; i < input.Count(); ++i) {
        const AnsiString &line = input[i];
        if (i == 0) {
            output.Add(line);
            continue;
        }
        const AnsiString datum = Item(line, kItemDatum);
        const AnsiString zeit = Item(line, kItemZeit);
        int stelle = output.Count();
        for (int j = 0; j < output.Count(); ++j) {
            int d = 0, t = 0;
            if (!CompareDate(datum, Item(output[j], kItemDatum), d) ||
                (d == 0 && !CompareTime(zeit, Item(output[j], kItemZeit), t))) {
                // Nothing is dropped: what cannot be placed follows unsorted.
                for (int k = i; k < input.Count(); ++k)
                    output.Add(input[k]);
                return false;
            }
            if (d == 1 || (d == 0 && t == 1)) {
                stelle = j;
                break;
            }
            if (d == 0 && t == 0) {
                stelle = j + 1;
                break;
            }
        }
        output.Insert(stelle, line);
    }
    return true;
}

void TDeviceInstanzAz::AddEreignisse(TStringList &target, const TStringList &source) {
    LOG_FKT("DeviceInstanzAz::AddEreignisse");
    for (const AnsiString &line : source)
        target.Add(line);
}

int TDeviceInstanzAz::EreignisspeicherAuslesen() {
    LOG_FKT("DeviceInstanzAz::EreignisspeicherAuslesen");
    TDeviceEtsInfo info;
    GetDeviceEtsInfo(info);
    const AnsiString geraet = info.ProductText + "[" + info.PhysAdr + "]";
    const AnsiString titel =
        SprText(11265) + ": " + info.ProjectName + ", " + SprText(11083) + ": " + geraet;
    const uint16_t adresse = MergeGrpAdrStringToWord(info.PhysAdr);
    TEts2Cdi *cdi = Cdi();
    if (adresse == 0 || !cdi)
        return 0;
    TDeviceDialoge *dialoge = FMain ? FMain->GetDeviceDialoge() : nullptr;

    TCursorHourGlass hourGlass;
    TInfoFenster infoFenster(dialoge);
    if (FMain)
        FMain->ProcessMessages();
    infoFenster.Zeigen();
    if (FMain)
        FMain->ProcessMessages();
    const AnsiString pcZeit = GetPcDateTimeString();

    std::array<unsigned char, 4> datum{}, zeit{};
    std::vector<unsigned char> speicherA(kBytesA), speicherB(kBytesB);
    TEibZugriff bus(*cdi, adresse);
    const int zustand = bus.Ausfuehren([&](TEibZugriff &z) {
        std::array<unsigned char, 2> zeiger{};
        if (!z.Lesen(zeiger.data(), kUhrZeiger, kUhrZeiger + 1))
            return false;
        // The cell holds the address high byte first.
        const uint16_t p = SwapWord(static_cast<uint16_t>(zeiger[0] | zeiger[1] << 8));
        return z.Lesen(datum.data(), static_cast<uint16_t>(p + 3), static_cast<uint16_t>(p + 6)) &&
               z.Lesen(zeit.data(), p, static_cast<uint16_t>(p + 3)) &&
               z.Lesen(speicherA.data(), kSpeicherA, kSpeicherAEnde) &&
               z.Lesen(speicherB.data(), kSpeicherB, kSpeicherBEnde);
    });
    hourGlass.Release();
    if (zustand != TEibZugriff::zsOk) {
        MessageBox(MainHandle(), SprText(zustand == TEibZugriff::zsLesen ? 11153 : 11146),
                   SprText(11139), MB_OK);
        return 0;
    }

    int nummer = 0;
    auto zeile = [&](const unsigned char *r, const AnsiString &bereichText,
                     bool speicherBZeile) -> AnsiString {
        bool melder = true, subCode = false;
        AnsiString ereignis;
        GetTextEreignisart(r[6], melder, ereignis, subCode);
        AnsiString teilnehmer = " ";
        if (melder)
            teilnehmer = GetMeldertext((r[7] + 1) % 256);
        else if (subCode)
            teilnehmer =
                speicherBZeile ? SubCodeText(kSubCodesB, r[7]) : SubCodeText(kSubCodesA, r[7]);
        AnsiString d, t;
        CheckDateAndBuildString(r[0], r[1], d, r[2]);
        CheckTimeAndBuildString(r[3], r[4], t, r[5]);
        TStringList items;
        for (const AnsiString &item :
             {std::to_string(++nummer), bereichText, ereignis, teilnehmer, d, t})
            items.Add(item);
        return items.CommaText();
    };

    std::array<TStringList, 4> ssbListen;
    TStringList feuer, ueberfall, ausgabe, sortiert;
    for (int i = 0; i < kRecordsA; ++i) {
        const unsigned char *r = speicherA.data() + 8 * i;
        if (!CheckEreignisExist(r, r + 4))
            continue;
        int bereich = 0;
        AnsiString bereichText;
        GetTextSsb(i, bereich, bereichText);
        const AnsiString line = zeile(r, bereichText, false);
        (bereich >= 1 && bereich <= 4 ? ssbListen[static_cast<size_t>(bereich - 1)] : ausgabe)
            .Add(line);
    }
    for (int i = 0; i < kRecordsB; ++i) {
        const unsigned char *r = speicherB.data() + 8 * i;
        if (!CheckEreignisExist(r, r + 4))
            continue;
        const bool istFeuer = i < kFeuerRecordsB;
        (istFeuer ? feuer : ueberfall).Add(zeile(r, SprText(istFeuer ? 11270 : 11271), true));
    }
    infoFenster.Schliessen();

    AnsiString panelDatum, panelZeit;
    CheckDateAndBuildString(datum[0], datum[1], panelDatum, datum[3]);
    CheckTimeAndBuildString(zeit[0], zeit[1], panelZeit, zeit[2]);
    const AnsiString panel = panelDatum + " / " + panelZeit + " " + SprText(11382);

    for (TStringList *liste :
         {&ssbListen[0], &ssbListen[1], &ssbListen[2], &ssbListen[3], &feuer, &ueberfall}) {
        SortiereEreignisse(*liste, sortiert);
        AddEreignisse(ausgabe, sortiert);
    }
    if (dialoge)
        dialoge->Ereignisspeicher(ausgabe, titel, geraet, pcZeit, panel);
    return 0;
}
