#include "app/CommandTable.h"

#include "app/LodexDoc.h"
#include "synthesis/Tiers.h"

namespace lodex {
namespace {

constexpr const char* kFile = "&Файл";
constexpr const char* kEdit = "&Правка";
constexpr const char* kSynthesis = "&Синтез";
constexpr const char* kDecomposition = "&Синтез/&Декомпозиция";
constexpr const char* kDetail = "&Синтез/Д&етализация";
constexpr const char* kService = "С&ервис";
constexpr const char* kCovering = "С&ервис/&Покрытие";
constexpr const char* kOptions = "&Опции";
constexpr const char* kView = "&Вид";
constexpr const char* kHelp = "По&мощь";

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
      {.id = CommandId::New, .caption = "&Новый...", .menu = kFile, .prompt = "Создать новый проект\nНовый",
       .icon = "new", .keys = {"Ctrl+N"}, .toolBar = 10,
       .enabled = Always, .run = [](D& d) { d.OnFileNew(); }},
      {.id = CommandId::Open, .caption = "&Открыть...", .menu = kFile, .prompt = "Открыть файл схемы\nОткрыть",
       .icon = "open", .keys = {"Ctrl+O"}, .toolBar = 11,
       .enabled = Always, .run = [](D& d) { d.OnFileOpen(); }},
      {.id = CommandId::Save, .caption = "&Сохранить", .menu = kFile, .prompt = "Сохранить схему в файл\nСохранить",
       .icon = "save", .keys = {"Ctrl+S"}, .toolBar = 12,
       .enabled = Modified, .run = [](D& d) { d.OnFileSave(); }},
      {.id = CommandId::SaveAs, .caption = "Сохранить &Как...", .menu = kFile,
       .prompt = "Сохранить схему в файл под новым именем\nСохранить как",
       .enabled = Modified, .run = [](D& d) { d.OnFileSaveAs(); }},
      {.id = CommandId::SaveImage, .caption = "Сохранить &изображение...", .menu = kFile,
       .prompt = "Сохранить изображение схемы в файл SVG или PNG\nСохранить изображение",
       .enabled = Loaded},
      {.id = CommandId::ExportBlif, .caption = "Экспорт в BLIF...", .menu = kFile,
       .prompt = "Сохранить схему в формате BLIF\nЭкспорт в BLIF",
       .enabled = Loaded, .run = [](D& d) { d.OnExportNetlist(false); }},
      {.id = CommandId::ExportVerilog, .caption = "Экспорт в Verilog...", .menu = kFile,
       .prompt = "Сохранить схему как структурный Verilog\nЭкспорт в Verilog",
       .enabled = Loaded, .run = [](D& d) { d.OnExportNetlist(true); }},
      // The recent files: the frame lists them above Exit, under this
      // caption, which is no command of its own.
      {.id = CommandId::RecentFiles, .caption = "Список файлов", .enabled = Never},
      {.id = CommandId::Exit, .caption = "В&ыход", .menu = kFile, .prompt = "Завершить работу программы\nВыход",
       .separatorBefore = true, .enabled = Always},

      {.id = CommandId::Serial, .caption = "Последовательная...", .menu = kDecomposition,
       .prompt = "Последовательная декомпозиция выделенного блока\nПоследовательная декомпозиция",
       .icon = "serial", .toolBar = 31, .contextMenu = "Декомпозиция",
       .enabled = [](const D& d) { return d.SerialEnabled() && Selected(d) != nullptr; },
       .contextEnabled = AnySelected, .run = [](D& d) { d.OnSerial(); }},
      {.id = CommandId::Parallel, .caption = "Параллельная...", .menu = kDecomposition,
       .prompt = "Параллельная декомпозиция выделенного блока\nПараллельная декомпозиция",
       .icon = "parallel", .toolBar = 32, .contextMenu = "Декомпозиция",
       .enabled = [](const D& d) {
         const CLogicalBlock* b = Selected(d);
         return d.ParallelEnabled() && b != nullptr && b->m_outputCount > 1;
       },
       .contextEnabled = SeveralOutputsSelected, .run = [](D& d) { d.OnParallel(); }},
      {.id = CommandId::Fictitious, .caption = "Проверка наличия фиктивных входов...", .menu = kDecomposition,
       .prompt = "Поиск фиктивных входов выделенного блока\nПроверка наличия фиктивных входов",
       .icon = "fictitious", .toolBar = 30,
       .enabled = [](const D& d) { return OneOutputOfInputs(d, 3); }, .run = [](D& d) { d.OnFictitious(); }},
      {.id = CommandId::ThreeInput, .caption = "Выделить трехвходовый блок...", .menu = kDetail,
       .prompt = "Выделить трехвходовый блок из выделенного блока\nВыделить трехвходовый блок",
       .icon = "threeinput", .toolBar = 33, .contextMenu = "Детализация",
       .enabled = [](const D& d) { return OneOutputOfInputs(d, 3); }, .run = [](D& d) { d.OnThreeInput(); }},
      {.id = CommandId::AutomaticSynthesis, .caption = "&Автоматический синтез...", .menu = kSynthesis,
       .prompt = "Перестроить схему из блоков с ограниченным числом входов\nАвтоматический синтез",
       .separatorBefore = true, .enabled = Loaded, .run = [](D& d) { d.OnAutomaticSynthesis(); }},

