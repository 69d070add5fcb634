#pragma once
// Writes the values a record's field list names (game/field_list.h) by name:
// numbers as numbers, a pointer as 1 when set and 0 when not, arrays as
// arrays (index 0 first), records as objects; every letter-code name also as
// readable text under the field's name + "Text". Handles are left out.

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "game/field_list.h"
#include "game/glyph_name.h"
#include "game/json_out.h"

class JsonFieldWriter {
 public:
  explicit JsonFieldWriter(JsonOut& out) : out_(out) {}

  template <class T>
  void operator()(const char* key, const T& value) {
    if constexpr (std::is_array_v<T>) {
      out_.BeginArray(key);
      for (const auto& item : value) (*this)(nullptr, item);
      out_.EndArray();
    } else if constexpr (HasFieldList<T>) {
      out_.BeginObject(key);
      value.VisitFields(*this);
      out_.EndObject();
    } else if constexpr (std::is_pointer_v<T>) {
      out_.Num(key, value != nullptr ? 1 : 0);
    } else if constexpr (std::is_floating_point_v<T>) {
      out_.Real(key, value);
    } else {
      static_assert(std::is_arithmetic_v<T> || std::is_enum_v<T>, "no way to write this field");
      out_.Num(key, static_cast<long long>(value));
    }
  }

  void Name(const char* key, const uint8_t (&name)[kGlyphNameLength]) {
    (*this)(key, name);
    out_.Str(TextKey(key).c_str(), GlyphToText(name));
  }
  template <std::size_t N>
  void Name(const char* key, const uint8_t (&names)[N][kGlyphNameLength]) {
    (*this)(key, names);
    out_.BeginArray(TextKey(key).c_str());
    for (const auto& name : names) out_.Str(nullptr, GlyphToText(name));
    out_.EndArray();
  }

  template <std::size_t C>
  void NameColumns(const char* key, const uint8_t (&letters)[kGlyphNameLength][C], int count) {
    (*this)(key, letters);
    out_.BeginArray(TextKey(key).c_str());
    for (int k = 0; k < count; ++k) {
      uint8_t name[kGlyphNameLength];
      for (int j = 0; j < kGlyphNameLength; ++j) name[j] = letters[j][k];
      out_.Str(nullptr, GlyphToText(name));
    }
    out_.EndArray();
  }

  template <class T>
  void View(const char* key, const T* values, int count) {
    out_.BeginArray(key);
    for (int i = 0; i < count; ++i) (*this)(nullptr, values[i]);
    out_.EndArray();
  }

  template <class T>
  void Inline(const char* prefix, const T& record) {
    Prefixed prefixed{*this, prefix};
    record.VisitFields(prefixed);
  }

  template <class T>
  void Handle(const T&) {}

 private:
  // The fields of an inlined record, under prefix + the field's name with
  // its first letter in capitals.
  struct Prefixed {
    JsonFieldWriter& writer;
    const char* prefix;
    template <class T>
    void operator()(const char* key, const T& value) {
      std::string name = prefix;
      name += static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
      name += key + 1;
      writer(name.c_str(), value);
    }
    template <class T>
    void Handle(const T&) {}
  };

  static std::string TextKey(const char* key) { return std::string(key) + "Text"; }

  JsonOut& out_;
};

// The record's listed fields into the object being written (the caller opens
// and closes it).
template <HasFieldList T>
void DumpFields(const T& record, JsonOut& out) {
  JsonFieldWriter writer(out);
  record.VisitFields(writer);
}
