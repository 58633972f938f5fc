#include "platform/bustool/TEtsProgressDialog.h"

#include "platform/log/Log.h"

TEtsProgressDialog::TEtsProgressDialog(TEts2Cdi *cdi, HMETER meter) : FCdi(cdi), FMeter(meter) {
    LOG_FKT("TEtsProgressDialog::TEtsProgressDialog");
}

TEtsProgressDialog::~TEtsProgressDialog() {
    LOG_FKT("TEtsProgressDialog::~TEtsProgressDialog");
    if (FCdi)
        FCdi->CoMeterDlgClose(FMeter);
}

TEtsMeterView *TEtsProgressDialog::View() {
    LOG_FKT("TEtsProgressDialog::View");
    return FCdi ? FCdi->GetMeterView(FMeter) : nullptr;
}

HMETER TEtsProgressDialog::GetMeter() const {
    LOG_FKT("TEtsProgressDialog::GetMeter");
    return FMeter;
}

void TEtsProgressDialog::EtsMeterSetText(const AnsiString &text) {
    LOG_FKT("TEtsProgressDialog::EtsMeterSetText");
    if (TEtsMeterView *view = View())
        view->SetText(0, text);
}

void TEtsProgressDialog::EtsMeterSetText1(const AnsiString &text) {
    LOG_FKT("TEtsProgressDialog::EtsMeterSetText1");
    if (TEtsMeterView *view = View())
        view->SetText(1, text);
}

void TEtsProgressDialog::EtsMeterSetText2(const AnsiString &text) {
    LOG_FKT("TEtsProgressDialog::EtsMeterSetText2");
    if (TEtsMeterView *view = View())
        view->SetText(2, text);
}

void TEtsProgressDialog::EtsMeterSetPosition(uint16_t position) {
    LOG_FKT("TEtsProgressDialog::EtsMeterSetPosition");
    if (TEtsMeterView *view = View())
        view->SetPosition(position);
}

bool TEtsProgressDialog::EtsGetAbortFlag() {
    LOG_FKT("TEtsProgressDialog::EtsGetAbortFlag");
    TEtsMeterView *view = View();
    return view && view->AbortRequested();
}
