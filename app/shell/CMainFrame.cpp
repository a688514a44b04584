#include "CMainFrame.h"

#include "AboutDialog.h"
#include "ArchiveMenu.h"
#include "CDownloadDlg.h"
#include "CHyetoscopeDoc.h"
#include "CPortSelectDlg.h"
#include "DownloadCommand.h"
#include "QtDeviceUi.h"
#include "SelectedPort.h"
#include "CHyetoscopeView.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "HelpFile.h"
#include "PrintJobHold.h"
#include "RainAnalysisCommand.h"
#include "SettingDialogs.h"
#include "ToolbarIcons.h"
#include "WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {
constexpr int kModalRetryMs = 300;

std::optional<int> storedInt(const QSettings& s, const char* key) {
  const QVariant v = s.value(QString::fromLatin1(key));
  bool ok = false;
  const int n = v.toInt(&ok);
  return v.isValid() && ok ? std::optional<int>(n) : std::nullopt;
}

int intervalCommandOf(IntervalMode mode) {
  switch (mode) {
    case IntervalMode::Hourly: return cmd::IntervalHourly;
    case IntervalMode::Daily: return cmd::IntervalDaily;
    case IntervalMode::TenMinute: return cmd::IntervalTenMinute;
    case IntervalMode::Monthly: return cmd::IntervalMonthly;
  }
  return cmd::IntervalHourly;
}
}  // namespace

