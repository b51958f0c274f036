#include "ui/dialog_layout.h"

#include <array>

namespace halvane {

const char kFormCaption[] = "Halvane";
const char kApplicationTitle[] = "t482_Halvane";
const char kFontName[] =
    "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e" /* ＭＳ ゴシック */;

namespace {

constexpr std::array<LabelPlace, 22> kLabels{{
    {"Label6", "\x8e\x6e\x93\x5f" /* 始点 */, 8, 8, 13},
    {"Label7", "\x8f\x49\x93\x5f" /* 終点 */, 8, 32, 13},
    {"Label15", "\x81\x69\x90\xfc\x96\xee\x88\xf3\x81\x6a" /* （線矢印） */, 8,
     52, 11},
    {"Label17", "\x92\xb7\x82\xb3" /* 長さ */, 8, 68, 13},
    {"Label18", "\x90\x7d\x90\xa1mm" /* 図寸mm */, 88, 68, 13},
    {"Label16", "\x8a\x70\x93\x78" /* 角度 */, 8, 92, 13},
    {"Label19", "\x81\x8b" /* ° */, 88, 92, 13},
    {"Label1", "\x92\x5b\x93\x5f\x94\x7b\x97\xa6" /* 端点倍率 */, 8, 116, 13},
    {"Label20",
     "\x81\x69\x93\x5f\x83\x7d\x81\x5b\x83\x4a\x81\x40\x90\xfc\x96\xee\x88\xf3"
     "\x82\xf0\x8f\x9c\x82\xad\x81\x6a" /* （点マーカ　線矢印を除く） */,
     128, 116, 13},
    {"Label2",
     "\x90\xa1\x96\x40\x92\x6c\x82\xcc\x95\xb6\x8e\x9a\x8e\xed" /* 寸法値の文字種
                                                                 */
     ,
     136, 8, 13},
    {"Label11", "\x90\xda\x93\xaa\x95\xb6\x8e\x9a" /* 接頭文字 */, 136, 60, 13},
    {"Label12", "\x90\xda\x94\xf6\x95\xb6\x8e\x9a" /* 接尾文字 */, 136, 84, 13},
    {"Label13",
     "\x90\xa1\x96\x40\x92\x6c\x82\xcc\x90\xb8\x93\x78" /* 寸法値の精度 */, 8,
     140, 13},
    {"Label21",
     "\x90\xa1\x96\x40\x92\x6c\x82\xcc\x8a\xdb\x82\xdf" /* 寸法値の丸め */, 8,
     164, 13},
    {"Label3",
     "\x90\xa1\x96\x40\x92\x6c\x82\xc6\x90\x85\x95\xbd\x90\xfc\x82\xc6\x82\xcc"
     "\x8b\x97\x97\xa3" /* 寸法値と水平線との距離 */,
     8, 256, 13},
    {"Label5",
     "\x8c\x76\x91\xaa\x93\x5f\x82\xc6\x90\xa1\x96\x40\x95\xe2\x8f\x95\x90\xfc"
     "\x82\xcc\x8b\x97\x97\xa3" /* 計測点と寸法補助線の距離 */,
     8, 280, 13},
    {"Label9",
     "\x90\xa1\x96\x40\x95\xe2\x8f\x95\x90\xfc\x82\xcc\x82\xcd\x82\xdd\x8f\x6f"
     "\x82\xb5\x8b\x97\x97\xa3" /* 寸法補助線のはみ出し距離 */,
     8, 304, 13},
    {"Label14",
     "\x8b\x74\x96\xee\x88\xf3\x82\xcc\x90\xa1\x96\x40\x82\xcd\x82\xdd\x82\xbe"
     "\x82\xb5\x8b\x97\x97\xa3" /* 逆矢印の寸法はみだし距離 */,
     8, 328, 13},
    {"Label4", "\x90\x7d\x90\xa1mm" /* 図寸mm */, 264, 256, 13},
    {"Label8", "\x90\x7d\x90\xa1mm" /* 図寸mm */, 264, 280, 13},
    {"Label10", "\x90\x7d\x90\xa1mm" /* 図寸mm */, 264, 304, 13},
    {"Label22", "\x90\x7d\x90\xa1mm" /* 図寸mm */, 264, 328, 13},
}};

}  // namespace

std::span<const LabelPlace> LabelPlaces() { return kLabels; }

}  // namespace halvane
