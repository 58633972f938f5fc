// Templates: the open device's configuration saved as a file and loaded from one.
#include "shell/TFormMain.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "platform/log/Log.h"
#include "platform/vcl/Streams.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "shell/DateiErsetzen.h"
#include "shell/TBaumNeuaufbau.h"
#include "shell/TDM.h"
#include "shell/TFileDialog.h"
#include "shell/TFormVerw.h"

#include <filesystem>
#include <memory>

void TFormMain::Export() {
    LOG_FKT("TFormMain::Export");
    if (!FAktDevInst) {
        ShowMessageBox("Device not found!!!", SprText(9011), MB_ICONWARNING);
        return;
    }
    TSaveDialog dialog(this);
    dialog.Clear();
    dialog.DefaultExt = FExportExt;
    dialog.Filter = SprText(11211);
    dialog.Title = SprText(9011);
    dialog.Options = ofOverwritePrompt | ofNoReadOnlyReturn;
    bool gewaehlt = false;
    {
        TCursorHourGlass hourGlass;
        gewaehlt = dialog.Execute();
        if (gewaehlt && FAktDevInst) {
            TMemoryStream stream;
            TDatenManager<TDatenStruktur> store(&stream);
            FAktDevInst->KonfigurationInStream(store, stream);
            const std::filesystem::path folder =
                std::filesystem::path(dialog.FileName).parent_path();
            std::error_code ec;
            if (!folder.empty() && !std::filesystem::is_directory(folder, ec) &&
                (!std::filesystem::create_directories(folder, ec) ||
                 !std::filesystem::is_directory(folder, ec))) {
                ShowMessageBox("Can not create file :\n" + dialog.FileName, SprText(9011),
                               MB_ICONWARNING);
                return;
            }
            ErsetzeDatei(dialog.FileName, stream);
        }
    }
    // A cancelled dialog exported nothing: no box claims it did.
    if (gewaehlt)
        ShowMessageBox(SprText(9130), SprText(9011), MB_OK);
}

void TFormMain::Import() {
    LOG_FKT("TFormMain::Import");
    if (ShowMessageBox(SprText(9150), SprText(9013), MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;
    if (!FAktDevInst) {
        ShowMessageBox("Device not found!!!", SprText(11366), MB_ICONWARNING);
        return;
    }
    TOpenDialog dialog(this);
    dialog.Clear();
    dialog.Filter = SprText(11211);
    dialog.Title = SprText(9013);
    dialog.Options = ofPathMustExist | ofFileMustExist | ofEnableSizing;
    if (!dialog.Execute())
        return;
    if (DatenImport(dialog.FileName))
        ShowMessageBox(SprText(9148), SprText(9013), MB_OK);
    else
        ShowMessageBox(SprText(9149), SprText(9013), MB_ICONWARNING);
}

bool TFormMain::DatenImport(const AnsiString &file) {
    LOG_FKT("TFormMain::DatenImport");
    if (!FAktDevInst)
        return false;
    FDM.StartTimerAutoSave(false);
    TCursorHourGlass hourGlass;
    auto stream = std::make_unique<TMemoryStream>();
    stream->LoadFromFile(file);
    bool result = false;
    {
        // The trees are held while the records change; the active one is not emptied, so that
        // a refused import leaves it showing the device as it is.
        TBaumNeuaufbau neuaufbau(*this, TBaumNeuaufbau::EditorAbbrechen,
                                 TBaumNeuaufbau::BaumBehalten);
        result = FAktDevInst->VumaImport(stream.get(), false) != 0;
        stream.reset();
        if (FAktivFormVerw && result) {
            AbgleichFormVerw(FAktivFormVerw);
            result = FAktDevInst->UpdateObjectAssociations();
            FAktivFormVerw->AktualisiereAnsicht(nullptr, 1, 0);
        }
    }
    FAktDevInst->WriteDataToDb();
    FDM.StartTimerAutoSave(true);
    return result;
}

void TFormMain::BindVorlage() {
    LOG_FKT("TFormMain::BindVorlage");
    FDM.Bind(TDM::AExport, [this] { Bewacht("TFormMain::AExport", [this] { Export(); }); });
    FDM.Bind(TDM::AImport, [this] { Bewacht("TFormMain::AImport", [this] { Import(); }); });
}
