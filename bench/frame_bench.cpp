// Frame benchmark: a typical busy frame (a full-screen background, 300
// scaled colour-keyed sprites, 20 texts) drawn through the platform layer,
// next to the same draws through SDL's own surface blitter, the real
// screens' busiest frames (the kingdom map's and the battle's, map_scene.h
// and battle_scene.h) and a plain copy of a whole frame. Prints
// milliseconds per frame (least, middle, greatest) and each frame's middle
// time as a multiple of the copy's. Not a test.
#include <SDL.h>
#include <SDL_ttf.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "battle_scene.h"
#include "bench_game.h"
#include "map_scene.h"
#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"
#include "platform/texture.h"

namespace {

constexpr int kW = 800;
constexpr int kH = 600;
constexpr int kSprites = 300;
constexpr int kTexts = 20;
constexpr int kFrames = 300;
constexpr const char* kFontFile =
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

struct Placement {
  int frame;
  int x;
  int y;
  float sx;
  float sy;
};

uint32_t g_seed = 12345;
uint32_t Next() {
  g_seed = g_seed * 1664525u + 1013904223u;
  return g_seed >> 8;
}

std::vector<uint32_t> Background() {
  std::vector<uint32_t> px(kW * kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      px[y * kW + x] =
          0xFF000000u | ((x * 255 / kW) << 16) | ((y * 255 / kH) << 8) | ((x ^ y) & 255);
  return px;
}

// 256 x 256: 16 frames of 64 x 64, each a coloured disc on black (the key).
std::vector<uint32_t> Sprites() {
  std::vector<uint32_t> px(256 * 256, 0xFF000000u);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const int cx = x % 64 - 32, cy = y % 64 - 32;
      if (cx * cx + cy * cy < 900) {
        const uint32_t k = static_cast<uint32_t>((y / 64) * 4 + x / 64);
        px[y * 256 + x] = 0xFF000000u | ((40 + k * 13) << 16) | ((200 - k * 9) << 8) | (x & 255);
      }
    }
  return px;
}

template <class F>
bench::Spread MsPerFrame(F&& frame) {
  return bench::MsEach(kFrames, frame);
}

// A frame's spread with its middle time as a multiple of another's.
void PrintBeside(const char* label, const bench::Spread& s, const bench::Spread& base,
                 const char* baseName) {
  bench::PrintSpread(label, s);
  std::printf("  %-32s %9.2fx %s\n", "", base.median > 0 ? s.median / base.median : 0.0, baseName);
}

}  // namespace

