<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Reason</name>
    <message>
        <source>блок %1</source>
        <translation>block %1</translation>
    </message>
    <message>
        <source>блок %1 («%2»)</source>
        <translation>block %1 (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>блок «%1»</source>
        <translation>block &quot;%1&quot;</translation>
    </message>
    <message>
        <source>заголовок, %1</source>
        <translation>header, %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>исходная последовательность</source>
        <translation>source sequence</translation>
    </message>
    <message>
        <source>число цифр слова</source>
        <translation>word digits</translation>
    </message>
    <message>
        <source>счётчик блоков</source>
        <translation>block counter</translation>
    </message>
    <message>
        <source>число блоков</source>
        <translation>block count</translation>
    </message>
    <message>
        <source>последовательность</source>
        <translation>sequence</translation>
    </message>
    <message>
        <source>идентификатор</source>
        <translation>identifier</translation>
    </message>
    <message>
        <source>подпись</source>
        <translation>caption</translation>
    </message>
    <message>
        <source>резервное поле</source>
        <translation>reserved field</translation>
    </message>
    <message>
        <source>число входов</source>
        <translation>input count</translation>
    </message>
    <message>
        <source>число выходов</source>
        <translation>output count</translation>
    </message>
    <message>
        <source>источник входа %1</source>
        <translation>source of input %1</translation>
    </message>
    <message>
        <source>номер выхода у источника входа %1</source>
        <translation>output number at the source of input %1</translation>
    </message>
    <message>
        <source>Не удалось записать «%1»: это папка. Выберите другое имя файла.</source>
        <translation>Cannot write &quot;%1&quot;: it is a folder. Choose another file name.</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1» в папку «%3»: %2.</source>
        <translation>Cannot write the file &quot;%1&quot; to the folder &quot;%3&quot;: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» нельзя записать дважды: «%2» — тот же самый файл. Выберите другое имя.</source>
        <translation>The file &quot;%1&quot; cannot be written twice: &quot;%2&quot; is the same file. Choose another name.</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1» в папку «%2»: в тексте есть символ, которого нет в кодировке «Windows-1251».</source>
        <translation>Cannot write the file &quot;%1&quot; to the folder &quot;%2&quot;: the text holds a character that the &quot;Windows-1251&quot; encoding does not have.</translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1»: %2.</source>
        <translation>Cannot open the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Не удалось открыть «%1»: это папка, а не файл.</source>
        <translation>Cannot open &quot;%1&quot;: it is a folder, not a file.</translation>
    </message>
    <message>
        <source>Не удалось открыть «%1»: это не обычный файл.</source>
        <translation>Cannot open &quot;%1&quot;: it is not a regular file.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл «%1»: %2.</source>
        <translation>Cannot read the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» слишком велик (больше %2 байт) и, видимо, выбран по ошибке.</source>
        <translation>The file &quot;%1&quot; is too large (more than %2 bytes) and was probably chosen by mistake.</translation>
    </message>
    <message>
        <source>Файл «%1» не является файлом схемы Lodex или повреждён.</source>
        <translation>The file &quot;%1&quot; is not a Lodex scheme file or is damaged.</translation>
    </message>
    <message>
        <source>Не удалось сохранить схему в файл «%1»: %2.</source>
        <translation>Cannot save the scheme to the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>файл обрывается на поле: %1</source>
        <translation>the file ends in the field: %1</translation>
    </message>
    <message>
        <source>%1: строки в двухбайтовой кодировке в этом формате не бывают</source>
        <translation>%1: strings in a double-byte encoding do not occur in this format</translation>
    </message>
    <message>
        <source>%1: длина %2 больше оставшихся в файле %3 байт</source>
        <translation>%1: the length %2 exceeds the %3 bytes left in the file</translation>
    </message>
    <message>
        <source>%1: текст нельзя сохранить в кодировке «Windows-1251»</source>
        <translation>%1: the text cannot be stored in the &quot;Windows-1251&quot; encoding</translation>
    </message>
    <message>
        <source>%1: текст слишком длинный</source>
        <translation>%1: the text is too long</translation>
    </message>
    <message>
        <source>заголовок: число блоков %1 больше, чем может вместить файл</source>
        <translation>header: the block count %1 exceeds what the file can hold</translation>
    </message>
    <message>
        <source>%1: число входов %2 отрицательно</source>
        <translation>%1: the input count %2 is negative</translation>
    </message>
    <message>
        <source>%1: число входов %2 больше, чем может вместить файл</source>
        <translation>%1: the input count %2 exceeds what the file can hold</translation>
    </message>
    <message>
        <source>после последнего блока лишние байты: %1</source>
        <translation>unexpected bytes after the last block: %1</translation>
    </message>
    <message>
        <source>заголовок: число цифр слова %1 вне пределов 1..8</source>
        <translation>header: the word digits %1 are outside 1..8</translation>
    </message>
    <message>
        <source>заголовок: счётчик блоков %1 отрицателен</source>
        <translation>header: the block counter %1 is negative</translation>
    </message>
    <message>
        <source>%1: в схеме должны быть входной блок «I» и выходной блок «O»</source>
        <translation>%1: a scheme needs the input block &quot;I&quot; and the output block &quot;O&quot;</translation>
    </message>
    <message>
        <source>%1: первым должен стоять входной блок «I»</source>
        <translation>%1: the first block must be the input block &quot;I&quot;</translation>
    </message>
    <message>
        <source>%1: последним должен стоять выходной блок «O»</source>
        <translation>%1: the last block must be the output block &quot;O&quot;</translation>
    </message>
    <message>
        <source>%1: у входного блока есть входы</source>
        <translation>%1: the input block has inputs</translation>
    </message>
    <message>
        <source>%1: число входов %2 вне пределов 0..%3</source>
        <translation>%1: the input count %2 is outside 0..%3</translation>
    </message>
    <message>
        <source>%1: число выходов %2 вне пределов %3..%4</source>
        <translation>%1: the output count %2 is outside %3..%4</translation>
    </message>
    <message>
        <source>%1: число цифр слова %2 не подходит для %3 выходов (нужно %4)</source>
        <translation>%1: the word digits %2 do not fit %3 outputs (%4 expected)</translation>
    </message>
    <message>
        <source>%1: в последовательности %2 символов, а нужно %3</source>
        <translation>%1: the sequence has %2 characters, %3 expected</translation>
    </message>
    <message>
        <source>%1: символ %2 последовательности — не шестнадцатеричная цифра и не «*»</source>
        <translation>%1: character %2 of the sequence is not a hexadecimal digit or &quot;*&quot;</translation>
    </message>
    <message>
        <source>заголовок: в исходной последовательности %1 символов, а нужно %2</source>
        <translation>header: the source sequence has %1 characters, %2 expected</translation>
    </message>
    <message>
        <source>заголовок: в исходной последовательности есть символ, отличный от шестнадцатеричной цифры и «*»</source>
        <translation>header: the source sequence holds a character that is not a hexadecimal digit or &quot;*&quot;</translation>
    </message>
    <message>
        <source>%1: пустой идентификатор</source>
        <translation>%1: empty identifier</translation>
    </message>
    <message>
        <source>%1: идентификатор повторяет блок %2</source>
        <translation>%1: the identifier repeats block %2</translation>
    </message>
    <message>
        <source>%1: номер в идентификаторе больше счётчика блоков %2</source>
        <translation>%1: the number in the identifier is above the block counter %2</translation>
    </message>
    <message>
        <source>%1: число входов %2 не совпадает с числом связей %3</source>
        <translation>%1: the input count %2 differs from the number of links %3</translation>
    </message>
    <message>
        <source>%1: вход %2 ссылается на неизвестный блок «%3»</source>
        <translation>%1: input %2 refers to an unknown block &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: вход %2 ссылается на выходной блок</source>
        <translation>%1: input %2 refers to the output block</translation>
    </message>
    <message>
        <source>%1: вход %2 ссылается на блок «%3» с индексом %4, который стоит не после него</source>
        <translation>%1: input %2 refers to block &quot;%3&quot; at index %4, which is not after it</translation>
    </message>
    <message>
        <source>%1: вход %2 берёт выход %3 блока «%4», а у того выходов %5</source>
        <translation>%1: input %2 takes output %3 of block &quot;%4&quot;, which has %5 outputs</translation>
    </message>
    <message>
        <source>Файл «%1» не является таблицей истинности в формате «PLA» или повреждён.</source>
        <translation>The file &quot;%1&quot; is not a truth table in the &quot;PLA&quot; format or is damaged.</translation>
    </message>
    <message>
        <source>строка %1: «%2» не может быть значением входа в кубе</source>
        <translation>line %1: &quot;%2&quot; cannot be an input value in a cube</translation>
    </message>
    <message>
        <source>строка %1: «%2» не может быть значением выхода в кубе</source>
        <translation>line %1: &quot;%2&quot; cannot be an output value in a cube</translation>
    </message>
    <message>
        <source>строка %1: в кубе нужно %2 символов входов и %3 символов выходов, а не %4</source>
        <translation>line %1: a cube needs %2 input characters and %3 output characters, not %4</translation>
    </message>
    <message>
        <source>строка %1: куб стоит раньше строк «.i» и «.o»</source>
        <translation>line %1: a cube comes before the &quot;.i&quot; and &quot;.o&quot; lines</translation>
    </message>
    <message>
        <source>строка %1: «%2» задано дважды</source>
        <translation>line %1: &quot;%2&quot; is given twice</translation>
    </message>
    <message>
        <source>строка %1: после «%2» нужно одно число</source>
        <translation>line %1: &quot;%2&quot; must be followed by one number</translation>
    </message>
    <message>
        <source>строка %1: число входов должно лежать в пределах 1..%2, а не %3</source>
        <translation>line %1: the number of inputs must lie in 1..%2, not %3</translation>
    </message>
    <message>
        <source>строка %1: число выходов должно лежать в пределах 1..%2, а не %3</source>
        <translation>line %1: the number of outputs must lie in 1..%2, not %3</translation>
    </message>
    <message>
        <source>строка %1: после «.type» должно стоять «f», «fd», «fr», «fdr», «r» или «dr»</source>
        <translation>line %1: &quot;.type&quot; must be followed by &quot;f&quot;, &quot;fd&quot;, &quot;fr&quot;, &quot;fdr&quot;, &quot;r&quot; or &quot;dr&quot;</translation>
    </message>
    <message>
        <source>строка %1: ключевое слово «%2» (%3) не поддерживается</source>
        <translation>line %1: the keyword &quot;%2&quot; (%3) is not supported</translation>
    </message>
    <message>
        <source>строка %1: ключевое слово «%2» не поддерживается</source>
        <translation>line %1: the keyword &quot;%2&quot; is not supported</translation>
    </message>
    <message>
        <source>фаза выходов</source>
        <translation>output phase</translation>
    </message>
    <message>
        <source>парные входы</source>
        <translation>paired inputs</translation>
    </message>
    <message>
        <source>многозначные переменные</source>
        <translation>multiple-valued variables</translation>
    </message>
    <message>
        <source>конечный автомат</source>
        <translation>state machine</translation>
    </message>
    <message>
        <source>символьные переменные</source>
        <translation>symbolic variables</translation>
    </message>
    <message>
        <source>в файле нет строки «.i»</source>
        <translation>the file has no &quot;.i&quot; line</translation>
    </message>
    <message>
        <source>в файле нет строки «.o»</source>
        <translation>the file has no &quot;.o&quot; line</translation>
    </message>
    <message>
        <source>строка %1: «.ilb» называет %2 входов, а не %3</source>
        <translation>line %1: &quot;.ilb&quot; names %2 inputs, not %3</translation>
    </message>
    <message>
        <source>строка %1: «.ob» называет %2 выходов, а не %3</source>
        <translation>line %1: &quot;.ob&quot; names %2 outputs, not %3</translation>
    </message>
    <message>
        <source>строка %1: «.p» объявляет %2 кубов, а в файле их %3</source>
        <translation>line %1: &quot;.p&quot; announces %2 cubes, but the file has %3</translation>
    </message>
    <message>
        <source>строки %1 и %2 задают выходу %3 на наборе %4 и 1, и 0</source>
        <translation>lines %1 and %2 set output %3 on combination %4 both to 1 and to 0</translation>
    </message>
    <message>
        <source>В схеме нет входного и выходного блоков.</source>
        <translation>The scheme has no input and output blocks.</translation>
    </message>
    <message>
        <source>В исходной последовательности число цифр слова равно %1.</source>
        <translation>The source sequence has %1 word digits.</translation>
    </message>
    <message>
        <source>%1: вход %2 ссылается на несуществующий блок «%3».</source>
        <translation>%1: input %2 refers to a nonexistent block &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: вход %2 читает выходной блок.</source>
        <translation>%1: input %2 reads the output block.</translation>
    </message>
    <message>
        <source>%1: вход %2 читает %3, который стоит не после него.</source>
        <translation>%1: input %2 reads %3, which does not come after it.</translation>
    </message>
    <message>
        <source>%1: входов %2 — слишком много для моделирования.</source>
        <translation>%1: %2 inputs are too many to simulate.</translation>
    </message>
    <message>
        <source>%1: в последовательности %2 допустимых слов, а для %3 входов нужно %4.</source>
        <translation>%1: the sequence holds %2 valid words, but %3 inputs need %4.</translation>
    </message>
    <message>
        <source>Блок %1 не является логическим блоком.</source>
        <translation>Block %1 is not a logic block.</translation>
    </message>
    <message>
        <source>У блока «%1» выходов %2, а нужен один.</source>
        <translation>Block &quot;%1&quot; has %2 outputs, but one is needed.</translation>
    </message>
    <message>
        <source>У блока «%1» нет входа %2.</source>
        <translation>Block &quot;%1&quot; has no input %2.</translation>
    </message>
    <message>
        <source>Выход блока «%1» зависит от входа %2: этот вход не фиктивный.</source>
        <translation>The output of block &quot;%1&quot; depends on input %2: this input is not redundant.</translation>
    </message>
    <message>
        <source>Тип селектора %1 вне пределов 1..5.</source>
        <translation>Selector type %1 is outside 1..5.</translation>
    </message>
    <message>
        <source>Тип селектора %1 не подходит для входа %2 блока «%3».</source>
        <translation>Selector type %1 does not fit input %2 of block &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Прервано.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>Автоматический синтез не продвигается.</source>
        <translation>The automatic synthesis makes no progress.</translation>
    </message>
    <message>
        <source>Блок «%1» не удаётся привести к %2 входам.</source>
        <translation>Block &quot;%1&quot; cannot be brought to %2 inputs.</translation>
    </message>
    <message>
        <source>Число входов блока должно лежать в пределах %1..%2, а не %3.</source>
        <translation>The number of block inputs must lie in %1..%2, not %3.</translation>
    </message>
    <message>
        <source>В схеме нет логического блока.</source>
        <translation>The scheme has no logic block.</translation>
    </message>
    <message>
        <source>Блок «%1» нельзя синтезировать: его последовательность не подходит к его входам.</source>
        <translation>Block &quot;%1&quot; cannot be synthesised: its sequence does not fit its inputs.</translation>
    </message>
    <message>
        <source>Длина пути %1 вне пределов 1..16.</source>
        <translation>Path length %1 is outside 1..16.</translation>
    </message>
    <message>
        <source>В схеме есть блоки более чем с двумя входами или более чем с одним выходом.</source>
        <translation>The scheme has blocks with more than two inputs or more than one output.</translation>
    </message>
    <message>
        <source>Операция не выполнена.</source>
        <translation>The operation failed.</translation>
    </message>
    <message>
        <source>нет такого файла или папки</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>часть пути не является папкой</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>операция не разрешена</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>файл уже существует</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>the file is busy</translation>
    </message>
    <message>
        <source>файл занят выполняемой программой</source>
        <translation>the file is in use by a running program</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>слишком много символических ссылок в пути</source>
        <translation>too many symbolic links in the path</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>ошибка системы %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>Не удалось определить папку программы, из которой загружается библиотека импорта схем.</source>
        <translation>Cannot tell the program&apos;s folder, from which the schematic-import library is loaded.</translation>
    </message>
    <message>
        <source>Не удалось загрузить библиотеку импорта схем «%1»: она должна лежать в папке программы.</source>
        <translation>Cannot load the schematic-import library &quot;%1&quot;: it must lie in the program&apos;s folder.</translation>
    </message>
    <message>
        <source>В библиотеке импорта схем «%1» нет функции «%2»: видимо, библиотека от другой версии программы.</source>
        <translation>The schematic-import library &quot;%1&quot; has no function &quot;%2&quot;: it seems to come from another version of the program.</translation>
    </message>
    <message>
        <source>схему «%1» не удаётся открыть: это не обычный файл</source>
        <translation>the schematic &quot;%1&quot; cannot be opened: it is not a regular file</translation>
    </message>
    <message>
        <source>схему «%1» не удаётся открыть</source>
        <translation>the schematic &quot;%1&quot; cannot be opened</translation>
    </message>
    <message>
        <source>схему не удалось вычислить: библиотеке не хватило памяти</source>
        <translation>the schematic could not be evaluated: the library ran out of memory</translation>
    </message>
    <message>
        <source>в подсхеме «%1»: %2</source>
        <translation>in the sub-schematic &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>файл не удаётся открыть</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>схему не удалось прочитать до конца</source>
        <translation>the schematic could not be read to its end</translation>
    </message>
    <message>
        <source>строка %1 длиннее %2 символов</source>
        <translation>line %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>схема в формате «XML» больше %1 МиБ</source>
        <translation>the XML schematic is larger than %1 MiB</translation>
    </message>
    <message>
        <source>схема в формате «XML» повреждена около байта %1</source>
        <translation>the XML schematic is damaged near byte %1</translation>
    </message>
    <message>
        <source>в развёрнутой схеме больше %1 цепей</source>
        <translation>the expanded schematic has more than %1 nets</translation>
    </message>
    <message>
        <source>в развёрнутой схеме больше %1 библиотечных элементов</source>
        <translation>the expanded schematic has more than %1 library parts</translation>
    </message>
    <message>
        <source>порт «%1» ссылается на цепь, которая не объявлена до него</source>
        <translation>the port &quot;%1&quot; names a net that is not declared before it</translation>
    </message>
    <message>
        <source>порт-шина «%1» шире %2 цепей</source>
        <translation>the bus port &quot;%1&quot; is wider than %2 nets</translation>
    </message>
    <message>
        <source>строка «PIN» стоит раньше первого блока</source>
        <translation>a &quot;PIN&quot; line stands before the first block</translation>
    </message>
    <message>
        <source>вывод «%1» блока «%2» или его цепь — шина шире %3 цепей</source>
        <translation>the pin &quot;%1&quot; of block &quot;%2&quot; or its net is a bus wider than %3 nets</translation>
    </message>
    <message>
        <source>разрядов у вывода «%1» блока «%2»: %3, а у его цепи «%4»: %5</source>
        <translation>the pin &quot;%1&quot; of block &quot;%2&quot; has %3 bits, but its net &quot;%4&quot; has %5</translation>
    </message>
    <message>
        <source>у блока «%1» («%2») нет вывода «%3»</source>
        <translation>the block &quot;%1&quot; (&quot;%2&quot;) has no pin &quot;%3&quot;</translation>
    </message>
    <message>
        <source>вывод «%1» блока «%2» ссылается на необъявленную цепь «%3»</source>
        <translation>the pin &quot;%1&quot; of block &quot;%2&quot; names the undeclared net &quot;%3&quot;</translation>
    </message>
    <message>
        <source>блок «%1» имеет тип «%2», который не поддерживается</source>
        <translation>the block &quot;%1&quot; has the type &quot;%2&quot;, which is not supported</translation>
    </message>
    <message>
        <source>блок «%1» имеет тип «%2»: это не библиотечный элемент, и схемы «%2.sch» нет в папке схемы «%3»</source>
        <translation>the block &quot;%1&quot; has the type &quot;%2&quot;: it is no library part, and there is no schematic &quot;%2.sch&quot; in the folder of &quot;%3&quot;</translation>
    </message>
    <message>
        <source>блок «%2» типа «%1» — %3, а импортировать можно только комбинационные схемы</source>
        <translation>the block &quot;%2&quot; of type &quot;%1&quot; is %3, and only combinational schematics can be imported</translation>
    </message>
    <message>
        <source>триггер</source>
        <translation>a flip-flop</translation>
    </message>
    <message>
        <source>защёлка</source>
        <translation>a latch</translation>
    </message>
    <message>
        <source>счётчик</source>
        <translation>a counter</translation>
    </message>
    <message>
        <source>сдвиговый регистр</source>
        <translation>a shift register</translation>
    </message>
    <message>
        <source>память (ОЗУ)</source>
        <translation>a memory (RAM)</translation>
    </message>
    <message>
        <source>аккумулятор</source>
        <translation>an accumulator</translation>
    </message>
    <message>
        <source>блок «%1» использует схему «%2», которая уже читается: подсхемы образуют цикл</source>
        <translation>the block &quot;%1&quot; uses the schematic &quot;%2&quot;, which is being read: the sub-schematics form a cycle</translation>
    </message>
    <message>
        <source>блок «%1» использует схему «%2» глубже %3 уровней вложенности</source>
        <translation>the block &quot;%1&quot; uses the schematic &quot;%2&quot; deeper than %3 levels of sub-schematics</translation>
    </message>
    <message>
        <source>таблицы цепей разной длины</source>
        <translation>the net tables differ in length</translation>
    </message>
    <message>
        <source>входной порт ссылается на необъявленную цепь</source>
        <translation>an input port names an undeclared net</translation>
    </message>
    <message>
        <source>выходной порт ссылается на необъявленную цепь</source>
        <translation>an output port names an undeclared net</translation>
    </message>
    <message>
        <source>в схеме нет выходного порта</source>
        <translation>the schematic has no output port</translation>
    </message>
    <message>
        <source>выводы блока «%1» не совпадают с выводами «%2»</source>
        <translation>the pins of block &quot;%1&quot; differ from those of &quot;%2&quot;</translation>
    </message>
    <message>
        <source>выходной вывод блока «%1» ссылается на необъявленную цепь</source>
        <translation>an output pin of block &quot;%1&quot; names an undeclared net</translation>
    </message>
    <message>
        <source>входной вывод «%1» блока «%2» («%3») не подключён</source>
        <translation>the input pin &quot;%1&quot; of block &quot;%2&quot; (&quot;%3&quot;) is not connected</translation>
    </message>
    <message>
        <source>входной вывод «%1» блока «%2» ссылается на необъявленную цепь</source>
        <translation>the input pin &quot;%1&quot; of block &quot;%2&quot; names an undeclared net</translation>
    </message>
    <message>
        <source>у константы «%1» значение «%2» — не шестнадцатеричное число не длиннее 16 цифр</source>
        <translation>the constant &quot;%1&quot; has the value &quot;%2&quot;, which is no hexadecimal number of at most 16 digits</translation>
    </message>
    <message>
        <source>элемент «%1» задаёт значение цепи %2 («%3») входного порта</source>
        <translation>the gate &quot;%1&quot; drives the net %2 (&quot;%3&quot;) of an input port</translation>
    </message>
    <message>
        <source>значение цепи %1 («%2») задают два элемента: «%3» и «%4»</source>
        <translation>the net %1 (&quot;%2&quot;) is driven by two gates: &quot;%3&quot; and &quot;%4&quot;</translation>
    </message>
    <message>
        <source>значение выходного порта «%1» ничем не задано</source>
        <translation>nothing drives the output port &quot;%1&quot;</translation>
    </message>
    <message>
        <source>значение цепи %1 («%2») ничем не задано, а блок «%3» её читает</source>
        <translation>nothing drives the net %1 (&quot;%2&quot;), yet the block &quot;%3&quot; reads it</translation>
    </message>
    <message>
        <source>элементы «%1» образуют петлю</source>
        <translation>the gates &quot;%1&quot; form a loop</translation>
    </message>
    <message>
        <source>в схеме нет выходного порта «%1»</source>
        <translation>the schematic has no output port &quot;%1&quot;</translation>
    </message>
    <message>
        <source>значение цепи «%1» ничем не задано</source>
        <translation>nothing drives the net &quot;%1&quot;</translation>
    </message>
    <message>
        <source>значение цепи внутри подсхемы ничем не задано</source>
        <translation>nothing drives a net inside a sub-schematic</translation>
    </message>
    <message>
        <source>выбранным выходам нужно входов: %1, а поддерживается не больше %2</source>
        <translation>the chosen outputs need %1 inputs, and at most %2 are supported</translation>
    </message>
    <message>
        <source>входных портов в схеме: %1, её выходам нужно входов: %2, а поддерживается не больше %3 (выберите выходы, чтобы импортировать часть схемы)</source>
        <translation>the schematic has %1 input ports, its outputs need %2 inputs, and at most %3 are supported (choose outputs to import a part of it)</translation>
    </message>
    <message>
        <source>входных портов в схеме: %1, её выходам нужен один вход, а поддерживается не больше %2 (выберите выходы, чтобы импортировать часть схемы)</source>
        <translation>the schematic has %1 input ports, its outputs need one input, and at most %2 are supported (choose outputs to import a part of it)</translation>
    </message>
</context>
<context>
    <name>lodex::App</name>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Синтез</source>
        <translation>&amp;Synthesis</translation>
    </message>
    <message>
        <source>&amp;Синтез/&amp;Декомпозиция</source>
        <translation>&amp;Synthesis/&amp;Decomposition</translation>
    </message>
    <message>
        <source>&amp;Синтез/Д&amp;етализация</source>
        <translation>&amp;Synthesis/De&amp;tailing</translation>
    </message>
    <message>
        <source>С&amp;ервис</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>С&amp;ервис/&amp;Покрытие</source>
        <translation>&amp;Tools/&amp;Covering</translation>
    </message>
    <message>
        <source>&amp;Опции</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>По&amp;мощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Новый...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>Создать новый проект
Новый</source>
        <translation>Create a new project
New</translation>
    </message>
    <message>
        <source>&amp;Открыть...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Открыть файл схемы
Открыть</source>
        <translation>Open a scheme file
Open</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить схему в файл
Сохранить</source>
        <translation>Save the scheme to a file
Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;Как...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Сохранить схему в файл под новым именем
Сохранить как</source>
        <translation>Save the scheme to a file under a new name
Save As</translation>
    </message>
    <message>
        <source>Сохранить &amp;изображение...</source>
        <translation>Save &amp;Image...</translation>
    </message>
    <message>
        <source>Сохранить изображение схемы в файл SVG или PNG
Сохранить изображение</source>
        <translation>Save a picture of the scheme as an SVG or PNG file
Save Image</translation>
    </message>
    <message>
        <source>Экспорт в BLIF...</source>
        <translation>Export to &amp;BLIF...</translation>
    </message>
    <message>
        <source>Сохранить схему в формате BLIF
Экспорт в BLIF</source>
        <translation>Save the scheme in BLIF format
Export to BLIF</translation>
    </message>
    <message>
        <source>Экспорт в Verilog...</source>
        <translation>Export to &amp;Verilog...</translation>
    </message>
    <message>
        <source>Сохранить схему как структурный Verilog
Экспорт в Verilog</source>
        <translation>Save the scheme as structural Verilog
Export to Verilog</translation>
    </message>
    <message>
        <source>Список файлов</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Завершить работу программы
Выход</source>
        <translation>Quit the program
Exit</translation>
    </message>
    <message>
        <source>Последовательная...</source>
        <translation>&amp;Serial...</translation>
    </message>
    <message>
        <source>Последовательная декомпозиция выделенного блока
Последовательная декомпозиция</source>
        <translation>Serial decomposition of the selected block
Serial Decomposition</translation>
    </message>
    <message>
        <source>Декомпозиция</source>
        <translation>Decomposition</translation>
    </message>
    <message>
        <source>Параллельная...</source>
        <translation>&amp;Parallel...</translation>
    </message>
    <message>
        <source>Параллельная декомпозиция выделенного блока
Параллельная декомпозиция</source>
        <translation>Parallel decomposition of the selected block
Parallel Decomposition</translation>
    </message>
    <message>
        <source>Проверка наличия фиктивных входов...</source>
        <translation>&amp;Check for Fictitious Inputs...</translation>
    </message>
    <message>
        <source>Поиск фиктивных входов выделенного блока
Проверка наличия фиктивных входов</source>
        <translation>Look for fictitious inputs of the selected block
Check for Fictitious Inputs</translation>
    </message>
    <message>
        <source>Выделить трехвходовый блок...</source>
        <translation>Extract a &amp;Three-Input Block...</translation>
    </message>
    <message>
        <source>Выделить трехвходовый блок из выделенного блока
Выделить трехвходовый блок</source>
        <translation>Extract a three-input block from the selected block
Extract a Three-Input Block</translation>
    </message>
    <message>
        <source>Детализация</source>
        <translation>Detailing</translation>
    </message>
    <message>
        <source>&amp;Автоматический синтез...</source>
        <translation>&amp;Automatic Synthesis...</translation>
    </message>
    <message>
        <source>Перестроить схему из блоков с ограниченным числом входов
Автоматический синтез</source>
        <translation>Rebuild the scheme from blocks with a limited number of inputs
Automatic Synthesis</translation>
    </message>
    <message>
        <source>С&amp;охранить последовательность блока...</source>
        <translation>Save Block &amp;Sequence...</translation>
    </message>
    <message>
        <source>Сохранить логическую последовательность выделенного блока в файл
Сохранить последовательность блока</source>
        <translation>Save the logic sequence of the selected block to a file
Save Block Sequence</translation>
    </message>
    <message>
        <source>П&amp;ровести анализ схемы...</source>
        <translation>&amp;Analyse the Scheme...</translation>
    </message>
    <message>
        <source>Сравнить последовательность схемы с исходной
Анализ схемы</source>
        <translation>Compare the sequence of the scheme with the project&apos;s
Scheme Analysis</translation>
    </message>
    <message>
        <source>Генерировать VHDL-код...</source>
        <translation>Generate &amp;VHDL Code...</translation>
    </message>
    <message>
        <source>Сохранить схему как VHDL-код
Генерировать VHDL-код</source>
        <translation>Save the scheme as VHDL code
Generate VHDL Code</translation>
    </message>
    <message>
        <source>Оптимизация</source>
        <translation>&amp;Optimisation</translation>
    </message>
    <message>
        <source>Перераспределить входы блоков по ярусам
Оптимизация</source>
        <translation>Redistribute the inputs of blocks across tiers
Optimisation</translation>
    </message>
    <message>
        <source>Покрытие элементами &quot;И-НЕ&quot;</source>
        <translation>&amp;NAND Covering</translation>
    </message>
    <message>
        <source>Покрыть двухвходовые блоки элементами И-НЕ
Покрытие элементами И-НЕ</source>
        <translation>Cover the two-input blocks with NAND elements
NAND Covering</translation>
    </message>
    <message>
        <source>Покрытие элементами &quot;ИЛИ-НЕ&quot;</source>
        <translation>N&amp;OR Covering</translation>
    </message>
    <message>
        <source>Покрыть двухвходовые блоки элементами ИЛИ-НЕ
Покрытие элементами ИЛИ-НЕ</source>
        <translation>Cover the two-input blocks with NOR elements
NOR Covering</translation>
    </message>
    <message>
        <source>Настройки...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>Изменить настройки синтеза
Настройки</source>
        <translation>Change the settings of synthesis and the interface
Settings</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Отменить предыдущее действие
Отменить</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>&amp;Вернуть</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Вернуть действие
Вернуть</source>
        <translation>Redo the action
Redo</translation>
    </message>
    <message>
        <source>Чертеж схемы</source>
        <translation>Scheme Drawing</translation>
    </message>
    <message>
        <source>Открыть чертеж схемы в программе просмотра
Чертеж схемы</source>
        <translation>Open a drawing of the scheme in the viewer
Scheme Drawing</translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Сведения о программе
О программе</source>
        <translation>About the program
About</translation>
    </message>
    <message>
        <source>Таблица существенных зависимостей</source>
        <translation>Table of Essential Dependencies</translation>
    </message>
    <message>
        <source>Схемы (*.shc)|*.shc|Все файлы (*.*)|*.*||</source>
        <translation>Schemes (*.shc)|*.shc|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Открытие файла схемы</source>
        <translation>Open a Scheme File</translation>
    </message>
    <message>
        <source>Сохранить последовательность</source>
        <translation>Save Sequence</translation>
    </message>
    <message>
        <source>Файлы логической последовательности (*.lof)|*.lof|Все файлы (*.*)|*.*||</source>
        <translation>Logic sequence files (*.lof)|*.lof|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Включить автосинтез</source>
        <translation>Enable auto-synthesis</translation>
    </message>
    <message>
        <source>Включить поддержку
библиотечных блоков</source>
        <translation>Enable support for
library blocks</translation>
    </message>
    <message>
        <source>Нет последовательности</source>
        <translation>No sequence</translation>
    </message>
    <message>
        <source>Файлы логической последовательности (*.lof)|*.lof|Файлы Berkeley PLA (*.pla)|*.pla|Все файлы (*.*)|*.*||</source>
        <translation>Logic sequence files (*.lof)|*.lof|Berkeley PLA files (*.pla)|*.pla|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Открыть SCH файл</source>
        <translation>Open an SCH File</translation>
    </message>
    <message>
        <source>Файлы SCH (*.sch)|*.sch|Все файлы (*.*)|*.*||</source>
        <translation>SCH files (*.sch)|*.sch|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить изображение</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)|*.svg|Рисунок PNG (*.png)|*.png||</source>
        <translation>SVG picture (*.svg)|*.svg|PNG picture (*.png)|*.png||</translation>
    </message>
    <message>
        <source>Длина логической последовательности <byte value="xd"/>
