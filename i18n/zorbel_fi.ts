<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>punainen</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>keltainen</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>vihreä</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>vaaleansininen</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>sininen</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>purppura</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>norsunluu</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>oranssi</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Pelilauta</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>tyhjä</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>valittu</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>merkitty</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktiivinen</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>rivi %1, sarake %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Siirtoja: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Ei siirtoja!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Pisteet: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Pisteet: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Peli</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Uusi peli</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Vihje</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Värien määrä</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 väriä</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 väriä</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 väriä</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 väriä</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Nopeus</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Kerran sekunnissa</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Käytä aktiivisia palloja</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktiivisia palloja joka siirrolla</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automaattinen peli</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symbolit palloissa</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Peli on päättynyt. Aloita uusi peli lataamalla sivu uudelleen.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel on jo auki toisessa välilehdessä.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Siirrä peli tähän</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Pelin lataaminen epäonnistui. Tarkista verkkoyhteys.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Yritä uudelleen</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Зорбель</source>
        <translation>Zorbel</translation>
    </message>
</context>
</TS>
