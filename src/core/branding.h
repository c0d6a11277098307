// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tintora {

// The program's version information. Each executable links exactly one
// definition of ProgramVersionInfo(), generated from the build's branding
// values, so that one build can be issued under another owner's name.
struct VersionInfo {
    std::string productName; // ProductName
    std::string companyName; // CompanyName
    std::string comments;    // Comments: the web site, a host name without scheme
    std::string fileVersion; // FileVersion and ProductVersion, e.g. "2.00"
    int major = 0;
    int minor = 0;
    int patch = 0;
    int build = 0;
};

const VersionInfo& ProgramVersionInfo();

// What the windows show of the branding.
struct BrandInfo {
    std::string productName;
    std::string companyName;
    std::string webSite;
    bool skinEnabled = false;
};

// Fills a BrandInfo from the version information. Skinning is off as shipped.
BrandInfo LoadBranding();

// "2.0" for version 2.00, "10.5" for major 10 minor 5.
std::string VersionText(const VersionInfo& info);

} // namespace tintora
