<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>червено</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>жълто</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>зелено</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>светлосиньо</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>синьо</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>лилаво</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>слонова кост</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>оранжево</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Игрално поле</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>празно</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>избрано</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>отбелязано</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>активно</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>ред %1, колона %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Ходове: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Няма ходове!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Точки: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Точки: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Нова игра</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Брой цветове</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 цвята</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 цвята</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 цвята</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 цвята</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Скорост</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 пъти в секунда</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 пъти в секунда</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 пъти в секунда</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Два пъти в секунда</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Веднъж в секунда</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Използване на активни топчета</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Активни топчета на всеки ход</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Автоматична игра</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Символи върху топчетата</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Играта приключи. За да започнете нова игра, презаредете страницата.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Зорбель вече е отворен в друг раздел.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Преместете играта тук</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Играта не можа да се зареди. Проверете връзката с мрежата.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Опитайте отново</translation>
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
