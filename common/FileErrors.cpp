#include "common/FileErrors.h"

#include <system_error>

namespace mirevo {

EFOpenError::EFOpenError(const std::string& path, const std::string& reason)
    : Exception("ファイル \"" + path + "\". " + reason + " は開けません") {}

EFCreateError::EFCreateError(const std::string& path, const std::string& reason)
    : Exception("ファイル \"" + path + "\" を作成できません. " + reason) {}

std::string SystemErrorText(int error) { return std::generic_category().message(error); }

}  // namespace mirevo
