// The three pieces of music, written as standard MIDI files with General MIDI
// instruments: the map and menus (calm, pastoral and regal), the battle
// (driving) and a battle won (a triumphant fanfare). Each ends on the chord
// that leads back to its first bar, and every track ends on the last bar
// line, so the pieces repeat without a seam.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "assetgen.h"

using namespace assetgen;

namespace {

constexpr int kTpb = 480;  // ticks per beat
constexpr int kDrums = 9;  // the General MIDI percussion channel

// General MIDI programs used here.
enum Program {
  kHarp = 46,
  kStrings = 48,
  kSlowStrings = 49,
  kPizzicato = 45,
  kTimpani = 47,
  kFlute = 73,
  kOboe = 68,
  kClarinet = 71,
  kHorn = 60,
  kTrumpet = 56,
  kTrombone = 57,
  kTuba = 58,
  kBrass = 61,
  kCello = 42,
  kContrabass = 43,
  kViolin = 40,
};
// Percussion keys.
enum Drum {
  kKick = 36,
  kSnare = 38,
  kClosedHat = 42,
  kLowTom = 45,
  kMidTom = 47,
  kHighTom = 50,
  kCrash = 49,
  kRide = 51
};

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "assetgen: music: %s\n", what.c_str());
  std::exit(1);
}

