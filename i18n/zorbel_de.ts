<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>hellblau</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>elfenbeinfarben</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>markiert</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Keine Züge!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Punkte: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Anzahl der Farben</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 Farben</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 Farben</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 Farben</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 Farben</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10-mal pro Sekunde</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5-mal pro Sekunde</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4-mal pro Sekunde</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2-mal pro Sekunde</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1-mal pro Sekunde</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Aktive Kugeln verwenden</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktive Kugeln bei jedem Zug</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatisches Spiel</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symbole auf den Kugeln</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Das Spiel ist beendet. Für ein neues Spiel die Seite neu laden.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel ist bereits in einem anderen Tab geöffnet.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Spiel hierher holen</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Das Spiel konnte nicht geladen werden. Bitte die Netzwerkverbindung prüfen.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Erneut versuchen</translation>
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
