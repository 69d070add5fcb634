#include "harness/scenario_script.h"

#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/screen_names.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "platform/input_device.h"

namespace {

enum class Op {
  Tick,
  Frames,
  Key,
  KeyDown,
  KeyUp,
  Move,
  Click,
  RClick,
  ButtonDown,
  ButtonUp,
  Goto,
  Close,
  Focus,
  Shot,
  Dump,
  ExpectScreen,
  ExpectQuit,
  ExpectField,
};

struct Command {
  int line = 0;
  Op op = Op::Frames;
  int a = 0;
  int b = 0;
  std::string text;   // stub, file, screen procedure or field path
  std::string value;  // the expected value of a field
};

bool RunsFrames(Op op) {
  return op == Op::Frames || op == Op::Key || op == Op::Click || op == Op::RClick;
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  size_t begin = s.find_first_not_of(" \t\r");
  if (begin == std::string::npos) return "";
  size_t end = s.find_last_not_of(" \t\r");
  return s.substr(begin, end - begin + 1);
}

std::vector<std::string> Words(const std::string& s) {
  std::vector<std::string> words;
  std::istringstream in(s);
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

// The text after the first n words of a line.
std::string RestAfterWords(const std::string& s, int n) {
  size_t pos = 0;
  for (int i = 0; i < n; ++i) {
    pos = s.find_first_not_of(" \t", pos);
    if (pos == std::string::npos) return "";
    pos = s.find_first_of(" \t", pos);
    if (pos == std::string::npos) return "";
  }
  return Trim(s.substr(pos));
}

bool ParseInt(const std::string& s, long long low, long long high, int* out) {
  if (s.empty() || s.size() > 12) return false;
  size_t i = 0;
  bool negative = false;
  if (s[0] == '-' || s[0] == '+') {
    negative = s[0] == '-';
    i = 1;
  }
  if (i == s.size()) return false;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
  }
  if (negative) v = -v;
  if (v < low || v > high) return false;
  *out = static_cast<int>(v);
  return true;
}

bool ParseButton(const std::string& s, int* button) {
  std::string u = Upper(s);
  if (u == "LEFT") {
    *button = kMouseLeft;
    return true;
  }
  if (u == "RIGHT") {
    *button = kMouseRight;
    return true;
  }
  return false;
}

bool KnownProcName(const std::string& name) {
  for (const ScreenName& s : kScreenNames)
    if (name == s.procName) return true;
  return false;
}

// Parses one line (comment already removed, not blank). On failure returns
// false with a message.
bool ParseCommand(const std::string& line, Command* cmd, std::string* error) {
  std::vector<std::string> w = Words(line);
  const std::string& name = w[0];
  auto want = [&](size_t args) {
    if (w.size() == args + 1) return true;
    *error =
        "'" + name + "' takes " + std::to_string(args) + (args == 1 ? " argument" : " arguments");
    return false;
  };
  if (name == "tick") {
    if (!want(1)) return false;
    cmd->op = Op::Tick;
    if (!ParseInt(w[1], 0, 3600000, &cmd->a)) {
      *error = "tick needs a whole number of milliseconds, not '" + w[1] + "'";
      return false;
    }
    return true;
  }
  if (name == "frames") {
    if (!want(1)) return false;
    cmd->op = Op::Frames;
    if (!ParseInt(w[1], 0, 100000000, &cmd->a)) {
      *error = "frames needs a whole number of frames, not '" + w[1] + "'";
      return false;
    }
    return true;
  }
  if (name == "key" || name == "keydown" || name == "keyup") {
    if (!want(1)) return false;
    cmd->op = name == "key" ? Op::Key : name == "keydown" ? Op::KeyDown : Op::KeyUp;
    cmd->a = ScenarioKeyCode(w[1]);
    if (cmd->a < 0) {
      *error = "unknown key '" + w[1] + "'";
      return false;
    }
    return true;
  }
  if (name == "move" || name == "click" || name == "rclick") {
    if (!want(2)) return false;
    cmd->op = name == "move" ? Op::Move : name == "click" ? Op::Click : Op::RClick;
    if (!ParseInt(w[1], -100000, 100000, &cmd->a) || !ParseInt(w[2], -100000, 100000, &cmd->b)) {
      *error = "'" + name + "' needs a screen point X Y in whole pixels";
      return false;
    }
    return true;
  }
  if (name == "buttondown" || name == "buttonup") {
    if (!want(1)) return false;
    cmd->op = name == "buttondown" ? Op::ButtonDown : Op::ButtonUp;
    if (!ParseButton(w[1], &cmd->a)) {
      *error = "a mouse button is left or right, not '" + w[1] + "'";
      return false;
    }
    return true;
  }
  if (name == "goto") {
    if (!want(1)) return false;
    cmd->op = Op::Goto;
    cmd->text = w[1];
    if (!StubNamed(w[1].c_str())) {
      *error = "unknown screen stub '" + w[1] + "' (for example GoCredits)";
      return false;
    }
    return true;
  }
  if (name == "close") {
    if (!want(0)) return false;
    cmd->op = Op::Close;
    return true;
  }
  if (name == "focus") {
    if (!want(1)) return false;
    cmd->op = Op::Focus;
    if (w[1] != "in" && w[1] != "out") {
      *error = "'focus' is followed by in or out, not '" + w[1] + "'";
      return false;
    }
    cmd->a = w[1] == "in" ? 1 : 0;
    return true;
  }
  if (name == "shot" || name == "dump") {
    cmd->op = name == "shot" ? Op::Shot : Op::Dump;
    cmd->text = RestAfterWords(line, 1);
    if (cmd->text.empty()) {
      *error = "'" + name + "' needs a file name";
      return false;
    }
    return true;
  }
  if (name == "expect") {
    if (w.size() < 2) {
      *error = "'expect' needs screen PROC, quit, or FIELD VALUE";
      return false;
    }
    if (w[1] == "quit") {
      if (!want(1)) return false;
      cmd->op = Op::ExpectQuit;
      return true;
    }
    if (w[1] == "screen") {
      if (!want(2)) return false;
      cmd->op = Op::ExpectScreen;
      cmd->text = w[2];
      if (!KnownProcName(w[2])) {
        *error = "unknown screen procedure '" + w[2] + "' (for example CreditsProc)";
        return false;
      }
      return true;
    }
    cmd->op = Op::ExpectField;
    cmd->text = w[1];
    cmd->value = RestAfterWords(line, 2);
    if (cmd->value.empty()) {
      *error = "'expect " + w[1] + "' needs a value";
      return false;
    }
    return true;
  }
  *error = "unknown command '" + name + "'";
  return false;
}

std::string WithoutSpaces(const std::string& s) {
  std::string out;
  bool inString = false;
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c == '"' && (i == 0 || s[i - 1] != '\\')) inString = !inString;
    if (!inString && (c == ' ' || c == '\t')) continue;
    out += c;
  }
  return out;
}