не соответствует заданным параметрам входов/выходов</source>
        <translation>The length of the logic sequence <byte value="xd"/>
does not match the numbers of inputs and outputs</translation>
    </message>
    <message>
        <source>Полученная </source>
        <translation>Resulting </translation>
    </message>
    <message>
        <source>, тип выделяемого блока </source>
        <translation>, extracted block type </translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Открыть руководство пользователя
Справка</source>
        <translation>Open the user manual
Help</translation>
    </message>
    <message>
        <source>Ошибка инициализации</source>
        <translation>Initialisation error</translation>
    </message>
    <message>
        <source>Неправильный индекс</source>
        <translation>Wrong index</translation>
    </message>
    <message>
        <source>Число входов должно лежать в пределах 1..16</source>
        <translation>The number of inputs must lie in 1..16</translation>
    </message>
    <message>
        <source>Число выходов должно лежать в пределах 1..12</source>
        <translation>The number of outputs must lie in 1..12</translation>
    </message>
    <message>
        <source>Логическая последовательность содержит недопустимый символ</source>
        <translation>The logic sequence holds a character that is not allowed</translation>
    </message>
    <message>
        <source>Слово %1 логической последовательности (%2) больше %3 — наибольшего слова для %4 выходов</source>
        <translation>Word %1 of the logic sequence (%2) is above %3, the largest word of %4 outputs</translation>
    </message>
    <message>
        <source>Не выбраны свойства проекта!</source>
        <translation>The project&apos;s properties are not chosen!</translation>
    </message>
    <message>
        <source>Не загружена логическая последовательность!</source>
        <translation>No logic sequence is loaded!</translation>
    </message>
    <message>
        <source>Маска %1 не даёт допустимого разложения</source>
        <translation>Mask %1 gives no valid decomposition</translation>
    </message>
    <message>
        <source>Недопустимое разбиение выходов</source>
        <translation>Invalid split of the outputs</translation>
    </message>
    <message>
        <source>Возможно выделение последовательного блока с теми же входами
