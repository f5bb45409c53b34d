#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace ludo::cli {

std::string jsonQuote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

void Json::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

Json& Json::beginObject() {
    separate();
    out_ += '{';
    first_.push_back(true);
    return *this;
}

Json& Json::endObject() {
    out_ += '}';
    first_.pop_back();
    return *this;
}

Json& Json::beginArray() {
    separate();
    out_ += '[';
    first_.push_back(true);
    return *this;
}

Json& Json::endArray() {
    out_ += ']';
    first_.pop_back();
    return *this;
}

Json& Json::key(std::string_view name) {
    separate();
    out_ += jsonQuote(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

Json& Json::value(std::string_view text) {
    separate();
    out_ += jsonQuote(text);
    return *this;
}

Json& Json::value(std::int64_t number) {
    separate();
    out_ += std::to_string(number);
    return *this;
}

Json& Json::value(double number) {
    separate();
    if (!std::isfinite(number)) {
        out_ += "null";
        return *this;
    }
    // Shortest text that reads back as the same double: 30.4, not 30.399999999999999.
    char buf[40];
    const auto fine = std::to_chars(buf, buf + sizeof buf, number).ptr;
    out_.append(buf, fine);
    return *this;
}

Json& Json::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
    return *this;
}

}  // namespace ludo::cli