CMainFrame::CMainFrame(CHyetoscopeDoc& doc, UserMessages& messages, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_messages(messages) {
  setObjectName(QStringLiteral("mainFrame"));
  setWindowIcon(programIcon());
  m_urlOpener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  m_deviceUi = std::make_unique<QtDeviceUi>(m_messages);
  m_deviceLink = std::make_unique<device::DeviceLink>(device::kDeviceTiming, *m_deviceUi, *m_deviceUi);
  m_archive = std::make_unique<ArchiveMenu>(m_doc, m_messages, this);
  buildMenus();
  buildToolBar();
  buildStatusBar();
  buildAccelerators();
  applyStoredPlacement();
  m_doc.setOpenedHandler([this](const std::string& path, bool loaded) { noteOpened(path, loaded); });
}

CMainFrame::~CMainFrame() {
  m_doc.setOpenedHandler(nullptr);
  // Workers first: they may still queue work to the user interface.
  m_deviceLink.reset();
}

void CMainFrame::setView(CHyetoscopeView* view) {
  m_view = view;
  setCentralWidget(view);
  m_rainAnalysis = std::make_unique<RainAnalysisCommand>(m_doc, *view, m_messages, this);
  view->setStateChangedHandler([this] { refreshCommandStates(); });
}

void CMainFrame::buildMenus() {
  const auto titles = menuTitles();
  std::vector<QMenu*> menus;
  for (const char* title : titles) menus.push_back(menuBar()->addMenu(QString::fromUtf8(title)));
  for (const CommandRow& row : commandTable()) {
    QAction* action = nullptr;
    if (row.id == 0) {
      menus[static_cast<size_t>(row.menu)]->addSeparator();
      continue;
    }
    if (row.menu >= 0) {
      action = menus[static_cast<size_t>(row.menu)]->addAction(QString::fromUtf8(row.text));
    } else {
      action = new QAction(this);
    }
    action->setObjectName(QStringLiteral("command%1").arg(row.id));
    action->setData(row.id);
    action->setStatusTip(QString::fromUtf8(row.prompt));
    if (row.tooltip[0] != '\0') action->setToolTip(QString::fromUtf8(row.tooltip));
    const int id = row.id;
    connect(action, &QAction::triggered, this, [this, id] { executeCommand(id); });
    m_actions[id] = action;
  }
  for (int id : {cmd::IntervalTenMinute, cmd::IntervalHourly, cmd::IntervalDaily, cmd::IntervalMonthly,
                 cmd::ToggleToolBar, cmd::ToggleStatusBar, cmd::ChartOverlay})
    m_actions[id]->setCheckable(true);
  buildRecentFileEntries(menus[0]);
  // Menus are about to be seen: make sure what they show is current.
  for (QMenu* menu : menus) connect(menu, &QMenu::aboutToShow, this, &CMainFrame::refreshCommandStates);
}

void CMainFrame::buildToolBar() {
  m_toolBar = addToolBar(QStringLiteral("ﾂｰﾙ ﾊﾞｰ"));
  m_toolBar->setObjectName(QStringLiteral("toolBar"));
  m_toolBar->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
  for (int id : toolbarLayout()) {
    if (id == 0) {
      m_toolBar->addSeparator();
      continue;
    }
    QAction* a = m_actions.at(id);
    a->setIcon(QIcon(toolbarPixmap(id)));
    m_toolBar->addAction(a);
  }
}

void CMainFrame::buildStatusBar() {
  auto* idle = new QLabel(QString::fromUtf8(kIdlePrompt), this);
  idle->setObjectName(QStringLiteral("idlePrompt"));
  statusBar()->addWidget(idle, 1);
  // Where a recording that is no file came from (a span of an archive).
  m_sourceNote = new QLabel(this);
  m_sourceNote->setObjectName(QStringLiteral("sourceNote"));
  m_sourceNote->hide();
  statusBar()->addPermanentWidget(m_sourceNote);
  // Keyboard state is not readable from here; the indicators keep their
  // places greyed, as when every lock is off.
  for (const char* text : {"ｶﾅ", "CAP", "NUM", "SCRL"}) {
    auto* indicator = new QLabel(QString::fromUtf8(text), this);
    indicator->setEnabled(false);
    statusBar()->addPermanentWidget(indicator);
  }
}

void CMainFrame::buildAccelerators() {
  for (const Accelerator& acc : accelerators()) {
    auto* shortcut = new QShortcut(QKeySequence(QString::fromStdString(acc.key), QKeySequence::PortableText), this);
    shortcut->setObjectName(QStringLiteral("accel%1").arg(acc.id));
    const int id = acc.id;
    connect(shortcut, &QShortcut::activated, this, [this, id] { executeCommand(id); });
    m_shortcuts[id] = shortcut;
  }
}

QAction* CMainFrame::action(int id) const {
  auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

bool CMainFrame::executeCommand(int id) {
  if (!commandEnabled(id, m_doc.enablingInputs())) return false;
  if (m_view == nullptr || !m_view->onCommand(id)) {
    switch (id) {
      case cmd::Exit: close(); break;
      case cmd::HelpTopics: showHelp(); break;
      case cmd::About: showAbout(); break;
      case cmd::Download: runDownload(); break;
      case cmd::PortSettings: runPortDialog(); break;
      case cmd::ArchiveImport: m_archive->importRecordings(); break;
      case cmd::ArchiveOpen: m_archive->openArchive(); break;
      case cmd::DeviceState: device::runDeviceStateDialog(this, *m_deviceLink, m_messages, selectedPort()); break;
      case cmd::ReservedRecording:
        device::runReservedRecordDialog(this, *m_deviceLink, m_messages, selectedPort());
        break;
      case cmd::RainAnalysis:
        if (m_rainAnalysis) m_rainAnalysis->open();
        break;
      case cmd::ToggleToolBar: m_toolBar->setVisible(!m_toolBar->isVisible()); break;
      case cmd::ToggleStatusBar: statusBar()->setVisible(!statusBar()->isVisible()); break;
      default: return false;
    }
  }
  refreshCommandStates();
  return true;
}

void CMainFrame::refreshCommandStates() {
  const EnablingInputs in = m_doc.enablingInputs();
  for (auto& [id, action] : m_actions) action->setEnabled(commandEnabled(id, in));
  const int checked = intervalCommandOf(m_doc.intervalMode);
  for (int id : {cmd::IntervalTenMinute, cmd::IntervalHourly, cmd::IntervalDaily, cmd::IntervalMonthly})
    m_actions[id]->setChecked(id == checked);
  m_actions[cmd::ToggleToolBar]->setChecked(!m_toolBar->isHidden());
  m_actions[cmd::ToggleStatusBar]->setChecked(!statusBar()->isHidden());
  m_actions[cmd::ChartOverlay]->setChecked(m_view != nullptr && m_view->overlay().shown());
  setWindowTitle(QString::fromStdString(m_doc.title()) + QStringLiteral(" - ") + QString::fromUtf8(kProgramTitle));
  // The analysis window follows the recording: reloaded on a new one,
  // closed when none is left.
  if (m_rainAnalysis) m_rainAnalysis->follow();
  m_sourceNote->setText(QString::fromStdString(m_doc.sourceNote()));
  m_sourceNote->setVisible(!m_doc.sourceNote().empty());
}

void CMainFrame::showHelp() {
  const std::filesystem::path help =
      findHelpFile(QCoreApplication::applicationDirPath().toStdString());
  if (help.empty() || !m_urlOpener(QUrl::fromLocalFile(QString::fromStdString(help.string()))))
    m_messages.show(kHelpFailureText, MessageIcon::None, MessageButtons::Ok);
}

void CMainFrame::showAbout() {
  AboutDialog about(this);
  about.exec();
}

void CMainFrame::runDownload() {
  device::DownloadOptions options;
  options.port = selectedPort();
  options.textPath = device::DownloadOperation::defaultTextPath();
  options.closeRecording = [this] { executeCommand(cmd::CloseRecording); };
  const bool reloaded = device::runDownloadCommand(m_doc, m_view, *m_deviceLink, [&] {
    CDownloadDlg dialog(*m_deviceLink, m_doc.recordingState(), options, this);
    dialog.exec();
    return dialog.started();
  });
  if (reloaded) m_archive->offerAfterDownload(m_doc.recordingState().currentDataPath);
}

void CMainFrame::runPortDialog() {
  device::PortSelection::Store store;
  store.read = [] { return QSettings().value(QStringLiteral("Settings/ComPort"), 1).toInt(); };
  store.write = [](int port) { QSettings().setValue(QStringLiteral("Settings/ComPort"), port); };
  CPortSelectDlg dialog(*m_deviceLink, m_messages, selectedPort(), store, this);
  dialog.exec();
}

void CMainFrame::applyStoredPlacement() {
  QSettings s;
  s.beginGroup(QStringLiteral("ShownSeriesSpan"));
  const Placement p = placementFromStored(storedInt(s, "frameX"), storedInt(s, "frameY"),
                                          storedInt(s, "Width"), storedInt(s, "Height"));
  move(p.frameX, p.frameY);
  resize(p.width, p.height);
}

void CMainFrame::storePlacement() {
  const QRect w = frameGeometry();
  QRect d(0, 0, 640, 480);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) d = screen->virtualGeometry();
  const Placement p = placementToStore({w.left(), w.top(), w.left() + w.width(), w.top() + w.height()},
                                       {d.left(), d.top(), d.left() + d.width(), d.top() + d.height()},
                                       isMaximized() || isMinimized());
  QSettings s;
  s.beginGroup(QStringLiteral("ShownSeriesSpan"));
  s.setValue(QStringLiteral("frameX"), p.frameX);
  s.setValue(QStringLiteral("frameY"), p.frameY);
  s.setValue(QStringLiteral("Width"), p.width);
  s.setValue(QStringLiteral("Height"), p.height);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // A print job holds the pending changes aside until it ends: closing now
  // would skip the prompt that saves them.
  if (PrintJobHold::jobRunning()) {
    event->ignore();
    return;
  }
  if (!m_doc.saveChangesPrompt(PromptCaller::MainFrameClose)) {
    event->ignore();
    refreshCommandStates();
    return;
  }
  if (m_view) m_view->storeColumnWidths();
  storePlacement();
  m_deviceLink->joinWorkers();
  event->accept();
}

void CMainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) update();
}

