#include "app/SingleInstance.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tw
{
namespace
{

QString uniqueName()
{
    return QStringLiteral("tw-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

QString runtimePath(const QString &name)
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u'/' + name;
}

// Connects to the listening copy as a stranger would; -1 when it cannot.
int connectRaw(const QString &name)
{
    const QByteArray path = QFile::encodeName(runtimePath(name) + QStringLiteral(".socket"));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return -1;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void sendRaw(const QString &name, const QByteArray &bytes)
{
    const int fd = connectRaw(name);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(write(fd, bytes.constData(), std::size_t(bytes.size())), bytes.size());
    close(fd);
}

// Starts another copy under `name`: it gives way, and the copy that
// `activated` watches hears from it.
void expectAnotherCopyGivesWay(const QString &name, QSignalSpy &activated)
{
    SingleInstance another(name);
    EXPECT_FALSE(another.claim());
    EXPECT_TRUE(activated.wait(5000));
}

TEST(SingleInstance, ASecondCopyActivatesTheFirstAndGivesWay)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);

    expectAnotherCopyGivesWay(name, activated);
    EXPECT_EQ(activated.count(), 1);
    expectAnotherCopyGivesWay(name, activated);
    EXPECT_EQ(activated.count(), 2);
}

TEST(SingleInstance, TheFirstCopyAloneClaims)
{
    const QString name = uniqueName();
    {
        SingleInstance gone(name);
        ASSERT_TRUE(gone.claim());
    }
    SingleInstance next(name);
    EXPECT_TRUE(next.claim());
}

// A process that has ended, as a copy that crashed has.
qint64 endedProcessId()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    EXPECT_TRUE(process.waitForStarted());
    const qint64 id = process.processId();
    EXPECT_TRUE(process.waitForFinished());
    return id;
}

TEST(SingleInstance, FilesLeftByACopyThatCrashedDoNotBlockTheNext)
{
    const QString name = uniqueName();
    // The lock file names the copy's process and machine, as the lock writes it.
    const QByteArray files[][2] = {{".lock", QByteArray::number(endedProcessId()) +
                                                 "\ntilewright\n" +
                                                 QSysInfo::machineHostName().toUtf8() + '\n'},
                                   {".socket", ""}};
    for (const auto &[suffix, content] : files) {
        QFile left(runtimePath(name) + QLatin1String(suffix));
        ASSERT_TRUE(left.open(QIODevice::WriteOnly));
        left.write(content);
    }
    SingleInstance next(name);
    ASSERT_TRUE(next.claim());
    QSignalSpy activated(&next, &SingleInstance::activationRequested);
    expectAnotherCopyGivesWay(name, activated);
}

TEST(SingleInstance, OnlyTheActivationMessageActivates)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);

    const QByteArray strangers[] = {
        "", "3021", "30223", "hello", QByteArray(4096, '3'), "3022" + QByteArray(100, ' ') + "x"};
    for (const QByteArray &bytes : strangers)
        sendRaw(name, bytes);
    QTest::qWait(200);
    EXPECT_EQ(activated.count(), 0);

    sendRaw(name, "3022\n");
    EXPECT_TRUE(activated.wait(5000));
    EXPECT_EQ(activated.count(), 1);
}

TEST(SingleInstance, ACopyEndingWithAClientStillConnectedCleansUp)
{
    const QString name = uniqueName();
    int silent = -1;
    {
        SingleInstance first(name);
        ASSERT_TRUE(first.claim());
        silent = connectRaw(name);
        ASSERT_GE(silent, 0);
        QTest::qWait(50);
    }
    close(silent);
    EXPECT_FALSE(QFile::exists(runtimePath(name) + QStringLiteral(".socket")));
    SingleInstance next(name);
    EXPECT_TRUE(next.claim());
}

} // namespace
} // namespace tw
