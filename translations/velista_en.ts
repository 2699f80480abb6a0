<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>TextsPdf</name>
    <message>
        <source>Велиста: открытый текст и шифротекст</source>
        <translation>Velista: plaintext and ciphertext</translation>
    </message>
    <message>
        <source>Роторы: %1    Ключ: «%2»</source>
        <translation>Rotors: %1    Key: «%2»</translation>
    </message>
    <message>
        <source>Роторы: %1    Ключ не указан</source>
        <translation>Rotors: %1    Key not given</translation>
    </message>
    <message>
        <source>Открытый текст</source>
        <translation>Plaintext</translation>
    </message>
    <message>
        <source>Шифротекст</source>
        <translation>Ciphertext</translation>
    </message>
</context>
<context>
    <name>velista::AnalysisWindow</name>
    <message>
        <source>Записать роторы и ключ выбранной строки в поля главного окна и установить роторы (Enter в таблице, двойной щелчок)</source>
        <translation>Write the rotors and key of the selected row into the main window&apos;s fields and install the rotors (Enter in the table, double click)</translation>
    </message>
    <message>
        <source>Идёт шифрование или дешифрация: роторы и ключ заняты до её конца</source>
        <translation>Encryption or decryption is running: the rotors and key are busy until it ends</translation>
    </message>
    <message numerus="yes">
        <source>символ(а/ов)</source>
        <translation>
            <numerusform>symbol</numerusform>
            <numerusform>symbols</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>настройк(а/и/ок)</source>
        <translation>
            <numerusform>setting</numerusform>
            <numerusform>settings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>символа(ов) после «не меньше»</source>
        <translation>
            <numerusform>symbol</numerusform>
            <numerusform>symbols</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>позици(я/и/й)</source>
        <translation>
            <numerusform>position</numerusform>
            <numerusform>positions</numerusform>
        </translation>
    </message>
    <message>
        <source>Во фрагменте нет ни одного символа алфавита машины, ему подходит любая настройка.</source>
        <translation>The fragment holds no symbol of the machine&apos;s alphabet, so every setting fits it.</translation>
    </message>
    <message>
        <source>на этой позиции</source>
        <translation>at this position</translation>
    </message>
    <message>
        <source>на %1 %2</source>
        <translation>at %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>возможн(ой позиции/ых позициях)</source>
        <translation>
            <numerusform>possible position</numerusform>
            <numerusform>possible positions</numerusform>
        </translation>
    </message>
    <message>
        <source>Фрагмент слишком короткий: символов алфавита в нём %1, а нужно не меньше %2 — иначе %3 подойдут тысячи настроек и ответ ничего не скажет.</source>
        <translation>The fragment is too short: it holds %1 alphabet symbols, and at least %2 are needed — otherwise thousands of settings fit %3 and the answer tells nothing.</translation>
    </message>
    <message>
        <source>Фрагмент длиннее %1 символов (64 КиБ): столько не нужно, хватит нескольких десятков.</source>
        <translation>The fragment is longer than %1 symbols (64 KiB): that many are not needed, a few dozen will do.</translation>
    </message>
    <message>
        <source>Шифротекст длиннее %1 символов (256 МиБ).</source>
        <translation>The ciphertext is longer than %1 symbols (256 MiB).</translation>
    </message>
    <message>
        <source>Криптоанализ</source>
        <translation>Cryptanalysis</translation>
    </message>
    <message>
        <source>Шифротекст изменился после поиска: прежний результат убран. Нажмите «Найти ключ» снова.</source>
        <translation>The ciphertext changed after the search: the earlier result is removed. Press «Find key» again.</translation>
    </message>
    <message>
        <source>Открытый текст: частоты символов</source>
        <translation>Plaintext: symbol frequencies</translation>
    </message>
    <message>
        <source>Столбцы частот открытого текста</source>
        <translation>Frequency bars of the plaintext</translation>
    </message>
    <message>
        <source>Шифротекст: частоты символов</source>
        <translation>Ciphertext: symbol frequencies</translation>
    </message>
    <message>
        <source>Столбцы частот шифротекста</source>
        <translation>Frequency bars of the ciphertext</translation>
    </message>
    <message>
        <source>Атака по известному фрагменту открытого текста</source>
        <translation>Attack with a known fragment of the plaintext</translation>
    </message>
    <message>
        <source>Шифротекст берётся из области «Шифротекст» главного окна. Введите или вставьте &amp;фрагмент открытого текста, который в нём зашифрован:</source>
        <translation>The ciphertext is taken from the main window&apos;s «Ciphertext» area. Type or paste a &amp;fragment of the plaintext that is encrypted in it:</translation>
    </message>
    <message>
        <source>Известный фрагмент открытого текста</source>
        <translation>Known fragment of the plaintext</translation>
    </message>
    <message>
        <source>&amp;Позиция фрагмента в тексте (счёт с 0, перевод строки — два символа):</source>
        <translation>Fragment&apos;s &amp;position in the text (counted from 0, a line break is two symbols):</translation>
    </message>
    <message>
        <source>Позиция фрагмента</source>
        <translation>Fragment&apos;s position</translation>
    </message>
    <message>
        <source>неизвестно</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Найти ключ</source>
        <translation>Find key</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Отменить поиск</source>
        <translation>Cancel the search</translation>
    </message>
    <message>
        <source>Ход поиска</source>
        <translation>Search progress</translation>
    </message>
    <message>
        <source>найдено: 000 000</source>
        <translation>found: 000 000</translation>
    </message>
    <message>
        <source>Найденные настройки</source>
        <translation>Settings found</translation>
    </message>
    <message>
        <source>Роторы</source>
        <translation>Rotors</translation>
    </message>
    <message>
        <source>Ключ</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Позиции фрагмента</source>
        <translation>Fragment positions</translation>
    </message>
    <message>
        <source>Установить роторы</source>
        <translation>Install rotors</translation>
    </message>
    <message>
        <source>Символов: %1, из них в алфавите машины: %2
