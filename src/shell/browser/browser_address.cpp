#include "shell/browser/browser_address.h"

namespace tintora {

QUrl AddressToUrl(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return {};
    return QUrl::fromUserInput(trimmed);
}

} // namespace tintora
