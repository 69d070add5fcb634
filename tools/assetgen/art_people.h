// People and animals as the map and the battle draw them: one small figure
// model (a body with a head, headgear, a weapon and the side's colours) that
// turns through the eight facings, walks, and strikes; the dogs; the faces of
// the portraits. The map's walkers and enemy armies (art_population.cpp) and
// the battle's units, army icons and portraits (art_battle_*.cpp) are all
// drawn from it, so they read as the same people.
#pragma once

#include <initializer_list>
#include <vector>

#include "art_figure.h"
#include "assetgen.h"

namespace people {

using assetgen::Canvas;
using assetgen::Rgb;
using figart::Scene;
using figart::Shape;
using figart::V2;

// ------------------------------------------------------------------ placing shapes

// No outline and no bevel: small details laid over a shape.
Shape& Plain(Shape& s);

// Places a figure: local units (x right, y up from the feet, a grown figure
// 56 tall) into frame pixels, mirrored when facing left. With a turn, local
// points are first turned by `turn` radians (counter-clockwise, before the
// mirroring) about (pivotX, pivotY): a weapon swung about the hand.
struct Place {
  float cx, footY, k;
  float dir;  // 1 or -1
  float turn = 0, pivotX = 0, pivotY = 0;
  V2 P(float x, float y) const;
  float L(float v) const { return v * k; }
};

Shape& Ell(Scene& s, const Place& p, float x, float y, float rx, float ry, Rgb c);
Shape& Cap(Scene& s, const Place& p, float x0, float y0, float x1, float y1, float r0, float r1,
           Rgb c);
Shape& Poly(Scene& s, const Place& p, std::initializer_list<V2> pts, Rgb c);
Shape& BoxAt(Scene& s, const Place& p, float x0, float y0, float x1, float y1, float r, Rgb c);

// ------------------------------------------------------------------ people

enum class Head { Bare, Crown, Hood, Helmet, PlumedHelmet, Horned, Bandana, Turban, StrawHat, Cap };
enum class Weapon { None, Sword, Spear, Club, Axe, Bow, Pitchfork, Halberd, Banner };

struct Look {
  Rgb skin = assetgen::pal::Skin;
  Rgb hair = assetgen::pal::HairBrown;
  Rgb tunic = assetgen::pal::Blue;
  Rgb trim = assetgen::pal::Gold;
  Rgb cape = 0;  // 0: none
  Rgb legs = assetgen::pal::WoodDark;
  Rgb boots = assetgen::pal::WoodDeep;
  Rgb headColor = assetgen::pal::Gold;
  Head head = Head::Bare;
  Weapon weapon = Weapon::Sword;
  Rgb shield = 0;  // 0: none
  Rgb metal = assetgen::pal::Steel;
  bool armour = false;  // a mail shirt
};

// View of a facing 0..7 (0 up, clockwise): 0 back, 1 three-quarter back,
// 2 side, 3 three-quarter front, 4 front; dir 1 right, -1 left.
void ViewOf(int facing, int* view, float* dir);

// The walking phases' leg swing, one per frame of a facing.
extern const float kStride[4];

// No blow: the figure walks or stands.
constexpr float kNoStrike = -1.0f;

// One figure. stride -1..1 swings the legs (and the arms against them);
// strike 0..1 is the phase of a blow with the weapon (wind-up, overhead,
// swing, follow-through), kNoStrike for none.
void AddPerson(Scene& s, const Place& pl, const Look& l, int view, float stride, bool shadow = true,
               float strike = kNoStrike);

Look PlayerLook();
Look HeroLook();
Look KingdomSoldier();

// The rank behind a group's leader: the same people in a darker tunic, with
// spears where the leader carries the banner.
Look RankOf(const Look& leader);

// The enemy's kinds of people; the map's and the battle's pictures of a kind
// show the same look.
enum class EnemyKind { Bandits, Raiders, Veterans, Archers, RedHeads, Heavy, Host, Desert };
Look EnemyLook(EnemyKind kind);

// ------------------------------------------------------------------ animals

// A dog (a wolf with red eyes and no collar) in a view 0..4.
void AddDog(Scene& s, const Place& p, Rgb fur, Rgb belly, float stride, bool wolf, int view);

// ------------------------------------------------------------------ faces

struct Face {
  Rgb skin, hair, clothes, back;
  int hairStyle;  // 0 short, 1 long, 2 bald, 3 hood
  bool beard;
  Rgb beardColor;
  Head hat;
  Rgb hatColor;
};

// A head-and-shoulders portrait filling the canvas (square, any size); an
// unkeyed canvas gets the face's background.
void DrawFace(Canvas& f, const Face& face);

// The player's two portraits (by portrait number) and the ten heroes'.
extern const Face kPlayerFaces[2];
extern const Face kHeroFaces[10];

}  // namespace people