Индекс совпадений: %3
для сравнения: случайный текст 1/135 ≈ %4, русский текст %5</source>
        <translation>Symbols: %1, of them in the machine&apos;s alphabet: %2
Index of coincidence: %3
for comparison: random text 1/135 ≈ %4, Russian text %5</translation>
    </message>
    <message>
        <source>Фрагмент или его позиция изменились после поиска: прежний результат убран. Нажмите «Найти ключ» снова.</source>
        <translation>The fragment or its position changed after the search: the earlier result is removed. Press «Find key» again.</translation>
    </message>
    <message>
        <source>Во фрагменте %1, из них в алфавите машины: %2.</source>
        <translation>The fragment has %1, of them in the machine&apos;s alphabet: %2.</translation>
    </message>
    <message>
        <source> Слишком короткий: нужно не меньше %1 алфавита, иначе подойдут тысячи настроек.</source>
        <translation> Too short: at least %1 of the alphabet are needed, otherwise thousands of settings fit.</translation>
    </message>
    <message>
        <source> Позиция неизвестна: поиск может занять минуты (его можно отменить). Быстро — от %1.</source>
        <translation> The position is unknown: the search may take minutes (it can be cancelled). Fast from %1 on.</translation>
    </message>
    <message>
        <source>Шифротекст пуст: откройте или получите шифротекст в главном окне, затем начните поиск.</source>
        <translation>The ciphertext is empty: open or produce a ciphertext in the main window, then start the search.</translation>
    </message>
    <message>
        <source>Введите известный фрагмент открытого текста.</source>
        <translation>Enter a known fragment of the plaintext.</translation>
    </message>
    <message>
        <source>С позиции %1 фрагмент длиной %2 выходит за конец шифротекста длиной %3.</source>
        <translation>From position %1 a fragment of %2 runs past the end of the ciphertext of %3.</translation>
    </message>
    <message>
        <source>Фрагмент длиной %1 длиннее всего шифротекста (%2).</source>
        <translation>A fragment of %1 is longer than the whole ciphertext (%2).</translation>
    </message>
    <message>
        <source>Идёт поиск…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>отмена…</source>
        <translation>cancelling…</translation>
    </message>
    <message>
        <source>найдено: %1</source>
        <translation>found: %1</translation>
    </message>
    <message>
        <source>Фрагмент, его позиция или шифротекст изменились во время поиска: результат убран. Нажмите «Найти ключ» снова.</source>
        <translation>The fragment, its position or the ciphertext changed during the search: the result is removed. Press «Find key» again.</translation>
    </message>
    <message>
        <source> Время поиска: %1. Проверено настроек (роторы, класс ключа, позиция фрагмента): %2.</source>
        <translation> Search time: %1. Settings checked (rotors, key class, fragment position): %2.</translation>
    </message>
    <message>
        <source> Ключ найден с точностью до равносильных: если прибавить одно и то же число ко всем пяти поворотам роторов, шифротекст не изменится, поэтому ещё 134 ключа дают тот же текст.</source>
        <translation> The key is found up to equivalent ones: adding the same number to all five rotor turns leaves the ciphertext unchanged, so 134 more keys give the same text.</translation>
    </message>
    <message>
        <source>Во фрагменте нет ни одного символа алфавита машины: ему подходит любая настройка. Введите фрагмент с буквами.</source>
        <translation>The fragment holds no symbol of the machine&apos;s alphabet: every setting fits it. Enter a fragment with letters.</translation>
    </message>
    <message>
        <source>Поиск отменён. До отмены найдено: %1.</source>
        <translation>Search cancelled. Found before cancelling: %1.</translation>
    </message>
    <message>
        <source>Ни одна настройка не подходит: этот фрагмент не мог дать такой шифротекст %1. Проверьте фрагмент (каждый символ, заглавные и строчные буквы) и позицию.</source>
        <translation>No setting fits: this fragment could not give this ciphertext %1. Check the fragment (every symbol, capital and small letters) and the position.</translation>
    </message>
    <message>
        <source>на позиции %1</source>
        <translation>at position %1</translation>
    </message>
    <message>
        <source>ни на одной позиции</source>
        <translation>at any position</translation>
    </message>
    <message>
        <source> Фрагмент встречается в тексте несколько раз, и всюду подходит она же: %1.</source>
        <translation> The fragment occurs in the text several times, and the same setting fits everywhere: %1.</translation>
    </message>
    <message>
        <source>Найдена единственная настройка: роторы %1, ключ %2.%3 Нажмите «Установить роторы» и расшифруйте весь текст в главном окне.</source>
        <translation>A single setting found: rotors %1, key %2.%3 Press «Install rotors» and decrypt the whole text in the main window.</translation>
    </message>
    <message>
        <source>Фрагмент слишком короток, чтобы выбрать одну настройку: %1 %2. %3 Возьмите фрагмент длиннее.</source>
        <translation>The fragment is too short to single out one setting: %2 %1. %3 Take a longer fragment.</translation>
    </message>
    <message numerus="yes">
        <source>подход(ит/ят)</source>
        <translation>
            <numerusform>fits</numerusform>
            <numerusform>fit</numerusform>
        </translation>
    </message>
    <message>
        <source>В таблице первые %1.</source>
        <translation>The table shows the first %1.</translation>
    </message>
    <message>
        <source>Все они в таблице.</source>
        <translation>All of them are in the table.</translation>
    </message>
    <message>
        <source>Роторы %1 с ключом %2 установлены в главном окне. Нажмите там «Дешифрация», чтобы расшифровать весь шифротекст.</source>
        <translation>Rotors %1 with key %2 are installed in the main window. Press «Decryption» there to decrypt the whole ciphertext.</translation>
    </message>
    <message>
        <source>Роторы %1 и ключ %2 записаны в поля главного окна, но не установлены: нажмите там «Установить роторы».</source>
        <translation>Rotors %1 and key %2 are written into the main window&apos;s fields but not installed: press «Install rotors» there.</translation>
    </message>
    <message>
        <source>&amp;Ожидаемые частоты русского текста</source>
        <translation>&amp;Expected frequencies of Russian text</translation>
    </message>
    <message>
        <source>Ожидаемые частоты русского текста</source>
        <translation>Expected frequencies of Russian text</translation>
    </message>
    <message>
        <source>Черта на каждом столбце: доля символа в русском тексте (сборник fortunes-ru, 1,9 млн символов)</source>
        <translation>The mark on each bar: the symbol’s share in Russian text (the fortunes-ru collection, 1.9 million symbols)</translation>
    </message>
    <message>
        <source>По &amp;убыванию частоты</source>
        <translation>By &amp;falling frequency</translation>
    </message>
    <message>
        <source>По убыванию частоты</source>
        <translation>By falling frequency</translation>
    </message>
    <message>
        <source>Сохранить &amp;отчёт…</source>
        <translation>Save &amp;report…</translation>
    </message>
    <message>
        <source>Сохранить отчёт</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Записать диаграммы, индексы совпадений и итог атаки в файл PDF</source>
        <translation>Write the charts, the indices of coincidence and the attack’s result into a PDF file</translation>
    </message>
    <message>
        <source>&amp;Ключи класса…</source>
        <translation>&amp;Keys of the class…</translation>
    </message>
    <message>
        <source>Ключи класса</source>
        <translation>Keys of the class</translation>
    </message>
    <message>
        <source>Все 135 ключей, которые с найденными роторами шифруют одинаково, и проверка своего ключа</source>
        <translation>All 135 keys that encipher alike with the rotors found, and a check of your own key</translation>
    </message>
    <message>
        <source>Велиста: отчёт криптоанализа</source>
        <translation>Velista: cryptanalysis report</translation>
    </message>
    <message>
        <source>Черты на столбцах — ожидаемые доли символов в русском тексте (сборник fortunes-ru, 1 893 273 символа алфавита).</source>
        <translation>The marks on the bars are the expected shares of the symbols in Russian text (the fortunes-ru collection, 1,893,273 alphabet symbols).</translation>
    </message>
    <message>
        <source>Атака по известному фрагменту</source>
        <translation>Known-plaintext attack</translation>
    </message>
    <message>
        <source>Поиск ключа не проводился (или его результат устарел).</source>
        <translation>No key search was run (or its result is out of date).</translation>
    </message>
    <message>
        <source>Фрагмент: %1</source>
        <translation>Fragment: %1</translation>
    </message>
    <message>
        <source>Позиция: неизвестна, перебраны все</source>
        <translation>Position: unknown, all were tried</translation>
    </message>
    <message>
        <source>Позиция: %1</source>
        <translation>Position: %1</translation>
    </message>
    <message>
        <source>роторы %1, ключ %2</source>
        <translation>rotors %1, key %2</translation>
    </message>
    <message>
        <source>Подходящих настроек нет.</source>
        <translation>No setting fits.</translation>
    </message>
    <message>
        <source>Найдено: </source>
        <translation>Found: </translation>
    </message>
    <message>
        <source>Время поиска: %1 с; рассмотрено настроек: %2.</source>
        <translation>Search time: %1 s; settings examined: %2.</translation>
    </message>
    <message>
        <source>Почему ключей 135</source>
        <translation>Why there are 135 keys</translation>
    </message>
    <message>
        <source>Контакты между гнёздами идут по номерам позиций, поэтому если повернуть все пять роторов на одно и то же число шагов, ни один путь символа не изменится. Ключи, которые отличаются только таким общим поворотом, шифруют одинаково: на каждые роторы приходится 135 равносильных ключей, и атака находит ключ лишь с точностью до этого класса. Любой из 135 ключей расшифрует текст; по шифротексту их не различить.</source>
        <translation>The contacts between the slots follow the position numbers, so turning all five rotors by the same number of steps changes no symbol’s path. Keys that differ only by such a common turn encipher alike: every choice of rotors has 135 equivalent keys, and the attack finds the key only up to this class. Any of the 135 keys deciphers the text; the ciphertext cannot tell them apart.</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Отчёт не сохранён в «%1»: %2.</source>
        <translation>The report is not saved in «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>velista::CipherMachine</name>
    <message>
        <source>Внимание</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Не указаны номера всех дисков или ключ имеет менее 5-ти символов </source>
        <translation>Not all rotor numbers are given, or the key has fewer than 5 symbols</translation>
    </message>
    <message>
        <source>Ключ содержит символ, которого нет в алфавите машины. В ключ входят латинские и русские буквы (кроме Ё и ё), цифры, пробел и знаки ( ) , - . : [ ]</source>
        <translation>The key holds a symbol that is not in the machine&apos;s alphabet. A key may hold Latin and Russian letters (except Ё and ё), digits, the blank and the signs ( ) , - . : [ ]</translation>
    </message>
