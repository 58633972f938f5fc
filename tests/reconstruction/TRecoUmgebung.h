// What the folder reconstructors work on, made from a panel image as the reconstruction makes
// it: the readers of the blocks UserSoftware and MelderTexte and of the three bus tables, the
// object manager, a record database and an error collector (which records every report).
// For tests and benchmarks.
//
//   TPanelImageFixture panel;
//   TRecoUmgebung u(panel.Image());
//   uint32_t variante = 0;
//   u.Alle(variante);                           // the system record and the eight top folders
//   u.Datenbank.Find(1)->Param7;
#pragma once

#include "TPanelImageFixture.h"
#include "platform/recobase/TRecoDataManagament.h"
#include "platform/recobase/TRecoErrors.h"
#include "platform/recobase/TRecoObjectManagement.h"
#include "platform/recobase/TVumaDatenbank.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// An object manager that records every RecoObjekt call with its arguments; the n-th call
// (from 1) answers false when asked to. It makes no record.
class TRecoObjekteRecorder : public TRecoObjectManagement {
public:
    struct TAufruf {
        int Nummer, Parent;
        AnsiString Name, Text;
        int Arg5, Arg6, Arg7, Arg8, Arg9, Arg10, Arg11, Arg12, Arg13;
        bool operator==(const TAufruf &) const = default;
    };

    TRecoObjekteRecorder();
    bool RecoObjekt(int objekt, int parent, const AnsiString &name, const AnsiString &text,
                    int arg5, int arg6, int arg7, int arg8, int arg9, int arg10, int arg11,
                    int arg12, int arg13) override;

    std::vector<TAufruf> Aufrufe;
    std::optional<int> FehlerBei;
};

class TRecoUmgebung {
public:
    // The bus objects of a panel: 0 to 230.
    static constexpr int kObjekte = 231;

    // A full four-area panel (variant 0x113344CC) whose every value lies in its allowed set:
    // detectors 1 to 160 and the wired input used (area codes 1 to 6 in turn) with texts,
    // every arming area, alarm output, display and the monitoring in use, the texts set, and
    // each bus object linked to a group address of its own (0x0800 + number).
    static TPanelImageFixture VollesPanel();
    // The area code of detector n (1 to 160, the wired input 162) in the full panel; its text
    // is "Melder n".
    static int VollesPanelBereich(int n) { return 1 + n % 6; }

    // UserSoftware ends at userLast when given (a short reader), else at the block's end.
    explicit TRecoUmgebung(const std::vector<unsigned char> &image,
                           std::optional<uint32_t> userLast = std::nullopt);
    TRecoUmgebung(const TRecoUmgebung &) = delete;
    TRecoUmgebung &operator=(const TRecoUmgebung &) = delete;

    // The system record, then the top folders in the driver's order with its names and order
    // numbers; false at the first that fails. The object manager: the real one, or the
    // recorder when given.
    bool Alle(uint32_t &variante, TRecoObjectManagement *objekte = nullptr);
    // The top folders after the system record, each given the variant.
    bool Ordner(uint32_t variante, TRecoObjectManagement *objekte = nullptr);

    TRecoDataManagament *User() { return FUser.get(); }
    TRecoDataManagament *Texte() { return FTexte.get(); }
    TRecoObjectManagement *Objekte() { return FObjekte.get(); }

    TVumaDatenbank Datenbank;
    TRecoErrors Errors;

private:
    std::unique_ptr<TRecoDataManagament> Reader(TMemoryStream &stream,
                                                const std::vector<unsigned char> &image,
                                                uint32_t first, uint32_t last);

    TMemoryStream FUserStream, FTexteStream, FAdressenStream, FObjekteStream, FAssoziationenStream;
    std::unique_ptr<TRecoDataManagament> FUser, FTexte, FAdressen, FObjekteTabelle, FAssoziationen;
    std::unique_ptr<TRecoObjectManagement> FObjekte;
};
