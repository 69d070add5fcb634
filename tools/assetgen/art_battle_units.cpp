// The units on the battlefield: the kingdom's armies, the allied units and the
// enemy armies, each a group of three (or a pack of three dogs) in 64 x 64
// frames: per facing standing, three walking steps and four steps of a blow
// (battle/battle_art.h gives the frame order). The icons of the kingdom's
// armies and of the allied units (the map's unit panel and the battle's
// bottom bar show them) are drawn here too, from the same looks.
#include <cmath>
#include <string>

#include "art_battle.h"
#include "art_people.h"
#include "assetgen.h"
#include "battle/battle_art.h"
#include "party/exchange_art.h"

using namespace assetgen;
using namespace people;
namespace ba = battle_art;

namespace {

// A unit's frame: the facing, and either a walking stride or a blow's phase.
struct Pose {
  int facing;
  float stride;
  float strike;  // kNoStrike while standing or walking
};

// Standing, then the three walking steps that the battle plays back and forth.
constexpr float kWalkStride[ba::kFramesPerFacing] = {0.0f, -1.0f, 0.0f, 1.0f};

Pose PoseOf(int frame) {
  if (frame >= ba::kStrikeFirstFrame) {
    const int k = frame - ba::kStrikeFirstFrame;
    return {k / ba::kFramesPerFacing, 0.0f,
            float(k % ba::kFramesPerFacing) / float(ba::kFramesPerFacing - 1)};
  }
  return {frame / ba::kFramesPerFacing, kWalkStride[frame % ba::kFramesPerFacing], kNoStrike};
}

// Where the three of a group stand in the frame: two behind, the leader in
// front. The battle draws the frame at 0.9 from 8 pixels into the cell, so
// the group fills the frame and the soldier count sits under it.
struct Spot {
  float x, footY, k;
};
constexpr Spot kGroup[3] = {{15.0f, 44.0f, 0.7f}, {49.0f, 44.0f, 0.7f}, {32.0f, 63.0f, 0.86f}};
constexpr Spot kPack[3] = {{20.0f, 36.0f, 0.95f}, {44.0f, 44.0f, 0.95f}, {28.0f, 60.0f, 1.05f}};

// In the battle the rank wears no cape.
Look BattleRank(const Look& leader) {
  Look rank = RankOf(leader);
  rank.cape = 0;
  return rank;
}

void DrawPeople(Canvas& c, const Look& leader) {
  const Look rank = BattleRank(leader);
  ForEachFrame(c, ba::kUnitFrameSize, ba::kUnitFrameSize, ba::kUnitFrames, [&](Canvas& f, int k) {
    const Pose pose = PoseOf(k);
    int view;
    float dir;
    ViewOf(pose.facing, &view, &dir);
    Scene s;
    for (int i = 0; i < 3; ++i) {
      const Spot& at = kGroup[i];
      // The rank steps against the leader; in a blow they strike a beat apart.
      const float stride = i == 1 ? -pose.stride : pose.stride;
      float strike = pose.strike;
      if (strike >= 0 && i < 2) strike = std::fmod(strike + 0.34f * float(i + 1), 1.0f);
      AddPerson(s, Place{at.x, at.footY, at.k, dir}, i == 2 ? leader : rank, view, stride, true,
                strike);
    }
    figart::RenderPlaced(s, f, 0, 0, 1, 1);
  });
}

void DrawPack(Canvas& c, Rgb fur, Rgb belly, bool wolves) {
  ForEachFrame(c, ba::kUnitFrameSize, ba::kUnitFrameSize, ba::kUnitFrames, [&](Canvas& f, int k) {
    const Pose pose = PoseOf(k);
    int view;
    float dir;
    ViewOf(pose.facing, &view, &dir);
    // A bite: the pack lunges toward its facing and back.
    const float lunge = pose.strike >= 0 ? 5.0f * std::sin(pose.strike * 3.14159265f) : 0.0f;
    const float dx = view == 0 || view == 4 ? 0.0f : dir * lunge;
    const float dy = view <= 1 ? -lunge : (view >= 3 ? lunge * 0.6f : 0.0f);
    const float stride = pose.strike >= 0 ? (pose.strike < 0.5f ? 1.0f : -1.0f) : pose.stride;
    Scene s;
    for (int i = 0; i < 3; ++i) {
      const Spot& at = kPack[i];
      const Rgb shade = i == 1 ? Darken(fur, 0.15f) : fur;
      AddDog(s, Place{at.x + dx, at.footY + dy, at.k, dir}, shade, belly, i == 1 ? -stride : stride,
             wolves, view);
    }
    figart::RenderPlaced(s, f, 0, 0, 1, 1);
  });
}

// An icon: the leader facing the viewer with two of the rank behind.
void DrawIcon(Canvas& c, const Look& leader, const Look& rank) {
  Scene s;
  AddPerson(s, Place{20.0f, 52.0f, 0.85f, 1.0f}, rank, 4, 0.0f);
  AddPerson(s, Place{44.0f, 52.0f, 0.85f, 1.0f}, rank, 4, 0.0f);
  AddPerson(s, Place{32.0f, 62.0f, 1.0f, 1.0f}, leader, 4, 0.0f);
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

// A dog pack's icon: a dog with a lighter one in front of it.
void DrawDogIcon(Canvas& c, Rgb fur, Rgb belly, Rgb frontFur, Rgb frontBelly) {
  Scene s;
  AddDog(s, Place{24.0f, 46.0f, 1.1f, 1.0f}, fur, belly, 0.4f, false, 2);
  AddDog(s, Place{34.0f, 61.0f, 1.3f, 1.0f}, frontFur, frontBelly, -0.4f, false, 2);
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

// ------------------------------------------------------------------ looks

// The kingdom's armies by army kind (the picture index).
Look ArmyLook(int kind) {
  Look l = KingdomSoldier();
  switch (kind) {
    case 0:  // peasants
      l.tunic = pal::EarthLight;
      l.trim = pal::Earth;
      l.legs = pal::Earth;
      l.head = Head::StrawHat;
      l.headColor = pal::SandLight;
      l.weapon = Weapon::Pitchfork;
      break;
    case 1:  // militia
      l.tunic = pal::BlueLight;
      l.head = Head::Cap;
      l.headColor = pal::Blue;
      l.weapon = Weapon::Spear;
      break;
    case 2:  // infantry
      l.armour = true;
      l.head = Head::Helmet;
      l.headColor = pal::Steel;
      l.shield = pal::Blue;
      break;
    case 3:  // golden infantry
      l.armour = true;
      l.metal = pal::Gold;
      l.head = Head::PlumedHelmet;
      l.headColor = pal::Gold;
      l.trim = pal::BlueDeep;
      l.shield = pal::Gold;
      break;
    case 4:  // royal infantry
      l.tunic = pal::BlueDeep;
      l.armour = true;
      l.metal = pal::Silver;
      l.head = Head::PlumedHelmet;
      l.headColor = pal::Silver;
      l.trim = pal::Gold;
      l.cape = pal::Blue;
      l.weapon = Weapon::Halberd;
      break;
    case 7:  // elite guards
      l.tunic = pal::BlueDeep;
      l.armour = true;
      l.metal = pal::Steel;
      l.head = Head::Helmet;
      l.headColor = pal::Silver;
      l.trim = pal::GoldLight;
      l.cape = pal::GoldDark;
      l.shield = pal::BlueLight;
      break;
    case 8:  // swordsmen
      l.tunic = pal::Blue;
      l.trim = pal::Silver;
      l.head = Head::Bandana;
      l.headColor = pal::BlueDeep;
      l.metal = pal::Silver;
      break;
    case 9:  // warriors
      l.tunic = Mix(pal::Blue, pal::Earth, 0.4f);
      l.head = Head::Horned;
      l.headColor = pal::Steel;
      l.weapon = Weapon::Axe;
      l.legs = pal::EarthDark;
      break;
    default:  // priests with maces
      l.tunic = pal::ParchmentLight;
      l.trim = pal::Gold;
      l.head = Head::Hood;
      l.headColor = pal::Cream;
      l.legs = pal::Parchment;
      l.weapon = Weapon::Club;
      l.cape = pal::Blue;
      break;
  }
  return l;
}

Look AllyLook(int kind) {
  Look l = KingdomSoldier();
  switch (kind) {
    case 0:  // the free companies of the land
      l.tunic = pal::Leaf;
      l.trim = pal::GoldLight;
      l.legs = pal::EarthDark;
      l.head = Head::Cap;
      l.headColor = pal::GrassDark;
      l.weapon = Weapon::Spear;
      l.shield = pal::Grass;
      break;
    case 1:  // the palace guards
      l.tunic = pal::BlueDeep;
      l.trim = pal::Gold;
      l.armour = true;
      l.metal = pal::Gold;
      l.head = Head::PlumedHelmet;
      l.headColor = pal::Gold;
      l.cape = pal::Red;
      l.weapon = Weapon::Halberd;
      break;
    default:  // the castle guards
      l.tunic = pal::Slate;
      l.trim = pal::Blue;
      l.armour = true;
      l.metal = pal::Steel;
      l.head = Head::Helmet;
      l.headColor = pal::Iron;
      l.weapon = Weapon::Spear;
      l.shield = pal::Blue;
      break;
  }
  return l;
}

// The enemy's pictures by picture number; 4 is the wolf pack.
Look EnemyPictureLook(int picture) {
  switch (picture) {
    case 0: return EnemyLook(EnemyKind::Bandits);
    case 1: return EnemyLook(EnemyKind::Raiders);
    case 2: return EnemyLook(EnemyKind::Veterans);
    case 3: return EnemyLook(EnemyKind::Archers);
    case 5: return EnemyLook(EnemyKind::RedHeads);
    case 6: return EnemyLook(EnemyKind::Heavy);
    case 7: return EnemyLook(EnemyKind::Host);
    case 8: return EnemyLook(EnemyKind::Desert);
    case 9: {  // "Enemy10": the dark lord's champions, the strongest of all
      Look l = EnemyLook(EnemyKind::Host);
      l.tunic = Mix(pal::Ink, pal::Purple, 0.5f);
      l.metal = pal::Silver;
      l.head = Head::Horned;
      l.headColor = Mix(pal::Ink, pal::SlateDark, 0.5f);
      l.cape = pal::Purple;
      l.weapon = Weapon::Sword;
      l.shield = pal::RedDeep;
      return l;
    }
    default: {  // "Enemy9": the black guard with great axes
      Look l = EnemyLook(EnemyKind::Heavy);
      l.tunic = Mix(pal::Ink, pal::RedDeep, 0.35f);
      l.metal = pal::SlateDark;
      l.head = Head::PlumedHelmet;
      l.headColor = Mix(pal::Ink, pal::Slate, 0.4f);
      l.trim = pal::Red;
      l.weapon = Weapon::Axe;
      l.shield = 0;
      return l;
    }
  }
}

constexpr int kWolfPicture = 4;
constexpr int kDogKind = 20;
constexpr int kDog2Kind = 21;

}  // namespace

ASSETGEN_TABLE(BattleUnitPictures) {
  for (int kind = 0; kind < ba::kArmyKinds; ++kind) {
    const ba::ArmyKindPictures& p = ba::kArmyKindPictures[kind];
    if (kind == kDogKind) {
      Register(r, p.army, [](Canvas& c) { DrawPack(c, pal::Earth, pal::EarthLight, false); });
      Register(r, p.icon, [](Canvas& c) {
        DrawDogIcon(c, pal::Earth, pal::EarthLight, pal::EarthLight, pal::SandLight);
      });
    } else if (kind == kDog2Kind) {
      Register(r, p.army, [](Canvas& c) { DrawPack(c, pal::SlateLight, pal::StoneLight, false); });
      Register(r, p.icon, [](Canvas& c) {
        DrawDogIcon(c, pal::Slate, pal::SlateLight, pal::SlateLight, pal::StoneLight);
      });
    } else {
      if (p.army.path) Register(r, p.army, [kind](Canvas& c) { DrawPeople(c, ArmyLook(kind)); });
      // The icons' ranks keep their capes.
      if (p.icon.path)
        Register(r, p.icon,
                 [kind](Canvas& c) { DrawIcon(c, ArmyLook(kind), RankOf(ArmyLook(kind))); });
    }
  }
  // The army exchange also shows icons of kinds the battle draws no icon for.
  for (const exchange_art::NumberedPicture& icon : exchange_art::kArmyIcons) {
    const int kind = icon.image;
    if (kind >= ba::kArmyKinds || ba::kArmyKindPictures[kind].icon.path) continue;
    const exchange_art::Picture& p = icon.picture;
    r.Picture(p.path, p.frameWidth, p.frameHeight, p.frameWidth, p.frameHeight, p.key,
              [kind](Canvas& c) { DrawIcon(c, ArmyLook(kind), RankOf(ArmyLook(kind))); });
  }
  for (int kind = 0; kind < ba::kAllyKinds; ++kind) {
    Register(r, ba::kAllyPictures[kind].army, [kind](Canvas& c) { DrawPeople(c, AllyLook(kind)); });
    Register(r, ba::kAllyPictures[kind].icon,
             [kind](Canvas& c) { DrawIcon(c, AllyLook(kind), BattleRank(AllyLook(kind))); });
  }
  for (int picture = 0; picture < ba::kEnemyPictureCount; ++picture) {
    if (picture == kWolfPicture)
      Register(r, ba::kEnemyPictures[picture],
               [](Canvas& c) { DrawPack(c, pal::Slate, pal::SlateLight, true); });
    else
      Register(r, ba::kEnemyPictures[picture],
               [picture](Canvas& c) { DrawPeople(c, EnemyPictureLook(picture)); });
  }
}
