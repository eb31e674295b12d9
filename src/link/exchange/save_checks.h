// The checks Save makes whatever page is shown: the WEP key length against the
// "WEP64/128" cipher choice and the Wi-Fi Direct PIN of the newer layout.
//
// Texts are measured in the bytes that go into the record.
#pragma once

#include <string_view>

namespace corvane::link {

struct WepKeySaveCheck {
    bool accepted = true;   // false: show kWepKeyInvalid and do not save
    int cipher = 0;         // cipher for the page and the record
    bool takesKey = false;  // the record takes the edited key text
};

// With cipher 1 or 2 ("WEP64/128") the key length picks the cipher: 5 or 10
// characters WEP64 (1), 13 or 26 WEP128 (2); any other length is refused.
// Other ciphers pass unchanged and keep the record's earlier key.
WepKeySaveCheck checkWepKeyForSave(int cipher, std::string_view wepKeyText);

// The newer layout needs a PIN of exactly 4 or at least 8 characters; false
// means show kIncorrectPin and do not save. The older layout has no PIN.
bool checkPinForSave(bool extendedLayout, std::string_view pinText);

}  // namespace corvane::link
