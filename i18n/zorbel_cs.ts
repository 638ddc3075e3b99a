<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>červená</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>žlutá</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>zelená</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>azurová</translation>
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
        <translation>Hrací plocha</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>prázdné</translation>
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
        <translation>aktivní</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>řádek %1, sloupec %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Tahy: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Žádné tahy!</translation>
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
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Počet barev</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 barev</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 barev</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 barev</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 barev</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10krát za sekundu</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5krát za sekundu</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4krát za sekundu</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Dvakrát za sekundu</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Jednou za sekundu</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Používat aktivní kuličky</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktivní kuličky po každém tahu</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatická hra</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symboly na kuličkách</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Hra skončila. Novou hru zahájíte obnovením stránky.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel je už otevřený na jiné kartě.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Přesunout hru sem</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Hru se nepodařilo načíst. Zkontrolujte připojení k síti.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Zkusit znovu</translation>
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
