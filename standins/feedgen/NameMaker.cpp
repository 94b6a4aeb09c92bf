#include "standins/feedgen/NameMaker.h"

#include <array>
#include <string_view>
#include <vector>

#include "core/common/Cp932.h"
#include "core/race/RecordFields.h"

namespace marovix::feedgen {
namespace {

constexpr std::string_view kHorsePieces[] = {
    "アイ",     "アスカ",     "アルテ",     "イン",     "ヴェル",   "ウイン",   "エア",     "エル",       "オリオン",
    "カイ",     "カナ",       "カレン",     "キング",   "クイーン", "クロ",     "ゴールド", "コスモ",     "サン",
    "サクラ",   "シャイン",   "シルバー",   "ジーニア", "スター",   "ステラ",   "スマイル", "セイ",       "セレス",
    "ソード",   "ソラ",       "ダイヤ",     "ダンス",   "チェリー", "ティア",   "テン",     "ドリーム",   "ナイト",
    "ナツ",     "ノヴァ",     "ハート",     "ハヤテ",   "ビート",   "ヒカリ",   "ファイン", "フラッシュ", "ブルー",
    "ベル",     "ホープ",     "ポラリス",   "マーチ",   "ミラクル", "ミライ",   "メイ",     "モア",       "ユメ",
    "ヨル",     "ライト",     "ラッキー",   "リーフ",   "リズム",   "ルナ",     "ルーチェ", "レイ",       "レガロ",
    "ロード",   "ロマン",     "ワールド",   "ワン",     "グラン",   "ブレイブ", "プリマ",   "カノン",     "シエル",
    "アモーレ", "エトワール", "フェアリー", "クラウン", "ストーム", "サンダー", "ウインド", "レーヴ",     "ミスト",
    "フレア",
};

constexpr std::string_view kRaceWords[] = {
    "蒼穹", "翠嵐", "白鷺", "琥珀", "瑠璃", "銀嶺", "朱雀", "玄武", "青龍", "白虎", "星河", "暁光",
    "月影", "彩雲", "雲雀", "千鳥", "山吹", "桔梗", "撫子", "竜胆", "水仙", "椿花", "萩月", "鈴蘭",
    "胡蝶", "藤花", "若鮎", "潮風", "汐見", "浜風", "峰雲", "虹橋", "鳳凰", "麒麟", "天馬", "飛燕",
    "疾風", "迅雷", "北斗", "昴星", "銀翼", "黎明", "陽炎", "紺碧", "翡翠", "珊瑚", "白銀", "黄金",
};

constexpr std::string_view kSurnames[] = {
    "青山", "赤城", "秋元", "浅野", "天野", "荒木", "石原", "泉川", "上杉", "内海", "大河", "岡野",
    "小川", "春日", "片岡", "桐山", "黒木", "小西", "坂上", "佐伯", "白石", "杉浦", "高城", "滝本",
    "立花", "千葉", "辻本", "手塚", "富岡", "中園", "西岡", "萩原", "浜田", "平野", "藤堂", "古川",
    "星野", "堀内", "真島", "水野", "宮下", "村瀬", "森本", "矢野", "山科", "吉岡", "若林",
};
constexpr std::string_view kJockeyGivenNames[] = {"翔", "亮", "健太", "大和", "拓", "優", "蓮", "悠",
                                                  "陸", "凌", "誠",   "隼",   "航", "樹", "湊", "颯"};
constexpr std::string_view kTrainerInitials[] = {"一", "和", "英", "正", "雅", "博", "義", "清", "昭", "隆", "泰"};

constexpr int kJockeys = 40;
constexpr int kTrainers = 44;

struct People {
    std::vector<std::string> jockeys, trainers, jockeyFields, trainerFields;
    People() {
        const auto surnames = std::size(kSurnames);
        for (int i = 0; i < kJockeys; ++i) {
            std::string name(kSurnames[static_cast<std::size_t>(i * 7) % surnames]);
            name += kJockeyGivenNames[static_cast<std::size_t>(i * 5 + i / 16) % std::size(kJockeyGivenNames)];
            jockeys.push_back(name);
            jockeyFields.push_back(fullWidthField(name, SeField::jockeyShortName.length));
        }
        for (int i = 0; i < kTrainers; ++i) {
            std::string name(kSurnames[static_cast<std::size_t>(i * 11 + 3) % surnames]);
            name += kTrainerInitials[static_cast<std::size_t>(i * 3 + i / 11) % std::size(kTrainerInitials)];
            trainers.push_back(name);
            trainerFields.push_back(fullWidthField(name, SeField::trainerShortName.length));
        }
    }
};

const People& people() {
    static const People instance;
    return instance;
}

}  // namespace

int NameMaker::characters(const std::string& utf8) {
    int count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

std::string NameMaker::horseName(Prng& prng) {
    constexpr auto pieces = static_cast<std::uint32_t>(std::size(kHorsePieces));
    for (;;) {
        std::string name(kHorsePieces[prng.below(pieces)]);
        name += kHorsePieces[prng.below(pieces)];
        if (characters(name) <= 4 && prng.chance(0.4)) name += kHorsePieces[prng.below(pieces)];
        const int length = characters(name);
        if (length >= 2 && length <= 9) return name;
    }
}

std::string NameMaker::raceWord(Prng& prng) {
    return std::string(kRaceWords[prng.below(static_cast<std::uint32_t>(std::size(kRaceWords)))]);
}

int NameMaker::jockeyCount() { return kJockeys; }
int NameMaker::trainerCount() { return kTrainers; }
const std::string& NameMaker::jockeyName(int index) { return people().jockeys[static_cast<std::size_t>(index)]; }
const std::string& NameMaker::trainerName(int index) { return people().trainers[static_cast<std::size_t>(index)]; }
const std::string& NameMaker::jockeyField(int index) { return people().jockeyFields[static_cast<std::size_t>(index)]; }
const std::string& NameMaker::trainerField(int index) {
    return people().trainerFields[static_cast<std::size_t>(index)];
}

std::string fullWidthField(const std::string& utf8, int bytes) {
    std::string raw = utf8ToCp932(utf8);
    const auto size = static_cast<std::size_t>(bytes);
    if (raw.size() > size) {
        // Cut at a character boundary: walk the CP932 lead bytes.
        std::size_t keep = 0;
        while (keep < raw.size()) {
            const auto lead = static_cast<unsigned char>(raw[keep]);
            const std::size_t width = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
            if (keep + width > size) break;
            keep += width;
        }
        raw.resize(keep);
    }
    return padFullWidth(std::move(raw), bytes);
}

std::string padFullWidth(std::string cp932, int bytes) {
    const auto size = static_cast<std::size_t>(bytes);
    while (cp932.size() + 2 <= size) cp932 += "\x81\x40";
    if (cp932.size() < size) cp932 += ' ';
    return cp932;
}

}  // namespace marovix::feedgen
