#!/usr/bin/env python3
"""Writes the battle tables: per battle id the friendly set-up, the allied
units and the enemy line-up (src/battle/battle_lineups.cpp), and the summary
that the tests check the tables against (tests/battle/battle_table_summaries.h).

Three kinds of data go in:
  * the friendly set-up of every battle (FRIENDLY_SETUPS), taken as it stands;
  * the units given one by one (FIXED_ENEMIES, FIXED_ALLIES), taken as they
    stand;
  * for every other battle a summary of its enemy line-up (ENEMY_SUMMARIES)
    and of its allied units (ALLY_SUMMARIES): from these the script lays the
    units out deterministically in short lines (one column or one row each,
    the same picture, facing, attack and shield along a line) and spreads the
    soldiers so that they fit the summary exactly.

Run:  python3 tools/battlegen/make_battle_tables.py [--out DIR]
The output is committed; run the script again only when the data changes.
The two files go into the repository (by default) or, with --out DIR, into
DIR/src/battle/ and DIR/tests/battle/ (the build checks that what the
script writes there matches the committed files).
"""

import argparse
import os
import sys

# id | armies | pictures | soldiers (sum; range) | attack | shield | columns | rows | facings | divisor
ENEMY_SUMMARIES = """
| 1 | 8 | 0 3 4 | 48; 3-12 | 3-14 | 3-9 | 0-8 | 2-6 | 2 4 6 | - |
| 2 | 11 | 0 1 3 4 | 108; 4-25 | 6-20 | 4-30 | 0-11 | 3-10 | 0 2 | - |
| 3 | 6 | 1 2 4 | 42; 3-12 | 5-7 | 1-10 | 12-14 | 4-7 | 4 6 | - |
| 4 | 9 | 0 1 2 | 76; 3-21 | 6-26 | 2-12 | 0-8 | 3-7 | 2 6 | - |
| 5 | 13 | 0 1 2 3 4 | 150; 3-26 | 6-28 | 2-31 | 0-9 | 3-7 | 2 4 6 | - |
| 6 | 9 | 4 | 47; 3-10 | 5-12 | 2-6 | 0-8 | 3-7 | 2 6 | - |
| 7 | 10 | 0 1 2 4 | 54; 3-16 | 6-28 | 2-15 | 1-8 | 1-7 | 2 4 6 | - |
| 8 | 16 | 1 2 4 6 | 254; 6-38 | 12-40 | 8-40 | 1-12 | 2-7 | 2 6 | - |
| 9 | 26 | 0 2 3 4 | 130; 3-14 | 6-23 | 5-22 | 2-13 | 1-10 | 0 2 4 | - |
| 10 | 9 | 0 3 4 | 65; 3-18 | 6-12 | 6-20 | 8-13 | 9-10 | 0 | - |
| 11 | 20 | 0 1 3 4 | 344; 10-30 | 8-28 | 7-28 | 1-12 | 2-11 | 0 2 | - |
| 12 | 26 | 0 1 2 3 4 | 448; 11-36 | 7-26 | 7-28 | 1-15 | 2-11 | 0 2 6 | - |
| 13 | 18 | 0 2 3 4 | 219; 5-28 | 6-12 | 6-20 | 4-16 | 4-10 | 0 2 6 | - |
| 14 | 20 | 0 1 2 3 4 | 309; 11-32 | 9-18 | 8-22 | 5-14 | 2-8 | 2 6 | - |
| 15 | 18 | 0 3 4 | 284; 11-32 | 9-18 | 9-18 | 5-14 | 2-8 | 2 6 | - |
| 16 | 11 | 0 3 4 | 168; 12-24 | 12-28 | 9-28 | 6-16 | 6-10 | 0 2 6 | - |
| 17 | 25 | 1 2 3 4 | 418; 9-44 | 12-26 | 10-29 | 5-14 | 2-10 | 0 2 6 | - |
| 18 | 8 | 0 3 4 | 48; 3-15 | 6-14 | 6-12 | 8-12 | 9-10 | 0 | - |
| 19 | 32 | 0 3 4 | 455; 9-34 | 11-32 | 8-32 | 5-14 | 2-10 | 0 2 4 6 | - |
| 20 | 7 | 1 | 91; 10-16 | 17 | 17 | 7-13 | 9 | 0 | - |
| 21 | 15 | 2 4 5 7 | 303; 10-46 | 14-32 | 10-36 | 1-9 | 4-11 | 2 4 | - |
| 22 | 7 | 6 8 | 216; 26-42 | 35-40 | 40-46 | 7-13 | 9 | 0 | - |
| 23 | 14 | 4 5 7 | 277; 10-48 | 14-32 | 10-37 | 1-9 | 4-11 | 2 4 | - |
| 24 | 34 | 0 3 4 | 698; 9-61 | 14-20 | 8-20 | 5-14 | 1-11 | 0 2 4 6 | - |
| 25 | 10 | 0 3 | 168; 10-32 | 14-30 | 12-30 | 2-9 | 5-9 | 2 4 | - |
| 26 | 15 | 4 5 7 | 301; 14-38 | 16-40 | 12-40 | 2-9 | 5-11 | 2 4 6 | - |
| 27 | 14 | 4 6 8 | 326; 13-44 | 16-48 | 12-50 | 2-9 | 5-11 | 2 4 6 | 12 |
| 28 | 15 | 6 8 | 259; 12-44 | 35-40 | 40 | 1-9 | 2-6 | 2 6 | 10 |
| 29 | 14 | 6 8 | 371; 11-53 | 35-40 | 40-46 | 5-13 | 3-9 | 2 6 | - |
| 30 | 20 | 0 1 2 3 4 | 358; 12-34 | 7-26 | 7-28 | 1-12 | 2-11 | 0 2 | - |
| 31 | 21 | 5 7 | 368; 11-52 | 24-36 | 24-38 | 5-13 | 3-11 | 0 2 6 | - |
| 32 | 22 | 5 7 | 365; 10-44 | 26-30 | 30-34 | 5-13 | 3-12 | 0 2 6 | - |
| 33 | 12 | 1 2 4 | 217; 14-38 | 14-26 | 8-30 | 1-2 | 6-11 | 2 | - |
| 34 | 13 | 1 2 4 | 244; 14-42 | 14-20 | 8-30 | 1-9 | 6-11 | 2 6 | - |
| 35 | 10 | 0 1 2 4 | 99; 7-21 | 6-26 | 2-12 | 0-8 | 3-7 | 2 6 | - |
| 36 | 28 | 6 8 | 523; 10-45 | 35-41 | 40-46 | 5-13 | 2-11 | 0 2 4 6 | - |
| 37 | 14 | 2 4 5 7 | 211; 10-28 | 14-28 | 10-30 | 1-11 | 7-12 | 0 2 6 | - |
| 38 | 17 | 6 7 8 | 432; 14-58 | 26-40 | 26-46 | 1-9 | 6-10 | 2 4 | - |
| 39 | 32 | 0 3 4 | 467; 9-36 | 10-20 | 8-20 | 5-14 | 2-10 | 0 2 4 6 | - |
| 40 | 21 | 2 4 6 7 8 | 521; 12-52 | 14-40 | 8-46 | 1-12 | 6-11 | 2 6 | - |
| 41 | 41 | 1 2 4 6 7 8 | 870; 10-56 | 14-50 | 8-50 | 5-14 | 1-10 | 0 2 4 6 | - |
| 42 | 41 | 1 2 4 | 753; 10-48 | 14-42 | 10-50 | 5-14 | 2-11 | 0 2 4 6 | - |
| 43 | 33 | 2 4 6 8 | 494; 8-54 | 14-40 | 8-46 | 5-14 | 1-10 | 0 2 4 6 | - |
| 44 | 34 | 4 5 7 | 543; 9-44 | 14-44 | 8-40 | 5-14 | 2-11 | 0 2 4 6 | 33 |
| 45 | 20 | 4 6 7 8 | 361; 7-42 | 16-40 | 10-46 | 4-14 | 3-9 | 2 6 | - |
| 46 | 28 | 0 1 2 3 4 | 475; 9-39 | 11-32 | 8-29 | 5-14 | 2-10 | 0 2 6 | - |
| 47 | 34 | 4 5 6 7 8 | 568; 10-52 | 14-50 | 8-46 | 5-14 | 1-11 | 0 2 4 6 | 33 |
| 48 | 24 | 0 3 4 | 344; 9-28 | 11-26 | 8-26 | 5-14 | 2-9 | 0 2 6 | - |
| 49 | 13 | 6 8 | 369; 11-58 | 32-48 | 40-46 | 5-11 | 3-10 | 0 2 | - |
| 50 | 44 | 1 2 4 7 | 876; 10-61 | 14-42 | 10-50 | 5-14 | 1-11 | 0 2 4 6 | - |
| 51 | 32 | 0 3 4 | 476; 10-42 | 12-28 | 8-20 | 5-14 | 2-10 | 0 2 4 6 | - |
| 52 | 25 | 4 6 8 | 381; 7-52 | 16-42 | 10-50 | 4-14 | 3-11 | 0 2 6 | - |
| 53 | 34 | 1 2 4 | 564; 10-48 | 14-20 | 8-29 | 5-14 | 2-11 | 0 2 4 6 | - |
| 54 | 34 | 1 2 4 | 566; 10-45 | 14-20 | 10-29 | 5-14 | 1-11 | 0 2 4 6 | - |
| 55 | 22 | 1 2 4 5 7 | 432; 10-46 | 14-30 | 7-34 | 4-15 | 3-9 | 2 6 | 18 |
| 56 | 22 | 2 4 6 8 | 416; 9-48 | 14-44 | 8-46 | 4-14 | 3-9 | 2 6 | - |
| 57 | 19 | 2 4 6 7 8 | 390; 10-56 | 14-44 | 8-46 | 3-14 | 3-9 | 2 6 | - |
| 58 | 28 | 2 4 6 7 8 | 605; 10-54 | 15-40 | 8-46 | 4-15 | 3-11 | 0 2 6 | - |
| 59 | 25 | 1 2 4 6 8 | 484; 10-52 | 16-40 | 10-50 | 5-14 | 3-10 | 0 2 6 | - |
| 60 | 24 | 4 6 8 | 570; 7-54 | 15-60 | 10-50 | 4-15 | 2-9 | 2 4 6 | - |
| 61 | 43 | 1 2 4 | 799; 10-40 | 14-34 | 8-40 | 5-14 | 1-11 | 0 2 4 6 | 41 |
| 62 | 17 | 4 6 8 | 689; 21-77 | 15-44 | 10-50 | 5-13 | 3-9 | 0 2 6 | - |
| 63 | 21 | 6 8 | 352; 10-46 | 30-40 | 30-46 | 5-13 | 3-11 | 0 2 6 | - |
| 64 | 17 | 2 4 5 7 | 246; 5-36 | 10-36 | 7-40 | 4-14 | 3-9 | 2 6 | - |
| 65 | 14 | 0 3 4 | 160; 7-20 | 8-15 | 10-15 | 4-13 | 3-9 | 2 6 | - |
| 66 | 34 | 4 5 6 7 9 10 | 1255; 21-74 | 14-100 | 10-60 | 3-15 | 3-11 | 0 2 6 | - |
| 67 | 34 | 4 5 7 9 10 | 1211; 21-66 | 14-100 | 10-60 | 3-15 | 3-11 | 0 2 6 | - |
| 68 | 34 | 5 7 8 9 10 | 1321; 21-66 | 26-100 | 30-60 | 3-15 | 3-11 | 0 2 6 | - |
| 69 | 27 | 2 4 5 6 7 8 9 10 | 1170; 29-82 | 15-100 | 8-60 | 5-15 | 3-9 | 2 6 | - |
| 70 | 34 | 5 7 8 9 10 | 1366; 21-74 | 26-100 | 30-60 | 3-15 | 3-11 | 0 2 6 | - |
| 71 | 40 | 5 7 8 9 10 | 1682; 21-76 | 26-100 | 30-60 | 3-15 | 2-11 | 0 2 4 6 | 39 |
| 72 | 24 | 4 5 7 9 10 | 934; 28-80 | 15-100 | 8-60 | 5-14 | 3-9 | 2 6 | - |
| 73 | 50 | 6 8 9 10 | 3548; 42-160 | 35-100 | 40-90 | 3-16 | 1-12 | 0 2 4 6 | - |
| 81 | 15 | 4 5 6 7 | 196; 7-30 | 13-42 | 8-40 | 1-11 | 3-10 | 0 2 | - |
| 82 | 18 | 4 5 6 7 | 275; 10-40 | 14-36 | 10-40 | 4-14 | 3-9 | 2 6 | - |
| 83 | 17 | 4 5 6 7 | 253; 5-41 | 10-40 | 7-42 | 4-14 | 3-9 | 2 6 | - |
| 84 | 21 | 2 4 5 6 7 | 385; 5-45 | 10-38 | 7-42 | 4-14 | 2-9 | 2 4 6 | - |
| 85 | 25 | 1 2 4 5 6 7 | 512; 5-48 | 10-38 | 7-42 | 4-14 | 2-9 | 0 2 4 6 | - |
| 86 | 34 | 0 1 2 3 4 | 557; 10-45 | 10-20 | 10-29 | 5-14 | 1-11 | 0 2 4 6 | - |
| 87 | 26 | 2 4 5 6 7 8 | 646; 10-64 | 10-70 | 7-50 | 4-15 | 2-9 | 2 4 6 | - |
| 88 | 31 | 2 4 5 6 7 8 9 10 | 897; 11-60 | 14-100 | 8-60 | 4-15 | 2-9 | 2 4 6 | - |
| 89 | 35 | 2 4 5 6 7 8 9 10 | 1272; 11-72 | 14-102 | 10-60 | 2-16 | 3-9 | 2 6 | - |
| 90 | 35 | 2 4 5 6 7 8 9 10 | 1315; 11-75 | 14-102 | 10-60 | 2-16 | 3-9 | 2 6 | - |
| 91 | 42 | 4 5 6 7 8 9 10 | 2057; 28-113 | 15-100 | 10-60 | 9-17 | 1-13 | 0 4 6 | - |
| 92 | 46 | 4 5 6 7 8 9 10 | 2314; 28-120 | 15-100 | 10-60 | 9-17 | 1-13 | 0 4 6 | - |
| 93 | 48 | 5 6 7 8 9 10 | 2926; 35-150 | 26-100 | 30-80 | 9-16 | 1-13 | 0 4 6 | - |
"""

