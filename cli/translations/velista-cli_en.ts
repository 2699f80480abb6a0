<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>velista-cli</name>
    <message>
        <source> и ещё %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>,</source>
        <extracomment>The decimal mark in the attack's time and counts.</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source>Идёт поиск: %1 %, найдено настроек: %2 </source>
        <translation>Searching: %1 %, settings found: %2 </translation>
    </message>
    <message>
        <source>время %1 с; проверено настроек (роторы, класс ключа, позиция) %2</source>
        <translation>time %1 s; settings checked (rotors, key class, position) %2</translation>
    </message>
    <message>
        <source>ни одна настройка не подходит на этой позиции; %1</source>
        <translation>no setting fits at this position; %1</translation>
    </message>
    <message>
        <source>ни одна настройка не подходит; %1</source>
        <translation>no setting fits; %1</translation>
    </message>
    <message>
        <source>фрагмент на позиции %1</source>
        <translation>the fragment at position %1</translation>
    </message>
    <message numerus="yes">
        <source>фрагмент подходит на %n позициях: %1</source>
        <translation><numerusform>the fragment fits at %n position: %1</numerusform><numerusform>the fragment fits at %n positions: %1</numerusform></translation>
    </message>
    <message>
        <source>настройка единственная с точностью до равносильных ключей (ещё 134 ключа с поворотами, сдвинутыми на одно число, шифруют так же); %1; %2</source>
        <translation>the setting is unique up to equivalent keys (134 more keys, with every turn shifted by one number, encrypt the same); %1; %2</translation>
    </message>
    <message>
        <source>настройка не единственная: подходят %1 (выведено строк: %2); возьмите фрагмент длиннее; %3</source>
        <translation>the setting is not unique: %1 fit (lines printed: %2); take a longer fragment; %3</translation>
    </message>
    <message>
        <source>стандартный ввод закрыт: укажите файлы фрагмента и шифротекста</source>
        <translation>standard input is closed: name the files of the fragment and the ciphertext</translation>
    </message>
    <message>
        <source>стандартный вывод закрыт: найденные настройки некуда вывести</source>
        <translation>standard output is closed: the settings found have nowhere to go</translation>
    </message>
    <message>
        <source>не удаётся записать стандартный вывод: %1</source>
        <translation>cannot write standard output: %1</translation>
    </message>
    <message>
        <source>Справка: velista-cli --help</source>
        <translation>Help: velista-cli --help</translation>
    </message>
    <message>
        <source>Коды завершения:
  0  готово
  1  файл не прочитать или не записать (прежний файл результата остаётся как был);
     закрыт нужный стандартный ввод, вывод или поток ошибок
  2  неверные аргументы (ничего не записано)
  128 + номер сигнала  прервано сигналом (130 - Ctrl+C, 143 - SIGTERM); временный файл удалён

Пример:
  velista-cli encrypt --rotors 73915 --key 'Ключ1' -o письмо.vls письмо.txt
  velista-cli decrypt --rotors 73915 --key 'Ключ1' письмо.vls
  velista-cli trace --rotors 73915 --key 'Ключ1' письмо.txt
Роторы и ключ по известному фрагменту текста: velista-cli attack --help
Имя файла, начинающееся с «-», пишется после «--»: velista-cli encrypt ... -- -файл.txt</source>
        <translation>Exit status:
  0  done
  1  a file cannot be read or written (an earlier result file stays as it was);
     a standard input, output or error stream that is needed is closed
  2  wrong arguments (nothing written)
  128 + signal number  interrupted by a signal (130 - Ctrl+C, 143 - SIGTERM); the temporary file is removed

Example:
  velista-cli encrypt --rotors 73915 --key 'Key12' -o letter.vls letter.txt
  velista-cli decrypt --rotors 73915 --key 'Key12' letter.vls
  velista-cli trace --rotors 73915 --key 'Key12' letter.txt
Rotors and key from a known fragment of the text: velista-cli attack --help
A file name that begins with «-» is written after «--»: velista-cli encrypt ... -- -file.txt</translation>
    </message>
    <message>
        <source>командная строка не разобрана: %1</source>
        <translation>the command line cannot be read: %1</translation>
    </message>
    <message>
        <source>Ищет роторы и ключ, которые превращают известный фрагмент открытого текста в шифротекст.</source>
        <translation>Finds the rotors and the key that turn a known fragment of plain text into the ciphertext.</translation>
    </message>
    <message>
        <source>Фрагмент и шифротекст - файлы в кодировке Windows-1251; переводы строк (LF, CR LF, CR) считаются как CR LF,
