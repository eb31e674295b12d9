// Tab 5, "Certification": choose a certificate file, have it checked and
// upload it to the printer over the direct link.
#pragma once

#include <functional>
#include <memory>

#include <QStringList>

#include "link/exchange/delivery.h"
#include "rules/certificate_page.h"
#include "direct/ui/config_page.h"
#include "direct/ui/link_access.h"

namespace Ui {
class CertificatePage;
}

namespace corvane::direct {

// Asks the user for files; the last one chosen is taken. Empty: cancelled.
using FileChooser = std::function<QStringList(QWidget* parent)>;
// The platform's file-open dialog, several files allowed.
QStringList chooseFilesWithDialog(QWidget* parent);

class CertificatePage : public ConfigPage {
    Q_OBJECT
public:
    CertificatePage(rules::CertificatePage& model, LinkAccess& link, FileChooser chooser, QWidget* parent = nullptr);
    ~CertificatePage() override;

    void render() override;
    QWidget* controlWidget(int id) const override;

    // Handlers of "Open file", the three type radios (1 CA, 2 Client Key,
    // 3 Client PEM) and "File Upload".
    void openCertificateFile();
    void selectCertificateType(int type);
    void onFileUpload();

private:
    void showPath();
    // The messages once an upload ended and its history line was written.
    void showUploadResult(const link::Result<void>& uploaded, link::Delivery delivery, const QString& notRecorded);

    rules::CertificatePage& model_;
    LinkAccess& link_;
    FileChooser chooser_;
    std::unique_ptr<Ui::CertificatePage> ui_;
};

}  // namespace corvane::direct