// "C#4" -> 61 (C4 is middle C, 60).
int PitchOf(const std::string& n) {
  static const int base[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (n.empty() || n[0] < 'A' || n[0] > 'G') Fail("bad note " + n);
  int p = base[n[0] - 'A'];
  size_t i = 1;
  if (i < n.size() && n[i] == '#') ++p, ++i;
  else if (i < n.size() && n[i] == 'b') --p, ++i;
  if (i >= n.size()) Fail("note without octave " + n);
  return p + 12 * (std::atoi(n.c_str() + i) + 1);
}

struct Chord {
  int root = 0;  // pitch class
  bool minor = false, seventh = false;
  int bass = 0;                     // pitch class of the bass
  std::vector<int> Tones() const {  // pitch classes, root first
    std::vector<int> t = {root, (root + (minor ? 3 : 4)) % 12, (root + 7) % 12};
    if (seventh) t.push_back((root + 10) % 12);
    return t;
  }
};

Chord ParseChord(const std::string& s) {
  Chord c;
  size_t slash = s.find('/');
  std::string head = s.substr(0, slash);
  c.root =
      PitchOf(head.substr(0, head.size() > 1 && (head[1] == '#' || head[1] == 'b') ? 2 : 1) + "0") %
      12;
  c.minor = head.find('m') != std::string::npos;
  c.seventh = head.find('7') != std::string::npos;
  c.bass = slash == std::string::npos ? c.root : PitchOf(s.substr(slash + 1) + "0") % 12;
  return c;
}

// The lowest pitch of pitch class pc at or above lo.
int AtOrAbove(int pc, int lo) { return lo + ((pc - lo) % 12 + 12) % 12; }

class Composer {
 public:
  // chords: one entry per bar; "F G" splits the bar between two chords.
  Composer(int bpm, int beatsPerBar, const std::vector<std::string>& chords, uint64_t seed)
      : beats_(beatsPerBar), bar_(beatsPerBar * kTpb), rng_(seed) {
    for (const std::string& entry : chords) {
      std::istringstream in(entry);
      std::vector<Chord> bar;
      for (std::string c; in >> c;) bar.push_back(ParseChord(c));
      chords_.push_back(bar);
    }
    end_ = bar_ * int(chords_.size());
    conductor_ = m_.AddTrack("Conductor");
    m_.Tempo(conductor_, 0, bpm);
    m_.TimeSignature(conductor_, 0, beatsPerBar, 2);
  }

  int bars() const { return int(chords_.size()); }
  int barTicks() const { return bar_; }

  int Part(const std::string& name, int channel, int program, int volume, int pan,
           int reverb = 50) {
    int t = m_.AddTrack(name);
    channels_.push_back(channel);
    if (channel != kDrums) m_.Program(t, 0, channel, program);
    m_.Control(t, 0, channel, 7, volume);
    m_.Control(t, 0, channel, 10, pan);
    m_.Control(t, 0, channel, 91, reverb);
    return t;
  }

  // The chord sounding at a tick.
  const Chord& ChordAt(int tick) const {
    int b = std::min(tick / bar_, bars() - 1);
    const std::vector<Chord>& in = chords_[b];
    int part = std::min(int(in.size()) - 1, (tick % bar_) * int(in.size()) / bar_);
    return in[part];
  }

  // A note, cut at the end of the piece; velocity varied a little.
  void Note(int track, int tick, int length, int key, int velocity) {
    if (tick >= end_) return;
    length = std::min(length, end_ - tick);
    m_.Note(track, tick, length, ChannelOf(track), key, velocity + rng_.Int(-4, 4));
  }

  // Notes written as "C5:1 D5:0.5 r:1/3 C4+E4:2 | ..." (durations in beats,
  // kept until changed); each bar line checks the bar's length. Returns the
  // tick after the last note.
  int Line(int track, int startBar, const std::string& notes, int velocity, float gate = 0.92f,
           int transpose = 0) {
    std::istringstream in(notes);
    int tick = startBar * bar_, barStart = tick;
    double dur = 1.0;
    for (std::string tok; in >> tok;) {
      if (tok == "|") {
        if (tick - barStart != bar_)
          Fail("bar of " + std::to_string(tick - barStart) + " ticks near \"" +
               notes.substr(0, 40) + "\"");
        barStart = tick;
        continue;
      }
      size_t colon = tok.find(':');
      if (colon != std::string::npos) {
        std::string d = tok.substr(colon + 1);
        size_t sl = d.find('/');
        dur = sl == std::string::npos
                  ? std::atof(d.c_str())
                  : std::atof(d.substr(0, sl).c_str()) / std::atof(d.substr(sl + 1).c_str());
        tok = tok.substr(0, colon);
      }
      int len = int(std::lround(dur * kTpb));
      if (tok != "r") {
        std::istringstream chord(tok);
        for (std::string n; std::getline(chord, n, '+');)
          Note(track, tick, std::max(1, int(len * gate)), PitchOf(n) + transpose, velocity);
      }
      tick += len;
    }
    return tick;
  }

  // Drums from a pattern per bar: one character per sixteenth ('.' rest,
  // 'o' soft, 'x' normal, 'X' accent).
  void Drums(int track, int key, int fromBar, int toBar, const std::string& pattern, int velocity) {
    int steps = int(pattern.size());
    for (int b = fromBar; b < toBar; ++b)
      for (int i = 0; i < steps; ++i) {
        char ch = pattern[size_t(i)];
        if (ch == '.') continue;
        int v = ch == 'X' ? velocity + 20 : (ch == 'o' ? velocity - 30 : velocity);
        Note(track, b * bar_ + i * bar_ / steps, bar_ / steps, key, std::min(v, 127));
      }
  }

  // Sustained chords: one voicing per chord change, from lo upwards.
  void Pad(int track, int fromBar, int toBar, int lo, int velocity) {
    for (int b = fromBar; b < toBar; ++b) {
      int parts = int(chords_[b].size());
      for (int p = 0; p < parts; ++p) {
        int t = b * bar_ + p * bar_ / parts;
        for (int pc : ChordAt(t).Tones())
          Note(track, t, bar_ / parts - 10, AtOrAbove(pc, lo), velocity);
      }
    }
  }

  // The bass: a pattern of (beat offset, length, which: 0 root/bass, 1 fifth, 2 octave).
  struct Step {
    float beat, length;
    int which;
  };
  void Bass(int track, int fromBar, int toBar, int lo, const std::vector<Step>& steps,
            int velocity) {
    for (int b = fromBar; b < toBar; ++b)
      for (const Step& s : steps) {
        int t = b * bar_ + int(s.beat * kTpb);
        const Chord& c = ChordAt(t);
        int root = AtOrAbove(c.bass, lo);
        int key =
            s.which == 0 ? root : (s.which == 1 ? AtOrAbove((c.root + 7) % 12, root) : root + 12);
        Note(track, t, int(s.length * kTpb), key, velocity);
      }
  }

  // Broken chords: pattern of chord-tone indices (0 root, 1 third, 2 fifth,
  // +3 per octave), one per step of stepBeats.
  void Arpeggio(int track, int fromBar, int toBar, int lo, const std::vector<int>& pattern,
                float stepBeats, int velocity, float gate = 1.6f) {
    int step = int(stepBeats * kTpb);
    for (int b = fromBar; b < toBar; ++b)
      for (int i = 0; i * step < bar_; ++i) {
        int t = b * bar_ + i * step;
        std::vector<int> tones = ChordAt(t).Tones();
        int idx = pattern[size_t(i) % pattern.size()];
        int oct = idx / 3, which = idx % 3;
        int key = AtOrAbove(tones[size_t(which)], AtOrAbove(tones[0], lo)) + 12 * oct;
        Note(track, t, int(step * gate), key, velocity - (i % (beats_ * 2) == 0 ? 0 : 8));
      }
  }

  MidiWriter Done() {
    for (int t = 0; t <= int(channels_.size()); ++t) m_.EndOfTrack(t, end_);
    return m_;
  }

 private:
  int ChannelOf(int track) const { return channels_[size_t(track - 1)]; }

  int beats_, bar_, end_ = 0, conductor_ = 0;
  Rng rng_;
  MidiWriter m_{kTpb};
  std::vector<std::vector<Chord>> chords_;
  std::vector<int> channels_;  // per part track (track index - 1)
};

// ---------------------------------------------------------------- the map and menus

// D major, 3/4, 96 beats a minute: 32 bars, about a minute. A flute tune,
// an oboe variation, a regal horn theme, the tune again; it ends on A, which
// leads back to the D of the first bar.
MidiWriter ComposeKingdom() {
  const std::vector<std::string> chords = {
      "D", "G", "D",  "A", "Bm", "G",    "Em", "A",   // A: flute
      "D", "G", "D",  "A", "Bm", "G",    "A",  "D",   // A': oboe
      "G", "D", "Em", "A", "G",  "D/F#", "Em", "A",   // B: horns
      "D", "G", "D",  "A", "Bm", "G",    "Em", "A"};  // A: flute and violins
  Composer c(96, 3, chords, 101);
  int flute = c.Part("Flute", 0, kFlute, 118, 72);
  int oboe = c.Part("Oboe", 1, kOboe, 112, 56);
  int horn = c.Part("Horns", 2, kHorn, 116, 50);
  int harp = c.Part("Harp", 3, kHarp, 110, 80);
  int strings = c.Part("Strings", 4, kSlowStrings, 96, 64, 70);
  int bass = c.Part("Bass", 5, kPizzicato, 110, 58);
  int violin = c.Part("Violins", 6, kStrings, 96, 40, 70);
  int timp = c.Part("Timpani", 7, kTimpani, 96, 64);

  const std::string tuneA =
      "A4:1 D5:1 F#5:1 | G5:2 F#5:0.5 E5:0.5 | F#5:1.5 E5:0.5 D5:1 | E5:3 | "
      "D5:1 F#5:1 B5:1 | A5:1.5 G5:0.5 F#5:0.5 E5:0.5 | G5:1 F#5:1 E5:1 | C#5:2 E5:1 |";
  const std::string tuneA2 =
      "A4:1 D5:1 F#5:1 | B5:2 A5:0.5 G5:0.5 | F#5:1 A5:1 D6:1 | C#6:2 A5:1 | "
      "B5:1.5 A5:0.5 F#5:1 | G5:1 B5:1 D6:1 | C#6:1 B5:1 A5:0.5 G5:0.5 | F#5:3 |";
  const std::string themeB =
      "D4:1 G4:1 B4:1 | A4:2 F#4:1 | G4:1.5 F#4:0.5 E4:1 | E4:1 A4:1 C#5:1 | "
      "D5:2 B4:1 | A4:1.5 G4:0.5 F#4:1 | G4:1 E4:1 B4:1 | A4:3 |";
  const std::string answerB =  // the flute's answer over the horns
      "r:3 | r:1 D6:1 C#6:1 | B5:3 | r:1 C#6:1 E6:1 | r:3 | r:1 A5:1 D6:1 | B5:2 G5:1 | A5:2 C#6:1 "
      "|";

  c.Line(flute, 0, tuneA, 84);
  c.Line(oboe, 8, tuneA2, 80);
  c.Line(horn, 16, themeB, 88);
  c.Line(flute, 16, answerB, 64);
  c.Line(flute, 24, tuneA, 88);
  c.Line(violin, 24, tuneA, 56, 0.95f, -12);

  c.Arpeggio(harp, 0, 32, 50, {0, 1, 2, 3, 2, 1}, 0.5f, 62);
  c.Pad(strings, 8, 32, 54, 44);
  c.Bass(bass, 0, 32, 38, {{0, 1, 0}, {2, 1, 1}}, 78);
  // Soft timpani marking the horn theme's phrases.
  for (int b : {16, 20, 24})
    c.Note(timp, b * c.barTicks(), kTpb, AtOrAbove(c.ChordAt(b * c.barTicks()).root, 38), 70);
  return c.Done();
}

// ---------------------------------------------------------------- the battle

// E minor, 4/4, 140 beats a minute: 32 bars, just under a minute. Driving
// strings and drums under a brass theme; it ends on B, which leads back to
// the E minor of the first bar.
MidiWriter ComposeBattle() {
  const std::vector<std::string> chords = {
      "Em", "Em", "C",  "B",                          // intro
      "Em", "D",  "C",  "B",  "Em", "G", "Am", "B",   // A: brass
      "Em", "D",  "C",  "B",  "Em", "G", "Am", "B",   // A': trumpets
      "Am", "Em", "Am", "B",                          // bridge
      "C",  "D",  "Bm", "Em", "C",  "D", "B",  "B"};  // B: horns and strings
  Composer c(140, 4, chords, 202);
  int brass = c.Part("Brass", 0, kBrass, 100, 60);
  int trumpet = c.Part("Trumpets", 1, kTrumpet, 96, 76);
  int horn = c.Part("Horns", 2, kHorn, 100, 48);
  int strings = c.Part("Strings", 3, kStrings, 92, 70, 40);
  int cello = c.Part("Cellos", 4, kCello, 100, 54, 30);
  int bass = c.Part("Basses", 5, kContrabass, 100, 64, 30);
  int timp = c.Part("Timpani", 6, kTimpani, 100, 64);
  int drums = c.Part("Drums", kDrums, 0, 100, 64, 30);
  int lead = c.Part("Violins", 7, kStrings, 90, 44, 50);

  const std::string theme =
      "E4:0.75 E4:0.25 B4:1.5 A4:0.5 G4:1 | F#4:0.75 F#4:0.25 A4:1.5 G4:0.5 F#4:1 | "
      "E4:0.75 E4:0.25 G4:1 C5:1 B4:0.5 A4:0.5 | B4:3 r:1 | "
      "E5:0.75 E5:0.25 D5:1 B4:1 G4:1 | D5:0.75 D5:0.25 B4:1 G4:1 D4:1 | "
      "C5:1 E5:1 A4:1 C5:1 | B4:2 D#5:1 F#5:1 |";
  const std::string bridge =
      "A4:2 C5:1 E5:1 | G5:2 E5:1 B4:1 | C5:1.5 D5:0.5 E5:1 A5:1 | F#5:2 D#5:2 |";
  const std::string themeB =
      "G4:1 C5:1 E5:2 | F#5:1 E5:1 D5:2 | D5:1 B4:1 F#4:2 | G4:1 B4:1 E5:2 | "
      "E5:1 G5:1 E5:1 C5:1 | D5:1 F#5:1 A5:2 | B5:2 A5:1 F#5:1 | D#5:2 F#5:1 B4:1 |";

  // Intro: long horn notes over the ostinato.
  c.Line(horn, 0, "E4:4 | G4:4 | G4:4 | F#4:4 |", 80);
  c.Line(brass, 4, theme, 96);
  c.Line(trumpet, 12, theme, 100);
  c.Line(horn, 12, theme, 84, 0.92f, -12);
  c.Line(lead, 20, bridge, 92, 0.98f);
  c.Line(horn, 24, themeB, 100);
  c.Line(lead, 24, themeB, 90, 0.95f, 12);

  // The driving ostinato: eighths on the chord's root, fifth and octave.
  c.Arpeggio(strings, 0, 32, 40, {0, 0, 3, 0, 2, 0, 3, 2}, 0.5f, 84, 0.5f);
  c.Bass(cello, 0, 32, 28,
         {{0, 0.4f, 0},
          {0.5f, 0.4f, 0},
          {1, 0.4f, 2},
          {1.5f, 0.4f, 0},
          {2, 0.4f, 0},
          {2.5f, 0.4f, 1},
          {3, 0.4f, 2},
          {3.5f, 0.4f, 1}},
         90);
  c.Bass(bass, 0, 32, 28, {{0, 1.9f, 0}, {2, 1.9f, 0}}, 92);
  // Brass stabs on the off-beats in A' and B.
  for (int b = 12; b < 20; ++b)
    for (float beat : {0.0f, 1.5f})
      for (int pc : c.ChordAt(b * c.barTicks()).Tones())
        c.Note(brass, b * c.barTicks() + int(beat * kTpb), kTpb / 3, AtOrAbove(pc, 52), 82);

  // Drums and timpani.
  const std::string kick = "X.....x.x.......", snare = "....x.......x...",
                    hats = "x.x.x.x.x.x.x.x.";
  c.Drums(drums, kKick, 0, 32, kick, 96);
  c.Drums(drums, kSnare, 2, 32, snare, 90);
  c.Drums(drums, kClosedHat, 12, 20, hats, 70);
  c.Drums(drums, kRide, 24, 32, hats, 64);
  for (int b : {4, 12, 20, 24}) c.Note(drums, b * c.barTicks(), kTpb, kCrash, 110);
  // Tom fills closing each section.
  for (int b : {3, 11, 19, 23, 31}) {
    int t = b * c.barTicks() + 2 * kTpb;
    const int toms[] = {kHighTom, kHighTom, kMidTom, kMidTom, kLowTom, kLowTom, kLowTom, kLowTom};
    for (int i = 0; i < 8; ++i) c.Note(drums, t + i * kTpb / 4, kTpb / 4, toms[i], 90 + i * 3);
  }
  for (int b = 0; b < 32; ++b) {
    int root = AtOrAbove(c.ChordAt(b * c.barTicks()).root, 40);
    c.Note(timp, b * c.barTicks(), kTpb / 2, root, b % 4 == 0 ? 110 : 90);
    if (b % 2 == 1) c.Note(timp, b * c.barTicks() + 3 * kTpb, kTpb / 2, root, 84);
  }
  return c.Done();
}

// ---------------------------------------------------------------- a battle won

// C major, 4/4, 116 beats a minute: 28 bars, about a minute. A trumpet
// fanfare, a march, a turn through the relative minor, the march in full
// and a closing call on G that leads back to the fanfare.
MidiWriter ComposeVictory() {
  const std::vector<std::string> chords = {
      "C",  "F", "G", "C",                         // fanfare
      "C",  "G", "C", "F",  "C", "G", "F G", "C",  // march
      "Am", "F", "D", "G7",                        // turn
      "C",  "G", "C", "F",  "C", "G", "F G", "C",  // march, full
      "F",  "C", "G", "G"};                        // call
  Composer c(116, 4, chords, 303);
  int trumpet = c.Part("Trumpets", 0, kTrumpet, 104, 70);
  int horn = c.Part("Horns", 1, kHorn, 96, 50);
  int trombone = c.Part("Trombones", 2, kTrombone, 90, 58);
  int tuba = c.Part("Tuba", 3, kTuba, 96, 64);
  int strings = c.Part("Strings", 4, kStrings, 84, 80, 60);
  int flute = c.Part("Flutes", 5, kFlute, 80, 84);
  int timp = c.Part("Timpani", 6, kTimpani, 100, 64);
  int drums = c.Part("Drums", kDrums, 0, 96, 64, 40);

  const std::string fanfare =
      "C5:1/3 C5:1/3 C5:1/3 G5:1 r:0.5 E5:0.5 G5:1 | C6:2 A5:1 F5:1 | "
      "G5:1/3 G5:1/3 G5:1/3 B5:1 D6:1 B5:1 | C6:3 r:1 |";
  const std::string march =
      "E5:1 G5:0.75 E5:0.25 C5:1 G4:1 | D5:1 B4:0.75 G4:0.25 D5:1 G5:1 | "
      "E5:1 G5:0.75 E5:0.25 C6:1 G5:1 | A5:1.5 G5:0.5 F5:1 C5:1 | "
      "G5:1 E5:0.75 G5:0.25 C6:1 E5:1 | D5:1 G5:0.75 F5:0.25 D5:1 B4:1 | "
      "C5:1 A5:1 G5:1 B4:1 | C5:3 r:1 |";
  const std::string turn =
      "A5:2 E5:1 C5:1 | F5:2 A5:1 C6:1 | F#5:2 A5:1 D6:1 | D6:1 B5:1 G5:1 F5:1 |";
  const std::string call =
      "A5:2 C6:2 | G5:2 E5:2 | D5:1 G5:1 B5:1 D6:1 | G5:1/3 G5:1/3 G5:1/3 G5:1 F5:1 D5:1 |";

  c.Line(trumpet, 0, fanfare, 100);
  c.Line(horn, 0, fanfare, 84, 0.92f, -12);
  c.Line(trumpet, 4, march, 92);
  c.Line(flute, 12, turn, 80, 0.95f);
  c.Line(strings, 12, turn, 76, 0.98f, -12);
  c.Line(trumpet, 16, march, 100);
  c.Line(horn, 16, march, 88, 0.92f, -12);
  c.Line(flute, 16, march, 72, 0.9f, 12);
  c.Line(trumpet, 24, call, 104);
  c.Line(horn, 24, call, 90, 0.92f, -12);

  // Fanfare and call: held brass chords; the march: oom-pah.
  c.Pad(trombone, 0, 4, 48, 84);
  c.Pad(trombone, 24, 28, 48, 88);
  c.Bass(tuba, 0, 4, 36, {{0, 3.8f, 0}}, 90);
  c.Bass(tuba, 4, 24, 36, {{0, 0.8f, 0}, {2, 0.8f, 1}}, 92);
  c.Bass(tuba, 24, 28, 36, {{0, 1.8f, 0}, {2, 1.8f, 1}}, 92);
  for (int b = 4; b < 24; ++b) {
    if (b >= 12 && b < 16) continue;  // the strings carry the turn's tune
    for (float beat : {1.0f, 3.0f})
      for (int pc : c.ChordAt(b * c.barTicks() + int(beat * kTpb)).Tones())
        c.Note(strings, b * c.barTicks() + int(beat * kTpb), kTpb * 2 / 3, AtOrAbove(pc, 55), 70);
  }
  c.Pad(horn, 12, 16, 53, 70);

  // The march's snare, bass drum and cymbals.
  c.Drums(drums, kSnare, 4, 24, "X.x.x.xxX.x.x.x.", 80);
  c.Drums(drums, kKick, 4, 24, "x.......x.......", 90);
  c.Drums(drums, kSnare, 24, 28, "x.x.x.x.xxxxXXXX", 76);
  for (int b : {0, 4, 16, 24}) c.Note(drums, b * c.barTicks(), kTpb * 2, kCrash, 112);
  // Timpani: rolls under the fanfare and the call, strokes on the march.
  for (int b = 0; b < 28; ++b) {
    int root = AtOrAbove(c.ChordAt(b * c.barTicks()).root, 41);
    bool roll = b < 4 || b >= 24;
    if (roll) {
      for (int i = 0; i < 8; ++i)
        c.Note(timp, b * c.barTicks() + 2 * kTpb + i * kTpb / 4, kTpb / 4, root, 70 + i * 5);
      c.Note(timp, b * c.barTicks(), kTpb, root, 112);
    } else {
      c.Note(timp, b * c.barTicks(), kTpb / 2, root, 96);
    }
  }
  return c.Done();
}

}  // namespace

ASSETGEN_TABLE(MusicFiles) {
  r.Midi("Data\\Music.mid", ComposeKingdom);
  r.Midi("Data\\Music2.mid", ComposeBattle);
  r.Midi("Data\\Music3.mid", ComposeVictory);
}