# id | gradeTurns3 | gradeTurns2 | turnLimit | figure cell, facing | army cells | army facings | view x, y
FRIENDLY_SETUPS = """
| 1 | 6 | 8 | 10 | 85, 6 | 66 67 86 87 106 107 | 6 6 6 6 6 6 | 0, 0 |
| 2 | 7 | 11 | 16 | 85, 6 | 66 67 86 87 106 107 | 4 4 4 4 4 4 | 0, 0 |
| 3 | 5 | 8 | 13 | 88, 4 | 87 107 67 68 47 48 | 4 4 6 4 4 4 | 0, 0 |
| 4 | 6 | 10 | 16 | 85, 6 | 66 67 86 87 106 107 | 6 6 6 2 2 2 | 0, 0 |
| 5 | 6 | 10 | 16 | 85, 6 | 66 67 86 87 106 107 | 6 6 6 2 2 2 | 0, 0 |
| 6 | 4 | 6 | 10 | 85, 6 | 66 67 86 87 106 107 | 6 6 6 2 2 2 | 0, 0 |
| 7 | 6 | 10 | 16 | 85, 6 | 66 67 86 87 106 107 | 6 6 6 2 2 2 | 0, 0 |
| 8 | 8 | 11 | 16 | 107, 6 | 108 109 110 128 129 130 | 6 6 6 2 2 2 | 150, 125 |
| 9 | 6 | 10 | 15 | 131, 4 | 130 132 109 90 91 92 | 4 4 6 0 0 0 | 500, 200 |
| 10 | 6 | 10 | 16 | 150, 4 | 151 152 130 131 132 133 | 4 4 4 4 4 4 | 500, 300 |
| 11 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 485, 300 |
| 12 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 485, 300 |
| 13 | 6 | 10 | 16 | 150, 4 | 151 152 130 131 132 133 | 4 4 6 4 4 2 | 500, 300 |
| 14 | 6 | 10 | 16 | 150, 4 | 151 152 130 131 132 133 | 4 4 6 4 4 2 | 405, 200 |
| 15 | 6 | 10 | 16 | 150, 4 | 151 152 130 131 132 133 | 4 4 6 4 4 2 | 405, 200 |
| 16 | 6 | 10 | 16 | 150, 4 | 151 152 130 131 132 133 | 4 4 6 4 4 2 | 650, 300 |
| 17 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 485, 300 |
| 18 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 425 |
| 19 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 20 | 6 | 10 | 16 | 150, 4 | 151 152 130 131 132 133 | 4 4 6 4 4 2 | 500, 300 |
| 21 | 7 | 11 | 16 | 165, 6 | 166 167 168 186 187 188 | 4 4 4 4 4 4 | 118, 382 |
| 22 | 9 | 13 | 18 | 129, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 23 | 8 | 12 | 17 | 166, 6 | 167 168 169 187 188 189 | 6 6 6 2 2 2 | 35, 370 |
| 24 | 10 | 15 | 20 | 110, 6 | 91 111 131 92 112 132 | 6 6 6 2 2 2 | 400, 200 |
| 25 | 6 | 10 | 16 | 166, 6 | 186 206 167 187 207 227 | 6 6 6 2 2 2 | 53, 461 |
| 26 | 6 | 10 | 16 | 166, 6 | 186 206 167 187 207 227 | 6 6 6 2 2 2 | 53, 461 |
| 27 | 8 | 12 | 18 | 166, 6 | 186 206 167 187 207 227 | 6 6 6 2 2 2 | 53, 461 |
| 28 | 6 | 10 | 16 | 85, 6 | 66 67 86 87 106 107 | 6 6 6 2 2 2 | 0, 0 |
| 29 | 7 | 11 | 16 | 129, 6 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 30 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 485, 300 |
| 31 | 8 | 12 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 485, 300 |
| 32 | 9 | 13 | 18 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 485, 300 |
| 33 | 7 | 11 | 16 | 166, 6 | 167 168 169 187 188 189 | 6 6 6 6 6 6 | 55, 440 |
| 34 | 6 | 10 | 16 | 166, 6 | 186 206 167 187 207 227 | 6 6 6 2 2 2 | 53, 461 |
| 35 | 7 | 11 | 17 | 105, 6 | 86 106 126 87 107 127 | 6 6 6 2 2 2 | 11, 117 |
| 36 | 10 | 15 | 20 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 37 | 6 | 10 | 16 | 165, 6 | 166 167 186 187 206 207 | 6 6 6 2 2 2 | 162, 510 |
| 38 | 7 | 10 | 16 | 165, 6 | 166 167 186 187 206 207 | 6 6 6 2 2 2 | 85, 430 |
| 39 | 8 | 12 | 17 | 109, 6 | 110 111 112 130 131 132 | 6 6 6 2 2 2 | 387, 180 |
| 40 | 9 | 13 | 18 | 166, 6 | 167 168 169 187 188 189 | 6 6 6 2 2 2 | 41, 470 |
| 41 | 11 | 15 | 20 | 109, 6 | 110 111 112 130 131 132 | 6 6 6 2 2 2 | 420, 216 |
| 42 | 8 | 12 | 17 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 43 | 12 | 15 | 20 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 44 | 8 | 12 | 18 | 129, 6 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 45 | 7 | 11 | 16 | 129, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 400, 330 |
| 46 | 7 | 11 | 16 | 129, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 47 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 48 | 7 | 11 | 16 | 109, 6 | 110 111 112 89 90 91 | 6 6 2 6 6 2 | 470, 210 |
| 49 | 9 | 13 | 19 | 109, 6 | 110 111 112 89 90 91 | 6 6 2 6 6 2 | 475, 217 |
| 50 | 11 | 16 | 22 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 51 | 7 | 11 | 17 | 109, 6 | 110 111 112 89 90 91 | 6 6 2 6 6 2 | 470, 210 |
| 52 | 8 | 12 | 18 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 53 | 9 | 13 | 18 | 149, 4 | 150 151 152 170 171 172 | 4 4 4 4 4 4 | 415, 110 |
| 54 | 10 | 14 | 18 | 149, 4 | 150 151 152 170 171 172 | 4 4 4 4 4 4 | 415, 110 |
| 55 | 8 | 12 | 16 | 149, 4 | 150 151 152 170 171 172 | 4 4 4 4 4 4 | 415, 110 |
| 56 | 10 | 14 | 18 | 109, 6 | 110 111 112 89 90 91 | 6 6 2 6 6 2 | 300, 217 |
| 57 | 8 | 12 | 18 | 109, 6 | 110 111 112 89 90 91 | 6 6 2 6 6 2 | 300, 217 |
| 58 | 11 | 15 | 20 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 315, 300 |
| 59 | 6 | 10 | 16 | 109, 6 | 110 111 112 89 90 91 | 6 6 2 6 6 2 | 475, 217 |
| 60 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 315, 300 |
| 61 | 8 | 12 | 17 | 109, 6 | 110 111 112 89 90 91 | 6 6 2 6 6 2 | 475, 217 |
| 62 | 10 | 14 | 20 | 109, 6 | 110 111 112 89 90 91 | 6 6 2 6 6 2 | 475, 217 |
| 63 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 64 | 8 | 11 | 16 | 109, 6 | 110 111 112 89 90 91 | 6 6 2 6 6 2 | 470, 210 |
| 65 | 8 | 11 | 16 | 109, 6 | 110 111 112 89 90 91 | 6 6 2 6 6 2 | 470, 210 |
| 66 | 11 | 16 | 22 | 129, 6 | 110 111 130 131 150 151 | 4 4 4 4 4 4 | 366, 262 |
| 67 | 10 | 15 | 20 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 68 | 11 | 16 | 22 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 69 | 11 | 16 | 22 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 70 | 11 | 16 | 23 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 71 | 10 | 15 | 20 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 72 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 73 | 12 | 18 | 24 | 131, 2 | 110 111 112 90 91 92 | 2 2 2 2 2 2 | 450, 180 |
| 81 | 7 | 11 | 16 | 85, 6 | 66 67 86 87 106 107 | 4 4 4 4 4 4 | 80, 200 |
| 82 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 83 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 84 | 7 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 130 |
| 85 | 8 | 11 | 16 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 130 |
| 86 | 9 | 12 | 17 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 87 | 9 | 12 | 17 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 88 | 11 | 14 | 20 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 89 | 11 | 14 | 20 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 90 | 11 | 14 | 20 | 131, 4 | 110 111 112 90 91 92 | 4 4 4 4 4 4 | 415, 110 |
| 91 | 11 | 14 | 20 | 131, 2 | 110 111 112 90 91 92 | 2 2 2 2 2 2 | 450, 180 |
| 92 | 11 | 14 | 20 | 131, 2 | 110 111 112 90 91 92 | 2 2 2 2 2 2 | 450, 180 |
| 93 | 11 | 14 | 20 | 131, 2 | 110 111 112 90 91 92 | 2 2 2 2 2 2 | 450, 180 |
"""

