#pragma once
// Field lists. Every record the state dump shows lists each of its members
// once, in a member template at the end of the record:
//
//   template <class V>
//   void VisitFields(V& v) const {
//     v("backLook", backLook);         // a number, a pointer (set or not), an
//                                      // array of them, a record with a list
//                                      // of its own, or an array of records
//     v.Name("name", name);            // a letter-code name, or an array of them
//     v.Inline("caretTimer", caretTimer);  // a small record's fields among the
//                                      // others: caretTimerState, caretTimerStart
//     v.Handle(sheet);                 // a picture, font or device: no value
//   }
//
// and, where a record needs them:
//
//     v.NameColumns("heroNames", heroNames, kHeroCount);  // names stored one
//                                      // letter a row, one name a column
//     v.View("fameRungDone", fameRungDone(), kFameRungs);  // numbers that lie
//                                      // inside another field, under a name
//
// The list's order is the order of the dump. The state dump writes every
// listed value by its name (game/json_fields.h); the state dump's test checks,
// for the game record and every object the dump holds, that its list covers
// each byte of the record, so a member added to a record and left out of its
// list fails there.
//
// A new screen object: its list at the end of its class, and its GameApp field
// in QORV_HELD_OBJECTS (tools/harness/held_objects.h).

// A record with a field list.
template <class T>
concept HasFieldList = requires(const T& record, int& visitor) {
  record.template VisitFields<int>(visitor);
};
