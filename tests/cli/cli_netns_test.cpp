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

// Put before each script below; runs as root of the tool's fresh namespace.
// `peer NAME LINKS BODY` runs BODY in a namespace of its own (output in
// $OUT/NAME.txt, its pid in $NAME) once the LINKS moved there have arrived;
// `ready NAME` waits until the simulator there listens.
const char* kPrelude = R"sh(
set -u
[ "$(ip -o link | grep -vc ': lo:')" = 0 ] || exit 77   # not a fresh namespace
ip link set lo up
unset CORVANE_TARGET CORVANE_REMOTE_PORT CORVANE_LOCAL_PORT CORVANE_LOCAL_ADDRESS CORVANE_SURVEY_PORT
peer() {
  LINKS="$2" unshare -n sh -c 'for i in $(seq 100); do
      n=0; for l in $LINKS; do ip link show $l >/dev/null 2>&1 && n=$((n+1)); done
      [ $n = $(echo $LINKS | wc -w) ] && break; sleep 0.05; done
    ip link set lo up
    '"$3" > "$OUT/$1.txt" 2>&1 &
  eval "$1=$!"
  for i in $(seq 100); do [ "$(readlink /proc/$!/ns/net)" != "$(readlink /proc/self/ns/net)" ] && break; sleep 0.05; done
}
ready() { for i in $(seq 50); do grep -q survey: "$OUT/$1.txt" && break; sleep 0.1; done; }
)sh";

// Loopback with an address of its own and a default route through it, so a
// broadcast has somewhere to go and comes back to the simulator listening on
// every address.
const char* kLoopbackScript = R"sh(
ip addr add 10.200.0.1/24 dev lo
ip route add default dev lo
"$SIM" --bind 0.0.0.0 --no-link > "$OUT/sim.txt" 2>&1 &
sim=$!
ready sim
("$CLI" discover wlan --local 10.200.0.1 --json > "$OUT/wlan.json"; echo $? > "$OUT/wlan.rc") &
"$CLI" discover ethernet --json > "$OUT/ethernet.json"; echo $? > "$OUT/ethernet.rc"
"$CLI" lan-set ethernet --mac 00:11:62:0a:00:02 --port 9107 --verify-delay 0 > "$OUT/set.txt"; echo $? > "$OUT/set.rc"
kill $sim; wait
)sh";

// Two links to two namespaces, each with a simulator of its own (the same
// printers); the default route leads to the first only. The tool searches
// from both of its addresses at once, then changes a printer behind the
// second link: only what leaves through that link, chosen by its local
// address rather than by the route, reaches it.
const char* kTwoLinksScript = R"sh(
for n in 1 2; do
  peer sim$n p$n "ip addr add 10.77.$n.2/24 dev p$n; ip link set p$n up; exec \"\$SIM\" --bind 0.0.0.0 --no-link"
  eval ip link add t$n type veth peer name p$n netns \$sim$n
  ip addr add 10.77.$n.1/24 dev t$n
  ip link set t$n up
done
ip route add default via 10.77.1.2 dev t1
ready sim1; ready sim2
"$CLI" discover wlan --local all --csv > "$OUT/wlan.csv" 2>&1 &
"$CLI" discover ethernet --local all --json > "$OUT/all.json" 2> "$OUT/all.err"; echo $? > "$OUT/all.rc"
wait $!
"$CLI" lan-set ethernet --local 10.77.2.1 --mac 00:11:62:0a:00:02 --port 9107 --verify-delay 0 \
  > "$OUT/set.txt" 2>&1
echo $? > "$OUT/set.rc"
kill $sim1 $sim2; wait
)sh";

// One link carrying two addresses: 10.77.2.1/23 (the interface's first) and
// the alias 10.77.9.1/24. The printers' side first has only an address in
// the alias's subnet, so only a request sent from the alias can be answered;
// then it joins the /23 too, whose broadcast address is 10.77.3.255 (not
// 10.77.2.255, a host there).
const char* kAliasScript = R"sh(
peer sim p1 "ip addr add 10.77.9.2/24 dev p1; ip link set p1 up; exec \"\$SIM\" --bind 0.0.0.0 --no-link"
ip link add t1 type veth peer name p1 netns $sim
ip addr add 10.77.2.1/23 dev t1
ip addr add 10.77.9.1/24 dev t1
ip link set t1 up
ready sim
"$CLI" discover ethernet --local 10.77.9.1 --json > "$OUT/alias.json" 2>&1
"$CLI" discover ethernet --local all --json > "$OUT/all.json" 2>&1
nsenter -t $sim -n ip addr add 10.77.3.200/23 dev p1
"$CLI" discover wlan --local 10.77.2.1 --json > "$OUT/wide.json" 2>&1
kill $sim; wait
)sh";

