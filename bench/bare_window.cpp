// SPDX-License-Identifier: MIT
// The yardsticks for start-up: plain Qt programs that show a 480 x 519
// window and quit once its first frame has been handed to the window
// system, as `tintora --exit-after-first-paint` does.
//   bench_bare_window            an empty widget
//   bench_bare_window --texts    one widget that paints the main window's
//                                texts, in its fonts, at its places
//   bench_bare_window --controls the main window's controls as plain Qt
//                                widgets, with the same texts and fonts
#include "main_window_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

QFont DesignFont(double points, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Quits like the program does: once the first paint has returned (and with
// it the flush of the frame), without tearing anything down, so that only
// the way to the first frame counts.
void QuitAfterThisFrame()
{
    std::fflush(nullptr);
    std::_Exit(0);
}

class Window : public QWidget
{
public:
    explicit Window(bool drawTexts) : drawTexts_(drawTexts) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (drawTexts_) {
            QPainter p(this);
            for (const bench::Control& c : bench::kMainWindowControls) {
                if (!c.shown || c.text[0] == '\0')
                    continue;
                p.setFont(DesignFont(c.points, c.bold));
                p.drawText(Origin(c), QString::fromUtf8(c.text));
            }
        }
        if (!done_) {
            done_ = true;
            QMetaObject::invokeMethod(qApp, &QuitAfterThisFrame, Qt::QueuedConnection);
        }
    }

private:
    // The text's place in window coordinates (containers add their offset).
    static QPoint Origin(const bench::Control& c)
    {
        QPoint at(c.x, c.y + c.h);
        for (const bench::Control& o : bench::kMainWindowControls)
            if (std::strcmp(o.name, c.container) == 0)
                at += QPoint(o.x, o.y);
        return at;
    }

    bool drawTexts_;
    bool done_ = false;
};

void BuildControls(QWidget* window)
{
    std::map<std::string, QWidget*> byName;
    for (const bench::Control& c : bench::kMainWindowControls) {
        QWidget* parent = c.container[0] ? byName.at(c.container) : window;
        const QString text = QString::fromUtf8(c.text);
        QWidget* w = nullptr;
        switch (c.kind) {
        case bench::Kind::Button:
            w = new QPushButton(text, parent);
            break;
        case bench::Kind::Group:
            w = new QGroupBox(text, parent);
            break;
        case bench::Kind::Label:
            w = new QLabel(text, parent);
            break;
        case bench::Kind::Swatch: {
            auto* swatch = new QLabel(parent);
            swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            swatch->setAutoFillBackground(true);
            QPalette pal = swatch->palette();
            pal.setColor(QPalette::Window, Qt::red);
            swatch->setPalette(pal);
            w = swatch;
            break;
        }
        case bench::Kind::Panel:
            w = new QWidget(parent);
            break;
        case bench::Kind::Radio:
            w = new QRadioButton(text, parent);
            break;
        case bench::Kind::Field:
            w = new QLineEdit(text, parent);
            break;
        case bench::Kind::Combo: {
            auto* combo = new QComboBox(parent);
            for (int i = 0; i < c.items; ++i)
                combo->addItem(QStringLiteral("Entry %1").arg(i));
            w = combo;
            break;
        }
        }
        w->setObjectName(QString::fromLatin1(c.name));
        w->setFont(DesignFont(c.points, c.bold));
        w->setGeometry(c.x, c.y, c.w, c.h);
        w->setVisible(c.shown);
        byName[c.name] = w;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool texts = argc > 1 && std::strcmp(argv[1], "--texts") == 0;
    const bool controls = argc > 1 && std::strcmp(argv[1], "--controls") == 0;
    Window w(texts);
    w.setFixedSize(480, 519);
    w.setFont(DesignFont(8.25, true));
    if (controls)
        BuildControls(&w);
    w.show();
    return app.exec();
}
