// SPDX-License-Identifier: MIT
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

// Whether the browser opens `url` from its address field: http and https
// only. Anything else (file:, data:, javascript:, ftp: ...) is refused with
// a message, so the window never shows the computer's own files.
bool IsWebAddress(const QUrl& url);

// Whether a page may navigate to `url`, from a link, a script, a redirect or
// the address field: http and https in any frame. A sub-frame may also hold
// the page's own content (about:blank, about:srcdoc); file:, data: and
// javascript: addresses, and every other scheme, are refused.
bool NavigationAllowed(const QUrl& url, bool isMainFrame);

} // namespace tintora
