#pragma once
// The library's one recorded-event store, to which the exports forward.
#include "cuehook/CEventManager.h"

CEventManager& GetLibraryStore();
