<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>velista::AnalysisWindow</name>
    <message>
        <source>Записать роторы и ключ выбранной строки в поля главного окна и установить роторы (Enter в таблице, двойной щелчок)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идёт шифрование или дешифрация: роторы и ключ заняты до её конца</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>символ(а/ов)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>настройк(а/и/ок)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>символа(ов) после «не меньше»</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>позици(я/и/й)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Во фрагменте нет ни одного символа алфавита машины, ему подходит любая настройка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на этой позиции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>возможн(ой позиции/ых позициях)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Фрагмент слишком короткий: символов алфавита в нём %1, а нужно не меньше %2 — иначе %3 подойдут тысячи настроек и ответ ничего не скажет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фрагмент длиннее %1 символов (64 КиБ): столько не нужно, хватит нескольких десятков.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифротекст длиннее %1 символов (256 МиБ).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Криптоанализ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифротекст изменился после поиска: прежний результат убран. Нажмите «Найти ключ» снова.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открытый текст: частоты символов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Столбцы частот открытого текста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифротекст: частоты символов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Столбцы частот шифротекста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Атака по известному фрагменту открытого текста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифротекст берётся из области «Шифротекст» главного окна. Введите или вставьте &amp;фрагмент открытого текста, который в нём зашифрован:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Известный фрагмент открытого текста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Позиция фрагмента в тексте (счёт с 0, перевод строки — два символа):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Позиция фрагмента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найти ключ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отменить поиск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ход поиска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>найдено: 000 000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найденные настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Роторы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ключ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Позиции фрагмента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить роторы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Символов: %1, из них в алфавите машины: %2
Индекс совпадений: %3
для сравнения: случайный текст 1/135 ≈ %4, русский текст %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фрагмент или его позиция изменились после поиска: прежний результат убран. Нажмите «Найти ключ» снова.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Во фрагменте %1, из них в алфавите машины: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Слишком короткий: нужно не меньше %1 алфавита, иначе подойдут тысячи настроек.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Позиция неизвестна: поиск может занять минуты (его можно отменить). Быстро — от %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифротекст пуст: откройте или получите шифротекст в главном окне, затем начните поиск.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Введите известный фрагмент открытого текста.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С позиции %1 фрагмент длиной %2 выходит за конец шифротекста длиной %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фрагмент длиной %1 длиннее всего шифротекста (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идёт поиск…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отмена…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>найдено: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фрагмент, его позиция или шифротекст изменились во время поиска: результат убран. Нажмите «Найти ключ» снова.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Время поиска: %1. Проверено настроек (роторы, класс ключа, позиция фрагмента): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ключ найден с точностью до равносильных: если прибавить одно и то же число ко всем пяти поворотам роторов, шифротекст не изменится, поэтому ещё 134 ключа дают тот же текст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Во фрагменте нет ни одного символа алфавита машины: ему подходит любая настройка. Введите фрагмент с буквами.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поиск отменён. До отмены найдено: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ни одна настройка не подходит: этот фрагмент не мог дать такой шифротекст %1. Проверьте фрагмент (каждый символ, заглавные и строчные буквы) и позицию.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на позиции %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ни на одной позиции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Фрагмент встречается в тексте несколько раз, и всюду подходит она же: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найдена единственная настройка: роторы %1, ключ %2.%3 Нажмите «Установить роторы» и расшифруйте весь текст в главном окне.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фрагмент слишком короток, чтобы выбрать одну настройку: %1 %2. %3 Возьмите фрагмент длиннее.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>подход(ит/ят)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>В таблице первые %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Все они в таблице.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Роторы %1 с ключом %2 установлены в главном окне. Нажмите там «Дешифрация», чтобы расшифровать весь шифротекст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Роторы %1 и ключ %2 записаны в поля главного окна, но не установлены: нажмите там «Установить роторы».</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::CipherMachine</name>
    <message>
        <source>Внимание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не указаны номера всех дисков или ключ имеет менее 5-ти символов </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ключ содержит символ, которого нет в алфавите машины. В ключ входят латинские и русские буквы (кроме Ё и ё), цифры, пробел и знаки ( ) , - . : [ ]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::FileErrorReason</name>
    <message>
        <source>нет такого файла или папки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>часть пути - не папка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>диск только для чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>получатель вывода закрыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком много символических ссылок подряд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>исчерпана дисковая квота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>устройство недоступно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл уже есть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл на другом диске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл временно недоступен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>недопустимая операция для этого файла</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::Form1</name>
    <message>
        <source>ВНИМАНИЕ!  Роторы НЕ установлены.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВНИМАНИЕ!Рторы НЕ установлены.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Роторы  установлены.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Все файлы txt  )|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Все файлы  расширением .txt )|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Все файлы  расширением .vls )|*.vls</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новый текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новый шифротекст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть шифротекст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить шифротекст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Роторы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Файл </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Помощь </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открытый текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифротекст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифрование  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дешифрация   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пять цифр от 0 до 9: роторы для гнёзд 1–5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пять символов алфавита: ключ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить роторы  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ключ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, позиция %2 из %3%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шифрование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>дешифрование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, пауза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» не открыт: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» не сохранён: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» сохранён поверх прежнего: в его папку нельзя записывать новые файлы, поэтому он записан на месте.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» сохранён, но кодировка Windows-1251 вмещает не все знаки текста. Знаком «?» заменено, по одному на место: %2 %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>символ(а/ов)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Шифрование открытого текста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дешифрование шифротекста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифрование прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дешифрование прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифрование выполнено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дешифрование  выполнено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 символ в секунду</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 символов в секунду</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обычная скорость</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Без задержек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путь символа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Криптоанализ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Обучение </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Вид </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык окон сменится при следующем запуске программы.
