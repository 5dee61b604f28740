#include "app/ui/MainFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "app/ui/AboutDlg.h"
#include "app/ui/Lodex.h"
#include "app/ui/LodexView.h"
#include "app/ui/OutputBar.h"
#include "app/ui/QtHost.h"
#include "model/PrintableText.h"

namespace lodex {
namespace {

// Settings keys (under "Lodex 2").
constexpr const char* kBarStateKey = "Control Bar State";
constexpr const char* kWindowPositionKey = "Window Position";
constexpr const char* kRecentGroup = "Recent File List";

constexpr int kOutputBarHeight = 150;

// One command's action: caption (with mnemonic), icon, the status-bar prompt
// and the tooltip (the prompt's two lines), and its keys.
struct CommandEntry {
  CommandId id;
  const char* caption;
  const char* icon;  // nullptr: no toolbar image
  const char* prompt;
  std::vector<QKeySequence> keys;
};

const std::vector<CommandEntry>& CommandTable() {
  // clang-format off
  static const std::vector<CommandEntry> table = {
      {CommandId::New, "&Новый ", "new", "Создать новый проект\nНовый", {QKeySequence(Qt::CTRL | Qt::Key_N)}},
      {CommandId::Open, "&Открыть...", "open", "Открыть файл схемы\nОткрыть", {QKeySequence(Qt::CTRL | Qt::Key_O)}},
      {CommandId::Save, "&Сохранить", "save", "Сохранить схему в файл\nСохранить",
       {QKeySequence(Qt::CTRL | Qt::Key_S)}},
      {CommandId::SaveAs, "Сохранить &Как...", nullptr, "Сохранить схему в файл под новым именем\nСохранить как", {}},
      {CommandId::Exit, "В&ыход", nullptr, "Завершить работу программы\nВыход", {}},
      {CommandId::Serial, "Последовательная", "serial",
       "Последовательная декомпозиция выделенного блока\nПоследовательная декомпозиция", {}},
      {CommandId::Parallel, "Параллельная", "parallel",
       "Параллельная декомпозиция выделенного блока\nПараллельная декомпозиция", {}},
      {CommandId::Fictitious, "Проверка наличия фиктивных зависимостей", "fictitious",
       "поиск фиктивных переменных\nПроверка наличия фиктивных зависимостей", {}},
      {CommandId::ThreeInput, "Выделить трехвходовый блок", "threeinput",
       "Выделить трехвходовый блок из выделенного блока\nВыделить трехвходовый блок", {}},
      {CommandId::AutomaticSynthesis, "&Автоматический синтез...", nullptr,
       "Перестроить схему из блоков с ограниченным числом входов\nАвтоматический синтез", {}},
      {CommandId::SaveSequence, "С&охранить последовательность блока", "savesequence",
       "Сохранить логическую последовательность выделенного блока в файл\nСохранить последовательность блока", {}},
      {CommandId::Analysis, "П&ровести анализ схемы", "analysis",
       "Сравнить последовательность схемы с исходной\nАнализ схемы", {}},
      {CommandId::Vhdl, "Генерировать VHDL-код", "vhdl", "Сохранить схему как VHDL-код\nГенерировать VHDL-код", {}},
      {CommandId::Optimize, "Оптимизация", nullptr, "Перераспределить входы блоков по ярусам\nОптимизация", {}},
      {CommandId::CoverNand, "Покрытие элементами \"И-НЕ\"", nullptr,
       "Покрыть двухвходовые блоки элементами И-НЕ\nПокрытие элементами И-НЕ", {}},
      {CommandId::CoverNor, "Покрытие элементами \"ИЛИ-НЕ\"", nullptr,
       "Покрыть двухвходовые блоки элементами ИЛИ-НЕ\nПокрытие элементами ИЛИ-НЕ", {}},
      {CommandId::Settings, "Настройки", nullptr, "Изменить настройки синтеза\nНастройки", {}},
      {CommandId::ExportBlif, "Экспорт в BLIF...", nullptr, "Сохранить схему в формате BLIF\nЭкспорт в BLIF", {}},
      {CommandId::ExportVerilog, "Экспорт в Verilog...", nullptr,
       "Сохранить схему как структурный Verilog\nЭкспорт в Verilog", {}},
      {CommandId::Visio, "Чертеж схемы", "drawing", "Открыть чертеж схемы в программе просмотра\nЧертеж схемы", {}},
      {CommandId::Undo, "Отменить", "undo", "Отменить предыдущее действие\nОтменить",
       {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
      {CommandId::Redo, "Вернуть", "redo", "Вернуть действие\nВернуть", {}},
      {CommandId::About, "&О программе...", "about", "Сведения о программе\nО программе", {}},
  };
  // clang-format on
  return table;
}

// A separator in a list of toolbar commands.
constexpr CommandId kSeparator = static_cast<CommandId>(0);

const FileDialogRequest kSaveImageDialog{"Сохранить изображение", "", "svg",
                                         "Рисунок SVG (*.svg)|*.svg|Рисунок PNG (*.png)|*.png||"};

// The first local scheme file among dropped URLs.
QString DroppedScheme(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && url.toLocalFile().endsWith(".shc")) return url.toLocalFile();
  return {};
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

  CreateActions();
  CreateToolBar();
  CreateMenus();
  CreateStatusBar();

  connect(m_view, &CLodexView::LayoutRefreshed, this,
          [this](bool firstState) { m_outputBar->UpdatePanes(m_doc->Scheme(), firstState); });
  connect(m_view, &CLodexView::CommandRequested, this, &CMainFrame::RunCommand);
  connect(m_view, &CLodexView::ZoomChanged, this,
          [this](unsigned percent) { m_zoomLabel->setText(QString("%1%").arg(percent)); });

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
  delete m_view;
  delete m_outputBar;
}

QAction* CMainFrame::Action(CommandId id) const {
  const auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

// --- bars ------------------------------------------------------------------

void CMainFrame::CreateActions() {
  for (const CommandEntry& entry : CommandTable()) {
    auto* action = new QAction(entry.caption, this);
    const QStringList prompt = QString(entry.prompt).split('\n');
    action->setStatusTip(prompt.front());
    action->setToolTip(prompt.back());
    if (entry.icon) action->setIcon(UiIcon(entry.icon));
    action->setShortcuts(QList<QKeySequence>(entry.keys.begin(), entry.keys.end()));
    action->setData(static_cast<int>(entry.id));
    connect(action, &QAction::triggered, this, [this, id = entry.id] { RunCommand(id); });
    // Keys work while the toolbar is hidden too.
    addAction(action);
    m_actions[entry.id] = action;
  }
  m_saveImage = new QAction("Сохранить &изображение...", this);
  m_saveImage->setObjectName("SaveImage");
  m_saveImage->setStatusTip("Сохранить изображение схемы в файл SVG или PNG");
  connect(m_saveImage, &QAction::triggered, this, &CMainFrame::SaveImage);
}

void CMainFrame::CreateToolBar() {
  m_toolBar = new QToolBar("Панель управления", this);
  m_toolBar->setObjectName("ToolBar");
  m_toolBar->setIconSize(QSize(16, 16));
  const CommandId buttons[] = {CommandId::New,
                               CommandId::Open,
                               CommandId::Save,
                               kSeparator,
                               CommandId::Undo,
                               CommandId::Redo,
                               kSeparator,
                               CommandId::Fictitious,
                               CommandId::Serial,
                               CommandId::Parallel,
                               CommandId::ThreeInput,
                               kSeparator,
                               CommandId::SaveSequence,
                               CommandId::Analysis,
                               CommandId::Vhdl,
                               kSeparator,
                               CommandId::About,
                               kSeparator,
                               CommandId::Visio};
  for (CommandId id : buttons) {
    if (id == kSeparator)
      m_toolBar->addSeparator();
    else
      m_toolBar->addAction(Action(id));
  }
  addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu("&Файл");
  for (CommandId id : {CommandId::New, CommandId::Open, CommandId::Save, CommandId::SaveAs})
    file->addAction(Action(id));
  file->addAction(m_saveImage);
  file->addAction(Action(CommandId::ExportBlif));
  file->addAction(Action(CommandId::ExportVerilog));
  file->addSeparator();
  m_recentPlaceholder = file->addAction("Список файлов");
  m_recentPlaceholder->setEnabled(false);
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = file->addAction(QString());
    connect(action, &QAction::triggered, this, [this, i] {
      if (i < m_recentFiles.size()) OpenFile(m_recentFiles[i]);
    });
    m_recentActions.push_back(action);
  }
  file->addSeparator();
  file->addAction(Action(CommandId::Exit));

  QMenu* synthesis = bar->addMenu("&Синтез");
  QMenu* decomposition = synthesis->addMenu("&Декомпозиция");
  for (CommandId id : {CommandId::Serial, CommandId::Parallel, CommandId::Fictitious})
    decomposition->addAction(Action(id));
  synthesis->addMenu("Д&етализация")->addAction(Action(CommandId::ThreeInput));
  synthesis->addSeparator();
  synthesis->addAction(Action(CommandId::AutomaticSynthesis));

  QMenu* service = bar->addMenu("С&ервис");
  for (CommandId id : {CommandId::SaveSequence, CommandId::Analysis, CommandId::Vhdl, CommandId::Optimize})
    service->addAction(Action(id));
  QMenu* covering = service->addMenu("&Покрытие");
  covering->addAction(Action(CommandId::CoverNand));
  covering->addAction(Action(CommandId::CoverNor));

  bar->addMenu("&Опции")->addAction(Action(CommandId::Settings));

  QMenu* view = bar->addMenu("&Вид");
  const auto addViewAction = [this, view](const char* caption, const char* prompt, QList<QKeySequence> keys,
                                          void (CLodexView::*slot)()) {
    QAction* action = view->addAction(caption);
    action->setStatusTip(prompt);
    action->setShortcuts(keys);
    addAction(action);
    connect(action, &QAction::triggered, m_view, slot);
  };
  addViewAction("&Увеличить", "Увеличить масштаб схемы", {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                &CLodexView::ZoomIn);
  addViewAction("У&меньшить", "Уменьшить масштаб схемы", {QKeySequence::ZoomOut}, &CLodexView::ZoomOut);
  addViewAction("&Исходный масштаб", "Показать схему в масштабе 100%", {QKeySequence(Qt::CTRL | Qt::Key_0)},
                &CLodexView::ZoomReset);
  addViewAction("По &размеру окна", "Уместить всю схему в окне", {}, &CLodexView::FitToWindow);
  view->addSeparator();
  QAction* toolBarToggle = m_toolBar->toggleViewAction();
  toolBarToggle->setStatusTip("Показать или скрыть панель управления");
  view->addAction(toolBarToggle);
  QAction* paneToggle = m_outputBar->toggleViewAction();
  paneToggle->setStatusTip("Показать или скрыть панель логических последовательностей");
  view->addAction(paneToggle);
  view->addSeparator();
  QAction* reset = view->addAction("&Сбросить расположение панелей");
  reset->setStatusTip("Вернуть панели на их исходные места");
  connect(reset, &QAction::triggered, this, &CMainFrame::ResetLayout);

  bar->addMenu("По&мощь")->addAction(Action(CommandId::About));
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setWindowTitle("Строка состояния");
  // An ordinary widget: prompts of menu items and buttons cover it while
  // they are shown.
  bar->addWidget(new QLabel("Готов", bar), 1);
  m_zoomLabel = new QLabel(QString("%1%").arg(m_view->Zoom()), bar);
  m_zoomLabel->setToolTip("Масштаб схемы");
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
    case CommandId::Exit: close(); return;
    default: m_doc->OnCommand(id);
  }
  RefreshCommands();
}

void CMainFrame::OnDocumentUpdated() {
  if (m_view) m_view->OnUpdate();
  RefreshCommands();
}

void CMainFrame::RefreshCommands() {
  for (const auto& [id, action] : m_actions) action->setEnabled(m_doc->IsEnabled(id));
  m_saveImage->setEnabled(!m_doc->Scheme().IsEmpty());
  const QString title = QString::fromStdString(PrintableText(m_doc->GetTitle()));
  setWindowTitle(title.isEmpty() ? QString("Lodex[*]") : title + "[*] - Lodex");
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
    m_host->Show(Message{"Не удалось сохранить изображение.\n" + error.toStdString(), kAppTitle, MessageButtons::Ok,
                         MessageIcon::Error});
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
    action->setStatusTip("Открыть " + shown);
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
  if (!restored) resizeDocks({m_outputBar}, {kOutputBarHeight}, Qt::Vertical);
}

void CMainFrame::ResetLayout() {
  restoreState(m_defaultLayout);
  m_toolBar->show();
  m_outputBar->show();
  resizeDocks({m_outputBar}, {kOutputBarHeight}, Qt::Vertical);
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
