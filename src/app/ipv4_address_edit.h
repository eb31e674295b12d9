// An IPv4 address entry of four parts, 0 to 255 each. A blank part reads as
// 0; filledFieldCount() tells blank from zero.
#pragma once

#include <array>
#include <cstdint>

#include <QWidget>

class QLineEdit;

namespace corvane::app {

class Ipv4AddressEdit : public QWidget {
    Q_OBJECT
public:
    using Address = std::array<std::uint8_t, 4>;

    explicit Ipv4AddressEdit(QWidget* parent = nullptr);

    void setAddress(const Address& address);
    Address address() const;
    void clear();
    // How many of the four parts hold a number.
    int filledFieldCount() const;

    // One part, for tests and for moving the focus.
    QLineEdit* field(int index) const;

signals:
    // The user changed part `field` (0..3); `value` is -1 when it is blank.
    void fieldChanged(int field, int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int indexOf(QObject* object) const;
    void focusField(int index);

    std::array<QLineEdit*, 4> fields_{};
};

}  // namespace corvane::app
