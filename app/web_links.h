#pragma once

#include <QString>

// The maker's web site and the page of tips the Info page links to.
inline QString makerWebAddress() { return QStringLiteral("www.wendlich.example"); }
inline QString makerWebSite() { return QStringLiteral("https://") + makerWebAddress() + QLatin1Char('/'); }
inline QString makerTipsPage() { return makerWebSite() + QStringLiteral("freeware/index.htm"); }
