// The printers sheet: what a row puts into a printer's record, and the
// sheets refused with the line that is wrong.
#include "provision/printer_sheet.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::provision;

TEST(PrinterSheet, RowsBecomeRecordValuesAndRefusedSheetsNameTheLine) {
    const QByteArray sheet =
        "\xEF\xBB\xBFMAC,Name,ip,mask,gateway,port,user,password\r\n"
        "00:11:62:0a:00:01,\"Shop, 12\",192.168.0.112,255.255.0.0,192.168.0.1,9101,clerk, p w \r\n"
        "\n"
        "00-11-62-0A-00-02,,,,,,,\r\n";
    QString error;
    const auto parsed = parsePrinterSheet(sheet, &error);
    ASSERT_TRUE(parsed) << error.toStdString();
    ASSERT_EQ(parsed->rows.size(), 2u);

    link::PrinterConfig base;
    base.printerName = "ZEPHRAN-TP80W";
    base.ipAssignment = 1;
    base.ipAddress = {10, 0, 0, 1};
    base.printerPort = 9100;
    const auto first = withPrinterValues(base, parsed->rows.at({0x00, 0x11, 0x62, 0x0A, 0x00, 0x01}));
    EXPECT_EQ(first.printerName, "Shop, 12");
    EXPECT_EQ(first.ipAssignment, 0);  // a fixed address turns DHCP off
    EXPECT_EQ(first.ipAddress, link::Ipv4Address(192, 168, 0, 112));
    EXPECT_EQ(first.subnetMask, link::Ipv4Address(255, 255, 0, 0));
    EXPECT_EQ(first.gateway, link::Ipv4Address(192, 168, 0, 1));
    EXPECT_EQ(first.printerPort, 9101);
    EXPECT_EQ(first.userId, "clerk");
    EXPECT_EQ(first.userPassword, " p w ");  // a password is kept as written
    // Blank cells keep every value.
    EXPECT_EQ(withPrinterValues(base, parsed->rows.at({0x00, 0x11, 0x62, 0x0A, 0x00, 0x02})), base);

    // A refused sheet names the line that is wrong.
    const struct {
        const char* sheet;
        const char* error;
    } cases[] = {
        {"", "no header row"},
        {"name,ip\nShop,10.0.0.1\n", "line 1: no \"mac\" column"},
        {"mac,colour\n", "line 1: unknown column \"colour\""},
        {"mac,ip,IP\n", "line 1: column \"ip\" appears twice"},
        {"mac,name\n00:11:62:0A:00:01\n", "line 2: 1 cells where the header names 2"},
        {"mac,name\n00:11:62:0A:00:01,\"Shop\n", "line 2: a quote is not closed"},
        {"mac,name\n00:11:62:0A:00:0G,Shop\n", "line 2: \"00:11:62:0A:00:0G\" is not a MAC address"},
        {"mac,ip\n00:11:62:0A:00:01,10.0.0\n", "line 2: ip: \"10.0.0\" is not an IPv4 address"},
        {"mac,gateway\n00:11:62:0A:00:01,0x0A.0.0.1\n", "line 2: gateway: \"0x0A.0.0.1\" is not an IPv4 address"},
        {"mac,port\n00:11:62:0A:00:01,65536\n", "line 2: \"65536\" is not a port"},
        {"name,mac\nShop,\n", "line 2: no MAC address"},
        {"mac\n00:11:62:0A:00:01\n\n00-11-62-0a-00-01\n", "line 4: 00:11:62:0A:00:01 appears twice"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(parsePrinterSheet(c.sheet, &error)) << c.sheet;
        EXPECT_EQ(error, QString::fromLatin1(c.error)) << c.sheet;
    }
}
