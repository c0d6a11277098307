// SPDX-License-Identifier: MIT
#include "local_http_server.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace tintora::test {

LocalHttpServer::LocalHttpServer()
{
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool LocalHttpServer::Start()
{
    return server_.listen(QHostAddress::LocalHost, 0);
}

void LocalHttpServer::Add(const QByteArray& path, const Response& response)
{
    routes_.insert(path, response);
}

QString LocalHttpServer::Url(const QString& path) const
{
    return QStringLiteral("http://") + Typed(path);
}

QString LocalHttpServer::Typed(const QString& path) const
{
    return QStringLiteral("127.0.0.1:%1%2").arg(Port()).arg(path);
}

void LocalHttpServer::Answer(QTcpSocket* socket)
{
    // Wait for the whole request head; the engine never sends a body here.
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n"))
        return;

    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QByteArray path = requestLine.size() >= 2 ? requestLine[1] : QByteArray("/");
    requests_.append(QString::fromLatin1(path));

    Response response;
    if (auto it = routes_.constFind(path); it != routes_.constEnd())
        response = *it;
    else
        response = {404, "not found", {}};

    const QByteArray reason = response.status == 200 ? "OK" : response.status == 302 ? "Found" : "Not Found";
    QByteArray out = "HTTP/1.0 " + QByteArray::number(response.status) + ' ' + reason + "\r\n";
    out += "Content-Type: text/html; charset=utf-8\r\n";
    out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    out += "Cache-Control: no-store\r\n";
    if (!response.location.isEmpty())
        out += "Location: " + response.location + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += response.body;
    socket->write(out);
    socket->disconnectFromHost();
}

QByteArray HtmlPage(const QByteArray& title, const QByteArray& body)
{
    return "<!DOCTYPE html><html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
}

} // namespace tintora::test
