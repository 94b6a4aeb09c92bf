#include "cli/MainControls.h"

#include <strings.h>

#include <vector>

#include "core/app/MainModel.h"
#include "core/common/Cp932.h"
#include "core/kaime/SelectionControls.h"
#include "core/settings/MainOptions.h"

namespace marovix {
namespace {

struct Control {
    enum class Kind {
        Option,      // setOption: a radio group, check box or menu tick
        Allocation,  // HaibunRadio, whose click is HaibunRadioClick
        OddsFilter,  // an odds-filter edit (setOzSpanEdit)
    };
    std::string name;
    std::string caption;  // what it is and the values it takes
    Kind kind = Kind::Option;
    MainOption option = MainOption::Count;
    int maxValue = 1;
    int edit = 0;
};

struct MenuTick {
    const char* name;
    const char* caption;
    MainOption option;
};

constexpr MenuTick kMenuTicks[] = {
    {"SimMode", "シミュレーションモード", MainOption::SimMode},
    {"DupTohyoOK", "手動投票済みのレースでも自動投票を有効にする", MainOption::DupOK},
    {"OzOverWriteOK", "手動でオッズ取得済でも指定時刻に自動取得を行う", MainOption::OverWriteOK},
    {"PlaySoundOpt", "オッズ取得後、アラート音を鳴らす", MainOption::Sound1},
    {"PlaySoundTohyo", "自動投票実行後、アラーム音を鳴らす", MainOption::SoundTohyo},
    {"NotGetMining", "自動取得を除外するデータ: マイニング", MainOption::NotGetMining},
    {"NotGetKekka", "自動取得を除外するデータ: 結果情報", MainOption::NotGetKekka},
};

Control radio(std::string name, std::string title, const std::vector<std::string_view>& items, MainOption option,
              Control::Kind kind = Control::Kind::Option) {
    std::string caption = title + ":";
    int count = 0;
    for (std::string_view item : items) {
        if (item.empty()) continue;
        caption += (count ? ", " : " ") + std::to_string(count) + " " + std::string(item);
        ++count;
    }
    return Control{std::move(name), std::move(caption), kind, option, count - 1, 0};
}

Control tick(std::string name, std::string caption, MainOption option) {
    return Control{std::move(name), std::move(caption) + ": 0 or 1", Control::Kind::Option, option, 1, 0};
}

std::vector<Control> makeControls() {
    std::vector<Control> table;
    table.push_back(
        radio("ShihyoSetRadio", "買い目構築方法", {"順位指標指定", "事前馬番指定", "手動"}, MainOption::ShihyoSet));
    table.push_back(radio("HaibunRadio", "資金配分", {"均等", "比例", "均一", "期配"}, MainOption::HaibunSet,
                          Control::Kind::Allocation));
    std::vector<std::string_view> names;
    for (const BetTypeInfo& bet : kBetTypes) names.push_back(bet.name);
    table.push_back(radio("KakesikiRadio", "馬券種", names, MainOption::KaimemakeKakesiki));
    for (const BetTypeInfo& bet : kBetTypes) {
        const std::string prefix(bet.prefix);
        const auto buy = static_cast<MainOption>(static_cast<int>(MainOption::BuyTan) + static_cast<int>(bet.type));
        table.push_back(tick(prefix + "CheckBox", std::string(bet.name) + " (takes part)", buy));
        if (const BetPageOptions* page = betPageOptions(bet.type)) {
            table.push_back(radio(prefix + "KaikataRadio", std::string(bet.name) + " 買い方",
                                  {page->methods.begin(), page->methods.end()}, page->kaikata));
            for (const auto& [caption, option] : page->multi)
                if (!caption.empty())
                    table.push_back(tick(std::string(multiBoxName(option)),
                                         std::string(bet.name) + " " + std::string(caption), option));
        }
    }
    for (int edit = 0; edit < 16; ++edit) {
        std::string name(ozSpanKey(edit).key);  // Toz1A -> Toz1editA
        name.insert(name.size() - 1, "edit");
        const BetTypeInfo& bet = kBetTypes[static_cast<std::size_t>(edit / 2)];
        table.push_back(Control{
            std::move(name),
            std::string(bet.name) + " odds filter, " + (edit % 2 ? "upper" : "lower") + " bound: a number as typed",
            Control::Kind::OddsFilter, MainOption::Count, 0, edit});
    }
    for (const MenuTick& menu : kMenuTicks) table.push_back(tick(menu.name, menu.caption, menu.option));
    return table;
}

const std::vector<Control>& controls() {
    static const std::vector<Control> table = makeControls();
    return table;
}

}  // namespace

Result<ControlChange> parseControlChange(std::string_view text) {
    const std::size_t equals = text.find('=');
    const std::string_view name = text.substr(0, equals);
    const Control* control = nullptr;
    for (const Control& c : controls())
        if (c.name.size() == name.size() && ::strncasecmp(c.name.data(), name.data(), name.size()) == 0) control = &c;
    if (!control || equals == std::string_view::npos)
        return Error{"needs NAME=VALUE with a control named in the list below, got '" + std::string(text) + "'",
                     ErrorKind::Refused};
    const std::string value(text.substr(equals + 1));
    if (control->kind == Control::Kind::OddsFilter) {
        // The edit's text is kept in the settings file, which holds CP932.
        if (cp932ToUtf8(utf8ToCp932(value)) != value)
            return Error{control->name + ": the settings file cannot hold this text in CP932", ErrorKind::Refused};
        const int edit = control->edit;
        return ControlChange{control->name, [edit, value](MainModel& model) { model.setOzSpanEdit(edit, value); }};
    }
    if (value.size() != 1 || value[0] < '0' || value[0] > '0' + control->maxValue)
        return Error{control->name + " takes 0 to " + std::to_string(control->maxValue) + ", got '" + value + "'",
                     ErrorKind::Refused};
    const int number = value[0] - '0';
    if (control->kind == Control::Kind::Allocation)
        return ControlChange{control->name, [number](MainModel& model) { model.HaibunRadioClick(number); }};
    const MainOption option = control->option;
    return ControlChange{control->name, [option, number](MainModel& model) { model.setOption(option, number); }};
}

std::string controlList() {
    std::string list;
    for (const Control& c : controls())
        list += "  " + c.name + std::string(c.name.size() < 16 ? 16 - c.name.size() : 1, ' ') + c.caption + "\n";
    return list;
}

}  // namespace marovix
