// A JSON text written field by field, for what the WebAssembly core hands to the page: the
// commas and the escapes in one place. Strings are taken as bytes: the core's texts are ASCII,
// and any control character is written as \u00XX so that the text always parses.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tq::web {

class JsonText {
 public:
  void Open() { Begin('{'); }
  void Close() { End('}'); }
  void OpenList() { Begin('['); }
  void CloseList() { End(']'); }

  // The key of the next value inside an object.
  void Key(std::string_view name) {
    Separate();
    PutString(name);
    text_ += ':';
    afterKey_ = true;
  }

  void Value(std::string_view text) {
    Separate();
    PutString(text);
  }
  void Value(const char* text) { Value(std::string_view(text)); }
  void Value(bool value) {
    Separate();
    text_ += value ? "true" : "false";
  }
  void Value(int value) {
    Separate();
    text_ += std::to_string(value);
  }
  // Whole numbers up to 2^53 as integers, others with enough digits to read back the same.
  void Value(double value) {
    Separate();
    char number[32];
    if (value == static_cast<double>(static_cast<long long>(value)) && value < 9007199254740992.0 && value > -9007199254740992.0) {
      std::snprintf(number, sizeof number, "%lld", static_cast<long long>(value));
    } else {
      std::snprintf(number, sizeof number, "%.17g", value);
    }
    text_ += number;
  }
  void Null() {
    Separate();
    text_ += "null";
  }

  template <typename T>
  void Field(std::string_view name, const T& value) {
    Key(name);
    Value(value);
  }
  void NullField(std::string_view name) {
    Key(name);
    Null();
  }

  const std::string& Text() const { return text_; }

 private:
  void Begin(char bracket) {
    Separate();
    text_ += bracket;
    first_.push_back(true);
  }
  void End(char bracket) {
    text_ += bracket;
    if (!first_.empty()) first_.pop_back();
  }
  // A comma before every value of a list or object but the first; none after a key.
  void Separate() {
    if (afterKey_) {
      afterKey_ = false;
      return;
    }
    if (first_.empty()) return;
    if (!first_.back()) text_ += ',';
    first_.back() = false;
  }
  void PutString(std::string_view text) {
    text_ += '"';
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') {
        text_ += '\\';
        text_ += c;
      } else if (byte < 0x20 || byte >= 0x7F) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", byte);
        text_ += escape;
      } else {
        text_ += c;
      }
    }
    text_ += '"';
  }

  std::string text_;
  std::vector<bool> first_;
  bool afterKey_ = false;
};

}  // namespace tq::web
