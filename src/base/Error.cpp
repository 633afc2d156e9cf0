#include "base/Error.h"

namespace {

std::string Fill(const std::string& pattern, const char* placeholder, const std::string& value) {
    const auto at = pattern.find(placeholder);
    if (at == std::string::npos) return pattern;
    return pattern.substr(0, at) + value + pattern.substr(at + 2);
}

}  // namespace

std::string Format(const std::string& pattern, const std::string& value) {
    return Fill(pattern, "%s", value);
}

std::string Format(const std::string& pattern, long long value) {
    return Fill(pattern, "%d", std::to_string(value));
}

std::string MessageForDisplay(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}
