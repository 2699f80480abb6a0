<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru">
<context>
    <name>velista::AnalysisWindow</name>
    <message numerus="yes">
        <source>символ(а/ов)</source>
        <translation>
            <numerusform>символ</numerusform>
            <numerusform>символа</numerusform>
            <numerusform>символов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>настройк(а/и/ок)</source>
        <translation>
            <numerusform>настройка</numerusform>
            <numerusform>настройки</numerusform>
            <numerusform>настроек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>символа(ов) после «не меньше»</source>
        <translation>
            <numerusform>символа</numerusform>
            <numerusform>символов</numerusform>
            <numerusform>символов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>позици(я/и/й)</source>
        <translation>
            <numerusform>позиция</numerusform>
            <numerusform>позиции</numerusform>
            <numerusform>позиций</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>возможн(ой позиции/ых позициях)</source>
        <translation>
            <numerusform>возможной позиции</numerusform>
            <numerusform>возможных позициях</numerusform>
            <numerusform>возможных позициях</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>подход(ит/ят)</source>
        <translation>
            <numerusform>подходит</numerusform>
            <numerusform>подходят</numerusform>
            <numerusform>подходят</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velista::Form1</name>
    <message numerus="yes">
        <source>символ(а/ов)</source>
        <translation>
            <numerusform>символ</numerusform>
            <numerusform>символа</numerusform>
            <numerusform>символов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velista::FrequencyChart</name>
    <message numerus="yes">
        <source>символ(а/ов)</source>
        <translation>
            <numerusform>символ</numerusform>
            <numerusform>символа</numerusform>
            <numerusform>символов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>раз(а)</source>
        <translation>
            <numerusform>раз</numerusform>
            <numerusform>раза</numerusform>
            <numerusform>раз</numerusform>
        </translation>
    </message>
</context>
</TS>