# id | condition | units | pictures | columns; rows | soldiers | attack | shield
ALLY_SUMMARIES = """
| 2 | quest 5 stage >= 2 | 4 | 0 | 4-11; 5-6 | 8 | 6 | 6 |
| 11 | quest 13 stage >= 2 | 5 | 0 | 9-15; 2-11 | 10-20 | 8-22 | 8-26 |
| 12 | quest 16 stage >= 2 | 6 | 0 | 9-15; 7-11 | 8-24 | 8-32 | 8-30 |
| 16 | quest 11 stage >= 2 | 1 | 0 | 7; 7 | 12 | 15 | 15 |
| 17 | quest 43 stage >= 2 | 3 | 0 | 14-15; 10-11 | 11-22 | 10-26 | 10-30 |
| 19 | quest 39 stage >= 2 | 12 | 0 | 8-11; 7-9 | 8-15 | 12-18 | 12-18 |
| 21 | quest 33 stage >= 2 | 4 | 0 | 6-9; 7 | 12-23 | 20-26 | 20 |
| 22 | quest 36 stage >= 2 | 4 | 0 | 8-12; 7 | 13-15 | 18 | 18 |
| 23 | quest 23 stage >= 2 | 2 | 0 | 5-7; 7 | 16-17 | 26 | 22 |
| 24 | quest 71 stage >= 2 | 4 | 0 | 7-9; 3-8 | 18-31 | 26-34 | 22-24 |
| 26 | quest 50 stage >= 2 | 2 | 0 | 5-6; 7 | 18-24 | 26-30 | 22-26 |
| 28 | quest 17 stage >= 2 | 4 | 0 | 4-7; 6 | 18-24 | 28 | 28 |
| 29 | quest 34 stage >= 2 | 8 | 0 | 8-11; 7-8 | 13-16 | 18-19 | 18-19 |
| 30 | quest 28 stage >= 2 | 5 | 0 | 14-15; 8-11 | 11-22 | 10-26 | 10-30 |
| 31 | quest 28 stage >= 2 | 5 | 0 | 14-15; 8-11 | 11-22 | 10-26 | 10-30 |
| 34 | quest 42 stage >= 2 | 1 | 0 | 5; 7 | 12 | 14 | 8 |
| 36 | quest 54 stage >= 2 | 12 | 0 | 8-11; 7-9 | 13-22 | 18-22 | 18-22 |
| 38 | quest 31 stage >= 2 | 2 | 0 | 4-5; 11 | 11-28 | 10-26 | 10-30 |
| 41 | quest 62 stage >= 2 | 8 | 0 | 8-11; 4-7 | 22-25 | 36 | 26 |
| 42 | quest 70 stage >= 2 | 8 | 1 | 8-11; 7-8 | 10-16 | 26 | 26 |
| 43 | quest 47 stage >= 2 | 12 | 0 | 8-11; 7-9 | 13-26 | 18-22 | 18-22 |
| 44 | quest 49 stage >= 2 | 8 | 0 | 8-11; 7-8 | 13-16 | 18-19 | 18-19 |
| 45 | quest 45 stage >= 2 | 2 | 0 | 8-9; 7 | 22 | 18 | 26 |
| 46 | quest 35 stage >= 2 | 4 | 0 | 8-12; 7 | 13-15 | 18 | 18 |
| 47 | quest 56 stage >= 2 | 12 | 0 | 8-11; 7-9 | 8-15 | 12-18 | 12-18 |
| 48 | quest 44 stage >= 2 | 5 | 0 | 8-11; 7-8 | 13-22 | 24-28 | 22-28 |
| 49 | always | 2 | 0 | 8-11; 7 | 24-28 | 28 | 28 |
| 50 | quest 81 stage >= 2 | 4 | 2 | 8-11; 8 | 15-24 | 35 | 30 |
| 51 | quest 66 stage >= 2 | 2 | 0 | 8-11; 7 | 24-28 | 28 | 28 |
| 52 | quest 73 stage >= 2 | 12 | 0 | 8-12; 2-9 | 13-20 | 18-22 | 18-22 |
| 53 | quest 69 stage >= 2 | 8 | 0 | 8-11; 4-5 | 13-16 | 18-19 | 18-19 |
| 55 | quest 57 stage >= 2 | 2 | 0 | 8-9; 9 | 20-24 | 22-26 | 14-18 |
| 57 | always | 1 | 0 | 8; 7 | 14 | 18 | 18 |
| 58 | quest 60 stage >= 2 | 9 | 0 | 8-11; 3-8 | 13-26 | 18-35 | 18-28 |
| 59 | always | 3 | 0 | 8-10; 7 | 21-25 | 19 | 19 |
| 60 | quest 65 stage >= 2 | 8 | 0 | 8-11; 7-8 | 13-16 | 18-19 | 18-19 |
| 61 | quest 58 stage >= 2 | 9 | 0 | 8-11; 6-8 | 13-28 | 18-36 | 18-22 |
| 63 | quest 14 stage >= 2 | 12 | 0 | 8-11; 7-9 | 13-20 | 18-22 | 18-22 |
| 66 | quest 90 stage >= 1 | 5 | 2 | 8-10; 4-8 | 28-38 | 40 | 30 |
| 67 | quest 79 stage >= 2 | 8 | 1 | 8-11; 7-8 | 13-18 | 30 | 30 |
| 68 | quest 82 stage >= 2 | 8 | 2 | 8-11; 7-8 | 11-20 | 30 | 30 |
| 69 | quest 75 stage >= 2 | 8 | 1 | 8-11; 7-8 | 13-18 | 30 | 30 |
| 70 | quest 83 stage >= 2 | 8 | 2 | 8-11; 7-8 | 12-25 | 30 | 30 |
| 71 | quest 85 stage >= 2 | 8 | 2 | 8-11; 7-8 | 15-23 | 30 | 30 |
| 72 | quest 41 stage >= 2 | 8 | 0 | 8-11; 7-8 | 13-18 | 18-19 | 18-19 |
| 73 | quest 4 stage >= 5; quest 70 stage >= 5; quest 75 stage >= 5; quest 79 stage >= 5; quest 81 stage >= 5; quest 82 stage >= 5; quest 83 stage >= 5; quest 85 stage >= 5 | 16 | 1 2 | 6-10; 3-9 | 22-39 | 34 | 25 |
| 81 | always | 5 | 1 | 4-10; 5-6 | 8 | 20 | 20 |
| 82 | always | 8 | 0 | 8-11; 7-8 | 13-16 | 18-19 | 18-19 |
| 83 | always | 8 | 0 | 8-11; 7-8 | 13-16 | 18-19 | 18-19 |
| 84 | always | 9 | 0 | 8-11; 3-8 | 13-22 | 18-19 | 18-19 |
| 85 | always | 10 | 0 | 8-11; 3-8 | 13-18 | 18-19 | 18-19 |
| 86 | always | 12 | 0 | 8-11; 7-9 | 13-20 | 18-22 | 18-22 |
| 87 | always | 12 | 0 | 8-11; 7-9 | 13-20 | 18-22 | 18-22 |
| 88 | always | 12 | 2 | 8-11; 7-9 | 13-20 | 30 | 25 |
| 89 | always | 12 | 2 | 8-11; 7-9 | 12-30 | 30 | 35 |
| 90 | caughtByArmy | 12 | 1 | 8-11; 7-9 | 12-30 | 30 | 35 |
| 91 | caughtByArmy | 12 | 2 | 8-11; 7-9 | 12-28 | 30 | 35 |
| 92 | caughtByArmy | 12 | 2 | 8-11; 7-9 | 12-29 | 30 | 35 |
| 93 | caughtByArmy | 12 | 2 | 8-11; 7-9 | 15-27 | 30 | 35 |
"""

