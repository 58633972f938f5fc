// One reconstruction run over a fixture image for the folder tests: the system record and the
// eight top folders with a recording object manager, and what they made.
#pragma once

#include "TPanelImageFixture.h"
#include "TRecoUmgebung.h"
#include "foundation/SprTexte.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

// The list's entry for a detector that no area takes: its number and its text.
inline TRecoErrorEintrag OhneBereich(int n, const AnsiString &text) {
    return {"Melder " + std::to_string(n), SprText(11057), "keiner", text};
}
inline bool IstOhneBereich(const TRecoErrorEintrag &e) {
    return e.Parameter == SprText(11057) && e.Standard == "keiner";
}
// The entries of the full panel's detectors 1 to 160 whose area code is one of these, in
// detector order.
inline std::vector<TRecoErrorEintrag> OhneBereichImVollenPanel(const std::set<int> &codes) {
    std::vector<TRecoErrorEintrag> out;
    for (int n = 1; n <= 160; ++n)
        if (codes.count(TRecoUmgebung::VollesPanelBereich(n)))
            out.push_back(OhneBereich(n, "Melder " + std::to_string(n)));
    return out;
}

struct TRecoLauf {
    TRecoUmgebung U;
    TRecoObjekteRecorder Objekte;
    uint32_t Variante = 0;
    bool Ok = false;

    explicit TRecoLauf(const TPanelImageFixture &panel,
                       std::optional<uint32_t> userLast = std::nullopt)
        : U(panel.Image(), userLast) {
        Ok = U.Alle(Variante, &Objekte);
    }

    // The records of a type in handle order.
    std::vector<const TDatenStruktur *> Typ(int typ) {
        std::vector<const TDatenStruktur *> records;
        for (int h = 1; h <= U.Datenbank.Count(); ++h)
            if (U.Datenbank.Find(h)->Typ == typ)
                records.push_back(U.Datenbank.Find(h));
        return records;
    }
    // The one record of a type whose field has the value; null when there is not exactly one.
    const TDatenStruktur *Einer(int typ, int32_t TDatenStruktur::*feld = nullptr,
                                int32_t wert = 0) {
        const TDatenStruktur *found = nullptr;
        for (const TDatenStruktur *r : Typ(typ)) {
            if (feld && r->*feld != wert)
                continue;
            if (found)
                return nullptr;
            found = r;
        }
        return found;
    }
    // The object numbers in call order, of every call or of those under a parent.
    std::vector<int> Nummern(std::optional<int> parent = std::nullopt) const {
        std::vector<int> nummern;
        for (const auto &a : Objekte.Aufrufe)
            if (!parent || a.Parent == *parent)
                nummern.push_back(a.Nummer);
        return nummern;
    }
    const TRecoObjekteRecorder::TAufruf *Objekt(int nummer) const {
        for (const auto &a : Objekte.Aufrufe)
            if (a.Nummer == nummer)
                return &a;
        return nullptr;
    }
    const std::vector<TRecoErrorEintrag> &Meldungen() const { return U.Errors.Eintraege(); }
};
