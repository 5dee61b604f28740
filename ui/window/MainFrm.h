// The main window: menu bar, toolbar, status bar, the scheme view in the
// middle and the sequence pane docked below. Every command's action carries
// its command id and is enabled by the document's rule after every change.
#pragma once

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

#include "app/CommandIds.h"
#include "app/LodexDoc.h"
#include "ui/window/QtHost.h"

class QAction;
class QLabel;
class QMenu;
class QSettings;
class QToolBar;

namespace lodex {

class CBlockProperties;
class CHelpDesk;
class CLodexView;
class COutputBar;
class COverviewBar;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kRecentFileCount = 4;

  // `host` answers the document's dialogs (none: the program's own). An
  // empty `settingsFile` keeps the layout, the window position and the
  // recent files in the user's settings of "Lodex 2"; tests name an INI
  // file instead.
  explicit CMainFrame(std::unique_ptr<CQtHost> host = nullptr, const QString& settingsFile = {},
                      QWidget* parent = nullptr);
  ~CMainFrame() override;

  CLodexDoc& Document() { return *m_doc; }
  CQtHost& Host() { return *m_host; }
  CLodexView* View() const { return m_view; }
  COutputBar* OutputBar() const { return m_outputBar; }
  COverviewBar* OverviewBar() const { return m_overview; }
  CBlockProperties* Properties() const { return m_properties; }
  QToolBar* ToolBar() const { return m_toolBar; }
  // F1 and Помощь › Справка; the manual's language is set on it
  // (SetLanguage("en")), Russian unless told.
  CHelpDesk* HelpDesk() const { return m_help; }
  // The action of a command, or nullptr for an id that has none.
  QAction* Action(CommandId id) const;
  QStringList RecentFiles() const { return m_recentFiles; }

  // A command as its menu item, button or key runs it; afterwards the
  // actions and the title follow the document.
  void RunCommand(CommandId id);
  // Opens a scheme as Open does, with the save prompt first when the shown
  // scheme is modified. A file that turns out missing or damaged is reported
  // and leaves the recent-file list. True when it was opened.
  bool OpenFile(const QString& path);
  // The host's UpdateAllViews: the view lays the scheme out again, then the
  // actions and the title follow the document.
  void OnDocumentUpdated();
  // "Найти блок": selects and centres the logic block that `query` names by
  // number, identifier or caption; a query that names none is reported.
  bool FindBlock(const QString& query);
  // Shows the window with the bar layout and position it was closed with.
  void ShowWithSavedPosition();
  // The toolbar and the pane back where a first run puts them.
  void ResetLayout();
  // The program's settings: the user's "Lodex 2", or the file named at
  // construction.
  std::unique_ptr<QSettings> OpenSettings() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void RefreshCommands();
  void RefreshRecentMenu();
  void AddRecentFile(const QString& path);
  void RemoveRecentFile(const QString& path);
  void SaveRecentFiles() const;
  void SaveImage();
  void AskFindBlock();

  std::unique_ptr<CQtHost> m_host;
  std::unique_ptr<CLodexDoc> m_doc;
  QString m_settingsFile;
  CLodexView* m_view = nullptr;
  COutputBar* m_outputBar = nullptr;
  COverviewBar* m_overview = nullptr;
  CBlockProperties* m_properties = nullptr;
  QToolBar* m_toolBar = nullptr;
  CHelpDesk* m_help = nullptr;
  QLabel* m_zoomLabel = nullptr;
  std::map<CommandId, QAction*> m_actions;
  QAction* m_recentPlaceholder = nullptr;
  std::vector<QAction*> m_recentActions;
  QStringList m_recentFiles;
  QString m_lastQuery;         // the last "Найти блок" text
  QString m_lastPath;          // the document's path when the recent list last followed it
  QByteArray m_defaultLayout;  // saveState() of a first run
};

}  // namespace lodex
