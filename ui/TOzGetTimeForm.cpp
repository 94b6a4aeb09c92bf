#include "ui/TOzGetTimeForm.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace marovix {
namespace {

struct SoundTexts {
    const char* list;
    const char* label;
    const char* button;
    const char* group;
    const char* note;
};

constexpr SoundTexts kSoundTexts[] = {
    {"FileListBox1", "WavOzLabel", "PlaySoundBtn", "オッズ自動取得時通知音指定",
     "オッズ取得時に鳴らす通知音を指定出来ます。通知音は下記リストよりWAVファイルを選択し、指定してください。ダブルク"
     "リックで再生もできます。"},
    {"FileListBox2", "WavTohyoLabel", "PlaySoundTohyoBtn", "投票実行時通知音指定",
     "投票実行時に鳴らす通知音を指定出来ます。通知音は下記リストよりWAVファイルを選択し、指定してください。ダブルクリッ"
     "クで再生もできます。"},
};

QLabel* note(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TOzGetTimeForm::TOzGetTimeForm(std::unique_ptr<OzGetTimeModel> model, QWidget* parent)
    : QDialog(parent), m_model(std::move(model)) {
    setObjectName(QStringLiteral("TOzGetTimeForm"));
    setWindowTitle(QStringLiteral("データﾞ自動取得時刻指定"));
    auto* layout = new QVBoxLayout(this);
    // A group: its explanation, then a row of the spin edits, each followed by its caption.
    auto timingGroup = [this, layout](const char* title, const char* explanation, const char* lead,
                                      std::initializer_list<OzGetSpin> spins) {
        auto* group = new QGroupBox(QString::fromUtf8(title), this);
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->addWidget(note(explanation, group));
        auto* row = new QHBoxLayout;
        if (lead) row->addWidget(new QLabel(QString::fromUtf8(lead), group));
        for (OzGetSpin spin : spins) {
            const OzGetSpinRow& spec = ozGetSpinRow(spin);
            auto* edit = new QSpinBox(group);
            edit->setObjectName(qs(std::string(spec.name)));
            edit->setRange(spec.minimum, spec.maximum);
            edit->setValue(m_model->spin(spin));
            connect(edit, &QSpinBox::valueChanged, this, [this, spin](int value) { m_model->setSpin(spin, value); });
            m_spins[static_cast<std::size_t>(spin)] = edit;
            row->addWidget(edit);
            row->addWidget(new QLabel(qs(std::string(spec.caption)), group));
        }
        row->addStretch();
        groupLayout->addLayout(row);
        layout->addWidget(group);
    };
    timingGroup("オッズ自動取得時刻指定", "ｵｯｽﾞを自動取得する際に各ﾚｰｽ発走何分前に取得機能を起動するかを指定します。",
                "発走", {OzGetSpin::SpinEdit3, OzGetSpin::SpinEdit4});
    timingGroup("自動投票インターバル指定", "オッズ取得→オッズ再取得チェック→投票の動作でインターバルを指定します。",
                nullptr, {OzGetSpin::SpinEdit5});
    timingGroup("結果情報自動取得時刻指定", "随時更新されるﾚｰｽ結果情報を何分おきに自動取得するか指定します。", nullptr,
                {OzGetSpin::SpinEdit1});

    auto* sounds = new QHBoxLayout;
    sounds->addWidget(buildSoundGroup(AlarmSoundId::Oz));
    sounds->addWidget(buildSoundGroup(AlarmSoundId::Tohyo));
    layout->addLayout(sounds);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TOzGetTimeForm::okClick);
    layout->addWidget(ok, 0, Qt::AlignRight);
    showLabels();
}

TOzGetTimeForm::~TOzGetTimeForm() = default;

QWidget* TOzGetTimeForm::buildSoundGroup(AlarmSoundId sound) {
    const SoundTexts& texts = kSoundTexts[static_cast<std::size_t>(sound)];
    auto* group = new QGroupBox(QString::fromUtf8(texts.group), this);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(note(texts.note, group));
    auto* list = new QListWidget(group);
    list->setObjectName(QString::fromUtf8(texts.list));
    for (const std::string& file : m_model->wavFiles()) list->addItem(qs(file));
    connect(list, &QListWidget::itemClicked, this, [this, sound, list](QListWidgetItem* item) {
        m_model->FileListBoxClick(sound, list->row(item));
        showLabels();
    });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this, list](QListWidgetItem* item) { m_model->FileListBoxDblClick(list->row(item)); });
    layout->addWidget(list);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(group);
    label->setObjectName(QString::fromUtf8(texts.label));
    label->installEventFilter(this);
    row->addWidget(label, 1);
    auto* play = new QPushButton(QStringLiteral("再生"), group);
    play->setObjectName(QString::fromUtf8(texts.button));
    connect(play, &QPushButton::clicked, this, [this, sound] { m_model->PlaySoundBtnClick(sound); });
    row->addWidget(play);
    layout->addLayout(row);
    m_lists[static_cast<std::size_t>(sound)] = list;
    m_labels[static_cast<std::size_t>(sound)] = label;
    return group;
}

bool TOzGetTimeForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int sound = 0; sound < static_cast<int>(AlarmSoundId::Count); ++sound) {
            if (watched == m_labels[static_cast<std::size_t>(sound)]) {
                m_model->WavLabelDblClick(static_cast<AlarmSoundId>(sound));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOzGetTimeForm::showLabels() {
    for (int sound = 0; sound < static_cast<int>(AlarmSoundId::Count); ++sound)
        m_labels[static_cast<std::size_t>(sound)]->setText(qs(m_model->label(static_cast<AlarmSoundId>(sound))));
}

void TOzGetTimeForm::okClick() {
    // The edits' typed texts are taken as the edits hold them.
    for (int spin = 0; spin < static_cast<int>(OzGetSpin::Count); ++spin)
        m_model->setSpin(static_cast<OzGetSpin>(spin), m_spins[static_cast<std::size_t>(spin)]->value());
    const bool stored = m_model->BitBtn1Click().ok();
    showLabels();
    if (stored) accept();
}

}  // namespace marovix