# Enemy armies given one by one: (cell, picture, facing, soldiers, attack, shield).
FIXED_ENEMIES = {
    1: [(61, 0, 2, 10, 10, 6), (81, 3, 2, 12, 14, 9), (101, 0, 2, 5, 6, 6), (49, 0, 4, 5, 6, 6),
        (69, 0, 6, 5, 6, 6), (41, 0, 2, 4, 6, 4), (102, 4, 2, 3, 3, 3), (122, 4, 2, 4, 5, 4)],
    20: [(188 + k, 1, 0, 10 + k, 17, 17) for k in range(7)],
    73: [(74, 6, 6, 50, 36, 40), (94, 6, 6, 48, 36, 40), (114, 6, 6, 47, 36, 40),
         (134, 6, 6, 47, 36, 40), (154, 6, 6, 42, 36, 40), (174, 6, 6, 44, 36, 40),
         (194, 6, 6, 49, 36, 40), (214, 6, 6, 50, 36, 40), (75, 8, 6, 66, 42, 46),
         (95, 8, 6, 66, 42, 46), (115, 9, 6, 72, 70, 50), (135, 9, 6, 73, 70, 50),
         (155, 9, 6, 75, 70, 50), (175, 9, 6, 71, 70, 50), (195, 8, 6, 66, 42, 46),
         (215, 8, 6, 66, 42, 46), (116, 10, 6, 110, 100, 72), (136, 10, 6, 110, 100, 72),
         (156, 10, 6, 110, 100, 72), (176, 10, 6, 110, 100, 72), (137, 10, 6, 150, 100, 80),
         (157, 10, 4, 160, 100, 90), (46, 6, 4, 48, 35, 40), (47, 6, 4, 49, 35, 40),
         (48, 6, 4, 45, 35, 40), (49, 6, 4, 49, 35, 40), (50, 6, 4, 47, 35, 40),
         (27, 9, 4, 77, 70, 50), (28, 10, 4, 106, 100, 60), (29, 9, 4, 77, 70, 50),
         (227, 6, 0, 43, 36, 40), (228, 6, 0, 43, 36, 40), (229, 6, 0, 45, 36, 40),
         (230, 6, 0, 47, 36, 40), (231, 6, 0, 43, 36, 40), (247, 9, 0, 78, 70, 50),
         (248, 9, 0, 78, 70, 50), (249, 8, 0, 104, 40, 46), (250, 9, 0, 78, 70, 50),
         (251, 9, 0, 78, 70, 50), (85, 9, 2, 67, 70, 50), (105, 9, 2, 58, 70, 50),
         (125, 9, 2, 76, 70, 50), (145, 9, 2, 61, 70, 50), (165, 9, 2, 67, 70, 50),
         (84, 9, 2, 75, 70, 50), (104, 8, 2, 70, 40, 46), (124, 10, 2, 112, 100, 60),
         (144, 8, 2, 70, 40, 46), (164, 9, 2, 75, 70, 50)],
}