int main() {
  // Our layer, in the game folder (the real screens load the game's
  // pictures).
  GraphicsDevice device;
  if (!bench::OpenGame("frame_bench", device)) return 1;
  std::vector<Placement> places;
  for (int i = 0; i < kSprites; ++i) {
    Placement p;
    p.frame = static_cast<int>(Next() % 16);
    p.x = static_cast<int>(Next() % (kW + 64)) - 64;
    p.y = static_cast<int>(Next() % (kH + 64)) - 64;
    p.sx = 0.5f + static_cast<float>(Next() % 100) / 100.0f;
    p.sy = 0.5f + static_cast<float>(Next() % 100) / 100.0f;
    places.push_back(p);
  }
  std::vector<std::string> texts;
  for (int i = 0; i < kTexts; ++i)
    texts.push_back("Line " + std::to_string(i) + ": the party rests at the village");

  const std::vector<uint32_t> backPixels = Background();
  const std::vector<uint32_t> spritePixels = Sprites();

  Texture back;
  back.LoadPixels(&device, backPixels.data(), kW, kH, 0, kFormatA1R5G5B5);
  SpriteSheet sheet;
  sheet.Init(&device, 1);
  sheet.SetAlphaTest(1);
  sheet.textures[0].LoadPixels(&device, spritePixels.data(), 256, 256, 0xFF000000u,
                               kFormatA1R5G5B5);
  sheet.frameWidth[0] = 64;
  sheet.frameHeight[0] = 64;
  sheet.framesPerRow[0] = 4;
  TextFont font;
  const bool haveFont = font.Create(&device, "Arial", 22, 0, 0, 0, 0) == 1;
  const bench::Spread ours = MsPerFrame([&] {
    device.BeginScene();
    device.Clear(0, 1.0f);
    back.Draw(0, 0, 0, 0, 0, 0, 1.0f, 1.0f, 0xFFFFFFFF);
    for (const Placement& p : places) sheet.Draw(0, p.frame, p.x, p.y, 0xFFFFFFFF, p.sx, p.sy);
    for (int i = 0; i < kTexts; ++i)
      font.DrawText(texts[i].c_str(), 20, 20 + i * 28, 760, 28, 0xFFE6E6E6, 0);
    device.EndScene();
    device.Present();
  });

  // SDL's surface blitter doing the same.
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_Surface* backSurface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint32_t*>(backPixels.data()), kW, kH, 32, kW * 4, SDL_PIXELFORMAT_ARGB8888);
  SDL_Surface* spriteSurface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint32_t*>(spritePixels.data()), 256, 256, 32, 256 * 4, SDL_PIXELFORMAT_ARGB8888);
  SDL_SetSurfaceBlendMode(backSurface, SDL_BLENDMODE_NONE);
  SDL_SetSurfaceBlendMode(spriteSurface, SDL_BLENDMODE_NONE);
  SDL_SetColorKey(spriteSurface, SDL_TRUE, 0xFF000000u);
  std::vector<SDL_Surface*> textSurfaces;
  if (TTF_Init() == 0) {
    if (TTF_Font* f = TTF_OpenFont(kFontFile, 22)) {
      for (const std::string& t : texts) {
        textSurfaces.push_back(TTF_RenderText_Blended(f, t.c_str(), SDL_Color{230, 230, 230, 255}));
      }
      TTF_CloseFont(f);
    }
  }
  const bench::Spread sdl = MsPerFrame([&] {
    SDL_FillRect(target, nullptr, 0xFF000000u);
    SDL_BlitSurface(backSurface, nullptr, target, nullptr);
    for (const Placement& p : places) {
      SDL_Rect src{(p.frame % 4) * 64, (p.frame / 4) * 64, 64, 64};
      SDL_Rect dst{p.x, p.y, static_cast<int>(64 * p.sx), static_cast<int>(64 * p.sy)};
      SDL_BlitScaled(spriteSurface, &src, target, &dst);
    }
    for (size_t i = 0; i < textSurfaces.size(); ++i) {
      if (!textSurfaces[i]) continue;
      SDL_Rect dst{20, 20 + static_cast<int>(i) * 28, 0, 0};
      SDL_BlitSurface(textSurfaces[i], nullptr, target, &dst);
    }
  });

  // A plain copy of one whole frame.
  std::vector<uint32_t> copy(kW * kH);
  const bench::Spread plain = MsPerFrame([&] {
    std::memcpy(copy.data(), backPixels.data(), copy.size() * 4);
    copy[Next() % copy.size()] ^= 1u;  // keep the copy from being optimised away
  });

  // The real screens' busiest frames.
  bench::Spread mapFrame, battleFrame;
  int mapObjects = 0;
  {
    auto scene = std::make_unique<bench::MapScene>();
    if (scene->Build(device)) mapFrame = MsPerFrame([&] { scene->Frame(device); });
    mapObjects = scene->onScreen;
  }
  {
    auto scene = std::make_unique<bench::BattleScene>();
    scene->Build(device);
    battleFrame = MsPerFrame([&] { scene->Frame(device); });
  }

  std::printf("%d frames each:\n", kFrames);
  bench::PrintSpread("plain full-frame copy", plain);
  std::printf("busy frame (%d sprites, %d texts)%s:\n", kSprites, kTexts,
              haveFont ? "" : " (no font found)");
  PrintBeside("platform layer", ours, plain, "the copy");
  PrintBeside("SDL surface blitter", sdl, plain, "the copy");
  std::printf("  %-32s %9.3fx SDL's\n", "platform layer",
              sdl.median > 0 ? ours.median / sdl.median : 0.0);
  std::printf("real screens:\n");
  char label[64];
  std::snprintf(label, sizeof label, "kingdom map (%d objects shown)", mapObjects);
  PrintBeside(label, mapFrame, plain, "the copy");
  PrintBeside("battle 73", battleFrame, plain, "the copy");

  for (SDL_Surface* s : textSurfaces) SDL_FreeSurface(s);
  SDL_FreeSurface(spriteSurface);
  SDL_FreeSurface(backSurface);
  SDL_FreeSurface(target);
  TTF_Quit();
  return 0;
}
