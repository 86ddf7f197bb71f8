// What code assembly takes of the user's settings: the three identifiers and three options.
#pragma once

#include <string>

#include "linkgen/BuiltInServices.h"

namespace mirevo {

struct LinkOptions {
    std::string a8matEsy;     // identifier for simple links
    std::string a8matTxt;     // identifier for text links
    std::string a8matImg;     // identifier for image links
    bool linefeed = false;    // line breaks in the code
    bool errorcheck = false;  // check the input before building code
    bool https = false;       // click address and pixel over https
    ServiceAddresses service = BuiltInServiceAddresses();
};

}  // namespace mirevo
