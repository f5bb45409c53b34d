#pragma once
// A small JSON writer for the command-line results: values are appended in
// order and commas are placed automatically.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ludo::cli {

class Json {
public:
    Json& beginObject();
    Json& endObject();
    Json& beginArray();
    Json& endArray();
    Json& key(std::string_view name);
    Json& value(std::string_view text);
    Json& value(const char* text) { return value(std::string_view(text)); }
    Json& value(std::int64_t number);
    Json& value(int number) { return value(static_cast<std::int64_t>(number)); }
    Json& value(double number);
    Json& value(bool flag);

    [[nodiscard]] const std::string& str() const { return out_; }

private:
    void separate();
    std::string out_;
    std::vector<bool> first_;  // per open container: nothing written in it yet
    bool afterKey_ = false;
};

// text as a JSON string literal, quotes included.
std::string jsonQuote(std::string_view text);

}  // namespace ludo::cli
