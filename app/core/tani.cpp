#include "tani.h"

#include <array>

namespace {

struct TaniRow {
  std::string_view resource;  // picture resource name
  std::string_view reading;   // UTF-8 reading
  bool wide;                  // 30 x 16 picture
  std::string_view written;   // what the picture shows
};

// Indexed by the ordinal of TTani.
constexpr std::array<TaniRow, kTaniCount> kTani{{
    {"", "", false, ""},                      // tanNone
    {"NEN", "ねん", false, "年"},             // 年
    {"GATU", "がつ", false, "月"},            // 月 (month of the year)
    {"NITI", "にち", false, "日"},            // 日
    {"ZI", "じ", false, "時"},                // 時
    {"FUN", "ふん", false, "分"},             // 分
    {"BYOU", "びょー", false, "秒"},          // 秒
    {"EN", "えん", false, "円"},              // 円
    {"KAI", "かい", false, "回"},             // 回 (times)
    {"GAI", "か'い", false, "階"},            // 階 (floor): the accent mark tells it from 回
    {"KYUU", "きゅー", false, "級"},          // 級
    {"GYOU", "ぎょー", false, "行"},          // 行
    {"KYOKU", "きょく", false, "曲"},         // 曲
    {"KIRO", "き'ろ", true, "キロ"},          // キロ
    {"KEN", "けん", false, "件"},             // 件
    {"KO", "こ", false, "個"},                // 個
    {"NIN", "にん", false, "人"},             // 人
    {"SAI", "さい", false, "才"},             // 才
    {"ZIKAN", "じ'かん", true, "時間"},       // 時間
    {"DAI", "だい", false, "台"},             // 台
    {"TYOUME", "ちょーめ", true, "丁目"},     // 丁目
    {"TUKI", "つき", false, "月"},            // 月 (count of months)
    {"BAN", "ばん", false, "番"},             // 番
    {"HON", "ほん", false, "本"},             // 本
    {"HIKI", "ひき", false, "匹"},            // 匹
    {"PAASENTO", "ぱーせ'んと", false, "%"},  // %
}};

const TaniRow& row(TTani t) {
  return kTani[static_cast<std::size_t>(t) < kTani.size() ? t : tanNone];
}

}  // namespace

std::string_view TaniResourceName(TTani t) { return row(t).resource; }
std::string_view CounterReading(TTani t) { return row(t).reading; }
bool TaniIsWide(TTani t) { return row(t).wide; }
std::string_view TaniWritten(TTani t) { return row(t).written; }