</context>
<context>
    <name>velista::FileErrorReason</name>
    <message>
        <source>нет такого файла или папки</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>часть пути - не папка</source>
        <translation>part of the path is not a folder</translation>
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
        <translation>the device is unavailable</translation>
    </message>
    <message>
        <source>файл уже есть</source>
        <translation>the file exists already</translation>
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
        <translation>the file is unavailable for the moment</translation>
    </message>
    <message>
        <source>недопустимая операция для этого файла</source>
        <translation>the operation is not allowed for this file</translation>
    </message>
    <message>
        <source>системная ошибка № %1</source>
        <translation>system error no. %1</translation>
    </message>
</context>
<context>
    <name>velista::Form1</name>
    <message>
        <source>ВНИМАНИЕ!  Роторы НЕ установлены.</source>
        <translation>ATTENTION!  Rotors NOT installed.</translation>
    </message>
    <message>
        <source>ВНИМАНИЕ!Рторы НЕ установлены.</source>
        <translation>ATTENTION! Rotors NOT installed.</translation>
    </message>
    <message>
        <source>Роторы  установлены.</source>
        <translation>Rotors installed.</translation>
    </message>
    <message>
        <source>(Все файлы txt  )|*.txt</source>
        <translation>(All txt files)|*.txt</translation>
    </message>
    <message>
        <source>(Все файлы  расширением .txt )|*.txt</source>
        <translation>(All files with the extension .txt)|*.txt</translation>
    </message>
    <message>
        <source>(Все файлы  расширением .vls )|*.vls</source>
        <translation>(All files with the extension .vls)|*.vls</translation>
    </message>
    <message>
        <source>Перепоручение секретов машине не всегда эффективно .<byte value="xd"/>
