#include "shell/TSprachwahl.h"

#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "platform/dialogs/DlgInfo.h"
#include "platform/log/Log.h"
#include "platform/win/Profile.h"
#include "shell/TDM.h"

#include <string>

namespace {
AnsiString LiesUndSchreib(const AnsiString &key, const AnsiString &iniFile) {
    char buffer[256];
    GetPrivateProfileString(RegSecSprache, key.c_str(), "", buffer, sizeof buffer, iniFile.c_str());
    WritePrivateProfileString(RegSecSprache, key.c_str(), buffer, iniFile.c_str());
    return buffer;
}
} // namespace

TRecSpracheinstellung SprachDaten(const AnsiString &iniFile) {
    LOG_FKT("TSprachwahl::SprachDaten");
    TRecSpracheinstellung d;
    const int count = GetPrivateProfileInt(RegSecSprache, RegKeyCount, 0, iniFile.c_str());
    WritePrivateProfileString(RegSecSprache, RegKeyCount, std::to_string(count).c_str(),
                              iniFile.c_str());
    for (int i = 0; i < count; ++i) {
        const AnsiString name = LiesUndSchreib(RegKeySprache + std::to_string(i), iniFile);
        const AnsiString ext = LiesUndSchreib(RegKeySprachExt + std::to_string(i), iniFile);
        d.Sprachen[name] = ext;
    }
    d.Caption = SprText(9087);
    d.BtnOk = SprText(9009);
    d.BtnAbbrechen = SprText(9007);
    d.Prompt = SprText(9151);
    d.TextNeustart = SprText(9088);
    d.TextGeaendert = SprText(9089);
    d.TextFehlgeschlagen = SprText(9122);
    d.TextFehler = SprText(9041);
    d.TextNichtEingetragen = SprText(9126);
    d.TextNichtGeoeffnet = SprText(9118);
    d.Wert = 1;
    return d;
}

bool SpracheEinstellen(TDM &dm) {
    LOG_FKT("TSprachwahl::SpracheEinstellen");
    SetSpracheinstellungIniFile(dm.IniFile);
    const bool gespeichert = _StartDlgSpracheinstellung(SprachDaten(dm.IniFile));
    if (gespeichert)
        dm.CloseInsteadOfHide = true;
    return gespeichert;
}

AnsiString InfoBild(const TDM &dm) {
    LOG_FKT("TSprachwahl::InfoBild");
    return dm.ProgramFolder + "Az/AboutImage/Az.bmp";
}

void InfoZeigen(const TDM &dm) {
    LOG_FKT("TSprachwahl::InfoZeigen");
    _StartDlgInfo(SprText(9027), SprText(9208), "", InfoBild(dm));
}
