// The detector clipboard: the selected object's records as text on the clipboard, under a
// format named after the device's data version, and pasted back below the selected object of
// the same or another device.
#include "shell/TFormMain.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "foundation/SprTexte.h"
#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/MessageBox.h"
#include "shell/QtText.h"
#include "shell/TBaumNeuaufbau.h"
#include "shell/TDM.h"
#include "shell/TFormVerw.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <memory>
#include <optional>

namespace {
// Only an editor writing the same version of the configuration sees the data.
QString ClipboardFormat(TDeviceInstanz &device) {
    LOG_FKT("FormMain::ClipboardFormat");
    return "application/x-az;version=" + ToQString(device.GetVersion());
}
} // namespace

void TFormMain::Kopieren() {
    LOG_FKT("TFormMain::Kopieren");
    TDataBasis *object = FAktivFormVerw ? FAktivFormVerw->GetSelData() : nullptr;
    if (!object || !FAktDevInst)
        return;
    TStringList lines;
    if (!FAktDevInst->GetCopyData(object, &lines))
        return;
    const AnsiString text = lines.Text();
    // The text's bytes as they are, with the zero byte that ends them.
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    bytes.append('\0');
    // The clipboard is not emptied: what other formats it holds stays on it.
    QClipboard *clipboard = QApplication::clipboard();
    auto data = std::make_unique<QMimeData>();
    if (const QMimeData *alt = clipboard->mimeData())
        for (const QString &format : alt->formats())
            data->setData(format, alt->data(format));
    data->setData(ClipboardFormat(*FAktDevInst), bytes);
    clipboard->setMimeData(data.release());
}

void TFormMain::Einfuegen() {
    LOG_FKT("TFormMain::Einfuegen");
    TDataBasis *object = FAktivFormVerw ? FAktivFormVerw->GetSelData() : nullptr;
    if (!FAktDevInst || !object)
        return;
    std::optional<TStringList> lines;
    const QString format = ClipboardFormat(*FAktDevInst);
    if (const QMimeData *data = QApplication::clipboard()->mimeData();
        data && data->hasFormat(format)) {
        const QByteArray bytes = data->data(format);
        lines.emplace();
        lines->SetText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    }
    bool aktiv = false;
    {
        TBaumNeuaufbau neuaufbau(*this, TBaumNeuaufbau::EditorAbbrechen,
                                 TBaumNeuaufbau::BaumBehalten);
        aktiv = neuaufbau.Aktiv();
        if (!FAktDevInst->Einfuegen(object, lines ? &*lines : nullptr))
            ShowMessageBox(SprText(9120), SprText(9041), MB_ICONERROR);
        lines.reset();
    }
    if (!aktiv)
        return;
    for (TFormVerw *w : FFormVerwList) {
        w->UpdateTreeNamesAndIcon();
        w->AktualisiereAnsicht(nullptr, 1, 0);
    }
}

void TFormMain::BindKopieren() {
    LOG_FKT("TFormMain::BindKopieren");
    const auto kopieren = [this] { Bewacht("TFormMain::Kopieren", [this] { Kopieren(); }); };
    const auto einfuegen = [this] { Bewacht("TFormMain::Einfuegen", [this] { Einfuegen(); }); };
    FDM.Bind(TDM::ACopy, kopieren);
    FDM.Bind(TDM::AMelderKopieren, kopieren);
    FDM.Bind(TDM::APaste, einfuegen);
    FDM.Bind(TDM::AMelderEinfuegen, einfuegen);
}
