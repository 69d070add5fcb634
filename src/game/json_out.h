#pragma once
// A small writer of JSON text, used by the state dump of the scenario runner.
// The records write their fields through it by their field lists
// (game/json_fields.h).

#include <cstdint>
#include <string>
#include <string_view>

class JsonOut {
 public:
  // key is nullptr inside arrays and for the outermost value.
  void BeginObject(const char* key = nullptr) { Open(key, '{'); }
  void EndObject() { Close('}'); }
  void BeginArray(const char* key = nullptr) { Open(key, '['); }
  void EndArray() { Close(']'); }

  void Num(const char* key, long long value) {
    Key(key);
    text_ += std::to_string(value);
  }
  void Real(const char* key, double value) {
    Key(key);
    text_ += std::to_string(value);
  }
  void Str(const char* key, std::string_view value) {
    Key(key);
    text_ += '"';
    for (char c : value) {
      unsigned char u = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') {
        text_ += '\\';
        text_ += c;
      } else if (u < 0x20) {
        static const char hex[] = "0123456789abcdef";
        text_ += "\\u00";
        text_ += hex[u >> 4];
        text_ += hex[u & 15];
      } else {
        text_ += c;
      }
    }
    text_ += '"';
  }
  // Splices JSON text written elsewhere in as one value.
  void Raw(const char* key, std::string_view json) {
    Key(key);
    text_ += json;
  }

  const std::string& Text() const { return text_; }

 private:
  void Key(const char* key) {
    if (needComma_) text_ += ',';
    needComma_ = true;
    if (key) {
      text_ += '"';
      text_ += key;
      text_ += "\":";
    }
  }
  void Open(const char* key, char bracket) {
    Key(key);
    text_ += bracket;
    needComma_ = false;
  }
  void Close(char bracket) {
    text_ += bracket;
    needComma_ = true;
  }

  std::string text_;
  bool needComma_ = false;
};
