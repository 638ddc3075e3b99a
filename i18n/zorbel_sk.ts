<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>červená</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>žltá</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>zelená</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>azúrová</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>modrá</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>purpurová</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>slonovinová</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>oranžová</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Hracia plocha</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>prázdne</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>vybraná</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>označená</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktívna</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>riadok %1, stĺpec %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Ťahy: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Žiadne ťahy!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Skóre: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Skóre: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Nápoveda</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Počet farieb</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 farieb</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 farieb</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 farieb</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 farieb</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Rýchlosť</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10-krát za sekundu</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5-krát za sekundu</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4-krát za sekundu</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Dvakrát za sekundu</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Raz za sekundu</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Používať aktívne guličky</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktívne guličky po každom ťahu</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatická hra</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symboly na guličkách</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Hra sa skončila. Novú hru začnete obnovením stránky.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel je už otvorený na inej karte.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Presunúť hru sem</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Hru sa nepodarilo načítať. Skontrolujte pripojenie k sieti.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Skúsiť znova</translation>
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