<byte value="xd"/>
 Большое количество ключей не всегда помогает .<byte value="xd"/>
<byte value="xd"/>
 Атаку можно организовать всегда , если есть представление об исходном тексте .<byte value="xd"/>
<byte value="xd"/>
 Нельзя позволять людям самим генерировать ключи .<byte value="xd"/>
<byte value="xd"/>
 Управление ключами — слабое звено <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Handing secrets over to a machine is not always effective .<byte value="xd"/>
<byte value="xd"/>
 A large number of keys does not always help .<byte value="xd"/>
<byte value="xd"/>
 An attack can always be organised if there is an idea of the original text .<byte value="xd"/>
<byte value="xd"/>
 People must not be allowed to generate keys themselves .<byte value="xd"/>
<byte value="xd"/>
 Key management is the weak link <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Новый текст</source>
        <translation>New text</translation>
    </message>
    <message>
        <source>Открыть текст</source>
        <translation>Open text</translation>
    </message>
    <message>
        <source>Сохранить текст</source>
        <translation>Save text</translation>
    </message>
    <message>
        <source>Новый шифротекст</source>
        <translation>New ciphertext</translation>
    </message>
    <message>
        <source>Открыть шифротекст</source>
        <translation>Open ciphertext</translation>
    </message>
    <message>
        <source>Сохранить шифротекст</source>
        <translation>Save ciphertext</translation>
    </message>
    <message>
        <source>Роторы</source>
        <translation>Rotors</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source> Файл </source>
        <translation> File </translation>
    </message>
    <message>
        <source> Помощь </source>
        <translation> Help </translation>
    </message>
    <message>
        <source>Открытый текст</source>
        <translation>Plaintext</translation>
    </message>
    <message>
        <source>Шифротекст</source>
        <translation>Ciphertext</translation>
    </message>
    <message>
        <source>Шифрование  </source>
        <translation>Encryption  </translation>
    </message>
    <message>
        <source>Дешифрация   </source>
        <translation>Decryption   </translation>
    </message>
    <message>
        <source>пять цифр от 0 до 9: роторы для гнёзд 1–5</source>
        <translation>five digits from 0 to 9: the rotors for slots 1–5</translation>
    </message>
    <message>
        <source>пять символов алфавита: ключ</source>
        <translation>five symbols of the alphabet: the key</translation>
    </message>
    <message>
        <source>Установить роторы  </source>
        <translation>Install rotors  </translation>
    </message>
    <message>
        <source>Ключ</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>%1, позиция %2 из %3%4</source>
        <translation>%1, position %2 of %3%4</translation>
    </message>
    <message>
        <source>шифрование</source>
        <translation>encryption</translation>
    </message>
    <message>
        <source>дешифрование</source>
        <translation>decryption</translation>
    </message>
    <message>
        <source>, пауза</source>
        <translation>, paused</translation>
    </message>
    <message>
        <source>Файл «%1» не открыт: %2.</source>
        <translation>The file «%1» is not opened: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» не сохранён: %2.</source>
        <translation>The file «%1» is not saved: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» сохранён поверх прежнего: в его папку нельзя записывать новые файлы, поэтому он записан на месте.</source>
        <translation>The file «%1» is saved over the earlier one: new files cannot be written to its folder, so it is written in place.</translation>
    </message>
    <message>
        <source>Файл «%1» сохранён, но кодировка Windows-1251 вмещает не все знаки текста. Знаком «?» заменено, по одному на место: %2 %3.</source>
        <translation>The file «%1» is saved, but the Windows-1251 encoding does not hold every character of the text. Replaced by «?», one for each: %2 %3.</translation>
    </message>
    <message numerus="yes">
        <source>символ(а/ов)</source>
        <translation>
            <numerusform>character</numerusform>
            <numerusform>characters</numerusform>
        </translation>
    </message>
    <message>
        <source>Шифрование открытого текста</source>
        <translation>Encrypting the plaintext</translation>
    </message>
    <message>
        <source>Дешифрование шифротекста</source>
        <translation>Decrypting the ciphertext</translation>
    </message>
    <message>
        <source>Шифрование прервано</source>
        <translation>Encryption interrupted</translation>
    </message>
    <message>
        <source>Дешифрование прервано</source>
        <translation>Decryption interrupted</translation>
    </message>
    <message>
        <source>Шифрование выполнено</source>
        <translation>Encryption done</translation>
    </message>
    <message>
        <source>Дешифрование  выполнено.</source>
        <translation>Decryption done.</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>1 символ в секунду</source>
        <translation>1 symbol a second</translation>
    </message>
    <message>
        <source>10 символов в секунду</source>
        <translation>10 symbols a second</translation>
    </message>
    <message>
        <source>Обычная скорость</source>
        <translation>Normal speed</translation>
    </message>
    <message>
        <source>Без задержек</source>
        <translation>No delays</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Путь символа</source>
        <translation>Symbol path</translation>
    </message>
    <message>
        <source>Криптоанализ</source>
        <translation>Cryptanalysis</translation>
    </message>
    <message>
        <source> Обучение </source>
        <translation> Teaching </translation>
    </message>
    <message>
        <source> Вид </source>
        <translation> View </translation>
    </message>
    <message>
        <source>Язык окон сменится при следующем запуске программы.
