// SPDX-License-Identifier: MIT
// A stand-in for the desktop portal's colour picker, for tests on a private
// session bus. Owns org.freedesktop.portal.Desktop and answers
// org.freedesktop.portal.Screenshot.PickColor as told by its one argument:
//   answer R G B   response 0 with the colour (R, G, B), channels in 0..1
//   cancel         response 1 (the user cancelled)
//   other          response 2 with no results (how some backends cancel)
//   refuse         response 2 with a reason (the portal could not pick)
//   bad-color      response 0 with channels out of range
//   no-color       response 0 without a colour
//   no-response    answers the call, never sends a response
//   silent         never answers the call
//   other-path     like "answer", on a request path of its own choosing
// Prints "ready" once it owns the name, "parent HANDLE" for each PickColor
// and "closed PATH" for each Request.Close it gets.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>

#include <cstdio>

namespace {

// A request object, which the caller may close before it responds.
class Request : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")
public:
    explicit Request(QString path, QObject* parent) : QObject(parent), path_(std::move(path)) {}

public slots:
    void Close()
    {
        std::printf("closed %s\n", qPrintable(path_));
        std::fflush(stdout);
    }

private:
    QString path_;
};

class Screenshot : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    explicit Screenshot(QStringList args) : args_(std::move(args)) {}

public slots:
    QDBusObjectPath PickColor(const QString& parentWindow, const QVariantMap& options)
    {
        std::printf("parent %s\n", qPrintable(parentWindow));
        std::fflush(stdout);
        const QString mode = args_.value(0);
        QString sender = message().service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString token = mode == QLatin1String("other-path")
                                  ? QStringLiteral("chosen")
                                  : options.value(QStringLiteral("handle_token")).toString();
        const QString path =
            QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
        QDBusConnection::sessionBus().registerObject(path, new Request(path, this),
                                                     QDBusConnection::ExportAllSlots);
        if (mode == QLatin1String("silent")) {
            setDelayedReply(true);
            return {};
        }
        if (mode != QLatin1String("no-response"))
            QTimer::singleShot(20, this, [this, path, mode] { respond(path, mode); });
        return QDBusObjectPath(path);
    }

private:
    void respond(const QString& path, const QString& mode)
    {
        uint code = 0;
        QVariantMap results;
        auto color = [&](double r, double g, double b) {
            QDBusArgument arg;
            arg.beginStructure();
            arg << r << g << b;
            arg.endStructure();
            results.insert(QStringLiteral("color"), QVariant::fromValue(arg));
        };
        if (mode == QLatin1String("answer") || mode == QLatin1String("other-path"))
            color(args_.value(1).toDouble(), args_.value(2).toDouble(), args_.value(3).toDouble());
        else if (mode == QLatin1String("cancel"))
            code = 1;
        else if (mode == QLatin1String("other"))
            code = 2;
        else if (mode == QLatin1String("refuse")) {
            code = 2;
            results.insert(QStringLiteral("reason"), QStringLiteral("no picker on this desktop"));
        } else if (mode == QLatin1String("bad-color"))
            color(1.5, -0.5, 0.5);
        QDBusMessage signal = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        signal << code << results;
        QDBusConnection::sessionBus().send(signal);
    }

    QStringList args_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    Screenshot screenshot(args);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &screenshot,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(stderr, "fake_portal: cannot register on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "fake_portal.moc"
