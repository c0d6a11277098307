// SPDX-License-Identifier: MIT
#include "platform/window_helpers.h"

#include "core/numeric.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QWidget>

namespace tintora {

QRect FromTwips(int x, int y, int w, int h)
{
    return QRect(TwipsToPixels(x), TwipsToPixels(y), TwipsToPixels(w), TwipsToPixels(h));
}

QString DesignFontFamily(const QString& designFamily)
{
    static const bool substitutesInstalled = [] {
        const QStringList free{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
        for (const char* family : {"Verdana", "MS Sans Serif", "Arial"})
            QFont::insertSubstitutions(QString::fromLatin1(family), free);
        return true;
    }();
    (void)substitutesInstalled;
    static QHash<QString, QString> resolved;
    const auto it = resolved.constFind(designFamily);
    if (it != resolved.constEnd())
        return *it;
    // Looked up in the list of installed families rather than through
    // QFontDatabase::hasFamily, which first runs each name through
    // fontconfig's alias rules: a million instructions a name at start-up,
    // to learn what the list says.
    const QStringList installed = QFontDatabase::families();
    auto isInstalled = [&installed](const QString& f) { return installed.contains(f, Qt::CaseInsensitive); };
    QString family = designFamily;
    if (!isInstalled(designFamily)) {
        const QStringList substitutes = QFont::substitutes(designFamily);
        for (const QString& s : substitutes) {
            if (isInstalled(s)) {
                family = s;
                break;
            }
        }
    }
    resolved.insert(designFamily, family);
    return family;
}

QFont DesignFont(const QString& designFamily, qreal pointSize, bool bold)
{
    QFont font(DesignFontFamily(designFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont VerdanaFont(qreal pointSize, bool bold)
{
    return DesignFont(QStringLiteral("Verdana"), pointSize, bold);
}

void CentreOnScreen(QWidget* window)
{
    if (window == nullptr)
        return;
    QScreen* screen = window->screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace tintora
