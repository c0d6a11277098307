// SPDX-License-Identifier: MIT
#include "app/pick_command.h"

#include "eyedropper/eyedropper.h"
#include "eyedropper/pixel_mapping.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace tintora {

int RunPickCommand(const std::string& programName, const PickFormatter& format)
{
    Eyedropper eyedropper;
    int status = PickFailed;
    QObject::connect(&eyedropper, &Eyedropper::picked, [&](Rgb color) {
        const std::string text = format ? format(color) : HtmlCode(color).toStdString();
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
        status = 0;
        QCoreApplication::exit(0);
    });
    QObject::connect(&eyedropper, &Eyedropper::cancelled, [&] {
        status = PickCancelled;
        QCoreApplication::exit(status);
    });
    QObject::connect(&eyedropper, &Eyedropper::failed, [&](const QString& message) {
        std::fprintf(stderr, "%s: %s\n", programName.c_str(), message.toLocal8Bit().constData());
        status = PickFailed;
        QCoreApplication::exit(status);
    });
    // Started from the event loop, so that an answer that comes at once
    // (a failure) still finds the loop running.
    QTimer::singleShot(0, &eyedropper, &Eyedropper::start);
    QCoreApplication::exec();
    return status;
}

} // namespace tintora
