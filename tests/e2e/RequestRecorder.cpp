// A tiny web server for the real-window test: it answers every request on
// 127.0.0.1 with a small page and appends each request line to a log file.
// It prints the port it listens on and runs until it is killed.

#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>
#include <memory>

namespace {

void appendLine(const QString& logPath, const QByteArray& line)
{
    QFile log(logPath);
    if (log.open(QIODevice::Append))
        log.write(line + '\n');
}

void answer(QTcpSocket* socket)
{
    const QByteArray page = "<html><head><title>Results</title></head>"
                            "<body><h1>Results</h1><p>Served on 127.0.0.1.</p></body></html>";
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: "
                  + QByteArray::number(page.size()) + "\r\nConnection: close\r\n\r\n" + page);
    socket->disconnectFromHost();
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <request log>\n", argv[0]);
        return 2;
    }
    const QString logPath = QString::fromLocal8Bit(argv[1]);

    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, logPath] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, received, logPath] {
                const bool headerWasComplete = received->contains("\r\n\r\n");
                *received += socket->readAll();
                if (headerWasComplete || !received->contains("\r\n\r\n"))
                    return;
                appendLine(logPath, received->left(received->indexOf("\r\n")));
                answer(socket);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });

    std::printf("%d\n", server.serverPort());
    std::fflush(stdout);
    return app.exec();
}
