#include "ui/window/ReasonText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "model/PrintableText.h"

namespace lodex {
namespace {

constexpr const char* kContext = "Reason";

// A code's text, and whether its first argument is a path that the text
// names as a file (%1) in a folder (the argument after the last).
struct Entry {
  const char* text;
  bool fileInFolder = false;
};

// Without a default, the compiler refuses a code that has no text.
Entry EntryOf(ReasonCode code) {
  using enum ReasonCode;
  // Each text stays whole on its line, as the translation tools read it.
  // clang-format off
  switch (code) {
    case BlockIndex: return Entry{QT_TRANSLATE_NOOP("Reason", "блок %1")};
    case BlockNamed: return Entry{QT_TRANSLATE_NOOP("Reason", "блок %1 («%2»)")};
    case BlockId: return Entry{QT_TRANSLATE_NOOP("Reason", "блок «%1»")};
    case HeaderField: return Entry{QT_TRANSLATE_NOOP("Reason", "заголовок, %1")};
    case BlockField: return Entry{QT_TRANSLATE_NOOP("Reason", "%1, %2")};
    case ItemSourceSequence: return Entry{QT_TRANSLATE_NOOP("Reason", "исходная последовательность")};
    case ItemWordDigits: return Entry{QT_TRANSLATE_NOOP("Reason", "число цифр слова")};
    case ItemBlockCounter: return Entry{QT_TRANSLATE_NOOP("Reason", "счётчик блоков")};
    case ItemBlockCount: return Entry{QT_TRANSLATE_NOOP("Reason", "число блоков")};
    case ItemSequence: return Entry{QT_TRANSLATE_NOOP("Reason", "последовательность")};
    case ItemIdentifier: return Entry{QT_TRANSLATE_NOOP("Reason", "идентификатор")};
    case ItemCaption: return Entry{QT_TRANSLATE_NOOP("Reason", "подпись")};
    case ItemReserved: return Entry{QT_TRANSLATE_NOOP("Reason", "резервное поле")};
    case ItemInputCount: return Entry{QT_TRANSLATE_NOOP("Reason", "число входов")};
    case ItemOutputCount: return Entry{QT_TRANSLATE_NOOP("Reason", "число выходов")};
    case ItemInputSource: return Entry{QT_TRANSLATE_NOOP("Reason", "источник входа %1")};
    case ItemInputPin: return Entry{QT_TRANSLATE_NOOP("Reason", "номер выхода у источника входа %1")};
    case WriteFolder:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Не удалось записать «%1»: это папка. Выберите другое имя файла.")};
    case WriteFailed:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Не удалось записать файл «%1» в папку «%3»: %2."), true};
    case WriteTwice:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Файл «%1» нельзя записать дважды: «%2» — тот же самый файл. Выберите другое имя.")};
    case WriteNotCp1251:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Не удалось записать файл «%1» в папку «%2»: в тексте есть символ, которого нет в кодировке «Windows-1251»."), true};
    case OpenFailed: return Entry{QT_TRANSLATE_NOOP("Reason", "Не удалось открыть файл «%1»: %2.")};
    case OpenFolder: return Entry{QT_TRANSLATE_NOOP("Reason", "Не удалось открыть «%1»: это папка, а не файл.")};
    case OpenNotRegular: return Entry{QT_TRANSLATE_NOOP("Reason", "Не удалось открыть «%1»: это не обычный файл.")};
    case ReadFailed: return Entry{QT_TRANSLATE_NOOP("Reason", "Не удалось прочитать файл «%1»: %2.")};
    case FileTooLarge:
      return Entry{ QT_TRANSLATE_NOOP("Reason", "Файл «%1» слишком велик (больше %2 байт) и, видимо, выбран по ошибке.")};
    case SchemeDamaged:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Файл «%1» не является файлом схемы Lodex или повреждён.")};
    case SchemeNotSaved: return Entry{QT_TRANSLATE_NOOP("Reason", "Не удалось сохранить схему в файл «%1»: %2.")};
    case ArchiveEnds: return Entry{QT_TRANSLATE_NOOP("Reason", "файл обрывается на поле: %1")};
    case ArchiveWideText:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: строки в двухбайтовой кодировке в этом формате не бывают")};
    case ArchiveLength: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: длина %2 больше оставшихся в файле %3 байт")};
    case ArchiveNotCp1251:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: текст нельзя сохранить в кодировке «Windows-1251»")};
    case ArchiveTooLong: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: текст слишком длинный")};
    case BlockCountTooLarge:
      return Entry{QT_TRANSLATE_NOOP("Reason", "заголовок: число блоков %1 больше, чем может вместить файл")};
    case InputCountNegative: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: число входов %2 отрицательно")};
    case InputCountTooLarge:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: число входов %2 больше, чем может вместить файл")};
    case TrailingBytes: return Entry{QT_TRANSLATE_NOOP("Reason", "после последнего блока лишние байты: %1")};
    case HeaderWordDigits:
      return Entry{QT_TRANSLATE_NOOP("Reason", "заголовок: число цифр слова %1 вне пределов 1..8")};
    case HeaderCounterNegative: return Entry{QT_TRANSLATE_NOOP("Reason", "заголовок: счётчик блоков %1 отрицателен")};
    case NoInputOutputBlocks:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: в схеме должны быть входной блок «I» и выходной блок «O»")};
    case FirstNotInput: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: первым должен стоять входной блок «I»")};
    case LastNotOutput: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: последним должен стоять выходной блок «O»")};
    case InputBlockHasInputs: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: у входного блока есть входы")};
    case InputCountRange: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: число входов %2 вне пределов 0..%3")};
    case OutputCountRange: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: число выходов %2 вне пределов %3..%4")};
    case WordDigitsMismatch:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: число цифр слова %2 не подходит для %3 выходов (нужно %4)")};
    case SequenceLength: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: в последовательности %2 символов, а нужно %3")};
    case SequenceChar:
      return Entry{ QT_TRANSLATE_NOOP("Reason", "%1: символ %2 последовательности — не шестнадцатеричная цифра и не «*»")};
    case SourceLength:
      return Entry{QT_TRANSLATE_NOOP("Reason", "заголовок: в исходной последовательности %1 символов, а нужно %2")};
    case SourceChar:
      return Entry{QT_TRANSLATE_NOOP("Reason", "заголовок: в исходной последовательности есть символ, отличный от шестнадцатеричной цифры и «*»")};
    case EmptyIdentifier: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: пустой идентификатор")};
    case RepeatedIdentifier: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: идентификатор повторяет блок %2")};
    case IdentifierAboveCounter:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: номер в идентификаторе больше счётчика блоков %2")};
    case LinkCountMismatch:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: число входов %2 не совпадает с числом связей %3")};
    case LinkUnknown: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: вход %2 ссылается на неизвестный блок «%3»")};
    case LinkToOutput: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: вход %2 ссылается на выходной блок")};
    case LinkBackward:
      return Entry{ QT_TRANSLATE_NOOP("Reason", "%1: вход %2 ссылается на блок «%3» с индексом %4, который стоит не после него")};
    case LinkPin:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: вход %2 берёт выход %3 блока «%4», а у того выходов %5")};
    case PlaDamaged:
      return Entry{ QT_TRANSLATE_NOOP("Reason", "Файл «%1» не является таблицей истинности в формате «PLA» или повреждён.")};
    case PlaInputValue:
      return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: «%2» не может быть значением входа в кубе")};
    case PlaOutputValue:
      return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: «%2» не может быть значением выхода в кубе")};
    case PlaCubeWidth:
      return Entry{ QT_TRANSLATE_NOOP("Reason", "строка %1: в кубе нужно %2 символов входов и %3 символов выходов, а не %4")};
    case PlaCubeFirst: return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: куб стоит раньше строк «.i» и «.o»")};
    case PlaTwice: return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: «%2» задано дважды")};
    case PlaNumber: return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: после «%2» нужно одно число")};
    case PlaInputCount:
      return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: число входов должно лежать в пределах 1..%2, а не %3")};
    case PlaOutputCount:
      return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: число выходов должно лежать в пределах 1..%2, а не %3")};
    case PlaType:
      return Entry{ QT_TRANSLATE_NOOP("Reason", "строка %1: после «.type» должно стоять «f», «fd», «fr», «fdr», «r» или «dr»")};
    case PlaDialect: return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: ключевое слово «%2» (%3) не поддерживается")};
    case PlaKeyword: return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: ключевое слово «%2» не поддерживается")};
    case PlaPhase: return Entry{QT_TRANSLATE_NOOP("Reason", "фаза выходов")};
    case PlaPair: return Entry{QT_TRANSLATE_NOOP("Reason", "парные входы")};
    case PlaMultipleValued: return Entry{QT_TRANSLATE_NOOP("Reason", "многозначные переменные")};
    case PlaStateMachine: return Entry{QT_TRANSLATE_NOOP("Reason", "конечный автомат")};
    case PlaSymbolic: return Entry{QT_TRANSLATE_NOOP("Reason", "символьные переменные")};
    case PlaNoInputs: return Entry{QT_TRANSLATE_NOOP("Reason", "в файле нет строки «.i»")};
    case PlaNoOutputs: return Entry{QT_TRANSLATE_NOOP("Reason", "в файле нет строки «.o»")};
    case PlaInputNames: return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: «.ilb» называет %2 входов, а не %3")};
    case PlaOutputNames: return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: «.ob» называет %2 выходов, а не %3")};
    case PlaCubeCount: return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1: «.p» объявляет %2 кубов, а в файле их %3")};
    case PlaConflict:
      return Entry{QT_TRANSLATE_NOOP("Reason", "строки %1 и %2 задают выходу %3 на наборе %4 и 1, и 0")};
    case SimNoBlocks: return Entry{QT_TRANSLATE_NOOP("Reason", "В схеме нет входного и выходного блоков.")};
    case SimWordDigits:
      return Entry{QT_TRANSLATE_NOOP("Reason", "В исходной последовательности число цифр слова равно %1.")};
    case SimUnknownSource:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: вход %2 ссылается на несуществующий блок «%3».")};
    case SimReadsOutput: return Entry{QT_TRANSLATE_NOOP("Reason", "%1: вход %2 читает выходной блок.")};
    case SimReadsEarlier:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: вход %2 читает %3, который стоит не после него.")};
    case SimTooManyInputs:
      return Entry{QT_TRANSLATE_NOOP("Reason", "%1: входов %2 — слишком много для моделирования.")};
    case SimWordCount:
      return Entry{ QT_TRANSLATE_NOOP("Reason", "%1: в последовательности %2 допустимых слов, а для %3 входов нужно %4.")};
    case NotLogicBlock: return Entry{QT_TRANSLATE_NOOP("Reason", "Блок %1 не является логическим блоком.")};
    case NotOneOutput: return Entry{QT_TRANSLATE_NOOP("Reason", "У блока «%1» выходов %2, а нужен один.")};
    case NoSuchInput: return Entry{QT_TRANSLATE_NOOP("Reason", "У блока «%1» нет входа %2.")};
    case InputEssential:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Выход блока «%1» зависит от входа %2: этот вход не фиктивный.")};
    case SelectorRange: return Entry{QT_TRANSLATE_NOOP("Reason", "Тип селектора %1 вне пределов 1..5.")};
    case SelectorMismatch:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Тип селектора %1 не подходит для входа %2 блока «%3».")};
    case Cancelled: return Entry{QT_TRANSLATE_NOOP("Reason", "Прервано.")};
    case NoProgress: return Entry{QT_TRANSLATE_NOOP("Reason", "Автоматический синтез не продвигается.")};
    case CannotReduce: return Entry{QT_TRANSLATE_NOOP("Reason", "Блок «%1» не удаётся привести к %2 входам.")};
    case BlockWidthRange:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Число входов блока должно лежать в пределах %1..%2, а не %3.")};
    case NoLogicBlock: return Entry{QT_TRANSLATE_NOOP("Reason", "В схеме нет логического блока.")};
    case SequenceMisfit:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Блок «%1» нельзя синтезировать: его последовательность не подходит к его входам.")};
    case PathLengthRange: return Entry{QT_TRANSLATE_NOOP("Reason", "Длина пути %1 вне пределов 1..16.")};
    case NotElementary:
      return Entry{ QT_TRANSLATE_NOOP("Reason", "В схеме есть блоки более чем с двумя входами или более чем с одним выходом.")};
    case LibraryFolderUnknown:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Не удалось определить папку программы, из которой загружается библиотека импорта схем.")};
    case LibraryNotLoaded:
      return Entry{QT_TRANSLATE_NOOP("Reason", "Не удалось загрузить библиотеку импорта схем «%1»: она должна лежать в папке программы.")};
    case LibraryFunctionMissing:
      return Entry{QT_TRANSLATE_NOOP("Reason", "В библиотеке импорта схем «%1» нет функции «%2»: видимо, библиотека от другой версии программы.")};
    case SchNotRegular: return Entry{QT_TRANSLATE_NOOP("Reason", "схему «%1» не удаётся открыть: это не обычный файл")};
    case SchCannotOpen: return Entry{QT_TRANSLATE_NOOP("Reason", "схему «%1» не удаётся открыть")};
    case SchOutOfResources:
      return Entry{QT_TRANSLATE_NOOP("Reason", "схему не удалось вычислить: библиотеке не хватило памяти")};
    case SchInSubSchematic: return Entry{QT_TRANSLATE_NOOP("Reason", "в подсхеме «%1»: %2")};
    case SchSubCannotOpen: return Entry{QT_TRANSLATE_NOOP("Reason", "файл не удаётся открыть")};
    case SchReadFailed: return Entry{QT_TRANSLATE_NOOP("Reason", "схему не удалось прочитать до конца")};
    case SchLineTooLong: return Entry{QT_TRANSLATE_NOOP("Reason", "строка %1 длиннее %2 символов")};
    case SchXmlTooLarge: return Entry{QT_TRANSLATE_NOOP("Reason", "схема в формате «XML» больше %1 МиБ")};
    case SchXmlDamaged: return Entry{QT_TRANSLATE_NOOP("Reason", "схема в формате «XML» повреждена около байта %1")};
    case SchTooManyNets: return Entry{QT_TRANSLATE_NOOP("Reason", "в развёрнутой схеме больше %1 цепей")};
    case SchTooManyParts:
      return Entry{QT_TRANSLATE_NOOP("Reason", "в развёрнутой схеме больше %1 библиотечных элементов")};
    case SchPortUndeclared:
      return Entry{QT_TRANSLATE_NOOP("Reason", "порт «%1» ссылается на цепь, которая не объявлена до него")};
    case SchBusPortTooWide: return Entry{QT_TRANSLATE_NOOP("Reason", "порт-шина «%1» шире %2 цепей")};
    case SchPinBeforeBlock: return Entry{QT_TRANSLATE_NOOP("Reason", "строка «PIN» стоит раньше первого блока")};
    case SchPinBusTooWide:
      return Entry{QT_TRANSLATE_NOOP("Reason", "вывод «%1» блока «%2» или его цепь — шина шире %3 цепей")};
    case SchPinWidths:
      return Entry{QT_TRANSLATE_NOOP("Reason", "разрядов у вывода «%1» блока «%2»: %3, а у его цепи «%4»: %5")};
    case SchNoSuchPin: return Entry{QT_TRANSLATE_NOOP("Reason", "у блока «%1» («%2») нет вывода «%3»")};
    case SchPinNetUndeclared:
      return Entry{QT_TRANSLATE_NOOP("Reason", "вывод «%1» блока «%2» ссылается на необъявленную цепь «%3»")};
    case SchUnsupportedType:
      return Entry{QT_TRANSLATE_NOOP("Reason", "блок «%1» имеет тип «%2», который не поддерживается")};
    case SchUnknownType:
      return Entry{QT_TRANSLATE_NOOP("Reason", "блок «%1» имеет тип «%2»: это не библиотечный элемент, и схемы «%2.sch» нет в папке схемы «%3»")};
    case SchStoringPart:
      return Entry{ QT_TRANSLATE_NOOP("Reason", "блок «%2» типа «%1» — %3, а импортировать можно только комбинационные схемы")};
    case SchFlipFlop: return Entry{QT_TRANSLATE_NOOP("Reason", "триггер")};
    case SchLatch: return Entry{QT_TRANSLATE_NOOP("Reason", "защёлка")};
    case SchCounter: return Entry{QT_TRANSLATE_NOOP("Reason", "счётчик")};
    case SchShiftRegister: return Entry{QT_TRANSLATE_NOOP("Reason", "сдвиговый регистр")};
    case SchRam: return Entry{QT_TRANSLATE_NOOP("Reason", "память (ОЗУ)")};
    case SchAccumulator: return Entry{QT_TRANSLATE_NOOP("Reason", "аккумулятор")};
    case SchSubCycle:
      return Entry{ QT_TRANSLATE_NOOP("Reason", "блок «%1» использует схему «%2», которая уже читается: подсхемы образуют цикл")};
    case SchSubTooDeep:
      return Entry{QT_TRANSLATE_NOOP("Reason", "блок «%1» использует схему «%2» глубже %3 уровней вложенности")};
    case SchNetTables: return Entry{QT_TRANSLATE_NOOP("Reason", "таблицы цепей разной длины")};
    case SchInputPortUndeclared:
      return Entry{QT_TRANSLATE_NOOP("Reason", "входной порт ссылается на необъявленную цепь")};
    case SchOutputPortUndeclared:
      return Entry{QT_TRANSLATE_NOOP("Reason", "выходной порт ссылается на необъявленную цепь")};
    case SchNoOutputPort: return Entry{QT_TRANSLATE_NOOP("Reason", "в схеме нет выходного порта")};
    case SchPinsMismatch: return Entry{QT_TRANSLATE_NOOP("Reason", "выводы блока «%1» не совпадают с выводами «%2»")};
    case SchOutputPinUndeclared:
      return Entry{QT_TRANSLATE_NOOP("Reason", "выходной вывод блока «%1» ссылается на необъявленную цепь")};
    case SchInputPinUnconnected:
      return Entry{QT_TRANSLATE_NOOP("Reason", "входной вывод «%1» блока «%2» («%3») не подключён")};
    case SchInputPinUndeclared:
      return Entry{QT_TRANSLATE_NOOP("Reason", "входной вывод «%1» блока «%2» ссылается на необъявленную цепь")};
    case SchConstantValue:
      return Entry{QT_TRANSLATE_NOOP("Reason", "у константы «%1» значение «%2» — не шестнадцатеричное число не длиннее 16 цифр")};
    case SchGateDrivesInput:
      return Entry{QT_TRANSLATE_NOOP("Reason", "элемент «%1» задаёт значение цепи %2 («%3») входного порта")};
    case SchNetDrivenTwice:
      return Entry{QT_TRANSLATE_NOOP("Reason", "значение цепи %1 («%2») задают два элемента: «%3» и «%4»")};
    case SchOutputPortNotDriven:
      return Entry{QT_TRANSLATE_NOOP("Reason", "значение выходного порта «%1» ничем не задано")};
    case SchNetReadNotDriven:
      return Entry{QT_TRANSLATE_NOOP("Reason", "значение цепи %1 («%2») ничем не задано, а блок «%3» её читает")};
    case SchGateCycle: return Entry{QT_TRANSLATE_NOOP("Reason", "элементы «%1» образуют петлю")};
    case SchNoSuchOutputPort: return Entry{QT_TRANSLATE_NOOP("Reason", "в схеме нет выходного порта «%1»")};
    case SchNetNotDriven: return Entry{QT_TRANSLATE_NOOP("Reason", "значение цепи «%1» ничем не задано")};
    case SchSubNetNotDriven: return Entry{QT_TRANSLATE_NOOP("Reason", "значение цепи внутри подсхемы ничем не задано")};
    case SchChosenTooManyInputs:
      return Entry{QT_TRANSLATE_NOOP("Reason", "выбранным выходам нужно входов: %1, а поддерживается не больше %2")};
    case SchTooManyInputPorts:
      return Entry{QT_TRANSLATE_NOOP("Reason", "входных портов в схеме: %1, её выходам нужно входов: %2, а поддерживается не больше %3 (выберите выходы, чтобы импортировать часть схемы)")};
    case SchTooManyInputPortsOneNeeded:
      return Entry{QT_TRANSLATE_NOOP("Reason", "входных портов в схеме: %1, её выходам нужен один вход, а поддерживается не больше %2 (выберите выходы, чтобы импортировать часть схемы)")};
  }
  // clang-format on
  return Entry{QT_TRANSLATE_NOOP("Reason", "Операция не выполнена.")};
}

QString Translate(const char* source) { return QCoreApplication::translate(kContext, source); }

// The errors a user can act on, by number; others have no text of their own.
const char* SystemErrorSource(int error) {
  switch (error) {
    case ENOENT: return QT_TRANSLATE_NOOP("Reason", "нет такого файла или папки");
    case ENOTDIR: return QT_TRANSLATE_NOOP("Reason", "часть пути не является папкой");
    case EISDIR: return QT_TRANSLATE_NOOP("Reason", "это папка");
    case EACCES: return QT_TRANSLATE_NOOP("Reason", "нет прав доступа");
    case EPERM: return QT_TRANSLATE_NOOP("Reason", "операция не разрешена");
    case EROFS: return QT_TRANSLATE_NOOP("Reason", "диск доступен только для чтения");
    case ENOSPC: return QT_TRANSLATE_NOOP("Reason", "на диске нет места");
    case EDQUOT: return QT_TRANSLATE_NOOP("Reason", "превышена дисковая квота");
    case ENAMETOOLONG: return QT_TRANSLATE_NOOP("Reason", "слишком длинное имя файла");
    case EEXIST: return QT_TRANSLATE_NOOP("Reason", "файл уже существует");
    case EBUSY: return QT_TRANSLATE_NOOP("Reason", "файл занят");
    case ETXTBSY: return QT_TRANSLATE_NOOP("Reason", "файл занят выполняемой программой");
    case EIO: return QT_TRANSLATE_NOOP("Reason", "ошибка ввода-вывода");
    case ELOOP: return QT_TRANSLATE_NOOP("Reason", "слишком много символических ссылок в пути");
    case EMFILE:
    case ENFILE: return QT_TRANSLATE_NOOP("Reason", "открыто слишком много файлов");
    case EFBIG: return QT_TRANSLATE_NOOP("Reason", "файл слишком велик");
    default: return nullptr;
  }
}

// The numbers N of the %N a text uses.
std::set<size_t> Placeholders(const QString& text) {
  std::set<size_t> used;
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '%' || !text[i + 1].isDigit()) continue;
    size_t n = static_cast<size_t>(text[i + 1].digitValue());
    if (i + 2 < text.size() && text[i + 2].isDigit()) n = n * 10 + static_cast<size_t>(text[i + 2].digitValue());
    used.insert(n);
  }
  return used;
}

