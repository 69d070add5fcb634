// assetgen <gamedir>                 writes every picture, piece of music and sound
//                                    into the game folder and re-reads each to check it;
//                                    the settings only where the folder has none
// assetgen --verify <gamedir>        checks the folder against what would be written,
//                                    but for the player's settings
// assetgen --contact <png> [--only <text>] [--max <pixels>]
//                                    writes contact sheet pages of the pictures
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <thread>

#include "internal.h"

namespace fs = std::filesystem;
using namespace assetgen;

namespace {

bool ValidPath(const std::string& p) {
  if (p.empty() || p.front() == '/' || p.back() == '/') return false;
  size_t start = 0;
  while (start <= p.size()) {
    size_t slash = p.find('/', start);
    std::string part =
        p.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    if (part.empty() || part == "." || part == "..") return false;
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  return true;
}

bool ValidKey(uint32_t k) {
  return k == kKeyNone || k == kKeyBlack || k == kKeyRed || k == kKeyGreen || k == kKeyBlue ||
         k == kKeyWhite;
}

// Gathers every table and checks the entries; prints each fault and returns 0 on any.
int Collect(Registry& r) {
  for (auto& [fn, source] : Tables()) {
    r.currentSource = fs::path(source).filename().string();
    fn(r);
  }
  int ok = 1;
  std::map<std::string, std::string> seen;
  auto claim = [&](const std::string& path, const std::string& source) {
    auto [it, fresh] = seen.emplace(path, source);
    if (!fresh) {
      std::fprintf(stderr, "assetgen: %s is registered twice (%s and %s)\n", path.c_str(),
                   it->second.c_str(), source.c_str());
      ok = 0;
    }
    if (!ValidPath(path)) {
      std::fprintf(stderr, "assetgen: %s (%s): not a relative path inside the game folder\n",
                   path.c_str(), source.c_str());
      ok = 0;
    }
  };
  for (const PictureEntry& p : r.pictures) {
    claim(p.path, p.source);
    int fw = p.frameWidth ? p.frameWidth : p.width, fh = p.frameHeight ? p.frameHeight : p.height;
    if (p.width < 1 || p.height < 1 || p.width > 4096 || p.height > 4096 || fw < 1 || fh < 1 ||
        fw > p.width || fh > p.height) {
      std::fprintf(stderr, "assetgen: %s (%s): bad size %dx%d with frames %dx%d\n", p.path.c_str(),
                   p.source.c_str(), p.width, p.height, p.frameWidth, p.frameHeight);
      ok = 0;
    }
    if (!ValidKey(p.key)) {
      std::fprintf(stderr, "assetgen: %s (%s): colour key 0x%08X is none of the game's keys\n",
                   p.path.c_str(), p.source.c_str(), p.key);
      ok = 0;
    }
    if (!p.draw) {
      std::fprintf(stderr, "assetgen: %s (%s): no draw function\n", p.path.c_str(),
                   p.source.c_str());
      ok = 0;
    }
  }
  for (const FileEntry& f : r.files) {
    claim(f.path, f.source);
    if (!f.make) {
      std::fprintf(stderr, "assetgen: %s (%s): no content function\n", f.path.c_str(),
                   f.source.c_str());
      ok = 0;
    }
  }
  return ok;
}

// Draws one picture; 0 when the draw function broke the canvas' size.
int Draw(const PictureEntry& p, Canvas* out) {
  *out = Canvas(p.width, p.height, p.key, HashString(p.path));
  p.draw(*out);
  if (out->w != p.width || out->h != p.height ||
      out->px.size() != size_t(p.width) * size_t(p.height)) {
    std::fprintf(stderr, "assetgen: %s (%s): the draw function changed the canvas size\n",
                 p.path.c_str(), p.source.c_str());
    return 0;
  }
  return 1;
}

// Runs job(i) for i in 0..n-1 on all cores; returns 0 when any job did.
int Parallel(size_t n, const std::function<int(size_t)>& job) {
  std::atomic<size_t> next{0};
  std::atomic<int> ok{1};
  unsigned threads = std::max(1u, std::min(std::thread::hardware_concurrency(), 16u));
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t)
    pool.emplace_back([&] {
      for (size_t i; (i = next.fetch_add(1)) < n;)
        if (!job(i)) ok = 0;
    });
  for (std::thread& th : pool) th.join();
  return ok;
}

int WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) return 0;
  f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  f.close();
  return f ? 1 : 0;
}

