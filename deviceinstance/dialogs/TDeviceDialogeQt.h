// The device's dialogs as Qt windows: what the main window hands the device instance as its
// dialog seam (TDeviceDialoge). Each call builds the dialog, shows it modally and answers its
// modal result.
#pragma once

#include "deviceinstance/TDeviceDialoge.h"

#include <memory>

class QWidget;
class TDlgInfoEreignisspeicher;

class TDeviceDialogeQt : public TDeviceDialoge {
public:
    // owner: the window the dialogs open over (may be null).
    explicit TDeviceDialogeQt(QWidget *owner = nullptr);
    ~TDeviceDialogeQt() override;

    int SelGrpAddr(TDeviceInstanz *device, int levels, TObjektBasis *object,
                   std::vector<TObjektBasis::RecGrpAdrId> &links,
                   const std::map<long, TVumaGrpAdrSub *> &offered,
                   TEtsGruppenAdressen *reader) override;
    int DefinitionAlarmzentrale(uint32_t &variante, const AnsiString &descriptionFile) override;
    int SelPhysAdrSe(RPhysAdr &current, const std::vector<RPhysAdr> &candidates,
                     const std::list<int> &used) override;
    int Anzeige(int32_t &mask, uint32_t variante, const AnsiString &caption,
                const AnsiString &label) override;
    int MelderHinzufuegen(int &count, int maximum, const AnsiString &caption) override;
    int GaCheck(TDatenManager<TDatenStruktur> *store, std::vector<RecNewGroupAddr> &newAddresses,
                std::map<int, TRecGroupAddrInfo> &wordMap, bool threeLevels,
                const TObjektMap &mainGroups, const TObjektMap &midSubGroups) override;
    bool InfoEreignisspeicher(bool zeigen) override;
    int Ereignisspeicher(const TStringList &lines, const AnsiString &title, const AnsiString &label,
                         const AnsiString &pcTime, const AnsiString &panelTime) override;

private:
    QWidget *FOwner;
    // The read-out's notice while it shows.
    std::unique_ptr<TDlgInfoEreignisspeicher> FInfo;
};