The windows change their language at the next start of the program.</source>
        <translation>Язык окон сменится при следующем запуске программы.
The windows change their language at the next start of the program.</translation>
    </message>
    <message>
        <source>Дешифрация</source>
        <translation>Decryption</translation>
    </message>
    <message>
        <source>расшифровать шифротекст в открытый текст</source>
        <translation>decrypt the ciphertext into the plaintext</translation>
    </message>
    <message>
        <source>Панель роторов</source>
        <translation>Rotor panel</translation>
    </message>
    <message>
        <source>показать или скрыть, F8</source>
        <translation>show or hide, F8</translation>
    </message>
    <message>
        <source>Шифрование</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>зашифровать открытый текст в шифротекст</source>
        <translation>encrypt the plaintext into the ciphertext</translation>
    </message>
    <message>
        <source>Установить роторы</source>
        <translation>Install rotors</translation>
    </message>
    <message>
        <source>повернуть роторы к ключу</source>
        <translation>turn the rotors to the key</translation>
    </message>
    <message>
        <source>Гнездо 1</source>
        <translation>Slot 1</translation>
    </message>
    <message>
        <source>Гнездо 2</source>
        <translation>Slot 2</translation>
    </message>
    <message>
        <source>Гнездо 3</source>
        <translation>Slot 3</translation>
    </message>
    <message>
        <source>Гнездо 4</source>
        <translation>Slot 4</translation>
    </message>
    <message>
        <source>Гнездо 5</source>
        <translation>Slot 5</translation>
    </message>
    <message>
        <source>Роторы и ключ</source>
        <translation>Rotors and key</translation>
    </message>
    <message>
        <source>Панель команд</source>
        <translation>Command panel</translation>
    </message>
    <message>
        <source>Экспорт в PDF…</source>
        <translation>Export to PDF…</translation>
    </message>
    <message>
        <source>Экспорт в PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Открытый текст и шифротекст будут записаны рядом, с номерами роторов.</source>
        <translation>The plaintext and the ciphertext will be written side by side, with the rotor numbers.</translation>
    </message>
    <message>
        <source>Записать и &amp;ключ</source>
        <translation>Write the &amp;key too</translation>
    </message>
    <message>
        <source>Записать и ключ</source>
        <translation>Write the key too</translation>
    </message>
    <message>
        <source>Без этой отметки ключа в файле не будет</source>
        <translation>Without this tick the file holds no key</translation>
    </message>
    <message>
        <source>(Документ PDF)|*.pdf</source>
        <translation>(PDF document)|*.pdf</translation>
    </message>
    <message>
        <source>Файл %1 не записан: %2.</source>
        <translation>The file %1 is not written: %2.</translation>
    </message>
    <message>
        <source>Роторы не установлены: путь текста считается от положения ключа. Установите роторы.</source>
        <translation>The rotors are not installed: the text’s path is counted from the key’s position. Install the rotors.</translation>
    </message>
    <message>
        <source>Открытый текст пуст: путь нечего сохранять.</source>
        <translation>The plaintext is empty: there is no path to save.</translation>
    </message>
    <message>
        <source>Шифротекст пуст: путь нечего сохранять.</source>
        <translation>The ciphertext is empty: there is no path to save.</translation>
    </message>
    <message>
        <source>Шаг назад</source>
        <translation>Step back</translation>
    </message>
