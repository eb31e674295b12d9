// Writes the seed corpora of the fuzz targets from valid messages built with
// the tool's own core: the worked examples (SYS_REQ, the 152-byte SYS_RSP
// frame, IF__CUR frames of 1252 and 1276 bytes, BSS_RSP), discovery and
// settings answers, maker-name replies and certificate files.
//
//   corvane-fuzz-seeds <corpus folder>
// creates one sub-folder per target and one file per seed.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "bss.h"
#include "discovered_device.h"
#include "exchange/printer_replies.h"
#include "support/sample_records.h"

using namespace corvane;
using namespace corvane::link;
namespace fs = std::filesystem;

namespace {

fs::path gRoot;

void Seed(std::string_view target, std::string_view name, const Bytes& bytes) {
    const fs::path dir = gRoot / target;
    fs::create_directories(dir);
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

using corvane::link::testing::Tagged;

// The shared sample printer in Wi-Fi Direct mode, so every field is filled.
PrinterConfig SampleConfig() {
    PrinterConfig c = corvane::test::SampleRecord();
    c.networkMode = 2;
    c.eapMode = 5;
    c.p2pConnMode = 2;
    return c;
}

Bytes SystemRecord() { return SerializeSystemInfo(corvane::test::SampleInfo()); }

Bytes SurveyBody() {
    Bytes body;
    auto record = [&body](std::string_view ssid, std::array<std::uint8_t, 6> bssid, std::uint8_t mode,
                          std::uint8_t rssiHigh, std::uint8_t rssiLow, std::uint8_t security) {
        body.push_back(0x00);
        body.push_back(static_cast<std::uint8_t>(ssid.size()));
        body.insert(body.end(), ssid.begin(), ssid.end());
        body.push_back(0x01);
        body.push_back(6);
        body.insert(body.end(), bssid.begin(), bssid.end());
        body.insert(body.end(), {mode, rssiHigh, rssiLow, security});
    };
    record("shopfloor", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, 0, 0xFF, 0xC4, 0x0C);
    record("", {0x02, 0x00, 0x00, 0x00, 0x00, 0x01}, 1, 0xFF, 0xB0, 0x00);
    record(std::string(30, 'w'), {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}, 0, 0x00, 0x10, 0x3F);
    return body;
}

// FuzzedDataProvider forms: strings are read from the front up to a
// backslash followed by another character; numbers from the back.
Bytes ProviderString(std::string_view text) {
    Bytes out;
    for (const char c : text) {
        out.push_back(static_cast<std::uint8_t>(c));
        if (c == '\\') out.push_back('\\');
    }
    out.push_back('\\');
    out.push_back('n');
    return out;
}

Bytes Pem(std::size_t size) {
    std::string text = "-----BEGIN CERTIFICATE-----\n";
    const std::string tail = "-----END CERTIFICATE-----\n";
    while (text.size() + tail.size() < size) text += text.size() % 65 == 64 ? '\n' : 'A';
    return ToBytes(text + tail);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    gRoot = argv[1];

    const Bytes sysReq = BuildTagOnlyMessage(tag::kSysReq);
    const Bytes ifGet = BuildTagOnlyMessage(tag::kIfGet);
    const Bytes sysRsp = Tagged(tag::kSysRsp, SystemRecord());
    const PrinterConfig config = SampleConfig();
    const Bytes newerRecord = SerializeConfig(config, ConfigLayout::Newer);
    const Bytes olderRecord = SerializeConfig(config, ConfigLayout::Older);
    const Bytes curNewer = Tagged(tag::kIfCur, newerRecord);
    const Bytes curOlder = Tagged(tag::kIfCur, olderRecord);
    const Bytes ifSuc = BuildTagOnlyMessage(tag::kIfSuc);
    const Bytes bssRsp = Tagged(tag::kBssRsp, SurveyBody());
    const Bytes bssEmpty = BuildTagOnlyMessage(tag::kBssRsp);

    // Frames as the link carries them.
    const Bytes sysReqFrame = EncodeFrame(sysReq);      // 44 bytes, text ends "-e/a"
    const Bytes sysRspFrame = EncodeFrame(sysRsp);      // 152 bytes
    const Bytes curOlderFrame = EncodeFrame(curOlder);  // 1252 bytes
    const Bytes curNewerFrame = EncodeFrame(curNewer);  // 1276 bytes
    Bytes lowercaseFrame = sysReqFrame;                 // "de" "fa" instead of "-e" "/a"
    lowercaseFrame[39] = 'd';
    lowercaseFrame[41] = 'f';

    Seed("frame_text", "sys_req_frame", sysReqFrame);
    Seed("frame_text", "if_get_frame", EncodeFrame(ifGet));
    Seed("frame_text", "sys_rsp_frame", sysRspFrame);
    Seed("frame_text", "if_cur_older_frame", curOlderFrame);
    Seed("frame_text", "bss_rsp_frame", EncodeFrame(bssRsp));
    Seed("frame_text", "lowercase_pairs", lowercaseFrame);
    Seed("frame_text", "header_only", {0x1F, 0x57, 0x4D});

    for (const auto& [name, message] : std::vector<std::pair<std::string, Bytes>>{{"sys_req", sysReq},
                                                                                  {"if_get", ifGet},
                                                                                  {"sys_rsp", sysRsp},
                                                                                  {"if_cur_newer", curNewer},
                                                                                  {"if_suc", ifSuc},
                                                                                  {"bss_rsp", bssRsp},
                                                                                  {"bss_req", BuildBssRequest()}})
        Seed("if_message", name, message);

    Seed("system_info", "sys_rsp", sysRsp);
    Seed("system_info", "sys_rsp_72", Bytes(sysRsp.begin(), sysRsp.begin() + 72));

    Seed("config_message", "if_cur_newer", curNewer);
    Seed("config_message", "if_cur_older", curOlder);
    Seed("config_message", "if_cur_empty", BuildTagOnlyMessage(tag::kIfCur));

    Seed("config_reply", "if_cur_older_1252", curOlderFrame);
    Seed("config_reply", "if_cur_newer_1276", curNewerFrame);

    Seed("config_record", "newer", newerRecord);
    Seed("config_record", "older", olderRecord);
    Seed("config_record", "full_width_texts", Bytes(kNewerConfigSize, 'x'));

    // Discovery answers: a full "IMIN" answer (31 bytes), the shortest one
    // stored (5 bytes), a full WLAN answer (47 bytes) and a bare WLAN tag.
    Bytes record(29);
    for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<std::uint8_t>(0x10 + i);
    Seed("discovery_answer", "imin_31", Join({ToBytes(lan::kFindAnswer), Bytes(record.begin(), record.begin() + 27)}));
    Seed("discovery_answer", "imin_5", Join({ToBytes(lan::kFindAnswer), Bytes{0x00}}));
    Seed("discovery_answer", "reg_rsp_47", Join({ToBytes(lan::kRegisterAnswer), record}));
    Seed("discovery_answer", "reg_rsp_18", ToBytes(lan::kRegisterAnswer));

    Seed("settings_answer", "setc", ToBytes("SETC\x01"));
    Seed("settings_answer", "set_rsp", Join({ToBytes(lan::kWlanSetConfirm), Bytes{0x00}}));

    Seed("bss_response", "bss_rsp", bssRsp);
    Seed("bss_response", "bss_rsp_empty", bssEmpty);
    Seed("bss_response", "bss_rsp_no_bssid",
         Tagged(tag::kBssRsp, Bytes{0x00, 0x02, 'a', 'b', 0x00, 0xFF, 0xC4, 0x04, 0, 0, 0, 0, 0, 0}));

    // Structure-aware seeds: the reader byte, then the body.
    Seed("checksummed", "system", Join({Bytes{0}, SystemRecord()}));
    Seed("checksummed", "config_older", Join({Bytes{1}, olderRecord}));
    Seed("checksummed", "config_newer", Join({Bytes{2}, newerRecord}));
    Seed("checksummed", "survey", Join({Bytes{3}, SurveyBody()}));
    Seed("checksummed", "survey_link", Join({Bytes{4}, SurveyBody()}));
    Seed("checksummed", "save_answer", Bytes{5});
    Seed("checksummed", "own_tag", Join({Bytes{0x83}, ToBytes(tag::kBssReq), SurveyBody()}));

    // Maker-name replies: replies are strings, the choice read / fail is a
    // byte from the back (even: a reply).
    Seed("vendor_name", "zephran", Join({ProviderString("_ZEPHRAN"), Bytes{0x00}}));
    Seed("vendor_name", "status_first",
         Join({ProviderString("\x12"), ProviderString(std::string("_ZEPHRAN\0", 9)), Bytes{0x00, 0x00, 0x01, 0x01}}));
    Seed("vendor_name", "other_maker", Join({ProviderString("_ACME"), Bytes{0x00}}));

    // Certificate upload of 1200 bytes of type 2: "STRT", then three chunks
    // acknowledged. Numbers come from the back, in reverse order of use.
    {
        std::vector<std::uint8_t> fromBack{2};  // certificate type 2
        auto answer = [&fromBack](std::uint8_t kind, std::uint8_t length) {
            fromBack.insert(fromBack.end(), {1, kind, length});
        };
        answer(0, 7);                               // "STRT"
        for (int i = 0; i < 3; ++i) answer(1, 21);  // IF__SUC
        const Bytes pem = Pem(1200);
        Bytes seed = ProviderString(std::string(pem.begin(), pem.end()));
        seed.insert(seed.end(), fromBack.rbegin(), fromBack.rend());
        Seed("certificate_upload", "type2_1200", seed);
    }

    Seed("certificate_file", "pem_small", Pem(200));
    Seed("certificate_file", "pem_3071", Pem(3071));
    Seed("certificate_file", "no_end", ToBytes("-----BEGIN CERTIFICATE-----\nAAAA\n"));
    Seed("certificate_file", "leading_blank", ToBytes(" -----BEGIN CERTIFICATE-----\n-----END CERTIFICATE-----\n"));

    Seed("roundtrip", "config_bytes", newerRecord);
    Seed("roundtrip", "sys_rsp", sysRsp);
    return 0;
}
