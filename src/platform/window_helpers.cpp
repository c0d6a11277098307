#include "platform/window_helpers.h"

#include <cmath>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tintora {

namespace {

int TwipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

} // namespace

QRect FromTwips(int x, int y, int w, int h)
{
    return QRect(TwipsToPixels(x), TwipsToPixels(y), TwipsToPixels(w), TwipsToPixels(h));
}

QFont VerdanaFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
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
