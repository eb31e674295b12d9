#include "direct/ui/certificate_page.h"

#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>

#include "link/string_table.h"
#include "direct/ui/control_sync.h"
#include "direct/ui/link_wait.h"
#include "ui_certificate_page.h"
#include "widgets/messages.h"
#include "widgets/translation.h"

namespace corvane::direct {

using rules::CertificateControl;

QStringList chooseFilesWithDialog(QWidget* parent) {
    return QFileDialog::getOpenFileNames(
        parent, QString(), QString(),
        QCoreApplication::translate("CertificatePage", "Original Certificate Format (*)"));
}

CertificatePage::CertificatePage(rules::CertificatePage& model, LinkAccess& link, FileChooser chooser, QWidget* parent)
    : ConfigPage(parent),
      model_(model),
      link_(link),
      chooser_(chooser ? std::move(chooser) : FileChooser(chooseFilesWithDialog)),
      ui_(std::make_unique<Ui::CertificatePage>()) {
    ui_->setupUi(this);
    connect(ui_->caRadio, &QRadioButton::clicked, this, [this] { selectCertificateType(link::kCertificateCa); });
    connect(ui_->clientKeyRadio, &QRadioButton::clicked, this,
            [this] { selectCertificateType(link::kCertificateClientKey); });
    connect(ui_->clientPemRadio, &QRadioButton::clicked, this,
            [this] { selectCertificateType(link::kCertificateClientPem); });
    connect(ui_->openFileButton, &QPushButton::clicked, this, &CertificatePage::openCertificateFile);
    connect(ui_->uploadButton, &QPushButton::clicked, this, &CertificatePage::onFileUpload);
    render();
}

CertificatePage::~CertificatePage() = default;

void CertificatePage::render() {
    const auto& c = model_.controls();
    for (auto [widget, control] : {std::pair<QWidget*, CertificateControl>{ui_->caRadio, CertificateControl::CaRadio},
                                   {ui_->clientKeyRadio, CertificateControl::ClientKeyRadio},
                                   {ui_->clientPemRadio, CertificateControl::ClientPemRadio},
                                   {ui_->openFileButton, CertificateControl::OpenButton},
                                   {ui_->certificatePath, CertificateControl::PathEdit},
                                   {ui_->uploadButton, CertificateControl::UploadButton}})
        applyState(widget, c[control]);
}

QWidget* CertificatePage::controlWidget(int id) const {
    switch (static_cast<CertificateControl>(id)) {
    case CertificateControl::CaRadio: return ui_->caRadio;
    case CertificateControl::ClientKeyRadio: return ui_->clientKeyRadio;
    case CertificateControl::ClientPemRadio: return ui_->clientPemRadio;
    case CertificateControl::Progress: return ui_->progressBar;
    case CertificateControl::UploadButton: return ui_->uploadButton;
    case CertificateControl::OpenButton: return ui_->openFileButton;
    case CertificateControl::PathEdit: return ui_->certificatePath;
    }
    return nullptr;
}

void CertificatePage::showPath() {
    ui_->certificatePath->setText(QFile::decodeName(QByteArray::fromStdString(model_.path().string())));
}

void CertificatePage::openCertificateFile() {
    const QStringList chosen = chooser_(this);
    if (chosen.isEmpty()) {
        model_.clearFile();
        showPath();
        return;
    }
    const StringId message = model_.openFile(QFile::encodeName(chosen.last()).toStdString());
    showPath();
    widgets::showMessage(this, message);
}

void CertificatePage::selectCertificateType(int type) {
    model_.selectType(type);
    ui_->progressBar->setValue(0);
    showPath();
}

void CertificatePage::onFileUpload() {
    if (const auto notice = model_.checkUpload(link_.context.connected)) {
        widgets::showMessage(this, notice->message);
        return;
    }
    struct Upload {
        link::Result<void> result;
        link::Delivery delivery = link::Delivery::NotSent;
        QString notRecorded;
    };
    auto upload = std::make_shared<Upload>();
    link_.run(
        [this, upload, type = model_.type(), data = model_.data()] {
            bool lastSent = false;
            upload->result = link::UploadCertificate(
                link_.port, data, type,
                [this](int percent) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, percent] {
                            ui_->progressBar->setRange(0, 100);
                            ui_->progressBar->setValue(percent);
                        },
                        Qt::QueuedConnection);
                },
                link_.waits, link_.limits, [&lastSent] { lastSent = true; });
            upload->delivery = link::DeliveryOf(upload->result, lastSent);
            // The history line goes first: the window may be closed before
            // the result shows.
            if (link_.recordUpload)
                upload->notRecorded = link_.recordUpload(
                    type, static_cast<qint64>(data.size()), upload->delivery,
                    upload->result ? QString() : QString::fromStdString(upload->result.error().text));
        },
        [this, upload] { showUploadResult(upload->result, upload->delivery, upload->notRecorded); });
}

void CertificatePage::showUploadResult(const link::Result<void>& uploaded, link::Delivery delivery,
                                       const QString& notRecorded) {
    if (!notRecorded.isEmpty()) widgets::showNote(this, notRecorded);
    // An upload the user cancelled needs no message: the window disconnected.
    if (!uploaded && link_.waits.cancelled()) return;
    if (delivery == link::Delivery::Unconfirmed) {
        widgets::showMessage(
            this, kCertificateUploadFailed,
            widgets::stringText(kCertificateUploadFailed) + QStringLiteral("\n\n") + notConfirmedText());
        return;
    }
    widgets::showMessage(this, uploaded ? kCertificateUploaded : kCertificateUploadFailed);
}

}  // namespace corvane::direct