// Writes a file only where nothing is: 1 written, -1 something is there
// already (left as it is, whatever it is, never read), 0 on a fault (and no
// file left behind).
int WriteNewBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wbx");  // x: made here or not at all
  if (!f) return errno == EEXIST ? -1 : 0;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) std::remove(path.c_str());
  return ok ? 1 : 0;
}

int ReadBytes(const fs::path& path, std::vector<uint8_t>* bytes) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return 0;
  bytes->assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return 1;
}

uint64_t PixelHash(const Canvas& c) {
  uint64_t h = 1469598103934665603ull;
  for (Rgb v : c.px) h = (h ^ v) * 1099511628211ull;
  return h;
}

// Re-reads a written picture through SDL's BMP reader and compares its size
// and pixels (by hash). Runs on the main thread: SDL keeps per-thread state.
int CheckBmp(const fs::path& file, const PictureEntry& p, uint64_t hash) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) {
    std::fprintf(stderr, "assetgen: %s is missing\n", p.path.c_str());
    return 0;
  }
  SDL_Surface* s = SDL_LoadBMP(file.string().c_str());
  if (!s) {
    std::fprintf(stderr, "assetgen: %s does not read back: %s\n", p.path.c_str(), SDL_GetError());
    return 0;
  }
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(s);
  if (!rgb) return 0;
  int ok = 1;
  if (rgb->w != p.width || rgb->h != p.height) {
    std::fprintf(stderr, "assetgen: %s reads back as %dx%d, not %dx%d\n", p.path.c_str(), rgb->w,
                 rgb->h, p.width, p.height);
    ok = 0;
  } else {
    Canvas back(rgb->w, rgb->h);
    SDL_LockSurface(rgb);
    for (int y = 0; y < rgb->h; ++y) {
      const uint32_t* row = reinterpret_cast<const uint32_t*>(
          static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch);
      for (int x = 0; x < rgb->w; ++x) back.px[size_t(y) * rgb->w + x] = row[x] & 0xFFFFFF;
    }
    SDL_UnlockSurface(rgb);
    if (PixelHash(back) != hash) {
      std::fprintf(stderr, "assetgen: %s differs on disk\n", p.path.c_str());
      ok = 0;
    }
  }
  SDL_FreeSurface(rgb);
  return ok;
}

// Near-key colours beside key pixels show as a coloured fringe in the game.
int FringePixels(const Canvas& c) {
  if (!c.keyed || c.key == 0x000000) return 0;
  int n = 0;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      Rgb v = c.px[size_t(y) * c.w + x];
      if (v == c.key) continue;
      int dr = RedOf(v) - RedOf(c.key), dg = GreenOf(v) - GreenOf(c.key),
          db = BlueOf(v) - BlueOf(c.key);
      if (dr * dr + dg * dg + db * db > 40 * 40) continue;
      if (c.IsKey(x + 1, y) || c.IsKey(x - 1, y) || c.IsKey(x, y + 1) || c.IsKey(x, y - 1)) ++n;
    }
  return n;
}

