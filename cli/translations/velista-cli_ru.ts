<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>velista-cli</name>
    <message numerus="yes">
        <source>фрагмент подходит на %n позициях: %1</source>
        <translation><numerusform>фрагмент подходит на %n позиции: %1</numerusform><numerusform>фрагмент подходит на %n позициях: %1</numerusform><numerusform>фрагмент подходит на %n позициях: %1</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>параметр %1 указан %n раза (%2), а нужен один раз</source>
        <translation><numerusform>параметр %1 указан %n раз (%2), а нужен один раз</numerusform><numerusform>параметр %1 указан %n раза (%2), а нужен один раз</numerusform><numerusform>параметр %1 указан %n раз (%2), а нужен один раз</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>параметр %1 указан %n раза, а нужен один раз</source>
        <translation><numerusform>параметр %1 указан %n раз, а нужен один раз</numerusform><numerusform>параметр %1 указан %n раза, а нужен один раз</numerusform><numerusform>параметр %1 указан %n раз, а нужен один раз</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>на %n возможной позиции</source>
        <translation><numerusform>на %n возможной позиции</numerusform><numerusform>на %n возможных позициях</numerusform><numerusform>на %n возможных позициях</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>из %n символа</source>
        <translation><numerusform>из %n символа</numerusform><numerusform>из %n символов</numerusform><numerusform>из %n символов</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n символ</source>
        <translation><numerusform>%n символ</numerusform><numerusform>%n символа</numerusform><numerusform>%n символов</numerusform></translation>
    </message>
    </context>
</TS>