bool ValueMatches(const JsonValue& v, const std::string& expected, std::string* found) {
  switch (v.kind) {
    case JsonValue::Kind::Number: {
      *found = v.text;
      char* end = nullptr;
      double want = std::strtod(expected.c_str(), &end);
      return end && *end == '\0' && !expected.empty() && want == v.number;
    }
    case JsonValue::Kind::String: {
      *found = "\"" + v.text + "\"";
      std::string want = expected;
      if (want.size() >= 2 && want.front() == '"' && want.back() == '"')
        want = want.substr(1, want.size() - 2);
      return want == v.text;
    }
    case JsonValue::Kind::Bool:
      *found = v.flag ? "true" : "false";
      return expected == *found || expected == (v.flag ? "1" : "0");
    case JsonValue::Kind::Null: *found = "null"; return expected == "null";
    case JsonValue::Kind::Array:
    case JsonValue::Kind::Object: *found = CompactJson(v); return WithoutSpaces(expected) == *found;
  }
  return false;
}

std::string Shorten(const std::string& s) { return s.size() > 200 ? s.substr(0, 200) + "..." : s; }

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  if (!getcwd(buffer.data(), buffer.size())) return ".";
  return buffer.data();
}

std::string OutputPath(const std::string& path, const std::string& outDir) {
  if (!path.empty() && path[0] == '/') return path;
  return outDir + "/" + path;
}

