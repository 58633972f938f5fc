// The reconstruction's front end: the panel's memory read over the bus into a device image
// file, the configuration rebuilt from such an image into the current device (by the editor
// or for the bus tool, where a rebuild that fails gives the bus tool back the device's
// parameters and links), and the bus-table report of the bus tool's reconstruct event. Every
// reconstruction object lives for one call only.
#include "shell/TFormMain.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "foundation/SprTexte.h"
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/bustool/TEtsProgressDialog.h"
#include "platform/log/Log.h"
#include "platform/vcl/Streams.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "reconstruction/E_ErrorStr.h"
#include "reconstruction/TRecoAz.h"
#include "reconstruction/TRecoAzZielsystem.h"
#include "shell/TBaumNeuaufbau.h"
#include "shell/TBusToolStand.h"
#include "shell/TDM.h"
#include "shell/TFileDialog.h"
#include "shell/TFormVerw.h"

#include <QAction>

#include <exception>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

namespace {
// Caption of every result box of the reconstruction.
constexpr int kCaption = 11384;

// Both image dialogs: the image filter, "x19", the first filter, the title. A save dialog
// must accept a new file: only the open dialog insists that the file exists.
void BildDialog(TFileDialog &dialog, int title) {
    LOG_FKT("FormMain::BildDialog");
    dialog.Clear();
    dialog.Filter = SprText(24205);
    dialog.DefaultExt = "x19";
    dialog.FilterIndex = 1;
    dialog.Title = SprText(title);
    dialog.Options = ofPathMustExist;
    if (dialog.Art() == TFileDialog::Oeffnen)
        dialog.Options |= ofFileMustExist;
}
} // namespace

uint16_t TFormMain::MergeGrpAdrStringToWord(const AnsiString &text) {
    LOG_FKT("TFormMain::MergeGrpAdrStringToWord");
    return TDeviceInstanzAz::MergeGrpAdrStringToWord(text);
}

bool TFormMain::ReadDeviceImage(bool interactive, AnsiString &imageFile) {
    LOG_FKT("TFormMain::ReadDeviceImage");
    // Without a device the command does nothing, as every command.
    if (!FAktDevInst)
        return false;
    const uint16_t physAdr =
        MergeGrpAdrStringToWord(FAktDevInst->GetPhysAdr(FAktDevInst->GetDeviceId()));
    AnsiString file;
    if (interactive) {
        TSaveDialog dialog(this);
        BildDialog(dialog, 24219);
        if (!dialog.Execute())
            return false;
        file = dialog.FileName;
    } else {
        file = FAktDevInst->GetImageFile();
    }
    imageFile = file;
    bool ok = false;
    {
        TRecoAzZielsystem readOut(FCdi.get(), physAdr, GetHandle(), interactive, imageFile, false);
        ok = readOut.ReadoutDeviceImage();
    }
    if (ok && interactive)
        ShowMessageBox(SprText(24220), SprText(kCaption), MB_OK);
    return ok;
}

