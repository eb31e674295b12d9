// An IPv4 address entry of four parts, 0 to 255 each. A blank part reads as
// 0; filledFieldCount() tells blank from zero.
//
// It types as one field: a part of three digits moves on (a "." typed right
// after that is taken as the separator it stands for), "." moves to the next
// part, Backspace in an empty part and Left/Right at a part's edge cross into
// the neighbour, Home/End go to the first/last part. A whole dotted address
// pasted into any part fills all four; Ctrl+C copies the whole address.
#pragma once

#include <array>
#include <cstdint>

#include <QWidget>

#include "link/address_plausibility.h"
#include "link/ipv4_address.h"

class QLineEdit;

namespace corvane::widgets {

class Ipv4AddressEdit : public QWidget {
    Q_OBJECT
public:
    explicit Ipv4AddressEdit(QWidget* parent = nullptr);

    void setAddress(link::Ipv4Address address);
    link::Ipv4Address address() const;
    void clear();
    // How many of the four parts hold a number.
    int filledFieldCount() const;
    // "192.168.0.1"; blank parts as 0.
    QString text() const;
    // Parses a dotted address, blanks around it allowed; false (and nothing
    // changed) when `text` is not one.
    bool setText(const QString& text);

    // What the address is for. A host or gateway address is checked against
    // the mask in `maskEdit` (kept up to date as that changes); a mask on its
    // own. A value that cannot serve is marked with a red frame and a tooltip.
    void setRole(link::AddressRole role, const Ipv4AddressEdit* maskEdit = nullptr);
    // The present mark, None when the value is plausible or no role is set.
    link::AddressProblem problem() const { return problem_; }
    // Checks the value again; for owners that wrote it with signals blocked.
    void refreshMark();

    // The entry's accessible name, which each part's name is made from.
    void setName(const QString& name);

    // One part, for tests and for moving the focus.
    QLineEdit* field(int index) const;

signals:
    // The user changed part `field` (0..3); `value` is -1 when it is blank.
    void fieldChanged(int field, int value);
    // Any change of the address, by the user or by setAddress.
    void addressChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int indexOf(QObject* object) const;
    void focusField(int index, int cursor);
    bool pasteAddress(int index);
    void describeParts();

    std::array<QLineEdit*, 4> fields_{};
    int jumpedTo_ = -1;  // the part an automatic move landed on, until the next key
    bool hasRole_ = false;
    link::AddressRole role_ = link::AddressRole::Host;
    const Ipv4AddressEdit* maskEdit_ = nullptr;
    link::AddressProblem problem_ = link::AddressProblem::None;
};

// What is wrong with an address in words, empty for None.
QString addressProblemText(link::AddressProblem problem);

}  // namespace corvane::widgets