QString Capitalised(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

void Word(const Reason& reason, QString& text, QStringList& details) {
  const Entry entry = EntryOf(reason.code());
  const QString wording = Translate(entry.text);
  const std::set<size_t> used = Placeholders(wording);
  std::vector<std::string> args;
  for (size_t i = 0; i < reason.args().size(); ++i) {
    const ReasonArg& arg = reason.args()[i];
    const bool shown = used.count(i + 1) != 0;
    QString value;
    switch (arg.kind) {
      case ReasonArg::Kind::Text:
        value = QString::fromStdString(PrintableText(arg.text));
        if (!shown) details << value;  // a technical fact, such as the loader's own text
        break;
      case ReasonArg::Kind::System:
        value = SystemErrorText(arg.system);
        if (!shown || SystemErrorSource(arg.system) == nullptr)
          details << QString::fromLocal8Bit(std::strerror(arg.system));
        break;
      case ReasonArg::Kind::Nested: {
        QStringList inner;
        Word(*arg.nested, value, inner);
        if (!shown) details << Capitalised(value);
        details << inner;
        break;
      }
    }
    args.push_back(value.toStdString());
  }
  if (entry.fileInFolder && !reason.args().empty()) {
    const QFileInfo file(QString::fromStdString(PrintableText(reason.args()[0].text)));
    args[0] = file.fileName().toStdString();
    args.push_back(QFileInfo(file.absolutePath()).absoluteFilePath().toStdString());
  }
  text = QString::fromStdString(FillPlaceholders(wording.toStdString(), args));
}

}  // namespace

const char* ReasonSourceText(ReasonCode code) { return EntryOf(code).text; }

QString SystemErrorText(int error) {
  if (const char* source = SystemErrorSource(error)) return Translate(source);
  return QCoreApplication::translate("Reason", "ошибка системы %1").arg(error);
}

ReasonWording WordReason(const Reason& reason) {
  QString text;
  QStringList details;
  Word(reason, text, details);
  details.removeDuplicates();
  return {Capitalised(text), details.join('\n')};
}

}  // namespace lodex
