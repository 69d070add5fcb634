#pragma once
// A small reader of JSON text, enough to look fields of the state dump up by
// a dotted path ("state.gold", "state.questStage.4", "objects.creditsScreen.held").

#include <string>
#include <utility>
#include <vector>

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };

  Kind kind = Kind::Null;
  bool flag = false;
  double number = 0.0;
  std::string text;  // a string's text, or a number as it was written
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;
};

// Parses the whole text; false (value untouched) when it is not valid JSON.
bool ParseJson(const std::string& text, JsonValue* value);

// The value at a dotted path; array elements by index. nullptr when absent.
const JsonValue* FindJsonPath(const JsonValue& root, const std::string& path);

// The value written back as compact JSON text.
std::string CompactJson(const JsonValue& value);
