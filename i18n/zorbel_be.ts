<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="be" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>чырвоны</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>жоўты</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>зялёны</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>блакітны</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>сіні</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>пурпурны</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>слановая косць</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>аранжавы</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Гульнявое поле</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>пуста</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>выбраны</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>адзначаны</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>актыўны</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>радок %1, слупок %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Хадоў: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Хадоў няма!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Лік: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Лік: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Гульня</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Новая гульня</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Падказка</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Налады</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Колькасць колераў</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 колераў</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 колераў</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 колераў</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 колераў</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Хуткасць</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 разоў у секунду</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 разоў у секунду</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 разы ў секунду</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 разы ў секунду</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 раз у секунду</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Выкарыстоўваць актыўныя шарыкі</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Актыўныя шарыкі кожны ход</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Аўтаматычная гульня</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Значкі на шарыках</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Гульня скончана. Каб пачаць новую гульню, абнавіце старонку.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Зорбель ужо адкрыты ў іншай укладцы.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Перанесці гульню сюды</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Не ўдалося загрузіць гульню. Праверце падключэнне да сеткі.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Паспрабаваць зноў</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Зорбель</source>
        <translation>Зорбель</translation>
    </message>
</context>
</TS>
