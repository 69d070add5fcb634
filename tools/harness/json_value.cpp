#include "harness/json_value.h"

#include <cctype>
#include <cstdlib>

namespace {

class Reader {
 public:
  explicit Reader(const std::string& text) : s_(text) {}

  bool ParseDocument(JsonValue* value) {
    if (!ParseValue(value, 0)) return false;
    SkipSpace();
    return pos_ == s_.size();
  }

 private:
  static constexpr int kMaxDepth = 200;

  void SkipSpace() {
    while (pos_ < s_.size() &&
           (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
      ++pos_;
  }

  bool Literal(const char* word) {
    size_t n = 0;
    while (word[n]) ++n;
    if (s_.compare(pos_, n, word) != 0) return false;
    pos_ += n;
    return true;
  }

  bool ParseValue(JsonValue* v, int depth) {
    if (depth > kMaxDepth) return false;
    SkipSpace();
    if (pos_ >= s_.size()) return false;
    char c = s_[pos_];
    if (c == '{') return ParseObject(v, depth);
    if (c == '[') return ParseArray(v, depth);
    if (c == '"') {
      v->kind = JsonValue::Kind::String;
      return ParseString(&v->text);
    }
    if (Literal("true")) {
      v->kind = JsonValue::Kind::Bool;
      v->flag = true;
      return true;
    }
    if (Literal("false")) {
      v->kind = JsonValue::Kind::Bool;
      v->flag = false;
      return true;
    }
    if (Literal("null")) {
      v->kind = JsonValue::Kind::Null;
      return true;
    }
    return ParseNumber(v);
  }

  bool ParseNumber(JsonValue* v) {
    size_t start = pos_;
    if (pos_ < s_.size() && (s_[pos_] == '-' || s_[pos_] == '+')) ++pos_;
    size_t digits = pos_;
    while (pos_ < s_.size() &&
           (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.' ||
            s_[pos_] == 'e' || s_[pos_] == 'E' ||
            ((s_[pos_] == '-' || s_[pos_] == '+') && (s_[pos_ - 1] == 'e' || s_[pos_ - 1] == 'E'))))
      ++pos_;
    if (pos_ == digits) return false;
    v->kind = JsonValue::Kind::Number;
    v->text = s_.substr(start, pos_ - start);
    char* end = nullptr;
    v->number = std::strtod(v->text.c_str(), &end);
    return end && *end == '\0';
  }

  bool ParseString(std::string* out) {
    ++pos_;  // the opening quote
    out->clear();
    while (pos_ < s_.size()) {
      char c = s_[pos_++];
      if (c == '"') return true;
      if (c != '\\') {
        *out += c;
        continue;
      }
      if (pos_ >= s_.size()) return false;
      char e = s_[pos_++];
      switch (e) {
        case '"': *out += '"'; break;
        case '\\': *out += '\\'; break;
        case '/': *out += '/'; break;
        case 'b': *out += '\b'; break;
        case 'f': *out += '\f'; break;
        case 'n': *out += '\n'; break;
        case 'r': *out += '\r'; break;
        case 't': *out += '\t'; break;
        case 'u': {
          if (pos_ + 4 > s_.size()) return false;
          unsigned code = 0;
          for (int i = 0; i < 4; ++i) {
            char h = s_[pos_++];
            code <<= 4;
            if (h >= '0' && h <= '9') code |= unsigned(h - '0');
            else if (h >= 'a' && h <= 'f') code |= unsigned(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F') code |= unsigned(h - 'A' + 10);
            else return false;
          }
          // The dump only escapes control characters; keep others as bytes.
          *out += static_cast<char>(code & 0xFF);
          break;
        }
        default: return false;
      }
    }
    return false;
  }

  bool ParseArray(JsonValue* v, int depth) {
    ++pos_;
    v->kind = JsonValue::Kind::Array;
    SkipSpace();
    if (pos_ < s_.size() && s_[pos_] == ']') {
      ++pos_;
      return true;
    }
    for (;;) {
      JsonValue item;
      if (!ParseValue(&item, depth + 1)) return false;
      v->items.push_back(std::move(item));
      SkipSpace();
      if (pos_ >= s_.size()) return false;
      if (s_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (s_[pos_] == ']') {
        ++pos_;
        return true;
      }
      return false;
    }
  }

  bool ParseObject(JsonValue* v, int depth) {
    ++pos_;
    v->kind = JsonValue::Kind::Object;
    SkipSpace();
    if (pos_ < s_.size() && s_[pos_] == '}') {
      ++pos_;
      return true;
    }
    for (;;) {
      SkipSpace();
      if (pos_ >= s_.size() || s_[pos_] != '"') return false;
      std::string key;
      if (!ParseString(&key)) return false;
      SkipSpace();
      if (pos_ >= s_.size() || s_[pos_] != ':') return false;
      ++pos_;
      JsonValue member;
      if (!ParseValue(&member, depth + 1)) return false;
      v->members.emplace_back(std::move(key), std::move(member));
      SkipSpace();
      if (pos_ >= s_.size()) return false;
      if (s_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (s_[pos_] == '}') {
        ++pos_;
        return true;
      }
      return false;
    }
  }

  const std::string& s_;
  size_t pos_ = 0;
};

void AppendString(const std::string& text, std::string* out) {
  *out += '"';
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      *out += '\\';
      *out += c;
    } else if (u < 0x20) {
      static const char hex[] = "0123456789abcdef";
      *out += "\\u00";
      *out += hex[u >> 4];
      *out += hex[u & 15];
    } else {
      *out += c;
    }
  }
  *out += '"';
}

void AppendCompact(const JsonValue& v, std::string* out) {
  switch (v.kind) {
    case JsonValue::Kind::Null: *out += "null"; break;
    case JsonValue::Kind::Bool: *out += v.flag ? "true" : "false"; break;
    case JsonValue::Kind::Number: *out += v.text; break;
    case JsonValue::Kind::String: AppendString(v.text, out); break;
    case JsonValue::Kind::Array:
      *out += '[';
      for (size_t i = 0; i < v.items.size(); ++i) {
        if (i) *out += ',';
        AppendCompact(v.items[i], out);
      }
      *out += ']';
      break;
    case JsonValue::Kind::Object:
      *out += '{';
      for (size_t i = 0; i < v.members.size(); ++i) {
        if (i) *out += ',';
        AppendString(v.members[i].first, out);
        *out += ':';
        AppendCompact(v.members[i].second, out);
      }
      *out += '}';
      break;
  }
}

}  // namespace

bool ParseJson(const std::string& text, JsonValue* value) {
  JsonValue parsed;
  Reader reader(text);
  if (!reader.ParseDocument(&parsed)) return false;
  *value = std::move(parsed);
  return true;
}

const JsonValue* FindJsonPath(const JsonValue& root, const std::string& path) {
  const JsonValue* node = &root;
  size_t start = 0;
  while (start <= path.size()) {
    size_t dot = path.find('.', start);
    if (dot == std::string::npos) dot = path.size();
    std::string part = path.substr(start, dot - start);
    if (part.empty()) return nullptr;
    if (node->kind == JsonValue::Kind::Object) {
      const JsonValue* next = nullptr;
      for (const auto& member : node->members) {
        if (member.first == part) {
          next = &member.second;
          break;
        }
      }
      if (!next) return nullptr;
      node = next;
    } else if (node->kind == JsonValue::Kind::Array) {
      if (part.size() > 9) return nullptr;
      size_t index = 0;
      for (char c : part) {
        if (c < '0' || c > '9') return nullptr;
        index = index * 10 + size_t(c - '0');
      }
      if (index >= node->items.size()) return nullptr;
      node = &node->items[index];
    } else {
      return nullptr;
    }
    start = dot + 1;
  }
  return node;
}

std::string CompactJson(const JsonValue& value) {
  std::string out;
  AppendCompact(value, &out);
  return out;
}
