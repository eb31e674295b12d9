#include "link/string_table.h"

#include <algorithm>

// lupdate collects the texts below through this marker; the core itself does
// not depend on Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace corvane {
namespace {

constexpr StringEntry kStrings[] = {
    {1, QT_TRANSLATE_NOOP("StringTable", "The BSS information has been imported successfully.")},
    {2, QT_TRANSLATE_NOOP(
            "StringTable",
            "Failed to import the BSS information.\nPlease check the IP address or port number to connect to.")},
    {4, QT_TRANSLATE_NOOP("StringTable", "Failed to connect to the printer.")},
    {5, QT_TRANSLATE_NOOP("StringTable",
                          "WEP Key is invalid.\nWEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.")},
    {7, QT_TRANSLATE_NOOP("StringTable", "The configuration has been completed.\nReset the printer.")},
    {8, QT_TRANSLATE_NOOP("StringTable", "The configuration has failed.")},
    {9, QT_TRANSLATE_NOOP("StringTable", "Unable to open the port.")},
    {10, QT_TRANSLATE_NOOP("StringTable", "The User ID is incorrect.\nPlease try again.")},
    {11, QT_TRANSLATE_NOOP("StringTable", "The Password is incorrect.\nPlease try again.")},
    {12, QT_TRANSLATE_NOOP("StringTable", "The system name is incorrect.\nPlease try again.")},
    {13, QT_TRANSLATE_NOOP("StringTable", "The port number is incorrect.\nPlease try again.")},
    {15, QT_TRANSLATE_NOOP("StringTable", "The community name is incorrect.\nPlease try again.")},
    {16, QT_TRANSLATE_NOOP("StringTable", "The trap community is incorrect.\nPlease try again.")},
    {17, QT_TRANSLATE_NOOP("StringTable", "The Adhoc channel is incorrect.\nPlease try again.")},
    {18, QT_TRANSLATE_NOOP("StringTable", "The SSID is incorrect.\nPlease try again.")},
    {19, QT_TRANSLATE_NOOP("StringTable", "The PSK key is incorrect.\nPlease try again.")},
    {20, QT_TRANSLATE_NOOP("StringTable", "The certificate ID is incorrect.\nPlease try again.")},
    {21, QT_TRANSLATE_NOOP("StringTable", "The certificate password is incorrect.\nPlease try again.")},
    {22, QT_TRANSLATE_NOOP("StringTable", "The printer has been connected successfully.")},
    {23,
     QT_TRANSLATE_NOOP("StringTable", "The certificate document has been uploaded successfully.\nReset the printer.")},
    {24, QT_TRANSLATE_NOOP("StringTable", "Failed to upload the certificate document.\nReset the printer.")},
    {26, QT_TRANSLATE_NOOP("StringTable", "The maximum size of a certificate file is 3KB.")},
    {27, QT_TRANSLATE_NOOP("StringTable", "The certificate file is selected.")},
    {28, QT_TRANSLATE_NOOP("StringTable", "The certificate file is invalid.")},
    {29, QT_TRANSLATE_NOOP("StringTable", "No certificate file is selected or the selected file is invalid.")},
    {30, QT_TRANSLATE_NOOP(
             "StringTable",
             "The Adhoc mode is not available.\nAuthentication is allowed in either Open System or Shared Key.")},
    {32, QT_TRANSLATE_NOOP("StringTable", "Failed to read the certificate file.")},
    {33, QT_TRANSLATE_NOOP("StringTable", "Please select a device in the list.")},
    {34, QT_TRANSLATE_NOOP("StringTable", "Please search for a device again.")},
    {35, QT_TRANSLATE_NOOP("StringTable", "Error: Failed to read the list of information.")},
    {36, QT_TRANSLATE_NOOP("StringTable", "Please check the IP address or port number.")},
    {37, QT_TRANSLATE_NOOP("StringTable", "The specified port is not available.\nPlease enter a port number again.")},
    {39, QT_TRANSLATE_NOOP("StringTable", "The IP address cannot be used.\nPlease enter an IP address again.")},
    {41, QT_TRANSLATE_NOOP(
             "StringTable",
             "The configuration has been completed.\nPlease search for devices again if the list is not refreshed.")},
    {43,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "The WLAN configuration has been completed.\nPlease search for devices again if the list is not refreshed.")},
    {44, QT_TRANSLATE_NOOP("StringTable", "Unable to configure the port.\nPlease enter a port number again.(0~32767)")},
    {45, QT_TRANSLATE_NOOP("StringTable", "Unable to save the configuration.\nPlease configure again.")},
    {47, QT_TRANSLATE_NOOP("StringTable", "The time has not been set.\nPlease enter time again.")},
    {48, QT_TRANSLATE_NOOP("StringTable",
                           "The channel number has not been set.\nPlease enter a channel number again.(0~14)")},
    {49, QT_TRANSLATE_NOOP("StringTable", "Network is in Adhoc mode.\nYou must assign IP address manually.")},
    {51, QT_TRANSLATE_NOOP("StringTable", "Unable to connect to the USB device.")},
    {52, QT_TRANSLATE_NOOP("StringTable", "Corvane Tool")},
    {53, QT_TRANSLATE_NOOP("StringTable", "Now Searching")},
    {54, QT_TRANSLATE_NOOP("StringTable", "System & Information")},
    {55, QT_TRANSLATE_NOOP("StringTable", "BSS Information")},
    {56, QT_TRANSLATE_NOOP("StringTable", "Authentication")},
    {57, QT_TRANSLATE_NOOP("StringTable", "Protocol")},
    {58, QT_TRANSLATE_NOOP("StringTable", "Network")},
    {59, QT_TRANSLATE_NOOP("StringTable", "Certification")},
    {60, QT_TRANSLATE_NOOP("StringTable", "Open System")},
    {61, QT_TRANSLATE_NOOP("StringTable", "Shared Key")},
    {62, QT_TRANSLATE_NOOP("StringTable", "NONE")},
    {63, QT_TRANSLATE_NOOP("StringTable", "Infra Network")},
    {64, QT_TRANSLATE_NOOP("StringTable", "Adhoc")},
    {65, QT_TRANSLATE_NOOP("StringTable", "Manual allocation")},
    {66, QT_TRANSLATE_NOOP("StringTable", "Automatic Allocation(DHCP)")},
    {67, QT_TRANSLATE_NOOP("StringTable", "Disable")},
    {68, QT_TRANSLATE_NOOP("StringTable", "Enable")},
    {69, QT_TRANSLATE_NOOP("StringTable", "WPA-PSK")},
    {70, QT_TRANSLATE_NOOP("StringTable", "WPA2-PSK")},
    {71, QT_TRANSLATE_NOOP("StringTable", "WPA")},
    {72, QT_TRANSLATE_NOOP("StringTable", "WPA2")},
    {73, QT_TRANSLATE_NOOP("StringTable", "WEP64")},
    {74, QT_TRANSLATE_NOOP("StringTable", "WEP128")},
    {75, QT_TRANSLATE_NOOP("StringTable", "TKIP")},
    {76, QT_TRANSLATE_NOOP("StringTable", "AES")},
    {77, QT_TRANSLATE_NOOP("StringTable", "AES + TKIP")},
    {78, QT_TRANSLATE_NOOP("StringTable", "EAP-PEAP")},
    {79, QT_TRANSLATE_NOOP("StringTable", "EAP-TTLS")},
    {80, QT_TRANSLATE_NOOP("StringTable", "EAP-TLS")},
    {81, QT_TRANSLATE_NOOP("StringTable", "EAP-LEAP")},
    {82, QT_TRANSLATE_NOOP("StringTable", "EAP-FAST")},
    {83, QT_TRANSLATE_NOOP("StringTable", "Authentication Password")},
    {84, QT_TRANSLATE_NOOP("StringTable", "Certification Password")},
    {85, QT_TRANSLATE_NOOP("StringTable", "Incorrect PIN. Please re-enter your PIN Code.")},
    {86, QT_TRANSLATE_NOOP("StringTable", "Currently no network connection is found. Check the network connection.")},
    {120, QT_TRANSLATE_NOOP(
              "StringTable",
              "The text is too long for the printer.\nPlease shorten it (some characters take more than one byte).")},
    {121, QT_TRANSLATE_NOOP(
              "StringTable",
              "The PSK key is incorrect.\nIt must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.")},
    {122,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "This setting cannot be chosen together with the other settings.\nPlease check the settings and try again.")},
    {125, QT_TRANSLATE_NOOP("StringTable",
                            "The subnet mask is not valid: its ones must all come before its zeros.\nPlease enter "
                            "the subnet mask again.")},
    {130, QT_TRANSLATE_NOOP("StringTable", "The search could not start.\n%1")},
    {131, QT_TRANSLATE_NOOP("StringTable", "The settings could not be sent.\n%1")},
    {132, QT_TRANSLATE_NOOP("StringTable", "The local address %1 cannot be used.")},
    {133, QT_TRANSLATE_NOOP("StringTable", "The local UDP port %1 cannot be used.")},
    {134, QT_TRANSLATE_NOOP("StringTable", "The request could not leave this computer: %1")},
    {135, QT_TRANSLATE_NOOP("StringTable",
                            "No web browser could be opened.\nPlease open this address in a web browser:\n%1")},
    {136,
     QT_TRANSLATE_NOOP("StringTable", "The printer has no IP address configured.\nIts web page cannot be opened.")},
    {137, QT_TRANSLATE_NOOP("StringTable", "This printer does not offer Setting (feature code %1).")},
    {138, QT_TRANSLATE_NOOP("StringTable", "UDP port %1 is in use by another program.")},
    {139, QT_TRANSLATE_NOOP("StringTable", "The requests cannot be kept to interface %1: %2")},
    {140, QT_TRANSLATE_NOOP("StringTable", "Discard the changes made since Connect?")},
};

}  // namespace

std::string_view StringText(int id) {
    const auto* it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                      [](const StringEntry& e, int wanted) { return e.id < wanted; });
    if (it == std::end(kStrings) || it->id != id) return {};
    return it->text;
}

const StringEntry* StringTableBegin() { return std::begin(kStrings); }
const StringEntry* StringTableEnd() { return std::end(kStrings); }

}  // namespace corvane