два символа, и --at отсчитывает позицию от 0 в таком тексте. Без --at фрагмент ищется на всех позициях.
Каждая найденная настройка - строка РОТОРЫ&lt;TAB&gt;КЛЮЧ (ключ в UTF-8); итог - в стандартном потоке ошибок.
Ключ находится с точностью до равносильных: прибавив одно число ко всем пяти поворотам роторов, получим
ключ, который шифрует так же; выводится один ключ из каждых 135 равносильных, и каждая настройка - один раз,
на скольких бы позициях она ни подходила (позиции названы в итоге).
Читаются обычные файлы и каналы, не устройства; фрагмент - до 64 КиБ, шифротекст - до 256 МиБ.

Коды завершения:
  0  найдена хотя бы одна настройка
  1  файл не прочитать, это устройство или он слишком велик; закрыт нужный стандартный поток
  2  неверные аргументы; во фрагменте нет символов алфавита или их слишком мало (ничего не выведено)
  3  ни одна настройка не подходит

Пример:
  velista-cli attack --known фрагмент.txt --at 120 письмо.vls</source>
        <translation>The fragment and the ciphertext are files in the Windows-1251 encoding; line breaks (LF, CR LF, CR) count as CR LF,
two characters, and --at counts the position from 0 in such a text. Without --at the fragment is sought at every position.
Each setting found is a line ROTORS&lt;TAB&gt;KEY (the key in UTF-8); the summary goes to standard error.
The key is found up to equivalent keys: adding one number to all five turns of the rotors gives a key
that encrypts the same; one key out of every 135 equivalent ones is printed, and each setting once,
however many positions it fits at (the positions are named in the summary).
Regular files and pipes are read, not devices; the fragment up to 64 KiB, the ciphertext up to 256 MiB.

Exit status:
  0  at least one setting found
  1  a file cannot be read, is a device or is too large; a standard stream that is needed is closed
  2  wrong arguments; the fragment holds no alphabet symbols, or too few (nothing printed)
  3  no setting fits

Example:
  velista-cli attack --known fragment.txt --at 120 letter.vls</translation>
    </message>
    <message>
        <source>Справка: velista-cli attack --help</source>
        <translation>Help: velista-cli attack --help</translation>
    </message>
    <message>
        <source>неизвестный параметр %1; если это имя файла, напишите его после «--»</source>
        <translation>unknown option %1; if it is a file name, write it after «--»</translation>
    </message>
    <message>
        <source>у параметра %1 не указано значение</source>
        <translation>the option %1 has no value</translation>
    </message>
    <message>
        <source>Использование</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>КОМАНДА</source>
        <translation>COMMAND</translation>
    </message>
    <message>
        <source>КОМАНДЫ</source>
        <translation>COMMANDS</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Аргументы</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <source>обязателен</source>
        <translation>required</translation>
    </message>
    <message>
        <source>не задана команда: encrypt, decrypt, trace или attack</source>
        <translation>no command given: encrypt, decrypt, trace or attack</translation>
    </message>
    <message>
        <source>не задана команда: первым аргументом должно быть encrypt, decrypt, trace или attack, а не %1</source>
        <translation>no command given: the first argument must be encrypt, decrypt, trace or attack, not %1</translation>
    </message>
    <message>
        <source>%1 стоит перед командой %2: сначала пишется команда, затем параметры, например velista-cli %2 --rotors 01234 --key KEY INPUT</source>
        <translation>%1 stands before the command %2: the command comes first, then the options, for example velista-cli %2 --rotors 01234 --key KEY INPUT</translation>
    </message>
    <message>
        <source>у параметра %1 не указано значение: за ним сразу идёт %2</source>
        <translation>the option %1 has no value: %2 follows it directly</translation>
    </message>
    <message numerus="yes">
        <source>параметр %1 указан %n раза (%2), а нужен один раз</source>
        <translation><numerusform>the option %1 is given %n time (%2), but is needed once</numerusform><numerusform>the option %1 is given %n times (%2), but is needed once</numerusform></translation>
    </message>
    <message>
        <source>velista-cli: стандартный вывод закрыт, справку некуда вывести
</source>
        <translation>velista-cli: standard output is closed, the help has nowhere to go
</translation>
    </message>
    <message numerus="yes">
        <source>параметр %1 указан %n раза, а нужен один раз</source>
        <translation><numerusform>the option %1 is given %n time, but is needed once</numerusform><numerusform>the option %1 is given %n times, but is needed once</numerusform></translation>
    </message>
    <message>
        <source>не задан известный фрагмент: укажите --known и файл с ним</source>
        <translation>no known fragment given: give --known and the file that holds it</translation>
    </message>
    <message>
        <source>файл шифротекста указывается один, а дано %1</source>
        <translation>one ciphertext file is given, not %1</translation>
    </message>
    <message>
        <source>фрагмент и шифротекст не могут оба идти со стандартного ввода: укажите файл шифротекста</source>
        <translation>the fragment and the ciphertext cannot both come from standard input: name the ciphertext file</translation>
    </message>
    <message>
        <source>позиция %1 не подходит: нужно целое число от 0</source>
        <translation>the position %1 does not fit: a whole number from 0 is needed</translation>
    </message>
    <message>
        <source>Велиста: шифровальная машина с пятью роторами.
