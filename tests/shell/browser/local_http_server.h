// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

namespace tintora::test {

// A tiny HTTP/1.0 server on 127.0.0.1 (a free port) that answers GET
// requests from a table of paths, in the test's own event loop. Unknown
// paths get 404. Every connection is closed after one answer.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray location; // sent as Location: for redirects
    };

    LocalHttpServer();

    bool Start(); // false when no port could be opened
    void Add(const QByteArray& path, const Response& response);

    quint16 Port() const { return server_.serverPort(); }
    // "http://127.0.0.1:<port>" + path
    QString Url(const QString& path) const;
    // "127.0.0.1:<port>" + path: an address as a user would type it.
    QString Typed(const QString& path) const;
    // Paths requested so far, in order.
    const QStringList& Requests() const { return requests_; }

private:
    void Answer(QTcpSocket* socket);

    QTcpServer server_;
    QHash<QByteArray, Response> routes_;
    QStringList requests_;
};

// An HTML page with a title and optional body markup.
QByteArray HtmlPage(const QByteArray& title, const QByteArray& body = {});

} // namespace tintora::test
