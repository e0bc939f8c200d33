#pragma once

#include <QString>

// The maker's web site and the page of tips the Info page links to.
inline QString makerWebSite() { return QStringLiteral("https://www.wendlich.example/"); }
inline QString makerTipsPage() { return makerWebSite() + QStringLiteral("freeware/index.htm"); }
