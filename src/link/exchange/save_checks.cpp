#include "exchange/save_checks.h"

namespace corvane::link {

WepKeySaveCheck checkWepKeyForSave(int cipher, std::string_view wepKeyText) {
    if (cipher != 1 && cipher != 2) {
        return {true, cipher, false};
    }
    switch (wepKeyText.size()) {
    case 5:
    case 10:
        return {true, 1, true};
    case 13:
    case 26:
        return {true, 2, true};
    default:
        return {false, cipher, false};
    }
}

bool checkPinForSave(bool extendedLayout, std::string_view pinText) {
    return !extendedLayout || pinText.size() == 4 || pinText.size() >= 8;
}

}  // namespace corvane::link
