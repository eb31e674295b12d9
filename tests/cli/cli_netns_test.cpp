// Discovery and LAN settings with real broadcasts to 255.255.255.255 and to
// the interface's ".255" address, on the printers' own default ports. This
// runs only inside a private network namespace made for the test, where the
// simulator and the program are alone; without namespaces it is skipped.
#include <gtest/gtest.h>

#include <QDir>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

bool NamespacesAvailable() {
    QProcess probe;
    probe.start("unshare", {"-n", "ip", "link", "set", "lo", "up"});
    return probe.waitForFinished(5000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

// Runs inside the namespace: loopback up with an address of its own and a
// default route through it, so a broadcast has somewhere to go and comes
// back to the simulator listening on every address.
const char* kScript = R"sh(
set -u
[ "$(ip -o link | grep -vc ': lo:')" = 0 ] || exit 77   # not a fresh namespace
ip link set lo up
ip addr add 10.200.0.1/24 dev lo
ip route add default dev lo
unset CORVANE_TARGET CORVANE_REMOTE_PORT CORVANE_LOCAL_PORT CORVANE_LOCAL_ADDRESS CORVANE_SURVEY_PORT
"$SIM" --bind 0.0.0.0 --no-link > "$OUT/sim.txt" 2>&1 &
sim=$!
for i in $(seq 50); do grep -q survey: "$OUT/sim.txt" && break; sleep 0.1; done
"$CLI" discover ethernet --json > "$OUT/ethernet.json"; echo $? > "$OUT/ethernet.rc"
"$CLI" lan-set ethernet --mac 00:11:62:0a:00:02 --port 9107 > "$OUT/set.txt"; echo $? > "$OUT/set.rc"
"$CLI" discover ethernet --json > "$OUT/again.json"
"$CLI" discover wlan --local 10.200.0.1 --json > "$OUT/wlan.json"; echo $? > "$OUT/wlan.rc"
kill $sim; wait $sim
exit 0
)sh";

// Runs inside the tool's namespace: two links, the default route through
// the first, where no printer is; the simulator sits in a namespace of its
// own at the far end of the second. Only what leaves through the second
// link, chosen by its local address, reaches it.
const char* kTwoLinksScript = R"sh(
set -u
[ "$(ip -o link | grep -vc ': lo:')" = 0 ] || exit 77   # not a fresh namespace
ip link set lo up
unshare -n sh -c '
  for i in $(seq 100); do ip link show p1 >/dev/null 2>&1 && break; sleep 0.05; done
  ip link set lo up
  ip addr add 10.77.2.2/24 dev p1
  ip link set p1 up
  exec "$SIM" --bind 0.0.0.0 --no-link' > "$OUT/sim.txt" 2>&1 &
sim=$!
for i in $(seq 100); do
  [ "$(readlink /proc/$sim/ns/net)" != "$(readlink /proc/self/ns/net)" ] && break; sleep 0.05
done
ip link add t0 type veth peer name d0
ip link add t1 type veth peer name p1
ip link set p1 netns $sim
ip addr add 10.77.1.1/24 dev t0
ip link set t0 up
ip link set d0 up
ip addr add 10.77.2.1/24 dev t1
ip link set t1 up
ip route add default via 10.77.1.2 dev t0
for i in $(seq 50); do grep -q survey: "$OUT/sim.txt" && break; sleep 0.1; done
unset CORVANE_TARGET CORVANE_REMOTE_PORT CORVANE_LOCAL_PORT CORVANE_LOCAL_ADDRESS CORVANE_SURVEY_PORT
"$CLI" lan-set ethernet --local 10.77.2.1 --mac 00:11:62:0a:00:02 --port 9107 > "$OUT/set.txt" 2>&1
echo $? > "$OUT/set.rc"
"$CLI" discover ethernet --local 10.77.2.1 --json > "$OUT/again.json"
kill $sim; wait $sim
exit 0
)sh";

// Runs inside the tool's namespace: two links to two namespaces, each with
// a simulator of its own (the same printers); the tool searches from both of
// its addresses at once.
const char* kAllAdaptersScript = R"sh(
set -u
[ "$(ip -o link | grep -vc ': lo:')" = 0 ] || exit 77   # not a fresh namespace
ip link set lo up
for n in 1 2; do
  unshare -n sh -c '
    for i in $(seq 100); do ip link show p'$n' >/dev/null 2>&1 && break; sleep 0.05; done
    ip link set lo up
    ip addr add 10.77.'$n'.2/24 dev p'$n'
    ip link set p'$n' up
    exec "$SIM" --bind 0.0.0.0 --no-link' > "$OUT/sim$n.txt" 2>&1 &
  eval sim$n=$!
