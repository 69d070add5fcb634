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
    {kMapOthers3, 4, -1658, -1152, 1.9f, 1.9f},
    // square (-1400, -1200)
    {kMapOthers3, 4, -1361, -1112, 1.4f, 1.5f},
    // square (1400, -1200)
    {kMapOthers3, 4, 1533, -1192, 1.4f, 1.4f},
    // square (1800, -1200)
    {kMapOthers2, 3, 1929, -1126, 2.4f, 1.5f},
    // square (2000, -1200)
    {kMapOthers2, 2, 2048, -1170, 1.1f, 1.0f},
    {kMapOthers2, 3, 2011, -1030, 2.1f, 0.9f},
    // square (2400, -1200)
    {kMapOthers3, 6, 2407, -1193, 1.5f, 1.2f},
    {kMapOthers5, 1, 2552, -1123, 1.3f, 1.5f},
    // square (2600, -1200)
    {kMapOthers2, 2, 2630, -1148, 2.0f, 1.8f},
    // square (3000, -1200)
    {kMapOthers3, 6, 3062, -1060, 2.4f, 2.2f},
    // square (3200, -1200)
    {kMapOthers2, 2, 3305, -1062, 1.2f, 1.2f},
    // square (-400, -1000)
    {kMapOthers5, 3, -341, -931, 1.0f, 1.1f},
    // square (400, -1000)
    {kMapOthers5, 3, 527, -881, 1.3f, 1.2f},
    // square (1800, -1000)
    {kMapOthers2, 3, 1889, -984, 2.3f, 1.4f},
    {kMapOthers3, 6, 1854, -876, 2.2f, 2.2f},
    // square (2400, -1000)
    {kMapOthers2, 1, 2466, -937, 1.5f, 1.5f},
    {kMapOthers2, 2, 2542, -880, 1.0f, 1.2f},
    // square (2600, -1000)
    {kMapOthers3, 6, 2685, -843, 2.2f, 2.2f},
    // square (2800, -1000)
    {kMapOthers3, 6, 2864, -915, 1.5f, 1.5f},
    // square (-1600, -800)
    {kMapOthers3, 4, -1565, -781, 1.8f, 1.9f},
    {kMapOthers5, 3, -1504, -750, 1.0f, 1.0f},
    // square (1000, -800)
    {kMapOthers3, 4, 1056, -702, 1.4f, 1.3f},
    // square (1800, -800)
    {kMapOthers2, 3, 1820, -749, 1.5f, 0.6f},
    {kMapOthers2, 2, 1851, -695, 1.5f, 1.8f},
    // square (2200, -800)
    {kMapOthers2, 3, 2282, -765, 1.3f, 0.9f},
    // square (2800, -800)
    {kMapOthers2, 2, 2857, -678, 1.6f, 1.3f},
    // square (3200, -800)
    {kMapOthers, 0, 3306, -715, 2.4f, 2.8f},
    // square (-1800, -600)
    {kMapOthers3, 4, -1731, -553, 1.5f, 1.4f},
    // square (2200, -600)
    {kMapOthers3, 7, 2323, -563, 2.5f, 2.5f},
    {kMapOthers, 0, 2220, -470, 1.4f, 1.4f},
    {kMapOthers3, 6, 2247, -440, 1.6f, 1.7f},
    // square (2600, -600)
    {kMapOthers2, 2, 2680, -480, 1.4f, 1.3f},
    {kMapOthers2, 3, 2610, -440, 1.9f, 0.9f},
    // square (2800, -600)
    {kMapOthers3, 6, 2952, -584, 1.6f, 1.9f},
    // square (3200, -600)
    {kMapOthers2, 3, 3256, -539, 1.8f, 1.1f},
    {kMapOthers, 0, 3230, -481, 1.7f, 1.9f},
    {kMapOthers2, 3, 3296, -444, 2.3f, 1.0f},
    // square (3400, -600)
    {kMapOthers2, 2, 3524, -573, 1.3f, 1.2f},
    // square (2200, -400)
    {kMapOthers2, 0, 2235, -313, 1.6f, 1.5f},
    {kMapOthers2, 2, 2362, -312, 2.0f, 2.1f},
    {kMapOthers2, 2, 2266, -242, 1.5f, 1.8f},
    // square (2400, -400)
    {kMapOthers2, 2, 2407, -340, 2.0f, 1.7f},
    // square (2800, -400)
    {kMapOthers2, 1, 2891, -324, 1.6f, 1.5f},
    {kMapOthers2, 2, 2906, -296, 1.9f, 1.9f},
    // square (3000, -400)
    {kMapOthers5, 2, 3038, -383, 1.3f, 1.2f},
    // square (3200, -400)
    {kMapOthers2, 2, 3299, -354, 1.5f, 1.2f},
    // square (3400, -400)
    {kMapOthers, 1, 3428, -343, 1.9f, 2.9f},
    // square (-1800, -200)
    {kMapOthers3, 5, -1766, -130, 1.8f, 1.9f},
    // square (-1600, -200)
    {kMapOthers3, 3, -1490, -164, 1.1f, 1.2f},
    // square (1800, -200)
    {kMapOthers5, 2, 1921, -190, 1.1f, 1.2f},
    // square (2000, -200)
    {kMapOthers2, 2, 2072, -191, 1.6f, 1.6f},
    {kMapOthers2, 2, 2046, -185, 2.0f, 1.5f},
    // square (2200, -200)
    {kMapOthers2, 2, 2265, -22, 2.1f, 2.0f},
    // square (2600, -200)
    {kMapOthers, 1, 2755, -180, 1.6f, 2.2f},
    {kMapOthers, 1, 2717, -150, 1.8f, 2.7f},
    // square (2800, -200)
    {kMapOthers2, 2, 2875, -180, 1.3f, 1.0f},
    // square (-1800, 0)
    {kMapOthers3, 2, -1690, 8, 1.3f, 1.2f},
    // square (-1600, 0)
    {kMapOthers3, 5, -1469, 44, 1.3f, 1.4f},
    {kMapOthers3, 2, -1582, 76, 1.4f, 1.4f},
    // square (-1400, 0)
    {kMapOthers3, 3, -1269, 115, 1.0f, 1.1f},
    // square (1800, 0)
    {kMapOthers2, 2, 1830, 103, 1.0f, 1.2f},
    // square (2600, 0)
    {kMapOthers2, 3, 2751, 103, 1.4f, 0.9f},
    {kMapOthers2, 2, 2613, 164, 1.3f, 1.3f},
    // square (2800, 0)
    {kMapOthers2, 2, 2933, 8, 1.9f, 1.9f},
    // square (3000, 0)
    {kMapOthers5, 1, 3010, 20, 1.2f, 1.2f},
    // square (-200, 200)
    {kMapOthers3, 2, -63, 234, 1.8f, 1.8f},
    {kMapOthers3, 3, -178, 278, 1.2f, 1.1f},
    // square (2000, 200)
    {kMapOthers, 0, 2169, 256, 1.8f, 1.8f},
    // square (2200, 200)
    {kMapOthers2, 1, 2347, 216, 1.3f, 1.3f},
    {kMapOthers, 1, 2306, 228, 1.7f, 2.4f},
    {kMapOthers2, 2, 2268, 306, 1.3f, 1.4f},
    {kMapOthers2, 2, 2294, 376, 1.5f, 1.4f},
    // square (2400, 200)
    {kMapOthers2, 0, 2463, 243, 1.7f, 1.7f},
    {kMapOthers2, 2, 2491, 348, 2.0f, 1.7f},
    // square (2600, 200)
    {kMapOthers3, 6, 2688, 218, 1.3f, 1.3f},
    // square (2800, 200)
    {kMapOthers3, 6, 2941, 232, 2.5f, 2.7f},
    {kMapOthers2, 2, 2892, 343, 1.4f, 1.6f},
    // square (3000, 200)
    {kMapOthers5, 2, 3025, 249, 1.3f, 1.3f},
    // square (3200, 200)
    {kMapOthers3, 6, 3336, 276, 1.5f, 1.4f},
    // square (-1600, 400)
    {kMapOthers3, 5, -1577, 433, 1.5f, 1.5f},
    // square (-1200, 400)
    {kMapOthers3, 3, -1192, 555, 1.1f, 1.2f},
    // square (1800, 400)
    {kMapOthers2, 0, 1964, 499, 1.6f, 1.6f},
    // square (2000, 400)
    {kMapOthers2, 3, 2022, 420, 1.5f, 0.8f},
    {kMapOthers2, 2, 2173, 448, 2.0f, 2.3f},
    {kMapOthers2, 2, 2109, 532, 1.1f, 0.9f},
    // square (2400, 400)
    {kMapOthers3, 7, 2460, 507, 2.5f, 2.3f},
    {kMapOthers5, 1, 2540, 532, 1.3f, 1.2f},
    // square (2800, 400)
    {kMapOthers3, 7, 2907, 465, 2.2f, 2.0f},
    // square (3000, 400)
    {kMapOthers2, 2, 3050, 429, 1.2f, 1.1f},
    {kMapOthers3, 6, 3038, 484, 2.6f, 2.6f},
    {kMapOthers2, 2, 3157, 536, 2.1f, 2.5f},
    // square (3200, 400)
    {kMapOthers2, 2, 3273, 536, 1.2f, 1.0f},
    // square (-1600, 600)
    {kMapOthers3, 5, -1554, 769, 1.5f, 1.5f},
    // square (1800, 600)
    {kMapOthers2, 2, 1928, 612, 2.1f, 2.1f},
    // square (2400, 600)
    {kMapOthers2, 3, 2487, 671, 1.7f, 1.0f},
    // square (2600, 600)
    {kMapOthers2, 2, 2630, 735, 1.9f, 2.3f},
    // square (2800, 600)
    {kMapOthers2, 2, 2822, 645, 1.7f, 1.7f},
    // square (3200, 600)
    {kMapOthers2, 2, 3253, 607, 1.9f, 2.1f},
    // square (3400, 600)
    {kMapOthers2, 1, 3577, 620, 1.5f, 1.6f},
    // square (-1200, 800)
    {kMapOthers3, 2, -1088, 933, 1.6f, 1.7f},
    // square (-1000, 800)
    {kMapOthers3, 2, -921, 939, 1.6f, 1.5f},
    {kMapOthers3, 5, -885, 951, 1.4f, 1.4f},
    // square (-800, 800)
    {kMapOthers3, 5, -647, 845, 2.3f, 2.2f},
    // square (-400, 800)
    {kMapOthers3, 5, -278, 871, 1.5f, 1.6f},
    // square (1800, 800)
    {kMapOthers2, 2, 1835, 886, 1.8f, 1.8f},
    // square (2000, 800)
    {kMapOthers2, 1, 2035, 841, 1.2f, 1.2f},
    {kMapOthers2, 2, 2045, 937, 1.5f, 1.3f},
    // square (2200, 800)
    {kMapOthers2, 2, 2249, 814, 1.1f, 0.9f},
    // square (2400, 800)
    {kMapOthers3, 6, 2532, 952, 1.3f, 1.0f},
    // square (2600, 800)
    {kMapOthers3, 6, 2743, 922, 2.0f, 1.6f},
    // square (2800, 800)
    {kMapOthers2, 2, 2878, 924, 1.1f, 0.9f},
    {kMapOthers2, 3, 2957, 925, 1.9f, 1.0f},
    // square (3000, 800)
    {kMapOthers3, 6, 3158, 940, 1.5f, 1.3f},
    // square (3200, 800)
    {kMapOthers2, 2, 3209, 902, 1.4f, 1.1f},
    // square (3400, 800)
    {kMapOthers, 1, 3565, 975, 1.6f, 2.3f},
    // square (-1800, 1000)
    {kMapOthers3, 2, -1738, 1093, 1.8f, 1.7f},
    // square (-1600, 1000)
    {kMapOthers3, 2, -1470, 1087, 1.2f, 1.3f},
    // square (-800, 1000)
    {kMapOthers3, 3, -628, 1011, 1.0f, 1.1f},
    // square (200, 1000)
    {kMapOthers3, 0, 329, 1095, 2.5f, 2.5f},
    // square (600, 1000)
    {kMapOthers3, 0, 608, 1044, 2.2f, 2.0f},
    {kMapOthers3, 0, 619, 1128, 2.3f, 2.3f},
    // square (1800, 1000)
    {kMapOthers3, 6, 1812, 1090, 1.7f, 1.9f},
    // square (2000, 1000)
    {kMapOthers2, 2, 2078, 1039, 1.7f, 2.1f},
    {kMapOthers2, 2, 2007, 1136, 2.1f, 1.7f},
    {kMapOthers2, 3, 2040, 1169, 1.5f, 0.6f},
    // square (2200, 1000)
    {kMapOthers3, 7, 2287, 1082, 1.6f, 1.5f},
    // square (2400, 1000)
    {kMapOthers3, 7, 2544, 1051, 2.5f, 2.7f},
    // square (2600, 1000)
    {kMapOthers2, 2, 2760, 1083, 1.5f, 1.6f},
    // square (3000, 1000)
    {kMapOthers3, 6, 3130, 1052, 1.4f, 1.4f},
    {kMapOthers2, 3, 3115, 1079, 1.7f, 0.8f},
    // square (3200, 1000)
    {kMapOthers2, 2, 3292, 1119, 1.5f, 1.4f},
    {kMapOthers2, 3, 3373, 1171, 2.0f, 0.9f},
    // square (-1200, 1200)
    {kMapOthers3, 5, -1097, 1226, 1.6f, 1.6f},
    // square (-800, 1200)
    {kMapOthers3, 2, -744, 1307, 1.0f, 0.9f},
    // square (400, 1200)
    {kMapOthers3, 0, 496, 1217, 2.6f, 2.8f},
    // square (1000, 1200)
    {kMapOthers3, 0, 1019, 1277, 2.5f, 2.3f},
    {kMapOthers3, 0, 1052, 1323, 2.5f, 2.5f},
    // square (1200, 1200)
    {kMapOthers3, 0, 1205, 1230, 1.0f, 1.0f},
    {kMapOthers3, 1, 1251, 1241, 1.8f, 1.8f},
    // square (2400, 1200)
    {kMapOthers2, 2, 2553, 1233, 1.5f, 1.4f},
    {kMapOthers2, 2, 2515, 1371, 1.7f, 1.6f},
    // square (2600, 1200)
    {kMapOthers2, 2, 2632, 1213, 1.9f, 2.0f},
    {kMapOthers2, 3, 2629, 1263, 1.4f, 0.7f},
    // square (2800, 1200)
    {kMapOthers5, 2, 2957, 1230, 1.0f, 1.0f},
    {kMapOthers2, 2, 2917, 1330, 1.4f, 1.2f},
    {kMapOthers2, 2, 2934, 1375, 1.4f, 1.2f},
    // square (3000, 1200)
    {kMapOthers3, 6, 3034, 1365, 1.9f, 1.6f},
    // square (3200, 1200)
    {kMapOthers2, 2, 3301, 1215, 1.0f, 1.1f},
    {kMapOthers3, 7, 3356, 1245, 2.2f, 2.3f},
    {kMapOthers2, 2, 3264, 1293, 1.2f, 1.0f},
    // square (1400, 1400)
    {kMapOthers5, 0, 1417, 1426, 1.8f, 1.9f},
    {kMapOthers3, 0, 1524, 1439, 1.9f, 1.7f},
    {kMapOthers3, 1, 1513, 1540, 2.4f, 2.4f},
    // square (1800, 1400)
    {kMapOthers3, 6, 1816, 1512, 2.5f, 2.7f},
    // square (2000, 1400)
    {kMapOthers2, 2, 2041, 1527, 2.1f, 2.2f},
    // square (2400, 1400)
    {kMapOthers2, 0, 2575, 1462, 1.9f, 2.1f},
    // square (2600, 1400)
    {kMapOthers3, 6, 2714, 1508, 2.1f, 2.1f},
    {kMapOthers2, 3, 2611, 1551, 1.4f, 0.8f},
    // square (2800, 1400)
    {kMapOthers3, 6, 2904, 1532, 2.2f, 2.6f},
    // square (0, 1600)
    {kMapOthers3, 1, 62, 1702, 1.7f, 1.6f},
    // square (200, 1600)
    {kMapOthers3, 1, 247, 1646, 1.7f, 1.7f},
    // square (600, 1600)
    {kMapOthers5, 0, 734, 1650, 1.3f, 1.2f},
    {kMapOthers3, 1, 666, 1665, 2.4f, 2.5f},
    // square (800, 1600)
    {kMapOthers5, 0, 928, 1614, 1.3f, 1.3f},
    {kMapOthers3, 1, 818, 1648, 2.0f, 2.0f},
    {kMapOthers3, 0, 953, 1697, 2.0f, 1.9f},
    // square (1000, 1600)
    {kMapOthers3, 0, 1092, 1667, 1.8f, 1.6f},
    {kMapOthers3, 0, 1128, 1668, 2.2f, 2.3f},
    // square (1200, 1600)
    {kMapOthers3, 1, 1258, 1727, 2.6f, 2.4f},
    // square (2000, 1600)
    {kMapOthers2, 2, 2092, 1615, 1.9f, 1.5f},
    {kMapOthers2, 2, 2007, 1759, 1.6f, 2.0f},
    // square (2200, 1600)
    {kMapOthers5, 1, 2343, 1661, 1.3f, 1.1f},
    {kMapOthers2, 0, 2240, 1669, 1.5f, 1.2f},
    {kMapOthers2, 2, 2328, 1712, 1.7f, 1.4f},
    // square (2400, 1600)
    {kMapOthers3, 6, 2541, 1670, 1.7f, 1.7f},
    {kMapOthers2, 2, 2525, 1724, 1.4f, 1.1f},
    {kMapOthers2, 2, 2525, 1766, 1.4f, 1.3f},
    // square (2800, 1600)
    {kMapOthers2, 2, 2849, 1708, 1.2f, 1.3f},
    // square (3000, 1600)
    {kMapOthers2, 3, 3130, 1694, 1.4f, 0.9f},
    // square (3200, 1600)
    {kMapOthers2, 0, 3261, 1776, 1.3f, 1.4f},
    // square (-200, 1800)
    {kMapOthers3, 0, -48, 1913, 2.0f, 1.9f},
    // square (0, 1800)
    {kMapOthers3, 0, 70, 1873, 1.5f, 1.4f},
    {kMapOthers5, 0, 27, 1911, 1.5f, 1.6f},
    // square (200, 1800)
    {kMapOthers3, 1, 267, 1967, 1.6f, 1.6f},
    // square (400, 1800)
    {kMapOthers5, 0, 435, 1877, 1.3f, 1.4f},
    // square (800, 1800)
    {kMapOthers3, 1, 878, 1889, 2.1f, 2.0f},
    // square (1000, 1800)
    {kMapOthers3, 0, 1138, 1910, 2.0f, 2.2f},
    // square (1200, 1800)
    {kMapOthers3, 1, 1216, 1875, 1.6f, 1.7f},
    {kMapOthers3, 0, 1304, 1949, 1.7f, 1.8f},
    // square (2000, 1800)
    {kMapOthers2, 2, 2076, 1921, 1.5f, 1.4f},
    {kMapOthers2, 3, 2019, 1984, 1.3f, 0.9f},
    // square (2200, 1800)
    {kMapOthers2, 2, 2282, 1893, 1.9f, 2.3f},
    // square (2400, 1800)
    {kMapOthers2, 1, 2523, 1916, 1.5f, 1.4f},
    {kMapOthers, 1, 2438, 1924, 2.0f, 2.9f},
    // square (3000, 1800)
    {kMapOthers3, 6, 3045, 1966, 1.9f, 1.6f},
    // square (3200, 1800)
    {kMapOthers2, 2, 3375, 1854, 1.1f, 1.1f},
    {kMapOthers, 0, 3341, 1912, 1.8f, 2.1f},
    // square (3400, 1800)
    {kMapOthers2, 2, 3425, 1848, 1.8f, 1.5f},
    {kMapOthers2, 2, 3576, 1872, 1.9f, 2.3f},
};

const int kMapDecorationCount = int(sizeof kMapDecorations / sizeof kMapDecorations[0]);

DecorationGround GroundOfDecoration(int image, int frame) {
  // MAPOthers: boulder, rock spire. MapOthers2: dry shrub, bones, stone, crack.
  if (image == kMapOthers || image == kMapOthers2) return DecorationGround::Wasteland;
  if (image == kMapOthers3) {
    // Round tree, pine, bush, flowers, cactus, meadow tree, rocks, dead tree.
    static const DecorationGround kGround[8] = {
        DecorationGround::Lush,   DecorationGround::Lush,  DecorationGround::Grass,
        DecorationGround::Grass,  DecorationGround::Desert, DecorationGround::Grass,
        DecorationGround::Wasteland, DecorationGround::Wasteland};
    return frame >= 0 && frame < 8 ? kGround[frame] : DecorationGround::Wasteland;
  }
  // MapOthers5: grove, rock outcrop, crater, dune with a skull.
  static const DecorationGround kLarge[4] = {DecorationGround::Lush, DecorationGround::Wasteland,
                                             DecorationGround::Wasteland, DecorationGround::Desert};
  return frame >= 0 && frame < 4 ? kLarge[frame] : DecorationGround::Wasteland;
}
