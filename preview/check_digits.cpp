#include "preview/check_digits.h"

namespace vx {

char gs1CheckDigit(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

char code39CheckCharacter(std::string_view text) {
    constexpr std::string_view kSet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
    std::size_t sum = 0;
    for (char c : text) {
        const std::size_t value = kSet.find(c);
        if (value != std::string_view::npos) sum += value;
    }
    return kSet[sum % 43];
}

char msiCheckDigit(std::string_view digits) {
    int sum = 0;
    bool doubled = true;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        int value = *it - '0';
        if (doubled) value = value * 2 > 9 ? value * 2 - 9 : value * 2;
        sum += value;
        doubled = !doubled;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string upcEToUpcA(std::string_view body) {
    if (body.size() != 7) return {};
    const std::string_view d = body.substr(1);
    std::string a(1, body[0]);
    switch (d[5]) {
        case '0':
        case '1':
        case '2':
            a += std::string(d.substr(0, 2)) + d[5] + "0000" + std::string(d.substr(2, 3));
            break;
        case '3':
            a += std::string(d.substr(0, 3)) + "00000" + std::string(d.substr(3, 2));
            break;
        case '4':
            a += std::string(d.substr(0, 4)) + "00000" + d[4];
            break;
        default:
            a += std::string(d.substr(0, 5)) + "0000" + d[5];
            break;
    }
    return a;
}

}  // namespace vx
