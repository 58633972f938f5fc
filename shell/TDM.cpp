#include "shell/TDM.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"
#include "platform/win/WinHelp.h"
#include "shell/QtText.h"

#include <QAction>
#include <QKeySequence>

#include <algorithm>
#include <filesystem>

namespace {
// The actions that the project window switches by its selection; they start disabled.
constexpr TDM::TAktion kAuswahlAktionen[] = {TDM::AMelderHinzufuegen, TDM::AMelderLoeschen,
                                             TDM::AMelderKopieren, TDM::AMelderEinfuegen,
                                             TDM::ALinkToGrpAdr};
bool IstAuswahlAktion(TDM::TAktion a) {
    for (TDM::TAktion x : kAuswahlAktionen)
        if (x == a)
            return true;
    return false;
}
} // namespace

const std::array<TDM::TAktionInfo, TDM::AktionAnzahl> &TDM::AktionTabelle() {
    LOG_FKT("TDM::AktionTabelle");
    // clang-format off
    static const std::array<TAktionInfo, AktionAnzahl> tabelle = {{
        {"APrint",                    "Datei",          9178,  "Ctrl+P",   TImageList::ImagePrint},
        {"AImport",                   "Datei",          9171,  "",         -1},
        {"AExport",                   "Datei",          9167,  "",         -1},
        {"ABeenden",                  "Datei",          9160,  "Ctrl+Q",   -1},
        {"AVerwerfen",                "Datei",          9191,  "",         -1},
        {"APrintPreview",             "Datei",          9184,  "",         TImageList::ImagePrintPreview},
        {"ARestoreSaveCopy",          "Datei",          9183,  "",         -1},
        {"AAutoSave",                 "Datei",          9186,  "",         TImageList::ImageAutoSave},
        {"AOption",                   "Einstellung",    9174,  "",         -1},
        {"ASprache",                  "Einstellung",    9185,  "",         -1},
        {"ADeviceHelp",               "Hilfe",          9170,  "F1",       -1},
        {"AQuickHelp",                "Hilfe",          9181,  "Ctrl+F1",  -1},
        {"AAbout",                    "Hilfe",          9157,  "",         -1},
        {"ACollapseAll",              "Projektierung",  9161,  "Ctrl+E",   TImageList::ImageCollapseAll},
        {"AExpandAll",                "Projektierung",  9166,  "Ctrl+A",   TImageList::ImageExpandAll},
        {"ACopy",                     "Projektierung",  0,     "",         -1},
        {"APaste",                    "Projektierung",  0,     "",         -1},
        {"AExpand",                   "Projektierung",  9177,  "",         -1},
        {"ACollapse",                 "Projektierung",  9176,  "",         -1},
        {"ADefault",                  "Projektierung",  9182,  "",         -1},
        {"AProjektierungsfenster",    "Projektierung",  9180,  "Ctrl+N",   -1},
        {"AMelderHinzufuegen",        "Projektierung",  11374, "",         TImageList::ImageMelderHinzufuegen},
        {"AMelderLoeschen",           "Projektierung",  11376, "",         TImageList::ImageMelderLoeschen},
        {"AMelderKopieren",           "Projektierung",  11375, "",         TImageList::ImageMelderKopieren},
        {"AMelderEinfuegen",          "Projektierung",  11373, "",         TImageList::ImageMelderEinfuegen},
        {"ALinkToGrpAdr",             "Projektierung",  9172,  "",         -1},
        {"AEreignisspeicherAuslesen", "Projektierung",  11372, "",         -1},
        {"ASetDateTime",              "Projektierung",  11371, "",         -1},
        {"AUeberlappend",             "Fenster",        9189,  "Shift+F5", -1},
        {"ANebeneinander",            "Fenster",        9173,  "Shift+F4", -1},
        {"AUebereinander",            "Fenster",        9188,  "",         -1},
        {"ASymbole",                  "Fenster",        9158,  "",         -1},
        {"AReconstructDevice",        "Rekonstruktion", 24202, "",         -1},
        {"AReadDeviceImage",          "Rekonstruktion", 24203, "",         -1},
        {"AReconstructDeviceImage",   "Rekonstruktion", 24204, "",         -1},
    }};
    // clang-format on
    return tabelle;
}

TDM::TDM(const AnsiString &programPath) : ProgramPath(programPath.substr(0, 260)) {
    LOG_FKT("TDM::TDM");
    for (int i = 0; i < AktionAnzahl; ++i) {
        const TAktionInfo &info = AktionTabelle()[static_cast<size_t>(i)];
        auto action = std::make_unique<QAction>();
        action->setObjectName(info.Name);
        action->setProperty("Category", info.Kategorie);
        action->setText(info.Name);
        if (info.ShortCut[0] != '\0')
            action->setShortcut(QKeySequence(QString::fromLatin1(info.ShortCut)));
        // Qt itself never fires the short cuts: they run through OnShortCut, once.
        action->setShortcutContext(Qt::WidgetShortcut);
        if (info.Image >= 0)
            action->setIcon(ImageList1.Icon(info.Image));
        action->setEnabled(false);
        const TAktion aktion = static_cast<TAktion>(i);
        QObject::connect(action.get(), &QAction::triggered, this,
                         [this, aktion] { Execute(aktion); });
        FActions[static_cast<size_t>(i)] = std::move(action);
    }
    QObject::connect(&TimerAutoSave, &QTimer::timeout, this, [this] { TimerAutoSaveTimer(); });
    DataModuleCreate();
}

