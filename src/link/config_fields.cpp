#include "link/config_fields.h"

#include <algorithm>

namespace corvane::link {

FieldValue ConfigField::get(const PrinterConfig& config) const {
    if (textMember) return config.*textMember;
    if (byteMember) return std::uint32_t{config.*byteMember};
    if (wordMember) return std::uint32_t{config.*wordMember};
    return config.*addressMember;
}

void ConfigField::set(PrinterConfig& config, const FieldValue& value) const {
    if (textMember) {
        config.*textMember = std::get<std::string>(value);
        return;
    }
    if (addressMember) {
        config.*addressMember = std::get<Ipv4Address>(value);
        return;
    }
    const std::uint32_t number = std::get<std::uint32_t>(value);
    if (byteMember) config.*byteMember = static_cast<std::uint8_t>(number);
    else config.*wordMember = static_cast<std::uint16_t>(number);
}

std::string ConfigField::text(const PrinterConfig& config) const {
    const FieldValue value = get(config);
    if (const auto* t = std::get_if<std::string>(&value)) return *t;
    if (const auto* a = std::get_if<Ipv4Address>(&value)) return a->text();
    return std::to_string(std::get<std::uint32_t>(value));
}

ValueProblem ConfigField::check(const FieldValue& value) const {
    if (kind == FieldKind::Text) {
        const auto* t = std::get_if<std::string>(&value);
        if (t == nullptr) return ValueProblem::WrongType;
        if (t->find('\0') != std::string::npos) return ValueProblem::ZeroByte;
        return t->size() > limit() ? ValueProblem::TooLong : ValueProblem::None;
    }
    if (kind == FieldKind::Address) {
        return std::holds_alternative<Ipv4Address>(value) ? ValueProblem::None : ValueProblem::WrongType;
    }
    const auto* n = std::get_if<std::uint32_t>(&value);
    if (n == nullptr) return ValueProblem::WrongType;
    return *n > limit() ? ValueProblem::OutOfRange : ValueProblem::None;
}

std::span<const ConfigField> ConfigFields() { return kConfigFields; }

const ConfigField* FindConfigField(std::string_view name) {
    const auto it = std::find_if(kConfigFields.begin(), kConfigFields.end(),
                                 [name](const ConfigField& f) { return f.name == name; });
    return it == kConfigFields.end() ? nullptr : &*it;
}

std::vector<ByteRange> SecretByteRanges(ConfigLayout layout) {
    std::vector<ByteRange> ranges;
    for (const ConfigField& f : kConfigFields) {
        if (f.secret && f.inLayout(layout)) ranges.push_back({f.offset(layout), f.width});
    }
    return ranges;
}

}  // namespace corvane::link