bool TFormMain::ReconstructDeviceImage(bool interactive, const AnsiString &imageFile,
                                       bool forBusTool) {
    LOG_FKT("TFormMain::ReconstructDeviceImage");
    // Without a device the command does nothing, as every command.
    if (!FAktDevInst)
        return false;
    AnsiString image = imageFile;
    if (interactive) {
        TOpenDialog dialog(this);
        BildDialog(dialog, 24206);
        if (!dialog.Execute())
            return false;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(dialog.FileName, ec))
            return false;
        image = dialog.FileName;
    }
    TRecoAz reco(image);
    TMemoryStream stream;
    const AnsiString recoFile =
        FSaveRecoDataInFile ? FAktDevInst->GetReconstructionFile() : AnsiString();
    if (!reco.RecoDeviceImage(&stream, FSaveRecoDataInFile, recoFile)) {
        ShowMessageBox(SprText(24209), SprText(kCaption), MB_OK);
        return false;
    }
    stream.SetPosition(0);
    if (forBusTool) {
        // The import removes the device's objects and detector parameters before it knows
        // whether it can write the new ones: a reconstruction that fails leaves the project as
        // it was, and one that cannot say how it was does not begin.
        TBusToolStand stand(*FCdi, FAktDevInst->GetDeviceId());
        bool ok = stand.Lesen();
        bool zurueckGescheitert = false;
        if (ok) {
            {
                TEtsProgressDialog progress(FCdi.get(), FCdi->CoMeterDlgOpen(GetHandle(), 2));
                FCdi->CoMeterSetCaption(progress.GetMeter(), SprText(9196));
                ok = FAktDevInst->ReconstructionItToolImport(&stream, &progress);
            }
            // The import cleared the detectors' device parameters: the rebuilt objects write
            // their own, or the bus tool would program a panel without detectors. They can
            // once the alignment pass that follows every load gave the arming areas their ids.
            if (ok) {
                ok = FAktDevInst->DatenAbgleich(true, false);
                FAktDevInst->WriteAll();
                ok = FAktDevInst->WriteDataToDb() && ok;
                // A block that did not reach the bus tool is a reconstruction that failed.
                ok = ok && FAktDevInst->WriteBlob();
            }
            zurueckGescheitert = !ok && !stand.Zurueck();
        }
        if (!ok)
            ShowMessageBox(SprText(24207), SprText(kCaption), MB_OK);
        // The device is half rebuilt in the bus tool: the user is told to look at it.
        if (zurueckGescheitert)
            ShowMessageBox(SprText(9149), SprText(kCaption), MB_ICONERROR);
        return ok;
    }
    bool imported = false;
    {
        // Without an active project window the bracket begins nothing and ends nothing.
        TBaumNeuaufbau neuaufbau(*this, TBaumNeuaufbau::EditorAbbrechen);
        imported = FAktDevInst->VumaImport(&stream, true) != 0;
        if (!imported)
            neuaufbau.Abgelehnt();
    }
    if (!imported) {
        ShowMessageBox(SprText(24207), SprText(kCaption), MB_OK);
        return false;
    }
    if (FAktivFormVerw) {
        AbgleichFormVerw(FAktivFormVerw);
        FAktivFormVerw->AktualisiereAnsicht(nullptr, 1, 0);
    }
    const bool result = FAktDevInst->WriteAll();
    ShowMessageBox(SprText(24208), SprText(kCaption), MB_OK);
    return result;
}

void TFormMain::ReconstructDevice() {
    LOG_FKT("TFormMain::ReconstructDevice");
    TCursorHourGlass hourGlass;
    AnsiString message;
    bool failed = false;
    try {
        AnsiString file;
        if (ReadDeviceImage(false, file))
            ReconstructDeviceImage(false, file, false);
    } catch (const E_ErrorStr &e) {
        failed = true;
        message = e.Message;
    } catch (const std::exception &e) {
        failed = true;
        message = e.what();
    } catch (...) {
        failed = true;
    }
    if (failed)
        ShowMessageBox(message.empty() ? SprText(24249) : SprText(24249) + "\n\n" + message,
                       SprText(24248), MB_OK);
}

bool TFormMain::ReadDeviceCommunicationImage(AnsiString &imageFile, int) {
    LOG_FKT("TFormMain::ReadDeviceCommunicationImage");
    bool ok = false;
    {
        // The read-out names the image after the device's physical address.
        TRecoAzZielsystem readOut(FCdi.get(), 0, GetHandle(), false, imageFile, true);
        ok = readOut.ReadoutDeviceImage();
    }
    if (!ok)
        return false;
    const std::filesystem::path image(imageFile);
    const AnsiString folder = image.has_parent_path() ? image.parent_path().string() + "/" : "";
    TRecoAz reco(imageFile);
    // No report written is no success.
    return reco.CreateCommunicationPart(folder + "ItRecoCommunicationData.txt");
}

void TFormMain::BindRekonstruktion() {
    LOG_FKT("TFormMain::BindRekonstruktion");
    FDM.Bind(TDM::AReconstructDevice,
             [this] { Bewacht("TFormMain::AReconstructDevice", [this] { ReconstructDevice(); }); });
    FDM.Bind(TDM::AReadDeviceImage, [this] {
        Bewacht("TFormMain::AReadDeviceImage", [this] {
            AnsiString file;
            ReadDeviceImage(true, file);
        });
    });
    FDM.Bind(TDM::AReconstructDeviceImage, [this] {
        Bewacht("TFormMain::AReconstructDeviceImage",
                [this] { ReconstructDeviceImage(true, AnsiString(), false); });
    });
    // The image commands are there only when the settings ask for them.
    for (TDM::TAktion a : {TDM::AReadDeviceImage, TDM::AReconstructDeviceImage}) {
        FDM.Action(a)->setVisible(FMenueReadAndReconstructDeviceImage);
        FDM.Action(a)->setEnabled(FMenueReadAndReconstructDeviceImage);
    }
}
