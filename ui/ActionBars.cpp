#include "ui/ActionBars.h"

namespace mirevo {

std::string ShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

}  // namespace mirevo
