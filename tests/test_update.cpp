#include "UpdateCheck.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A loopback HTTP server that answers every request with one fixed reply, written by hand so
// that the test controls every header. With an empty reply it accepts and stays silent.
class HttpServer {
public:
    explicit HttpServer(QByteArray reply) : FReply(std::move(reply)) {
        EXPECT_TRUE(FServer.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&FServer, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = FServer.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    FRequest += s->readAll();
                    if (FRequest.contains("\r\n\r\n") && !FReply.isEmpty()) {
                        s->write(FReply);
                        s->disconnectFromHost();
                    }
                });
            }
        });
    }
    QString Url() const { return QStringLiteral("http://127.0.0.1:%1").arg(FServer.serverPort()); }
    const QByteArray& Request() const { return FRequest; }

private:
    QTcpServer FServer;
    QByteArray FReply;
    QByteArray FRequest;
};

QByteArray Ok(const QByteArray& body) {
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

QByteArray Ini(const QByteArray& version, const QByteArray& package = "zud-setup.exe") {
    return "[VersionCheck]\r\nVersion=" + version + "\r\nPackage=" + package + "\r\n";
}

class UpdateTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(work.isValid()); }
    QString Folder() const { return work.path() + "/"; }
    bool IniLeft() const { return QFile::exists(work.filePath("zud.ini")); }
    QTemporaryDir work;
};

} // namespace

TEST(VersionNumber, ThreePartsWeighted) {
    EXPECT_EQ(zud::VersionNumber("1.2.10"), (1u << 24) + (2u << 16) + 10u);
    EXPECT_EQ(zud::VersionNumber("0.0.0"), 0u);
    EXPECT_EQ(zud::VersionNumber("3"), 3u << 24);
    EXPECT_EQ(zud::VersionNumber("1.2"), (1u << 24) + (2u << 16));
    EXPECT_EQ(zud::VersionNumber(" 1.0.1 "), (1u << 24) + 1u);
    EXPECT_EQ(zud::VersionNumber("1.2.3.4"), (1u << 24) + (2u << 16) + 3u);
    EXPECT_GT(zud::VersionNumber("1.2.10"), zud::VersionNumber("1.2.9"));
    EXPECT_GT(zud::VersionNumber("1.10.0"), zud::VersionNumber("1.9.99"));
}

TEST(VersionNumber, NonNumberPartClearsTheSumSoFar) {
    EXPECT_EQ(zud::VersionNumber("x.2.3"), (2u << 16) + 3u);
    EXPECT_EQ(zud::VersionNumber("1.x.3"), 3u);
    EXPECT_EQ(zud::VersionNumber("1.2.x"), 0u);
    EXPECT_EQ(zud::VersionNumber("1.2b.3"), 3u);
    EXPECT_EQ(zud::VersionNumber("1.-2.3"), 3u);
    EXPECT_EQ(zud::VersionNumber("1..3"), 3u);
    EXPECT_EQ(zud::VersionNumber(""), 0u);
    EXPECT_EQ(zud::VersionNumber("beta"), 0u);
}

TEST(IniValue, SectionsAndKeysInAnyCase) {
    const QByteArray ini =
        "[Other]\nVersion=9.9.9\n; comment\n[versioncheck]\n version = 1.2.3 \r\nPACKAGE=a b.exe\n";
    EXPECT_EQ(zud::IniValue(ini, "VersionCheck", "Version"), "1.2.3");
    EXPECT_EQ(zud::IniValue(ini, "VersionCheck", "Package"), "a b.exe");
    EXPECT_EQ(zud::IniValue(ini, "Other", "Version"), "9.9.9");
    EXPECT_EQ(zud::IniValue(ini, "VersionCheck", "Missing"), "");
    EXPECT_EQ(zud::IniValue(ini, "Missing", "Version"), "");
}

TEST_F(UpdateTest, NewerVersionOnTheServer) {
    HttpServer server(Ok(Ini("1.2.10")));
    const zud::UpdateResult r = zud::CheckForUpdate(server.Url(), Folder(), "1.2.9", 5000);
    EXPECT_TRUE(r.available);
    EXPECT_TRUE(r.newer);
    EXPECT_EQ(r.remoteVersion, "1.2.10");
    EXPECT_EQ(r.downloadUrl, server.Url() + "/zud-setup.exe");
    EXPECT_FALSE(IniLeft());
    EXPECT_TRUE(server.Request().startsWith("GET /Download/zud.txt HTTP/1.1\r\n"))
        << server.Request().toStdString();
    EXPECT_TRUE(server.Request().toLower().contains("cache-control: no-cache"));
}