# Allied units given one by one, per condition group: (quest, minimum stage,
# [(cell, facing, picture, soldiers), ...]); attack and shield per battle.
FIXED_ALLIES = {
    2: ((6, 6), [(5, 2, [(130, 6, 0, 8), (131, 6, 0, 8), (132, 6, 0, 8), (105, 6, 0, 8)])]),
    73: ((34, 25), [
        (4, 5, [(149, 2, 1, 22)]),
        (70, 5, [(150, 2, 1, 28), (151, 2, 1, 31)]),
        (75, 5, [(170, 2, 1, 34), (171, 2, 1, 36)]),
        (79, 5, [(189, 4, 1, 38), (190, 4, 1, 39), (191, 4, 1, 37)]),
        (81, 5, [(67, 6, 2, 22)]),
        (82, 5, [(68, 0, 2, 27), (69, 0, 2, 27)]),
        (83, 5, [(87, 6, 2, 34), (88, 6, 2, 36)]),
        (85, 5, [(107, 4, 2, 38), (108, 4, 2, 39), (109, 4, 2, 37)]),
    ]),
}

# Battles whose allied cells are fixed while the rest follows the summary.
FIXED_ALLY_CELLS = {66: [169, 170, 171, 89, 90]}

# Battles whose allied units carry no name.
NAMELESS_ALLIES = {66}

