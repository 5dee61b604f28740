#include "app/CommandTable.h"

#include "app/LodexDoc.h"
#include "model/Translatable.h"
#include "synthesis/Tiers.h"

namespace lodex {
namespace {

constexpr const char* kFile = LODEX_TRANSLATE_NOOP("lodex::App", "&Файл");
constexpr const char* kEdit = LODEX_TRANSLATE_NOOP("lodex::App", "&Правка");
constexpr const char* kSynthesis = LODEX_TRANSLATE_NOOP("lodex::App", "&Синтез");
constexpr const char* kDecomposition = LODEX_TRANSLATE_NOOP("lodex::App", "&Синтез/&Декомпозиция");
constexpr const char* kDetail = LODEX_TRANSLATE_NOOP("lodex::App", "&Синтез/Д&етализация");
constexpr const char* kService = LODEX_TRANSLATE_NOOP("lodex::App", "С&ервис");
constexpr const char* kCovering = LODEX_TRANSLATE_NOOP("lodex::App", "С&ервис/&Покрытие");
constexpr const char* kOptions = LODEX_TRANSLATE_NOOP("lodex::App", "&Опции");
constexpr const char* kView = LODEX_TRANSLATE_NOOP("lodex::App", "&Вид");
constexpr const char* kHelp = LODEX_TRANSLATE_NOOP("lodex::App", "По&мощь");

bool Always(const CLodexDoc&) { return true; }
bool Never(const CLodexDoc&) { return false; }
bool Loaded(const CLodexDoc& d) { return !d.Scheme().IsEmpty(); }
bool Modified(const CLodexDoc& d) { return d.IsModified(); }

// The selected logic block, or nullptr.
const CLogicalBlock* Selected(const CLodexDoc& d) {
  const int sel = d.SelectedLogicBlock();
  return sel >= 1 ? &d.Scheme().GetBlock(sel) : nullptr;
}
bool AnySelected(const CLodexDoc& d) { return Loaded(d) && Selected(d) != nullptr; }
bool OneOutputOfInputs(const CLodexDoc& d, int minInputs) {
  const CLogicalBlock* b = Loaded(d) ? Selected(d) : nullptr;
  return b != nullptr && b->m_outputCount == 1 && b->m_inputCount >= minInputs;
}
bool SeveralOutputsSelected(const CLodexDoc& d) {
  const CLogicalBlock* b = Loaded(d) ? Selected(d) : nullptr;
  return b != nullptr && b->m_outputCount != 1;
}

}  // namespace

const std::vector<const char*>& MenuBar() {
  static const std::vector<const char*> menus = {kFile, kEdit, kSynthesis, kService, kOptions, kView, kHelp};
  return menus;
}

const std::vector<CommandInfo>& CommandTable() {
  using D = CLodexDoc;
  // clang-format off
  static const std::vector<CommandInfo> table = {
      {.id = CommandId::New, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "&Новый..."), .menu = kFile, .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Создать новый проект\nНовый"),
       .icon = "new", .keys = {"Ctrl+N"}, .toolBar = 10,
       .enabled = Always, .run = [](D& d) { d.OnFileNew(); }},
      {.id = CommandId::Open, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "&Открыть..."), .menu = kFile, .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Открыть файл схемы\nОткрыть"),
       .icon = "open", .keys = {"Ctrl+O"}, .toolBar = 11,
       .enabled = Always, .run = [](D& d) { d.OnFileOpen(); }},
      {.id = CommandId::Save, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "&Сохранить"), .menu = kFile, .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить схему в файл\nСохранить"),
       .icon = "save", .keys = {"Ctrl+S"}, .toolBar = 12,
       .enabled = Modified, .run = [](D& d) { d.OnFileSave(); }},
      {.id = CommandId::SaveAs, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить &Как..."), .menu = kFile,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить схему в файл под новым именем\nСохранить как"),
       .enabled = Modified, .run = [](D& d) { d.OnFileSaveAs(); }},
      {.id = CommandId::SaveImage, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить &изображение..."), .menu = kFile,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить изображение схемы в файл SVG или PNG\nСохранить изображение"),
       .enabled = Loaded},
      {.id = CommandId::ExportBlif, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Экспорт в BLIF..."), .menu = kFile,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить схему в формате BLIF\nЭкспорт в BLIF"),
       .enabled = Loaded, .run = [](D& d) { d.OnExportNetlist(false); }},
      {.id = CommandId::ExportVerilog, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Экспорт в Verilog..."), .menu = kFile,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить схему как структурный Verilog\nЭкспорт в Verilog"),
       .enabled = Loaded, .run = [](D& d) { d.OnExportNetlist(true); }},
      // The recent files: the frame lists them above Exit, under this
      // caption, which is no command of its own.
      {.id = CommandId::RecentFiles, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Список файлов"), .enabled = Never},
      {.id = CommandId::Exit, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "В&ыход"), .menu = kFile, .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Завершить работу программы\nВыход"),
       .separatorBefore = true, .enabled = Always},

      {.id = CommandId::Serial, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Последовательная..."), .menu = kDecomposition,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Последовательная декомпозиция выделенного блока\nПоследовательная декомпозиция"),
       .icon = "serial", .toolBar = 31, .contextMenu = LODEX_TRANSLATE_NOOP("lodex::App", "Декомпозиция"),
       .enabled = [](const D& d) { return d.SerialEnabled() && Selected(d) != nullptr; },
       .contextEnabled = AnySelected, .run = [](D& d) { d.OnSerial(); }},
      {.id = CommandId::Parallel, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Параллельная..."), .menu = kDecomposition,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Параллельная декомпозиция выделенного блока\nПараллельная декомпозиция"),
       .icon = "parallel", .toolBar = 32, .contextMenu = LODEX_TRANSLATE_NOOP("lodex::App", "Декомпозиция"),
       .enabled = [](const D& d) {
         const CLogicalBlock* b = Selected(d);
         return d.ParallelEnabled() && b != nullptr && b->m_outputCount > 1;
       },
       .contextEnabled = SeveralOutputsSelected, .run = [](D& d) { d.OnParallel(); }},
      {.id = CommandId::Fictitious, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Проверка наличия фиктивных входов..."), .menu = kDecomposition,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Поиск фиктивных входов выделенного блока\nПроверка наличия фиктивных входов"),
       .icon = "fictitious", .toolBar = 30,
       .enabled = [](const D& d) { return OneOutputOfInputs(d, 3); }, .run = [](D& d) { d.OnFictitious(); }},
      {.id = CommandId::ThreeInput, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Выделить трехвходовый блок..."), .menu = kDetail,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Выделить трехвходовый блок из выделенного блока\nВыделить трехвходовый блок"),
       .icon = "threeinput", .toolBar = 33, .contextMenu = LODEX_TRANSLATE_NOOP("lodex::App", "Детализация"),
       .enabled = [](const D& d) { return OneOutputOfInputs(d, 3); }, .run = [](D& d) { d.OnThreeInput(); }},
      {.id = CommandId::AutomaticSynthesis, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "&Автоматический синтез..."), .menu = kSynthesis,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Перестроить схему из блоков с ограниченным числом входов\nАвтоматический синтез"),
       .separatorBefore = true, .enabled = Loaded, .run = [](D& d) { d.OnAutomaticSynthesis(); }},

      {.id = CommandId::SaveSequence, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "С&охранить последовательность блока..."), .menu = kService,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить логическую последовательность выделенного блока в файл\nСохранить последовательность блока"),
       .icon = "savesequence", .toolBar = 40, .contextMenu = "",
       .enabled = AnySelected, .run = [](D& d) { d.OnSaveSequence(); }},
      {.id = CommandId::Analysis, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "П&ровести анализ схемы..."), .menu = kService,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Сравнить последовательность схемы с исходной\nАнализ схемы"), .icon = "analysis", .toolBar = 41,
       .enabled = Loaded, .run = [](D& d) { d.OnAnalysis(); }},
      {.id = CommandId::Vhdl, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Генерировать VHDL-код..."), .menu = kService,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить схему как VHDL-код\nГенерировать VHDL-код"), .icon = "vhdl", .toolBar = 42,
       .enabled = Loaded, .run = [](D& d) { d.OnVhdl(); }},
      {.id = CommandId::Optimize, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Оптимизация"), .menu = kService,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Перераспределить входы блоков по ярусам\nОптимизация"),
       .enabled = [](const D& d) { return IsElementary(d.Scheme()); }, .run = [](D& d) { d.OnOptimize(); }},
      {.id = CommandId::CoverNand, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Покрытие элементами \"И-НЕ\""), .menu = kCovering,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Покрыть двухвходовые блоки элементами И-НЕ\nПокрытие элементами И-НЕ"),
       .enabled = Always, .run = [](D& d) { d.OnCoverNand(); }},
      {.id = CommandId::CoverNor, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Покрытие элементами \"ИЛИ-НЕ\""), .menu = kCovering,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Покрыть двухвходовые блоки элементами ИЛИ-НЕ\nПокрытие элементами ИЛИ-НЕ"),
       .enabled = Always, .run = [](D& d) { d.OnCoverNor(); }},

      {.id = CommandId::Settings, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Настройки..."), .menu = kOptions,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Изменить настройки синтеза\nНастройки"), .enabled = Always, .run = [](D& d) { d.OnSettings(); }},

      {.id = CommandId::Undo, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "&Отменить"), .menu = kEdit, .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Отменить предыдущее действие\nОтменить"),
       .icon = "undo", .keys = {"Ctrl+Z", "Alt+Backspace"}, .toolBar = 20,
       .enabled = [](const D& d) { return Loaded(d) && d.HistoryPos() >= 1; }, .run = [](D& d) { d.OnUndo(); }},
      {.id = CommandId::Redo, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "&Вернуть"), .menu = kEdit, .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Вернуть действие\nВернуть"),
       .icon = "redo", .keys = {"Ctrl+Y", "Ctrl+Shift+Z"}, .toolBar = 21,
       .enabled = [](const D& d) {
         return Loaded(d) && d.HistoryPos() < static_cast<int32_t>(d.History().size()) - 1;
       },
       .run = [](D& d) { d.OnRedo(); }},
      {.id = CommandId::Visio, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "Чертеж схемы"),
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Открыть чертеж схемы в программе просмотра\nЧертеж схемы"), .icon = "drawing", .toolBar = 60,
       .enabled = Loaded, .run = [](D& d) { d.OnVisio(); }},
      {.id = CommandId::Help, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "&Справка"), .menu = kHelp,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Открыть руководство пользователя\nСправка"), .keys = {"F1"},
       .enabled = Always},
      {.id = CommandId::About, .caption = LODEX_TRANSLATE_NOOP("lodex::App", "&О программе..."), .menu = kHelp,
       .prompt = LODEX_TRANSLATE_NOOP("lodex::App", "Сведения о программе\nО программе"), .icon = "about", .toolBar = 50, .enabled = Always},
  };
  // clang-format on
  return table;
}

const CommandInfo* FindCommand(CommandId id) {
  for (const CommandInfo& c : CommandTable())
    if (c.id == id) return &c;
  return nullptr;
}

}  // namespace lodex