TEST_F(UpdateTest, MinorPartComparedAsNumber) {
    HttpServer server(Ok(Ini("1.10.0", "pkg/zud-1.10.0.tar.gz")));
    const zud::UpdateResult r = zud::CheckForUpdate(server.Url() + "/", Folder(), "1.9.99", 5000);
    EXPECT_TRUE(r.available);
    EXPECT_TRUE(r.newer);
    EXPECT_EQ(r.downloadUrl, server.Url() + "/pkg/zud-1.10.0.tar.gz");
    EXPECT_FALSE(IniLeft());
}

TEST_F(UpdateTest, EqualAndOlderAreNotNewer) {
    {
        HttpServer server(Ok(Ini("1.2.9")));
        const zud::UpdateResult r = zud::CheckForUpdate(server.Url(), Folder(), "1.2.9", 5000);
        EXPECT_TRUE(r.available);
        EXPECT_FALSE(r.newer);
    }
    {
        HttpServer server(Ok(Ini("1.1.99")));
        const zud::UpdateResult r = zud::CheckForUpdate(server.Url(), Folder(), "1.2.0", 5000);
        EXPECT_TRUE(r.available);
        EXPECT_FALSE(r.newer);
        EXPECT_EQ(r.remoteVersion, "1.1.99");
    }
    EXPECT_FALSE(IniLeft());
}

TEST_F(UpdateTest, MalformedRemoteVersion) {
    // "2.x.1" counts as 1: below any real local version.
    HttpServer server(Ok(Ini("2.x.1")));
    const zud::UpdateResult r = zud::CheckForUpdate(server.Url(), Folder(), "1.0.0", 5000);
    EXPECT_TRUE(r.available);
    EXPECT_FALSE(r.newer);
    EXPECT_EQ(r.remoteVersion, "2.x.1");
}

TEST_F(UpdateTest, EmptyVersionOrNoSectionMeansNoInformation) {
    for (const QByteArray& body : {Ini(""), QByteArray("[Other]\nVersion=9.0.0\n"), QByteArray()}) {
        HttpServer server(Ok(body));
        const zud::UpdateResult r = zud::CheckForUpdate(server.Url(), Folder(), "1.0.0", 5000);
        EXPECT_FALSE(r.available) << body.toStdString();
        EXPECT_FALSE(r.newer);
        EXPECT_FALSE(IniLeft());
    }
}

TEST_F(UpdateTest, MissingFileOnTheServer) {
    const QByteArray body = Ini("9.9.9");
    HttpServer server("HTTP/1.1 404 Not Found\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\nConnection: close\r\n\r\n" + body);
    const zud::UpdateResult r = zud::CheckForUpdate(server.Url(), Folder(), "1.0.0", 5000);
    EXPECT_FALSE(r.available);
    EXPECT_FALSE(r.newer);
    EXPECT_FALSE(IniLeft());
}

TEST_F(UpdateTest, MissingContentLengthFails) {
    HttpServer server("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n" +
                      Ini("9.9.9"));
    const zud::UpdateResult r = zud::CheckForUpdate(server.Url(), Folder(), "1.0.0", 5000);
    EXPECT_FALSE(r.available);
    EXPECT_FALSE(IniLeft());
}

TEST_F(UpdateTest, NonNumericContentLengthFails) {
    for (const QByteArray& length : {QByteArray("abc"), QByteArray("12x"), QByteArray("")}) {
        HttpServer server("HTTP/1.1 200 OK\r\nContent-Length: " + length + "\r\nConnection: close\r\n\r\n" +
                          Ini("9.9.9"));
        const zud::UpdateResult r = zud::CheckForUpdate(server.Url(), Folder(), "1.0.0", 5000);
        EXPECT_FALSE(r.available) << length.toStdString();
        EXPECT_FALSE(IniLeft());
    }
}

TEST_F(UpdateTest, UnreachableServer) {
    QString url;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        url = QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
    } // closed: nothing listens there now
    const zud::UpdateResult r = zud::CheckForUpdate(url, Folder(), "1.0.0", 5000);
    EXPECT_FALSE(r.available);
    EXPECT_FALSE(zud::CheckForUpdate("", Folder(), "1.0.0", 5000).available);
    EXPECT_FALSE(zud::CheckForUpdate("ftp://127.0.0.1", Folder(), "1.0.0", 5000).available);
}

TEST_F(UpdateTest, SilentServerTimesOut) {
    HttpServer server{QByteArray()};
    QElapsedTimer t;
    t.start();
    const zud::UpdateResult r = zud::CheckForUpdate(server.Url(), Folder(), "1.0.0", 300);
    EXPECT_FALSE(r.available);
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_FALSE(server.Request().isEmpty()); // the request did arrive
    EXPECT_FALSE(IniLeft());
}

TEST_F(UpdateTest, UnwritableWorkFolderFails) {
    HttpServer server(Ok(Ini("9.9.9")));
    const zud::UpdateResult r = zud::CheckForUpdate(server.Url(), work.filePath("missing/"), "1.0.0", 5000);
    EXPECT_FALSE(r.available);
}
