#include "shell/TFortschrittDialog.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

TFortschrittDialog::TFortschrittDialog(int captionId, int textId, int max, void *owner) {
    LOG_FKT("TFortschrittDialog::TFortschrittDialog");
    FDaten.Caption = SprText(captionId);
    FDaten.Text = SprText(textId);
    FDaten.Min = 0;
    FDaten.Max = max;
    FDaten.Owner = owner;
    _StartDlgProgress(FDaten);
}

TFortschrittDialog::~TFortschrittDialog() {
    LOG_FKT("TFortschrittDialog::~TFortschrittDialog");
    _StopDlgProgress();
}

void TFortschrittDialog::Schritt() {
    LOG_FKT("TFortschrittDialog::Schritt");
    _SetDlgProgress(++FPosition, FDaten);
}

void TFortschrittDialog::SetMax(int max) {
    LOG_FKT("TFortschrittDialog::SetMax");
    FDaten.Max = max;
    FPosition = 0;
}
