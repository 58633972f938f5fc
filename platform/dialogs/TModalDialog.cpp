#include "platform/dialogs/TModalDialog.h"

#include "platform/dialogs/Handler.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <QShowEvent>

#include <utility>

namespace {
TModalDriver &Driver() {
    return DialogHandler<TModalDriver>();
}
} // namespace

TModalDialog::TModalDialog(QWidget *owner, int cancelResult)
    : QDialog(owner), FCancelResult(cancelResult) {
    LOG_FKT("TModalDialog::TModalDialog");
}

TModalDialog::~TModalDialog() {
    LOG_FKT("TModalDialog::~TModalDialog");
}

int TModalDialog::ShowModal() {
    LOG_FKT("TModalDialog::ShowModal");
    setResult(0);
    if (Driver()) {
        // The driver may install another driver; it keeps a copy of itself while it runs.
        const TModalDriver driver = Driver();
        FormShow();
        return driver(*this);
    }
    return exec();
}

void TModalDialog::SetModalResult(int result) {
    LOG_FKT("TModalDialog::SetModalResult");
    done(result);
}

void TModalDialog::FormShow() {
    LOG_FKT("TModalDialog::FormShow");
}

void TModalDialog::showEvent(QShowEvent *event) {
    LOG_FKT("TModalDialog::showEvent");
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TModalDialog::reject() {
    LOG_FKT("TModalDialog::reject");
    done(FCancelResult);
}

TModalDriver SetModalDriver(TModalDriver driver) {
    LOG_FKT("TModalDialog::SetModalDriver");
    return ReplaceDialogHandler(std::move(driver));
}

TModalDriverScope::TModalDriverScope(TModalDriver driver) {
    LOG_FKT("TModalDriverScope::TModalDriverScope");
    FPrevious = SetModalDriver([this, driver = std::move(driver)](TModalDialog &dialog) {
        ++FCount;
        return driver(dialog);
    });
}

TModalDriverScope::~TModalDriverScope() {
    LOG_FKT("TModalDriverScope::~TModalDriverScope");
    SetModalDriver(std::move(FPrevious));
}

QString QtText(const AnsiString &text) {
    LOG_FKT("TModalDialog::QtText");
    const std::string utf8 = AnsiToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

AnsiString AnsiText(const QString &text) {
    LOG_FKT("TModalDialog::AnsiText");
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToAnsi(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}