Шифрует и расшифровывает тексты в кодировке Windows-1251; переводы строк записываются как CR LF.</source>
        <translation>Velista: a cipher machine with five rotors.
Encrypts and decrypts texts in the Windows-1251 encoding; line breaks are written as CR LF.</translation>
    </message>
    <message>
        <source>Команды</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>показать эту справку и выйти</source>
        <translation>show this help and exit</translation>
    </message>
    <message>
        <source>показать версию и лицензию и выйти</source>
        <translation>show the version and the licence and exit</translation>
    </message>
    <message>
        <source>пять номеров роторов из десяти (0-9), например 01234</source>
        <translation>five rotor numbers out of ten (0-9), for example 01234</translation>
    </message>
    <message>
        <source>ключ: пять символов алфавита машины</source>
        <translation>key: five symbols of the machine's alphabet</translation>
    </message>
    <message>
        <source>файл результата; без него или «-» - стандартный вывод</source>
        <translation>result file; without it or «-», standard output</translation>
    </message>
    <message>
        <source>исходный файл; без него или «-» - стандартный ввод</source>
        <translation>input file; without it or «-», standard input</translation>
    </message>
    <message>
        <source>зашифровать открытый текст</source>
        <translation>encrypt plain text</translation>
    </message>
    <message>
        <source>расшифровать шифротекст</source>
        <translation>decrypt a ciphertext</translation>
    </message>
    <message>
        <source>путь каждого символа через пять роторов: позиция, символ и четыре хода, по строке на позицию</source>
        <translation>each symbol's path through the five rotors: position, symbol and four hops, one line per position</translation>
    </message>
    <message>
        <source>путь при расшифровании, от пятого ротора к первому</source>
        <translation>the path when decrypting, from the fifth rotor to the first</translation>
    </message>
    <message>
        <source>файл с известным фрагментом открытого текста; «-» - стандартный ввод</source>
        <translation>file with the known fragment of plain text; «-», standard input</translation>
    </message>
    <message>
        <source>позиция фрагмента в тексте, от 0; без неё - любая</source>
        <translation>the fragment's position in the text, from 0; without it, any</translation>
    </message>
    <message>
        <source>файл шифротекста; без него или «-» - стандартный ввод</source>
        <translation>ciphertext file; without it or «-», standard input</translation>
    </message>
    <message>
        <source>неизвестный параметр %1; если это имя файла, напишите его после «--»: velista-cli %2 ... -- %3</source>
        <translation>unknown option %1; if it is a file name, write it after «--»: velista-cli %2 ... -- %3</translation>
    </message>
    <message>
        <source>исходный файл указывается один, а дано %1: %2</source>
        <translation>one input file is given, not %1: %2</translation>
    </message>
    <message>
        <source>не заданы номера роторов: укажите --rotors и пять цифр, например --rotors 01234</source>
        <translation>no rotor numbers given: give --rotors and five digits, for example --rotors 01234</translation>
    </message>
    <message>
        <source>номера роторов %1 не подходят: нужно ровно пять цифр от 0 до 9, например 01234</source>
        <translation>the rotor numbers %1 do not fit: exactly five digits from 0 to 9 are needed, for example 01234</translation>
    </message>
    <message>
        <source>не задан ключ: укажите --key и пять символов алфавита машины</source>
        <translation>no key given: give --key and five symbols of the machine's alphabet</translation>
    </message>
    <message>
        <source>ключ %1 не прочитать: он не в кодировке UTF-8</source>
        <translation>the key %1 cannot be read: it is not in the UTF-8 encoding</translation>
    </message>
    <message>
        <source>ключ %1 не подходит: нужно ровно пять символов, а их %2</source>
        <translation>the key %1 does not fit: exactly five characters are needed, and it has %2</translation>
    </message>
    <message>
        <source>ключ %1 не подходит: в нём есть символ вне алфавита машины (алфавит: латинские и русские буквы без Ё и ё, цифры, пробел и знаки ( ) , - . : [ ])</source>
        <translation>the key %1 does not fit: it holds a character outside the machine's alphabet (the alphabet: Latin and Russian letters without Ё and ё, digits, space and the signs ( ) , - . : [ ])</translation>
    </message>
    <message>
        <source>во фрагменте нет ни одного символа алфавита машины, ему подходит любая настройка</source>
        <translation>the fragment holds no symbol of the machine's alphabet, so any setting fits it</translation>
    </message>
    <message>
        <source>фрагмент слишком короткий: символов алфавита в нём %1, а нужно не меньше %2 — иначе %3 подойдут тысячи настроек и ответ ничего не скажет</source>
        <translation>the fragment is too short: it holds %1 alphabet symbols, and at least %2 are needed — otherwise thousands of settings fit %3 and the answer tells nothing</translation>
    </message>
    <message>
        <source>на этой позиции</source>
        <translation>at this position</translation>
    </message>
    <message numerus="yes">
        <source>на %n возможной позиции</source>
        <translation><numerusform>at %n possible position</numerusform><numerusform>at %n possible positions</numerusform></translation>
    </message>
    <message>
        <source>фрагмент длиннее %1 символов (64 КиБ): столько не нужно, хватит нескольких десятков</source>
        <translation>the fragment is longer than %1 characters (64 KiB): that many are not needed, a few dozen are enough</translation>
    </message>
    <message>
        <source>шифротекст длиннее %1 символов (256 МиБ)</source>
        <translation>the ciphertext is longer than %1 characters (256 MiB)</translation>
    </message>
    <message>
        <source>ни одна настройка не подходит: с позиции %1 фрагмент %2 выходит за конец шифротекста (%3)</source>
        <translation>no setting fits: from position %1 the fragment %2 runs past the end of the ciphertext (%3)</translation>
    </message>
    <message>
        <source>ни одна настройка не подходит: фрагмент %1 длиннее шифротекста (%2)</source>
        <translation>no setting fits: the fragment %1 is longer than the ciphertext (%2)</translation>
    </message>
    <message numerus="yes">
        <source>из %n символа</source>
        <translation><numerusform>of %n character</numerusform><numerusform>of %n characters</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n символ</source>
        <translation><numerusform>%n character</numerusform><numerusform>%n characters</numerusform></translation>
    </message>
    <message>
        <source>нет такого файла или папки</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>часть пути - не папка</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>диск только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>получатель вывода закрыт</source>
        <translation>the receiver of the output is closed</translation>
    </message>
    <message>
        <source>слишком много символических ссылок подряд</source>
        <translation>too many symbolic links in a row</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>исчерпана дисковая квота</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>the file is busy</translation>
    </message>
    <message>
        <source>устройство недоступно</source>
        <translation>the device is not available</translation>
    </message>
    <message>
        <source>файл уже есть</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>файл на другом диске</source>
        <translation>the file is on another disk</translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>файл временно недоступен</source>
        <translation>the file is not available for now</translation>
    </message>
    <message>
        <source>недопустимая операция для этого файла</source>
        <translation>the operation is not allowed for this file</translation>
    </message>
    <message>
        <source>системная ошибка № %1</source>
        <translation>system error no. %1</translation>
    </message>
    <message>
        <source>не удаётся прочитать «%1»: %2</source>
        <translation>cannot read «%1»: %2</translation>
    </message>
    <message>
        <source>не удаётся записать «%1»: %2</source>
        <translation>cannot write «%1»: %2</translation>
    </message>
    <message>
        <source>стандартный ввод</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>стандартный вывод</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>это не обычный файл и не канал, а устройство или сокет</source>
        <translation>this is not a regular file or a pipe but a device or a socket</translation>
    </message>
    <message>
        <source>это не обычный файл и не канал, а устройство</source>
        <translation>this is not a regular file or a pipe but a device</translation>
    </message>
    <message>
        <source>пустое имя файла</source>
        <translation>empty file name</translation>
    </message>
    <message>
        <source>имя с «%1» на конце - это папка, а нужен файл</source>
        <translation>a name ending in «%1» is a folder, and a file is needed</translation>
    </message>
    <message>
        <source>это ссылка на несуществующий файл</source>
        <translation>this is a link to a file that does not exist</translation>
    </message>
    <message>
        <source>нет папки %1</source>
        <translation>no folder %1</translation>
    </message>
    <message>
        <source>%1 - не папка</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>нет права создавать файлы в папке %1 (результат пишется сначала во временный файл рядом)</source>
        <translation>no permission to create files in the folder %1 (the result is first written to a temporary file beside it)</translation>
    </message>
    <message>
        <source>стандартный ввод или вывод закрыт, и его место нечем занять (нет /dev/null)</source>
        <translation>standard input or output is closed, and nothing can take its place (no /dev/null)</translation>
    </message>
    <message>
        <source>стандартный ввод закрыт: укажите исходный файл или передайте текст на ввод</source>
        <translation>standard input is closed: name the input file or pass the text to the input</translation>
    </message>
    <message>
        <source>стандартный вывод закрыт: укажите файл результата через -o</source>
        <translation>standard output is closed: name the result file with -o</translation>
    </message>
</context>
</TS>