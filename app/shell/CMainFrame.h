#pragma once
// CMainFrame: the main window - menus, accelerators and toolbar built from
// the command table, the status bar, the window placement kept in the
// "ShownSeriesSpan" settings, and the close that offers pending changes for
// saving. Every command goes through executeCommand, which runs it only
// while the command table enables it, and routes it to the view first.
//
// It owns the view widget and the device link (joined before the window
// closes); it does not own the document or the messages.

#include <QMainWindow>
#include <QUrl>

#include "RecentFileList.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

class ArchiveMenu;
class CHyetoscopeDoc;
class CHyetoscopeView;
class QtDeviceUi;
class RainAnalysisCommand;
namespace device {
class DeviceLink;
}
class QAction;
class QLabel;
class QMenu;
class QShortcut;
class QToolBar;
class UserMessages;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame(CHyetoscopeDoc& doc, UserMessages& messages, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CHyetoscopeView* view() const { return m_view; }
  void setView(CHyetoscopeView* view);

  // Runs a command when it is enabled now; returns whether it ran.
  bool executeCommand(int commandId);
  // Re-evaluates every command's enabled and checked state and the title.
  void refreshCommandStates();

  QAction* action(int commandId) const;
  const std::map<int, QShortcut*>& shortcutsByCommand() const { return m_shortcuts; }

  // Moves and sizes the window from the "ShownSeriesSpan" settings.
  void applyStoredPlacement();
  // Stores the placement by the off-desktop rule.
  void storePlacement();

  // Opens a file handed over by a second start or chosen from the recent
  // files: the window comes to the front, then the document's open (save
  // prompt first). Waits while a modal dialog is up; does nothing while the
  // open command is disabled.
  void openFromElsewhere(const QString& path);
  const RecentFileList& recentFiles() const { return m_recent; }
  // The numbered recent-file entries of the file menu, in order.
  const std::vector<QAction*>& recentFileActions() const { return m_recentActions; }

  // The station-archive commands (their file choices can be replaced).
  ArchiveMenu& archiveMenu() { return *m_archive; }

  // How help pages are opened; the desktop's browser unless replaced.
  void setUrlOpener(std::function<bool(const QUrl&)> opener) { m_urlOpener = std::move(opener); }

  // The rain analysis command and its window (null before setView).
  RainAnalysisCommand* rainAnalysis() const { return m_rainAnalysis.get(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildMenus();
  void buildToolBar();
  void buildStatusBar();
  void buildAccelerators();
  void showHelp();
  void showAbout();
  void runDownload();
  void runPortDialog();
  void buildRecentFileEntries(QMenu* fileMenu);
  void noteOpened(const std::string& path, bool loaded);
  void showRecentFiles();

  CHyetoscopeDoc& m_doc;
  UserMessages& m_messages;
  CHyetoscopeView* m_view = nullptr;
  QToolBar* m_toolBar = nullptr;
  std::map<int, QAction*> m_actions;
  std::map<int, QShortcut*> m_shortcuts;  // by command; one key each
  std::function<bool(const QUrl&)> m_urlOpener;
  std::unique_ptr<QtDeviceUi> m_deviceUi;
  std::unique_ptr<device::DeviceLink> m_deviceLink;
  std::unique_ptr<RainAnalysisCommand> m_rainAnalysis;
  std::unique_ptr<ArchiveMenu> m_archive;
  QLabel* m_sourceNote = nullptr;
  RecentFileList m_recent;
  std::vector<QAction*> m_recentActions;
  QAction* m_recentSeparator = nullptr;
};
