// A panel's memory image for the reconstruction's tests and benchmarks, built by configuration
// meaning: each setter writes the panel cells of one parameter, typed here from the panel's
// memory layout (not taken from the reconstruction's code, so that the two check each other).
// It starts as a fresh panel of the simulated bus (TPanelMemory::Image).
//
//   TPanelImageFixture panel(0x1105);
//   panel.SetVariante(0x11220000);
//   panel.SetMelder(3, {.Bereich = 1, .EingangsTyp = 2});
//   panel.SetMelderText(3, "Flur");
//   panel.WriteX19(dir / "1105.x19");           // the image file as the read-out writes it
//   project.Database().SetMemoryImage(id, panel.Image());
#pragma once

#include "platform/bustool/TProjectDatabase.h"
#include "platform/vcl/AnsiString.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class TPanelImageFixture {
public:
    // The three blocks of the image file, in file order.
    struct TBlock {
        const char *Name;
        uint16_t First;
        uint16_t Last;
    };
    static const std::vector<TBlock> &Blocks();

    // A detector's word: type 0..3 (bits 5-6 of its first byte), active level (bit 7), input
    // type 0..7 (bits 0-2 of its second byte), area code 0..7 (bits 3-5).
    struct TMelder {
        int MelderTyp = 0;
        bool Aktiv = false;
        int EingangsTyp = 0;
        int Bereich = 0;
    };
    // Four switches of one byte: flash (bit 0), outdoor siren (1), indoor siren (2), relay (3).
    struct TSignalgeber {
        bool Blitz = false;
        bool AussenSirene = false;
        bool InnenSirene = false;
        bool Relais = false;
    };
    // The arming settings of one arming area.
    struct TScharfschaltung {
        uint8_t Param3 = 0;       // 0xBEA8 + k
        uint8_t Param4 = 0;       // 0xBE12 + k
        uint16_t PhysAdr[4] = {}; // 0xBE78 + 8k, four words
        uint8_t Werte[4] = {};    // 0xBE98 + 4k, four bytes
    };
    // An association: address-table index, object number.
    struct TAssoziation {
        uint8_t Index;
        uint8_t Objekt;
    };

    explicit TPanelImageFixture(uint16_t physicalAddress = 0x1101, uint8_t manufacturer = 83);

    std::vector<unsigned char> &Image() { return FImage; }
    const std::vector<unsigned char> &Image() const { return FImage; }
    // The bytes of one block of the image file.
    std::vector<unsigned char> BlockBytes(const TBlock &block) const;

    // System record.
    void SetVariante(uint32_t variante);
    void SetEreignisspeichertiefe(uint8_t tiefe);
    void SetGeraeteVersion(bool unterputz);
    void SetImpulsScharfUnscharf(uint8_t sekunden);
    void SetScharfQuittierungszeit(uint8_t sekunden);
    void SetUnscharfQuittierungszeit(uint8_t sekunden);
    void SetBusspannungswiederkehr(bool bit);
    // Detectors 1..160 and the wired input 162; the tamper input (slot 161).
    void SetMelder(int nummer, const TMelder &melder);
    void SetMelderWort(int nummer, uint16_t wort); // first byte high
    void SetMelderText(int nummer, const AnsiString &text);
    void SetSabotageWiderstand(int code); // 0..3
    void SetSabotage(const TMelder &eingang);
    // Arming areas 1..4.
    void SetScharfschaltBereichText(int bereich, const AnsiString &text);
    void SetScharfschaltung(int bereich, const TScharfschaltung &werte);
    void SetQuittierung(int bereich, const TSignalgeber &signal, bool uegScharf,
                        uint8_t sperrelement);
    // Alarm outputs by type (0 fire, 1 hold-up, 3..6 arming areas 1..4).
    void SetAlarmierung(int typ, const TSignalgeber &signal, bool uegEinbruch);
    void SetAlarmdauer(uint8_t blitz, uint8_t aussen, uint8_t innen, uint8_t relais);
    // Displays 0..3 and the display folder's byte.
    void SetAnzeigeGesamt(uint8_t wert);
    void SetAnzeige(int anzeige, uint8_t wert);
    // System monitoring; the behaviour case is 0 hold-up, 1 burglary.
    void SetAbfrageIntervall(uint8_t sekunden);
    void SetFunktionsueberwachung(uint8_t wert);
    void SetFehlendeFunktionsueberwachung(bool bit);
    void SetVerhaltenUegR(int fall, const TSignalgeber &signal);
    // Date and time: the clock switch, the automatic summer time switch and the two months.
    void SetSystemUhr(bool bit);
    void SetSommerzeitAutomatik(bool bit);
    void SetUmstellung(uint8_t monatWinter, uint8_t monatSommer);
    // Editable texts 1..50, in the chain order of the texts folder.
    void SetEditierbarerText(int nummer, const AnsiString &text);
    // Bus tables: the group addresses behind the own physical address, the associations.
    void SetGruppenAdressen(const std::vector<uint16_t> &adressen);
    void SetAssoziationen(const std::vector<TAssoziation> &assoziationen);

    // The panel as the bus tool would program it from a project: the device parameters and
    // links of the device placed into a fresh panel's cells.
    static TPanelImageFixture FromProject(TProjectDatabase &database, int32_t deviceId);

    // The image file of the three blocks (CR LF lines, S-records of 16 data bytes a line).
    std::string X19Text() const;
    // One S-record line with its count and checksum, ended by CR LF ("S1", "S2", ...).
    static std::string SRecordLine(const char *type, uint32_t address,
                                   const std::vector<unsigned char> &data);
    void WriteX19(const std::filesystem::path &file) const;

private:
    void PutByte(uint32_t at, uint8_t value);
    void PutWord(uint32_t at, uint16_t value);
    void PutBits(uint32_t at, int firstBit, int count, unsigned value);
    void PutText(uint32_t at, const AnsiString &text);

    std::vector<unsigned char> FImage;
};
