// The bus-table report of TRecoAz: the panel's group addresses, associations and bus objects
// as an INI-like text file, one line per key, in table order, nothing sorted or merged.
#include "reconstruction/TRecoAz.h"

#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {
const char *const kFile = "TRecoAzCommunication.cpp";
// The object table: the count byte and the flag-table pointer, then four bytes per object.
constexpr uint32_t kObjektEintraege = 3;
constexpr uint32_t kObjektEintrag = 4;

AnsiString Zeile(const AnsiString &key, long long value) {
    LOG_FKT("TRecoAz::Zeile");
    return key + std::to_string(value);
}
} // namespace

bool TRecoAz::CreateCommunicationPart(const AnsiString &reportFile) {
    LOG_FKT("TRecoAz::CreateCommunicationPart");
    const auto stream = std::make_unique<TMemoryStream>();
    const auto list = std::make_unique<TStringList>();
    struct TSchritt {
        int Zeile;
        int Text;
        bool (TRecoAz::*Lauf)();
    };
    // The detector texts are not needed here.
    const TSchritt schritte[] = {
        {__LINE__, 24211, &TRecoAz::CreateDataManagementUserSoftware},
        {__LINE__, 24222, &TRecoAz::CreateDataManagementBcuSoftware},
        {__LINE__, 24223, &TRecoAz::CreateObjektManagement},
    };
    for (const TSchritt &schritt : schritte) {
        if (!(this->*schritt.Lauf)()) {
            Fehlerbox(schritt.Text, kFile, schritt.Zeile, "TRecoAz::CreateCommunicationPart");
            return false;
        }
    }
    if (!FAdressTabelle || !FObjektTabelle || !FAssoziationsTabelle || !FObjekte)
        return false;

    // Group addresses: entry 0 is the panel's own physical address and is not listed.
    unsigned char eintraege = 0;
    if (!FAdressTabelle->GetByte(0, eintraege))
        return false;
    const int g = eintraege > 0 ? eintraege - 1 : 0;
    list->Add("[Group_Address_Entry]");
    list->Add(Zeile("NumberOfGroupAddresses=", g));
    std::map<int, unsigned short> adressen;
    for (int i = 1; i <= g; ++i) {
        unsigned short adresse = 0;
        if (!FAdressTabelle->GetWord(2u * static_cast<uint32_t>(i) + 1, adresse))
            return false;
        list->Add(Zeile(std::to_string(i) + "=", adresse));
        adressen[i] = adresse;
    }

    // Associations: every one is listed; the sending flag stays empty where it cannot be
    // decided (an index that is no listed address, an object without addresses).
    unsigned char assoziationen = 0;
    if (!FAssoziationsTabelle->GetByte(0, assoziationen))
        return false;
    list->Add("[Group_Association_Entry]");
    list->Add(Zeile("NumberOfAssociation=", assoziationen));
    std::set<int> verbunden;
    for (uint32_t j = 1; j <= assoziationen; ++j) {
        unsigned char objekt = 0;
        unsigned char index = 0;
        if (!FAssoziationsTabelle->GetByte(2 * j, objekt) ||
            !FAssoziationsTabelle->GetByte(2 * j - 1, index))
            return false;
        const AnsiString nr = std::to_string(j);
        list->Add(Zeile(nr + "_ObjectNumber=", objekt));
        list->Add(Zeile(nr + "_NumberGaConnection=", index));
        verbunden.insert(objekt);
        AnsiString sendet;
        bool found = false;
        std::vector<unsigned short> erste;
        std::vector<unsigned short> zweite;
        const auto it = adressen.find(index);
        if (it != adressen.end() &&
            FObjekte->GetObjektGroupAddresses(objekt, found, erste, zweite) && !erste.empty())
            sendet = erste.front() == it->second ? "1" : "0";
        list->Add(nr + "_fSending=" + sendet);
    }

    // Bus objects, numbered from 0. The object manager's answer is not asked for: an object
    // of a type it does not know is listed with what it gives. Only a count that reaches
    // beyond the table ends the report.
    unsigned char objekte = 0;
    if (!FObjektTabelle->GetByte(0, objekte))
        return false;
    list->Add("[Group_Object_Entry]");
    list->Add(Zeile("NumberOfObjects=", objekte));
    for (int k = 0; k < objekte; ++k) {
        // The entry's last byte.
        const uint32_t ende = kObjektEintraege + kObjektEintrag * static_cast<uint32_t>(k + 1) - 1;
        unsigned char byte = 0;
        if (!FObjektTabelle->GetByte(ende, byte))
            return false;
        unsigned char flags = 0;
        unsigned char typ = 0;
        unsigned char bits = 0;
        FObjekte->GetObjektData(k, flags, typ, bits);
        const AnsiString nr = std::to_string(k);
        list->Add(Zeile("Object-Number=", k));
        list->Add(nr + (verbunden.count(k) ? "_fPresent=1" : "_fPresent=0"));
        list->Add(Zeile(nr + "_Flags=", flags));
        list->Add(Zeile(nr + "_DataPointType=", typ));
        list->Add(Zeile(nr + "_LengthInBits=", bits));
    }

    stream->Clear();
    list->SaveToStream(*stream);
    stream->SetPosition(0);
    stream->SaveToFile(reportFile);
    return true;
}
