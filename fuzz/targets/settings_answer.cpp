// Datagrams arriving while a LAN settings request waits for its confirmation.
#include "discovered_device.h"
#include "fuzz_check.h"

using namespace corvane;
using namespace corvane::lan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteSpan datagram = fuzz::Input(data, size);

    const auto ethernet = ClassifySettingsAnswer(ListMode::Ethernet, datagram);
    const bool setc = fuzz::StartsWith(datagram, kSettingsConfirm);
    FUZZ_CHECK(ethernet.has_value() == (size >= 5 && setc));
    if (ethernet) FUZZ_CHECK(*ethernet == 41);

    const auto wlan = ClassifySettingsAnswer(ListMode::Wlan, datagram);
    const bool tagged = fuzz::StartsWith(datagram, kWlanSetConfirm);
    FUZZ_CHECK(wlan.has_value() == (size >= 19 && (setc || tagged)));
    if (wlan) FUZZ_CHECK(*wlan == (setc ? 41 : 43));
    return 0;
}
