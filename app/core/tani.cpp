#include "tani.h"

#include <array>

namespace {

struct TaniRow {
  std::string_view resource;  // picture resource name
  std::string_view reading;   // UTF-8 reading
  int width;                  // of the picture, 16 pixels high
  std::string_view written;   // what the picture shows
};

// Indexed by the ordinal of TTani.
constexpr std::array<TaniRow, kTaniCount> kTani{{
    {"", "", 0, ""},                        // tanNone
    {"NEN", "ねん", 16, "年"},              // 年
    {"GATU", "がつ", 16, "月"},             // 月 (month of the year)
    {"NITI", "にち", 16, "日"},             // 日
    {"ZI", "じ", 16, "時"},                 // 時
    {"FUN", "ふん", 16, "分"},              // 分
    {"BYOU", "びょー", 16, "秒"},           // 秒
    {"EN", "えん", 16, "円"},               // 円
    {"KAI", "かい", 16, "回"},              // 回 (times)
    {"GAI", "か'い", 16, "階"},             // 階 (floor): the accent mark tells it from 回
    {"KYUU", "きゅー", 16, "級"},           // 級
    {"GYOU", "ぎょー", 16, "行"},           // 行
    {"KYOKU", "きょく", 16, "曲"},          // 曲
    {"KIRO", "き'ろ", 30, "キロ"},          // キロ
    {"KEN", "けん", 16, "件"},              // 件
    {"KO", "こ", 16, "個"},                 // 個
    {"NIN", "にん", 16, "人"},              // 人
    {"SAI", "さい", 16, "才"},              // 才
    {"ZIKAN", "じ'かん", 30, "時間"},       // 時間
    {"DAI", "だい", 16, "台"},              // 台
    {"TYOUME", "ちょーめ", 30, "丁目"},     // 丁目
    {"TUKI", "つき", 30, "か月"},           // か月 (a count of months), not 月 (a month's name)
    {"BAN", "ばん", 16, "番"},              // 番
    {"HON", "ほん", 16, "本"},              // 本
    {"HIKI", "ひき", 16, "匹"},             // 匹
    {"PAASENTO", "ぱーせ'んと", 16, "%"},   // %
    {"TU", "つ", 16, "つ"},                 // ひとつ … とお
    {"MAI", "まい", 16, "枚"},              // 枚
    {"SATU", "さつ", 16, "冊"},             // 冊
    {"HAI", "はい", 16, "杯"},              // 杯
    {"TYAKU", "ちゃく", 16, "着"},          // 着
    {"SOKU", "そく", 16, "足"},             // 足
    {"WA", "わ", 16, "羽"},                 // 羽
    {"TOU", "とう", 16, "頭"},              // 頭
    {"DO", "ど", 16, "度"},                 // 度
    {"GOU", "ごう", 16, "号"},              // 号
    {"HAKU", "はく", 16, "泊"},             // 泊
    {"SYUUKAN", "しゅうかん", 30, "週間"},  // 週間
    {"NITIKAN", "にちかん", 30, "日間"},    // 日間
    {"PEEZI", "ぺーじ", 44, "ページ"},      // ページ
    {"BANSEN", "ばんせん", 30, "番線"},     // 番線
    {"GOUSYA", "ごうしゃ", 30, "号車"},     // 号車
    {"MEI", "めい", 16, "名"},              // 名
    {"TEN", "てん", 16, "点"},              // 点
}};

const TaniRow& row(TTani t) {
  return kTani[static_cast<std::size_t>(t) < kTani.size() ? t : tanNone];
}

}  // namespace

std::string_view TaniResourceName(TTani t) { return row(t).resource; }
std::string_view CounterReading(TTani t) { return row(t).reading; }
int TaniPictureWidth(TTani t) { return row(t).width; }
std::string_view TaniWritten(TTani t) { return row(t).written; }