class Runner {
 public:
  Runner(const std::string& scriptName, const std::string& outDir, std::ostream& err)
      : name_(scriptName), outDir_(outDir), err_(err) {}

  int Fail(int line, const std::string& message) {
    err_ << name_ << ":" << line << ": " << message << "\n";
    return 1;
  }

  int Run(const std::vector<Command>& commands) {
    ScenarioDriver driver;
    driver.Start();
    for (size_t i = 0; i < commands.size(); ++i) {
      const Command& cmd = commands[i];
      if (int status = Execute(driver, cmd)) return status;
      if (cmd.op == Op::ExpectQuit) return 0;  // Shutdown has run; nothing follows
      if ((RunsFrames(cmd.op) || cmd.op == Op::Close) && driver.QuitPosted()) {
        if (i + 1 >= commands.size() || commands[i + 1].op != Op::ExpectQuit)
          return Fail(cmd.line,
                      "the game posted its quit message here, and the script does not expect it "
                      "(the next command is not 'expect quit')");
      }
    }
    driver.Finish();
    return 0;
  }

 private:
  int Execute(ScenarioDriver& driver, const Command& cmd) {
    switch (cmd.op) {
      case Op::Tick: driver.SetFrameMs(static_cast<uint32_t>(cmd.a)); return 0;
      case Op::Frames: driver.RunFrames(cmd.a); return 0;
      case Op::Key: driver.PressKey(cmd.a); return 0;
      case Op::KeyDown: driver.KeyDown(cmd.a); return 0;
      case Op::KeyUp: driver.KeyUp(cmd.a); return 0;
      case Op::Move: driver.MoveTo(cmd.a, cmd.b); return 0;
      case Op::Click: driver.Click(cmd.a, cmd.b, kMouseLeft); return 0;
      case Op::RClick: driver.Click(cmd.a, cmd.b, kMouseRight); return 0;
      case Op::ButtonDown: driver.ButtonDown(cmd.a); return 0;
      case Op::ButtonUp: driver.ButtonUp(cmd.a); return 0;
      case Op::Goto: driver.Goto(cmd.text.c_str()); return 0;
      case Op::Close: driver.Close(); return 0;
      case Op::Focus: driver.Focus(cmd.a != 0); return 0;
      case Op::Shot: {
        std::string path = OutputPath(cmd.text, outDir_);
        if (!driver.WriteShot(path)) return Fail(cmd.line, "cannot write the picture " + path);
        return 0;
      }
      case Op::Dump: {
        std::string path = OutputPath(cmd.text, outDir_);
        if (!driver.WriteDump(path)) return Fail(cmd.line, "cannot write the dump " + path);
        return 0;
      }
      case Op::ExpectScreen: {
        std::string screen = driver.ScreenName();
        if (screen != cmd.text)
          return Fail(cmd.line, "expected the screen " + cmd.text + ", but it is " +
                                    (screen.empty() ? std::string("none") : screen));
        return 0;
      }
      case Op::ExpectQuit:
        if (!driver.QuitPosted())
          return Fail(cmd.line, "expected the quit message, but the game has not posted it");
        driver.Finish();
        return 0;
      case Op::ExpectField: {
        JsonValue dump;
        if (!ParseJson(driver.Dump(), &dump))
          return Fail(cmd.line, "the state dump is not valid JSON");
        const JsonValue* field = FindJsonPath(dump, cmd.text);
        if (!field) return Fail(cmd.line, "the dump has no field " + cmd.text);
        std::string found;
        if (!ValueMatches(*field, cmd.value, &found))
          return Fail(cmd.line, "expected " + cmd.text + " to be " + cmd.value + ", but it is " +
                                    Shorten(found));
        return 0;
      }
    }
    return 0;
  }

  std::string name_;
  std::string outDir_;
  std::ostream& err_;
};

}  // namespace