<byte value="xd"/>Хотите выделить и объединить в параллельно-последовательный блок?</source>
        <translation>A serial block with the same inputs can be extracted
<byte value="xd"/>Do you want to extract it and merge into a parallel-serial block?</translation>
    </message>
    <message>
        <source>Нет фиктивных входов!</source>
        <translation>No fictitious inputs!</translation>
    </message>
    <message>
        <source>Удалять можно только фиктивные входы</source>
        <translation>Only fictitious inputs can be removed</translation>
    </message>
    <message>
        <source>Нет входа %1</source>
        <translation>No input %1</translation>
    </message>
    <message>
        <source>количество ярусов в схеме = %1</source>
        <translation>number of tiers in the scheme = %1</translation>
    </message>
    <message>
        <source>   %1,      %2,  вес вх  %3, вес вых %4, инвер   %5
</source>
        <translation>   %1,      %2,  in weight  %3, out weight %4, inverted   %5
</translation>
    </message>
    <message>
        <source>%1номер #%2</source>
        <translation>%1number #%2</translation>
    </message>
    <message>
        <source>Не сходятся логические последовательности!</source>
        <translation>The logic sequences do not match!</translation>
    </message>
    <message>
        <source>Не сходятся логические последовательности!<byte value="xd"/>
Слово %1 логической последовательности (%2) больше %3 — наибольшего слова для %4 выходов</source>
        <translation>The logic sequences do not match!<byte value="xd"/>