</context>
<context>
    <name>velista::Form4</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Справка по программе</source>
        <translation>Help on the program</translation>
    </message>
</context>
<context>
    <name>velista::FrequencyChart</name>
    <message>
        <source>пробел</source>
        <translation>blank</translation>
    </message>
    <message>
        <source>Символов алфавита нет.</source>
        <translation>No symbols of the alphabet.</translation>
    </message>
    <message>
        <source>%1 %2 алфавита. Чаще всего: %3. Индекс совпадений: %4.</source>
        <translation>%1 %2 of the alphabet. Most frequent: %3. Index of coincidence: %4.</translation>
    </message>
    <message numerus="yes">
        <source>символ(а/ов)</source>
        <translation>
            <numerusform>symbol</numerusform>
            <numerusform>symbols</numerusform>
        </translation>
    </message>
    <message>
        <source>не определён (нужны два символа)</source>
        <translation>undefined (two symbols needed)</translation>
    </message>
    <message numerus="yes">
        <source>раз(а)</source>
        <translation>
            <numerusform>time</numerusform>
            <numerusform>times</numerusform>
        </translation>
    </message>
    <message>
        <source>␣ знаки</source>
        <translation>␣ signs</translation>
    </message>
    <message>
        <source>по убыванию частоты →</source>
        <translation>by falling frequency →</translation>
    </message>
</context>
<context>
    <name>velista::InformationOptions</name>
    <message>
        <source>Использование: velista [--help | --version]

Велиста — учебная модель пятироторной шифровальной машины. Без параметров открывает окно
программы; ему нужен дисплей (X11 или Wayland).

Параметры:
  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и лицензию и выйти

Принимаются и стандартные параметры Qt, например -platform offscreen.

Код возврата: 0 — окно закрыто или справка показана.
Файлы: открытый текст .txt, шифртекст .vls, оба в кодировке Windows-1251 с переводами строк CR LF.
Шифрование из командной строки: velista-cli --help. Подробно: man velista.
</source>
        <translation>Usage: velista [--help | --version]

Velista is a teaching model of a five-rotor cipher machine. Without options it opens the program&apos;s
window, which needs a display (X11 or Wayland).

Options:
  -h, --help     show this help and exit
  -v, --version  show the version and the licence and exit

Qt&apos;s standard options are accepted too, for example -platform offscreen.

Exit status: 0 when the window was closed or the help shown.
Files: plaintext .txt, ciphertext .vls, both in Windows-1251 with CR LF line breaks.
Enciphering from the command line: velista-cli --help. In full: man velista.
</translation>
    </message>
</context>
<context>
    <name>velista::InterfaceLanguage</name>
    <message>
        <source>Как в системе</source>
        <translation>As the system</translation>
    </message>
</context>
<context>
    <name>velista::KeyClassDialog</name>
    <message>
        <source>Ключи класса, роторы %1</source>
        <translation>Keys of the class, rotors %1</translation>
    </message>
    <message>
        <source>Эти 135 ключей шифруют с роторами %1 одинаково: каждый поворачивает все пять гнёзд на одно и то же число шагов дальше предыдущего, а контакты между гнёздами от этого не меняются. Первым стоит найденный ключ.</source>
        <translation>These 135 keys encipher alike with the rotors %1: each turns all five slots the same number of steps further than the one before, and that changes no contact between the slots. The key found stands first.</translation>
    </message>
    <message>
        <source>Ключи класса</source>
        <translation>Keys of the class</translation>
    </message>
    <message>
        <source>&amp;Проверить ключ:</source>
        <translation>&amp;Check a key:</translation>
    </message>
    <message>
        <source>Проверить ключ</source>
        <translation>Check a key</translation>
    </message>
    <message>
        <source>Наберите пять символов ключа.</source>
        <translation>Type the five symbols of a key.</translation>
    </message>
    <message>
        <source>Ключ %1 входит в класс: с роторами найденной настройки он шифрует так же.</source>
        <translation>The key %1 is in the class: with the rotors of the setting found it enciphers alike.</translation>
    </message>
    <message>
        <source>Ключ %1 не входит в класс: с этими роторами он шифрует иначе.</source>
        <translation>The key %1 is not in the class: with these rotors it enciphers differently.</translation>
    </message>
</context>
<context>
    <name>velista::KeyText</name>
    <message>
        <source>латиница</source>
        <translation>Latin</translation>
    </message>
    <message>
        <source>кириллица</source>
        <translation>Cyrillic</translation>
    </message>
    <message>
        <source>цифра</source>
        <translation>digit</translation>
    </message>
    <message>
        <source>пробел (знак)</source>
        <translation>blank (sign)</translation>
    </message>
    <message>
        <source>знак</source>
        <translation>sign</translation>
    </message>
</context>
<context>
    <name>velista::NumberText</name>
    <message>
        <source> с</source>
        <translation> s</translation>
    </message>
    <message>
        <source>ru_RU</source>
        <translation>en_US</translation>
    </message>
