// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// JSON written as it goes, for the page to parse: objects and arrays are
// opened and closed by hand, and a comma goes where one is due.
class Json {
  public:
    Json& open(char bracket) {
        separate();
        text_ += bracket;
        fresh_ = true;
        return *this;
    }
    Json& close(char bracket) {
        text_ += bracket;
        fresh_ = false;
        return *this;
    }
    Json& key(std::string_view name) {
        string(name);
        text_ += ':';
        fresh_ = true;
        return *this;
    }
    // A UTF-8 string, escaped.
    Json& string(std::string_view value) {
        separate();
        text_ += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char hex[] = "0123456789abcdef";
                text_ += "\\u00";
                text_ += hex[c >> 4];
                text_ += hex[c & 15];
            } else {
                text_ += c;
            }
        }
        text_ += '"';
        return *this;
    }
    Json& number(long value) {
        separate();
        text_ += std::to_string(value);
        return *this;
    }
    Json& boolean(bool value) {
        separate();
        text_ += value ? "true" : "false";
        return *this;
    }
    Json& null() {
        separate();
        text_ += "null";
        return *this;
    }
    const std::string& text() const { return text_; }

  private:
    void separate() {
        if (!fresh_ && !text_.empty())
            text_ += ',';
        fresh_ = false;
    }

    std::string text_;
    bool fresh_ = true;
};
