// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "core/branding.h"

class QLabel;

namespace tintora {

class ClickableLabel;
class SkinProvider;

// `frmAbout`: "About " + product name, a fixed 497 x 169 window with a close
// box only. Under the painted banner `Picture1` (with the product name
// `Label1` on it) it shows "Version:" `lblVersion` (major.minor), "Owned By:"
// `lblCompany` and "Website:" `lblWebsite`, all from the version information.
// `lblWebsite` is blue and clickable. `Label5`, a paragraph about resale
// rights and the ownership of the source, sits below the client area and is
// never seen. The window's two timers of the design are not built: they
// drive no control.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    // The About load runs here: texts from `version` (product, owner, version,
    // web site) and the title from `brand`; with brand.skinEnabled and a
    // provider, every label gets a skin label and the window is skinned
    // (errors of the provider propagate). `skinOrNull` must outlive the
    // constructor only.
    AboutWindow(const BrandInfo& brand, const VersionInfo& version, SkinProvider* skinOrNull,
                QWidget* parent = nullptr);

signals:
    // The user clicked lblWebsite: the browser window should open, or come to
    // the front when it is already open.
    void webSiteRequested();

private:
    QLabel* AddLabel(const char* name, QWidget* container, QRect twips, const QFont& font,
                     const QString& text);
};

} // namespace tintora
