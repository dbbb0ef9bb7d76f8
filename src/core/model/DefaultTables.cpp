#include "model/DefaultTables.h"

#include <algorithm>
#include <initializer_list>

namespace korvane::model {
namespace {

using Word = std::uint16_t;
using Curve = std::array<Word, 15>;
using TemperatureTable = std::array<Word, 10>;
using ServoTable = std::array<Word, 31>;
using PositionTable = std::array<Word, 32>;
using MapTable = std::array<Word, 150>;

constexpr Word ServoHysteresisMv = 200;

// "a, b, c, then x n times": the listed head, the rest of the curve filled with one value.
constexpr Curve HeadThenRepeat(std::initializer_list<Word> head, Word rest)
{
    Curve curve{};
    curve.fill(rest);
    std::copy(head.begin(), head.end(), curve.begin());
    return curve;
}

constexpr Curve WithFirst(Curve curve, Word first)
{
    curve[0] = first;
    return curve;
}

constexpr ServoTable MakeServo(const Curve &rpm, const Curve &millivolts)
{
    ServoTable table{};
    table[0] = ServoHysteresisMv;
    std::copy(rpm.begin(), rpm.end(), table.begin() + 1);
    std::copy(millivolts.begin(), millivolts.end(), table.begin() + 16);
    return table;
}

constexpr PositionTable MakePosition(Word refA, Word refB, const Curve &posA, const Curve &posB)
{
    PositionTable table{};
    table[0] = refA;
    table[1] = refB;
    std::copy(posA.begin(), posA.end(), table.begin() + 2);
    std::copy(posB.begin(), posB.end(), table.begin() + 17);
    return table;
}

// Position B equals position A unless a model lists its own.
constexpr PositionTable MakePosition(Word refA, Word refB, const Curve &posA)
{
    return MakePosition(refA, refB, posA, posA);
}

// A map that is zero except for the given rows, the first of them at firstRow.
template <std::size_t N>
constexpr MapTable MapFromRow(std::size_t firstRow, const std::array<Curve, N> &rows)
{
    MapTable map{};
    for (std::size_t r = 0; r < N; ++r) {
        std::copy(rows[r].begin(), rows[r].end(), map.begin() + 15 * (firstRow + r));
    }
    return map;
}

// --- Temperature corrections: coolant, then air, at -10, 20, 50, 80, 110 degC [%].
constexpr TemperatureTable Temp_0_24{150, 138, 111, 100, 92, 121, 110, 100, 92, 84};
constexpr TemperatureTable Temp_1_13_14_15_26{113, 109, 105, 100, 97, 109, 105, 100, 100, 100};
constexpr TemperatureTable Temp_2_3_21_28{136, 125, 111, 100, 99, 119, 109, 100, 100, 100};
constexpr TemperatureTable Temp_4_22{160, 139, 126, 100, 100, 121, 105, 100, 98, 98};
constexpr TemperatureTable Temp_5{139, 110, 104, 100, 99, 121, 110, 100, 97, 97};
constexpr TemperatureTable Temp_6_11_20{112, 107, 103, 100, 97, 106, 103, 100, 100, 100};
constexpr TemperatureTable Temp_7_19{134, 118, 110, 100, 100, 111, 107, 100, 95, 95};
constexpr TemperatureTable Temp_8_9_10{125, 114, 107, 100, 98, 113, 107, 100, 97, 93};
constexpr TemperatureTable Temp_12_23{117, 111, 104, 100, 99, 110, 105, 100, 100, 100};
constexpr TemperatureTable Temp_16_25{125, 107, 100, 100, 100, 105, 102, 100, 100, 100};
constexpr TemperatureTable Temp_17_27{115, 107, 104, 100, 96, 105, 101, 100, 90, 85};
constexpr TemperatureTable Temp_18{124, 120, 109, 100, 98, 115, 109, 100, 98, 93};

// --- Engine speeds of the seven map and position axes [rpm].
constexpr Curve Speed_0_1_5_9_10_15_16_25{1000, 2000, 3000, 4000, 5000, 5500, 6000, 6500,
                                          7000, 7500, 8000, 9000, 10000, 11000, 12000};
constexpr Curve Speed_2_3_6_7_11_18_19_20_28{1000, 2000, 3000, 4000, 6000, 7000, 8000, 9000,
                                             10000, 11000, 12000, 13000, 14000, 15000, 16000};
constexpr Curve Speed_4_8_12_13_14_17_21_22_23_27{1000, 2000, 3000, 4000, 5000, 5500, 6000, 7000,
                                                  8000, 9000, 10000, 11000, 12000, 13000, 14000};
constexpr Curve Speed_24{1000, 2000, 3000, 4000, 5000, 5500, 6000, 6500,
                         7000, 7500, 8000, 8500, 9000, 9500, 10000};
constexpr Curve Speed_26{1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000,
                         9000, 10000, 11000, 12000, 13000, 14000, 15000};

// --- Servo curves: engine speeds [rpm] and voltages [mV].
constexpr Curve ServoRpmStandard{1000, 2000, 3000, 4000, 6000, 7000, 8000, 9000,
                                 10000, 11000, 12000, 13000, 14000, 15000, 16000};
constexpr Curve ServoVoltStandard{2000, 2100, 2200, 2300, 2400, 2450, 2500, 2550,
                                  2600, 2650, 2700, 2750, 2800, 2850, 2900};

constexpr ServoTable Servo_Standard = MakeServo(ServoRpmStandard, ServoVoltStandard);
constexpr ServoTable Servo_0 = MakeServo(WithFirst(ServoRpmStandard, 1200), ServoVoltStandard);
constexpr ServoTable Servo_4_21_22 =
    MakeServo(Curve{2500, 2600, 6300, 6400, 15000, 15100, 15200, 15300,
                    15400, 15500, 15600, 15700, 15800, 15900, 16000},
              HeadThenRepeat({2700, 4520, 4520}, 480));
// The speeds fall between points 4 and 5 on purpose; normalisation makes the curve rise.
constexpr ServoTable Servo_17_27 =
    MakeServo(Curve{300, 400, 4100, 4600, 6500, 6000, 7500, 8300,
                    9000, 10500, 12000, 13000, 14000, 15000, 16000},
              HeadThenRepeat({600, 900, 900, 1220, 1220, 1290, 1360, 1610}, 1860));
constexpr ServoTable Servo_26 =
    MakeServo(Curve{700, 800, 2000, 3000, 4000, 5000, 6000, 7000,
                    8000, 9000, 10000, 11000, 12000, 13000, 14000},
              HeadThenRepeat({1650, 2580, 2580, 1910, 2510, 3150}, 3340));

// --- Advance rows [deg], used for all ten throttle rows.
constexpr Curve Adv_0{13, 14, 20, 28, 31, 32, 33, 32, 31, 31, 31, 31, 31, 31, 31};
constexpr Curve Adv_1{9, 19, 30, 36, 36, 35, 34, 34, 34, 34, 34, 34, 34, 34, 34};
constexpr Curve Adv_2{7, 15, 25, 29, 35, 34, 32, 32, 31, 31, 30, 32, 33, 33, 33};
constexpr Curve Adv_3_21_28{10, 15, 27, 32, 36, 34, 31, 31, 30, 30, 30, 30, 30, 30, 30};
constexpr Curve Adv_4_22{5, 10, 23, 40, 40, 40, 40, 40, 40, 39, 37, 37, 37, 37, 37};
constexpr Curve Adv_5{13, 16, 31, 39, 39, 39, 39, 39, 38, 38, 38, 38, 38, 38, 38};
constexpr Curve Adv_6_11_20{16, 30, 38, 35, 39, 40, 40, 40, 39, 39, 39, 37, 34, 34, 34};
constexpr Curve Adv_7_19{18, 19, 29, 31, 33, 32, 31, 32, 32, 32, 31, 31, 30, 30, 30};
constexpr Curve Adv_8{19, 23, 30, 33, 32, 32, 31, 31, 31, 31, 31, 31, 31, 31, 31};
constexpr Curve Adv_9_10{19, 23, 30, 33, 31, 31, 31, 31, 31, 31, 31, 31, 31, 31, 31};
constexpr Curve Adv_12_23{4, 17, 43, 37, 44, 42, 39, 39, 39, 38, 37, 36, 35, 34, 32};
constexpr Curve Adv_13_14_15{10, 25, 28, 26, 29, 30, 31, 30, 29, 29, 29, 29, 29, 29, 29};
constexpr Curve Adv_16_25{10, 10, 25, 35, 40, 40, 40, 41, 41, 41, 41, 41, 41, 41, 41};
constexpr Curve Adv_17_27{6, 14, 30, 35, 40, 39, 38, 38, 38, 37, 35, 35, 35, 35, 35};
constexpr Curve Adv_18{14, 22, 38, 39, 38, 39, 40, 38, 35, 34, 32, 32, 32, 30, 28};
constexpr Curve Adv_24{13, 14, 20, 28, 31, 32, 33, 32, 31, 33, 34, 34, 34, 34, 34};

// Code 26 carries a full map, rows for throttle 0 % to 100 %. Values above 60
// are left to normalisation, as the unit's own tables have them.
constexpr MapTable AdvMap_26 = MapFromRow(0, std::array<Curve, 10>{
    Curve{8, 22, 37, 55, 82, 82, 82, 82, 82, 82, 82, 82, 82, 82, 82},
    Curve{8, 22, 42, 50, 55, 65, 80, 82, 82, 82, 82, 82, 82, 82, 82},
    Curve{8, 24, 37, 40, 43, 51, 54, 55, 56, 56, 56, 56, 56, 56, 56},
    Curve{10, 26, 34, 38, 40, 48, 52, 52, 54, 55, 55, 55, 55, 55, 55},
    Curve{10, 20, 28, 32, 35, 40, 42, 45, 48, 50, 50, 50, 50, 50, 50},
    Curve{11, 21, 25, 30, 31, 35, 36, 40, 42, 45, 45, 45, 45, 45, 45},
    Curve{11, 21, 25, 30, 31, 33, 35, 36, 38, 39, 40, 40, 40, 40, 40},
    Curve{13, 23, 28, 33, 34, 36, 38, 37, 38, 38, 38, 38, 38, 38, 38},
    Curve{15, 23, 28, 34, 36, 39, 40, 39, 39, 37, 36, 33, 33, 33, 33},
    Curve{15, 22, 29, 34, 36, 38, 40, 38, 40, 36, 35, 32, 32, 32, 32},
});

// --- Injection map B.
constexpr MapTable MapB_Zero{};
constexpr MapTable MapB_3_21_28 = MapFromRow(7, std::array<Curve, 3>{
    Curve{0, 0, 0, 0, 3, 4, 5, 7, 9, 11, 14, 12, 10, 10, 10},
    Curve{0, 0, 0, 0, 5, 9, 14, 20, 27, 35, 44, 36, 29, 29, 29},
    Curve{0, 0, 0, 0, 9, 16, 24, 35, 47, 53, 59, 54, 50, 50, 50},
});
constexpr MapTable MapB_19 = MapFromRow(3, std::array<Curve, 7>{
    Curve{0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4},
    Curve{0, 0, 0, 0, 2, 7, 12, 13, 14, 15, 16, 16, 17, 17, 17},
    Curve{0, 0, 0, 0, 2, 7, 12, 21, 31, 33, 35, 35, 35, 35, 35},
    Curve{0, 0, 0, 0, 2, 7, 12, 23, 34, 36, 38, 38, 38, 38, 38},
    Curve{0, 0, 0, 0, 2, 8, 14, 27, 39, 42, 45, 45, 45, 45, 45},
    Curve{0, 0, 0, 0, 2, 8, 14, 29, 43, 45, 48, 48, 48, 48, 48},
    Curve{0, 0, 0, 0, 1, 7, 13, 29, 44, 46, 48, 48, 48, 48, 48},
});
constexpr MapTable MapB_26 = MapFromRow(5, std::array<Curve, 5>{
    Curve{0, 0, 0, 4, 5, 5, 5, 5, 5, 6, 6, 6, 7, 7, 7},
    Curve{0, 0, 0, 4, 4, 6, 8, 9, 11, 12, 13, 13, 14, 14, 14},
    Curve{0, 0, 0, 4, 6, 17, 24, 30, 34, 38, 40, 40, 40, 40, 40},
    Curve{0, 0, 0, 4, 11, 37, 47, 58, 67, 73, 74, 74, 73, 73, 73},
    Curve{0, 0, 0, 4, 13, 42, 51, 62, 73, 80, 79, 79, 79, 79, 79},
});

// --- Injection positions [deg] with their references (0 beginning, 1 centre, 2 end).
constexpr Curve PosA_0_24{370, 370, 360, 358, 350, 348, 345, 343, 340, 340, 340, 340, 340, 340, 340};
constexpr Curve PosA_7_19{474, 475, 470, 470, 469, 440, 410, 314, 217, 163, 109, 97, 85, 85, 85};

constexpr PositionTable Pos_0 = MakePosition(1, 1, PosA_0_24);
constexpr PositionTable Pos_24 = MakePosition(0, 0, PosA_0_24);
constexpr PositionTable Pos_1 = MakePosition(
    0, 0, Curve{273, 277, 291, 283, 292, 265, 238, 235, 232, 227, 222, 222, 222, 222, 222});
constexpr PositionTable Pos_2_5 = MakePosition(
    0, 0, Curve{455, 450, 445, 680, 690, 705, 720, 685, 650, 643, 635, 658, 680, 680, 680});
constexpr PositionTable Pos_3_21_28 = MakePosition(
    1, 1, Curve{450, 446, 560, 547, 551, 532, 512, 442, 371, 397, 423, 446, 469, 471, 473},
    Curve{670, 670, 670, 670, 670, 649, 628, 653, 677, 654, 631, 630, 629, 628, 626});
constexpr PositionTable Pos_4_22 = MakePosition(
    0, 0, Curve{573, 573, 563, 588, 613, 658, 703, 383, 63, 78, 93, 93, 93, 93, 93});
constexpr PositionTable Pos_6_11_20 = MakePosition(
    1, 1, Curve{371, 322, 244, 244, 220, 218, 215, 228, 240, 245, 250, 245, 240, 240, 240});
constexpr PositionTable Pos_7 = MakePosition(2, 2, PosA_7_19);
constexpr PositionTable Pos_19 = MakePosition(
    2, 2, PosA_7_19,
    Curve{443, 443, 443, 443, 443, 412, 381, 267, 152, 124, 96, 97, 97, 91, 85});
constexpr PositionTable Pos_8_9_10 = MakePosition(
    2, 2, Curve{380, 400, 430, 430, 440, 330, 220, 145, 70, 70, 70, 70, 70, 70, 70});
constexpr PositionTable Pos_12_23 = MakePosition(
    1, 1, Curve{370, 365, 259, 231, 134, 94, 53, 391, 729, 696, 663, 669, 674, 679, 684});
constexpr PositionTable Pos_13_14_15 = MakePosition(
    1, 1, Curve{234, 249, 311, 340, 361, 398, 434, 437, 439, 438, 437, 437, 437, 437, 437});
constexpr PositionTable Pos_16_25 = MakePosition(0, 0, HeadThenRepeat({552, 552, 552}, 372));
constexpr PositionTable Pos_17_27 = MakePosition(
    1, 1, Curve{306, 266, 210, 157, 155, 132, 108, 102, 95, 92, 89, 89, 89, 89, 89});
constexpr PositionTable Pos_18 = MakePosition(
    1, 1, Curve{336, 326, 319, 301, 344, 327, 309, 282, 255, 234, 212, 199, 186, 151, 116});
constexpr PositionTable Pos_26 = MakePosition(
    2, 2, Curve{285, 238, 227, 202, 192, 178, 168, 146, 127, 97, 56, 51, 53, 53, 53},
    Curve{252, 252, 252, 252, 246, 229, 198, 161, 133, 106, 69, 44, 42, 42, 42});

// Per type code: limits are TPS 0 %, TPS 100 % [mV], start, ignition and
// injection limiter, shift light [rpm]; misc are base advance, start injection,
// pulses per revolution, fall sensor active level, blocking.
constexpr std::array<DefaultSet, MaxBikeType + 1> Sets{{
    /* 0 */ {Temp_0_24, Servo_0, Speed_0_1_5_9_10_15_16_25, Pos_0, Adv_0,
             {650, 4030, 8000, 11000, 11300, 9000}, {15, 10, 2, 1, 0}, MapB_Zero},
    /* 1 */ {Temp_1_13_14_15_26, Servo_Standard, Speed_0_1_5_9_10_15_16_25, Pos_1, Adv_1,
             {340, 4730, 7000, 10800, 11100, 8800}, {0, 10, 2, 1, 0}, MapB_Zero},
    /* 2 */ {Temp_2_3_21_28, Servo_Standard, Speed_2_3_6_7_11_18_19_20_28, Pos_2_5, Adv_2,
             {500, 4420, 10000, 14000, 14300, 12000}, {11, 10, 2, 1, 0}, MapB_Zero},
    /* 3 */ {Temp_2_3_21_28, Servo_Standard, Speed_2_3_6_7_11_18_19_20_28, Pos_3_21_28, Adv_3_21_28,
             {500, 4420, 10000, 14000, 14300, 12000}, {11, 10, 2, 1, 0}, MapB_3_21_28},
    /* 4 */ {Temp_4_22, Servo_4_21_22, Speed_4_8_12_13_14_17_21_22_23_27, Pos_4_22, Adv_4_22,
             {500, 4420, 9000, 12000, 12300, 10000}, {10, 10, 2, 1, 0}, MapB_Zero},
    /* 5 */ {Temp_5, Servo_Standard, Speed_0_1_5_9_10_15_16_25, Pos_2_5, Adv_5,
             {500, 4420, 8000, 11000, 11300, 9000}, {5, 10, 2, 1, 0}, MapB_Zero},
    /* 6 */ {Temp_6_11_20, Servo_Standard, Speed_2_3_6_7_11_18_19_20_28, Pos_6_11_20, Adv_6_11_20,
             {1100, 4300, 10000, 14000, 14300, 12000}, {11, 10, 1, 1, 0}, MapB_Zero},
    /* 7 */ {Temp_7_19, Servo_Standard, Speed_2_3_6_7_11_18_19_20_28, Pos_7, Adv_7_19,
             {1030, 4300, 10000, 14000, 14300, 12000}, {13, 10, 2, 0, 0}, MapB_Zero},
    /* 8 */ {Temp_8_9_10, Servo_Standard, Speed_4_8_12_13_14_17_21_22_23_27, Pos_8_9_10, Adv_8,
             {670, 4020, 9000, 12000, 12300, 10000}, {8, 12, 1, 0, 0}, MapB_Zero},
    /* 9 */ {Temp_8_9_10, Servo_Standard, Speed_0_1_5_9_10_15_16_25, Pos_8_9_10, Adv_9_10,
             {1080, 4190, 8000, 11000, 11300, 9000}, {8, 10, 2, 0, 0}, MapB_Zero},
    /* 10 */ {Temp_8_9_10, Servo_Standard, Speed_0_1_5_9_10_15_16_25, Pos_8_9_10, Adv_9_10,
              {1080, 4190, 8000, 11000, 11300, 9000}, {8, 10, 2, 0, 0}, MapB_Zero},
    /* 11 */ {Temp_6_11_20, Servo_Standard, Speed_2_3_6_7_11_18_19_20_28, Pos_6_11_20, Adv_6_11_20,
              {1100, 4300, 10000, 14000, 14300, 12000}, {10, 10, 1, 1, 0}, MapB_Zero},
    /* 12 */ {Temp_12_23, Servo_Standard, Speed_4_8_12_13_14_17_21_22_23_27, Pos_12_23, Adv_12_23,
              {1100, 4300, 9500, 13600, 13900, 11600}, {10, 12, 1, 1, 0}, MapB_Zero},
    /* 13 */ {Temp_1_13_14_15_26, Servo_Standard, Speed_4_8_12_13_14_17_21_22_23_27, Pos_13_14_15,
              Adv_13_14_15, {1100, 4300, 9000, 12000, 12300, 10000}, {12, 13, 1, 1, 0}, MapB_Zero},
    /* 14 */ {Temp_1_13_14_15_26, Servo_Standard, Speed_4_8_12_13_14_17_21_22_23_27, Pos_13_14_15,
              Adv_13_14_15, {1100, 4300, 9000, 12000, 12300, 10000}, {13, 13, 1, 0, 0}, MapB_Zero},
    /* 15 */ {Temp_1_13_14_15_26, Servo_Standard, Speed_0_1_5_9_10_15_16_25, Pos_13_14_15,
              Adv_13_14_15, {1100, 4300, 7500, 10500, 10800, 8500}, {12, 13, 1, 0, 0}, MapB_Zero},
    /* 16 */ {Temp_16_25, Servo_Standard, Speed_0_1_5_9_10_15_16_25, Pos_16_25, Adv_16_25,
              {1100, 4300, 8000, 10000, 10300, 9000}, {0, 10, 1, 1, 0}, MapB_Zero},
    /* 17 */ {Temp_17_27, Servo_17_27, Speed_4_8_12_13_14_17_21_22_23_27, Pos_17_27, Adv_17_27,
              {660, 3890, 8000, 12000, 12300, 10000}, {7, 10, 2, 0, 0}, MapB_Zero},
    /* 18 */ {Temp_18, Servo_Standard, Speed_2_3_6_7_11_18_19_20_28, Pos_18, Adv_18,
              {660, 3890, 8000, 15000, 15300, 13000}, {12, 10, 2, 0, 0}, MapB_Zero},
    /* 19 */ {Temp_7_19, Servo_Standard, Speed_2_3_6_7_11_18_19_20_28, Pos_19, Adv_7_19,
              {1030, 4300, 10000, 14000, 14300, 12000}, {13, 10, 2, 0, 0}, MapB_19},
    /* 20 */ {Temp_6_11_20, Servo_Standard, Speed_2_3_6_7_11_18_19_20_28, Pos_6_11_20, Adv_6_11_20,
              {1100, 4300, 10000, 14000, 14300, 12000}, {13, 10, 1, 0, 0}, MapB_Zero},
    /* 21 */ {Temp_2_3_21_28, Servo_4_21_22, Speed_4_8_12_13_14_17_21_22_23_27, Pos_3_21_28,
              Adv_3_21_28, {500, 4420, 9000, 12400, 12700, 12000}, {11, 10, 2, 1, 0}, MapB_3_21_28},
    /* 22 */ {Temp_4_22, Servo_4_21_22, Speed_4_8_12_13_14_17_21_22_23_27, Pos_4_22, Adv_4_22,
              {500, 4420, 8000, 10500, 10800, 9000}, {10, 10, 2, 1, 0}, MapB_Zero},
    /* 23 */ {Temp_12_23, Servo_Standard, Speed_4_8_12_13_14_17_21_22_23_27, Pos_12_23, Adv_12_23,
              {1100, 4300, 9500, 13600, 13900, 11600}, {13, 12, 1, 0, 0}, MapB_Zero},
    /* 24 */ {Temp_0_24, Servo_Standard, Speed_24, Pos_24, Adv_24,
              {480, 4480, 7000, 10000, 10300, 8000}, {0, 20, 1, 1, 0}, MapB_Zero},
    /* 25 */ {Temp_16_25, Servo_Standard, Speed_0_1_5_9_10_15_16_25, Pos_16_25, Adv_16_25,
              {1100, 4300, 8000, 10000, 10300, 9000}, {0, 10, 1, 1, 0}, MapB_Zero},
    /* 26 */ {Temp_1_13_14_15_26, Servo_26, Speed_26, Pos_26, AdvMap_26,
              {1100, 4450, 9000, 12000, 12300, 10000}, {15, 13, 1, 0, 0}, MapB_26},
    /* 27 */ {Temp_17_27, Servo_17_27, Speed_4_8_12_13_14_17_21_22_23_27, Pos_17_27, Adv_17_27,
              {660, 3890, 8000, 12000, 12300, 10000}, {7, 10, 2, 0, 0}, MapB_Zero},
    /* 28 */ {Temp_2_3_21_28, Servo_Standard, Speed_2_3_6_7_11_18_19_20_28, Pos_3_21_28, Adv_3_21_28,
              {500, 4420, 10000, 14000, 14300, 12000}, {11, 10, 2, 1, 0}, MapB_3_21_28},
}};

}  // namespace

const DefaultSet *DefaultSetForCode(std::uint8_t bikeType)
{
    return bikeType <= MaxBikeType ? &Sets[bikeType] : nullptr;
}

}  // namespace korvane::model
