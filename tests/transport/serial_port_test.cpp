// The link port against pseudo-terminal pairs made here: the test writes the
// "printer" side on the master, the port opens the slave node. Peers that
// misbehave are in peer_faults_test.cpp.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <termios.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "exchange/printer_replies.h"
#include "support/pty_pair.h"
#include "transport/direct_link.h"
#include "transport/link_read_rule.h"
#include "transport/open_failure.h"

namespace corvane::transport {
namespace {

using link::ReplyShape;
using test::PtyPair;
using namespace std::chrono_literals;

// Short waits: 3 attempts x 5 polls x 10 ms = 150 ms of silence before giving up.
constexpr LinkTimeouts kShort{.pollInterval = 10ms, .pollsPerAttempt = 5, .attempts = 3};

class RawPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        port.setPortName(pty.slave());
        port.setTimeouts(kShort);
        ASSERT_TRUE(port.Open());
    }
    std::string read() {
        Bytes reply;
        return port.Read(reply) ? std::string(reply.begin(), reply.end()) : std::string("<none>");
    }
    PtyPair pty;
    RawDevicePort port;
};

// Replies end on their gap or once known whole; what follows is discarded.
TEST_F(RawPortTest, RepliesEndOnTheirGapOrWhenWholeAndASilentPrinterFailsAfterTheLimit) {
    const std::string ack = "\x1f\x57\x4d\x7f";  // a mode acknowledgement
    struct Case {
        const char* name;
        std::vector<std::pair<std::chrono::milliseconds, std::string>> printer;  // a pause, then bytes
        LinkTimeouts timeouts;
        LinkReadRule rule;
        ReplyShape shape;
        std::vector<std::string> reads;
    };
    const LinkTimeouts patient{.pollInterval = 10ms, .pollsPerAttempt = 5, .attempts = 20};  // 1 s for a first byte
    const LinkTimeouts longGap{.pollInterval = 10ms, .pollsPerAttempt = 5, .attempts = 3, .replyGap = 1s};
    const Bytes suc = link::testing::ReplyFrame(link::BuildTagOnlyMessage(link::tag::kIfSuc));
    const std::string frame(suc.begin(), suc.end());
    // A stray byte 300 ms after a verified frame, well inside a gap of 1 s:
    // only a read that knows the reply is whole stops before it. A mode
    // acknowledgement is never known whole: what follows it belongs to it.
    const Case cases[] = {
        {"waiting before the read", {{0ms, "__[I_F]__[SYS_RSP]"}}, kShort, {}, {}, {"__[I_F]__[SYS_RSP]"}},
        {"two parts 50 ms apart", {{20ms, "first-"}, {50ms, "second"}}, kShort, {}, {}, {"first-second"}},
        {"two parts 300 ms apart", {{0ms, "one"}, {300ms, "two"}}, patient, {}, {}, {"one", "two"}},
        {"whole", {{0ms, frame}, {300ms, "!"}}, longGap, LinkReadRule::Complete, ReplyShape::Frame, {frame}},
        {"by silence", {{0ms, frame}, {300ms, "!"}}, longGap, LinkReadRule::Silence, ReplyShape::Frame, {frame + "!"}},
        {"acknowledgement",
         {{0ms, ack}, {300ms, "!"}},
         longGap,
         LinkReadRule::Complete,
         ReplyShape::ModeAck,
         {ack + "!"}},
    };
    for (const Case& c : cases) {
        port.setTimeouts(c.timeouts);
        port.setReadRule(c.rule);
        std::thread printer([&] {
            for (const auto& [pause, text] : c.printer) {
                std::this_thread::sleep_for(pause);
                pty.send(text);
            }
        });
        for (const std::string& expected : c.reads) {
            Bytes reply;
            EXPECT_TRUE(port.Read(reply, c.shape)) << c.name;
            EXPECT_EQ(std::string(reply.begin(), reply.end()), expected) << c.name;
        }
        printer.join();
        std::this_thread::sleep_for(50ms);
        port.setTimeouts(kShort);
        port.DiscardInput();
        EXPECT_EQ(read(), "<none>") << c.name;
    }

    // Writes reach the device; a silent printer fails the read after the
    // limit, the wait running in slices that let a window repaint.
    SerialPort closed;  // a port never opened neither reads nor writes
    Bytes nothing{1, 2};
    EXPECT_FALSE(closed.Read(nothing));
    EXPECT_TRUE(nothing.empty());
    EXPECT_EQ(closed.Write(ToBytes("x")), 0u);
    EXPECT_EQ(LinkTimeouts{}.firstByteLimit(), 90s);
    EXPECT_EQ(port.Write(ToBytes("GS a 0")), 6u);
    EXPECT_EQ(pty.receive(), "GS a 0");
    int idles = 0;
    port.setIdleHook([&] { ++idles; });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(read(), "<none>");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 150ms);
    EXPECT_LT(elapsed, 2s);
    EXPECT_GT(idles, 2);
}