      {.id = CommandId::SaveSequence, .caption = "С&охранить последовательность блока...", .menu = kService,
       .prompt = "Сохранить логическую последовательность выделенного блока в файл\nСохранить последовательность блока",
       .icon = "savesequence", .toolBar = 40, .contextMenu = "",
       .enabled = AnySelected, .run = [](D& d) { d.OnSaveSequence(); }},
      {.id = CommandId::Analysis, .caption = "П&ровести анализ схемы...", .menu = kService,
       .prompt = "Сравнить последовательность схемы с исходной\nАнализ схемы", .icon = "analysis", .toolBar = 41,
       .enabled = Loaded, .run = [](D& d) { d.OnAnalysis(); }},
      {.id = CommandId::Vhdl, .caption = "Генерировать VHDL-код...", .menu = kService,
       .prompt = "Сохранить схему как VHDL-код\nГенерировать VHDL-код", .icon = "vhdl", .toolBar = 42,
       .enabled = Loaded, .run = [](D& d) { d.OnVhdl(); }},
      {.id = CommandId::Optimize, .caption = "Оптимизация", .menu = kService,
       .prompt = "Перераспределить входы блоков по ярусам\nОптимизация",
       .enabled = [](const D& d) { return IsElementary(d.Scheme()); }, .run = [](D& d) { d.OnOptimize(); }},
      {.id = CommandId::CoverNand, .caption = "Покрытие элементами \"И-НЕ\"", .menu = kCovering,
       .prompt = "Покрыть двухвходовые блоки элементами И-НЕ\nПокрытие элементами И-НЕ",
       .enabled = Always, .run = [](D& d) { d.OnCoverNand(); }},
      {.id = CommandId::CoverNor, .caption = "Покрытие элементами \"ИЛИ-НЕ\"", .menu = kCovering,
       .prompt = "Покрыть двухвходовые блоки элементами ИЛИ-НЕ\nПокрытие элементами ИЛИ-НЕ",
       .enabled = Always, .run = [](D& d) { d.OnCoverNor(); }},

      {.id = CommandId::Settings, .caption = "Настройки...", .menu = kOptions,
       .prompt = "Изменить настройки синтеза\nНастройки", .enabled = Always, .run = [](D& d) { d.OnSettings(); }},

      {.id = CommandId::Undo, .caption = "&Отменить", .menu = kEdit, .prompt = "Отменить предыдущее действие\nОтменить",
       .icon = "undo", .keys = {"Ctrl+Z", "Alt+Backspace"}, .toolBar = 20,
       .enabled = [](const D& d) { return Loaded(d) && d.HistoryPos() >= 1; }, .run = [](D& d) { d.OnUndo(); }},
      {.id = CommandId::Redo, .caption = "&Вернуть", .menu = kEdit, .prompt = "Вернуть действие\nВернуть",
       .icon = "redo", .keys = {"Ctrl+Y", "Ctrl+Shift+Z"}, .toolBar = 21,
       .enabled = [](const D& d) {
         return Loaded(d) && d.HistoryPos() < static_cast<int32_t>(d.History().size()) - 1;
       },
       .run = [](D& d) { d.OnRedo(); }},
      {.id = CommandId::Visio, .caption = "Чертеж схемы",
       .prompt = "Открыть чертеж схемы в программе просмотра\nЧертеж схемы", .icon = "drawing", .toolBar = 60,
       .enabled = Loaded, .run = [](D& d) { d.OnVisio(); }},
      {.id = CommandId::Help, .caption = "&Справка", .menu = kHelp, .prompt = "Открыть руководство пользователя\nСправка",
       .keys = {"F1"}, .enabled = Always},
      {.id = CommandId::About, .caption = "&О программе...", .menu = kHelp,
       .prompt = "Сведения о программе\nО программе", .icon = "about", .toolBar = 50, .enabled = Always},
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