int ScenarioKeyCode(const std::string& word) {
  static const struct {
    const char* name;
    int code;
  } kNames[] = {
      {"ESC", kKeyEscape},    {"BACKSPACE", kKeyBackspace},
      {"ENTER", kKeyEnter},   {"SPACE", kKeySpace},
      {"TAB", kKeyTab},       {"LSHIFT", kKeyLShift},
      {"RSHIFT", kKeyRShift}, {"LCTRL", kKeyLCtrl},
      {"UP", kKeyUp},         {"DOWN", kKeyDown},
      {"LEFT", kKeyLeft},     {"RIGHT", kKeyRight},
      {"KP0", kKeyNumpad0},   {"KP1", kKeyNumpad1},
      {"KP2", kKeyNumpad2},   {"KP3", kKeyNumpad3},
      {"KP4", kKeyNumpad4},   {"KP5", kKeyNumpad5},
      {"KP6", kKeyNumpad6},   {"KP7", kKeyNumpad7},
      {"KP8", kKeyNumpad8},   {"KP9", kKeyNumpad9},
      {"A", kKeyA},           {"B", kKeyB},
      {"C", kKeyC},           {"D", kKeyD},
      {"E", kKeyE},           {"F", kKeyF},
      {"G", kKeyG},           {"H", kKeyH},
      {"I", kKeyI},           {"J", kKeyJ},
      {"K", kKeyK},           {"L", kKeyL},
      {"M", kKeyM},           {"N", kKeyN},
      {"O", kKeyO},           {"P", kKeyP},
      {"Q", kKeyQ},           {"R", kKeyR},
      {"S", kKeyS},           {"T", kKeyT},
      {"U", kKeyU},           {"V", kKeyV},
      {"W", kKeyW},           {"X", kKeyX},
      {"Y", kKeyY},           {"Z", kKeyZ},
      {"0", kKey0},           {"1", kKey1},
      {"2", kKey2},           {"3", kKey3},
      {"4", kKey4},           {"5", kKey5},
      {"6", kKey6},           {"7", kKey7},
      {"8", kKey8},           {"9", kKey9},
      {"F1", kKeyF1},         {"F2", kKeyF2},
      {"F3", kKeyF3},         {"F4", kKeyF4},
      {"F5", kKeyF5},         {"F6", kKeyF6},
      {"F7", kKeyF7},         {"F8", kKeyF8},
      {"F9", kKeyF9},         {"F10", kKeyF10},
      {"F11", kKeyF11},       {"F12", kKeyF12},
  };
  std::string upper = Upper(word);
  for (const auto& entry : kNames)
    if (upper == entry.name) return entry.code;
  // A scan code itself: two or more digits (a single digit names a digit key).
  int code = -1;
  if (word.size() >= 2 && ParseInt(word, 0, 255, &code) && word[0] != '-' && word[0] != '+')
    return code;
  return -1;
}

int RunScenarioText(const std::string& script, const std::string& scriptName,
                    const ScenarioOptions& options, std::ostream& err) {
  // Read and check every line before the game starts.
  std::vector<Command> commands;
  std::istringstream in(script);
  std::string raw;
  int lineNumber = 0;
  int quitLine = 0;
  while (std::getline(in, raw)) {
    ++lineNumber;
    std::string line = raw;
    size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    line = Trim(line);
    if (line.empty()) continue;
    if (quitLine) {
      err << scriptName << ":" << lineNumber << ": no command may follow 'expect quit' (line "
          << quitLine << ")\n";
      return 1;
    }
    Command cmd;
    cmd.line = lineNumber;
    std::string error;
    if (!ParseCommand(line, &cmd, &error)) {
      err << scriptName << ":" << lineNumber << ": " << error << "\n";
      return 1;
    }
    if (cmd.op == Op::ExpectQuit) quitLine = lineNumber;
    commands.push_back(std::move(cmd));
  }

  std::string origin = CurrentDirectory();
  std::string outDir = options.outDir.empty() ? origin : options.outDir;
  if (!options.gameDir.empty() && chdir(options.gameDir.c_str()) != 0) {
    err << scriptName << ":0: cannot enter the game folder " << options.gameDir << "\n";
    return 1;
  }
  int status = Runner(scriptName, outDir, err).Run(commands);
  // Back where the caller was, for callers that go on.
  [[maybe_unused]] int back = chdir(origin.c_str());
  return status;
}

int RunScenarioFile(const std::string& path, const ScenarioOptions& options, std::ostream& err) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    err << path << ":0: cannot read the script\n";
    return 1;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return RunScenarioText(text.str(), path, options, err);
}
