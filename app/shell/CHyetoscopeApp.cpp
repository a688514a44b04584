#include "CHyetoscopeApp.h"

#include "CHyetoscopeDoc.h"
#include "CHyetoscopeView.h"
#include "CMainFrame.h"
#include "FileTypes.h"
#include "RecordingState.h"
#include "SelectedPort.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QLayout>
#include <QSettings>

#include <clocale>
#include <cstdlib>
#include <ctime>

void applyProgramClock() {
  setenv("TZ", "JST-9", 1);
  tzset();
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
}

CHyetoscopeApp::CHyetoscopeApp(RecordingState& state, UserMessages& messages)
    : m_state(state), m_messages(messages) {}

CHyetoscopeApp::~CHyetoscopeApp() {
  m_instance.reset();
  // The view refers to the document: the frame (and view) go first.
  m_frame.reset();
  m_doc.reset();
}

void applyProgramIdentity() {
  QCoreApplication::setOrganizationName(QStringLiteral("VELDEN CORPORATION"));
  QCoreApplication::setApplicationName(QStringLiteral("HY for Windows"));
}

bool CHyetoscopeApp::initInstance(const QStringList& arguments) {
  applyProgramClock();
  applyProgramIdentity();

  // Qt's standard dialogs in Japanese; without the translations installed
  // they stay in English and nothing else changes.
  m_qtTranslator = std::make_unique<QTranslator>();
  if (m_qtTranslator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                           QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(m_qtTranslator.get());

  m_doc = std::make_unique<CHyetoscopeDoc>(m_state, m_messages);
  m_frame = std::make_unique<CMainFrame>(*m_doc, m_messages);
  auto* view = new CHyetoscopeView(*m_doc, m_state);
  view->setUserMessages(m_messages);
  m_frame->setView(view);

  const QString file = commandLineFile(arguments);
  if (!file.isEmpty() && !m_doc->onOpenDocument(file.toStdString())) return false;
  // The view's first layout sizes the statistics columns from its width:
  // give it its real width before the window shows.
  m_frame->layout()->activate();
  view->onInitialUpdate();
  m_frame->refreshCommandStates();

  m_frame->show();
  // A window manager adds its frame around the client size it was given;
  // take it off again so the stored outer size is the one that shows.
  const QSize extra = m_frame->frameGeometry().size() - m_frame->size();
  if (extra.width() > 0 || extra.height() > 0) m_frame->resize(m_frame->size() - extra);

  QSettings settings;
  selectedPort() = settings.value(QStringLiteral("Settings/ComPort"), 1).toInt();

  registerFileTypes(userDataHome(), QCoreApplication::applicationFilePath().toStdString());

  m_instance = std::make_unique<SingleInstance>();
  m_instance->listen(SingleInstance::serverName(), [this](const QString& path) { m_frame->openFromElsewhere(path); });
  return true;
}

QString CHyetoscopeApp::commandLineFile(const QStringList& arguments) {
  // The first argument that is not an option names a data file.
  for (qsizetype i = 1; i < arguments.size(); ++i)
    if (!arguments[i].startsWith(QLatin1Char('-'))) return arguments[i];
  return {};
}

bool CHyetoscopeApp::handOverToRunningProgram(const QStringList& arguments) {
  const QString file = commandLineFile(arguments);
  if (file.isEmpty()) return false;
  return SingleInstance::handOver(SingleInstance::serverName(), QFileInfo(file).absoluteFilePath());
}
