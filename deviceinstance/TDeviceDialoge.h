// The device's modal dialogs as the device instance opens them (implemented by the dialogs in
// dialogs/ and by the tests' scripted fake), so that the instance's logic stays free of the
// GUI. Each call builds the dialog with the main window as owner, shows it modally, deletes it
// and answers its modal result (1 for OK).
#pragma once

#include "deviceinstance/RPhysAdr.h"
#include "deviceinstance/TFormVerwDienste.h"
#include "deviceinstance/TRecGroupAddrInfo.h"
#include "foundation/TDatenManager.h"
#include "platform/busobjects/TObjektBasis.h"
#include "platform/vcl/TStringList.h"

#include <cstdint>
#include <list>
#include <map>
#include <vector>

class TDeviceInstanz;
class TEtsGruppenAdressen;
class TVumaGrpAdrSub;

class TDeviceDialoge {
public:
    virtual ~TDeviceDialoge() = default;

    // The group addresses of one communication object: the device instance that opens it
    // (it checks and creates addresses), levels as the bus tool counts them, the object, its
    // links (in: the current ones; out on OK: the chosen ones), the sub groups offered by id,
    // and the project's group-address reader.
    virtual int SelGrpAddr(TDeviceInstanz *device, int levels, TObjektBasis *object,
                           std::vector<TObjektBasis::RecGrpAdrId> &links,
                           const std::map<long, TVumaGrpAdrSub *> &offered,
                           TEtsGruppenAdressen *reader) = 0;
    // The panel's configuration variant word (in; out on OK) with the panel description file.
    virtual int DefinitionAlarmzentrale(uint32_t &variante, const AnsiString &descriptionFile) = 0;
    // A switching device's physical address: the current device (in; out on OK, number 0 for
    // none), the project's devices to offer and the numbers the arming area uses already.
    virtual int SelPhysAdrSe(RPhysAdr &current, const std::vector<RPhysAdr> &candidates,
                             const std::list<int> &used) = 0;
    // A display's area mask (in; out on OK) under the configuration variant, with the
    // dialog's caption and label.
    virtual int Anzeige(int32_t &mask, uint32_t variante, const AnsiString &caption,
                        const AnsiString &label) = 0;
    // How many detectors to add (out on OK), at most `maximum`, with the dialog's caption.
    virtual int MelderHinzufuegen(int &count, int maximum, const AnsiString &caption) = 0;
    // The group-address check of an import: the imported records (may be null), the addresses
    // to create and the word map to fill, the three-level flag and the instance's main-group
    // and middle/sub-group nodes. 1 = go on (also when every address fits and no dialog
    // shows); anything else = the user cancelled.
    virtual int GaCheck(TDatenManager<TDatenStruktur> *store,
                        std::vector<RecNewGroupAddr> &newAddresses,
                        std::map<int, TRecGroupAddrInfo> &wordMap, bool threeLevels,
                        const TObjektMap &mainGroups, const TObjektMap &midSubGroups) = 0;
    // The event-memory read-out's notice: shown without a modal loop (zeigen true; false when
    // it could not be made), closed and deleted (zeigen false).
    virtual bool InfoEreignisspeicher(bool zeigen) = 0;
    // The events read out (one comma-text line each), the title, the panel's label, the PC's
    // and the panel's time texts.
    virtual int Ereignisspeicher(const TStringList &lines, const AnsiString &title,
                                 const AnsiString &label, const AnsiString &pcTime,
                                 const AnsiString &panelTime) = 0;
};