done
for n in 1 2; do
  eval pid=\$sim$n
  for i in $(seq 100); do
    [ "$(readlink /proc/$pid/ns/net)" != "$(readlink /proc/self/ns/net)" ] && break; sleep 0.05
  done
  ip link add t$n type veth peer name p$n
  ip link set p$n netns $pid
  ip addr add 10.77.$n.1/24 dev t$n
  ip link set t$n up
done
for n in 1 2; do for i in $(seq 50); do grep -q survey: "$OUT/sim$n.txt" && break; sleep 0.1; done; done
unset CORVANE_TARGET CORVANE_REMOTE_PORT CORVANE_LOCAL_PORT CORVANE_LOCAL_ADDRESS CORVANE_SURVEY_PORT
"$CLI" discover ethernet --local all --json > "$OUT/all.json" 2> "$OUT/all.err"; echo $? > "$OUT/all.rc"
"$CLI" discover wlan --local all --csv > "$OUT/wlan.csv" 2>&1
kill $sim1 $sim2; wait
exit 0
)sh";

// Runs inside the tool's namespace: the simulator sits behind a router (a
// namespace of its own that forwards between two links), in another subnet.
// A broadcast stays on the tool's link; a search by address crosses.
const char* kAcrossRouterScript = R"sh(
set -u
[ "$(ip -o link | grep -vc ': lo:')" = 0 ] || exit 77   # not a fresh namespace
ip link set lo up
unshare -n sh -c '
  for i in $(seq 100); do ip link show r1 >/dev/null 2>&1 && ip link show r2 >/dev/null 2>&1 && break; sleep 0.05; done
  ip link set lo up
  echo 1 > /proc/sys/net/ipv4/ip_forward
  ip addr add 10.77.1.2/24 dev r1; ip link set r1 up
  ip addr add 10.77.2.1/24 dev r2; ip link set r2 up
  exec sleep 60' &
router=$!
unshare -n sh -c '
  for i in $(seq 100); do ip link show p2 >/dev/null 2>&1 && break; sleep 0.05; done
  ip link set lo up
  ip addr add 10.77.2.2/24 dev p2; ip link set p2 up
  ip route add default via 10.77.2.1
  exec "$SIM" --bind 0.0.0.0 --no-link' > "$OUT/sim.txt" 2>&1 &
sim=$!
for pid in $router $sim; do
  for i in $(seq 100); do
    [ "$(readlink /proc/$pid/ns/net)" != "$(readlink /proc/self/ns/net)" ] && break; sleep 0.05
  done
done
ip link add t1 type veth peer name r1
ip link set r1 netns $router
ip link add r2 type veth peer name p2
ip link set r2 netns $router
ip link set p2 netns $sim
ip addr add 10.77.1.1/24 dev t1
ip link set t1 up
ip route add 10.77.2.0/24 via 10.77.1.2
for i in $(seq 50); do grep -q survey: "$OUT/sim.txt" && break; sleep 0.1; done
unset CORVANE_TARGET CORVANE_REMOTE_PORT CORVANE_LOCAL_PORT CORVANE_LOCAL_ADDRESS CORVANE_SURVEY_PORT
"$CLI" discover ethernet --local 10.77.1.1 --json > "$OUT/broadcast.json"
"$CLI" discover ethernet --local 10.77.1.1 --target 10.77.2.1-3 --json > "$OUT/unicast.json"
"$CLI" lan-set ethernet --local 10.77.1.1 --target 10.77.2.1-3 --mac 00:11:62:0a:00:01 --port 9107 \
  --verify-delay 0 > "$OUT/set.txt" 2>&1
echo $? > "$OUT/set.rc"
kill $sim $router; wait
exit 0
)sh";

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `script` as root of a fresh network namespace, with the programs'
// paths and `out` (for the results) in its environment.
void RunInNamespace(const char* script, const QTemporaryDir& out) {
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SIM", CORVANE_SIM_BINARY);
    environment.insert("CLI", CORVANE_CLI_BINARY);
    environment.insert("OUT", out.path());
    shell.setProcessEnvironment(environment);
    shell.start("unshare", {"-n", "sh", "-c", script});
    ASSERT_TRUE(shell.waitForFinished(60000)) << "the namespace script did not end";
    ASSERT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
}