TEST(LinkReadRuleChoice, EnvironmentThenSettingsFileThenComplete) {
    QTemporaryDir dir;
    struct Case {
        const char* variable;  // null: unset
        const char* setting;   // null: absent
        LinkReadRule rule;
        int problems;
    };
    const Case cases[] = {
        {nullptr, nullptr, LinkReadRule::Complete, 0},      {nullptr, "silence", LinkReadRule::Silence, 0},
        {"complete", "silence", LinkReadRule::Complete, 0}, {"silence", "complete", LinkReadRule::Silence, 0},
        {"slow", "silence", LinkReadRule::Silence, 1},      {nullptr, "Silence", LinkReadRule::Complete, 1},
    };
    for (const Case& c : cases) {
        QSettings settings(dir.filePath(QStringLiteral("tool.conf")), QSettings::IniFormat);
        settings.clear();
        if (c.setting) settings.setValue(kLinkReadSetting, c.setting);
        if (c.variable) {
            qputenv(kLinkReadVariable, c.variable);
        } else {
            qunsetenv(kLinkReadVariable);
        }
        QStringList problems;
        EXPECT_EQ(configuredLinkReadRule(settings, &problems), c.rule)
            << (c.variable ? c.variable : "-") << " " << (c.setting ? c.setting : "-");
        EXPECT_EQ(problems.size(), c.problems) << problems.join('\n').toStdString();
    }
    qunsetenv(kLinkReadVariable);
}

// A terminal node left in its default mode (line editing, echo) is read raw
// while the port holds it, and gets its own settings back at Close.
TEST(RawPortTerminal, ACookedTerminalIsReadRawAndRestoredAtClose) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const int node = ::open(QFile::encodeName(pty.slave()).constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(node, 0);
    termios cooked{};
    ASSERT_EQ(::tcgetattr(node, &cooked), 0);
    cooked.c_lflag |= ICANON | ECHO;
    ASSERT_EQ(::tcsetattr(node, TCSANOW, &cooked), 0);

    RawDevicePort port;
    port.setPortName(pty.slave());
    port.setTimeouts(kShort);
    ASSERT_TRUE(port.Open());
    termios held{};
    ASSERT_EQ(::tcgetattr(node, &held), 0);
    EXPECT_EQ(held.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(::cfgetospeed(&held), speed_t{B115200});
    EXPECT_EQ(held.c_cflag & (CSIZE | PARENB | CSTOPB), tcflag_t{CS8});
    ASSERT_TRUE(pty.send("\x1f\x57\x4d\x7f"));  // no newline: line editing would hold it
    Bytes reply;
    EXPECT_TRUE(port.Read(reply));
    EXPECT_EQ(reply, (Bytes{0x1F, 0x57, 0x4D, 0x7F}));
    ::fcntl(pty.master(), F_SETFL, O_NONBLOCK);
    EXPECT_EQ(pty.receive(), "");  // nothing echoed back to the printer
    port.Close();
    termios after{};
    ASSERT_EQ(::tcgetattr(node, &after), 0);
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO), tcflag_t{ICANON | ECHO});
    ::close(node);
}

// A file standing in for a device node, with the group and mode given.
QString NodeFile(const QTemporaryDir& dir, const char* name, gid_t group, mode_t mode) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(::chown(QFile::encodeName(path).constData(), 0, group), 0);
    EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    return path;
}

// The text of the failure to open `node` as a serial port or a raw device.
QString OpenFailureOf(const QString& node, bool usb) {
    DirectLink port;
    port.setUsbMode(usb);
    port.setPortName(node);
    const auto result = port.Open();
    EXPECT_FALSE(result.hasValue() || port.isOpen()) << node.toStdString();
    return result ? QString() : openFailureText(result.error());
}

// How a failed open reads, cause by cause, and that it holds nothing after.
// A permission error names the group to join when joining would help; that
// case runs end to end, as a user without the permission, in tests/cli. Here
// the cases where it would not (as root, with the group lp), and the other
// causes.
TEST(OpenFailure, NamesTheCauseOfEachKindAndHoldsNothing) {
    PtyPair held, lineless;
    ASSERT_TRUE(held.ok() && lineless.ok());
    RawDevicePort holder;
    holder.setPortName(held.slave());
    ASSERT_TRUE(holder.Open());
    EXPECT_TRUE(holder.Open());  // already held: reports, does not reopen
    std::vector<std::pair<QString, QStringList>> cases = {
        {OpenFailureOf("ttyCorvaneNone", false), {"/dev/ttyCorvaneNone: " + QString(std::strerror(ENOENT))}},
        {OpenFailureOf(held.slave(), true), {held.slave() + ": The device is in use by another program."}},
        // A pseudo-terminal has no modem lines.
        {OpenFailureOf(lineless.slave(), false),
         {lineless.slave() + ": No printer is ready on this line: its DSR or CTS signal is off."}},
    };
    // Closed (twice is harmless), the held node opens again; the refused one was never held.
    holder.Close();
    holder.Close();
    EXPECT_FALSE(holder.isOpen());
    for (const PtyPair* pty : {&held, &lineless}) {
        RawDevicePort raw;
        raw.setPortName(pty->slave());
        EXPECT_TRUE(raw.Open());
    }

    const group* lp = ::getgrnam("lp");
    const bool permissions = lp != nullptr && ::geteuid() == 0;
    QTemporaryDir dir;
    const QString generic =
        "Permission denied: add your user to the 'dialout' group (serial) or 'lp' group (USB printer), then log in "
        "again";
    if (permissions) {
        const QString groupMayNot = NodeFile(dir, "lp1", lp->gr_gid, 0600);
        const QString rootsGroup = NodeFile(dir, "lp2", 0, 0660);
        cases.push_back({openFailureText(openFailure(EACCES, groupMayNot)),
                         {groupMayNot + ": " + QString::fromLocal8Bit(std::strerror(EACCES)), generic}});
        cases.push_back({openFailureText(openFailure(EPERM, rootsGroup)),
                         {rootsGroup + ": " + QString::fromLocal8Bit(std::strerror(EPERM)), generic}});
    }
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(text, (QStringList{"Unable to open the port."} + lines).join('\n'));
    }
    if (!permissions) GTEST_SKIP() << "the permission cases need root and the group lp";
}

}  // namespace
}  // namespace corvane::transport
