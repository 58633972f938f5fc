#include "foundation/TDatenManager.h"

template class TDatenManager<TDatenStruktur>;