ALLY_NAMES = {0: "Volunteers", 1: "Palace Guards", 2: "Castle Guards"}


def cell_of(col, row):
    return col + 20 * row + 1


def col_row(cell):
    return (cell - 1) % 20, (cell - 1) // 20


def span(text):
    a, _, b = text.strip().partition("-")
    return int(a), int(b or a)


def rows_of(block):
    for line in block.strip().splitlines():
        yield [c.strip() for c in line.strip().strip("|").split("|")]


def parse_enemy_summaries():
    out = {}
    for f in rows_of(ENEMY_SUMMARIES):
        total, _, rng = f[3].partition(";")
        out[int(f[0])] = dict(
            count=int(f[1]), pictures=sorted(int(p) for p in f[2].split()), sum=int(total),
            soldiers=span(rng), attack=span(f[4]), shield=span(f[5]), cols=span(f[6]),
            rows=span(f[7]), facings=sorted(int(p) for p in f[8].split()),
            divisor=int(f[1]) if f[9] == "-" else int(f[9]))
    return out


def parse_friendly_setups():
    out = {}
    for f in rows_of(FRIENDLY_SETUPS):
        cell, facing = (int(v) for v in f[4].split(","))
        vx, vy = (int(v) for v in f[7].split(","))
        out[int(f[0])] = dict(
            grade3=int(f[1]), grade2=int(f[2]), limit=int(f[3]), figure=cell, facing=facing,
            armies=[int(v) for v in f[5].split()], armyFacings=[int(v) for v in f[6].split()],
            view=(vx, vy))
    return out


def parse_condition(text):
    """[(kind, quest, stage)] for one or more conditions."""
    conds = []
    for part in text.split(";"):
        part = part.strip()
        if part == "always":
            conds.append(("always", 0, 0))
        elif part == "caughtByArmy":
            conds.append(("caught", 0, 0))
        else:
            words = part.split()  # quest q stage >= s
            conds.append(("quest", int(words[1]), int(words[4])))
    return conds


def parse_ally_summaries():
    out = {}
    for f in rows_of(ALLY_SUMMARIES):
        cols, _, rows = f[4].partition(";")
        out[int(f[0])] = dict(
            conditions=parse_condition(f[1]), count=int(f[2]),
            pictures=sorted(int(p) for p in f[3].split()), cols=span(cols), rows=span(rows),
            soldiers=span(f[5]), attack=span(f[6]), shield=span(f[7]))
    return out


