#include "deviceinstance/dialogs/TDlgInfoEreignisspeicher.h"

#include "deviceinstance/dialogs/DialogTexte.h"
#include "platform/dialogs/TModalDialog.h"
#include "platform/log/Log.h"

#include <QLabel>
#include <QVBoxLayout>

TDlgInfoEreignisspeicher::TDlgInfoEreignisspeicher(QWidget *owner) : QDialog(owner) {
    LOG_FKT("TDlgInfoEreignisspeicher::TDlgInfoEreignisspeicher");
    setWindowTitle(QStringLiteral("Ereignisspeicher"));
    Label = new QLabel(QtText(LabelText("Der Ereignisspeicher wird ausgelesen.\n\r"
                                        "Dieser Vorgang dauert einige Minuten.")),
                       this);
    Label->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 20, 30, 20);
    layout->addWidget(Label);
}

TDlgInfoEreignisspeicher::~TDlgInfoEreignisspeicher() {
    LOG_FKT("TDlgInfoEreignisspeicher::~TDlgInfoEreignisspeicher");
}
