// The small pictures that dress the land: rocks, cracks and dead trees on
// the wasteland, trees in the southern forest, bushes and flowers on the
// meadows, cacti in the desert. None lies on a road or a place's square.
// Each is painted on the ground of the squares it stands on (the pictures
// have no transparent colour), so a frame only goes on its own ground.

#include "map/map_layout.h"
#include "map/map_picture.h"

using maplayout::kMapOthers;
using maplayout::kMapOthers2;
using maplayout::kMapOthers3;
using maplayout::kMapOthers5;

const MapDecoration kMapDecorations[] = {
    // square (-1800, -1200)
    {kMapOthers3, 4, -1658, -1152, 2.1f, 2.1f},
    // square (-1400, -1200)
    {kMapOthers3, 4, -1361, -1112, 1.6f, 1.7f},
    // square (1400, -1200)
    {kMapOthers3, 4, 1533, -1192, 1.6f, 1.6f},
    // square (1800, -1200)
    {kMapOthers2, 3, 1929, -1126, 2.9f, 1.9f},
    {kMapOthers2, 3, 1815, -1111, 2.6f, 1.3f},
    // square (2000, -1200)
    {kMapOthers2, 2, 2048, -1170, 1.7f, 1.6f},
    {kMapOthers, 0, 2128, -1070, 2.1f, 2.0f},
    // square (2200, -1200)
    {kMapOthers3, 6, 2300, -1178, 2.1f, 2.4f},
    // square (2400, -1200)
    {kMapOthers3, 6, 2407, -1193, 1.6f, 1.4f},
    // square (3000, -1200)
    {kMapOthers3, 6, 3062, -1060, 2.5f, 2.3f},
    // square (3200, -1200)
    {kMapOthers2, 3, 3364, -1028, 2.8f, 1.3f},
    // square (-400, -1000)
    {kMapOthers5, 3, -341, -931, 1.0f, 1.1f},
    // square (400, -1000)
    {kMapOthers5, 3, 527, -881, 1.3f, 1.2f},
    // square (2400, -1000)
    {kMapOthers, 1, 2517, -938, 2.0f, 2.7f},
    {kMapOthers2, 2, 2542, -880, 1.6f, 1.9f},
    {kMapOthers3, 6, 2465, -857, 2.5f, 2.3f},
    // square (2800, -1000)
    {kMapOthers2, 0, 2851, -905, 2.5f, 2.2f},
    // square (3000, -1000)
    {kMapOthers2, 2, 3115, -959, 1.8f, 1.8f},
    // square (-1600, -800)
    {kMapOthers3, 4, -1565, -781, 2.0f, 2.1f},
    {kMapOthers5, 3, -1504, -750, 1.0f, 1.0f},
    // square (1000, -800)
    {kMapOthers3, 4, 1056, -702, 1.6f, 1.4f},
    // square (1800, -800)
    {kMapOthers2, 2, 1851, -695, 2.1f, 2.5f},
    // square (2200, -800)
    {kMapOthers2, 0, 2229, -762, 2.5f, 2.8f},
    // square (2800, -800)
    {kMapOthers2, 3, 2857, -678, 2.3f, 1.0f},
    {kMapOthers2, 3, 2837, -636, 2.5f, 1.2f},
    // square (3200, -800)
    {kMapOthers3, 6, 3306, -715, 1.6f, 1.4f},
    // square (-1800, -600)
    {kMapOthers3, 4, -1731, -553, 1.7f, 1.6f},
    // square (1800, -600)
    {kMapOthers3, 7, 1894, -449, 2.5f, 2.4f},
    // square (2200, -600)
    {kMapOthers5, 2, 2323, -563, 1.4f, 1.4f},
    {kMapOthers, 0, 2220, -470, 1.4f, 1.4f},
    {kMapOthers3, 6, 2312, -435, 1.6f, 1.5f},
    // square (2600, -600)
    {kMapOthers2, 2, 2680, -480, 1.4f, 1.3f},
    {kMapOthers2, 3, 2610, -440, 1.9f, 0.9f},
    // square (2800, -600)
    {kMapOthers2, 3, 2963, -502, 2.3f, 1.5f},
    // square (3200, -600)
    {kMapOthers2, 0, 3256, -539, 2.2f, 2.1f},
    // square (3400, -600)
    {kMapOthers2, 2, 3524, -573, 1.9f, 1.7f},
    // square (0, -400)
    {kMapOthers3, 5, 155, -390, 2.4f, 2.3f},
    // square (2000, -400)
    {kMapOthers, 0, 2169, -360, 2.8f, 2.9f},
    {kMapOthers2, 2, 2069, -308, 2.5f, 2.7f},
    // square (2200, -400)
    {kMapOthers2, 3, 2312, -299, 2.5f, 1.5f},
    {kMapOthers2, 2, 2266, -242, 2.1f, 2.4f},
    // square (2400, -400)
    {kMapOthers2, 2, 2407, -340, 2.6f, 2.2f},
    {kMapOthers2, 3, 2533, -318, 2.2f, 1.4f},
    // square (2800, -400)
    {kMapOthers2, 3, 2906, -296, 2.7f, 1.7f},
    // square (3000, -400)
    {kMapOthers2, 2, 3060, -302, 2.6f, 2.9f},
    // square (3200, -400)
    {kMapOthers2, 3, 3233, -353, 2.6f, 1.2f},
    // square (-1800, -200)
    {kMapOthers3, 2, -1765, -96, 1.5f, 1.6f},
    // square (-1600, -200)
    {kMapOthers3, 5, -1490, -164, 1.8f, 1.9f},
    // square (200, -200)
    {kMapOthers3, 2, 211, -186, 1.8f, 1.8f},
    // square (2000, -200)
    {kMapOthers2, 2, 2072, -191, 2.2f, 2.2f},
    {kMapOthers2, 2, 2046, -185, 2.6f, 2.1f},
    // square (2200, -200)
    {kMapOthers2, 3, 2207, -189, 2.3f, 1.0f},
    {kMapOthers2, 2, 2265, -111, 2.7f, 2.6f},
    // square (2600, -200)
    {kMapOthers3, 6, 2755, -180, 2.3f, 2.6f},
    {kMapOthers, 1, 2717, -150, 1.8f, 2.7f},
    {kMapOthers2, 2, 2674, -27, 1.6f, 1.8f},
    // square (2800, -200)
    {kMapOthers2, 2, 2875, -180, 1.9f, 1.5f},
    // square (3200, -200)
    {kMapOthers3, 6, 3324, -156, 1.8f, 1.6f},
    {kMapOthers, 1, 3298, -35, 2.0f, 2.7f},
    // square (-1800, 0)
    {kMapOthers3, 3, -1690, 8, 1.6f, 1.5f},
    // square (-1600, 0)
    {kMapOthers3, 3, -1582, 76, 1.7f, 1.7f},
    // square (-1400, 0)
    {kMapOthers3, 5, -1269, 115, 2.2f, 2.3f},
    // square (1800, 0)
    {kMapOthers2, 2, 1830, 103, 1.6f, 1.9f},
    // square (2800, 0)
    {kMapOthers2, 2, 2933, 8, 2.5f, 2.5f},
    // square (3000, 0)
    {kMapOthers5, 1, 3010, 20, 1.2f, 1.2f},
    {kMapOthers, 1, 3176, 135, 1.9f, 2.9f},
    // square (-600, 200)
    {kMapOthers3, 2, -583, 226, 2.0f, 2.2f},
    // square (-200, 200)
    {kMapOthers3, 3, -63, 234, 2.0f, 2.0f},
    {kMapOthers3, 5, -178, 278, 1.8f, 1.7f},
    // square (1800, 200)
    {kMapOthers2, 3, 1893, 219, 2.2f, 1.5f},
    // square (2000, 200)
    {kMapOthers3, 6, 2056, 273, 2.0f, 2.0f},
    // square (2200, 200)
    {kMapOthers3, 6, 2263, 238, 2.1f, 1.8f},
    {kMapOthers2, 2, 2268, 306, 1.9f, 2.0f},
    // square (3200, 200)
    {kMapOthers3, 7, 3336, 276, 2.0f, 2.0f},
    // square (-1800, 400)
    {kMapOthers3, 2, -1663, 463, 1.8f, 1.7f},
    // square (-1600, 400)
    {kMapOthers3, 5, -1577, 433, 1.8f, 1.8f},
    // square (-1400, 400)
    {kMapOthers3, 2, -1386, 539, 2.0f, 2.1f},
    // square (-400, 400)
    {kMapOthers3, 2, -266, 450, 1.4f, 1.3f},
    {kMapOthers3, 2, -334, 465, 1.7f, 1.7f},
    // square (2400, 400)
    {kMapOthers3, 6, 2536, 459, 1.5f, 1.3f},
    {kMapOthers2, 1, 2425, 482, 1.7f, 1.6f},
    {kMapOthers5, 1, 2460, 507, 1.6f, 1.5f},
    // square (2800, 400)
    {kMapOthers2, 1, 2907, 432, 2.1f, 2.2f},
    {kMapOthers2, 0, 2859, 551, 1.9f, 1.9f},
    {kMapOthers2, 0, 2925, 572, 2.1f, 2.2f},
    // square (3000, 400)
    {kMapOthers2, 2, 3050, 429, 1.8f, 1.6f},
    {kMapOthers3, 6, 3038, 484, 2.6f, 2.6f},
    {kMapOthers2, 2, 3157, 536, 2.7f, 2.9f},
    // square (3200, 400)
    {kMapOthers2, 2, 3273, 536, 1.8f, 1.6f},
    // square (-1600, 600)
    {kMapOthers3, 5, -1554, 615, 1.8f, 1.8f},
    {kMapOthers3, 2, -1542, 727, 1.8f, 1.7f},
    // square (1800, 600)
    {kMapOthers2, 2, 1928, 612, 2.7f, 2.7f},
    // square (2400, 600)
    {kMapOthers2, 1, 2487, 671, 1.9f, 1.9f},
    // square (2600, 600)
    {kMapOthers2, 2, 2630, 735, 2.5f, 2.9f},
    // square (2800, 600)
    {kMapOthers2, 2, 2822, 645, 2.3f, 2.3f},
    // square (3200, 600)
    {kMapOthers2, 2, 3253, 607, 2.5f, 2.8f},
    // square (3400, 600)
    {kMapOthers2, 2, 3418, 666, 1.6f, 1.5f},
    // square (-1200, 800)
    {kMapOthers3, 3, -1088, 933, 1.8f, 1.9f},
    // square (-1000, 800)
    {kMapOthers3, 2, -856, 835, 1.9f, 1.8f},
    {kMapOthers3, 5, -921, 939, 2.3f, 2.2f},
    // square (-800, 800)
    {kMapOthers3, 5, -647, 845, 2.4f, 2.4f},
    // square (-400, 800)
    {kMapOthers3, 5, -278, 871, 1.7f, 1.6f},
    {kMapOthers3, 2, -373, 911, 1.9f, 1.9f},
    // square (1800, 800)
    {kMapOthers2, 3, 1835, 886, 2.6f, 1.6f},
    // square (2000, 800)
    {kMapOthers5, 1, 2036, 816, 1.5f, 1.5f},
    // square (2200, 800)
    {kMapOthers3, 7, 2277, 955, 2.5f, 2.4f},
    // square (2400, 800)
    {kMapOthers2, 3, 2548, 864, 2.0f, 0.8f},
    {kMapOthers5, 1, 2532, 952, 1.1f, 1.0f},
    // square (2600, 800)
    {kMapOthers3, 6, 2743, 922, 2.0f, 2.2f},
    // square (2800, 800)
    {kMapOthers2, 2, 2878, 924, 1.7f, 1.5f},
    // square (3000, 800)
    {kMapOthers3, 7, 3158, 940, 2.0f, 1.9f},
    // square (3200, 800)
    {kMapOthers2, 2, 3209, 902, 2.0f, 1.7f},
    // square (-1800, 1000)
    {kMapOthers3, 2, -1738, 1093, 2.0f, 1.9f},
    // square (-1600, 1000)
    {kMapOthers3, 3, -1470, 1087, 1.6f, 1.8f},
    // square (-1000, 1000)
    {kMapOthers3, 2, -964, 1072, 1.4f, 1.4f},
    // square (-800, 1000)
    {kMapOthers3, 5, -789, 1045, 1.7f, 1.8f},
    // square (-200, 1000)
    {kMapOthers3, 0, -48, 1077, 2.2f, 2.4f},
    // square (200, 1000)
    {kMapOthers3, 0, 329, 1095, 2.5f, 2.5f},
    // square (600, 1000)
    {kMapOthers3, 0, 608, 1044, 2.3f, 2.2f},
    {kMapOthers3, 1, 619, 1128, 2.6f, 2.6f},
    // square (2200, 1000)
    {kMapOthers5, 2, 2287, 1082, 1.1f, 1.1f},
    // square (2400, 1000)
    {kMapOthers5, 2, 2544, 1051, 1.5f, 1.6f},
    // square (2600, 1000)
    {kMapOthers2, 2, 2760, 1083, 2.1f, 2.2f},
    // square (2800, 1000)
    {kMapOthers3, 6, 2832, 1066, 2.0f, 1.9f},
    // square (3000, 1000)
    {kMapOthers2, 3, 3115, 1079, 2.0f, 1.1f},
    {kMapOthers3, 6, 3144, 1134, 1.9f, 1.7f},
    // square (3200, 1000)
    {kMapOthers2, 1, 3211, 1074, 1.7f, 1.6f},
    {kMapOthers2, 2, 3292, 1119, 2.1f, 2.0f},
    {kMapOthers2, 1, 3373, 1171, 2.1f, 1.9f},
    // square (-1400, 1200)
    {kMapOthers3, 5, -1356, 1249, 2.1f, 2.0f},
    // square (-1200, 1200)
    {kMapOthers3, 5, -1097, 1226, 1.8f, 1.8f},
    // square (-800, 1200)
    {kMapOthers3, 3, -744, 1307, 1.4f, 1.3f},
    // square (400, 1200)
    {kMapOthers3, 1, 496, 1217, 2.9f, 2.9f},
    // square (1000, 1200)
    {kMapOthers3, 1, 1019, 1277, 2.8f, 2.6f},
    {kMapOthers3, 1, 1052, 1323, 2.8f, 2.8f},
    // square (1200, 1200)
    {kMapOthers3, 0, 1205, 1230, 1.0f, 1.0f},
    {kMapOthers5, 0, 1251, 1241, 1.4f, 1.4f},
    // square (2400, 1200)
    {kMapOthers2, 2, 2553, 1233, 2.1f, 2.0f},
    {kMapOthers3, 6, 2428, 1318, 2.1f, 2.1f},
    {kMapOthers2, 2, 2515, 1371, 2.3f, 2.2f},
    // square (2600, 1200)
    {kMapOthers, 0, 2629, 1263, 2.4f, 2.7f},
    {kMapOthers2, 3, 2732, 1363, 2.0f, 1.4f},
    // square (2800, 1200)
    {kMapOthers2, 2, 2917, 1330, 2.8f, 2.9f},
    // square (3000, 1200)
    {kMapOthers3, 7, 3034, 1328, 2.3f, 2.1f},
    // square (3200, 1200)
    {kMapOthers5, 2, 3245, 1332, 1.4f, 1.4f},
    // square (3400, 1200)
    {kMapOthers2, 0, 3489, 1212, 2.1f, 2.1f},
    // square (0, 1400)
    {kMapOthers3, 0, 38, 1417, 2.1f, 2.0f},
    // square (200, 1400)
    {kMapOthers3, 0, 321, 1410, 1.9f, 2.0f},
    // square (1400, 1400)
    {kMapOthers3, 0, 1470, 1414, 2.4f, 2.4f},
    {kMapOthers3, 0, 1524, 1439, 2.1f, 1.9f},
    {kMapOthers3, 1, 1513, 1540, 2.4f, 2.4f},
    // square (1800, 1400)
    {kMapOthers3, 6, 1816, 1512, 2.5f, 2.6f},
    // square (2200, 1400)
    {kMapOthers3, 6, 2212, 1422, 2.2f, 2.5f},
    {kMapOthers3, 6, 2299, 1514, 2.1f, 2.1f},
    {kMapOthers2, 3, 2260, 1555, 2.6f, 1.1f},
    // square (2600, 1400)
    {kMapOthers2, 1, 2611, 1551, 1.7f, 1.8f},
    // square (2800, 1400)
    {kMapOthers3, 7, 2904, 1532, 2.5f, 2.7f},
    // square (-200, 1600)
    {kMapOthers3, 0, -175, 1649, 2.2f, 2.2f},
    // square (0, 1600)
    {kMapOthers5, 0, 62, 1702, 1.4f, 1.4f},
    {kMapOthers3, 0, 140, 1732, 2.1f, 2.0f},
    // square (200, 1600)
    {kMapOthers5, 0, 247, 1646, 1.4f, 1.4f},
    // square (800, 1600)
    {kMapOthers5, 0, 818, 1648, 1.5f, 1.5f},
    {kMapOthers3, 1, 953, 1697, 2.3f, 2.2f},
    // square (1000, 1600)
    {kMapOthers3, 0, 1128, 1668, 2.3f, 2.3f},
    // square (1800, 1600)
    {kMapOthers, 0, 1825, 1673, 2.4f, 2.5f},
    // square (2000, 1600)
    {kMapOthers2, 2, 2092, 1615, 2.5f, 2.0f},
    {kMapOthers3, 6, 2057, 1666, 2.2f, 2.3f},
    {kMapOthers2, 2, 2007, 1759, 2.2f, 2.6f},
    // square (2200, 1600)
    {kMapOthers, 1, 2240, 1669, 2.0f, 2.9f},
    {kMapOthers2, 2, 2328, 1712, 2.3f, 2.0f},
    // square (2400, 1600)
    {kMapOthers3, 6, 2541, 1670, 1.8f, 1.8f},
    {kMapOthers2, 2, 2525, 1724, 2.0f, 1.7f},
    {kMapOthers2, 2, 2525, 1766, 2.0f, 1.9f},
    // square (2800, 1600)
    {kMapOthers, 1, 2942, 1637, 2.0f, 2.8f},
    {kMapOthers2, 2, 2849, 1708, 2.2f, 2.1f},
    // square (3000, 1600)
    {kMapOthers3, 6, 3094, 1715, 2.1f, 1.8f},
    // square (-200, 1800)
    {kMapOthers3, 0, -48, 1913, 2.1f, 2.0f},
    // square (0, 1800)
    {kMapOthers3, 0, 157, 1830, 1.7f, 1.7f},
    {kMapOthers3, 1, 70, 1873, 1.8f, 1.7f},
    // square (200, 1800)
    {kMapOthers3, 1, 267, 1841, 1.8f, 1.8f},
    // square (600, 1800)
    {kMapOthers3, 0, 743, 1861, 2.1f, 1.9f},
    // square (800, 1800)
    {kMapOthers5, 0, 878, 1889, 1.5f, 1.4f},
    // square (1000, 1800)
    {kMapOthers3, 0, 1138, 1910, 2.2f, 2.4f},
    // square (1200, 1800)
    {kMapOthers3, 1, 1216, 1875, 2.5f, 2.6f},
    {kMapOthers3, 1, 1304, 1949, 2.0f, 2.1f},
    // square (2000, 1800)
    {kMapOthers2, 2, 2076, 1921, 2.1f, 2.0f},
    // square (2200, 1800)
    {kMapOthers3, 6, 2207, 1938, 2.1f, 1.9f},
    // square (2400, 1800)
    {kMapOthers5, 1, 2419, 1885, 1.1f, 1.0f},
    // square (3000, 1800)
    {kMapOthers3, 6, 3045, 1939, 2.0f, 1.8f},
    // square (3200, 1800)
    {kMapOthers2, 2, 3375, 1854, 1.7f, 1.6f},
    {kMapOthers2, 3, 3284, 1864, 2.2f, 0.9f},
    // square (3400, 1800)
    {kMapOthers2, 2, 3425, 1848, 2.4f, 2.1f},
    {kMapOthers2, 2, 3472, 1899, 2.5f, 2.9f},
};

const int kMapDecorationCount = int(sizeof kMapDecorations / sizeof kMapDecorations[0]);

DecorationGround GroundOfDecoration(int image, int frame) {
  // MAPOthers: boulder, rock spire. MapOthers2: dry shrub, bones, stone, crack.
  if (image == kMapOthers || image == kMapOthers2) return DecorationGround::Wasteland;
  if (image == kMapOthers3) {
    // Round tree, pine, bush, flowers, cactus, meadow tree, rocks, dead tree.
    static const DecorationGround kGround[8] = {
        DecorationGround::Lush,      DecorationGround::Lush,     DecorationGround::Grass,
        DecorationGround::Grass,     DecorationGround::Desert,   DecorationGround::Grass,
        DecorationGround::Wasteland, DecorationGround::Wasteland};
    return frame >= 0 && frame < 8 ? kGround[frame] : DecorationGround::Wasteland;
  }
  // MapOthers5: grove, rock outcrop, crater, dune with a skull.
  static const DecorationGround kLarge[4] = {DecorationGround::Lush, DecorationGround::Wasteland,
                                             DecorationGround::Wasteland, DecorationGround::Desert};
  return frame >= 0 && frame < 4 ? kLarge[frame] : DecorationGround::Wasteland;
}
