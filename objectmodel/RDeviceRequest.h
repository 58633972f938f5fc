// The request record of the panel objects (platform/objectbase/RDeviceRequest.h) together with
// the catalogue of its codes (AzRequests.h).
#pragma once

#include "objectmodel/AzRequests.h"
#include "platform/objectbase/RDeviceRequest.h"
