// Figure pictures: the bare body parts (art_figure.cpp) and the worn items
// (art_items.cpp) are drawn from one model of the figure, so that every
// layer lines up with the others on the party screens.
//
// Figure space: the screen pixels of the party screens, with the figure's
// left edge (the x the screens pass, 255) at 0 and y as on the screen. A
// picture drawn by the screens at (x + dx, y) with scale (sx, sy) shows, in
// its pixel (u, v), the figure point (dx + (u + 0.5) sx, y + (v + 0.5) sy);
// RenderPlaced samples the figure there. The places (dx, y, sx, sy) are the
// game's own, from game/figure_layout.h. Icons frame a scene instead
// (RenderFitted).
#pragma once

#include <deque>
#include <vector>

#include "assetgen.h"
#include "game/figure_layout.h"

namespace figart {

using assetgen::Canvas;
using assetgen::Rgb;

struct V2 {
  float x, y;
};

enum class ShapeType { Ellipse, Capsule, Polygon, Box };

// Surface patterns, in figure units.
enum class Pattern { None, Chain, Bands, Rivets, Scales, Stitches, Runes, Weave, Quilt };

struct Shape {
  ShapeType type = ShapeType::Ellipse;
  V2 a{0, 0}, b{0, 0};   // ellipse: centre, radii; capsule: the two ends; box: min and max corner
  float r0 = 0, r1 = 0;  // capsule: radius at a and at b; box: corner radius
  std::vector<V2> pts;   // polygon
  Rgb color = 0;
  float outline = 1.0f;  // ink rim, in output pixels (0: none)
  Rgb outlineColor = assetgen::pal::Ink;
  float bevel = 2.5f;  // lit/shaded rim, in output pixels
  float bevelStrength = 0.35f;
  bool metal = false;  // a bright streak down the left third
  bool dome = false;   // rounder shading across the whole shape
  Pattern pattern = Pattern::None;
  Rgb patternColor = 0;
  float patternSize = 4.0f;  // figure units
  bool hole = false;         // cuts the shapes below back to the background
  // Filled by Scene::Add.
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

class Scene {
 public:
  Shape& Add(const Shape& s);
  Shape& Ellipse(float cx, float cy, float rx, float ry, Rgb c);
  Shape& Capsule(float ax, float ay, float bx, float by, float ra, float rb, Rgb c);
  Shape& Polygon(const std::vector<V2>& pts, Rgb c);
  Shape& Box(float x0, float y0, float x1, float y1, float radius, Rgb c);
  // The polygon mirrored about the vertical line x = axis.
  static std::vector<V2> Mirror(const std::vector<V2>& pts, float axis);
  void Append(const Scene& other);
  // Bounding box of every shape (outlines not included).
  void Bounds(float* x0, float* y0, float* x1, float* y1) const;

  // Bottom first. A deque, so that a Shape& taken from Add stays valid while
  // more shapes are added.
  std::deque<Shape> shapes;
};

// Samples the scene for a picture that the screens draw at figure point
// (dx, dy) with scale (sx, sy); then rings the shapes with ink.
void RenderPlaced(const Scene& scene, Canvas& c, float dx, float dy, float sx, float sy);
// Frames the scene in the canvas with a margin, turned by angle degrees
// (clockwise), keeping its proportions.
void RenderFitted(const Scene& scene, Canvas& c, float margin, float angle = 0);

// The bare figure of a look (0, 1 or 2), one body part at a time. Each part
// is numbered as its place in figure_layout::kBodyPlaces.
enum class BodyPart {
  Legs = figure_layout::kPlaceLegs,
  Chest = figure_layout::kPlaceChest,
  Hand1 = figure_layout::kPlaceHand1,
  Hand2 = figure_layout::kPlaceHand2,
  Foot1 = figure_layout::kPlaceFoot1,
  Foot2 = figure_layout::kPlaceFoot2,
};
void AddBodyPart(Scene& scene, int look, BodyPart part);
// The neck, from under the chin down into the shoulders. The chest of every
// look has it; so does every worn torso picture, which the screens draw in
// the chest's stead, or the head picture's own lower edge (hair, a collar)
// would show between the chin and the armour.
void AddNeck(Scene& scene, Rgb skin);

// Landmarks of the figure, shared by the body and the items.
namespace fig {
constexpr float kCentreX = 80;  // the figure's middle line
constexpr float kNeckTop = 256, kNeckBottomY = 278, kShoulderY = 276, kWaistY = 378;
constexpr float kHandLeftX = 39, kHandRightX = 120.5f, kHandY = 376;
constexpr float kHipY = 392, kAnkleY = 470;
constexpr float kLegLeftX = 66, kLegRightX = 94;
}  // namespace fig

}  // namespace figart
