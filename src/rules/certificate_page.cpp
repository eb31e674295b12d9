#include "rules/certificate_page.h"

#include <utility>

#include "link/exchange/certificate_file.h"

namespace corvane::rules {

void CertificatePage::enableControls(bool on) {
    for (auto c : {CertificateControl::CaRadio, CertificateControl::ClientKeyRadio, CertificateControl::ClientPemRadio,
                   CertificateControl::OpenButton, CertificateControl::PathEdit, CertificateControl::UploadButton})
        controls_.enable(c, on);
}

StringId CertificatePage::openFile(const std::filesystem::path& path) {
    // Every outcome names the file it is about, so the path shown is always
    // that of the file the message speaks of.
    path_ = path;
    auto file = link::OpenCertificateFile(path);
    valid_ = file.outcome == link::CertificateFileOutcome::Accepted;
    data_ = valid_ ? std::move(file.data) : Bytes{};
    return link::CertificateFileMessage(file.outcome);
}

void CertificatePage::clearFile() {
    valid_ = false;
    path_.clear();
}

void CertificatePage::selectType(int type) {
    type_ = type;
    path_.clear();
}

MaybeNotice CertificatePage::checkUpload(bool connected) const {
    if (!connected) return PageNotice(Tab::Certificate, kConnectFailed, 0);
    if (!valid_) return PageNotice(Tab::Certificate, kNoCertificateSelected, 0);
    return std::nullopt;
}

}  // namespace corvane::rules
