#include "tools/logos/ui/LogosWindow.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

#include "tools/logos/LogosJob.h"
#include "tools/logos/ui/HoursGroup.h"
#include "tools/logos/ui/LogosGroup.h"
#include "tools/logos/ui/PlayListGroup.h"

LogosWindow::LogosWindow(LogosJob& job, QWidget* parent) : QDialog(parent), job_(job) {
  setWindowTitle(QStringLiteral(" KORVO xa - Logos Creator/Inserter"));
  logos_ = new LogosGroup(job_, this);
  hours_ = new HoursGroup(job_, this);
  playList_ = new PlayListGroup(job_, this);
  status_ = new QLabel(this);
  status_->setFrameShape(QFrame::StyledPanel);
  // "New Job / Clear all" has no room of its own on the face; the "Job" menu reaches it.
  auto* newJob = new QPushButton(QStringLiteral("NEW"), this);
  newJob->setToolTip(QStringLiteral("New Job / Clear all"));
  newJob->hide();
  connect(newJob, &QPushButton::clicked, this, [this] { job_.NewJob(); });

  BuildMenus();
  auto* grid = new QGridLayout(this);
  grid->setMenuBar(menuBar_);
  grid->addWidget(logos_, 0, 0);
  grid->addWidget(hours_, 1, 0);
  grid->addWidget(playList_, 0, 1, 2, 1);
  grid->addWidget(status_, 2, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);
  resize(900, 560);

  const auto showStatus = [this] { status_->setText(job_.Form().Status()); };
  connect(&job_.Form(), &JobForm::changed, this, showStatus);
  showStatus();

  hours_->View()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(hours_->View(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { hoursMenu_->popup(hours_->View()->viewport()->mapToGlobal(at)); });
  playList_->View()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(playList_->View(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { playListMenu_->popup(playList_->View()->viewport()->mapToGlobal(at)); });
}

void LogosWindow::BuildMenus() {
  menuBar_ = new QMenuBar(this);
  LogoCommands& logos = job_.LogoCmds();
  HoursCommands& hours = job_.HoursCmds();
  PlayListCommands& list = job_.PlayListCmds();

  QMenu* jobMenu = menuBar_->addMenu(QStringLiteral("Job"));
  jobMenu->addAction(QStringLiteral("New Job"), this, [this] { job_.NewJob(); });
  jobMenu->addAction(QStringLiteral("Exit"), this, [this] {
    if (job_.ConfirmExit()) accept();
  });

  logosMenu_ = menuBar_->addMenu(QStringLiteral("Logos"));
  logosMenu_->addAction(QStringLiteral("Clear Logos"), this, [&logos] { logos.ClearLogos(); });
  logosMenu_->addAction(QStringLiteral("Load Logos"), this, [&logos] { logos.LoadLogos(); });
  logosMenu_->addAction(QStringLiteral("Save Logos"), this, [&logos] { logos.SaveLogos(); });

  hoursMenu_ = menuBar_->addMenu(QStringLiteral("Hours"));
  hoursMenu_->addAction(QStringLiteral("Add Block to Blocks List"), this, [&hours] { hours.AddHour(); });
  hoursMenu_->addAction(QStringLiteral("Add Selected to Blocks List"), this, [&hours] { hours.AddByCriterion(); });
  hoursMenu_->addAction(QStringLiteral("Clear Hours"), this, [&hours] { hours.ClearHours(true); });
  hoursMenu_->addAction(QStringLiteral("Load Hours"), this, [&hours] { hours.LoadHours(); });
  hoursMenu_->addAction(QStringLiteral("Save Hours"), this, [&hours] { hours.SaveHours(); });

  playListMenu_ = menuBar_->addMenu(QStringLiteral("Play List"));
  playListMenu_->addAction(QStringLiteral("Clear Play List"), this, [&list] { list.ClearPlayList(); });
  playListMenu_->addAction(QStringLiteral("&Load Play List"), this, [&list] { list.LoadEpl(); });
  playListMenu_->addAction(QStringLiteral("&Save Play List"), this, [&list] { list.ExportEpl(); });
  playListMenu_->addAction(QStringLiteral("Remove Selected Clip"), this, [&list] { list.RemoveSelectedClip(); });

  QMenu* tools = menuBar_->addMenu(QStringLiteral("Tools"));
  tools->addAction(QStringLiteral("&Verify Clips"), this, [&list] { list.Verify(); });
  tools->addAction(QStringLiteral("Check Play List"), this, [&list] { list.CheckPlayList(); });
  tools->addAction(QStringLiteral("Clip References"), this, [&list] { list.ClipReferences(); });
  tools->addAction(QStringLiteral("Count Blocks List"), this, [&hours] { hours.CountBlocks(); });
  tools->addAction(QStringLiteral("Count Logos List"), this, [&logos] { logos.CountLogos(); });

  QMenu* help = menuBar_->addMenu(QStringLiteral("Help"));
  help->addAction(QStringLiteral("Quick Help"), this, [this] { job_.QuickHelp(); });
  help->addAction(QStringLiteral("About..."), this, [this] { job_.About(); });
}

void LogosWindow::contextMenuEvent(QContextMenuEvent* event) {
  // The two lists show their own menus; anywhere else the "Logos" menu.
  logosMenu_->popup(event->globalPos());
}
