#include "assets/Assets.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registration function at its point of use,
// which must lie outside any namespace.
void corvInitAssets() { Q_INIT_RESOURCE(assets); }