The windows change their language at the next start of the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::Form4</name>
    <message>
        <source>Справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка по программе</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::FrequencyChart</name>
    <message>
        <source>пробел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Символов алфавита нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 алфавита. Чаще всего: %3. Индекс совпадений: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>символ(а/ов)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>не определён (нужны два символа)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>раз(а)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velista::InterfaceLanguage</name>
    <message>
        <source>Как в системе</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::KeyText</name>
    <message>
        <source>латиница</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кириллица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цифра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пробел (знак)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>знак</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::NumberText</name>
    <message>
        <source> с</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::PathLayout</name>
    <message>
        <source>Символа нет в алфавите машины: он проходит без изменений.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гнездо 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>от ключа: 134</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>счётчик: 134</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ход 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гнездо %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>от ключа: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>счётчик: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ход %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::RotorWindowAccessible</name>
    <message>
        <source>роторы не установлены</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сверху пробел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сверху «%1»</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::StatusBar</name>
    <message>
        <source>включён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выключен</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::SymbolLabel</name>
    <message>
        <source>латиница</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кириллица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цифра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пробел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>знак</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>латинская %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кириллическая %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цифра %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>знак «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«пробел»</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::SymbolPathView</name>
    <message>
        <source>Рисунок пути символа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифрование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дешифрация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Символа нет в алфавите машины: он проходит без изменений.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ход %1, гнездо %2 → %3: %4, позиция %5, получается %6.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::SymbolPathWindow</name>
    <message>
        <source>Путь символа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Символ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Позиция</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Получен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ходы символа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Символ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Символ, путь которого показать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дешифрация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать обратный путь, от гнезда 5 к гнезду 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, позиция %2: %3 → %4; роторы до шага машины (в главном окне — после)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифрование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дешифрование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Роторы не установлены. Установите роторы, чтобы увидеть путь символа.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наберите символ в поле «Символ»: окно покажет его путь через роторы, как они стоят сейчас.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 при нынешнем положении роторов: %2 → %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифрование: слева направо.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дешифрация: справа налево.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> «от ключа» — на сколько шагов ротор повернулся от положения ключа. «lat» — латинская буква.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::TextFile</name>
    <message>
        <source>система не сообщила причину</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не обычный файл, а устройство, канал или сокет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл больше %1 МиБ — слишком велик для текстового поля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не удалось открыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ссылка ведёт в никуда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка чтения: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не текстовый файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет прав на запись в этот файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не удалось создать: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; прежний файл записан не полностью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; прежний файл не изменён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка записи: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::WindowZoom</name>
    <message>
        <source>Крупнее</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обычный размер</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::frmAbout</name>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВНИМАНИЕ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Алгоритм Велисты не является стойким  к методам современного криптоанализа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>И. Н. Белов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Учебно-методическая программа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кафедра защиты информации
Верхневолжский институт
информатики, Тверь, 2024</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::frmBrowser</name>
    <message>
        <source>Описание машины</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velista::identity</name>
    <message>
        <source>Велиста</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