Word %1 of the logic sequence (%2) is above %3, the largest word of %4 outputs</translation>
    </message>
    <message>
        <source>Ошибка при старте Visio!</source>
        <translation>The drawing program could not be started!</translation>
    </message>
    <message>
        <source>Экспорт в BLIF</source>
        <translation>Export to BLIF</translation>
    </message>
    <message>
        <source>BLIF (*.blif)|*.blif|Все файлы (*.*)|*.*||</source>
        <translation>BLIF (*.blif)|*.blif|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Экспорт в Verilog</source>
        <translation>Export to Verilog</translation>
    </message>
    <message>
        <source>Verilog (*.v)|*.v|Все файлы (*.*)|*.*||</source>
        <translation>Verilog (*.v)|*.v|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Сохранить VHDL-код</source>
        <translation>Save VHDL code</translation>
    </message>
    <message>
        <source>VHDL Design File (Xilinx) (*.vhd)|*.vhd|Все файлы (*.*)|*.*||</source>
        <translation>VHDL Design File (Xilinx) (*.vhd)|*.vhd|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>НЕСОВПАДЕНИЕ</source>
        <translation>MISMATCH</translation>
    </message>
    <message>
        <source>Выделение параллельно-последовательного блока</source>
        <translation>Parallel-serial block extraction</translation>
    </message>
    <message>
        <source>Схема1</source>
        <translation>Scheme1</translation>
    </message>
