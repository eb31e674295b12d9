// Survey answers as received over TCP or decoded from the link.
#include "bss.h"
#include "bss_invariants.h"
#include "framing.h"
#include "fuzz_check.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteSpan message = fuzz::Input(data, size);
    BssTable table = fuzz::StaleTable();
    const bool accepted = ParseBssResponse(message, table);
    FUZZ_CHECK(accepted == link::VerifyIfMessage(message, link::tag::kBssRsp));
    if (!accepted) FUZZ_CHECK(fuzz::IsCleared(table));
    if (accepted && size <= 25) FUZZ_CHECK(fuzz::IsCleared(table));
    fuzz::CheckTable(table);
    return 0;
}
