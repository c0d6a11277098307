// SPDX-License-Identifier: MIT
#include "shell/windows/about_window.h"

#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QShortcut>

#include "platform/window_helpers.h"
#include "shell/windows/artwork.h"
#include "shell/windows/clickable_label.h"
#include "shell/windows/readable_colors.h"
#include "shell/windows/skin.h"
#include "shell/windows/skin_label.h"

namespace tintora {

namespace {

constexpr int kClientWidth = 497;  // 7455 twips
constexpr int kClientHeight = 169; // 2535 twips

void SetTextColor(QWidget* w, const QColor& color)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, color);
    w->setPalette(pal);
}

} // namespace

AboutWindow::AboutWindow(const BrandInfo& brand, const VersionInfo& version, SkinProvider* skinOrNull,
                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(VerdanaFont(8.25, false));

    const QRect bannerRect = FromTwips(0, 0, 7515, 1035);
    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Picture1"));
    banner->setProperty("tintoraKind", QStringLiteral("PictureBox"));
    banner->setGeometry(bannerRect);
    const QImage bannerImage = PaintAboutBanner(bannerRect.size());
    banner->setPixmap(QPixmap::fromImage(bannerImage));

    const QFont heading = VerdanaFont(12, true);
    QLabel* productLabel = AddLabel("Label1", banner, QRect(120, 300, 5655, 435), VerdanaFont(14.25, true),
                                    tr("Your Program Name"));
    // The banner is light in every colour scheme: the name keeps a colour
    // that stands out on it.
    SetTextColor(productLabel, LegibleOn(productLabel->palette().color(QPalette::WindowText),
                                         bannerImage.pixelColor(productLabel->geometry().center())));
    AddLabel("Label2", this, QRect(180, 1260, 2295, 315), heading, tr("Version:"));
    QLabel* versionLabel = AddLabel("lblVersion", this, QRect(2580, 1260, 4635, 315), heading, QString());
    AddLabel("Label3", this, QRect(180, 1680, 2295, 315), heading, tr("Owned By:"));
    QLabel* ownerLabel = AddLabel("lblCompany", this, QRect(2580, 1680, 4635, 315), heading, QString());
    AddLabel("Label4", this, QRect(180, 2100, 2295, 315), heading, tr("Website:"));

    auto* websiteLabel = new ClickableLabel(this);
    websiteLabel->setObjectName(QStringLiteral("lblWebsite"));
    websiteLabel->setGeometry(FromTwips(2580, 2100, 4635, 315));
    websiteLabel->setFont(heading);
    // The designed blue, or the colour scheme's link colour where the blue
    // would not be legible on the window.
    SetTextColor(websiteLabel, LegibleOn(QColor(0, 0, 255), palette().color(QPalette::Window),
                                         {palette().color(QPalette::Link)}));
    connect(websiteLabel, &ClickableLabel::clicked, this, &AboutWindow::webSiteRequested);

    // Below the client area, as designed: part of the window, never on screen.
    QLabel* terms = AddLabel(
        "Label5", this, QRect(120, 3120, 7215, 1275), font(),
        tr("This program and its source code are released under the MIT licence: anyone may use, "
           "copy, change, pass on and sell them, with or without a fee, as long as the copyright notice "
           "and the licence text go with every copy. The program comes without any warranty."));
    terms->setWordWrap(true);

    auto* skinTemplate = new SkinLabel(0, this);
    skinTemplate->setGeometry(FromTwips(480, 2760, 555, 195));
    skinTemplate->hide();

    setWindowTitle(tr("About %1").arg(QString::fromStdString(brand.productName)));
    productLabel->setText(QString::fromStdString(version.productName));
    ownerLabel->setText(QString::fromStdString(version.companyName));
    versionLabel->setText(QString::fromStdString(VersionText(version)));
    websiteLabel->setText(QString::fromStdString(version.comments));
    if (brand.skinEnabled && skinOrNull != nullptr) {
        ReplaceLabelsWithSkinLabels(this, nullptr);
        ApplySkin(this, *skinOrNull);
    }

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    CentreOnScreen(this);
}

QLabel* AboutWindow::AddLabel(const char* name, QWidget* container, QRect twips, const QFont& font,
                              const QString& text)
{
    auto* label = new QLabel(container);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(FromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setFont(font);
    label->setText(text);
    return label;
}

} // namespace tintora
