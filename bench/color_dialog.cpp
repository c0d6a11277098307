// SPDX-License-Identifier: MIT
// Qt's own colour dialog for the drag latency benchmark (bench_latency):
// shown at the screen's top left, beside the program. Once shown, prints its
// X window id and where its colour plane and its luminance strip lie in the
// window, one line each, then runs until it is ended:
//   window <id>
//   plane <x> <y> <width> <height>
//   strip <x> <y> <width> <height>
#include <QApplication>
#include <QColorDialog>
#include <QTimer>

#include <cstdio>

namespace {

void PrintArea(QWidget* dialog, const char* what, const char* classSuffix)
{
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!QByteArray(w->metaObject()->className()).endsWith(classSuffix))
            continue;
        const QPoint at = w->mapTo(dialog, QPoint(0, 0));
        std::printf("%s %d %d %d %d\n", what, at.x(), at.y(), w->width(), w->height());
        return;
    }
    std::printf("%s none\n", what);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QColorDialog dialog(QColor(255, 0, 0));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.move(20, 20);
    dialog.show();
    QTimer::singleShot(0, &dialog, [&dialog] {
        std::printf("window %llu\n", static_cast<unsigned long long>(dialog.winId()));
        PrintArea(&dialog, "plane", "QColorPicker");
        PrintArea(&dialog, "strip", "QColorLuminancePicker");
        std::fflush(stdout);
    });
    return app.exec();
}
