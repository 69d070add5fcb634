#pragma once
// A small writer of JSON text, used by the state dump of the scenario runner.
// Each object that shows up in the dump writes its own plain fields through it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

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
  // A fixed array of numbers, index 0 first.
  template <class T, std::size_t N>
  void Array(const char* key, const T (&values)[N]) {
    static_assert(std::is_arithmetic_v<T>);
    BeginArray(key);
    for (const T& v : values) Num(nullptr, static_cast<long long>(v));
    EndArray();
  }
  // A two-dimensional fixed array as an array of arrays.
  template <class T, std::size_t N, std::size_t M>
  void Array(const char* key, const T (&values)[N][M]) {
    BeginArray(key);
    for (const auto& row : values) Array(nullptr, row);
    EndArray();
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