</context>
<context>
    <name>lodex::CAboutDlg</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Авторы: коллектив разработчиков Lodex</source>
        <translation>Authors: the Lodex developers</translation>
    </message>
    <message>
        <source>Лаборатория логического синтеза</source>
        <translation>Logic Synthesis Laboratory</translation>
    </message>
</context>
<context>
    <name>lodex::CAnalizeDlg</name>
    <message>
        <source>Анализ схемы</source>
        <translation>Scheme Analysis</translation>
    </message>
    <message>
        <source>Исходная последовательность</source>
        <translation>Project sequence</translation>
    </message>
    <message>
        <source>Полученная последовательность</source>
        <translation>Computed sequence</translation>
    </message>
    <message>
        <source>Исходная и полученная последовательности по комбинациям входов; несовпадения выделены</source>
        <translation>The project&apos;s and the computed sequence by input combination; mismatches are marked</translation>
    </message>
    <message>
        <source>Сравнение</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Строка N</source>
        <translation>Row N</translation>
    </message>
</context>
<context>
    <name>lodex::CAutoSynthDlg</name>
    <message>
        <source>Блоков в схеме: %1, наибольшее число входов: %2</source>
        <translation>Blocks in the scheme: %1, most inputs: %2</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Автоматический синтез</source>
        <translation>Automatic Synthesis</translation>
    </message>
    <message>
        <source>Меньше элементов (LUT)</source>
        <translation>Fewer elements (LUTs)</translation>
    </message>
    <message>
        <source>Меньше ярусов</source>
        <translation>Fewer tiers</translation>
    </message>
    <message>
        <source>Что синтез уменьшает в первую очередь: число одновыходных элементов или число ярусов</source>
        <translation>What synthesis reduces first: the number of one-output elements or the number of tiers</translation>
    </message>
    <message>
        <source>Блоков с числом входов больше %1: %2</source>
        <translation>Blocks with more than %1 inputs: %2</translation>
    </message>
    <message>
        <source>&amp;Наибольшее число входов блока:</source>
        <translation>&amp;Most inputs of a block:</translation>
    </message>
    <message>
        <source>&amp;Цель:</source>
        <translation>&amp;Objective:</translation>
    </message>
    <message>
        <source>Синтез...</source>
        <translation>Synthesis...</translation>
    </message>
    <message>
        <source>Синтез прерван</source>
        <translation>Synthesis stopped</translation>
    </message>
    <message>
        <source>Синтез не выполнен: %1</source>
        <translation>Synthesis failed: %1</translation>
    </message>
    <message>
        <source>Блоков: %1, ярусов: %2, время: %3 с</source>
        <translation>Blocks: %1, tiers: %2, time: %3 s</translation>
    </message>
    <message>
        <source>Сколько входов может остаться у каждого логического блока после синтеза</source>
        <translation>How many inputs each logic block may keep after synthesis</translation>
    </message>
    <message>
        <source>Синтезировать копию схемы; схема документа меняется только по OK</source>
        <translation>Synthesise a copy of the scheme; the document&apos;s scheme changes only on OK</translation>
    </message>
    <message>
        <source>Ход синтеза</source>
        <translation>Progress of the synthesis</translation>
    </message>
