// Asks for the secrets an imported profile leaves out and this printer's
// settings need: one hidden entry per key, password or PIN.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <QDialog>

#include "rules/profile.h"

class QLineEdit;

namespace corvane::direct {

class SecretsDialog : public QDialog {
    Q_OBJECT
public:
    // `fields` are record field names (wepKey, pskKey, authPassword, p2pPinCode).
    explicit SecretsDialog(const std::vector<std::string>& fields, QWidget* parent = nullptr);

    // The entry of `field` (tests fill it), or nullptr.
    QLineEdit* entry(const std::string& field) const;
    // What was entered, as a profile holding only these secrets.
    rules::Profile secrets() const;

private:
    std::vector<std::pair<std::string, QLineEdit*>> entries_;
};

}  // namespace corvane::direct
