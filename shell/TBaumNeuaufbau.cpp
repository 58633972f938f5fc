#include "shell/TBaumNeuaufbau.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "platform/log/Log.h"
#include "shell/TCtrlTree.h"
#include "shell/TFormMain.h"
#include "shell/TFormVerw.h"

#include <algorithm>

TBaumNeuaufbau::TBaumNeuaufbau(TFormMain &main, TGitter gitter, TBaum baum) : FMain(main) {
    LOG_FKT("TBaumNeuaufbau::TBaumNeuaufbau");
    TFormVerw *aktiv = FMain.GetActiveFormVerw();
    if (!aktiv)
        return;
    for (TFormVerw *w : FMain.FormVerwList()) {
        w->Grid.DeleteZellenKomponente();
        if (gitter == GitterLeeren)
            w->Grid.Clear();
        w->BeginTreeUpdate();
        FFenster.push_back(w);
    }
    aktiv->Grid.DeleteZellenKomponente();
    if (baum != BaumBehalten) {
        aktiv->DeleteTreeViewNodes();
        FGeleert = aktiv;
    }
    if (baum == AlleLeeren)
        for (TFormVerw *w : FFenster)
            if (w != aktiv)
                w->DeleteAllNodes();
}

void TBaumNeuaufbau::Abgelehnt() {
    LOG_FKT("TBaumNeuaufbau::Abgelehnt");
    TDeviceInstanz *device = FMain.AktDevInst();
    const std::vector<TFormVerw *> &liste = FMain.FormVerwList();
    if (!FGeleert || !device || std::find(liste.begin(), liste.end(), FGeleert) == liste.end())
        return;
    device->AnsichtNeuAufbauen(*FGeleert);
}

TBaumNeuaufbau::~TBaumNeuaufbau() {
    LOG_FKT("TBaumNeuaufbau::~TBaumNeuaufbau");
    const std::vector<TFormVerw *> &liste = FMain.FormVerwList();
    for (TFormVerw *w : FFenster) {
        if (std::find(liste.begin(), liste.end(), w) == liste.end())
            continue;
        w->EndTreeUpdate();
        w->CtrlTree()->SortAll();
    }
}
