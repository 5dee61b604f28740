#include "ui/window/MainFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "app/BlockSearch.h"
#include "app/CommandTable.h"
#include "model/PrintableText.h"
#include "ui/dialogs/AboutDlg.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/Language.h"
#include "ui/window/BlockProperties.h"
#include "ui/window/Lodex.h"
#include "ui/window/LodexView.h"
#include "ui/window/OutputBar.h"
#include "ui/window/OverviewBar.h"
#include "ui/window/QtHost.h"

namespace lodex {
namespace {

// Settings keys (under "Lodex 2").
constexpr const char* kBarStateKey = "Control Bar State";
constexpr const char* kWindowPositionKey = "Window Position";
constexpr const char* kRecentGroup = "Recent File List";

constexpr int kOutputBarHeight = 150;
constexpr int kPropertiesWidth = 330;

// The host translates a file dialog's title and filter in the core's context.
const FileDialogRequest kSaveImageDialog{
    QT_TRANSLATE_NOOP("lodex::App", "Сохранить изображение"), "", "svg",
    QT_TRANSLATE_NOOP("lodex::App", "Рисунок SVG (*.svg)|*.svg|Рисунок PNG (*.png)|*.png||")};

// The first local scheme file among dropped URLs.
QString DroppedScheme(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && url.toLocalFile().endsWith(".shc")) return url.toLocalFile();
  return {};
}

// "100%", and below 1 % with its hundredths: "0.55%".
QString ZoomText(double percent) {
  return (percent < 1 ? QLocale().toString(percent, 'f', 2) : QString::number(std::lround(percent))) + '%';
}

}  // namespace

CMainFrame::CMainFrame(std::unique_ptr<CQtHost> host, const QString& settingsFile, QWidget* parent)
    : QMainWindow(parent),
      m_host(host ? std::move(host) : std::make_unique<CQtHost>()),
      m_doc(std::make_unique<CLodexDoc>(*m_host)),
      m_settingsFile(settingsFile) {
  InitUiResources();
  setWindowIcon(UiIcon("lodex"));
  m_host->Attach(this);

  m_view = new CLodexView(*m_doc, this);
  setCentralWidget(m_view);
  m_outputBar = new COutputBar(this);
  addDockWidget(Qt::BottomDockWidgetArea, m_outputBar);
  m_overview = new COverviewBar(*m_view, this);
  addDockWidget(Qt::RightDockWidgetArea, m_overview);
  m_overview->hide();
  m_properties = new CBlockProperties(this);
  addDockWidget(Qt::RightDockWidgetArea, m_properties);
  m_help = new CHelpDesk(this, InterfaceLanguage());
  SetHelpTopic(m_view, help::kMainWindow);
  SetHelpTopic(m_outputBar, help::kSequencePane);
  SetHelpTopic(m_overview, help::kNavigation);
  SetHelpTopic(m_properties, help::kBlockProperties);

  CreateActions();
  CreateToolBar();
  CreateMenus();
  CreateStatusBar();

  connect(m_view, &CLodexView::LayoutRefreshed, this, [this](bool firstState) {
    m_outputBar->UpdatePanes(m_doc->Scheme(), firstState);
    // The overview stands beside a diagram that does not fit the window.
    m_overview->Map()->Invalidate();
    m_overview->setVisible(m_view->LargerThanViewport());
  });
  connect(m_outputBar, &COutputBar::BlockActivated, m_view, &CLodexView::SelectAndCentre);
  connect(m_view, &CLodexView::CommandRequested, this, &CMainFrame::RunCommand);
  connect(m_view, &CLodexView::ZoomChanged, this, [this](double percent) { m_zoomLabel->setText(ZoomText(percent)); });

  setAcceptDrops(true);
  {
    const std::unique_ptr<QSettings> settings = OpenSettings();
    settings->beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFileCount; ++i) {
      const QString path = settings->value(QString("File%1").arg(i)).toString();
      if (!path.isEmpty()) m_recentFiles << path;
    }
  }
  RefreshRecentMenu();
  m_defaultLayout = saveState();
  m_doc->OnNewDocument();
}

CMainFrame::~CMainFrame() {
  // The view and the pane go before the document they show.
  m_host->Attach(nullptr);
  delete m_overview;  // it draws the view's diagram
  delete m_properties;
  delete m_view;
  delete m_outputBar;
}