</context>
<context>
    <name>lodex::CBlockProperties</name>
    <message>
        <source>Свойства блока</source>
        <translation>Block Properties</translation>
    </message>
    <message>
        <source>Вывод</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>Связан с</source>
        <translation>Connected to</translation>
    </message>
    <message>
        <source>Связи</source>
        <translation>Connections</translation>
    </message>
    <message>
        <source>Входы x0, x1, … и выходы y0, y1, … для каждой комбинации входов; строки с неопределённым словом выделены</source>
        <translation>Inputs x0, x1, … and outputs y0, y1, … for every input combination; rows with an undefined word are marked</translation>
    </message>
    <message>
        <source>Таблица истинности</source>
        <translation>Truth Table</translation>
    </message>
    <message>
        <source>Карта Карно &amp;выхода:</source>
        <translation>Karnaugh map of &amp;output:</translation>
    </message>
    <message>
        <source>Формула</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Поместить формулы и таблицу истинности блока в буфер обмена</source>
        <translation>Put the formulas and the truth table of the block on the clipboard</translation>
    </message>
    <message>
        <source>Выберите блок на схеме: щелчком, клавишей Tab или командой «Найти блок».</source>
        <translation>Select a block in the diagram: by a click, with the Tab key or with the command “Find Block”.</translation>
    </message>
    <message>
        <source>Блок № %1: %2
ярус %3; входов %4, выходов %5</source>
        <translation>Block no. %1: %2
tier %3; inputs: %4, outputs: %5</translation>
    </message>
    <message>
        <source>Входы</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>вход схемы %1 (вес %2)</source>
        <translation>scheme input %1 (weight %2)</translation>
    </message>
    <message>
        <source>%1, выход %2</source>
        <translation>%1, output %2</translation>
    </message>
    <message>
        <source>неизвестный источник «%1»</source>
        <translation>unknown source “%1”</translation>
    </message>
    <message>
        <source>Выходы</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>выход схемы %1</source>
        <translation>scheme output %1</translation>
    </message>
    <message>
        <source>%1, вход %2</source>
        <translation>%1, input %2</translation>
    </message>
    <message>
        <source>не используется</source>
        <translation>not used</translation>
    </message>
    <message>
        <source>Формулы строятся для блоков не более чем с %1 входами.</source>
        <translation>Formulas are built for blocks of at most %1 inputs.</translation>
    </message>
    <message>
        <source>Карта Карно строится для блоков не более чем с %1 входами.</source>
        <translation>The Karnaugh map is built for blocks of at most %1 inputs.</translation>
    </message>
    <message>
        <source>Рамки — произведения формулы выхода; «–» — неопределённое слово.</source>
        <translation>Frames are the products of the output&apos;s formula; “–” is an undefined word.</translation>
    </message>
</context>
<context>
    <name>lodex::CDepTabDlg</name>
    <message>
        <source>Для каждого выхода блока — входы, от которых он действительно зависит</source>
        <translation>For each output of the block, the inputs it really depends on</translation>
    </message>