TEST(CliNetns, BroadcastDiscoveryAndSettingsOnDefaultPorts) {
    if (!NamespacesAvailable()) GTEST_SKIP() << "network namespaces are not available here (needs root and unshare -n)";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_NO_FATAL_FAILURE(RunInNamespace(kScript, out));

    EXPECT_EQ(Read(out.filePath("ethernet.rc")).trimmed(), "0");
    const QJsonArray ethernet = QJsonDocument::fromJson(Read(out.filePath("ethernet.json"))).array();
    ASSERT_EQ(ethernet.size(), 2) << Read(out.filePath("sim.txt")).toStdString();
    EXPECT_EQ(ethernet[0][QStringLiteral("mac")].toString(), "00:11:62:0a:00:01");

    EXPECT_EQ(Read(out.filePath("set.rc")).trimmed(), "0") << Read(out.filePath("set.txt")).toStdString();
    const QJsonArray again = QJsonDocument::fromJson(Read(out.filePath("again.json"))).array();
    ASSERT_EQ(again.size(), 2);
    EXPECT_EQ(again[1][QStringLiteral("port")].toInt(), 9107);

    EXPECT_EQ(Read(out.filePath("wlan.rc")).trimmed(), "0");
    EXPECT_EQ(QJsonDocument::fromJson(Read(out.filePath("wlan.json"))).array().size(), 3);
}

}  // namespace

namespace {

// The settings request leaves through the link the search used, not along
// the default route: the printer is reachable only there.
TEST(CliNetns, SettingsLeaveThroughTheSearchsLinkNotTheDefaultRoute) {
    if (!NamespacesAvailable()) GTEST_SKIP() << "network namespaces are not available here (needs root and unshare -n)";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_NO_FATAL_FAILURE(RunInNamespace(kTwoLinksScript, out));

    EXPECT_EQ(Read(out.filePath("set.rc")).trimmed(), "0")
        << Read(out.filePath("set.txt")).toStdString() << Read(out.filePath("sim.txt")).toStdString();
    const QJsonArray again = QJsonDocument::fromJson(Read(out.filePath("again.json"))).array();
    ASSERT_EQ(again.size(), 2);
    EXPECT_EQ(again[1][QStringLiteral("port")].toInt(), 9107);
}

}  // namespace

namespace {

// --local all: one search from every local address at once; a printer
// answering on two adapters is listed once per adapter.
TEST(CliNetns, AllAdaptersSearchTogether) {
    if (!NamespacesAvailable()) GTEST_SKIP() << "network namespaces are not available here (needs root and unshare -n)";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_NO_FATAL_FAILURE(RunInNamespace(kAllAdaptersScript, out));

    EXPECT_EQ(Read(out.filePath("all.rc")).trimmed(), "0") << Read(out.filePath("all.err")).toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(Read(out.filePath("all.json"))).array();
    ASSERT_EQ(rows.size(), 4) << Read(out.filePath("all.err")).toStdString();
    QStringList seen;
    for (const auto& row : rows) {
        seen << row[QStringLiteral("adapter")].toString() + QLatin1Char(' ') + row[QStringLiteral("mac")].toString();
    }
    EXPECT_EQ(seen, (QStringList{"10.77.1.1 t1 00:11:62:0a:00:01", "10.77.1.1 t1 00:11:62:0a:00:02",
                                 "10.77.2.1 t2 00:11:62:0a:00:01", "10.77.2.1 t2 00:11:62:0a:00:02"}));
    const QList<QByteArray> wlan = Read(out.filePath("wlan.csv")).split('\n');
    ASSERT_GE(wlan.size(), 7) << Read(out.filePath("wlan.csv")).toStdString();
    EXPECT_TRUE(wlan[6].contains(",10.77.2.1 t2,broadcast")) << wlan[6].toStdString();
}

}  // namespace

namespace {

// A printer behind a router: found by address, not by broadcast; its
// settings and the verification search go to the address it answered from.
TEST(CliNetns, PrinterBehindARouterIsFoundAndVerifiedByAddress) {
    if (!NamespacesAvailable()) GTEST_SKIP() << "network namespaces are not available here (needs root and unshare -n)";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_NO_FATAL_FAILURE(RunInNamespace(kAcrossRouterScript, out));

    EXPECT_TRUE(QJsonDocument::fromJson(Read(out.filePath("broadcast.json"))).array().isEmpty());
    const QJsonArray found = QJsonDocument::fromJson(Read(out.filePath("unicast.json"))).array();
    ASSERT_EQ(found.size(), 2) << Read(out.filePath("sim.txt")).toStdString();
    EXPECT_EQ(found[0][QStringLiteral("reached")].toString(), "unicast");
    EXPECT_EQ(found[0][QStringLiteral("answeredFrom")].toString(), "10.77.2.2");
    EXPECT_EQ(Read(out.filePath("set.rc")).trimmed(), "0") << Read(out.filePath("set.txt")).toStdString();
    EXPECT_TRUE(Read(out.filePath("set.txt")).contains("Verified: now at 192.168.0.101, port 9107"))
        << Read(out.filePath("set.txt")).toStdString();
}

}  // namespace
