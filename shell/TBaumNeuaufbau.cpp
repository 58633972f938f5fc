#include "shell/TBaumNeuaufbau.h"

#include "platform/log/Log.h"

TBaumNeuaufbau::TBaumNeuaufbau(TFormMain &main) : FMain(main) {
    LOG_FKT("TBaumNeuaufbau::TBaumNeuaufbau");
}

TBaumNeuaufbau::~TBaumNeuaufbau() {
    LOG_FKT("TBaumNeuaufbau::~TBaumNeuaufbau");
}