// The recent files sit above the exit item, set off by a separator, as the
// usual file menu has them; unused entries are hidden.
void CMainFrame::buildRecentFileEntries(QMenu* fileMenu) {
  QSettings s;
  s.beginGroup(QStringLiteral("Recent File List"));
  std::vector<std::string> stored;
  for (int i = 1; i <= RecentFileList::kSize; ++i)
    stored.push_back(s.value(QStringLiteral("File%1").arg(i)).toString().toStdString());
  m_recent.setPaths(stored);

  QAction* exit = m_actions.at(cmd::Exit);
  for (int i = 0; i < RecentFileList::kSize; ++i) {
    auto* a = new QAction(this);
    a->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
    a->setStatusTip(QStringLiteral("このﾌｧｲﾙを開きます"));
    connect(a, &QAction::triggered, this, [this, i] {
      if (static_cast<size_t>(i) < m_recent.paths().size())
        openFromElsewhere(QString::fromStdString(m_recent.paths()[static_cast<size_t>(i)]));
    });
    fileMenu->insertAction(exit, a);
    m_recentActions.push_back(a);
  }
  m_recentSeparator = fileMenu->insertSeparator(exit);
  showRecentFiles();
}

void CMainFrame::showRecentFiles() {
  const std::vector<std::string>& paths = m_recent.paths();
  for (size_t i = 0; i < m_recentActions.size(); ++i) {
    QAction* a = m_recentActions[i];
    a->setVisible(i < paths.size());
    if (i < paths.size()) a->setText(QString::fromStdString(RecentFileList::menuText(static_cast<int>(i), paths[i])));
  }
  m_recentSeparator->setVisible(!paths.empty());
}

void CMainFrame::noteOpened(const std::string& path, bool loaded) {
  const std::string absolute = QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
  if (loaded) {
    m_recent.add(absolute);
  } else {
    m_recent.remove(path);
    m_recent.remove(absolute);
  }
  QSettings s;
  s.beginGroup(QStringLiteral("Recent File List"));
  const std::vector<std::string>& paths = m_recent.paths();
  for (int i = 0; i < RecentFileList::kSize; ++i) {
    const QString key = QStringLiteral("File%1").arg(i + 1);
    if (static_cast<size_t>(i) < paths.size()) s.setValue(key, QString::fromStdString(paths[static_cast<size_t>(i)]));
    else s.remove(key);
  }
  s.endGroup();
  s.sync();
  showRecentFiles();
}

void CMainFrame::openFromElsewhere(const QString& path) {
  // A dialog is up (a download, a prompt) or a print job holds the pending
  // changes aside (its prompt would be skipped): the file waits until they
  // are gone, as a user's own open command would.
  if (QApplication::activeModalWidget() != nullptr || PrintJobHold::jobRunning()) {
    QTimer::singleShot(kModalRetryMs, this, [this, path] { openFromElsewhere(path); });
    return;
  }
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  if (!commandEnabled(cmd::OpenRecording, m_doc.enablingInputs())) return;
  m_doc.openRecordingFile(path.toStdString());
  refreshCommandStates();
}
