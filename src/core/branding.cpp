// SPDX-License-Identifier: MIT
#include "core/branding.h"

namespace tintora {

BrandInfo LoadBranding()
{
    const VersionInfo& v = ProgramVersionInfo();
    BrandInfo b;
    b.productName = v.productName;
    b.companyName = v.companyName;
    b.webSite = v.comments;
    b.skinEnabled = false;
    return b;
}

std::string VersionText(const VersionInfo& info)
{
    return std::to_string(info.major) + "." + std::to_string(info.minor);
}

} // namespace tintora
