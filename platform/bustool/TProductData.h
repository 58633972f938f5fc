// What the bus tool knows of a product (a kind of device): its device parameters and its
// communication objects, with the parameter value range that switches each object on. A project
// holds each product once; every device of it gets its own parameter values and device objects.
//
// The alarm panel's product data is the text file PanelProductData.txt of this folder, compiled
// into the library; its format is described at the top of that file. SwitchProductData.txt
// describes the switching devices that a demo project holds beside the panel. Texts are UTF-8, as
// the project database holds them.
#pragma once

#include "platform/vcl/Exception.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A product-data text that cannot be read: the message names the line.
class EProductData : public Exception {
    using Exception::Exception;
};

struct TProductParameter {
    int32_t id = 0; // the product's 16-bit parameter id
    std::string name;
    int32_t defaultValue = 0;
};

struct TProductObject {
    int number = 0;
    std::string name;
    std::string function;
    int type = 0;      // the bus tool's type code (0 = 1 bit, 7 = 1 byte, ...)
    uint8_t flags = 0; // TEtsObjectFlags bits
    // The parameter whose value switches the object on, when it lies in [onFrom, onTo];
    // none: the object is always there.
    std::optional<int32_t> parameterId;
    int32_t onFrom = 1;
    int32_t onTo = 1;
};

struct TProductData {
    std::string name;       // unique within a project
    std::string text;       // the device record's product text
    std::string moduleName; // the plug-in module of the product
    std::vector<TProductParameter> parameters;
    std::vector<TProductObject> objects;

    const TProductParameter *FindParameter(int32_t id) const;
};

// Reads the product-data text form; families are expanded, ids and object numbers checked to be
// unique and every switching parameter to exist. Throws EProductData.
TProductData ParseProductData(std::string_view text);
// The alarm panel's product data (parsed once).
const TProductData &PanelProductData();
// A switching device's product data (SwitchProductData.txt, parsed once).
const TProductData &SwitchingDeviceProductData();