</context>
<context>
    <name>velista::PathLayout</name>
    <message>
        <source>Символа нет в алфавите машины: он проходит без изменений.</source>
        <translation>The symbol is not in the machine&apos;s alphabet: it passes unchanged.</translation>
    </message>
    <message>
        <source>Гнездо 5</source>
        <translation>Slot 5</translation>
    </message>
    <message>
        <source>от ключа: 134</source>
        <translation>from key: 134</translation>
    </message>
    <message>
        <source>счётчик: 134</source>
        <translation>counter: 134</translation>
    </message>
    <message>
        <source>выход</source>
        <translation>out</translation>
    </message>
    <message>
        <source>ход 4</source>
        <translation>hop 4</translation>
    </message>
    <message>
        <source>Гнездо %1</source>
        <translation>Slot %1</translation>
    </message>
    <message>
        <source>от ключа: %1</source>
        <translation>from key: %1</translation>
    </message>
    <message>
        <source>счётчик: %1</source>
        <translation>counter: %1</translation>
    </message>
    <message>
        <source>вход</source>
        <translation>in</translation>
    </message>
    <message>
        <source>ход %1</source>
        <translation>hop %1</translation>
    </message>
</context>
<context>
    <name>velista::RotorWindowAccessible</name>
    <message>
        <source>роторы не установлены</source>
        <translation>rotors not installed</translation>
    </message>
    <message>
        <source>сверху пробел</source>
        <translation>blank on top</translation>
    </message>
    <message>
        <source>сверху «%1»</source>
        <translation>«%1» on top</translation>
    </message>
</context>
<context>
    <name>velista::StatusBar</name>
    <message>
        <source>включён</source>
        <translation>on</translation>
    </message>
    <message>
        <source>выключен</source>
        <translation>off</translation>
    </message>
</context>
<context>
    <name>velista::SymbolLabel</name>
    <message>
        <source>латиница</source>
        <translation>Latin</translation>
    </message>
    <message>
        <source>кириллица</source>
        <translation>Cyrillic</translation>
    </message>
    <message>
        <source>цифра</source>
        <translation>digit</translation>
    </message>
    <message>
        <source>пробел</source>
        <translation>blank</translation>
    </message>
    <message>
        <source>знак</source>
        <translation>sign</translation>
    </message>
    <message>
        <source>латинская %1</source>
        <translation>Latin %1</translation>
    </message>
    <message>
        <source>кириллическая %1</source>
        <translation>Cyrillic %1</translation>
    </message>
    <message>
        <source>цифра %1</source>
        <translation>digit %1</translation>
    </message>
    <message>
        <source>знак «%1»</source>
        <translation>sign «%1»</translation>
    </message>
    <message>
        <source>«пробел»</source>
        <translation>«blank»</translation>
    </message>
</context>
<context>
    <name>velista::SymbolPathView</name>
    <message>
        <source>Рисунок пути символа</source>
        <translation>Picture of the symbol&apos;s path</translation>
    </message>
    <message>
        <source>Шифрование</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>Дешифрация</source>
        <translation>Decryption</translation>
    </message>
    <message>
        <source> Символа нет в алфавите машины: он проходит без изменений.</source>
        <translation> The symbol is not in the machine&apos;s alphabet: it passes unchanged.</translation>
    </message>
    <message>
        <source> Ход %1, гнездо %2 → %3: %4, позиция %5, получается %6.</source>
        <translation> Hop %1, slot %2 → %3: %4, position %5, gives %6.</translation>
    </message>
