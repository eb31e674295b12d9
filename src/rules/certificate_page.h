// Tab 5, "Certification": the certificate chosen for upload, the type it goes
// up as, and the enabling of the page's controls.
#pragma once

#include <filesystem>

#include "rules/control_state.h"
#include "link/bytes.h"
#include "link/exchange/certificate_upload.h"

namespace corvane::rules {

enum class CertificateControl : int {
    CaRadio = 1066,
    ClientKeyRadio = 1067,
    ClientPemRadio = 1068,
    Progress = 1069,
    UploadButton = 1070,
    OpenButton = 1071,
    PathEdit = 1072,
};

class CertificatePage {
public:
    void enableControls(bool on);

    // Reads and checks the file at `path`; the message says how that went.
    // Only an accepted file can be uploaded.
    StringId openFile(const std::filesystem::path& path);
    // The file choice was cancelled: nothing shown, nothing to upload.
    void clearFile();
    // Another type clears the path shown but keeps an accepted file, which
    // then goes up under the new type.
    void selectType(int type);

    // Why an upload cannot start, if it cannot.
    MaybeNotice checkUpload(bool connected) const;

    const std::filesystem::path& path() const { return path_; }
    const Bytes& data() const { return data_; }
    int type() const { return type_; }
    bool valid() const { return valid_; }
    const ControlStates<CertificateControl>& controls() const { return controls_; }

private:
    ControlStates<CertificateControl> controls_;
    Bytes data_;
    bool valid_ = false;
    int type_ = link::kCertificateCa;
    std::filesystem::path path_;
};

}  // namespace corvane::rules
