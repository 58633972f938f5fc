// Autosave and recovery: the copy of the current device's configuration beside the program,
// the list of devices open for editing ([Options] NotClosed) and the restore from a copy.
#include "shell/TFormMain.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "foundation/TRegIni.h"
#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/MessageBox.h"
#include "shell/DateiErsetzen.h"
#include "shell/QtText.h"
#include "shell/TBaumNeuaufbau.h"
#include "shell/TDM.h"
#include "shell/TFormVerw.h"

#include <QDateTime>
#include <QLocale>

#include <chrono>
#include <filesystem>
#include <string>

namespace {
// The list keeps at most this many ids before one is appended.
constexpr int kNotClosedMax = 15;

// The autosave timer runs again when the restore ends, on every way out.
class TAutoSaveWieder {
public:
    explicit TAutoSaveWieder(TDM &dm) : FDM(dm) {
        LOG_FKT("FormMain::TAutoSaveWieder::TAutoSaveWieder");
        FDM.StartTimerAutoSave(false);
    }
    ~TAutoSaveWieder() {
        LOG_FKT("FormMain::TAutoSaveWieder::~TAutoSaveWieder");
        FDM.StartTimerAutoSave(true);
    }
    TAutoSaveWieder(const TAutoSaveWieder &) = delete;
    TAutoSaveWieder &operator=(const TAutoSaveWieder &) = delete;

private:
    TDM &FDM;
};

// The file's last change as " mmmm d, yyyy , hh:mm", the month named in the user's language.
AnsiString DateiDatum(const AnsiString &path) {
    LOG_FKT("FormMain::DateiDatum");
    std::error_code ec;
    const auto geaendert = std::filesystem::last_write_time(path, ec);
    const auto sekunden = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::file_clock::to_sys(geaendert).time_since_epoch());
    const QDateTime zeit = QDateTime::fromSecsSinceEpoch(ec ? 0 : sekunden.count());
    const QLocale locale;
    const QString text = QString(" %1 %2, %3 , %4")
                             .arg(locale.standaloneMonthName(zeit.date().month()))
                             .arg(zeit.date().day())
                             .arg(zeit.date().year())
                             .arg(zeit.time().toString("hh:mm"));
    return FromQString(text);
}
} // namespace

bool TFormMain::SaveToFile(const AnsiString &target) {
    LOG_FKT("TFormMain::SaveToFile");
    if (!FAktDevInst)
        return true;
    const AnsiString path =
        target.empty() || target == "0" ? FAktDevInst->GetAutoSaveFile() : target;
    TMemoryStream stream;
    TDatenManager<TDatenStruktur> store(&stream);
    FAktDevInst->KonfigurationInStream(store, stream);

    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ec;
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec) &&
        (!std::filesystem::create_directories(folder, ec) ||
         !std::filesystem::is_directory(folder, ec))) {
        ShowMessageBox("Cannot create save file:\n" + path, "Error Autosave", MB_OK);
        return false;
    }
    ErsetzeDatei(path, stream);
    return true;
}

void TFormMain::TimerAutoSaveTimer() {
    LOG_FKT("TFormMain::TimerAutoSaveTimer");
    SaveToFile("0");
}

void TFormMain::RecoveryCheck(bool opening, int deviceId) {
    LOG_FKT("TFormMain::RecoveryCheck");
    const TRegIni ini;
    AnsiString text;
    ini.ReadString(FDM.IniFile, RegSecOptions, RegKeyNotClosed, text, "");
    TStringList liste;
    liste.SetCommaText(text);
    const AnsiString id = std::to_string(deviceId);
    if (opening) {
        bool gefunden = false;
        for (int i = 0; i < liste.Count(); ++i) {
            if (liste[i] != id)
                continue;
            gefunden = true;
            if (ShowMessageBox(SprText(9034), SprText(9035), MB_YESNO | MB_ICONINFORMATION) ==
                IDYES)
                RestoreSaveCopy();
        }
        // The oldest entry goes, but never the id being opened: it must stay listed while its
        // editor is open.
        if (liste.Count() > kNotClosedMax) {
            for (int i = 0; i < liste.Count(); ++i) {
                if (liste[i] != id) {
                    liste.Delete(i);
                    break;
                }
            }
        }
        if (!gefunden)
            liste.Add(id);
    } else {
        for (int i = liste.Count() - 1; i >= 0; --i)
            if (liste[i] == id)
                liste.Delete(i);
    }
    ini.WriteString(FDM.IniFile, RegSecOptions, RegKeyNotClosed, liste.CommaText());
}

void TFormMain::RestoreSaveCopy() {
    LOG_FKT("TFormMain::RestoreSaveCopy");
    TAutoSaveWieder timer(FDM);
    if (!FAktDevInst) {
        ShowMessageBox("Device not found!!!", SprText(9085), MB_ICONWARNING);
        return;
    }
    const AnsiString path = FAktDevInst->GetAutoSaveFile();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        ShowMessageBox(SprText(9131) + ":\n" + path, SprText(9085), MB_ICONWARNING);
        return;
    }
    if (ShowMessageBox(SprText(9152) + ":\n" + DateiDatum(path) + "\n" + SprText(9033),
                       SprText(9035), MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;
    auto stream = std::make_unique<TMemoryStream>();
    stream->LoadFromFile(path);
    {
        TBaumNeuaufbau neuaufbau(*this, TBaumNeuaufbau::GitterLeeren);
        const bool ok = FAktDevInst->VumaImport(stream.get(), true) != 0;
        stream.reset();
        if (!ok)
            neuaufbau.Abgelehnt();
        AbgleichFormVerw(FAktivFormVerw);
        if (FAktivFormVerw)
            FAktivFormVerw->AktualisiereAnsicht(nullptr, -1, -1);
        if (ok)
            ShowMessageBox(SprText(9148), SprText(9013), MB_OK);
        else
            ShowMessageBox(SprText(9149), SprText(9013), MB_ICONWARNING);
    }
    FAktDevInst->EtsObjektCheck();
    FAktDevInst->WriteDataToDb();
}

void TFormMain::BindAutoSave() {
    LOG_FKT("TFormMain::BindAutoSave");
    FDM.Bind(TDM::AAutoSave, [this] {
        Bewacht("TFormMain::AAutoSave", [this] {
            DeactivateActiveGridCell();
            SaveToFile("0");
        });
    });
    FDM.Bind(TDM::ARestoreSaveCopy,
             [this] { Bewacht("TFormMain::ARestoreSaveCopy", [this] { RestoreSaveCopy(); }); });
}