// Writes (write = true) or compares (false) every file under gamedir;
// *files counts the files other than pictures written or compared.
int Generate(const Registry& r, const fs::path& dir, bool write, size_t* files) {
  *files = 0;
  if (write) {
    std::error_code ec;
    for (const PictureEntry& p : r.pictures)
      fs::create_directories((dir / p.path).parent_path(), ec);
    for (const FileEntry& f : r.files) fs::create_directories((dir / f.path).parent_path(), ec);
  }
  std::mutex printLock;
  std::vector<uint64_t> hashes(r.pictures.size());
  int ok = Parallel(r.pictures.size(), [&](size_t i) {
    const PictureEntry& p = r.pictures[i];
    Canvas c;
    if (!Draw(p, &c)) return 0;
    hashes[i] = PixelHash(c);
    fs::path file = dir / p.path;
    if (write && !WriteBytes(file, BmpBytes(c))) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", file.string().c_str());
      return 0;
    }
    if (int n = FringePixels(c)) {
      std::lock_guard<std::mutex> lock(printLock);
      std::fprintf(stderr, "assetgen: warning: %s (%s): %d near-key pixels beside the key colour\n",
                   p.path.c_str(), p.source.c_str(), n);
    }
    return 1;
  });
  for (size_t i = 0; i < r.pictures.size(); ++i)
    if (!CheckBmp(dir / r.pictures[i].path, r.pictures[i], hashes[i])) ok = 0;
  for (const FileEntry& f : r.files) {
    std::vector<uint8_t> bytes = f.make(), back;
    fs::path file = dir / f.path;
    if (f.playersOwn) {
      // Once there it holds the player's choices: never written over, and
      // not ours to compare.
      if (!write) continue;
      const int made = WriteNewBytes(file, bytes);
      if (made < 0) {
        std::printf("assetgen: %s is the player's: kept as it is\n", f.path.c_str());
        continue;
      }
      if (made == 0) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", file.string().c_str());
        ok = 0;
        continue;
      }
    } else if (write && !WriteBytes(file, bytes)) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", file.string().c_str());
      ok = 0;
      continue;
    }
    if (!ReadBytes(file, &back) || back != bytes) {
      std::fprintf(stderr, "assetgen: %s %s\n", f.path.c_str(),
                   write ? "does not read back" : "is missing or differs");
      ok = 0;
    }
    ++*files;
  }
  return ok;
}

// ---------------------------------------------------------------- contact sheet

constexpr Rgb kSheetGround = 0x26262B, kGap = 0x1F7A7A, kCheckA = 0x8C8C92, kCheckB = 0x5E5E64;

// The picture with its frames set apart by gaps; key pixels marked in mask.
Canvas Spaced(const Canvas& c, const PictureEntry& p, std::vector<uint8_t>* see) {
  int fw = p.frameWidth ? p.frameWidth : p.width, fh = p.frameHeight ? p.frameHeight : p.height;
  int cols = c.w / fw, rows = c.h / fh;
  bool spaced = (cols > 1 || rows > 1) && c.w % fw == 0 && c.h % fh == 0;
  int gap = spaced ? 2 : 0;
  int tw = spaced ? cols * fw + (cols - 1) * gap : c.w,
      th = spaced ? rows * fh + (rows - 1) * gap : c.h;
  Canvas t(tw, th);
  t.Fill(kGap);
  see->assign(size_t(tw) * th, 0);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      int tx = spaced ? x + (x / fw) * gap : x, ty = spaced ? y + (y / fh) * gap : y;
      Rgb v = c.px[size_t(y) * c.w + x];
      t.px[size_t(ty) * tw + tx] = v;
      (*see)[size_t(ty) * tw + tx] = c.keyed && v == c.key ? 1 : 2;
    }
  return t;
}

std::string KeyName(uint32_t k) {
  switch (k) {
    case kKeyNone: return "no key";
    case kKeyBlack: return "key black";
    case kKeyRed: return "key red";
    case kKeyGreen: return "key green";
    case kKeyBlue: return "key blue";
    case kKeyWhite: return "key white";
  }
  return "key ?";
}