</context>
<context>
    <name>lodex::CDialogWorker</name>
    <message>
        <source>неизвестная ошибка</source>
        <translation>unknown error</translation>
    </message>
</context>
<context>
    <name>lodex::CEditLPDlg</name>
    <message>
        <source>Входы проекта (вход 0 первым): %1</source>
        <translation>Project inputs (input 0 first): %1</translation>
    </message>
    <message>
        <source>Ввод логической последовательности</source>
        <translation>Logic Sequence Entry</translation>
    </message>
    <message>
        <source>Цифры 0-9 и A-F, * - неопределённое слово; Ctrl+V вставляет последовательность</source>
        <translation>Digits 0-9 and A-F, * is an undefined word; Ctrl+V pastes a sequence</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Все слова введены</source>
        <translation>All words entered</translation>
    </message>
    <message>
        <source>Не введено слов: %1 из %2</source>
        <translation>Words missing: %1 of %2</translation>
    </message>
    <message>
        <source>Последовательность введена не полностью: не хватает слов - %1.</source>
        <translation>The sequence is incomplete: words missing: %1.</translation>
    </message>
    <message>
        <source>Схема не дала логической последовательности:
%1</source>
        <translation>The schematic gave no logic sequence:
%1</translation>
    </message>
    <message>
        <source>Схема не дала логической последовательности; причина записана в generating.log</source>
        <translation>The schematic gave no logic sequence; the reason is written in generating.log</translation>
    </message>
</context>
<context>
    <name>lodex::CFictDlg</name>
    <message>
        <source>Проверка наличия фиктивных входов</source>
        <translation>Check for Fictitious Inputs</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Зависимость выхода блока от каждого входа</source>
        <translation>Whether the block&apos;s output depends on each input</translation>
    </message>
    <message>
        <source>Фиктивные входы: выход от них не зависит; выбранный будет удалён</source>
        <translation>Fictitious inputs: the output does not depend on them; the selected one will be removed</translation>
    </message>
    <message>
        <source>Вход</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Выход зависит</source>
        <translation>Output depends</translation>
    </message>
</context>
<context>
    <name>lodex::CHelpWindow</name>
    <message>
        <source>Справка Lodex</source>
        <translation>Lodex Help</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вперёд</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
</context>
<context>
    <name>lodex::CLodexView</name>
    <message>
        <source>Неизвестный формат изображения «%1»: укажите файл .svg или .png</source>
        <translation>Unknown picture format “%1”: name an .svg or .png file</translation>
    </message>
    <message>
        <source>Схема пуста: изображение не сохранено</source>
        <translation>The scheme is empty: no picture saved</translation>
    </message>
    <message>
        <source>Изображение схемы слишком велико</source>
        <translation>The picture of the scheme is too large</translation>
    </message>
    <message>
        <source>Не удалось построить изображение PNG</source>
        <translation>Could not make the PNG picture</translation>
    </message>
</context>
<context>
    <name>lodex::CMainFrame</name>
    <message>
        <source>Панель управления</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>&amp;Увеличить</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Увеличить масштаб схемы</source>
        <translation>Enlarge the diagram</translation>
    </message>
    <message>
        <source>У&amp;меньшить</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>Уменьшить масштаб схемы</source>
        <translation>Reduce the diagram</translation>
    </message>
    <message>
        <source>&amp;Исходный масштаб</source>
        <translation>&amp;Actual Size</translation>
    </message>
    <message>
        <source>Показать схему в масштабе 100%</source>
        <translation>Show the diagram at 100%</translation>
    </message>
    <message>
        <source>По &amp;размеру окна</source>
        <translation>&amp;Fit to Window</translation>
    </message>
    <message>
        <source>Уместить всю схему в окне</source>
        <translation>Fit the whole diagram in the window</translation>
    </message>
    <message>
        <source>&amp;Найти блок...</source>
        <translation>&amp;Find Block...</translation>
    </message>
    <message>
        <source>Найти блок по номеру, идентификатору или подписи</source>
        <translation>Find a block by its number, identifier or caption</translation>
    </message>
    <message>
        <source>Показать или скрыть панель управления</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>Показать или скрыть панель логических последовательностей</source>
        <translation>Show or hide the logic sequences pane</translation>
    </message>
    <message>
        <source>Показать или скрыть обзор всей схемы</source>
        <translation>Show or hide the overview of the whole scheme</translation>
    </message>
    <message>
        <source>Показать или скрыть свойства выбранного блока</source>
        <translation>Show or hide the properties of the selected block</translation>
    </message>
    <message>
        <source>&amp;Сбросить расположение панелей</source>
        <translation>&amp;Reset Pane Layout</translation>
    </message>
    <message>
        <source>Вернуть панели на их исходные места</source>
        <translation>Put the panes back in their first places</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Status Bar</translation>
    </message>
    <message>
        <source>Готов</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Масштаб схемы</source>
        <translation>Zoom of the diagram</translation>
    </message>
    <message>
        <source>Блок «%1» не найден</source>
        <translation>Block “%1” not found</translation>
    </message>
    <message>
        <source>Найти блок</source>
        <translation>Find Block</translation>
    </message>
    <message>
        <source>Номер, идентификатор или подпись блока:</source>
        <translation>Number, identifier or caption of the block:</translation>
    </message>
    <message>
        <source>Не удалось сохранить изображение.
%1</source>
        <translation>Could not save the picture.
%1</translation>
    </message>
    <message>
        <source>Открыть %1</source>
        <translation>Open %1</translation>
    </message>
</context>
<context>
    <name>lodex::COutputBar</name>
    <message>
        <source>Логические последовательности</source>
        <translation>Logic Sequences</translation>
    </message>
    <message>
        <source>Логическая последовательность текущего блока</source>
        <translation>Logic sequence of the current block</translation>
    </message>
    <message>
        <source>Исходная логическая последовательность</source>
        <translation>Project logic sequence</translation>
    </message>
</context>
<context>
    <name>lodex::COutputChoiceDlg</name>
    <message>
        <source>Выходы схемы</source>
        <translation>Schematic Outputs</translation>
    </message>
    <message>
        <source>Отмеченные выходы станут выходами проекта, а входы, от которых они зависят, - его входами</source>
        <translation>The checked outputs become the outputs of the project, and the inputs they depend on its inputs</translation>
    </message>
    <message>
        <source>%1 — входов: %2</source>
        <translation>%1 — inputs: %2</translation>
    </message>
    <message>
        <source>&amp;Выходы, из которых строится проект:</source>
        <translation>&amp;Outputs the project is built from:</translation>
    </message>
    <message>
        <source>Отметьте хотя бы один выход</source>
        <translation>Check at least one output</translation>
    </message>
</context>
<context>
    <name>lodex::COverviewBar</name>
    <message>
        <source>Обзор схемы</source>
        <translation>Scheme Overview</translation>
    </message>
</context>
<context>
    <name>lodex::CParallelDecDlg</name>
    <message>
        <source>Выделение параллельного блока</source>
        <translation>Parallel Block Extraction</translation>
    </message>
    <message>
        <source>Разложить</source>
        <translation>Decompose</translation>
    </message>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Входы, которые получит выделяемый блок</source>
        <translation>The inputs that the extracted block gets</translation>
    </message>
    <message>
        <source>Выходы, которые перейдут в выделяемый блок</source>
        <translation>The outputs that move to the extracted block</translation>
    </message>
    <message>
        <source>Блоки, которые получатся при отмеченных входах и выходах</source>
        <translation>The blocks that the checked inputs and outputs give</translation>
    </message>
