// SPDX-License-Identifier: MIT
#include "shell/browser/browser_address.h"

namespace tintora {

QUrl AddressToUrl(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return {};
    return QUrl::fromUserInput(trimmed);
}

bool IsWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

bool NavigationAllowed(const QUrl& url, bool isMainFrame)
{
    if (IsWebAddress(url))
        return true;
    if (isMainFrame)
        return false;
    const QString address = url.toString().toLower();
    return address == QLatin1String("about:blank") || address == QLatin1String("about:srcdoc");
}

} // namespace tintora