int Contact(const Registry& r, const std::string& png, const std::string& only, int maxSide) {
  std::vector<size_t> pick;
  for (size_t i = 0; i < r.pictures.size(); ++i)
    if (only.empty() || r.pictures[i].path.find(only) != std::string::npos) pick.push_back(i);
  if (pick.empty()) {
    std::fprintf(stderr, "assetgen: no picture matches\n");
    return 0;
  }
  std::vector<Canvas> drawn(pick.size());
  if (!Parallel(pick.size(), [&](size_t i) { return Draw(r.pictures[pick[i]], &drawn[i]); }))
    return 0;

  const int cellW = maxSide + 16, labelH = 30, cellH = maxSide + labelH + 10;
  const int cols = std::max(1, std::min(int(pick.size()), 1600 / cellW));
  const int rowsPerPage = std::max(1, 1300 / cellH);
  const int perPage = cols * rowsPerPage;
  const int pages = int((pick.size() + perPage - 1) / perPage);
  std::string stem =
      png.size() > 4 && png.substr(png.size() - 4) == ".png" ? png.substr(0, png.size() - 4) : png;
  for (int page = 0; page < pages; ++page) {
    int first = page * perPage, count = std::min(perPage, int(pick.size()) - first);
    int rowsHere = (count + cols - 1) / cols;
    Canvas sheet(cols * cellW, rowsHere * cellH);
    sheet.Fill(kSheetGround);
    for (int n = 0; n < count; ++n) {
      const PictureEntry& p = r.pictures[pick[first + n]];
      std::vector<uint8_t> see;
      Canvas t = Spaced(drawn[first + n], p, &see);
      int big = std::max(t.w, t.h);
      float s = big * 2 <= maxSide ? float(std::min(maxSide / big, 4))
                                   : std::min(1.0f, float(maxSide) / big);
      int dw = std::max(1, int(t.w * s)), dh = std::max(1, int(t.h * s));
      int cx = (n % cols) * cellW + 8, cy = (n / cols) * cellH + 4;
      for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
          int sx = int(int64_t(x) * t.w / dw), sy = int(int64_t(y) * t.h / dh);
          uint8_t kind = see[size_t(sy) * t.w + sx];
          Rgb v = kind == 1 ? ((((x / 4) + (y / 4)) & 1) ? kCheckA : kCheckB)
                            : t.px[size_t(sy) * t.w + sx];
          sheet.Set(cx + x, cy + y, v);
        }
      TextStyle ts;
      ts.bold = false;
      ts.size = 11;
      ts.color = 0xE6E6E6;
      ts.align = Align::Left;
      ts.margin = 0;
      std::string name = p.path.rfind("Art/", 0) == 0 ? p.path.substr(4) : p.path;
      char info[96];
      std::snprintf(info, sizeof info, "%dx%d  frames %dx%d  %s", p.width, p.height, p.frameWidth,
                    p.frameHeight, KeyName(p.key).c_str());
      sheet.Text(cx, cy + maxSide + 4, cellW - 12, 14, name, ts);
      ts.color = 0xA0A0A8;
      sheet.Text(cx, cy + maxSide + 18, cellW - 12, 14, info, ts);
    }
    std::string out = pages == 1 ? png : stem + "-" + std::to_string(page + 1) + ".png";
    if (!WritePng(out, sheet)) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", out.c_str());
      return 0;
    }
    std::printf("%s: %d pictures\n", out.c_str(), count);
  }
  return 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: assetgen <gamedir>\n"
               "       assetgen --verify <gamedir>\n"
               "       assetgen --contact <png> [--only <text>] [--max <pixels>]\n"
               "       assetgen --icon <png>\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  if (std::strcmp(argv[1], "--icon") == 0) {
    // The desktop icon: no game folder, only the one picture.
    if (argc != 3) return Usage();
    const int ok = WritePng(argv[2], DrawGameIcon(256));
    ShutdownFonts();
    return ok ? 0 : 1;
  }
  Registry r;
  if (!Collect(r)) return 1;
  int ok = 0;
  std::string a1 = argv[1];
  if (a1 == "--contact") {
    if (argc < 3) return Usage();
    std::string only;
    int maxSide = 240;
    for (int i = 3; i + 1 < argc; i += 2) {
      if (std::strcmp(argv[i], "--only") == 0) only = NormalisePath(argv[i + 1]);
      else if (std::strcmp(argv[i], "--max") == 0)
        maxSide = std::clamp(std::atoi(argv[i + 1]), 32, 1024);
      else return Usage();
    }
    ok = Contact(r, argv[2], only, maxSide);
  } else if (a1 == "--verify") {
    if (argc != 3) return Usage();
    size_t files = 0;
    ok = Generate(r, argv[2], false, &files);
    if (ok) std::printf("assetgen: %zu pictures and %zu files match\n", r.pictures.size(), files);
  } else if (argc == 2 && a1.rfind("--", 0) != 0) {
    size_t files = 0;
    ok = Generate(r, a1, true, &files);
    if (ok) std::printf("assetgen: wrote %zu pictures and %zu files\n", r.pictures.size(), files);
  } else {
    return Usage();
  }
  ShutdownFonts();
  return ok ? 0 : 1;
}