</context>
<context>
    <name>velista::SymbolPathWindow</name>
    <message>
        <source>Путь символа</source>
        <translation>Symbol path</translation>
    </message>
    <message>
        <source>Переход</source>
        <translation>Hop</translation>
    </message>
    <message>
        <source>Символ</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Позиция</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Получен</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Ходы символа</source>
        <translation>The symbol&apos;s hops</translation>
    </message>
    <message>
        <source>&amp;Символ:</source>
        <translation>&amp;Symbol:</translation>
    </message>
    <message>
        <source>Символ, путь которого показать</source>
        <translation>The symbol whose path to show</translation>
    </message>
    <message>
        <source>Дешифрация</source>
        <translation>Decryption</translation>
    </message>
    <message>
        <source>Показать обратный путь, от гнезда 5 к гнезду 1</source>
        <translation>Show the way back, from slot 5 to slot 1</translation>
    </message>
    <message>
        <source>%1, позиция %2: %3 → %4; роторы до шага машины (в главном окне — после)</source>
        <translation>%1, position %2: %3 → %4; rotors before the machine&apos;s step (in the main window, after it)</translation>
    </message>
    <message>
        <source>Шифрование</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>Дешифрование</source>
        <translation>Decryption</translation>
    </message>
    <message>
        <source>Роторы не установлены. Установите роторы, чтобы увидеть путь символа.</source>
        <translation>The rotors are not installed. Install the rotors to see a symbol&apos;s path.</translation>
    </message>
    <message>
        <source>Наберите символ в поле «Символ»: окно покажет его путь через роторы, как они стоят сейчас.</source>
        <translation>Type a symbol into the «Symbol» field: the window shows its path through the rotors as they stand now.</translation>
    </message>
    <message>
        <source>%1 при нынешнем положении роторов: %2 → %3</source>
        <translation>%1 with the rotors as they stand now: %2 → %3</translation>
    </message>
    <message>
        <source>Шифрование: слева направо.</source>
        <translation>Encryption: from left to right.</translation>
    </message>
    <message>
        <source>Дешифрация: справа налево.</source>
        <translation>Decryption: from right to left.</translation>
    </message>
    <message>
        <source> «от ключа» — на сколько шагов ротор повернулся от положения ключа. «lat» — латинская буква.</source>
        <translation> «from key»: how many steps the rotor turned from the key&apos;s position. «lat»: a Latin letter.</translation>
    </message>
    <message>
        <source>Шифрование возвращено к началу: ни одной позиции ещё не сделано.</source>
        <translation>Encryption taken back to its start: no position is done yet.</translation>
    </message>
    <message>
        <source>Дешифрование возвращено к началу: ни одной позиции ещё не сделано.</source>
        <translation>Decryption taken back to its start: no position is done yet.</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Сохранить рисунок пути с таблицей в файл PNG или SVG</source>
        <translation>Save the picture of the path with its table as a PNG or SVG file</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Копировать рисунок пути с таблицей в буфер обмена</source>
        <translation>Copy the picture of the path with its table to the clipboard</translation>
    </message>
    <message>
        <source>Сохранить путь текста…</source>
        <translation>Save the text’s path…</translation>
    </message>
    <message>
        <source>Сохранить путь каждого символа всего текста в таблицу CSV</source>
        <translation>Save the path of every symbol of the whole text as a CSV table</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить рисунок или путь</source>
        <translation>Save the picture or the path</translation>
    </message>
    <message>
        <source>Меню: сохранить рисунок, копировать рисунок, сохранить путь текста</source>
        <translation>Menu: save picture, copy picture, save the text’s path</translation>
    </message>
    <message>
        <source>(Рисунок PNG или SVG)|*.png *.svg</source>
        <translation>(PNG or SVG picture)|*.png *.svg</translation>
    </message>
    <message>
        <source>Рисунок не сохранён в «%1»: %2.</source>
        <translation>The picture is not saved in «%1»: %2.</translation>
    </message>
    <message>
        <source>Путь текста сохраняется из главного окна программы.</source>
        <translation>The text’s path is saved from the program’s main window.</translation>
    </message>
    <message>
        <source>(Таблица CSV)|*.csv</source>
        <translation>(CSV table)|*.csv</translation>
    </message>
    <message>
        <source>Путь текста не сохранён в «%1»: %2.</source>
        <translation>The text’s path is not saved in «%1»: %2.</translation>
    </message>
    <message>
        <source>в этой сборке рисунок сохраняется только в PNG</source>
        <translation>this build saves the drawing as PNG only</translation>
    </message>
    <message>
        <source>(Рисунок PNG)|*.png</source>
        <translation>(PNG picture)|*.png</translation>
    </message>
</context>
<context>
    <name>velista::TextFile</name>
    <message>
        <source>система не сообщила причину</source>
        <translation>the system gave no reason</translation>
    </message>
    <message>
        <source>это не обычный файл, а устройство, канал или сокет</source>
        <translation>this is not a regular file but a device, a pipe or a socket</translation>
    </message>
    <message>
        <source>файл больше %1 МиБ — слишком велик для текстового поля</source>
        <translation>the file is larger than %1 MiB, too large for a text area</translation>
    </message>
    <message>
        <source>файл не удалось открыть</source>
        <translation>the file could not be opened</translation>
    </message>
    <message>
        <source>ссылка ведёт в никуда</source>
        <translation>the link leads nowhere</translation>
    </message>
    <message>
        <source>ошибка чтения: </source>
        <translation>read error: </translation>
    </message>
    <message>
        <source>это не текстовый файл</source>
        <translation>this is not a text file</translation>
    </message>
    <message>
        <source>нет прав на запись в этот файл</source>
        <translation>no permission to write this file</translation>
    </message>
    <message>
        <source>файл не удалось создать: </source>
        <translation>the file could not be created: </translation>
    </message>
    <message>
        <source>; прежний файл записан не полностью</source>
        <translation>; the earlier file is written only in part</translation>
    </message>
    <message>
        <source>; прежний файл не изменён</source>
        <translation>; the earlier file is unchanged</translation>
    </message>
    <message>
        <source>ошибка записи: </source>
        <translation>write error: </translation>
    </message>
</context>
<context>
    <name>velista::WindowZoom</name>
    <message>
        <source>Крупнее</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>Обычный размер</source>
        <translation>Normal size</translation>
    </message>
</context>
<context>
    <name>velista::frmAbout</name>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ВНИМАНИЕ.</source>
        <translation>ATTENTION.</translation>
    </message>
    <message>
        <source>Алгоритм Велисты не является стойким  к методам современного криптоанализа</source>
        <translation>The Velista algorithm does not withstand the methods of modern cryptanalysis</translation>
    </message>
    <message>
        <source>И. Н. Белов</source>
        <translation>I. N. Belov</translation>
    </message>
    <message>
        <source>Учебно-методическая программа</source>
        <translation>A teaching program</translation>
    </message>
    <message>
        <source>Кафедра защиты информации
Верхневолжский институт
информатики, Тверь, 2024</source>
        <translation>Department of Information Security
Upper Volga Institute
of Informatics, Tver, 2024</translation>
    </message>
</context>
<context>
    <name>velista::frmBrowser</name>
    <message>
        <source>Описание машины</source>
        <translation>Description of the machine</translation>
    </message>
</context>
<context>
    <name>velista::identity</name>
    <message>
        <source>Велиста</source>
        <translation>Velista</translation>
    </message>
</context>
</TS>