</context>
<context>
    <name>lodex::CPrwDlg</name>
    <message>
        <source>Сложность</source>
        <translation>Complexity</translation>
    </message>
    <message>
        <source>Старший блок (веса)</source>
        <translation>Higher block (weights)</translation>
    </message>
    <message>
        <source>Младший блок (веса)</source>
        <translation>Lower block (weights)</translation>
    </message>
    <message>
        <source>Поиск разложения с неувеличением сложности</source>
        <translation>Search for splits that do not increase complexity</translation>
    </message>
    <message>
        <source>Последовательная декомпозиция</source>
        <translation>Serial Decomposition</translation>
    </message>
    <message>
        <source>Разложить</source>
        <translation>Decompose</translation>
    </message>
    <message>
        <source>Исходный блок</source>
        <translation>Original block</translation>
    </message>
    <message>
        <source>Полученные блоки</source>
        <translation>Resulting blocks</translation>
    </message>
    <message>
        <source>Исходная 
сложность:</source>
        <translation>Original
complexity:</translation>
    </message>
    <message>
        <source>Поиск разложения не завершен: %1</source>
        <translation>The split search did not finish: %1</translation>
    </message>
    <message>
        <source>Блок, который раскладывается</source>
        <translation>The block being decomposed</translation>
    </message>
    <message>
        <source>Старший и младший блоки выбранного разложения</source>
        <translation>The higher and the lower block of the chosen split</translation>
    </message>
    <message>
        <source>Сложность исходного блока</source>
        <translation>Complexity of the original block</translation>
    </message>
    <message>
        <source>Перебрать разложения и оставить те, что не увеличивают сложность</source>
        <translation>Try the splits and keep those that do not increase complexity</translation>
    </message>
    <message>
        <source>Ход поиска разложений</source>
        <translation>Progress of the split search</translation>
    </message>
    <message>
        <source>Найденные разложения, от меньшей сложности к большей</source>
        <translation>The splits found, from lower complexity to higher</translation>
    </message>
    <message>
        <source>Разложений не найдено</source>
        <translation>No decompositions found</translation>
    </message>
</context>
<context>
    <name>lodex::CQtHost</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Без имени</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Сохранить изменения в &quot;%1&quot;?</source>
        <translation>Save changes to &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>lodex::CSetUpDlg</name>
    <message>
        <source>Применять разложение блока ко всем блокам с той же логической последовательностью</source>
        <translation>Apply a block&apos;s decomposition to every block with the same logic sequence</translation>
    </message>
    <message>
        <source>Показывать блоки, равные библиотечным элементам, их обозначениями (И, ИЛИ, исключающее ИЛИ...)</source>
        <translation>Show blocks that equal library elements by their symbols (AND, OR, XOR...)</translation>
    </message>
    <message>
        <source>Язык меню, окон и сообщений программы</source>
        <translation>The language of the program&apos;s menus, windows and messages</translation>
    </message>
    <message>
        <source>&amp;Язык интерфейса:</source>
        <translation>Interface &amp;language:</translation>
    </message>
    <message>
        <source>Язык меняется при следующем запуске программы.</source>
        <translation>The language changes when the program next starts.</translation>
    </message>
</context>
<context>
    <name>lodex::CThreeInDlg</name>
    <message>
        <source>Выделение трехвходового блока</source>
        <translation>Three-Input Block Extraction</translation>
    </message>
    <message>
        <source>Выделить</source>
        <translation>Extract</translation>
    </message>
    <message>
        <source>Вход, по которому выделяется блок, и тип выделяемого блока</source>
        <translation>The input the block is extracted on, and the type of the extracted block</translation>
    </message>
    <message>
        <source>Выделяемый блок</source>
        <translation>The block to extract</translation>
    </message>
</context>
<context>
    <name>lodex::CWizPage1</name>
    <message>
        <source>Импорт из &amp;файла</source>
        <translation>Import from a &amp;file</translation>
    </message>
    <message>
        <source>Ввести &amp;последовательность</source>
        <translation>Enter the &amp;sequence</translation>
    </message>
    <message>
        <source>С &amp;клавиатуры</source>
        <translation>From the &amp;keyboard</translation>
    </message>
    <message>
        <source>И&amp;з SCH файла</source>
        <translation>From an SC&amp;H file</translation>
    </message>
    <message>
        <source>О&amp;бзор...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>&amp;Имя проекта</source>
        <translation>Project &amp;name</translation>
    </message>
    <message>
        <source>Логическая последовательность</source>
        <translation>Logic sequence</translation>
    </message>
    <message>
        <source>Количество &amp;входов схемы</source>
        <translation>Number of scheme &amp;inputs</translation>
    </message>
    <message>
        <source>Количество в&amp;ыходов схемы</source>
        <translation>Number of scheme &amp;outputs</translation>
    </message>
    <message>
        <source>Имя проекта, под которым схема будет сохранена</source>
        <translation>The project&apos;s name, under which the scheme will be saved</translation>
    </message>
    <message>
        <source>Взять логическую последовательность из файла *.lof или *.pla</source>
        <translation>Take the logic sequence from a *.lof or *.pla file</translation>
    </message>
    <message>
        <source>Ввести логическую последовательность с клавиатуры или получить из схемы SCH</source>
        <translation>Type the logic sequence in, or compute it from an SCH schematic</translation>
    </message>
    <message>
        <source>Файл логической последовательности (*.lof) или Berkeley PLA (*.pla)</source>
        <translation>A logic sequence file (*.lof) or a Berkeley PLA file (*.pla)</translation>
    </message>
    <message>
        <source>Выбрать файл логической последовательности</source>
        <translation>Choose a logic sequence file</translation>
    </message>
    <message>
        <source>Ввести слова логической последовательности для выбранного числа входов и выходов</source>
        <translation>Type the words of the logic sequence for the chosen numbers of inputs and outputs</translation>
    </message>
    <message>
        <source>Вычислить логическую последовательность по схеме SCH</source>
        <translation>Compute the logic sequence from an SCH schematic</translation>
    </message>
    <message>
        <source>Число входов схемы: от 1 до %1</source>
        <translation>Number of scheme inputs: 1 to %1</translation>
    </message>
    <message>
        <source>Число выходов схемы: от 1 до %1</source>
        <translation>Number of scheme outputs: 1 to %1</translation>
    </message>
</context>
<context>
    <name>lodex::CWizPage2</name>
    <message>
        <source>Свойства создаваемого проекта</source>
        <translation>Properties of the new project</translation>
    </message>
    <message>
        <source>Имя проекта:</source>
        <translation>Project name:</translation>
    </message>
    <message>
        <source>Число входов схемы:</source>
        <translation>Scheme inputs:</translation>
    </message>
    <message>
        <source>Число выходов схемы:</source>
        <translation>Scheme outputs:</translation>
    </message>
    <message>
        <source>Логическая последовательность:</source>
        <translation>Logic sequence:</translation>
    </message>
</context>
<context>
    <name>lodex::CWizSheet</name>
    <message>
        <source>Создание проекта</source>
        <translation>New Project</translation>
    </message>
    <message>
        <source>&lt; &amp;Назад</source>
        <translation>&lt; &amp;Back</translation>
    </message>
    <message>
        <source>&amp;Далее &gt;</source>
        <translation>&amp;Next &gt;</translation>
    </message>
    <message>
        <source>&amp;Готово</source>
        <translation>&amp;Finish</translation>
    </message>
    <message>
        <source>&amp;Отмена</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>lodex::OkCancelButtons</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