def lerp(lo, hi, k, n):
    return lo if n <= 1 else lo + ((hi - lo) * k + (n - 1) // 2) // (n - 1)


def layout(count, cols, rows, forbidden, vertical, per_line):
    """Lines of free cells inside the rectangle, [[cell, ...], ...], that reach
    all four edges of it; None when this arrangement cannot."""
    (c1, c2), (r1, r2) = cols, rows
    if not vertical:
        (c1, c2), (r1, r2) = (r1, r2), (c1, c2)

    def cell(major, minor):
        return cell_of(major, minor) if vertical else cell_of(minor, major)

    free = {m: [n for n in range(r1, r2 + 1) if cell(m, n) not in forbidden] for m in range(c1, c2 + 1)}
    if sum(len(v) for v in free.values()) < count:
        return None
    width = c2 - c1 + 1
    lines_wanted = min(max(-(-count // per_line), 2 if width > 1 else 1), width, count)
    while True:
        # Lines spread evenly over the band, the first and last on its edges.
        majors = sorted({lerp(c1, c2, k, lines_wanted) for k in range(lines_wanted)})
        if sum(len(free[m]) for m in majors) >= count or lines_wanted >= width:
            break
        lines_wanted += 1
    quota = {m: 0 for m in majors}
    left = count
    while left:
        progressed = False
        for m in majors:
            if left and quota[m] < len(free[m]):
                quota[m] += 1
                left -= 1
                progressed = True
        if not progressed:
            return None
    lines = []
    for i, m in enumerate(majors):
        q, minors = quota[m], free[m]
        if not q:
            continue
        if q == len(minors):
            picked = minors
        elif len(majors) == 1:  # one line alone spans the band with gaps
            picked = [minors[lerp(0, len(minors) - 1, k, q)] for k in range(q)]
        elif i % 2 == 0:        # lines run alternately from the near and the far edge
            picked = minors[:q]
        else:
            picked = minors[-q:]
        lines.append(sorted(cell(m, n) for n in picked))
    used = [c for line in lines for c in line]
    cs = {col_row(c)[0] for c in used}
    rs = {col_row(c)[1] for c in used}
    if not vertical:
        cs, rs = rs, cs
    ok = len(set(used)) == count and min(cs) == c1 and max(cs) == c2 and min(rs) == r1 and max(rs) == r2
    return lines if ok else None


def lay_out(count, cols, rows, forbidden, prefer_vertical, keep_clear=()):
    """Prefers cells that leave a free cell between the units and keep_clear."""
    clear = {cell_of(c + dc, r + dr) for c, r in map(col_row, keep_clear)
             for dc in (-1, 0, 1) for dr in (-1, 0, 1) if 0 <= c + dc < 20 and 0 <= r + dr < 15}
    for blocked in (set(forbidden) | clear, set(forbidden)):
        for per_line in (5, 4, 6, 3, 8, 2, 10, 1):
            for vertical in (prefer_vertical, not prefer_vertical):
                lines = layout(count, cols, rows, blocked, vertical, per_line)
                if lines:
                    return lines
    sys.exit("no layout for %d units in columns %s rows %s" % (count, cols, rows))


def split_lines(lines, wanted):
    lines = [list(line) for line in lines]
    while len(lines) < wanted:
        i = max(range(len(lines)), key=lambda k: len(lines[k]))
        line = lines[i]
        if len(line) < 2:
            sys.exit("cannot split the lines further")
        half = len(line) // 2
        lines[i:i + 1] = [line[:half], line[half:]]
    return lines


class Lcg:
    def __init__(self, seed):
        self.state = seed * 2654435761 % (1 << 32) or 1

    def next(self, n):
        self.state = (self.state * 1103515245 + 12345) % (1 << 31)
        return (self.state >> 8) % n


def spread_soldiers(count, total, lo, hi, seed):
    """count values in lo..hi, one lo and one hi, summing to total."""
    if count == 1:
        assert lo == hi == total
        return [total]
    if not (lo + hi + (count - 2) * lo <= total <= lo + hi + (count - 2) * hi):
        sys.exit("soldier sum %d cannot be made from %d armies of %d-%d" % (total, count, lo, hi))
    rng = Lcg(seed)
    values = [lo, hi] + [lo + rng.next(hi - lo + 1) for _ in range(count - 2)]
    diff = total - sum(values)
    k = 2
    while diff:
        step = 1 if diff > 0 else -1
        if lo <= values[k] + step <= hi:
            values[k] += step
            diff -= step
        k = 2 + (k - 1) % (count - 2) if count > 2 else k
    order = list(range(count))
    for i in range(count - 1, 0, -1):  # a fixed shuffle, so the extremes stand anywhere
        j = rng.next(i + 1)
        order[i], order[j] = order[j], order[i]
    return [values[order[i]] for i in range(count)]


def facing_towards(line, target):
    """The facing (0 up, 2 right, 4 down, 6 left) from a line towards a cell."""
    cs = [col_row(c)[0] for c in line]
    rs = [col_row(c)[1] for c in line]
    tc, tr = col_row(target)
    dc = tc - sum(cs) / len(cs)
    dr = tr - sum(rs) / len(rs)
    if abs(dc) >= abs(dr):
        return 2 if dc > 0 else 6
    return 4 if dr > 0 else 0


def assign_facings(lines, facings, target):
    chosen = []
    for line in lines:
        want = facing_towards(line, target)
        chosen.append(want if want in facings else
                      min(facings, key=lambda f: (min((f - want) % 8, (want - f) % 8), f)))
    for f in facings:  # every facing of the summary shows up at least once
        if f in chosen:
            continue
        counts = {c: chosen.count(c) for c in chosen}
        i = max(k for k in range(len(chosen)) if counts[chosen[k]] > 1)
        chosen[i] = f
    return chosen


def make_enemies(bid, s, setup, forbidden):
    prefer_vertical = any(f in (2, 6) for f in s["facings"])
    lines = lay_out(s["count"], s["cols"], s["rows"], forbidden, prefer_vertical, keep_clear=forbidden)
    pictures, facings = s["pictures"], s["facings"]
    wanted = max(len(pictures), len(facings))
    if len(pictures) == 1 and (s["attack"][0] != s["attack"][1] or s["shield"][0] != s["shield"][1]):
        wanted = max(wanted, 2)
    lines = split_lines(lines, wanted)
    line_facings = assign_facings(lines, facings, setup["figure"])
    soldiers = spread_soldiers(s["count"], s["sum"], *s["soldiers"], seed=bid)
    armies = []
    for i, line in enumerate(lines):
        picture = pictures[i % len(pictures)]
        if len(pictures) > 1:
            rank, ranks = pictures.index(picture), len(pictures)
        else:
            rank, ranks = i, len(lines)
        attack = lerp(*s["attack"], rank, ranks)
        shield = lerp(*s["shield"], rank, ranks)
        for cell in line:
            armies.append((cell, picture, line_facings[i], soldiers[len(armies)], attack, shield))
    return armies


def make_allies(bid, s, setup, forbidden):
    """[(quest kind, quest, stage, first slot, [(cell, facing, picture, soldiers, attack, shield, name)])]"""
    name = "" if bid in NAMELESS_ALLIES else None
    if bid in FIXED_ALLIES:
        (attack, shield), groups = FIXED_ALLIES[bid]
        out, slot = [], 0
        for quest, stage, units in groups:
            placed = [(c, f, p, n, attack, shield, ALLY_NAMES[p] if name is None else name)
                      for c, f, p, n in units]
            kind = s["conditions"][len(out)][0] if len(s["conditions"]) > len(out) else "quest"
            out.append((kind, quest, stage, slot, placed))
            slot += len(units)
        return out
    if bid in FIXED_ALLY_CELLS:
        cells = FIXED_ALLY_CELLS[bid]
    else:
        lines = lay_out(s["count"], s["cols"], s["rows"], forbidden, True)
        cells = [c for line in lines for c in line]
    n = len(cells)
    picture = s["pictures"][0]
    units = []
    for k, cell in enumerate(cells):
        units.append((cell, setup["facing"], picture, lerp(*s["soldiers"], k, n), lerp(*s["attack"], k, n),
                      lerp(*s["shield"], k, n), ALLY_NAMES[picture] if name is None else name))
    kind, quest, stage = s["conditions"][0]
    return [(kind, quest, stage, 0, units)]


CONDITION = {"always": "AllyCondition::kAlways", "quest": "AllyCondition::kQuestStage",
             "caught": "AllyCondition::kCaughtByArmy"}


def emit_tables(setups, allies, enemies, enemy_summaries):
    o = []
    w = o.append
    w("// The battle tables by battle id: the friendly set-up, the allied units and")
    w("// the enemy line-ups.")
    w("//")
    w("// Written by tools/battlegen/make_battle_tables.py: change the script's data")
    w("// and run it again rather than editing the tables by hand.")
    w("")
    w('#include "battle/battle_lineups.h"')
    w("")
    w("namespace battle {")
    w("namespace {")
    w("")
    w("// The tables keep one row per unit.")
    w("// clang-format off")
    w("")
    w("// id, gradeTurns3, gradeTurns2, turnLimit, figure cell, figure facing,")
    w("// army cells (slots 0..5), army facings, view x, view y")
    w("const FriendlySetUp kFriendlySetUps[] = {")
    for bid in sorted(setups):
        s = setups[bid]
        w("    {%d, %d, %d, %d, %d, %d, {%s}, {%s}, %d, %d}," % (
            bid, s["grade3"], s["grade2"], s["limit"], s["figure"], s["facing"],
            ", ".join(map(str, s["armies"])), ", ".join(map(str, s["armyFacings"])), *s["view"]))
    w("};")
    w("")
    w("// Allied units: cell, facing, picture, soldiers, attack, shield, name.")
    group_rows = []
    for bid in sorted(allies):
        for g, (kind, quest, stage, slot, units) in enumerate(allies[bid]):
            label = "kAllies%d" % bid + ("_%d" % g if len(allies[bid]) > 1 else "")
            w("const AllyPlacement %s[] = {" % label)
            for c, f, p, n, a, sh, name in units:
                w('    {%d, %d, %d, %d, %d, %d, "%s"},' % (c, f, p, n, a, sh, name))
            w("};")
            group_rows.append("    {%d, %s, %d, %d, %d, %d, %s}," % (
                bid, CONDITION[kind], quest, stage, slot, len(units), label))
    w("")
    w("// battle id, condition, quest, lowest stage, first slot, units, the units")
    w("const AllyGroup kAllyGroups[] = {")
    o.extend(group_rows)
    w("};")
    w("")
    w("// Enemy armies: cell, picture, facing, soldiers, attack, shield.")
    lineup_rows = []
    for bid in sorted(enemies):
        armies = enemies[bid]
        w("const EnemyPlacement kEnemies%d[] = {" % bid)
        for i in range(0, len(armies), 3):
            w("    " + " ".join("{%d, %d, %d, %d, %d, %d}," % a for a in armies[i:i + 3]))
        w("};")
        lineup_rows.append("    {%d, %d, %d, kEnemies%d}," % (
            bid, len(armies), enemy_summaries[bid]["divisor"], bid))
    w("")
    w("// battle id, armies, divisor of the end-of-battle averages, the armies")
    w("const EnemyLineup kEnemyLineups[] = {")
    o.extend(lineup_rows)
    w("};")
    w("")
    w("// clang-format on")
    w("")
    w("template <class Row, std::size_t N>")
    w("const Row* FindRow(const Row (&rows)[N], uint32_t battleId) {")
    w("  for (const Row& row : rows)")
    w("    if (row.battleId == battleId) return &row;")
    w("  return nullptr;")
    w("}")
    w("")
    w("}  // namespace")
    w("")
    w("const FriendlySetUp* FindFriendlySetUp(uint32_t battleId) {")
    w("  return FindRow(kFriendlySetUps, battleId);")
    w("}")
    w("")
    w("const EnemyLineup* FindEnemyLineup(uint32_t battleId) { return FindRow(kEnemyLineups, battleId); }")
    w("")
    w("AllyGroups FindAllyGroups(uint32_t battleId) {")
    w("  AllyGroups found{};")
    w("  for (const AllyGroup& group : kAllyGroups) {")
    w("    if (group.battleId != battleId) continue;")
    w("    if (!found.first) found.first = &group;")
    w("    ++found.count;")
    w("  }")
    w("  return found;")
    w("}")
    w("")
    w("}  // namespace battle")
    return "\n".join(o) + "\n"


def mask(values):
    return "0x%X" % sum(1 << v for v in set(values))


def emit_summaries(enemy_summaries, ally_summaries):
    o = []
    w = o.append
    w("#pragma once")
    w("// What every battle's tables must hold: per battle id the enemy line-up's")
    w("// counts, sums and ranges, and the allied units' counts, conditions and")
    w("// ranges. Written by tools/battlegen/make_battle_tables.py from the same data")
    w("// the tables are laid out from; the tests check the tables against it.")
    w("")
    w("#include <cstdint>")
    w("")
    w("struct EnemySummary {")
    w("  uint8_t battleId, armies;")
    w("  uint32_t pictureMask;  // bit p: picture p is used")
    w("  int soldierSum, soldiersMin, soldiersMax, attackMin, attackMax, shieldMin, shieldMax;")
    w("  int columnMin, columnMax, rowMin, rowMax;")
    w("  uint32_t facingMask;  // bit f: facing f is used")
    w("  uint8_t divisor;")
    w("};")
    w("")
    w("// condition: 0 always, 1 quest stage, 2 caught by an army")
    w("struct AllySummary {")
    w("  uint8_t battleId, condition, quest, stage, units;")
    w("  uint32_t pictureMask;")
    w("  int columnMin, columnMax, rowMin, rowMax;")
    w("  int soldiersMin, soldiersMax, attackMin, attackMax, shieldMin, shieldMax;")
    w("};")
    w("")
    w("// clang-format off")
    w("inline constexpr EnemySummary kEnemySummaries[] = {")
    for bid in sorted(enemy_summaries):
        s = enemy_summaries[bid]
        w("    {%d, %d, %s, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %s, %d}," % (
            bid, s["count"], mask(s["pictures"]), s["sum"], *s["soldiers"], *s["attack"], *s["shield"],
            *s["cols"], *s["rows"], mask(s["facings"]), s["divisor"]))
    w("};")
    w("")
    w("inline constexpr AllySummary kAllySummaries[] = {")
    codes = {"always": 0, "quest": 1, "caught": 2}
    for bid in sorted(ally_summaries):
        s = ally_summaries[bid]
        kind, quest, stage = s["conditions"][0]
        w("    {%d, %d, %d, %d, %d, %s, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d}," % (
            bid, codes[kind], quest, stage, s["count"], mask(s["pictures"]), *s["cols"], *s["rows"],
            *s["soldiers"], *s["attack"], *s["shield"]))
    w("};")
    w("// clang-format on")
    return "\n".join(o) + "\n"


def main():
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
    parser = argparse.ArgumentParser(description="Writes the battle tables.")
    parser.add_argument("--out", metavar="DIR", default=root,
                        help="folder that receives src/battle/ and tests/battle/ "
                             "(default: the repository)")
    out = parser.parse_args().out
    enemy_summaries = parse_enemy_summaries()
    setups = parse_friendly_setups()
    ally_summaries = parse_ally_summaries()

    allies = {}
    for bid in sorted(ally_summaries):
        setup = setups[bid]
        forbidden = {setup["figure"], *setup["armies"]}
        allies[bid] = make_allies(bid, ally_summaries[bid], setup, forbidden)

    enemies = {}
    for bid in sorted(enemy_summaries):
        if bid in FIXED_ENEMIES:
            enemies[bid] = FIXED_ENEMIES[bid]
            continue
        setup = setups[bid]
        forbidden = {setup["figure"], *setup["armies"]}
        for group in allies.get(bid, []):
            forbidden.update(u[0] for u in group[4])
        enemies[bid] = make_enemies(bid, enemy_summaries[bid], setup, forbidden)

    outputs = [
        (("src", "battle", "battle_lineups.cpp"),
         emit_tables(setups, allies, enemies, enemy_summaries)),
        (("tests", "battle", "battle_table_summaries.h"),
         emit_summaries(enemy_summaries, ally_summaries)),
    ]
    for parts, text in outputs:
        path = os.path.join(out, *parts)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(text)


if __name__ == "__main__":
    main()
