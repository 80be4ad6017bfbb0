// The situation in which a properties writer writes.
#pragma once

#include <cstdint>

enum EPropertiesState : int32_t {
    kPropertiesOwnValues = 0,      // every property with its own value
    kPropertiesStrandStart = 1,    // switch on what differs from the style
    kPropertiesStrandEnd = 2,      // switch back what the strand start changed
    kPropertiesOppositeValues = 3, // the opposite of every own value
    kPropertiesStyleOn = 4,        // what a style turns on
    kPropertiesStyleOff = 5,       // turn off what the style turned on
};
