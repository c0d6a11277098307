#pragma once

#include <QString>
#include <QUrl>

namespace tintora {

// Turns what the user typed into the address field (or the brand's web site,
// a host name without scheme) into a URL the engine loads:
// "www.example.org" -> "http://www.example.org", "/tmp/a.html" ->
// "file:///tmp/a.html"; a full URL stays as it is. Leading and trailing
// blanks are ignored. Blank input gives an empty (invalid) URL, which callers
// must not load.
QUrl AddressToUrl(const QString& address);

} // namespace tintora
