// SPDX-License-Identifier: MIT
// Entry point of the browser window tests. The process is set up as the
// program sets itself up: no OpenGL attribute before the QApplication, and
// the program's preparation right before the module is loaded (the tests
// load it themselves). Qt's warnings are recorded so that a test can show
// that the engine starts without complaint.
#include <QApplication>
#include <QMutex>
#include <gtest/gtest.h>

#include "browser_test_main.h"
#include "shell/browser_api.h"

namespace {

QtMessageHandler previousHandler = nullptr;
QMutex warningsMutex;
QStringList warnings;

void RecordMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        QMutexLocker lock(&warningsMutex);
        warnings << text;
    }
    previousHandler(type, context, text);
}

} // namespace

namespace tintora::test {

QStringList QtWarningsSoFar()
{
    QMutexLocker lock(&warningsMutex);
    return warnings;
}

} // namespace tintora::test

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(RecordMessage);
    QApplication app(argc, argv);
    tintora::PrepareForBrowserModule();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
