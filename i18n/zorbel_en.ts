<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>red</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>green</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>ivory</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Game board</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>selected</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>marked</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>active</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>row %1, column %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Moves: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>No moves!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Score: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Number of colours</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 colours</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 colours</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 colours</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 colours</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 times a second</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 times a second</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 times a second</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Twice a second</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Once a second</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Use active balls</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Active balls every move</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatic play</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symbols on the balls</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>The game is over. To start a new game, reload the page.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel is already open in another tab.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Move the game here</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>The game could not be loaded. Check your network connection.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Try again</translation>
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