class CliNetns : public ::testing::Test {
protected:
    void SetUp() override {
        if (!NamespacesAvailable())
            GTEST_SKIP() << "network namespaces are not available here (needs root and unshare -n)";
        ASSERT_TRUE(out.isValid());
    }
    // Runs the prelude and `script` as root of a fresh network namespace, with
    // the programs' paths and the results folder in its environment.
    void run(const char* script) {
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("SIM", CORVANE_SIM_BINARY);
        environment.insert("CLI", CORVANE_CLI_BINARY);
        environment.insert("OUT", out.path());
        shell.setProcessEnvironment(environment);
        shell.start("unshare",
                    {"-n", "sh", "-c", QString::fromLatin1(kPrelude) + QString::fromLatin1(script) + "\nexit 0\n"});
        ASSERT_TRUE(shell.waitForFinished(60000)) << "the namespace script did not end";
        ASSERT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    }
    QByteArray read(const char* name) const {
        QFile file(out.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QJsonArray rows(const char* name) const { return QJsonDocument::fromJson(read(name)).array(); }
    QTemporaryDir out;
};

TEST_F(CliNetns, BroadcastDiscoveryAndSettingsOnDefaultPorts) {
    ASSERT_NO_FATAL_FAILURE(run(kLoopbackScript));
    EXPECT_EQ(read("ethernet.rc").trimmed(), "0");
    ASSERT_EQ(rows("ethernet.json").size(), 2) << read("sim.txt").toStdString();
    EXPECT_EQ(rows("ethernet.json").at(0)["mac"].toString(), "00:11:62:0a:00:01");
    EXPECT_EQ(read("set.rc").trimmed(), "0") << read("set.txt").toStdString();
    EXPECT_TRUE(read("set.txt").endsWith("Verified: now at 192.168.0.102, port 9107\n"))
        << read("set.txt").toStdString();
    EXPECT_EQ(read("wlan.rc").trimmed(), "0");
    EXPECT_EQ(rows("wlan.json").size(), 3);
}

// --local all: one search from every local address at once; a printer
// answering on two adapters is listed once per adapter. The settings request
// leaves through the link the search used, not along the default route.
TEST_F(CliNetns, AllAdaptersSearchTogetherAndSettingsLeaveThroughTheSearchsLink) {
    ASSERT_NO_FATAL_FAILURE(run(kTwoLinksScript));
    EXPECT_EQ(read("all.rc").trimmed(), "0") << read("all.err").toStdString();
    QStringList seen;
    for (const QJsonValue row : rows("all.json")) seen << row["adapter"].toString() + ' ' + row["mac"].toString();
    EXPECT_EQ(seen, (QStringList{"10.77.1.1 t1 00:11:62:0a:00:01", "10.77.1.1 t1 00:11:62:0a:00:02",
                                 "10.77.2.1 t2 00:11:62:0a:00:01", "10.77.2.1 t2 00:11:62:0a:00:02"}))
        << read("all.err").toStdString();
    const QList<QByteArray> wlan = read("wlan.csv").split('\n');
    ASSERT_GE(wlan.size(), 7) << read("wlan.csv").toStdString();
    EXPECT_TRUE(wlan[6].contains(",10.77.2.1 t2,broadcast")) << wlan[6].toStdString();

    EXPECT_EQ(read("set.rc").trimmed(), "0") << read("set.txt").toStdString() << read("sim2.txt").toStdString();
    EXPECT_TRUE(read("set.txt").endsWith("Verified: now at 192.168.0.102, port 9107\n"))
        << read("set.txt").toStdString();
}

// A request leaves from the address chosen, also when it is the second
// address of its interface, and a search from every address lists each
// answer under the address it was sent to only. The WLAN request goes to the
// subnet's own broadcast address.
TEST_F(CliNetns, TwoAddressesOnOneLinkEachSendsAsItself) {
    ASSERT_NO_FATAL_FAILURE(run(kAliasScript));
    EXPECT_EQ(rows("alias.json").size(), 2) << read("alias.json").toStdString();
    QStringList seen;
    for (const QJsonValue row : rows("all.json")) seen << row["adapter"].toString() + ' ' + row["mac"].toString();
    EXPECT_EQ(seen, (QStringList{"10.77.9.1 t1 00:11:62:0a:00:01", "10.77.9.1 t1 00:11:62:0a:00:02"}))
        << read("all.json").toStdString();
    EXPECT_EQ(rows("wide.json").size(), 3) << read("wide.json").toStdString();
}

}  // namespace
