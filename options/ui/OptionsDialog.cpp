#include "options/ui/OptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QPushButton* MakeButton(const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setAutoDefault(false);
  b->setObjectName(caption);
  return b;
}

}  // namespace

OptionsDialog::OptionsDialog(OptionsModel& model, QWidget* parent) : QDialog(parent), model_(model) {
  using L = OptionsModel::List;
  setWindowTitle(QStringLiteral("KORVO XA Options"));
  setMinimumWidth(520);

  auto* devices = new QGroupBox(QStringLiteral("Sound outputs"), this);
  auto* grid = new QGridLayout(devices);
  const auto deviceRow = [this, grid](int row, const QString& caption, L list) {
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(AddList(list), row, 1);
    auto* about = MakeButton(QStringLiteral("?"), this);
    about->setFixedWidth(28);
    about->setObjectName(caption + QStringLiteral("?"));
    grid->addWidget(about, row, 2);
    connect(about, &QPushButton::clicked, this, [this, list] { model_.ShowDeviceReport(list); });
  };
  deviceRow(0, QStringLiteral("MAIN OUT "), L::MainOut);
  deviceRow(1, QStringLiteral("MONITOR "), L::Monitor);
  auto* mixer = MakeButton(QStringLiteral("Mixer?"), this);
  grid->addWidget(mixer, 2, 1, Qt::AlignLeft);
  connect(mixer, &QPushButton::clicked, this, [this] { model_.StartMixer(); });

  auto* station = new QGroupBox(QStringLiteral("Station"), this);
  auto* form = new QGridLayout(station);
  form->addWidget(new QLabel(QStringLiteral("FPS ")), 0, 0);
  form->addWidget(AddList(L::Fps), 0, 1);
  form->addWidget(new QLabel(QStringLiteral("* For precise seeking set FPS to 25")), 0, 2, 1, 2);
  form->addWidget(new QLabel(QStringLiteral("STYLE ")), 1, 0);
  form->addWidget(AddList(L::Style), 1, 1);
  form->addWidget(new QLabel(QStringLiteral("Remote Port")), 1, 2);
  form->addWidget(AddList(L::RemotePort), 1, 3);
  form->addWidget(new QLabel(QStringLiteral("Default Startup Program")), 2, 0, 1, 4);
  startUp_ = new QLineEdit(this);
  startUp_->setMaxLength(255);
  auto* browse = MakeButton(QStringLiteral("..."), this);
  auto* clear = MakeButton(QStringLiteral("X"), this);
  browse->setFixedWidth(28);
  clear->setFixedWidth(28);
  auto* path = new QHBoxLayout;
  path->addWidget(startUp_, 1);
  path->addWidget(browse);
  path->addWidget(clear);
  form->addLayout(path, 3, 0, 1, 4);
  connect(startUp_, &QLineEdit::textEdited, this, [this](const QString& text) { model_.SetStartUpProgram(text); });
  connect(browse, &QPushButton::clicked, this, [this] { model_.BrowseStartUpProgram(); });
  connect(clear, &QPushButton::clicked, this, [this] { model_.ClearStartUpProgram(); });

  auto* switches = new QGroupBox(QStringLiteral("Options"), this);
  auto* boxes = new QVBoxLayout(switches);
  const auto box = [this, boxes](const QString& caption) {
    auto* b = new QCheckBox(caption, this);
    boxes->addWidget(b);
    return b;
  };
  resolution_ = box(QStringLiteral("Always check monitor resolution at startup"));
  advertsCoded_ = box(QStringLiteral("Load Adverts as coded from Spotwright"));
  advertsNames_ = box(QStringLiteral("Load Adverts as Filenames extracted from Titles"));
  playLog_ = box(QStringLiteral("Log Players clips to 'korvolog.dat' file"));
  screenSaver_ = box(QStringLiteral("Always de-activate screen saver"));
  screenSaver_->setChecked(true);
  screenSaver_->setEnabled(false);
  restart_ = box(QStringLiteral("Allow System Restart"));
  auto* restartNote = new QLabel(QStringLiteral("When play has stopped and cannot be started again, the computer\n"
                                                "itself is restarted as a last resort."),
                                 this);
  restartNote->setContentsMargins(22, 0, 0, 0);
  restartNote->setStyleSheet(QStringLiteral("color: #a0a0a0;"));
  boxes->addWidget(restartNote);
  connect(resolution_, &QCheckBox::clicked, this, [this](bool on) { model_.SetChangeResolution(on); });
  connect(advertsCoded_, &QCheckBox::clicked, this, [this] { model_.ClickAdvertsCoded(); });
  connect(advertsNames_, &QCheckBox::clicked, this, [this] { model_.ClickAdvertsFilenames(); });
  connect(playLog_, &QCheckBox::clicked, this, [this](bool on) { model_.SetKeepPlayLog(on); });
  connect(restart_, &QCheckBox::clicked, this, [this](bool on) { model_.SetAllowSystemRestart(on); });

  auto* workingMode = MakeButton(QStringLiteral("Set Working Mode"), this);
  changeScreen_ = MakeButton(QStringLiteral("Change to 800*600 pixels Now"), this);
  apply_ = MakeButton(QStringLiteral("APPLY"), this);
  auto* exit = MakeButton(QStringLiteral("EXIT"), this);
  connect(workingMode, &QPushButton::clicked, this, [this] { model_.StartWorkingMode(); });
  connect(changeScreen_, &QPushButton::clicked, this, [this] { model_.ChangeScreenNow(); });
  connect(apply_, &QPushButton::clicked, this, [this] { model_.Apply(); });
  connect(exit, &QPushButton::clicked, this, &OptionsDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(workingMode);
  buttons->addWidget(changeScreen_);
  buttons->addStretch();
  buttons->addWidget(apply_);
  buttons->addWidget(exit);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(devices);
  layout->addWidget(station);
  layout->addWidget(switches);
  layout->addLayout(buttons);

  connect(&model_, &OptionsModel::changed, this, &OptionsDialog::Show);
  Show();
}

QComboBox* OptionsDialog::AddList(OptionsModel::List list) {
  auto* combo = new QComboBox(this);
  combo->setMinimumWidth(120);
  lists_.insert(list, combo);
  connect(combo, &QComboBox::activated, this, [this, list](int index) { model_.Choose(list, index); });
  return combo;
}

QPushButton* OptionsDialog::Button(const QString& caption) const {
  return findChild<QPushButton*>(caption, Qt::FindDirectChildrenOnly);
}

void OptionsDialog::Show() {
  for (auto it = lists_.cbegin(); it != lists_.cend(); ++it) {
    const OptionsList& l = model_.Of(it.key());
    QComboBox* combo = it.value();
    const QSignalBlocker block(combo);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (shown != l.items) {
      combo->clear();
      combo->addItems(l.items);
    }
    combo->setCurrentIndex(l.selected);
  }
  if (startUp_->text() != model_.StartUpProgram()) startUp_->setText(model_.StartUpProgram());
  resolution_->setChecked(model_.ChangeResolution());
  advertsCoded_->setChecked(!model_.AdvertsByFilenames());
  advertsNames_->setChecked(model_.AdvertsByFilenames());
  playLog_->setChecked(model_.KeepPlayLog());
  restart_->setChecked(model_.AllowSystemRestart());
  apply_->setEnabled(model_.ApplyEnabled());
  changeScreen_->setEnabled(model_.ChangeScreenEnabled());
}

void OptionsDialog::reject() {
  model_.Exit();
  done(QDialog::Rejected);
}
