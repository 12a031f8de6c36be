#include "config/stored_value.h"

namespace horalune {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool needs_quotes(std::string_view value) {
    if (value.empty()) return false;
    return value.find_first_of("\r\n") != std::string_view::npos || is_blank(value.front()) ||
           is_blank(value.back()) || value.front() == '"';
}

}  // namespace

std::string store_value(std::string_view value) {
    if (!needs_quotes(value)) return std::string(value);
    std::string out = "\"";
    for (const char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    out += '"';
    return out;
}

std::string load_value(std::string_view stored) {
    if (stored.size() < 2 || stored.front() != '"' || stored.back() != '"') {
        return std::string(stored);
    }
    const std::string_view inner = stored.substr(1, stored.size() - 2);
    std::string out;
    out.reserve(inner.size());
    for (std::size_t i = 0; i < inner.size(); ++i) {
        const char c = inner[i];
        if (c != '\\' || i + 1 == inner.size()) {
            out += c;
            continue;
        }
        const char e = inner[++i];
        switch (e) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case '\\':
            case '"':
                out += e;
                break;
            default:  // not one of ours: keep both characters
                out += '\\';
                out += e;
        }
    }
    return out;
}

}  // namespace horalune