TDM::~TDM() {
    LOG_FKT("TDM::~TDM");
    DataModuleDestroy();
}

void TDM::DataModuleCreate() {
    LOG_FKT("TDM::DataModuleCreate");
    const std::filesystem::path path(ProgramPath);
    IniFile = std::filesystem::path(path).replace_extension(".ini").string();
    ProgramFolder = path.parent_path().string() + "/";
    HelpFile = ProgramFolder + SprText(11368);
    MainWindowHandle = nullptr;
    Modified = CloseInsteadOfHide = CopyDevice = VarianteAendern = AnsichtAktualisieren = false;
    AutoSave = false;
    AutoSaveMinutes = 5;
    GrpAdrLevels = 3;
    ColorGridCommon = 0x8000000F;
    ColorGridCell = 0x00FFFFFF;
    ColorGridTitle = 0x00FFFFFF;
    ColorGridCellReadOnly = 0x8000000F;
    Gitternetzlinien = 1;
    GridAutoSize = true;
    GridColDefSize = 150;
    TableAutoCellActivate = true;
    TabelAutoCellActivateRowNumber = 0;
    TimerAutoSave.stop();
    for (int i = 0; i < AktionAnzahl; ++i) {
        const TAktionInfo &info = AktionTabelle()[static_cast<size_t>(i)];
        if (info.TextId != 0)
            FActions[static_cast<size_t>(i)]->setText(ToQString(SprText(info.TextId)));
    }
    FActions[AVerwerfen]->setVisible(false);
    FActions[AReadDeviceImage]->setVisible(false);
    FActions[AReconstructDeviceImage]->setVisible(false);
    // The help is the data module's own command.
    Bind(ADeviceHelp, [this] { WinHelp(MainWindowHandle, HelpFile, HELP_FINDER, 10); });
}

void TDM::DataModuleDestroy() {
    LOG_FKT("TDM::DataModuleDestroy");
}

void TDM::OnShortCut(QKeyCombination key, bool &handled) {
    LOG_FKT("TDM::OnShortCut");
    handled = false;
    const QKeySequence sequence(key);
    for (int i = 0; i < AktionAnzahl && !handled; ++i) {
        QAction *action = FActions[static_cast<size_t>(i)].get();
        if (!action->shortcut().isEmpty() && action->shortcut() == sequence)
            handled = Execute(static_cast<TAktion>(i));
    }
}

void TDM::GetModuleName(AnsiString &path) const {
    LOG_FKT("TDM::GetModuleName");
    path = ProgramPath;
}

int TDM::GetGrpAdrLevels() const {
    LOG_FKT("TDM::GetGrpAdrLevels");
    return GrpAdrLevels;
}

void TDM::StartTimerAutoSave(bool on) {
    LOG_FKT("TDM::StartTimerAutoSave");
    TimerAutoSave.setInterval(
        std::clamp(AutoSaveMinutes, kAutoSaveMinutenMin, kAutoSaveMinutenMax) * 60000);
    if (on && AutoSave && AutoSaveMinutes >= kAutoSaveMinutenMin)
        TimerAutoSave.start();
    else
        TimerAutoSave.stop();
}

void TDM::TimerAutoSaveTimer() {
    LOG_FKT("TDM::TimerAutoSaveTimer");
    if (OnAutoSave)
        OnAutoSave();
}

QAction *TDM::Action(TAktion aktion) const {
    LOG_FKT("TDM::Action");
    return FActions.at(static_cast<size_t>(aktion)).get();
}

void TDM::Bind(TAktion aktion, std::function<void()> command) {
    LOG_FKT("TDM::Bind");
    FCommands.at(static_cast<size_t>(aktion)) = std::move(command);
    if (!IstAuswahlAktion(aktion))
        FActions[static_cast<size_t>(aktion)]->setEnabled(true);
}

bool TDM::Execute(TAktion aktion) {
    LOG_FKT("TDM::Execute");
    const size_t i = static_cast<size_t>(aktion);
    if (i >= FCommands.size() || !FCommands[i] || !FActions[i]->isEnabled())
        return false;
    FCommands[i]();
    return true;
}

void TDM::ACopyExecute() {
    LOG_FKT("TDM::ACopyExecute");
    Execute(ACopy);
}

void TDM::APasteExecute() {
    LOG_FKT("TDM::APasteExecute");
    Execute(APaste);
}