QAction* CMainFrame::Action(CommandId id) const {
  const auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

// --- bars ------------------------------------------------------------------

void CMainFrame::CreateActions() {
  for (const CommandInfo& command : CommandTable()) {
    auto* action = new QAction(AppText(command.caption), this);
    const QStringList prompt = AppText(command.prompt).split('\n');
    action->setStatusTip(prompt.front());
    action->setToolTip(prompt.back());
    if (command.icon) action->setIcon(UiIcon(command.icon));
    QList<QKeySequence> keys;
    for (const char* key : command.keys) keys << QKeySequence(key, QKeySequence::PortableText);
    // Undo and Redo also answer the platform's own keys for them.
    if (command.id == CommandId::Undo || command.id == CommandId::Redo)
      for (const QKeySequence& key :
           QKeySequence::keyBindings(command.id == CommandId::Undo ? QKeySequence::Undo : QKeySequence::Redo))
        if (!keys.contains(key)) keys << key;
    action->setShortcuts(keys);
    action->setData(static_cast<int>(command.id));
    connect(action, &QAction::triggered, this, [this, id = command.id] { RunCommand(id); });
    // Keys work while the toolbar is hidden too.
    addAction(action);
    m_actions[command.id] = action;
  }
}

void CMainFrame::CreateToolBar() {
  m_toolBar = new QToolBar(tr("Панель управления"), this);
  m_toolBar->setObjectName("ToolBar");
  m_toolBar->setIconSize(QSize(16, 16));
  std::vector<const CommandInfo*> buttons;
  for (const CommandInfo& command : CommandTable())
    if (command.toolBar > 0) buttons.push_back(&command);
  std::stable_sort(buttons.begin(), buttons.end(),
                   [](const CommandInfo* a, const CommandInfo* b) { return a->toolBar < b->toolBar; });
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (i > 0 && buttons[i]->toolBar / 10 != buttons[i - 1]->toolBar / 10) m_toolBar->addSeparator();
    m_toolBar->addAction(Action(buttons[i]->id));
  }
  addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateMenus() {
  // The menus of the bar, then each command in the (sub)menu its path names.
  // Paths stay the table's own; only the titles shown are translated.
  std::map<QString, QMenu*> menus;
  for (const char* title : MenuBar()) menus[title] = menuBar()->addMenu(AppText(title));
  const auto menuOf = [&menus](const char* path) {
    QMenu*& menu = menus[path];
    if (!menu) {
      const QString source(path);
      const QString shown = AppText(path);
      menu = menus.at(source.left(source.lastIndexOf('/')))->addMenu(shown.mid(shown.lastIndexOf('/') + 1));
    }
    return menu;
  };
  for (const CommandInfo& command : CommandTable()) {
    if (command.menu == nullptr) continue;
    QMenu* menu = menuOf(command.menu);
    if (command.separatorBefore) menu->addSeparator();
    menu->addAction(Action(command.id));
  }

  // The recent files stand above Exit, between two separators.
  QMenu* file = menus.at(MenuBar().front());
  QAction* exit = Action(CommandId::Exit);
  m_recentPlaceholder = Action(CommandId::RecentFiles);
  file->insertAction(exit, m_recentPlaceholder);
  for (int i = 0; i < kRecentFileCount; ++i) {
    auto* action = new QAction(this);
    file->insertAction(exit, action);
    connect(action, &QAction::triggered, this, [this, i] {
      if (i < m_recentFiles.size()) OpenFile(m_recentFiles[i]);
    });
    m_recentActions.push_back(action);
  }
  file->insertSeparator(exit);

  QMenu* view = menus.at("&Вид");
  const auto addViewAction = [this, view](const char* caption, const char* prompt, QList<QKeySequence> keys,
                                          void (CLodexView::*slot)()) {
    QAction* action = view->addAction(tr(caption));
    action->setStatusTip(tr(prompt));
    action->setShortcuts(keys);
    addAction(action);
    connect(action, &QAction::triggered, m_view, slot);
  };
  addViewAction(QT_TR_NOOP("&Увеличить"), QT_TR_NOOP("Увеличить масштаб схемы"),
                {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &CLodexView::ZoomIn);
  addViewAction(QT_TR_NOOP("У&меньшить"), QT_TR_NOOP("Уменьшить масштаб схемы"), {QKeySequence::ZoomOut},
                &CLodexView::ZoomOut);
  addViewAction(QT_TR_NOOP("&Исходный масштаб"), QT_TR_NOOP("Показать схему в масштабе 100%"),
                {QKeySequence(Qt::CTRL | Qt::Key_0)}, &CLodexView::ZoomReset);
  addViewAction(QT_TR_NOOP("По &размеру окна"), QT_TR_NOOP("Уместить всю схему в окне"), {}, &CLodexView::FitToWindow);
  view->addSeparator();
  QAction* find = view->addAction(tr("&Найти блок..."));
  find->setStatusTip(tr("Найти блок по номеру, идентификатору или подписи"));
  find->setShortcut(QKeySequence::Find);
  addAction(find);
  connect(find, &QAction::triggered, this, &CMainFrame::AskFindBlock);
  view->addSeparator();
  QAction* toolBarToggle = m_toolBar->toggleViewAction();
  toolBarToggle->setStatusTip(tr("Показать или скрыть панель управления"));
  view->addAction(toolBarToggle);
  QAction* paneToggle = m_outputBar->toggleViewAction();
  paneToggle->setStatusTip(tr("Показать или скрыть панель логических последовательностей"));
  view->addAction(paneToggle);
  QAction* overviewToggle = m_overview->toggleViewAction();
  overviewToggle->setStatusTip(tr("Показать или скрыть обзор всей схемы"));
  view->addAction(overviewToggle);
  QAction* propertiesToggle = m_properties->toggleViewAction();
  propertiesToggle->setStatusTip(tr("Показать или скрыть свойства выбранного блока"));
  view->addAction(propertiesToggle);
  view->addSeparator();
  QAction* reset = view->addAction(tr("&Сбросить расположение панелей"));
  reset->setStatusTip(tr("Вернуть панели на их исходные места"));
  connect(reset, &QAction::triggered, this, &CMainFrame::ResetLayout);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setWindowTitle(tr("Строка состояния"));
  // An ordinary widget: prompts of menu items and buttons cover it while
  // they are shown.
  bar->addWidget(new QLabel(tr("Готов"), bar), 1);
  m_zoomLabel = new QLabel(ZoomText(m_view->Zoom()), bar);
  m_zoomLabel->setToolTip(tr("Масштаб схемы"));
  bar->addPermanentWidget(m_zoomLabel);
}

// --- commands --------------------------------------------------------------

void CMainFrame::RunCommand(CommandId id) {
  switch (id) {
    case CommandId::About: {
      CAboutDlg about(this);
      about.exec();
      break;
    }
    case CommandId::Help: m_help->Show(); break;
    case CommandId::Exit: close(); return;
    case CommandId::SaveImage: SaveImage(); break;
    default: m_doc->OnCommand(id);
  }
  RefreshCommands();
}

void CMainFrame::OnDocumentUpdated() {
  if (m_view) m_view->OnUpdate();
  if (m_outputBar) m_outputBar->FollowSelection(m_doc->SelectedLogicBlock());
  if (m_properties) m_properties->ShowBlock(m_doc->Scheme(), m_doc->SelectedLogicBlock());
  RefreshCommands();
}

bool CMainFrame::FindBlock(const QString& query) {
  const int index = FindLogicBlock(m_doc->Scheme(), query.toStdString());
  if (index < 1) {
    m_host->Show(
        Message{tr("Блок «%1» не найден").arg(QString::fromStdString(PrintableText(query.toStdString()))).toStdString(),
                kAppTitle, MessageButtons::Ok, MessageIcon::Warning});
    return false;
  }
  m_view->SelectAndCentre(index);
  return true;
}

void CMainFrame::AskFindBlock() {
  if (m_doc->Scheme().IsEmpty()) return;
  bool ok = false;
  const QString query = QInputDialog::getText(this, tr("Найти блок"), tr("Номер, идентификатор или подпись блока:"),
                                              QLineEdit::Normal, m_lastQuery, &ok);
  if (!ok || query.trimmed().isEmpty()) return;
  m_lastQuery = query;
  FindBlock(query);
  RefreshCommands();
}

void CMainFrame::RefreshCommands() {
  for (const auto& [id, action] : m_actions) action->setEnabled(m_doc->IsEnabled(id));
  const QString title = QString::fromStdString(PrintableText(m_doc->GetTitle()));
  const QString program = QString::fromUtf8(kAppTitle);
  setWindowTitle(title.isEmpty() ? program + "[*]" : QString("%1[*] - %2").arg(title, program));
  setWindowModified(m_doc->IsModified());
  // Open and Save As give the document a path: it heads the recent files.
  const QString path = QString::fromStdString(m_doc->GetPathName());
  if (path != m_lastPath) {
    m_lastPath = path;
    if (!path.isEmpty()) AddRecentFile(path);
  }
}

bool CMainFrame::OpenFile(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  m_host->AnswerNextOpen(full.toStdString());
  const bool opened = m_doc->OnFileOpen();
  // The path was taken unless the save prompt was cancelled.
  const bool tried = !m_host->HasPendingOpen();
  m_host->AnswerNextOpen(std::nullopt);
  RefreshCommands();
  if (tried && !opened) RemoveRecentFile(full);
  return opened;
}

void CMainFrame::SaveImage() {
  FileDialogRequest request = kSaveImageDialog;
  request.fileName = m_doc->GetTitle();
  const std::optional<std::string> path = m_host->AskSaveFile(request);
  if (!path) return;
  QString error;
  if (!m_view->SaveImage(QString::fromStdString(*path), &error))
    m_host->Show(Message{tr("Не удалось сохранить изображение.\n%1").arg(error).toStdString(), kAppTitle,
                         MessageButtons::Ok, MessageIcon::Error});
}

// --- recent files ----------------------------------------------------------

void CMainFrame::AddRecentFile(const QString& path) {
  m_recentFiles.removeAll(path);
  m_recentFiles.prepend(path);
  while (m_recentFiles.size() > kRecentFileCount) m_recentFiles.removeLast();
  SaveRecentFiles();
  RefreshRecentMenu();
}

void CMainFrame::RemoveRecentFile(const QString& path) {
  if (m_recentFiles.removeAll(path) == 0) return;
  SaveRecentFiles();
  RefreshRecentMenu();
}

void CMainFrame::SaveRecentFiles() const {
  const std::unique_ptr<QSettings> settings = OpenSettings();
  settings->remove(kRecentGroup);
  settings->beginGroup(kRecentGroup);
  for (qsizetype i = 0; i < m_recentFiles.size(); ++i)
    settings->setValue(QString("File%1").arg(i + 1), m_recentFiles[i]);
}

void CMainFrame::RefreshRecentMenu() {
  m_recentPlaceholder->setVisible(m_recentFiles.isEmpty());
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = m_recentActions[static_cast<size_t>(i)];
    const bool used = i < m_recentFiles.size();
    action->setVisible(used);
    if (!used) continue;
    const QString shown = QDir::toNativeSeparators(m_recentFiles[i]);
    action->setText(QString("&%1 %2").arg(i + 1).arg(QString(shown).replace("&", "&&")));
    action->setStatusTip(tr("Открыть %1").arg(shown));
  }
}

// --- window ----------------------------------------------------------------

std::unique_ptr<QSettings> CMainFrame::OpenSettings() const {
  if (m_settingsFile.isEmpty()) return std::make_unique<QSettings>();
  return std::make_unique<QSettings>(m_settingsFile, QSettings::IniFormat);
}

void CMainFrame::ShowWithSavedPosition() {
  const std::unique_ptr<QSettings> settings = OpenSettings();
  const bool restored = restoreState(settings->value(kBarStateKey).toByteArray());
  if (!restoreGeometry(settings->value(kWindowPositionKey).toByteArray())) resize(960, 700);
  show();
  if (!restored) {
    resizeDocks({m_outputBar}, {kOutputBarHeight}, Qt::Vertical);
    resizeDocks({m_properties}, {kPropertiesWidth}, Qt::Horizontal);
  }
}

void CMainFrame::ResetLayout() {
  restoreState(m_defaultLayout);
  m_toolBar->show();
  m_outputBar->show();
  m_properties->show();
  resizeDocks({m_outputBar}, {kOutputBarHeight}, Qt::Vertical);
  resizeDocks({m_properties}, {kPropertiesWidth}, Qt::Horizontal);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!m_doc->SaveModified()) {
    RefreshCommands();
    event->ignore();
    return;
  }
  const std::unique_ptr<QSettings> settings = OpenSettings();
  settings->setValue(kBarStateKey, saveState());
  settings->setValue(kWindowPositionKey, saveGeometry());
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedScheme(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString path = DroppedScheme(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // Opened once the drop is over: the save prompt and message boxes must not
  // hold the program the file came from.
  QTimer::singleShot(0, this, [this, path] { OpenFile(path); });
}

}  // namespace lodex
